#include "publish/uploadteksten.h"

#include "base/codering.h"
#include "base/formatteer.h"

std::string MetBron(const std::string& tekst, const std::string& bron) {
    if (bron.empty()) {
        return tekst;
    }
    return tekst + " (" + Utf8NaarCp1252(bron) + ")";
}

std::string TijdOmTekst(long seconden) {
    return Formatteer("De server reageert niet meer: er kwam binnen %ld %s geen antwoord. Probeer "
                      "het later opnieuw.",
                      seconden, seconden == 1 ? "seconde" : "seconden");
}

std::string NetFoutTekst(const CNetFout& fout, const std::string& server, const std::string& poort,
                         long seconden) {
    std::string tekst;
    switch (fout.uitkomst) {
    case NetUitkomst::NietGevonden:
        tekst = Formatteer("De server '%s' is niet gevonden. Controleer de naam van de server.",
                           server.c_str());
        break;
    case NetUitkomst::Geweigerd:
        tekst = Formatteer("De server '%s' weigert de verbinding op poort %s. Controleer de poort "
                           "en of de server aan staat.",
                           server.c_str(), poort.c_str());
        break;
    case NetUitkomst::TijdOm:
        return TijdOmTekst(seconden);
    case NetUitkomst::Onbereikbaar:
    case NetUitkomst::Verbonden:
        tekst = Formatteer("De server '%s' is niet bereikbaar. Controleer de netwerkverbinding en "
                           "de naam van de server.",
                           server.c_str());
        break;
    }
    return MetBron(tekst, fout.tekst);
}

std::string VerbrokenTekst() {
    return "De verbinding met de server is verbroken. Probeer het later opnieuw.";
}

std::string WachtwoordFoutTekst(const std::string& gebruiker) {
    return Formatteer("De server weigert gebruiker '%s' met dit wachtwoord. Controleer de "
                      "gebruikersnaam en het wachtwoord in 'HTML uitvoer'.",
                      gebruiker.c_str());
}

std::string OpslagFoutTekst(const std::string& naam, bool vol, bool alleenLezen) {
    if (vol && alleenLezen) {
        return Formatteer("De server kan '%s' niet opslaan: de schijf van de server is vol of de "
                          "map is alleen-lezen. Vraag de beheerder van de server om ruimte of "
                          "schrijfrechten, of kies een ander pad op de server.",
                          naam.c_str());
    }
    if (vol) {
        return Formatteer("De server kan '%s' niet opslaan: de schijf van de server is vol. Vraag "
                          "de beheerder van de server om ruimte.",
                          naam.c_str());
    }
    return Formatteer("De server staat niet toe dat '%s' geschreven wordt: de map is alleen-lezen "
                      "of de gebruiker heeft er geen schrijfrechten. Controleer het pad op de "
                      "server.",
                      naam.c_str());
}

std::string TijdelijkeNaam(const std::string& naam) {
    return naam + ".tmp";
}
