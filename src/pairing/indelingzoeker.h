#pragma once
// The search for a pairing of lowest total cost: the full search while the
// number of pairs is small, otherwise the exact or the random search. Each
// writes the pairing log when it improves and reports through a progress object.

#include <cstdint>
#include <vector>

class CIndelingsLog;
class CKostenModel;
class CZoekVoortgang;

// The title the full search gives its progress: the progress tells it by it.
inline constexpr const char* kTitelVolledig = "Voortgang Volledige Pairing";

// Which search makes the pairing: the one the parameters choose, or one named.
enum class EZoekMethode { Parameters, Volledig, Random, Exact };

class CIndelingZoeker {
public:
    CIndelingZoeker(const CKostenModel& model, CZoekVoortgang& voortgang, CIndelingsLog& log);

    // With EZoekMethode::Parameters: the full search while (n + 1) / 2 pairs are
    // at most MaximaalAantalVoorVolledig, above it the exact search when
    // ExacteIndeling is set, else the random search. `zaad` seeds the random
    // search. True when a pairing without a blocked pair was found.
    bool Zoek(uint32_t zaad, EZoekMethode methode = EZoekMethode::Parameters);
    bool ZoekVolledig();
    bool ZoekRandom(uint32_t zaad);
    // A pairing of the lowest total (both bye terms charged), found at once by
    // a weighted matching; fails only when every pairing holds a blocked pair.
    bool ZoekExact();

    // The best pairing found, as register indices: pairs (0,1), (2,3), ..., the
    // bye last when the count is odd. Register order before anything is found.
    const std::vector<int>& Resultaat() const { return resultaat_; }
    int64_t Beste() const { return beste_; }
    // Pairings counted by the full search; at the end 1 x 3 x 5 x ... up to n
    // unless it was stopped.
    double Combinaties() const { return combinaties_; }

private:
    void Begin();
    void ZoekDeel(int m, int64_t opgebouwd);
    void Verbeter(int64_t totaal);

    const CKostenModel& model_;
    CZoekVoortgang& voortgang_;
    CIndelingsLog& log_;
    int n_;
    std::vector<int> v_;
    std::vector<int> resultaat_;
    std::vector<double> deelbomen_; // pairings of q players, by q
    int64_t beste_;
    double combinaties_ = 0;
};

// A seed from the clock: the seconds since 1970, low 32 bits.
uint32_t TijdZaad();
