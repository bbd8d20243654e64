// The full search against an independent brute force over many small random
// competitions: the best total must be the true minimum.

#include "indeling_opstelling.h"
#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace {

// Every pairing of the participants not yet in `bezet`, the lowest first
// unpaired player with each possible partner; with an odd count every player
// may take the bye. Returns the lowest total, or kGeenIndeling.
class CBruteKracht {
public:
    explicit CBruteKracht(const CKostenModel& model)
        : model_(model), bezet_(static_cast<size_t>(model.Aantal()), false) {}

    int64_t Minimum() {
        int n = model_.Aantal();
        if (n % 2 == 0) {
            Deel(0);
            return beste_;
        }
        for (int bye = 0; bye < n; ++bye) {
            bezet_[static_cast<size_t>(bye)] = true;
            Deel(model_.UitlootKostenVolledig(bye));
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
    std::vector<bool> bezet_;
    int64_t beste_ = kGeenIndeling;
};

// The total of a pairing as the brute force counts it.
int64_t Totaal(const CKostenModel& model, const std::vector<int>& v) {
    int64_t totaal = 0;
    size_t i = 0;
    for (; i + 1 < v.size(); i += 2) {
        if (model.Geblokkeerd(v[i], v[i + 1])) {
            return kGeenIndeling;
        }
        totaal += model.Kosten(v[i], v[i + 1]);
    }
    if (i < v.size()) {
        totaal += model.UitlootKostenVolledig(v[i]);
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

TEST(Kruiscontrole, VolledigeZoektochtVindtHetMinimum) {
    std::mt19937 toeval(20261209);
    auto getal = [&](int laag, int hoog) {
        return std::uniform_int_distribution<int>(laag, hoog)(toeval);
    };
    int zonderIndeling = 0;
    for (int geval = 0; geval < 150; ++geval) {
        CIndelingOpstelling o;
        int n = getal(2, 10);
        for (int i = 0; i < n; ++i) {
            o.Speler("Speler " + std::to_string(i), getal(50, 300), getal(0, 3) != 0 ? 1 : 0);
        }
        for (int r = getal(0, 4); r > 0; --r) {
            std::vector<int> volgorde(static_cast<size_t>(n));
            std::iota(volgorde.begin(), volgorde.end(), 0);
            std::shuffle(volgorde.begin(), volgorde.end(), toeval);
            std::vector<std::pair<int, int>> partijen;
            for (size_t i = 0; i + 1 < volgorde.size(); i += 2) {
                partijen.emplace_back(volgorde[i], volgorde[i + 1]);
            }
            std::vector<int> byes;
            if (n % 2 == 1) {
                byes.push_back(volgorde.back());
            }
            o.Ronde(partijen, byes);
        }
        std::vector<CNaamPaar> blokkades;
        for (int b = getal(0, n); b > 0; --b) {
            int a = getal(0, n - 1);
            int c = getal(0, n - 1);
            if (a != c) {
                blokkades.emplace_back("Speler " + std::to_string(a),
                                       "Speler " + std::to_string(c));
            }
        }
        CIndelingsParameters p;
        p.PenaltyNietZoIngedeeldGrens = getal(0, 3);
        p.PenaltyKlasseVerschilGrens = getal(1, 17);

        CKostenModel model(o.Deelnemers(), o.competitie.rondes, p, blokkades);
        CTestVoortgang voortgang;
        CIndelingsLog log;
        CIndelingZoeker zoeker(model, voortgang, log);
        int64_t minimum = CBruteKracht(model).Minimum();
        bool gevonden = zoeker.ZoekVolledig();

        SCOPED_TRACE("geval " + std::to_string(geval) + ", " + std::to_string(n) + " deelnemers");
        EXPECT_EQ(gevonden, minimum != kGeenIndeling);
        if (gevonden) {
            EXPECT_EQ(zoeker.Beste(), minimum);
            EXPECT_EQ(Totaal(model, zoeker.Resultaat()), minimum);
        } else {
            ++zonderIndeling;
        }
        EXPECT_EQ(zoeker.Combinaties(), VerwachteCombinaties(n));
    }
    // The random cases must include some where the blocked pairs leave no pairing.
    EXPECT_GT(zonderIndeling, 0);
}

} // namespace
