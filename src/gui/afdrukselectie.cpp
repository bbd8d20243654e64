#include "gui/afdrukselectie.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

CAfdrukSelectie::CAfdrukSelectie(bool uitslag, bool stand, QWidget* ouder) : QDialog(ouder) {
    setWindowTitle(QString::fromUtf8(kAfdrukSelectieTitel));
    auto vak = [](const char* tekst, const char* naam, bool aan) {
        auto* box = new QCheckBox(QString::fromUtf8(tekst));
        box->setObjectName(QString::fromUtf8(naam));
        box->setChecked(aan);
        return box;
    };
    uitslag_ = vak("&Uitslag laatste ronde", "uitslag", uitslag);
    stand_ = vak("Huidige &stand", "stand", stand);
    QCheckBox* indeling = vak("Nieuwe &indeling", "indeling", true);
    indeling->setEnabled(false); // always printed
    auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    // The words of the windows around it, whatever Qt's translation says.
    knoppen->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    knoppen->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    knoppen->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("afbreken"));
    knoppen->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Afbreken"));
    auto* venster = new QVBoxLayout(this);
    venster->addWidget(uitslag_);
    venster->addWidget(stand_);
    venster->addWidget(indeling);
    venster->addWidget(knoppen);
    connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool CAfdrukSelectie::Uitslag() const {
    return uitslag_->isChecked();
}

bool CAfdrukSelectie::Stand() const {
    return stand_->isChecked();
}
