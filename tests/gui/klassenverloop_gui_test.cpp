// The class chart drawn with Qt: the PNG, SVG and PDF files at their size
// with the players' names and lines, the include file by its mode, and the
// window "Klassenverloop" with its list, printing and saving.

#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/codering.h"
#include "bediening.h"
#include "data/klassetekst.h"
#include "gui/grafiektekening.h"
#include "gui/klassenverloopdlg.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "melding_recorder.h"
#include "pdf_inhoud.h"
#include "publish/grafiekschrijver.h"
#include "publish/klassengrafiek.h"
#include "publish/klassenhistorie.h"
#include "rating/actieveformules.h"
#include "tijdelijke_map.h"
#include "vensterscript.h"
#include "voorbeeld.h"

#include <QCategoryAxis>
#include <QChartView>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSvgRenderer>
#include <QTest>
#include <QToolTip>
#include <QXmlStreamReader>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <regex>

namespace {

// The page size of a PDF file in points.
std::pair<double, double> MediaBox(const std::string& pdf) {
    std::smatch maat;
    if (!std::regex_search(pdf, maat, std::regex(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"))) {
        ADD_FAILURE() << "no MediaBox";
        return {0, 0};
    }
    return {std::stod(maat[1]), std::stod(maat[2])};
}

// The example competition in a folder of the test, with the drawing function installed.
class Grafiek : public CVoorbeeldTest {
protected:
    Grafiek() : CVoorbeeldTest(TekenGrafiekBestand) {}

    // The chart of the first eight, with a name outside ASCII among them.
    CKlassenGrafiek Voorbeeld() {
        CStandFormules formules = ActieveStandFormules(app->settings);
        CKlassenverloop verloop =
            BerekenKlassenverloop(app->competitie.spelers, app->competitie.rondes, formules);
        return MaakKlassenGrafiek(verloop, verloop.StandaardKeuze(), "Klassenverloop proef");
    }

    std::string Teken(EGrafiekFormaat formaat, int breedte, int hoogte) {
        std::string inhoud;
        EXPECT_TRUE(TekenGrafiekBestand(Voorbeeld(), formaat, breedte, hoogte, inhoud));
        return inhoud;
    }
};

TEST_F(Grafiek, PngOpDeGevraagdeMaatMetDeKleurenVanDeLijnen) {
    const CKlassenGrafiek grafiek = Voorbeeld();
    ASSERT_EQ(8u, grafiek.lijnen.size());
    for (auto [breedte, hoogte] : {std::pair{1200, 800}, std::pair{640, 900}}) {
        const std::string png = Teken(EGrafiekFormaat::Png, breedte, hoogte);
        QImage beeld;
        ASSERT_TRUE(
            beeld.loadFromData(QByteArray(png.data(), static_cast<qsizetype>(png.size())), "PNG"));
        EXPECT_EQ(QSize(breedte, hoogte), beeld.size());
        // Every line in its own colour: many pixels of exactly that colour.
        for (const CGrafiekLijn& lijn : grafiek.lijnen) {
            const QRgb kleur = 0xFF000000u | lijn.kleur;
            int aantal = 0;
            for (int y = 0; y < beeld.height(); ++y) {
                const auto* rij = reinterpret_cast<const QRgb*>(beeld.constScanLine(y));
                for (int x = 0; x < beeld.width(); ++x) {
                    aantal += (rij[x] | 0xFF000000u) == kleur;
                }
            }
            EXPECT_GT(aantal, 200) << lijn.naam << " at " << breedte << "x" << hoogte;
        }
        // A colour of no line is not there.
        EXPECT_EQ(QColor(Qt::white).rgb(), beeld.pixel(2, 2));
    }
}

TEST_F(Grafiek, SvgOpDeGevraagdeMaatMetDeNamenAlsTekst) {
    const std::string svg = Teken(EGrafiekFormaat::Svg, 900, 560);
    // Plain ASCII, so that no upload encoding can change it, and well-formed.
    EXPECT_EQ(svg.end(), std::find_if(svg.begin(), svg.end(), [](char c) {
                  return static_cast<unsigned char>(c) >= 0x80;
              }));
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    while (!xml.atEnd()) {
        xml.readNext();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(QRectF(0, 0, 900, 560), renderer.viewBoxF());
    // The size in millimetres at 96 pixels to the inch.
    std::smatch maat;
    ASSERT_TRUE(
        std::regex_search(svg, maat, std::regex(R"(width="([0-9.]+)mm" height="([0-9.]+)mm")")));
    EXPECT_NEAR(900, std::stod(maat[1]) * 96 / 25.4, 0.5);
    EXPECT_NEAR(560, std::stod(maat[2]) * 96 / 25.4, 0.5);
    for (const CGrafiekLijn& lijn : Voorbeeld().lijnen) {
        EXPECT_NE(std::string::npos,
                  svg.find(">" + AlleenAscii(Cp1252NaarUtf8(lijn.naam)) + "</text>"))
            << lijn.naam;
    }
    EXPECT_NE(std::string::npos, svg.find("Ren&#233;e Jansen"));
    EXPECT_NE(std::string::npos, svg.find(">3 dan, sterk</text>"));
    EXPECT_EQ("a&#233;&#8364;&#128512;b", AlleenAscii("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"
                                                      "b"));
}

TEST_F(Grafiek, PdfOpDeGevraagdeMaatMetDeNamenAlsTekst) {
    const std::string pdf = Teken(EGrafiekFormaat::Pdf, 1200, 800);
    SchrijfAlles(tmp.Bestand("grafiek.pdf"), pdf);
    EXPECT_EQ(1, PdfPaginas(tmp.Bestand("grafiek.pdf")));
    // 1200 x 800 pixels at 96 to the inch are 900 x 600 points.
    EXPECT_EQ((std::pair<double, double>{900, 600}), MediaBox(pdf));
    const std::string tekst = PdfTekst(tmp.Bestand("grafiek.pdf"));
    for (const CGrafiekLijn& lijn : Voorbeeld().lijnen) {
        EXPECT_NE(std::string::npos, tekst.find(Cp1252NaarUtf8(lijn.naam))) << lijn.naam;
    }
    EXPECT_NE(std::string::npos, tekst.find("Klassenverloop proef"));
    EXPECT_NE(std::string::npos, tekst.find("1 kyu, sterk"));
}

TEST_F(Grafiek, HetInvoegbestandVolgensZijnModus) {
    const std::string pad = tmp.Bestand("Voorjaar/klassenverloop.svg");
    app->settings.SetHtmlKlassenverloop(0);
    SchrijfRondeHtml(*app);
    EXPECT_FALSE(std::filesystem::exists(pad));
    // "html --alle" writes the three fragments, not the chart.
    SchrijfRondeHtml(*app, true);
    EXPECT_FALSE(std::filesystem::exists(pad));

    app->settings.SetHtmlKlassenverloop(1);
    SchrijfRondeHtml(*app);
    ASSERT_TRUE(std::filesystem::exists(pad));
    EXPECT_FALSE(app->uploadNodig.Nodig(HtmlBestand::Klassenverloop));
    const std::string svg = LeesAlles(pad);
    EXPECT_EQ(0u, svg.find("<?xml"));
    EXPECT_NE(std::string::npos, svg.find("Klassenverloop Voorjaar, "));
    for (const CGrafiekLijn& lijn : Voorbeeld().lijnen) {
        EXPECT_NE(std::string::npos, svg.find(AlleenAscii(Cp1252NaarUtf8(lijn.naam))));
    }
    EXPECT_NE(std::string::npos, svg.find("viewBox=\"0 0 900 560\""));

    app->settings.SetHtmlKlassenverloop(2);
    std::filesystem::remove(pad);
    SchrijfRondeHtml(*app);
    EXPECT_TRUE(std::filesystem::exists(pad));
    EXPECT_TRUE(app->uploadNodig.Nodig(HtmlBestand::Klassenverloop));
    EXPECT_EQ("klassenverloop.svg", std::string(HtmlBestandsNaam(HtmlBestand::Klassenverloop)));

    // Without a drawing function the old file stays and the reason is told.
    ZetGrafiekTekenaar(nullptr);
    SchrijfAlles(pad, "oud");
    recorder.Verwacht("Een grafiek tekenen kan in deze uitvoering van het programma niet.");
    SchrijfKlassenverloopSvg(*app);
    EXPECT_EQ("oud", LeesAlles(pad));
}

class KlassenverloopDlg : public Grafiek {
protected:
    void Toon(const std::string& csv = "") {
        venster = std::make_unique<CKlassenverloopDlg>(*app, csv);
        ToonActief(*venster);
        lijst = Kind<CMultiLineListBox>(*venster, "spelers");
        view = Kind<QChartView>(*venster, "grafiek");
    }

    std::vector<QLineSeries*> Lijnen() const {
        std::vector<QLineSeries*> lijnen;
        for (QAbstractSeries* serie : view->chart()->series()) {
            if (serie->type() == QAbstractSeries::SeriesTypeLine) {
                lijnen.push_back(static_cast<QLineSeries*>(serie));
            }
        }
        return lijnen;
    }

    std::unique_ptr<CKlassenverloopDlg> venster;
    CMultiLineListBox* lijst = nullptr;
    QChartView* view = nullptr;
};

TEST_F(KlassenverloopDlg, DeGrafiekVanHetModelMetZijnAssenEnLegenda) {
    Toon();
    EXPECT_EQ("Morvel Competitie Beheer / Klassenverloop", venster->windowTitle().toStdString());
    const CKlassenGrafiek& grafiek = venster->Model().Grafiek();
    ASSERT_EQ(8u, Lijnen().size());
    for (size_t l = 0; l < grafiek.lijnen.size(); ++l) {
        QLineSeries* serie = Lijnen()[l];
        EXPECT_EQ(Cp1252NaarUtf8(grafiek.lijnen[l].naam), serie->name().toStdString());
        EXPECT_EQ(QColor::fromRgb(grafiek.lijnen[l].kleur), serie->pen().color());
        ASSERT_EQ(4, serie->count());
        for (int r = 0; r < serie->count(); ++r) {
            EXPECT_EQ(QPointF(r + 1, grafiek.lijnen[l].klassen[static_cast<size_t>(r)] / 10.0),
                      serie->at(r));
        }
    }
    int zichtbaar = 0;
    for (QLegendMarker* teken : view->chart()->legend()->markers()) {
        zichtbaar += teken->isVisible();
    }
    EXPECT_EQ(8, zichtbaar); // the points have no entry of their own

    auto* klassen = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Vertical).front());
    ASSERT_NE(nullptr, klassen);
    EXPECT_TRUE(klassen->isReverse()); // the strongest at the top
    EXPECT_DOUBLE_EQ(grafiek.boven / 10.0, klassen->min());
    EXPECT_DOUBLE_EQ(grafiek.onder / 10.0, klassen->max());
    // Room for every whole class: each with its grade.
    QStringList labels;
    for (const auto& [klasse, tekst] : grafiek.klasseLabels) {
        labels << QString::fromStdString(tekst);
        EXPECT_DOUBLE_EQ(klasse / 10.0, klassen->endValue(QString::fromStdString(tekst)));
    }
    EXPECT_EQ(labels, klassen->categoriesLabels());
    auto* rondes = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Horizontal).front());
    ASSERT_NE(nullptr, rondes);
    EXPECT_EQ((QStringList{"3 maart", "10 maart", "17 maart", "24 maart"}),
              rondes->categoriesLabels());
    EXPECT_EQ("8 van de 12 spelers in de grafiek, 4 rondes.",
              Kind<QLabel>(*venster, "status")->text().toStdString());
}

// Labels that would not fit are left out rather than cut to "...": a small
// window shows every n-th class, each with room for its text.
TEST_F(KlassenverloopDlg, EenKleinVensterToontMinderKlassen) {
    Toon();
    Mnemonic(Qt::Key_L); // every player: more classes
    auto* klassen = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Vertical).front());
    const qsizetype groot = klassen->categoriesLabels().size();
    venster->resize(760, 420);
    QTest::qWait(100);
    const qsizetype klein = klassen->categoriesLabels().size();
    EXPECT_LT(klein, groot);
    EXPECT_GE(klein, 2);
    EXPECT_LE(klein * 24, view->chart()->plotArea().height() + 24);
    for (const QString& label : klassen->categoriesLabels()) {
        const auto klasse = static_cast<int32_t>(qRound(klassen->endValue(label) * 10));
        EXPECT_EQ(KlasseTekst(klasse), VanQString(label));
    }
    venster->resize(1100, 700);
    QTest::qWait(100);
    EXPECT_EQ(groot, klassen->categoriesLabels().size());
}

// So do the rounds along the bottom: at the window's smallest size every
// label shown has the room of the widest one, and the first is always there.
TEST_F(KlassenverloopDlg, EenSmalVensterToontMinderRondesHeel) {
    Toon();
    auto* rondes = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Horizontal).front());
    venster->resize(venster->minimumSizeHint());
    QTest::qWait(100);
    const QStringList labels = rondes->categoriesLabels();
    EXPECT_EQ(QString("3 maart"), labels.front());
    const QFontMetricsF maat(rondes->labelsFont());
    qreal breedste = 0;
    for (const QString& label : labels) {
        breedste = std::max(breedste, maat.horizontalAdvance(label));
    }
    ASSERT_GE(labels.size(), 2);
    const qreal perRonde = view->chart()->plotArea().width() / 4; // four rounds
    const qreal stap = rondes->endValue(labels[1]) - rondes->endValue(labels[0]);
    EXPECT_GE(stap * perRonde, breedste) << labels.join(", ").toStdString();
}

TEST_F(KlassenverloopDlg, SpelersKiezenMetLijstZoekenEnKnoppen) {
    Toon();
    EXPECT_EQ(LabelVelden(*venster)["&Zoek:"], "zoek");
    auto zoek = [this] { return Kind<QLineEdit>(*venster, "zoek"); };
    EXPECT_EQ(zoek(), QApplication::focusWidget());
    EXPECT_EQ(12, lijst->AantalRegels());
    EXPECT_EQ("X", lijst->Tekst(0, 0).toStdString());
    EXPECT_EQ("", lijst->Tekst(11, 0).toStdString());

    // Enter on a row takes his line away; a double click puts it back.
    lijst->setFocus();
    lijst->Selecteer(0);
    Toets(Qt::Key_Return);
    EXPECT_EQ(7u, Lijnen().size());
    EXPECT_EQ("", lijst->Tekst(0, 0).toStdString());

    // Typing in "Zoek:" finds a player, Enter there shows him.
    zoek()->setFocus();
    QTest::keyClicks(zoek(), "luc");
    ASSERT_GE(lijst->Selectie(), 0);
    EXPECT_EQ("Lucas Brouwer", lijst->Tekst(lijst->Selectie(), 1).toStdString());
    Toets(Qt::Key_Return);
    EXPECT_EQ(8u, Lijnen().size());
    EXPECT_TRUE(venster->isVisible()); // Enter closes nothing

    // A name put in through the accessibility interface finds him as well.
    ZetViaToegang(zoek(), "anneke");
    ASSERT_GE(lijst->Selectie(), 0);
    EXPECT_EQ("Anneke de Wit", lijst->Tekst(lijst->Selectie(), 1).toStdString());

    Mnemonic(Qt::Key_L); // "A&lle spelers"
    EXPECT_EQ(12u, Lijnen().size());
    Mnemonic(Qt::Key_G); // "&Geen"
    EXPECT_EQ(0u, Lijnen().size());
    EXPECT_FALSE(Kind<QPushButton>(*venster, "spreadsheet")->isEnabled());
}

TEST_F(KlassenverloopDlg, EenPuntToontRondeSpelerEnKlasse) {
    Toon();
    QScatterSeries* punten = nullptr;
    for (QAbstractSeries* serie : view->chart()->series()) {
        if (serie->type() == QAbstractSeries::SeriesTypeScatter) {
            punten = static_cast<QScatterSeries*>(serie);
            break;
        }
    }
    ASSERT_NE(nullptr, punten);
    ASSERT_GT(punten->count(), 1);
    const QPointF punt = punten->at(1);
    emit punten->hovered(punt, true);
    const CKlassenGrafiek& grafiek = venster->Model().Grafiek();
    const std::string verwacht = grafiek.PuntTekst(0, static_cast<size_t>(qRound(punt.x()) - 1));
    EXPECT_EQ(Cp1252NaarUtf8(verwacht), QToolTip::text().toStdString());
    EXPECT_NE(std::string::npos, verwacht.find(grafiek.lijnen[0].naam));
    EXPECT_NE(std::string::npos, verwacht.find("Ronde '"));
    // Once the mouse rests the view asks its scene for a tooltip, which must
    // not take the point's text away.
    const QPoint plek = view->mapFromScene(view->chart()->mapToPosition(punt, punten));
    QHelpEvent rust(QEvent::ToolTip, plek, view->viewport()->mapToGlobal(plek));
    QApplication::sendEvent(view->viewport(), &rust);
    QTest::qWait(400);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(Cp1252NaarUtf8(verwacht), QToolTip::text().toStdString());
    emit punten->hovered(punt, false);
    EXPECT_TRUE(view->chart()->toolTip().isEmpty());
}

TEST_F(KlassenverloopDlg, AfdrukkenLiggendMetTitelEnOpslaan) {
    Toon(tmp.Bestand("Voorjaar/voorjaar2025.csv"));
    EXPECT_TRUE(Kind<QPushButton>(*venster, "spreadsheet")->isEnabled());
    const std::string pdf = tmp.Bestand("afdruk.pdf");
    {
        CVensterScript script;
        script.VerwachtPrinter(QString::fromStdString(pdf));
        Mnemonic(Qt::Key_A);
        EXPECT_EQ(QString::fromStdString(Cp1252NaarUtf8(venster->Model().Grafiek().titel)),
                  script.documentNamen.value(0));
    }
    EXPECT_EQ(1, PdfPaginas(pdf));
    const auto [breedte, hoogte] = MediaBox(LeesAlles(pdf));
    EXPECT_GT(breedte, hoogte); // landscape
    const std::string tekst = PdfTekst(pdf);
    EXPECT_NE(std::string::npos, tekst.find("Klassenverloop Voorjaar, "));
    EXPECT_NE(std::string::npos,
              tekst.find(Cp1252NaarUtf8(venster->Model().Grafiek().lijnen[0].naam)));
    {
        CVensterScript script;
        script.VerwachtPrinter(QString()); // cancelled: nothing printed
        Mnemonic(Qt::Key_A);
    }

    const std::string svg = tmp.Bestand("Voorjaar/grafiek.svg");
    {
        CVensterScript script;
        script.VerwachtBestand(QString::fromStdString(svg));
        Mnemonic(Qt::Key_O);
        EXPECT_EQ("Grafiek opslaan", script.bestandTitels.value(0).toStdString());
    }
    EXPECT_NE(std::string::npos, LeesAlles(svg).find(venster->Model().Grafiek().lijnen[0].naam));
    {
        CVensterScript script;
        script.VerwachtBestand(QString()); // cancelled
        Mnemonic(Qt::Key_O);
    }
}

} // namespace
