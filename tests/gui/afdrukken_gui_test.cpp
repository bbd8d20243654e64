// Printing a listing: pages, page breaks, wrapping and tabs, laid out on
// images of a known size and printed into PDF files.

#include "gui/afdrukken.h"
#include "gui/vensteropener.h"
#include "melding_recorder.h"
#include "omgeving.h"
#include "pdf_inhoud.h"
#include "settings/settings.h"
#include "tijdelijke_map.h"
#include "vensterscript.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace {

constexpr int kSchermDpi = 96;
constexpr int kPrinterDpi = 1200;

QImage LeegBeeld(int breedte, int hoogte, int dpi = kSchermDpi) {
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    beeld.setDotsPerMeterX(qRound(dpi / 0.0254));
    beeld.setDotsPerMeterY(qRound(dpi / 0.0254));
    beeld.fill(Qt::white);
    return beeld;
}

// Pages of a given number of lines and columns of the listing font on an
// image of the screen's or a printer's resolution; every page drawn is kept
// as an image.
class Pagina : public ::testing::Test {
protected:
    void Maak(int kolommen, int regels, int32_t grootte = 120, int dpi = kSchermDpi) {
        lettertype = LijstLettertype("DejaVu Sans Mono", grootte);
        QImage proef = LeegBeeld(10, 10, dpi);
        QFontMetricsF maat(lettertype, &proef);
        teken = maat.horizontalAdvance(QLatin1Char('M'));
        QPainter schilder(&proef);
        schilder.setFont(lettertype);
        auto hoogte = [&](int n) {
            QString tekst = QStringLiteral("M");
            for (int i = 1; i < n; ++i) {
                tekst += QStringLiteral("\nM");
            }
            return schilder.boundingRect(QRectF(0, 0, 1e4, 1e4), Qt::TextWordWrap, tekst).height();
        };
        regelHoogte = hoogte(1);
        int paginaHoogte = static_cast<int>(std::ceil(hoogte(regels)));
        ASSERT_LT(paginaHoogte, hoogte(regels + 1));
        beeld =
            LeegBeeld(static_cast<int>(std::ceil(teken * kolommen + teken / 2)), paginaHoogte, dpi);
    }

    std::vector<QString> LegUit(const std::string& tekst) {
        beelden.clear();
        beeld.fill(Qt::white);
        QPainter schilder(&beeld);
        schilder.setFont(lettertype);
        CPaginering paginering = LegPaginasUit(tekst, schilder, [&] {
            beelden.push_back(beeld.copy());
            beeld.fill(Qt::white);
            return true;
        });
        schilder.end();
        if (!paginering.paginas.empty()) {
            beelden.push_back(beeld.copy());
        }
        EXPECT_FALSE(paginering.afgebroken);
        EXPECT_EQ(paginering.paginas.size(), beelden.size());
        return paginering.paginas;
    }

    // The first column of the page image, from `vanaf` on, that holds ink
    // in the band of visual line `regel`; -1 when there is none.
    int EersteInkt(const QImage& pagina, int regel, qreal vanaf) const {
        int boven = static_cast<int>(regel * regelHoogte);
        int onder = std::min(pagina.height(), static_cast<int>((regel + 1) * regelHoogte));
        for (int x = static_cast<int>(std::ceil(vanaf)); x < pagina.width(); ++x) {
            for (int y = boven; y < onder; ++y) {
                if (qGray(pagina.pixel(x, y)) < 128) {
                    return x;
                }
            }
        }
        return -1;
    }

    QFont lettertype;
    qreal teken = 0; // the advance of one character
    qreal regelHoogte = 0;
    QImage beeld;
    std::vector<QImage> beelden;
};

TEST_F(Pagina, AnEmptyTextPrintsNoPage) {
    Maak(40, 5);
    EXPECT_TRUE(LegUit("").empty());
    EXPECT_TRUE(LegUit(std::string("\0tail", 5)).empty()); // the text ends at a NUL

    CTijdelijkeMap map;
    QPdfWriter pdf(QString::fromStdString(map.Bestand("leeg.pdf")));
    EXPECT_EQ(0, DrukPaginas("", lettertype, pdf));
    EXPECT_FALSE(std::filesystem::exists(map.Bestand("leeg.pdf")));
}

TEST_F(Pagina, ATextThatFitsPrintsOnePage) {
    Maak(40, 5);
    std::vector<QString> paginas = LegUit("een\ntwee\n\tdrie\nvier\nvijf\n");
    ASSERT_EQ(1u, paginas.size());
    EXPECT_EQ("een\ntwee\n\tdrie\nvier\nvijf", paginas[0]);
    // Empty lines count as lines.
    EXPECT_EQ(std::vector<QString>{"\n\nen\n\n"}, LegUit("\n\nen\n\n\n"));
}

TEST_F(Pagina, ALongerTextContinuesWithTheFirstLineThatDidNotFit) {
    Maak(40, 5);
    std::vector<QString> paginas = LegUit("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n");
    EXPECT_EQ((std::vector<QString>{"1\n2\n3\n4\n5", "6\n7\n8\n9\n10", "11\n12"}), paginas);
    // A page that starts with an empty line keeps it.
    paginas = LegUit("1\n2\n3\n4\n5\n\n7\n");
    EXPECT_EQ((std::vector<QString>{"1\n2\n3\n4\n5", "\n7"}), paginas);
}

TEST_F(Pagina, ALineThatDoesNotFitWhollyContinuesOnTheNextPage) {
    Maak(20, 3);
    const QString lang = QStringLiteral("alfa beta gamma delta epsilon zeta eta theta");
    std::vector<QString> paginas = LegUit("een\ntwee\n" + lang.toStdString() + "\nnegen\n");
    ASSERT_EQ(2u, paginas.size());
    ASSERT_TRUE(paginas[0].startsWith("een\ntwee\n")) << paginas[0].toStdString();
    QString deel = paginas[0].mid(9);
    EXPECT_FALSE(deel.isEmpty());
    EXPECT_LE(deel.trimmed().size(), 20); // one printed line of the page width
    EXPECT_TRUE(lang.startsWith(deel));
    // Nothing is lost or doubled, and the next line follows on its own line.
    EXPECT_EQ(lang.mid(deel.size()) + "\nnegen", paginas[1]);
}

TEST_F(Pagina, ALongLineWrapsAtABlank) {
    Maak(5, 2);
    // Three printed lines of which two fit: the page ends after a whole word.
    EXPECT_EQ((std::vector<QString>{"AAAA BBBB ", "CCCC"}), LegUit("AAAA BBBB CCCC\n"));

    // What is drawn: "BBBB" at the start of the second printed line.
    LegUit("AAAA BBBB\n");
    ASSERT_EQ(1u, beelden.size());
    EXPECT_LT(EersteInkt(beelden[0], 1, 0), teken);
    EXPECT_EQ(-1, EersteInkt(beelden[0], 0, teken * 4.5));
}

TEST_F(Pagina, AFormFeedAtTheStartOfALineBeginsANewPage) {
    Maak(40, 5);
    struct CGeval {
        const char* tekst;
        std::vector<QString> paginas;
    } gevallen[] = {
        {"a\nb\n\fc\nd\n", {"a\nb", "c\nd"}},
        {"a\n\fb\n\fc", {"a", "b", "c"}},
        // The rest of the line with the form feed is the new page's first line.
        {"a\n\f\nb", {"a", "\nb"}},
        // A page that is still empty is not ended: no blank pages.
        {"\fa\nb", {"a\nb"}},
        {"a\n\f\f\nb", {"a", "\nb"}},
        {"a\n\f", {"a"}},
        // Elsewhere in a line a form feed is just a character.
        {"a\fb\nc", {"a\fb\nc"}},
    };
    for (const CGeval& geval : gevallen) {
        EXPECT_EQ(geval.paginas, LegUit(geval.tekst)) << geval.tekst;
    }
}

TEST_F(Pagina, ATabAdvancesToTheNextStopOfEightCharacters) {
    struct CGeval {
        const char* tekst;
        int voor;  // characters before the tab
        int kolom; // where the X is drawn
    } gevallen[] = {
        {"\tX", 0, 8},          {"ABC\tX", 3, 8},   {"ABCDEFG\tX", 7, 8},
        {"ABCDEFGH\tX", 8, 16}, {"A\tB\tX", 9, 16},
    };
    // On the screen at 24 points and on a printer at 12 points.
    for (auto [grootte, dpi] : {std::pair{240, kSchermDpi}, std::pair{120, kPrinterDpi}}) {
        Maak(20, 2, grootte, dpi);
        for (const CGeval& geval : gevallen) {
            LegUit(geval.tekst);
            ASSERT_EQ(1u, beelden.size()) << geval.tekst << " at " << dpi << " dpi";
            int x = EersteInkt(beelden[0], 0, teken * geval.voor + teken * 0.9);
            EXPECT_NEAR(teken * geval.kolom, x, teken / 4)
                << geval.tekst << " at " << dpi << " dpi";
        }
        // A tab on its own draws nothing before the text after it.
        LegUit("\tX");
        EXPECT_GT(EersteInkt(beelden[0], 0, 0), teken * 7.5);
    }
}

TEST(Lettertype, TheSettingsFontOrTheSystemsMonospacedOne) {
    QFont lettertype = LijstLettertype("DejaVu Sans Mono", 95);
    EXPECT_EQ("DejaVu Sans Mono", QFontInfo(lettertype).family());
    EXPECT_DOUBLE_EQ(9.5, lettertype.pointSizeF());
    EXPECT_FALSE(lettertype.bold() || lettertype.italic() || lettertype.underline() ||
                 lettertype.strikeOut());

    for (const char* familie : {"Courier New", "Geen Lettertype Zo"}) {
        if (QFontDatabase::hasFamily(familie)) {
            continue;
        }
        lettertype = LijstLettertype(familie, 120);
        // Monospaced by its letters' widths: some monospaced fonts (Noto Sans
        // Mono) do not declare themselves so to fontconfig.
        const QFontMetricsF maat(lettertype);
        EXPECT_DOUBLE_EQ(maat.horizontalAdvance(QLatin1Char('i')),
                         maat.horizontalAdvance(QLatin1Char('M')))
            << familie;
        EXPECT_EQ(QFontDatabase::systemFont(QFontDatabase::FixedFont).family(), lettertype.family())
            << familie;
        EXPECT_DOUBLE_EQ(12, lettertype.pointSizeF());
    }
    // A size that is no size gives the default.
    EXPECT_DOUBLE_EQ(12, LijstLettertype("DejaVu Sans Mono", 0).pointSizeF());
}

TEST(Lettertype, TheSizeIsInPointsOnThePrinter) {
    CTijdelijkeMap map;
    QPdfWriter pdf(QString::fromStdString(map.Bestand("maat.pdf")));
    pdf.setResolution(1200);
    QImage beeld = LeegBeeld(10, 10);
    QFont lettertype = LijstLettertype("DejaVu Sans Mono", 120);
    double verhouding =
        QFontMetricsF(lettertype, &pdf).height() / QFontMetricsF(lettertype, &beeld).height();
    EXPECT_NEAR(1200.0 / 96.0, verhouding, 0.4);
}

// The number of lines per page of A4 in the listing font, from the PDF writer.
class PdfAfdruk : public ::testing::Test {
protected:
    static std::string Regels(int aantal) {
        std::string tekst;
        for (int i = 1; i <= aantal; ++i) {
            tekst += "regel " + std::to_string(i) + "\n";
        }
        return tekst;
    }

    // Checks that the pages of the PDF hold the lines 1 to `aantal` in order,
    // each page going on where the previous one ended.
    void VerwachtRegels(int paginas, int aantal) {
        int volgende = 1;
        for (int p = 1; p <= paginas; ++p) {
            std::vector<std::string> regels = GevuldeRegels(PdfTekst(pad, p, p));
            ASSERT_FALSE(regels.empty()) << "page " << p;
            for (const std::string& regel : regels) {
                EXPECT_EQ("regel " + std::to_string(volgende), regel) << "page " << p;
                ++volgende;
            }
        }
        EXPECT_EQ(aantal + 1, volgende);
    }

    CTijdelijkeMap map;
    std::string pad = map.Bestand("lijst.pdf");
    QFont lettertype = LijstLettertype("DejaVu Sans Mono", 120);
};

TEST_F(PdfAfdruk, PagesOfAPdfFile) {
    int paginas = 0;
    {
        QPdfWriter pdf(QString::fromStdString(pad));
        paginas = DrukPaginas(Regels(150), lettertype, pdf);
    }
    // 12 points: 58 lines on the printable part of A4.
    EXPECT_EQ(3, paginas);
    EXPECT_EQ(3, PdfPaginas(pad));
    VerwachtRegels(3, 150);

    QPdfWriter onschrijfbaar(QString::fromStdString(map.Bestand("geen/map/lijst.pdf")));
    EXPECT_EQ(-1, DrukPaginas(Regels(3), lettertype, onschrijfbaar));
}

TEST_F(PdfAfdruk, ThePrintCommandAsksForThePrinterAndPrints) {
    CMeldingRecorder recorder;
    SchrijfAlles(map.Bestand("morvel.ini"), Fixture("settings/compleet.ini"));
    CSettings settings(map.Bestand("morvel.ini"));
    settings.SetLettertype("DejaVu Sans Mono");
    settings.SetLetterGrootte(60);
    {
        CVensterScript script;
        script.VerwachtPrinter(QString::fromStdString(pad));
        DrukAf(Regels(100), settings, nullptr);
        EXPECT_EQ(QStringList{"Overzicht"}, script.documentNamen); // lines without a head
    }
    // 6 points from the settings: everything on one page.
    EXPECT_EQ(1, PdfPaginas(pad));
    VerwachtRegels(1, 100);

    std::filesystem::remove(pad);
    {
        CVensterScript script;
        script.VerwachtPrinter(QString());
        DrukAf(Regels(100), settings, nullptr);
    }
    EXPECT_FALSE(std::filesystem::exists(pad));
}

// The print dialog offers a Dutch file name after the listing, in the
// documents folder, or in the home folder when there is none.
TEST_F(PdfAfdruk, DePrintDialoogSteltEenNaamInDeDocumentenmapVoor) {
    CMeldingRecorder recorder;
    SchrijfAlles(map.Bestand("morvel.ini"), Fixture("settings/compleet.ini"));
    CSettings settings(map.Bestand("morvel.ini"));
    COmgeving thuis("HOME", map.Pad().c_str());
    COmgeving config("XDG_CONFIG_HOME", nullptr);
    std::filesystem::create_directory(map.Bestand("Documents"));
    const std::string stand = Fixture("lijst_stand.txt");
    for (const char* documenten : {"Documents/", ""}) {
        CVensterScript script;
        script.VerwachtPrinter(QString());
        DrukAf(stand, settings, nullptr);
        EXPECT_EQ(QStringList{"Stand na ronde 26 mei"}, script.documentNamen);
        EXPECT_EQ(QStringList{QString::fromStdString(map.Bestand(documenten)) +
                              "Stand na ronde 26 mei.pdf"},
                  script.pdfVoorstellen);
        std::filesystem::remove(map.Bestand("Documents"));
    }
}

} // namespace

namespace {

// Qt's print dialog shows the proposed PDF file whole, with the path as tooltip.
TEST(PrintDialoog, ToontHetVoorgesteldeBestandHeel) {
    QPrinter printer(QPrinter::HighResolution);
    const QString bestand =
        QStringLiteral("/home/clubbeheer/Documenten/Stand na ronde 17 maart 2025 (voorjaar).pdf");
    printer.setOutputFileName(bestand);
    printer.setOutputFormat(QPrinter::NativeFormat);
    QString tip;
    bool heel = false;
    QTimer::singleShot(0, [&] {
        auto* dialoog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, dialoog);
        for (QLineEdit* veld : dialoog->findChildren<QLineEdit*>()) {
            if (veld->text() == bestand) {
                tip = veld->toolTip();
                heel = veld->width() >= veld->fontMetrics().horizontalAdvance(bestand);
            }
        }
        dialoog->reject();
    });
    EXPECT_FALSE(VensterOpener().KiesPrinter(printer, nullptr));
    EXPECT_EQ(bestand, tip);
    EXPECT_TRUE(heel);
}

} // namespace
