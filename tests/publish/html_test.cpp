// The HTML include files of the results: their bytes, modes, upload flags and
// the Retry/Cancel question when a file cannot be opened.

#include "base/platform.h"
#include "bestandsgrens.h"
#include "data/competitie.h"
#include "melding_recorder.h"
#include "publish/htmlbestanden.h"
#include "tijdelijke_map.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class HtmlUitslagen : public ::testing::Test {
protected:
    // The club of tests/fixtures/html/club, read into a competition whose
    // folder is a fresh temporary one.
    void LeesClub() {
        competitie.datafile = FixturePad("html/club/club.txt");
        ASSERT_EQ(0, competitie.Lees());
    }
    CHtmlBron Bron() { return {competitie.spelers, competitie.rondes, map.Pad(), nodig}; }
    std::string Inhoud(const char* naam) const { return LeesAlles(map.Bestand(naam)); }
    bool Bestaat(const char* naam) const { return std::filesystem::exists(map.Bestand(naam)); }

    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    CCompetitie competitie;
    CUploadNodig nodig;
};

TEST_F(HtmlUitslagen, LaatsteRondeEnAlleRondesByteVoorByte) {
    LeesClub();
    // Round 1 holds a class setting, a game, a bye and a game, in that order.
    SchrijfUitslagHtml(Bron(), kHtmlAanmaken, -1);
    SchrijfUitslagenHtml(Bron(), kHtmlAanmaken);
    EXPECT_EQ(Fixture("html/uitslag.inc"), Inhoud("uitslag.inc"));
    EXPECT_EQ(Fixture("html/uitslagen.inc"), Inhoud("uitslagen.inc"));

    SchrijfUitslagHtml(Bron(), kHtmlAanmaken, 0);
    EXPECT_EQ(Fixture("html/uitslag_ronde1.inc"), Inhoud("uitslag.inc"));
}

TEST_F(HtmlUitslagen, AlleenModus2MarkeertVoorUpload) {
    LeesClub();
    for (int modus : {1, 3}) {
        SchrijfUitslagHtml(Bron(), modus, -1);
        SchrijfUitslagenHtml(Bron(), modus);
        EXPECT_EQ(Fixture("html/uitslag.inc"), Inhoud("uitslag.inc")) << modus;
        EXPECT_FALSE(nodig.Iets()) << modus;
    }
    SchrijfUitslagHtml(Bron(), kHtmlUploaden, -1);
    EXPECT_TRUE(nodig.Nodig(HtmlBestand::Uitslag));
    EXPECT_FALSE(nodig.Nodig(HtmlBestand::Uitslagen));
    SchrijfUitslagenHtml(Bron(), kHtmlUploaden);
    EXPECT_TRUE(nodig.Nodig(HtmlBestand::Uitslagen));
    EXPECT_FALSE(nodig.Nodig(HtmlBestand::Stand) || nodig.Nodig(HtmlBestand::Indeling));
}

TEST_F(HtmlUitslagen, Modus0LaatHetBestandStaan) {
    LeesClub();
    SchrijfAlles(map.Bestand("uitslag.inc"), "oud");
    SchrijfUitslagHtml(Bron(), kHtmlNietAanmaken, -1);
    SchrijfUitslagenHtml(Bron(), kHtmlNietAanmaken);
    SchrijfUitslagHtml(Bron(), kHtmlNietAanmaken, 7); // not even looked at
    EXPECT_EQ("oud", Inhoud("uitslag.inc"));
    EXPECT_FALSE(Bestaat("uitslagen.inc"));
    EXPECT_FALSE(nodig.Iets());
}

TEST_F(HtmlUitslagen, ZonderRondesEenRegelEnGeenUpload) {
    SchrijfUitslagHtml(Bron(), kHtmlUploaden, -1);
    SchrijfUitslagenHtml(Bron(), kHtmlUploaden);
    EXPECT_EQ(Fixture("html/geen_uitslagen.inc"), Inhoud("uitslag.inc"));
    EXPECT_EQ(Fixture("html/geen_uitslagen.inc"), Inhoud("uitslagen.inc"));
    EXPECT_FALSE(nodig.Iets());
}

TEST_F(HtmlUitslagen, OnbestaandeRondeIsEenInterneFout) {
    LeesClub();
    SchrijfAlles(map.Bestand("uitslag.inc"), "oud");
    meldingen.Verwacht("SchrijfUitslagHtml\nInterne programma fout: ronde 2 bestaat niet");
    SchrijfUitslagHtml(Bron(), kHtmlUploaden, 2);
    EXPECT_EQ("oud", Inhoud("uitslag.inc"));
    EXPECT_FALSE(nodig.Iets());
}

TEST_F(HtmlUitslagen, AnnulerenSchrijftNietsEnMarkeertNiets) {
    LeesClub();
    std::string weg = map.Bestand("weg");
    CHtmlBron bron{competitie.spelers, competitie.rondes, weg, nodig};
    std::string reden = SysteemFoutTekst(ENOENT);
    meldingen
        .Verwacht("Kan het html bestand '" + weg + "/uitslag.inc' niet openen om te schrijven.\n(" +
                      reden + ")",
                  Antwoord::Opnieuw)
        .Verwacht("Kan het html bestand '" + weg + "/uitslag.inc' niet openen om te schrijven.\n(" +
                      reden + ")",
                  Antwoord::Annuleren);
    SchrijfUitslagHtml(bron, kHtmlUploaden, -1);
    EXPECT_EQ(Knoppen::OpnieuwAnnuleren, meldingen.meldingen.at(0).knoppen);
    EXPECT_FALSE(nodig.Iets());
    EXPECT_FALSE(std::filesystem::exists(weg));
}

// Answers the Retry/Cancel question by clearing the way and retrying.
class CRuimOpEnProbeerOpnieuw : public Melder {
public:
    explicit CRuimOpEnProbeerOpnieuw(std::string blokkade) : blokkade_(std::move(blokkade)) {}
    ~CRuimOpEnProbeerOpnieuw() override { ZetMelder(vorige_); }
    Antwoord Toon(const std::string&, Knoppen knoppen, const std::string&) override {
        ++aantal;
        std::filesystem::remove(blokkade_);
        return knoppen == Knoppen::OpnieuwAnnuleren ? Antwoord::Opnieuw : Antwoord::Ok;
    }
    int aantal = 0;

private:
    std::string blokkade_;
    Melder* vorige_ = ZetMelder(this);
};

TEST_F(HtmlUitslagen, OpnieuwSchrijftAlsHetAlsnogLukt) {
    LeesClub();
    std::filesystem::create_directory(map.Bestand("uitslagen.inc"));
    {
        CRuimOpEnProbeerOpnieuw melder(map.Bestand("uitslagen.inc"));
        SchrijfUitslagenHtml(Bron(), kHtmlUploaden);
        EXPECT_EQ(1, melder.aantal);
    }
    EXPECT_EQ(Fixture("html/uitslagen.inc"), Inhoud("uitslagen.inc"));
    EXPECT_TRUE(nodig.Nodig(HtmlBestand::Uitslagen));
}

TEST_F(HtmlUitslagen, EenMislukteSchrijfopdrachtWordtGemeldEnNietGeupload) {
    LeesClub();
    CBestandsGrens vol(10); // a disk that fills up half way
    meldingen.Verwacht("Het html bestand '" + map.Bestand("uitslag.inc") +
                       "' kon niet volledig geschreven worden.\n(" + SysteemFoutTekst(EFBIG) + ")");
    SchrijfUitslagHtml(Bron(), kHtmlUploaden, -1);
    EXPECT_FALSE(nodig.Iets());
}

} // namespace
