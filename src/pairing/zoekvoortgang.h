#pragma once
// How a pairing search reports its progress and learns of a stop request. The
// progress window, the command line and the tests implement it. Setting a
// position is cheap: only every so many positions is the clock looked at, and
// a refresh happens at most once per 250 ms over all progress objects.

#include <cstdint>
#include <string>

class CZoekVoortgang {
public:
    // `controleInterval`: the clock is looked at once per this many positions.
    explicit CZoekVoortgang(int controleInterval = 1024)
        : interval_(controleInterval < 1 ? 1 : controleInterval) {}
    virtual ~CZoekVoortgang() = default;
    CZoekVoortgang(const CZoekVoortgang&) = delete;
    CZoekVoortgang& operator=(const CZoekVoortgang&) = delete;

    // Around a whole search: a progress window shows itself and holds off
    // the window that started it, and gives way again.
    virtual void Begin() {}
    virtual void Einde() {}

    // A range with hoog <= laag shows no bar. Clears the stop request, the
    // counter and the best value, and restarts the best-since clock.
    virtual void ZetBereik(double laag, double hoog);
    virtual void ZetTitel(const std::string& titel) { titel_ = titel; }
    virtual void NieuweBeste(int64_t waarde);

    void ZetPositie(double x) {
        teller_ = x;
        if (--aftellen_ <= 0) {
            aftellen_ = interval_;
            Controleer();
        }
    }

    bool StopGevraagd() const { return stop_; }
    void VraagStop() { stop_ = true; }

    bool HeeftBalk() const { return hoog_ > laag_; }
    double Laag() const { return laag_; }
    double Hoog() const { return hoog_; }
    double Teller() const { return teller_; }
    int64_t Beste() const { return beste_; }
    const std::string& Titel() const { return titel_; }

    // The texts of the labels "Combinaties:", "Beste waarde:" and "Beste gedurende:".
    std::string CombinatiesTekst() const;
    std::string BesteWaardeTekst() const;
    std::string BesteGedurendeTekst() const;

    // Milliseconds of a steady clock.
    static int64_t NuMs();

protected:
    // Called once per `controleInterval` positions: refreshes when more than
    // 250 ms passed since the last refresh of any progress object.
    virtual void Controleer();
    // Shows the counter and the best value and handles pending user input.
    virtual void Ververs() {}

private:
    int interval_;
    int aftellen_ = 1;
    bool stop_ = false;
    double laag_ = 0;
    double hoog_ = 0;
    double teller_ = 0;
    int64_t beste_ = 0;
    int64_t besteSinds_ = NuMs();
    std::string titel_;
};
