#include "app/competitiemap.h"

#include "base/mappen.h"
#include "app/morvelapp.h"
#include "data/competitie.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const char* const kDataFile = "versie=2\r\n\r\n[Spelers]\r\n1 \"Anna Bakker\" 150 J J N\r\n";

class CompetitieMap : public ::testing::Test {
protected:
    void SetUp() override {
        MaakMappen(tmp.Bestand("data/Najaar"), false);
        MaakMappen(tmp.Bestand("data/Leeg"), false);
        SchrijfAlles(tmp.Bestand("data/Najaar/zomer.txt"), kDataFile);
        SchrijfAlles(tmp.Bestand("data/Najaar/Najaar.TXT"), kDataFile);
        SchrijfAlles(tmp.Bestand("data/Najaar/b.txt.bak"), "");
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    CCompetitie competitie;
};

} // namespace

TEST_F(CompetitieMap, DeEersteTxtInAlfabetischeVolgorde) {
    EXPECT_EQ(tmp.Bestand("data/Najaar/Najaar.TXT"), EersteDataFile(tmp.Bestand("data/Najaar")));
    EXPECT_EQ("", EersteDataFile(tmp.Bestand("data/Leeg")));
    EXPECT_EQ("", EersteDataFile(tmp.Bestand("bestaat-niet")));
}

TEST_F(CompetitieMap, EenOpdrachtNoemtMapBestandOfNaam) {
    const std::string data = tmp.Bestand("data");
    for (const std::string& map :
         {std::string("Najaar"), data + "/Najaar", data + "/Najaar/", data + "/Najaar/zomer.txt"}) {
        ASSERT_EQ(0, OpenCompetitie(competitie, map, data)) << map;
        EXPECT_EQ(data + "/Najaar", competitie.competitieMap) << map;
        EXPECT_EQ(1u, competitie.spelers.Aantal()) << map;
        EXPECT_EQ("Najaar", MapNaam(competitie.competitieMap)) << map;
    }
}

TEST_F(CompetitieMap, OnbekendOfZonderDatabestandGeeftEenMelding) {
    const std::string data = tmp.Bestand("data");
    recorder.Verwacht("De competitie 'Voorjaar' bestaat niet.");
    EXPECT_EQ(-1, OpenCompetitie(competitie, "Voorjaar", data));
    recorder.Verwacht("De competitie 'Leeg' heeft geen databestand (.txt).");
    EXPECT_EQ(-1, OpenCompetitie(competitie, "Leeg", data));
}

TEST(ZoekCompetitie, EersteNaamDieZoBegintZonderOpHoofdlettersTeLetten) {
    const std::vector<std::string> namen = {"appel", "Najaar 2024", "Najaar 2025", "Voorjaar"};
    EXPECT_EQ(1, ZoekCompetitie(namen, "NAJAAR"));
    EXPECT_EQ(3, ZoekCompetitie(namen, "voor"));
    EXPECT_EQ(0, ZoekCompetitie(namen, ""));
    EXPECT_EQ(-1, ZoekCompetitie(namen, "Zomer"));
    EXPECT_EQ(-1, ZoekCompetitie({}, ""));
}

TEST(VanafProgrammaMap, EenRelatiefPadLigtInDeMapVanHetProgramma) {
    const std::string map = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
    EXPECT_EQ(map + "/competities", VanafProgrammaMap("competities"));
    EXPECT_EQ(map + "/club/data", VanafProgrammaMap("./club/data"));
    EXPECT_EQ(map, VanafProgrammaMap("."));
    EXPECT_EQ("/srv/morvel", VanafProgrammaMap("/srv/morvel"));
    EXPECT_EQ("", VanafProgrammaMap(""));
}
