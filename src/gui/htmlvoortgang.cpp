#include "gui/htmlvoortgang.h"

#include "gui/confightmldlg.h"
#include "gui/multilinelistbox.h"
#include "gui/vensteropener.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kStartMs = 100;

} // namespace

CHtmlVoortgang::CHtmlVoortgang(CUploadRun& run, QWidget* ouder) : QDialog(ouder), run_(run) {
    setObjectName(QStringLiteral("htmlVoortgang"));
    setWindowTitle(QStringLiteral("Voortgang HTML upload"));
    log_ = new CMultiLineListBox;
    log_->setObjectName(QStringLiteral("log"));
    log_->setSelectionMode(QAbstractItemView::NoSelection);
    log_->setMinimumSize(520, 260);
    sluiten_ = new QPushButton(QStringLiteral("Sluiten"));
    sluiten_->setObjectName(QStringLiteral("sluiten"));
    sluiten_->setEnabled(false);
    auto* venster = new QVBoxLayout(this);
    venster->addWidget(log_);
    venster->addWidget(sluiten_, 0, Qt::AlignHCenter);
    connect(sluiten_, &QPushButton::clicked, this, &CHtmlVoortgang::reject);
    verslag_.gewijzigd = [this](int) { ToonLog(); };
    start_.setSingleShot(true);
    start_.setInterval(kStartMs);
    connect(&start_, &QTimer::timeout, this, &CHtmlVoortgang::Start);
}

void CHtmlVoortgang::showEvent(QShowEvent* gebeurtenis) {
    QDialog::showEvent(gebeurtenis);
    ZetKolommen();
    if (!klaar_ && !bezig_ && !start_.isActive()) {
        start_.start();
    }
}

void CHtmlVoortgang::resizeEvent(QResizeEvent* gebeurtenis) {
    QDialog::resizeEvent(gebeurtenis);
    ZetKolommen();
}

void CHtmlVoortgang::ZetKolommen() {
    log_->setColumnCount(2);
    log_->setColumnWidth(0, log_->viewport()->width() * 3 / 4);
}

void CHtmlVoortgang::Start() {
    bezig_ = true;
    bool gelukt = run_.Voer(verslag_, *this);
    bezig_ = false;
    klaar_ = true;
    sluiten_->setEnabled(true);
    sluiten_->setDefault(true);
    sluiten_->setFocus();
    if (gelukt) {
        accept();
    }
}

void CHtmlVoortgang::ToonLog() {
    std::vector<std::string> regels;
    for (const CUploadRegel& r : verslag_.Regels()) {
        // A tab inside the text (the retry lines) stays in the text column.
        std::string tekst = r.tekst;
        for (size_t tab = tekst.find('\t'); tab != std::string::npos; tab = tekst.find('\t')) {
            tekst.replace(tab, 1, "  ");
        }
        regels.push_back(tekst + "\t" + r.status);
    }
    log_->ZetRegels(regels);
    log_->scrollToBottom();
    QCoreApplication::processEvents();
}

void CHtmlVoortgang::VerwerkGebeurtenissen() {
    QCoreApplication::processEvents();
}

void CHtmlVoortgang::ToonInstellingen(CSettings& settings) {
    ToonHtmlInstellingen(settings, this);
}

void CHtmlVoortgang::closeEvent(QCloseEvent* gebeurtenis) {
    if (!klaar_) {
        gebeurtenis->ignore();
        return;
    }
    QDialog::closeEvent(gebeurtenis);
}

void CHtmlVoortgang::reject() {
    if (klaar_) {
        QDialog::reject();
    }
}

void ToonHtmlVoortgang(CUploadRun& run, QWidget* ouder) {
    CHtmlVoortgang venster(run, ouder);
    VensterOpener().Open(venster);
}
