#include "pairing/indelingslog.h"

#include "base/formatteer.h"
#include "data/speler.h"
#include "pairing/kostenmodel.h"

void CIndelingsLog::Streep(char teken) {
    static constexpr size_t kBreedtes[] = {40, 40, 20, 20, 20, 20, 20};
    std::string regel;
    for (size_t breedte : kBreedtes) {
        if (!regel.empty()) {
            regel += '\t';
        }
        regel.append(breedte, teken);
    }
    regels_.push_back(regel);
}

void CIndelingsLog::Start(const std::string& naam, const CKostenModel& model) {
    const CIndelingsParameters& p = model.Parameters();
    regels_.clear();
    regels_.push_back(naam);
    regels_.push_back(Formatteer("Aantal spelers\t\t%d", model.Aantal()));
    regels_.push_back(
        Formatteer("Grens klasseverschil\t\t%ld", long{p.PenaltyKlasseVerschilGrens}));
    regels_.push_back(Formatteer("Penalty verschil\tonder grens\t%d", p.PenaltyKlasseVerschilLaag));
    regels_.push_back(Formatteer("Penalty verschil\tboven grens\t%d", p.PenaltyKlasseVerschilHoog));
    regels_.push_back(Formatteer("Grens rondes\tniet gespeeld\t%d", model.RondesGrens()));
    regels_.push_back(Formatteer("Aftrek rondes\tonder grens\t%d", p.PenaltyNietZoIngedeeldLaag));
    regels_.push_back(Formatteer("Aftrek rondes\tboven grens\t%lld",
                                 static_cast<long long>(model.AftrekBovenGrens())));
    Streep('=');
}

void CIndelingsLog::LogIndeling(const CKostenModel& model, const int* v) {
    int n = model.Aantal();
    long long totaal = 0;
    int k = 0;
    for (; k + 1 < n; k += 2) {
        CPaarKosten paar = model.PaarKosten(v[k], v[k + 1]);
        totaal += paar.kosten;
        regels_.push_back(Formatteer(
            "%s\t%s\t%lld\t(+%lld)\t%d\t(-%lld)\t%lld", model.Deelnemer(v[k]).naam.c_str(),
            model.Deelnemer(v[k + 1]).naam.c_str(), static_cast<long long>(paar.klasseVerschil),
            static_cast<long long>(paar.klassePenalty), paar.rondes,
            static_cast<long long>(paar.aftrek), totaal));
    }
    if (k < n) {
        int b = v[k];
        totaal += model.UitlootKosten(b);
        int32_t eerder = model.EerderUitgeloot(b);
        long long voorEerdere = model.UitlootKosten(b) - model.MagNietUitlootKosten(b);
        regels_.push_back(Formatteer("%s\t%s\t%s\t(+%lld)\t%ld\t(+%lld)\t%lld",
                                     model.Deelnemer(b).naam.c_str(), "<uitgeloot>", "",
                                     static_cast<long long>(model.MagNietUitlootKosten(b)),
                                     long{eerder}, voorEerdere, totaal));
    }
    Streep('-');
}
