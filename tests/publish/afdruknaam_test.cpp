// The file name a printed listing is offered under, from its head.

#include "base/datum.h"
#include "publish/afdruknaam.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

namespace {

const CDatum kVandaag{24, 3, 2025};

TEST(AfdrukNaam, NaarDeKopVanHetOverzicht) {
    const struct {
        std::string lijst;
        const char* naam;
    } gevallen[] = {
        {Fixture("lijst_stand.txt"), "Stand na ronde 26 mei"},
        {Fixture("lijst_beginstand.txt"), "Beginstand"},
        {Fixture("lijst_uitslag.txt"), "Uitslagen 12 mei"}, // the first round of the listing
        {Fixture("lijst_indeling.txt"), "Indeling 24 maart"},
        // The pairing window's print: results and standings, then the pairing.
        {Fixture("lijst_uitslag.txt") + Fixture("lijst_stand.txt") + Fixture("lijst_indeling.txt"),
         "Indeling 24 maart"},
        {"\n\tNog geen uitslagen ingevoerd\n", "Uitslagen"},
        {"\tStand na ronde ''\n", "Stand na ronde"},
        {"Uitslag van ronde '1'\n", "Overzicht"}, // a head begins with a tab
        {"", "Overzicht"},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(g.naam, AfdrukNaam(g.lijst, kVandaag)) << g.lijst.substr(0, 200);
    }
}

TEST(AfdrukNaam, TekensDieGeenBestandsnaamKanDragenWordenEenStreepje) {
    EXPECT_EQ("Stand na ronde a-b- -c--",
              BestandsNaamVan(AfdrukNaam("\tStand na ronde 'a/b: \"c\"?'\n", kVandaag)));
    EXPECT_EQ("1-2-3-4-5-6-7-8-9", BestandsNaamVan("1\\2*3<4>5|6\t7\x7F"
                                                   "8\n9"));
    EXPECT_EQ("caf\xE9 (oud), 3 maart", BestandsNaamVan("caf\xE9 (oud), 3 maart"));
}

} // namespace
