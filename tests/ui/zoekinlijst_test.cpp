#include "ui/zoekinlijst.h"

#include <gtest/gtest.h>

namespace {

struct CZoekGeval {
    const char* naam;
    std::vector<std::string> regels;
    std::string tekst;
    int verwacht;
};

const CZoekGeval kGevallen[] = {
    {"a name beginning with the text beats an earlier line containing it",
     {"3\tPiet Jansen", "7\tJan de Vries"},
     "jan",
     1},
    {"the first of equally good lines wins", {"4\tJan Bos", "9\tJanneke Mol"}, "jan", 0},
    {"a later word beginning with the text beats a line containing it",
     {"1\tAnnemarie Bos", "2\tPiet Marie"},
     "marie",
     1},
    {"containing the text beats its characters in order",
     {"1\tPaul Dijk", "2\tAnton Opjes"},
     "pj",
     1},
    {"characters in order when nothing else matches",
     {"1\tKees Bakker", "5\tPaul Dijkstra", "8\tPim Jansen"},
     "pj",
     1},
    {"characters in the wrong order do not match", {"1\tJop Bakker"}, "pj", -1},
    {"nothing matches", {"1\tKees Bakker", "2\tAnna de Wit"}, "xyz", -1},
    {"the text is normalised and A-Z compared without case",
     {"3\tPiet Jansen", "7\tJAN DE Vries"},
     "  Jan \t de  ",
     1},
    {"an empty text selects nothing", {"1\tAnna"}, "", -1},
    {"a text of white space selects nothing", {"1\tAnna"}, " \t ", -1},
    {"an empty list", {}, "anna", -1},
    {"a marker before the tab: the name still begins after it",
     {"-->\tAnna Bert", "\tBert Smit"},
     "bert",
     1},
    {"letters beyond A-Z keep their case", {"1\t\xC9mile Zola", "2\t\xE9mile Bos"}, "\xE9mile", 1},
};

void PrintTo(const CZoekGeval& geval, std::ostream* uit) {
    *uit << geval.naam;
}

class ZoekInLijstTest : public ::testing::TestWithParam<CZoekGeval> {};

TEST_P(ZoekInLijstTest, KiestDeBesteRegel) {
    const CZoekGeval& geval = GetParam();
    EXPECT_EQ(geval.verwacht, ZoekInLijst(geval.regels, geval.tekst)) << geval.naam;
}

INSTANTIATE_TEST_SUITE_P(Gevallen, ZoekInLijstTest, ::testing::ValuesIn(kGevallen));

} // namespace
