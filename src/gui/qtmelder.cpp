#include "gui/qtmelder.h"

#include "gui/qttekst.h"

#include <QMessageBox>

Antwoord CQtMelder::Toon(const std::string& tekst, Knoppen knoppen, const std::string& titel) {
    QMessageBox doos(ouder_);
    doos.setWindowTitle(NaarQString(titel));
    QString regels = NaarQString(tekst);
    regels.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    regels.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    doos.setTextFormat(Qt::PlainText); // texts such as "<Stop>-knop" are not markup
    doos.setText(regels);
    switch (knoppen) {
    case Knoppen::Ok:
        doos.setIcon(QMessageBox::Information);
        doos.setStandardButtons(QMessageBox::Ok);
        break;
    case Knoppen::OkAnnuleren:
        doos.setIcon(QMessageBox::Information);
        doos.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        doos.setDefaultButton(QMessageBox::Ok);
        break;
    case Knoppen::JaNee:
    case Knoppen::JaNeeStdNee:
        doos.setIcon(QMessageBox::Question);
        doos.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        doos.setDefaultButton(knoppen == Knoppen::JaNee ? QMessageBox::Yes : QMessageBox::No);
        break;
    case Knoppen::OpnieuwAnnuleren:
        doos.setIcon(QMessageBox::Warning);
        doos.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        doos.setDefaultButton(QMessageBox::Retry);
        break;
    }
    switch (doos.exec()) {
    case QMessageBox::Ok:
        return Antwoord::Ok;
    case QMessageBox::Yes:
        return Antwoord::Ja;
    case QMessageBox::No:
        return Antwoord::Nee;
    case QMessageBox::Retry:
        return Antwoord::Opnieuw;
    default:
        return StandaardAntwoord(knoppen);
    }
}
