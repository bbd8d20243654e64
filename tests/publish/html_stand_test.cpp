// "stand.inc" and "indeling.inc": their bytes, modes and upload flags, and the
// standings file when there is no memory for the table.

#include "data/competitie.h"
#include "melding_recorder.h"
#include "pairing/indeling.h"
#include "publish/htmlbestanden.h"
#include "rating/standformules.h"
#include "rating/standtabel.h"
#include "test_competitie.h"
#include "tijdelijke_map.h"
#include "tijdzone.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <new>

// Allocations of this many bytes or more fail while it is not 0. The whole
// test program allocates through these functions; only the test of the
// out-of-memory path sets it.
static std::size_t gWeigerVanaf = 0;

void* operator new(std::size_t n) {
    if (gWeigerVanaf != 0 && n >= gWeigerVanaf) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(n != 0 ? n : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
    return ::operator new(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(n);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& geen) noexcept {
    return ::operator new(n, geen);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

CStandFormules Formules() {
    return CStandFormules{CFormule("2 * W + J"), false, CFormule("K - 10"), CFormule("K + 10"),
                          CFormule("K")};
}

class HtmlStand : public ::testing::Test {
protected:
    void Lees(const char* fixture) {
        competitie.datafile = FixturePad(fixture);
        ASSERT_EQ(0, competitie.Lees());
    }
    CHtmlBron Bron() { return {competitie.spelers, competitie.rondes, map.Pad(), nodig}; }
    std::string Inhoud(const char* naam) const { return LeesAlles(map.Bestand(naam)); }

    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    CCompetitie competitie;
    CUploadNodig nodig;
    CStandFormules formules = Formules();
};

TEST_F(HtmlStand, NaDeLaatsteRondeMetTekensEnPercentages) {
    Lees("html/club/club.txt");
    SchrijfStandHtml(Bron(), kHtmlAanmaken, formules);
    EXPECT_EQ(Fixture("html/stand.inc"), Inhoud("stand.inc"));
    EXPECT_FALSE(nodig.Iets());
}

TEST_F(HtmlStand, BeginstandMetAlleenDeActieveSpelers) {
    Lees("html/club_zonder_rondes.txt");
    SchrijfStandHtml(Bron(), kHtmlUploaden, formules);
    EXPECT_EQ(Fixture("html/beginstand.inc"), Inhoud("stand.inc"));
    EXPECT_TRUE(nodig.Nodig(HtmlBestand::Stand));
}

TEST_F(HtmlStand, ElkeModus) {
    Lees("html/club/club.txt");
    SchrijfStandHtml(Bron(), kHtmlNietAanmaken, formules);
    EXPECT_FALSE(std::filesystem::exists(map.Bestand("stand.inc")));
    SchrijfStandHtml(Bron(), 3, formules);
    EXPECT_EQ(Fixture("html/stand.inc"), Inhoud("stand.inc"));
    EXPECT_FALSE(nodig.Iets());
    SchrijfStandHtml(Bron(), kHtmlUploaden, formules);
    EXPECT_TRUE(nodig.Nodig(HtmlBestand::Stand));
    EXPECT_FALSE(nodig.Nodig(HtmlBestand::Uitslag) || nodig.Nodig(HtmlBestand::Indeling));
}

TEST(HtmlStandRegel, ScoreEnPercentageVanDrieWinstEenVerliesEenJigo) {
    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    CUploadNodig nodig;
    CTestCompetitie c;
    c.Speler(1, "Els", 150);
    c.Speler(2, "Tom", 150);
    for (char uitslag : {'+', '+', '+', '-', '0'}) {
        c.Ronde("r").VoegToe(1, 2, uitslag);
    }
    CStandFormules f = Formules();
    SchrijfStandHtml({c.spelers, c.rondes, map.Pad(), nodig}, kHtmlAanmaken, f);
    std::string stand = LeesAlles(map.Bestand("stand.inc"));
    EXPECT_NE(std::string::npos,
              stand.find("<TR><TD>Els&nbsp;</TD><TD>15.0</TD><TD>13.0</TD><TD>- 2.0</TD><TD>3</"
                         "TD><TD>1</TD><TD>1</TD><TD>5</TD><TD>+2</TD><TD>70%</TD><TD>7</TD></"
                         "TR>\r\n"))
        << stand;
    EXPECT_NE(std::string::npos,
              stand.find("<TD>+ 2.0</TD><TD>1</TD><TD>3</TD><TD>1</TD><TD>5</TD><TD>-2</"
                         "TD><TD>30%</TD><TD>3</TD></TR>\r\n"))
        << stand;
}

TEST_F(HtmlStand, ZonderGeheugenVoorDeTabelEenMeldingEnGeenUpload) {
    CTestCompetitie c;
    for (int i = 1; i <= 300; ++i) {
        c.Speler(i, "Speler " + std::to_string(i), 100 + i);
    }
    meldingen.Verwacht("Niet genoeg geheugen om de stand in een html bestand te schrijven!");
    gWeigerVanaf = 300 * sizeof(CStandRegel); // the working list, as long as the register
    SchrijfStandHtml({c.spelers, c.rondes, map.Pad(), nodig}, kHtmlUploaden, formules);
    gWeigerVanaf = 0;
    EXPECT_EQ(Fixture("html/stand_geen_geheugen.inc"), Inhoud("stand.inc"));
    EXPECT_FALSE(nodig.Iets());
}

class HtmlIndeling : public HtmlStand {
protected:
    std::time_t Op(int dag, int maand, int jaar) {
        std::tm tm{};
        tm.tm_mday = dag;
        tm.tm_mon = maand - 1;
        tm.tm_year = jaar - 1900;
        tm.tm_hour = 23;
        tm.tm_min = 30;
        tm.tm_isdst = -1;
        return std::mktime(&tm);
    }

    CTijdzone tijdzone;
    CIndeling indeling;
};

TEST_F(HtmlIndeling, DatumRijZonderRegeleindeEnDeParen) {
    indeling.VoegToe(2, 3, "Bert", "Jos\xE9", "2 stenen, komi 0.5");
    indeling.VoegToe(1, 0, "Anna", "", "Uitgeloot");
    SchrijfIndelingHtml(Bron(), kHtmlAanmaken, indeling, Op(5, 3, 2026));
    EXPECT_EQ(Fixture("html/indeling.inc"), Inhoud("indeling.inc"));
    EXPECT_FALSE(nodig.Iets());
}

TEST_F(HtmlIndeling, ZonderIndelingAlleenDeKoppen) {
    SchrijfIndelingHtml(Bron(), kHtmlUploaden, indeling, Op(31, 12, 2026));
    EXPECT_EQ(Fixture("html/indeling_leeg.inc"), Inhoud("indeling.inc"));
    EXPECT_TRUE(nodig.Nodig(HtmlBestand::Indeling));
}

TEST_F(HtmlIndeling, Modus0En3) {
    SchrijfIndelingHtml(Bron(), kHtmlNietAanmaken, indeling, Op(31, 12, 2026));
    EXPECT_FALSE(std::filesystem::exists(map.Bestand("indeling.inc")));
    SchrijfIndelingHtml(Bron(), 3, indeling, Op(31, 12, 2026));
    EXPECT_EQ(Fixture("html/indeling_leeg.inc"), Inhoud("indeling.inc"));
    EXPECT_FALSE(nodig.Iets());
}

} // namespace
