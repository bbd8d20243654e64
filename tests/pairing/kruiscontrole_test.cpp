// The searches against each other and against an independent brute force over
// many random competitions: blocked pairs, players who may not get the bye,
// a random history and random parameters. The best total must be the true
// minimum, the pairing returned must cost it, and a competition without an
// admissible pairing must be refused by every search.

#include "indeling_opstelling.h"
#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"
#include "pairing/minimaleindeling.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace {

// Every pairing of the participants not yet in `bezet`, the lowest first
// unpaired player with each possible partner; with an odd count every player
// may take the bye at `uitloot`. Returns the lowest total, or kGeenIndeling.
class CBruteKracht {
public:
    CBruteKracht(const CKostenModel& model, std::vector<int64_t> uitloot)
        : model_(model), uitloot_(std::move(uitloot)),
          bezet_(static_cast<size_t>(model.Aantal()), false) {}

    int64_t Minimum() {
        int n = model_.Aantal();
        if (n % 2 == 0) {
            Deel(0);
            return beste_;
        }
        for (int bye = 0; bye < n; ++bye) {
            bezet_[static_cast<size_t>(bye)] = true;
            Deel(uitloot_[static_cast<size_t>(bye)]);
            bezet_[static_cast<size_t>(bye)] = false;
        }
        return beste_;
    }

private:
    void Deel(int64_t totaal) {
        int eerste = 0;
        while (eerste < model_.Aantal() && bezet_[static_cast<size_t>(eerste)]) {
            ++eerste;
        }
        if (eerste == model_.Aantal()) {
            beste_ = std::min(beste_, totaal);
            return;
        }
        bezet_[static_cast<size_t>(eerste)] = true;
        for (int j = eerste + 1; j < model_.Aantal(); ++j) {
            if (bezet_[static_cast<size_t>(j)] || model_.Geblokkeerd(eerste, j)) {
                continue;
            }
            bezet_[static_cast<size_t>(j)] = true;
            Deel(totaal + model_.Kosten(eerste, j));
            bezet_[static_cast<size_t>(j)] = false;
        }
        bezet_[static_cast<size_t>(eerste)] = false;
    }

    const CKostenModel& model_;
    std::vector<int64_t> uitloot_;
    std::vector<bool> bezet_;
    int64_t beste_ = kGeenIndeling;
};

// The bye costs as the full search charges them, and as the random and the
// exact search and the log do (both terms).
std::vector<int64_t> UitlootVolledig(const CKostenModel& model) {
    std::vector<int64_t> kosten;
    for (int i = 0; i < model.Aantal(); ++i) {
        kosten.push_back(model.UitlootKostenVolledig(i));
    }
    return kosten;
}

std::vector<int64_t> UitlootBeide(const CKostenModel& model) {
    std::vector<int64_t> kosten;
    for (int i = 0; i < model.Aantal(); ++i) {
        kosten.push_back(model.UitlootKosten(i));
    }
    return kosten;
}

// The total of a pairing with these bye costs, kGeenIndeling when a pair is
// blocked; -1 when `v` is not every participant exactly once.
int64_t Totaal(const CKostenModel& model, const std::vector<int64_t>& uitloot,
               const std::vector<int>& v) {
    std::vector<int> gesorteerd = v;
    std::sort(gesorteerd.begin(), gesorteerd.end());
    std::vector<int> alle(static_cast<size_t>(model.Aantal()));
    std::iota(alle.begin(), alle.end(), 0);
    if (gesorteerd != alle) {
        return -1;
    }
    int64_t totaal = 0;
    size_t i = 0;
    for (; i + 1 < v.size(); i += 2) {
        if (model.Geblokkeerd(v[i], v[i + 1])) {
            return kGeenIndeling;
        }
        totaal += model.Kosten(v[i], v[i + 1]);
    }
    if (i < v.size()) {
        totaal += uitloot[static_cast<size_t>(v[i])];
    }
    return totaal;
}

double VerwachteCombinaties(int n) {
    double x = 1;
    for (int oneven = 1; oneven <= n; oneven += 2) {
        x *= oneven;
    }
    return x;
}

int Willekeurig(std::mt19937& toeval, int laag, int hoog) {
    return std::uniform_int_distribution<int>(laag, hoog)(toeval);
}

// A random competition of `n` players: classes, bye flags, a few rounds of
// games and byes, blocked pairs and non-default parameters.
class CWillekeurigGeval {
public:
    CWillekeurigGeval(std::mt19937& toeval, int n) : toeval_(toeval) {
        for (int i = 0; i < n; ++i) {
            o.Speler("Speler " + std::to_string(i), Getal(50, 300), Getal(0, 3) != 0 ? 1 : 0);
        }
        for (int r = Getal(0, 6); r > 0; --r) {
            std::vector<int> volgorde(static_cast<size_t>(n));
            std::iota(volgorde.begin(), volgorde.end(), 0);
            std::shuffle(volgorde.begin(), volgorde.end(), toeval_);
            std::vector<std::pair<int, int>> partijen;
            size_t i = 0;
            for (; i + 1 < volgorde.size() && Getal(0, 5) != 0; i += 2) {
                partijen.emplace_back(volgorde[i], volgorde[i + 1]);
            }
            std::vector<int> byes;
            if (i < volgorde.size()) {
                byes.push_back(volgorde[i]);
            }
            o.Ronde(partijen, byes);
        }
        for (int b = Getal(0, n); b > 0; --b) {
            int a = Getal(0, n - 1);
            int c = Getal(0, n - 1);
            if (a != c) {
                blokkades.emplace_back("Speler " + std::to_string(a),
                                       "Speler " + std::to_string(c));
            }
        }
        p.PenaltyUitgeloot = Getal(0, 3000);
        p.PenaltyMagNietUitgeloot = Getal(0, 2) == 0 ? 20000 : Getal(0, 40000);
        p.PenaltyKlasseVerschilGrens = Getal(1, 17);
        p.PenaltyKlasseVerschilLaag = Getal(0, 20);
        p.PenaltyKlasseVerschilHoog = Getal(0, 40);
        p.PenaltyNietZoIngedeeldGrens = Getal(0, 4);
        p.PenaltyNietZoIngedeeldLaag = Getal(0, 800);
        p.PenaltyNietZoIngedeeldHoog = Getal(0, 1) == 0 ? 0 : Getal(0, 20000);
    }

    CIndelingOpstelling o;
    std::vector<CNaamPaar> blokkades;
    CIndelingsParameters p;

private:
    int Getal(int laag, int hoog) { return Willekeurig(toeval_, laag, hoog); }

    std::mt19937& toeval_;
};

TEST(Kruiscontrole, VolledigeEnExacteZoektochtVindenHetMinimum) {
    // Each search against the brute force with its own bye costs.
    struct Zoekwijze {
        bool volledig;
        uint32_t zaad;
        int gevallen;
        int minimaal; // participants
    };
    for (Zoekwijze w : {Zoekwijze{true, 20261209, 150, 2}, Zoekwijze{false, 20261210, 400, 1}}) {
        std::mt19937 toeval(w.zaad);
        int zonderIndeling = 0;
        int oneven = 0;
        for (int geval = 0; geval < w.gevallen; ++geval) {
            CWillekeurigGeval g(toeval, Willekeurig(toeval, w.minimaal, 10));
            CKostenModel model(g.o.Deelnemers(), g.o.competitie.rondes, g.p, g.blokkades);
            CTestVoortgang voortgang;
            CIndelingsLog log;
            CIndelingZoeker zoeker(model, voortgang, log);
            std::vector<int64_t> uitloot =
                w.volledig ? UitlootVolledig(model) : UitlootBeide(model);
            int64_t minimum = CBruteKracht(model, uitloot).Minimum();
            bool gevonden = w.volledig ? zoeker.ZoekVolledig() : zoeker.ZoekExact();

            int n = model.Aantal();
            SCOPED_TRACE(std::string(w.volledig ? "volledig" : "exact") + ", geval " +
                         std::to_string(geval) + ", " + std::to_string(n) + " deelnemers");
            EXPECT_EQ(gevonden, minimum != kGeenIndeling);
            if (gevonden) {
                EXPECT_EQ(zoeker.Beste(), minimum);
                EXPECT_EQ(Totaal(model, uitloot, zoeker.Resultaat()), minimum);
                // The last total of the log is the pairing's cost; the log and
                // the random search count the bye with both terms.
                const std::vector<std::string>& regels = log.Regels();
                ASSERT_GE(regels.size(), 2u);
                const std::string& laatste = regels[regels.size() - 2];
                EXPECT_EQ(laatste.substr(laatste.rfind('\t') + 1),
                          std::to_string(model.TotaleKosten(zoeker.Resultaat().data())));
                oneven += n % 2;
            } else {
                ++zonderIndeling;
            }
            if (w.volledig) {
                EXPECT_EQ(zoeker.Combinaties(), VerwachteCombinaties(n));
            }
        }
        // The random cases must include some where the blocked pairs leave no
        // pairing, and odd counts with a bye.
        EXPECT_GT(zonderIndeling, 0);
        EXPECT_GT(oneven, 0);
    }
}

TEST(Kruiscontrole, ExacteEnVolledigeZoektochtVindenHetzelfdeTotaal) {
    // Like with like: the matching is given the full search's bye costs. Most
    // cases are small; a few reach the 16 players the full search allows.
    std::mt19937 toeval(20261211);
    int zonderIndeling = 0;
    for (int geval = 0; geval < 160; ++geval) {
        CWillekeurigGeval w(toeval, geval % 40 == 0 ? 13 + geval / 40 : Willekeurig(toeval, 2, 12));
        CKostenModel model(w.o.Deelnemers(), w.o.competitie.rondes, w.p, w.blokkades);
        CTestVoortgang voortgang;
        CIndelingsLog log;
        CIndelingZoeker zoeker(model, voortgang, log);
        bool volledig = zoeker.ZoekVolledig();
        std::vector<int64_t> uitloot = UitlootVolledig(model);
        std::vector<int> indeling;
        bool exact = MinimaleIndeling(model, uitloot, indeling);

        SCOPED_TRACE("geval " + std::to_string(geval) + ", " + std::to_string(model.Aantal()) +
                     " deelnemers");
        ASSERT_EQ(exact, volledig);
        if (exact) {
            EXPECT_EQ(Totaal(model, uitloot, indeling), zoeker.Beste());
        } else {
            EXPECT_TRUE(indeling.empty());
            ++zonderIndeling;
        }
    }
    EXPECT_GT(zonderIndeling, 0);
}

} // namespace
