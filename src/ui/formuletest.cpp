#include "ui/formuletest.h"

#include "base/formatteer.h"
#include "base/getal.h"
#include "formule/formule.h"

int TestFormule(const std::string& formule, const CTestVelden& velden, std::string& resultaat,
                int32_t& foutPositie) {
    std::array<int32_t, 6> w{};
    for (size_t i = 0; i < velden.size(); ++i) {
        w[i] = VeldGetal(velden[i]);
    }
    CFormule f(formule);
    int32_t waarde = 0;
    if (f.Bereken(w[0], w[1], w[2], w[3], w[4], w[5], waarde) != 0) {
        resultaat = f.FoutTekst();
        foutPositie = f.FoutPositie();
        return -1;
    }
    resultaat = Formatteer("%d", waarde);
    foutPositie = 0;
    return 0;
}

CVoorgiftTabel TestVoorgift(const std::string& stenen, const std::string& komi) {
    CVoorgiftTabel tabel;
    CFormule stenenFormule(stenen);
    CFormule komiFormule(komi);
    for (int32_t v = 0; v < kVoorgiftTabelRijen; ++v) {
        int32_t s = 0;
        if (stenenFormule.Bereken(v, s) != 0) {
            tabel.rijen.push_back(Formatteer("%d\tFOUT:", v));
            tabel.melding = stenenFormule.FoutTekst();
            tabel.fout = CVoorgiftTabel::EFout::Stenen;
            tabel.foutPositie = stenenFormule.FoutPositie();
            return tabel;
        }
        int32_t k = 0;
        if (komiFormule.Bereken(v, k) != 0) {
            tabel.rijen.push_back(Formatteer("%d\t%d\tFOUT:", v, s));
            tabel.melding = komiFormule.FoutTekst();
            tabel.fout = CVoorgiftTabel::EFout::Komi;
            tabel.foutPositie = komiFormule.FoutPositie();
            return tabel;
        }
        tabel.rijen.push_back(Formatteer("%d\t%d\t%d", v, s, k));
    }
    return tabel;
}
