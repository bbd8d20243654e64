#pragma once
// The print preferences window "Afdrukvoorkeur": the two page-break boxes,
// the monospaced font families with the chosen one, and the sizes from 3.0
// to 20.9 points.

#include <cstdint>
#include <string>
#include <vector>

class CSettings;

// An installed font family as the platform lists it.
struct CLettertypeFamilie {
    std::string naam;
    bool vasteBreedte = false; // monospaced
};

// The names of the monospaced families, each once (ignoring the case of A-Z)
// and sorted the same way.
std::vector<std::string> VasteBreedteLettertypen(const std::vector<CLettertypeFamilie>& families);

// The size list: 180 entries "3.0" to "20.9", carrying 30 to 209 tenths.
inline constexpr int32_t kKleinsteGrootte = 30;
inline constexpr int32_t kAantalGroottes = 180;
std::string GrootteTekst(int32_t tienden);

class CAfdrukvoorkeurVenster {
public:
    // Opening: the boxes and lists from the settings; the first font that
    // begins with "Lettertype" (ignoring case) and the size of
    // "LetterGrootte" are selected, when they are there. Without such a font
    // `gebruikt`, the family that printing takes in its place, is selected
    // (and listed when it is not: not every monospaced font says so), and the
    // window says so under the list.
    CAfdrukvoorkeurVenster(const CSettings& settings,
                           const std::vector<CLettertypeFamilie>& families,
                           const std::string& gebruikt = "");

    bool StandOpNieuwePagina() const { return standOpNieuwePagina_; }
    bool IndelingOpNieuwePagina() const { return indelingOpNieuwePagina_; }
    void ZetStandOpNieuwePagina(bool aan) { standOpNieuwePagina_ = aan; }
    void ZetIndelingOpNieuwePagina(bool aan) { indelingOpNieuwePagina_ = aan; }

    const std::vector<std::string>& Lettertypen() const { return lettertypen_; }
    const std::vector<std::string>& Groottes() const { return groottes_; }
    // The selections, -1 when none.
    int Lettertype() const { return lettertype_; }
    int Grootte() const { return grootte_; }
    void KiesLettertype(int index);
    void KiesGrootte(int index);
    // The preview: the chosen face and its size in tenths of a point (both
    // only while chosen).
    std::string GekozenLettertype() const;
    int32_t GekozenGrootte() const;
    // The line under the font list: why a font other than "Lettertype" is
    // selected (empty when it is the stored one).
    const std::string& Opmerking() const { return opmerking_; }

    // "OK" is enabled only while a font and a size are chosen.
    bool OkAan() const { return lettertype_ >= 0 && grootte_ >= 0; }
    // "OK": stores the boxes, the face and the size. 0 when the window
    // closes; -1 without a font or a size (nothing happens).
    int Ok(CSettings& settings) const;

private:
    bool standOpNieuwePagina_;
    bool indelingOpNieuwePagina_;
    std::vector<std::string> lettertypen_;
    std::vector<std::string> groottes_;
    int lettertype_ = -1;
    int grootte_ = -1;
    std::string opmerking_;
};
