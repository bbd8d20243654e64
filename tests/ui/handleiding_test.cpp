// Where the help window finds the manual, and the sections it can open.

#include "tijdelijke_map.h"
#include "ui/handleiding.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(Handleiding, BesideTheProgramFirstThenInTheInstallationsShareFolder) {
    CTijdelijkeMap tmp;
    const std::string programma = tmp.Bestand("usr/bin/morvel");
    const std::vector<std::string> plaatsen = HandleidingPlaatsen(programma);
    ASSERT_EQ((std::vector<std::string>{tmp.Bestand("usr/bin/handleiding.html"),
                                        tmp.Bestand("usr/share/morvel/handleiding.html")}),
              plaatsen);

    // Found nowhere: the window says where it looked.
    CHandleidingVenster nergens(plaatsen, "leden");
    EXPECT_EQ("", nergens.Bestand());
    const std::string tekst = nergens.NietGevondenTekst();
    for (const std::string& plaats : plaatsen) {
        EXPECT_NE(std::string::npos, tekst.find(plaats)) << tekst;
    }

    std::filesystem::create_directories(tmp.Bestand("usr/share/morvel"));
    std::filesystem::create_directories(tmp.Bestand("usr/bin"));
    SchrijfAlles(plaatsen[1], "<html></html>");
    EXPECT_EQ(plaatsen[1], CHandleidingVenster(plaatsen, "").Bestand());
    SchrijfAlles(plaatsen[0], "<html></html>");
    CHandleidingVenster naast(plaatsen, "leden");
    EXPECT_EQ(plaatsen[0], naast.Bestand());
    EXPECT_EQ("leden", naast.Anker());
}

TEST(Handleiding, TheSectionsOfTheManualInOrder) {
    EXPECT_EQ((std::vector<std::string>{"inhoud", "leden", "a-b"}),
              HandleidingAnkers("<h2><a name=\"inhoud\"></a>Inhoud</h2><p><a href=\"#leden\">x</a>"
                                "<h2><a name=\"leden\"></a>Leden</h2><a name=\"a-b\">"));
    EXPECT_EQ(std::vector<std::string>{}, HandleidingAnkers("<a name=\"open"));
}

} // namespace
