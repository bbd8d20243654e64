#include "indeling_opstelling.h"
#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Alles(const std::vector<std::string>& regels) {
    std::string tekst;
    for (const std::string& r : regels) {
        tekst += r + "\n";
    }
    return tekst;
}

TEST(Indelingslog, VolledigeZoektochtMetUitloting) {
    // Three participants, one round: L = 1 and A = 400 x 2 x 2.
    CIndelingOpstelling o;
    o.Speler("Jansen", 150);
    o.Speler("M\xFCller", 172);
    o.Speler("Bakker", 300, 0);
    o.Ronde({{0, 1}}, {0});
    CKostenModel model(o.Deelnemers(), o.competitie.rondes, CIndelingsParameters{});
    CTestVoortgang voortgang;
    CIndelingsLog log;
    CIndelingZoeker zoeker(model, voortgang, log);
    ASSERT_TRUE(zoeker.ZoekVolledig());

    const std::string is(40, '='), kort(20, '=');
    const std::string streep =
        is + "\t" + is + "\t" + kort + "\t" + kort + "\t" + kort + "\t" + kort + "\t" + kort + "\n";
    std::string min = streep;
    std::replace(min.begin(), min.end(), '=', '-');
    EXPECT_EQ(Alles(log.Regels()), "Volledige pairing\n"
                                   "Aantal spelers\t\t3\n"
                                   "Grens klasseverschil\t\t17\n"
                                   "Penalty verschil\tonder grens\t10\n"
                                   "Penalty verschil\tboven grens\t20\n"
                                   "Grens rondes\tniet gespeeld\t1\n"
                                   "Aftrek rondes\tonder grens\t400\n"
                                   "Aftrek rondes\tboven grens\t1600\n" +
                                       streep +
                                       "Jansen\tM\xFCller\t22\t(+220)\t0\t(-0)\t220\n"
                                       "Bakker\t<uitgeloot>\t\t(+20000)\t0\t(+0)\t20220\n" +
                                       min +
                                       "Bakker\tM\xFCller\t128\t(+1280)\t1\t(-400)\t880\n"
                                       "Jansen\t<uitgeloot>\t\t(+0)\t1\t(+1000)\t1880\n" +
                                       min +
                                       "Bakker\tJansen\t150\t(+1500)\t1\t(-400)\t1100\n"
                                       "M\xFCller\t<uitgeloot>\t\t(+0)\t0\t(+0)\t1100\n" +
                                       min);
    EXPECT_EQ(zoeker.Beste(), 1100);
    EXPECT_EQ(zoeker.Resultaat(), (std::vector<int>{2, 0, 1}));
}

TEST(Indelingslog, NieuweZoektochtBegintEenNieuweLog) {
    CIndelingOpstelling o;
    o.Speler("A", 150);
    o.Speler("B", 150);
    CIndelingsParameters p;
    p.AantalRandomPairings = 5;
    CKostenModel model(o.Deelnemers(), o.competitie.rondes, p);
    CTestVoortgang voortgang;
    CIndelingsLog log;
    CIndelingZoeker zoeker(model, voortgang, log);
    ASSERT_TRUE(zoeker.ZoekVolledig());
    ASSERT_TRUE(zoeker.ZoekRandom(1));
    EXPECT_EQ(log.Regels().front(), "Random pairing");
    EXPECT_EQ(log.Regels().size(), 9u + 2u); // the header, one pair and its rule
}

} // namespace
