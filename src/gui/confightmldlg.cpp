#include "gui/confightmldlg.h"

#include "gui/qttekst.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"
#include "settings/wachtwoord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

struct CBestandLijst {
    const char* label;
    const char* naam;
};

constexpr CBestandLijst kBestandLijsten[] = {{"&Uitslag laatste ronde:", "uitslag"},
                                             {"A&lle uitslagen:", "uitslagen"},
                                             {"&Stand:", "stand"},
                                             {"&Indeling nieuwe ronde:", "indeling"},
                                             {"&Klassenverloop (grafiek):", "klassenverloop"}};

QComboBox* MaakBestandLijst(const char* naam, int32_t modus) {
    auto* lijst = new QComboBox;
    lijst->setObjectName(QString::fromUtf8(naam));
    lijst->addItems({QStringLiteral("Bestand niet aanmaken"),
                     QStringLiteral("Bestand aanmaken, niet uploaden"),
                     QStringLiteral("Bestand aanmaken en uploaden")});
    // A mode the list does not hold selects nothing, and stays as it is.
    lijst->setCurrentIndex(modus >= 0 && modus < lijst->count() ? modus : -1);
    return lijst;
}

QRadioButton* MaakKeuze(const char* tekst, const char* naam) {
    auto* keuze = new QRadioButton(QString::fromUtf8(tekst));
    keuze->setObjectName(QString::fromUtf8(naam));
    return keuze;
}

} // namespace

CConfigHtmlDlg::CConfigHtmlDlg(CSettings& settings, QWidget* ouder)
    : QDialog(ouder), settings_(settings), model_(settings) {
    setWindowTitle(QStringLiteral("Instellen HTML uitvoer"));

    auto* bestandGroep = new QGroupBox(QStringLiteral("HTML invoegbestanden"));
    auto* bestandFormulier = new QFormLayout(bestandGroep);
    for (size_t i = 0; i < bestanden_.size(); ++i) {
        bestanden_[i] =
            MaakBestandLijst(kBestandLijsten[i].naam, model_.Modus(static_cast<int>(i)));
        bestandFormulier->addRow(MaakLabel(kBestandLijsten[i].label, bestanden_[i]), bestanden_[i]);
    }

    ftp_ = MaakKeuze("&FTP", "ftp");
    ftps_ = MaakKeuze("FTPS (&TLS)", "ftps");
    ftps_->setAccessibleName(QStringLiteral("FTPS"));
    ftps_->setAccessibleDescription(QStringLiteral("FTP met een versleutelde verbinding (TLS)"));
    sftp_ = MaakKeuze("SFT&P", "sftp");
    switch (model_.Methode()) {
    case UploadMethode::Sftp:
        sftp_->setChecked(true);
        break;
    case UploadMethode::Ftps:
        ftps_->setChecked(true);
        break;
    case UploadMethode::Ftp:
        ftp_->setChecked(true);
        break;
    }
    server_ = MaakConfigVeld("server");
    server_->setMinimumWidth(240);
    poort_ = MaakConfigVeld("poort");
    poort_->setMaximumWidth(70);
    poort_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), poort_));
    passief_ = MaakConfigVak("Gebruik passieve &mode (firewall vriendelijk)", "passief");
    gebruikersnaam_ = MaakConfigVeld("gebruikersnaam");
    wachtwoord_ = MaakConfigVeld("wachtwoord");
    wachtwoord_->setEchoMode(QLineEdit::Password);
    // What a scrambled value in the profile can hold.
    wachtwoord_->setMaxLength(static_cast<int>(kMaxWachtwoordLengte));
    remoteDirectory_ = MaakConfigVeld("remoteDirectory");
    certificaat_ = MaakConfigVeld("certificaat");
    certificaat_->setAccessibleName(QStringLiteral("Certificaatbestand"));
    certificaat_->setPlaceholderText(QStringLiteral("leeg: de certificaten van het systeem"));
    certificaat_->setToolTip(certificaat_->placeholderText()); // in a narrow window it is cut
    bladeren_ = MaakConfigKnop("&Bladeren...", "bladeren");
    bladeren_->setAccessibleName(QStringLiteral("Certificaatbestand kiezen"));
    competitieId_ = MaakConfigVak("Competitie-id aa&n pad toevoegen", "competitieId");
    automatischAfsluiten_ =
        MaakConfigVak("Voortgangsv&enster sluiten na foutloze verwerking", "automatischAfsluiten");

    auto* methode = new QHBoxLayout;
    methode->addWidget(ftp_);
    methode->addWidget(sftp_);
    methode->addWidget(ftps_);
    methode->addStretch(1);
    auto* serverRegel = new QHBoxLayout;
    serverRegel->addWidget(server_, 1);
    serverRegel->addWidget(MaakLabel("Poo&rt:", poort_));
    serverRegel->addWidget(poort_);
    auto* ftpGroep = new QGroupBox(QStringLiteral("FTP parameters"));
    auto* ftpFormulier = new QFormLayout(ftpGroep);
    ftpFormulier->addRow(MaakLabel("Methode", ftp_), methode);
    ftpFormulier->addRow(MaakLabel("Ser&ver / poort", server_), serverRegel);
    ftpFormulier->addRow(passief_);
    ftpFormulier->addRow(MaakLabel("&Gebruikersnaam", gebruikersnaam_), gebruikersnaam_);
    ftpFormulier->addRow(MaakLabel("&Wachtwoord", wachtwoord_), wachtwoord_);
    ftpFormulier->addRow(MaakLabel("Pa&d op de server", remoteDirectory_), remoteDirectory_);
    auto* certificaatRegel = new QHBoxLayout;
    certificaatRegel->addWidget(certificaat_, 1);
    certificaatRegel->addWidget(bladeren_);
    ftpFormulier->addRow(MaakLabel("&Certificaatbestand (FTPS)", certificaat_), certificaatRegel);
    ftpFormulier->addRow(competitieId_);
    ftpFormulier->addRow(automatischAfsluiten_);

    QPushButton* ok = MaakConfigKnop("&OK", "ok");
    QPushButton* afbreken = MaakConfigKnop("&Afbreken", "afbreken");
    auto* venster = new QVBoxLayout(this);
    venster->addWidget(bestandGroep);
    venster->addWidget(ftpGroep);
    venster->addLayout(KnoppenRechts({ok, afbreken}));
    ok->setDefault(true);

    ZetVeldTekst(server_, model_.server);
    ZetVeldTekst(gebruikersnaam_, model_.gebruikersnaam);
    ZetVeldTekst(wachtwoord_, model_.Wachtwoord());
    ZetVeldTekst(remoteDirectory_, model_.remoteDirectory);
    ZetVeldTekst(certificaat_, model_.certificaat);
    ZetVinkje(passief_, model_.passief);
    ZetVinkje(competitieId_, model_.competitieIdAanPad);
    ZetVinkje(automatischAfsluiten_, model_.automatischAfsluiten);

    for (size_t i = 0; i < bestanden_.size(); ++i) {
        connect(bestanden_[i], &QComboBox::currentIndexChanged, this, [this, i](int modus) {
            model_.ZetModus(static_cast<int>(i), modus);
            Toon();
        });
    }
    for (auto [keuze, soort] :
         {std::pair{ftp_, UploadMethode::Ftp}, std::pair{ftps_, UploadMethode::Ftps},
          std::pair{sftp_, UploadMethode::Sftp}}) {
        connect(keuze, &QRadioButton::clicked, this, [this, gekozen = soort] {
            model_.KiesMethode(gekozen);
            Toon();
        });
    }
    auto tekst = [this](QLineEdit* veld, std::string CHtmlVenster::*doel) {
        BijWijziging(veld, this, [this, doel](const QString& t) { model_.*doel = VanQString(t); });
    };
    tekst(server_, &CHtmlVenster::server);
    // Text put in through the accessibility interface passes no validator:
    // the port keeps its digits only.
    BijWijziging(poort_, this, [this](const QString& t) {
        model_.poort.clear();
        for (QChar teken : t) {
            if (teken.isDigit() && teken.unicode() < 128) {
                model_.poort += static_cast<char>(teken.unicode());
            }
        }
        Toon();
    });
    tekst(gebruikersnaam_, &CHtmlVenster::gebruikersnaam);
    tekst(remoteDirectory_, &CHtmlVenster::remoteDirectory);
    tekst(certificaat_, &CHtmlVenster::certificaat);
    connect(bladeren_, &QPushButton::clicked, this, &CConfigHtmlDlg::KiesCertificaat);
    BijWijziging(wachtwoord_, this,
                 [this](const QString& t) { model_.ZetWachtwoord(VanQString(t)); });
    auto vak = [this](QCheckBox* v, bool CHtmlVenster::*doel) {
        connect(v, &QCheckBox::toggled, this, [this, doel](bool aan) { model_.*doel = aan; });
    };
    vak(passief_, &CHtmlVenster::passief);
    vak(competitieId_, &CHtmlVenster::competitieIdAanPad);
    vak(automatischAfsluiten_, &CHtmlVenster::automatischAfsluiten);
    connect(ok, &QPushButton::clicked, this, &CConfigHtmlDlg::Ok);
    connect(afbreken, &QPushButton::clicked, this, &QDialog::reject);
    Toon();
}

void CConfigHtmlDlg::Toon() {
    ZetVeldTekst(poort_, model_.poort);
    const bool upload = model_.UploadVeldenAan();
    for (QWidget* veld : std::initializer_list<QWidget*>{server_, poort_, gebruikersnaam_,
                                                         wachtwoord_, remoteDirectory_, passief_,
                                                         competitieId_, automatischAfsluiten_}) {
        veld->setEnabled(upload);
    }
    passief_->setEnabled(model_.PassiefAan());
    certificaat_->setEnabled(model_.CertificaatAan());
    bladeren_->setEnabled(model_.CertificaatAan());
}

void CConfigHtmlDlg::KiesCertificaat() {
    QString bestand = VensterOpener().KiesBestand(
        this, EBestandKeuze::Openen, QStringLiteral("Certificaatbestand"), certificaat_->text(),
        QStringLiteral("Certificaten (*.pem *.crt *.cer);;Alle bestanden (*)"));
    if (bestand.isEmpty()) {
        return;
    }
    model_.certificaat = VanQString(bestand);
    ZetVeldTekst(certificaat_, model_.certificaat);
}

void CConfigHtmlDlg::Ok() {
    model_.Ok(settings_);
    accept();
}

int ToonHtmlInstellingen(CSettings& settings, QWidget* ouder) {
    CConfigHtmlDlg venster(settings, ouder);
    return VensterOpener().Open(venster);
}
