#include "gui/grafiektekening.h"

#include "gui/afdrukken.h"
#include "gui/qttekst.h"
#include "gui/vensteropener.h"
#include "gui/zonderscherm.h"
#include "publish/klassengrafiek.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <memory>

namespace {

constexpr qreal kLijnDikte = 2.5;
constexpr qreal kPuntGrootte = 7;
constexpr size_t kRechtopVanaf = 9; // rounds from which their labels stand upright
constexpr int kDpi = 96;

QColor Kleur(uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

Qt::PenStyle Streep(int streep) {
    return streep == 1 ? Qt::DashLine : streep == 2 ? Qt::DotLine : Qt::SolidLine;
}

// A label's room across its axis, in pixels: so many fit along an axis.
constexpr qreal kLabelRuimte = 24;

size_t Passend(qreal lengte, qreal ruimte = kLabelRuimte) {
    return static_cast<size_t>(std::max(2.0, lengte / ruimte));
}

// The room of a round's label along a horizontal axis: the widest whole,
// so that none is cut to "...".
qreal RondeRuimte(const CKlassenGrafiek& grafiek, const QFont& letter) {
    const QFontMetricsF maat(letter);
    qreal ruimte = kLabelRuimte;
    for (const std::string& ronde : grafiek.rondeLabels) {
        ruimte =
            std::max(ruimte, maat.horizontalAdvance(NaarQString(ronde)) + maat.averageCharWidth());
    }
    return ruimte;
}

void Leeg(QCategoryAxis& as) {
    const QStringList labels = as.categoriesLabels();
    for (const QString& label : labels) {
        as.remove(label);
    }
}

// x: the rounds, each at its number from 1, with `hoogstens` labels at most.
void VulRondeAs(QCategoryAxis& as, const CKlassenGrafiek& grafiek, size_t hoogstens) {
    Leeg(as);
    const std::vector<std::string> labels = grafiek.RondeLabels(hoogstens);
    for (size_t r = 0; r < labels.size(); ++r) {
        if (!labels[r].empty()) {
            as.append(NaarQString(labels[r]), static_cast<qreal>(r + 1));
        }
    }
}

// y: the classes in whole classes, the strongest at the top.
void VulKlasseAs(QCategoryAxis& as, const CKlassenGrafiek& grafiek, size_t hoogstens) {
    Leeg(as);
    for (const auto& [klasse, tekst] : grafiek.KlasseLabels(hoogstens)) {
        as.append(NaarQString(tekst), klasse / 10.0);
    }
}

QCategoryAxis* MaakAs(const char* titel, qreal van, qreal tot) {
    auto* as = new QCategoryAxis;
    as->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    as->setRange(van, tot);
    as->setStartValue(van);
    as->setTitleText(QString::fromUtf8(titel));
    return as;
}

} // namespace

QChart* MaakQtGrafiek(const CKlassenGrafiek& grafiek, const PuntMelding& melding) {
    auto* chart = new QChart;
    chart->setTitle(NaarQString(grafiek.titel));
    QFont titelLetter = chart->titleFont();
    titelLetter.setBold(true);
    titelLetter.setPointSizeF(titelLetter.pointSizeF() * 1.3);
    chart->setTitleFont(titelLetter);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setBackgroundRoundness(0);
    const size_t rondes = grafiek.rondes.size();
    QCategoryAxis* x = MaakAs("Ronde", 0.5, static_cast<qreal>(std::max<size_t>(rondes, 1)) + 0.5);
    if (rondes >= kRechtopVanaf) {
        x->setLabelsAngle(-90);
    }
    QCategoryAxis* y = MaakAs("Klasse", grafiek.boven / 10.0, grafiek.onder / 10.0);
    y->setReverse(true);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    // As many labels as the plot has room for, again whenever its size changes.
    auto labels = std::make_shared<CKlassenGrafiek>(grafiek);
    auto ruimte = std::make_shared<std::pair<size_t, size_t>>(0, 0);
    const qreal rondeRuimte =
        rondes >= kRechtopVanaf ? kLabelRuimte : RondeRuimte(grafiek, x->labelsFont());
    auto pas = [labels, ruimte, x, y, rondeRuimte](const QRectF& vlak) {
        const std::pair<size_t, size_t> nieuw{Passend(vlak.width(), rondeRuimte),
                                              Passend(vlak.height())};
        if (nieuw.first != ruimte->first) {
            VulRondeAs(*x, *labels, nieuw.first);
        }
        if (nieuw.second != ruimte->second) {
            VulKlasseAs(*y, *labels, nieuw.second);
        }
        *ruimte = nieuw;
    };
    pas(QRectF(0, 0, 1000, 600));
    QObject::connect(chart, &QChart::plotAreaChanged, chart, pas);
    for (size_t l = 0; l < grafiek.lijnen.size(); ++l) {
        const CGrafiekLijn& lijn = grafiek.lijnen[l];
        const QColor kleur = Kleur(lijn.kleur);
        auto* lijnSerie = new QLineSeries;
        lijnSerie->setName(NaarQString(lijn.naam));
        QPen pen(kleur, kLijnDikte, Streep(lijn.streep));
        pen.setCapStyle(Qt::FlatCap);
        lijnSerie->setPen(pen);
        auto* punten = new QScatterSeries;
        punten->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        punten->setMarkerSize(kPuntGrootte);
        punten->setColor(kleur);
        punten->setBorderColor(kleur);
        for (size_t r = 0; r < lijn.klassen.size(); ++r) {
            const QPointF punt(static_cast<qreal>(r + 1), lijn.klassen[r] / 10.0);
            lijnSerie->append(punt);
            if (lijn.punten[r]) {
                punten->append(punt);
            }
        }
        chart->addSeries(lijnSerie);
        chart->addSeries(punten);
        for (QAbstractSeries* serie :
             {static_cast<QAbstractSeries*>(lijnSerie), static_cast<QAbstractSeries*>(punten)}) {
            serie->attachAxis(x);
            serie->attachAxis(y);
        }
        for (QLegendMarker* teken : chart->legend()->markers(punten)) {
            teken->setVisible(false);
        }
        if (melding) {
            QObject::connect(punten, &QScatterSeries::hovered, punten,
                             [melding, l](const QPointF& punt, bool aan) {
                                 const qint64 ronde = qRound64(punt.x()) - 1;
                                 if (ronde >= 0) {
                                     melding(l, static_cast<size_t>(ronde), aan);
                                 }
                             });
        }
    }
    return chart;
}

bool TekenGrafiekOp(const CKlassenGrafiek& grafiek, QPaintDevice& apparaat, const QRectF& doel) {
    QPainter schilder;
    if (!schilder.begin(&apparaat)) {
        return false;
    }
    schilder.setRenderHint(QPainter::Antialiasing);
    QGraphicsScene scene;
    QChart* chart = MaakQtGrafiek(grafiek);
    scene.addItem(chart); // the scene owns it from here
    const QRectF vlak(QPointF(0, 0), doel.size());
    chart->setGeometry(vlak);
    scene.setSceneRect(vlak);
    // The layout runs on posted requests: the axes fill their labels for the
    // plot area it gives, which may ask for one more round.
    for (int ronde = 0; ronde < 3; ++ronde) {
        QCoreApplication::sendPostedEvents(chart, QEvent::LayoutRequest);
    }
    scene.render(&schilder, doel, vlak);
    return schilder.end();
}

void DrukGrafiekAf(const CKlassenGrafiek& grafiek, QWidget* ouder) {
    // At the resolution of the layout, so that text is as large as it was laid out.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(NaarQString(grafiek.titel));
    printer.setOutputFileName(PdfVoorstel(grafiek.titel));
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!VensterOpener().KiesPrinter(printer, ouder)) {
        return;
    }
    TekenGrafiekOp(grafiek, printer, QRectF(0, 0, printer.width(), printer.height()));
}

std::string AlleenAscii(const std::string& utf8) {
    const QString tekst = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string uit;
    uit.reserve(utf8.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        char32_t c = tekst[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(tekst[i], tekst[i + 1]);
            ++i;
        }
        if (c < 0x80) {
            uit += static_cast<char>(c);
        } else {
            uit += "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
        }
    }
    return uit;
}

bool TekenGrafiekBestand(const CKlassenGrafiek& grafiek, EGrafiekFormaat formaat, int breedte,
                         int hoogte, std::string& inhoud) {
    if (breedte < 1 || hoogte < 1) {
        return false;
    }
    CZonderScherm qt;
    const QRectF vlak(0, 0, breedte, hoogte);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString titel = NaarQString(grafiek.titel);
    switch (formaat) {
    case EGrafiekFormaat::Png: {
        QImage beeld(breedte, hoogte, QImage::Format_ARGB32);
        if (beeld.isNull()) {
            return false;
        }
        beeld.fill(Qt::white);
        beeld.setDotsPerMeterX(qRound(kDpi / 0.0254));
        beeld.setDotsPerMeterY(qRound(kDpi / 0.0254));
        beeld.setText(QStringLiteral("Title"), titel);
        if (!TekenGrafiekOp(grafiek, beeld, vlak) || !beeld.save(&buffer, "PNG")) {
            return false;
        }
        break;
    }
    case EGrafiekFormaat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(breedte, hoogte));
        svg.setViewBox(vlak);
        svg.setResolution(kDpi);
        svg.setTitle(titel);
        if (!TekenGrafiekOp(grafiek, svg, vlak)) {
            return false;
        }
        break;
    }
    case EGrafiekFormaat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Morvel"));
        pdf.setResolution(kDpi);
        pdf.setPageSize(QPageSize(QSizeF(breedte * 72.0 / kDpi, hoogte * 72.0 / kDpi),
                                  QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!TekenGrafiekOp(grafiek, pdf, vlak)) {
            return false;
        }
        break;
    }
    }
    buffer.close();
    inhoud.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (formaat == EGrafiekFormaat::Svg) {
        inhoud = AlleenAscii(inhoud);
    }
    return true;
}
