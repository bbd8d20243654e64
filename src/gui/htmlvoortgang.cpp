#include "gui/htmlvoortgang.h"

#include "gui/confightmldlg.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/vensteropener.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

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
    sluiten_ = new QPushButton(QStringLiteral("&Sluiten"));
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
    VulLog();
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
    VulLog();
    QCoreApplication::processEvents();
}

void CHtmlVoortgang::VulLog() {
    // A line without a status (a reason or a hint) may be long: it goes on in
    // the rows below, so nothing of it is cut off.
    const QFontMetrics maat(log_->font());
    const int breedte = std::max(200, log_->columnWidth(0) - 2 * maat.averageCharWidth());
    std::vector<std::string> regels;
    for (const CUploadRegel& r : verslag_.Regels()) {
        // A tab inside the text (the retry lines) stays in the text column.
        std::string tekst = r.tekst;
        for (size_t tab = tekst.find('\t'); tab != std::string::npos; tab = tekst.find('\t')) {
            tekst.replace(tab, 1, "  ");
        }
        if (!r.status.empty()) {
            regels.push_back(tekst + "\t" + r.status);
            continue;
        }
        QString rest = NaarQString(tekst);
        while (maat.horizontalAdvance(rest) > breedte) {
            int knip = static_cast<int>(rest.size());
            while (knip > 1 && maat.horizontalAdvance(rest.left(knip)) > breedte) {
                knip = static_cast<int>(rest.lastIndexOf(QLatin1Char(' '), knip - 1));
                if (knip <= 0) {
                    // One word wider than the list: cut it where it fits.
                    knip = static_cast<int>(rest.size());
                    while (knip > 1 && maat.horizontalAdvance(rest.left(knip)) > breedte) {
                        --knip;
                    }
                    break;
                }
            }
            regels.push_back(VanQString(rest.left(knip)));
            rest = rest.mid(knip).trimmed();
        }
        regels.push_back(VanQString(rest));
    }
    log_->ZetRegels(regels);
    log_->scrollToBottom();
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
