#include "gui/afdrukken.h"

#include "gui/qttekst.h"
#include "gui/vensteropener.h"
#include "publish/afdruknaam.h"
#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextOption>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr QChar kPaginaEinde = QChar(12);
constexpr int32_t kStandaardGrootte = 120;
constexpr int kTabKolommen = 8;
constexpr qreal kProefTab = 1000;

// The lines of a listing, one at a time; a line put back is read again first.
class CRegels {
public:
    explicit CRegels(QString tekst) : tekst_(std::move(tekst)) {}

    bool Meer() const { return teruggelegd_ || positie_ < tekst_.size(); }

    QString Volgende() {
        if (teruggelegd_) {
            teruggelegd_ = false;
            return std::exchange(terug_, QString());
        }
        qsizetype eind = tekst_.indexOf(QLatin1Char('\n'), positie_);
        if (eind < 0) {
            eind = tekst_.size();
        }
        QString regel = tekst_.mid(positie_, eind - positie_);
        positie_ = eind + 1;
        return regel;
    }

    void LegTerug(QString regel) {
        terug_ = std::move(regel);
        teruggelegd_ = true;
    }

private:
    QString tekst_;
    qsizetype positie_ = 0;
    QString terug_;
    bool teruggelegd_ = false;
};

// Measures text as it is drawn: wrapped at word boundaries in the page width,
// tabs every eight average character widths.
class CPaginaMaat {
public:
    explicit CPaginaMaat(QPainter& schilder)
        : schilder_(schilder),
          vlak_(0, 0, schilder.device()->width(), schilder.device()->height()) {
        optie_.setWrapMode(QTextOption::WordWrap);
        optie_.setTabStopDistance(
            QFontMetricsF(schilder.font(), schilder.device()).averageCharWidth() * kTabKolommen /
            TabSchaal());
    }

    qreal Hoogte(const QString& tekst) const {
        return tekst.isEmpty() ? 0 : schilder_.boundingRect(vlak_, tekst, optie_).height();
    }
    qreal PaginaHoogte() const { return vlak_.height(); }
    bool Past(const QString& tekst) const { return Hoogte(tekst) <= PaginaHoogte(); }

    // The largest number of leading characters of `tekst` that still fit, found
    // by halving; at least one, so that every page takes something.
    qsizetype PassendDeel(const QString& tekst) const {
        qsizetype past = 0;
        qsizetype pastNiet = tekst.size();
        while (pastNiet - past > 1) {
            qsizetype midden = past + (pastNiet - past) / 2;
            if (Past(tekst.left(midden))) {
                past = midden;
            } else {
                pastNiet = midden;
            }
        }
        return std::max<qsizetype>(past, 1);
    }

    void Teken(const QString& tekst) const { schilder_.drawText(vlak_, tekst, optie_); }

private:
    // Qt takes a tab stop distance in pixels of the screen and scales it to
    // the device's resolution; the scale, measured, so that a stop falls
    // every eight characters on a printer as well.
    qreal TabSchaal() const {
        QTextOption proef;
        proef.setTabStopDistance(kProefTab);
        const QRectF ruim(0, 0, 1e6, 1e6);
        qreal metTab = schilder_.boundingRect(ruim, QStringLiteral("\tM"), proef).width();
        qreal zonder = schilder_.boundingRect(ruim, QStringLiteral("M"), proef).width();
        qreal schaal = (metTab - zonder) / kProefTab;
        return schaal > 0 ? schaal : 1;
    }

    QPainter& schilder_;
    QRectF vlak_;
    QTextOption optie_;
};

// The text of one page: the lines that fit, starting with what the previous
// page left over (`over`, when there is anything, is a line of its own even
// when empty). A form feed at the start of a line ends the page, unless the
// page is still empty.
QString VulPagina(const CPaginaMaat& maat, CRegels& regels, const std::optional<QString>& over) {
    QString pagina = over.value_or(QString());
    bool leeg = !over;
    qreal hoogte = maat.Hoogte(pagina);
    while (hoogte < maat.PaginaHoogte() && regels.Meer()) {
        QString regel = regels.Volgende();
        if (regel.startsWith(kPaginaEinde)) {
            if (!leeg) {
                QString rest = regel.mid(1);
                if (!rest.isEmpty() || regels.Meer()) {
                    regels.LegTerug(rest);
                }
                break;
            }
            while (regel.startsWith(kPaginaEinde)) {
                regel.remove(0, 1);
            }
        }
        if (!leeg) {
            pagina += QLatin1Char('\n');
        }
        pagina += regel;
        leeg = false;
        hoogte = maat.Hoogte(pagina);
    }
    return pagina;
}

} // namespace

QFont LijstLettertype(const std::string& familie, int32_t grootteTienden) {
    QString naam = NaarQString(familie);
    QFont lettertype = QFontDatabase::hasFamily(naam)
                           ? QFont(naam)
                           : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lettertype.setStyleHint(QFont::TypeWriter);
    lettertype.setWeight(QFont::Normal);
    lettertype.setItalic(false);
    lettertype.setUnderline(false);
    lettertype.setStrikeOut(false);
    lettertype.setPointSizeF((grootteTienden > 0 ? grootteTienden : kStandaardGrootte) / 10.0);
    return lettertype;
}

QFont LijstLettertype(const CSettings& settings) {
    return LijstLettertype(settings.Lettertype(), settings.LetterGrootte());
}

CPaginering LegPaginasUit(const std::string& tekst, QPainter& schilder,
                          const std::function<bool()>& volgendePagina) {
    CPaginering uit;
    CPaginaMaat maat(schilder);
    CRegels regels(NaarQString(tekst.substr(0, tekst.find('\0'))));
    std::optional<QString> over;
    while (regels.Meer() || over) {
        if (!uit.paginas.empty() && !volgendePagina()) {
            uit.afgebroken = true;
            break;
        }
        QString pagina = VulPagina(maat, regels, over);
        qsizetype deel = maat.Past(pagina) ? pagina.size() : maat.PassendDeel(pagina);
        maat.Teken(pagina.left(deel));
        uit.paginas.push_back(pagina.left(deel));
        over.reset();
        if (deel < pagina.size()) {
            over = pagina.mid(deel);
            // The page break takes the place of the line end where it falls.
            if (over->startsWith(QLatin1Char('\n'))) {
                over->remove(0, 1);
            }
        }
    }
    return uit;
}

int DrukPaginas(const std::string& tekst, const QFont& lettertype, QPagedPaintDevice& apparaat,
                const std::function<void()>& afbreken) {
    if (tekst.empty() || tekst[0] == '\0') {
        return 0;
    }
    QPainter schilder;
    if (!schilder.begin(&apparaat)) {
        return -1;
    }
    schilder.setFont(lettertype);
    schilder.setBackgroundMode(Qt::OpaqueMode);
    schilder.setBackground(Qt::white);
    CPaginering paginering =
        LegPaginasUit(tekst, schilder, [&apparaat] { return apparaat.newPage(); });
    if (paginering.afgebroken && afbreken) {
        afbreken();
    }
    schilder.end();
    return paginering.afgebroken ? -1 : static_cast<int>(paginering.paginas.size());
}

QString PdfVoorstel(const std::string& naam) {
    QString map = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (map.isEmpty() || !QFileInfo(map).isDir()) {
        map = QDir::homePath();
    }
    return QDir(map).filePath(NaarQString(BestandsNaamVan(naam)) + QStringLiteral(".pdf"));
}

void DrukAf(const std::string& tekst, const CSettings& settings, QWidget* ouder) {
    const std::string naam = AfdrukNaam(tekst, VandaagLokaal());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(NaarQString(naam));
    // The file for the PDF choice; a printer, when there is one, stays the first choice.
    printer.setOutputFileName(PdfVoorstel(naam));
    printer.setOutputFormat(QPrinter::NativeFormat);
    if (!VensterOpener().KiesPrinter(printer, ouder)) {
        return;
    }
    DrukPaginas(tekst, LijstLettertype(settings), printer, [&printer] { printer.abort(); });
}
