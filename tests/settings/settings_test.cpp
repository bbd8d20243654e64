#include "melding_recorder.h"
#include "settings/profiel.h"
#include "settings/settings.h"
#include "settings/wachtwoord.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const char* const kNieuweFormules = "Morvel: mededeling nieuwe formules";
const char* const kWaarschuwing = "Morvel: waarschuwing";
const char* const kReleaseTitels[] = {"Morvel: mededeling bij release 2.1",
                                      "Morvel: mededeling bij release 2.1a",
                                      "Morvel: mededeling bij release 2.2"};

std::string GeenKlasseFormule(const std::string& geval) {
    return "Er is geen formule voor het bepalen van de klasse na " + geval +
           " gekozen.\r\nDit moet gekozen worden via het configuratiescherm, optie "
           "Klasseformule.\r\nDoorgaan zonder correcte formule kan onvoorspelbare "
           "klasseveranderingen genereren.";
}

std::string FouteKlasseFormule(const std::string& geval) {
    return "De formule voor het bepalen van de nieuwe klasse na " + geval +
           " is niet correct.\r\nDeze kan via het configuratiescherm, optie Klasseformule, "
           "aangepast worden.\r\nDoorgaan zonder correcte formule kan onvoorspelbare "
           "klasseveranderingen genereren.";
}

const std::string kGeenPuntenFormule =
    "Er is geen formule voor het bepalen van de stand gekozen.\r\nDit moet gekozen worden via "
    "het configuratiescherm, optie Puntenformule.\r\nDoorgaan zonder correcte formule kan "
    "onvoorspelbare standen genereren.";
const std::string kFoutePuntenFormule =
    "De formule voor het bepalen van de stand is niet correct.\r\nDeze kan via het "
    "configuratiescherm, optie Puntenformule, aangepast worden.\r\nDoorgaan zonder correcte "
    "formule kan onvoorspelbare standen genereren.";

class SettingsTest : public ::testing::Test {
protected:
    // A profile holding every setting, formula sets and lines of others.
    void Compleet(const std::string& wijziging = "") {
        SchrijfAlles(pad, Fixture("settings/compleet.ini") + wijziging);
    }
    // The profile with one line replaced.
    static std::string Vervang(std::string tekst, const std::string& oud,
                               const std::string& nieuw) {
        size_t plaats = tekst.find(oud);
        EXPECT_NE(plaats, std::string::npos) << oud;
        return plaats == std::string::npos ? tekst : tekst.replace(plaats, oud.size(), nieuw);
    }
    std::string Waarde(const std::string& sectie, const std::string& sleutel) {
        CProfiel profiel(pad);
        EXPECT_EQ(profiel.Lees(), 0);
        std::string waarde;
        EXPECT_TRUE(profiel.RuweWaarde(sectie, sleutel, waarde)) << sleutel;
        return waarde;
    }

    CTijdelijkeMap map;
    std::string pad = map.Bestand("morvel.ini");
    CMeldingRecorder recorder;
};

TEST_F(SettingsTest, NoProfileGivesDefaultsAndTheStartUpMessages) {
    recorder.VerwachtWillekeurig()
        .Verwacht(kGeenPuntenFormule)
        .Verwacht(GeenKlasseFormule("winst"))
        .VerwachtWillekeurig(Antwoord::Ok)
        .VerwachtWillekeurig(Antwoord::Ok)
        .VerwachtWillekeurig(Antwoord::Ok);
    {
        CSettings settings(pad);
        EXPECT_EQ(recorder.meldingen.size(), 3u); // the release notices are the window's
        settings.ToonReleaseMededelingen();
        ASSERT_EQ(recorder.meldingen.size(), 6u);
        EXPECT_EQ(recorder.meldingen[0].titel, kNieuweFormules);
        EXPECT_EQ(recorder.meldingen[0].knoppen, Knoppen::Ok);
        EXPECT_EQ(recorder.meldingen[0].tekst.substr(0, 38),
                  "Deze versie maakt gebruik van dynamisc");
        for (size_t i = 1; i <= 2; ++i) {
            EXPECT_EQ(recorder.meldingen[i].titel, kWaarschuwing);
            EXPECT_EQ(recorder.meldingen[i].knoppen, Knoppen::Ok);
        }
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(recorder.meldingen[3 + i].titel, kReleaseTitels[i]);
            EXPECT_EQ(recorder.meldingen[3 + i].knoppen, Knoppen::OkAnnuleren);
        }

        EXPECT_EQ(settings.DataPad(), ".");
        EXPECT_EQ(settings.SpreadSheet(), "xdg-open");
        EXPECT_EQ(settings.LetterGrootte(), 120);
        EXPECT_EQ(settings.Poort(), "21");
        EXPECT_EQ(settings.HtmlMethode(), "FTP");
        EXPECT_EQ(settings.PenaltyMagNietUitgeloot(), 20000);
        EXPECT_EQ(settings.LedenToonAlleenAktieveSpelers(), 1);
        EXPECT_EQ(settings.AantalVoorgiftFormules(), 3);
        EXPECT_EQ(settings.HuidigeVoorgiftFormule(), 1);
        EXPECT_EQ(settings.PuntenformuleTekst(), "");
        EXPECT_TRUE(settings.Gewijzigd()); // the notices were dismissed

        CVoorgiftSet set = settings.ActieveVoorgiftSet(); // written at once
        EXPECT_EQ(set.naam, "Default 19x19");
        EXPECT_EQ(set.voorgift, "min((V + 2) / 2, 9)");
        EXPECT_EQ(set.komi, "als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))");
        EXPECT_TRUE(set.extraHalfKomi);
    }
    // Every setting is written at the end.
    EXPECT_EQ(LeesAlles(pad), Fixture("settings/nieuw.ini"));
}

TEST_F(SettingsTest, CancelledNoticesShowAgainAndWriteNothing) {
    Compleet();
    std::string zonderMededelingen =
        Vervang(Fixture("settings/compleet.ini"),
                "IndelingSneller=1\r\nOneindigeRandomIndeling=1\r\nHtmlUitvoer=1\r\n", "");
    SchrijfAlles(pad, zonderMededelingen);
    for (int keer = 0; keer < 2; ++keer) {
        recorder.VerwachtWillekeurig(Antwoord::Annuleren)
            .VerwachtWillekeurig(Antwoord::Annuleren)
            .VerwachtWillekeurig(Antwoord::Annuleren);
        {
            CSettings settings(pad);
            settings.ToonReleaseMededelingen();
            EXPECT_FALSE(settings.Gewijzigd());
        }
        recorder.Controleer();
        EXPECT_EQ(LeesAlles(pad), zonderMededelingen);
    }

    // OK on the second notice only marks that one.
    recorder.VerwachtWillekeurig(Antwoord::Annuleren)
        .VerwachtWillekeurig(Antwoord::Ok)
        .VerwachtWillekeurig(Antwoord::Annuleren);
    {
        CSettings settings(pad);
        settings.ToonReleaseMededelingen();
    }
    recorder.Controleer();
    EXPECT_EQ(Waarde("Opmerkingen", "IndelingSneller"), "0");
    EXPECT_EQ(Waarde("Opmerkingen", "OneindigeRandomIndeling"), "1");
    recorder.VerwachtWillekeurig(Antwoord::Annuleren).VerwachtWillekeurig(Antwoord::Annuleren);
    {
        CSettings settings(pad);
        settings.ToonReleaseMededelingen();
    }
    EXPECT_EQ(recorder.meldingen[1].titel, kReleaseTitels[2]);
}

TEST_F(SettingsTest, ReadsACompleteProfileWithoutMessages) {
    Compleet();
    CSettings settings(pad);
    EXPECT_TRUE(recorder.meldingen.empty());
    EXPECT_FALSE(settings.Gewijzigd());
    EXPECT_EQ(settings.DataPad(), "/srv/go/data");
    EXPECT_EQ(settings.HuidigePeriode(), "2024-najaar");
    EXPECT_EQ(settings.LetterGrootte(), 100);
    EXPECT_EQ(settings.UitslagSorteerSleutel(), 3);
    EXPECT_EQ(settings.IndelingSorteerSleutel(), 1);
    EXPECT_EQ(settings.PenaltyNietZoIngedeeldHoog(), 50);
    EXPECT_EQ(settings.IndelingsLijstMethode(), 2);
    EXPECT_EQ(settings.HtmlUitslagen(), 2);
    EXPECT_EQ(settings.HtmlKlassenverloop(), 2);
    EXPECT_EQ(settings.HtmlMethode(), "SFTP");
    EXPECT_EQ(settings.Poort(), "2121");
    EXPECT_EQ(settings.Geschiedenis(), 25);
    EXPECT_EQ(settings.AantalVoorgiftFormules(), 2);

    EXPECT_EQ(settings.PuntenformuleTekst(), "2 * W + J");
    EXPECT_FALSE(settings.Middelen());
    EXPECT_EQ(settings.KlasseNaWinstTekst(), "K - 1");
    EXPECT_EQ(settings.KlasseNaVerliesTekst(), "K + 1");
    EXPECT_EQ(settings.KlasseNaJigoTekst(), "K");
    int32_t klasse = 0;
    ASSERT_EQ(settings.KlasseFormuleNaWinst().Bereken(0, 0, 0, 0, 0, 150, klasse), 0);
    EXPECT_EQ(klasse, 149);

    CVoorgiftSet set = settings.ActieveVoorgiftSet();
    EXPECT_EQ(set.nummer, 2);
    EXPECT_EQ(set.naam, "Klein bord");
    EXPECT_EQ(set.voorgift, "min(V / 2, 4)");
    EXPECT_EQ(set.komi, "als(V < 1, 6, 0)");
    EXPECT_FALSE(set.extraHalfKomi);
}

TEST_F(SettingsTest, WritingKeepsOtherLinesAndChangesOnlyWhatChanged) {
    Compleet();
    {
        CSettings settings(pad);
        settings.SetDataPad("/srv/go/data");
        settings.SetPenaltyUitgeloot(1500);
        EXPECT_FALSE(settings.Gewijzigd()); // same values
    }
    EXPECT_EQ(LeesAlles(pad), Fixture("settings/compleet.ini"));
    {
        CSettings settings(pad);
        settings.SetHtmlMethode("sftp"); // texts compare with case
        EXPECT_TRUE(settings.Gewijzigd());
        settings.SetPenaltyUitgeloot(-7);
    }
    std::string verwacht =
        Vervang(Fixture("settings/compleet.ini"), "Methode=SFTP", "Methode=sftp");
    verwacht = Vervang(verwacht, "PenaltyUitgeloot=1500", "PenaltyUitgeloot=-7");
    EXPECT_EQ(LeesAlles(pad), verwacht);
}

TEST_F(SettingsTest, ProfileLooksUpIgnoringCaseAndReadsDigitsOnly) {
    Compleet();
    std::string tekst =
        Vervang(Fixture("settings/compleet.ini"), "[Leden dialoog]\r\n", "[LEDEN DIALOOG]\r\n");
    tekst = Vervang(tekst, "SorteerSleutel=2", "sorteersleutel=-1");
    tekst = Vervang(tekst, "PenaltyUitgeloot=1500", "penaltyuitgeloot=1.500 punten");
    tekst = Vervang(tekst, "AantalDagen=14", "AantalDagen=veertien");
    SchrijfAlles(pad, tekst);
    CSettings settings(pad);
    EXPECT_EQ(settings.LedenSorteerSleutel(), 1);
    EXPECT_EQ(settings.PenaltyUitgeloot(), 1);
    EXPECT_EQ(settings.AantalDagen(), 0);
}

TEST_F(SettingsTest, PortAndFontSizeRules) {
    struct Geval {
        const char* poort;
        const char* verwachtePoort;
        const char* grootte;
        int32_t verwachteGrootte;
    } gevallen[] = {
        {"0", "21", "9", 90},         {"70000", "21", "12", 120}, {"2121", "2121", "19", 190},
        {"-80", "21", "20", 20},      {"ftp", "21", "120", 120},  {"+990", "+990", "0", 0},
        {"65535", "65535", "-9", 90}, {"65536", "21", "95", 95},  {"22 ssh", "22 ssh", "", 0},
    };
    for (const Geval& g : gevallen) {
        std::string tekst = Vervang(Fixture("settings/compleet.ini"), "Poort=2121",
                                    std::string("Poort=") + g.poort);
        SchrijfAlles(
            pad, Vervang(tekst, "LetterGrootte=100", std::string("LetterGrootte=") + g.grootte));
        CSettings settings(pad);
        EXPECT_EQ(settings.Poort(), g.verwachtePoort) << g.poort;
        EXPECT_EQ(settings.LetterGrootte(), g.verwachteGrootte) << g.grootte;
    }
    // 9 read as 90 is written back as 90.
    SchrijfAlles(pad,
                 Vervang(Fixture("settings/compleet.ini"), "LetterGrootte=100", "LetterGrootte=9"));
    {
        CSettings settings(pad);
        settings.SetMakeBackup(0);
    }
    EXPECT_EQ(Waarde("Morvel", "LetterGrootte"), "90");
}

TEST_F(SettingsTest, StartUpCheckReportsTheFirstFaultyFormula) {
    struct Geval {
        const char* formule;
        const char* winst;
        const char* verlies;
        const char* jigo;
        std::vector<std::string> meldingen;
    } gevallen[] = {
        {"2 * W + J", "K - 1", "K + 1", "K", {}},
        {"", "K - 1", "K + 1", "K", {kGeenPuntenFormule}},
        {"W +", "K - 1", "K + 1", "K", {kFoutePuntenFormule}},
        {"2 * W", "", "", "K", {GeenKlasseFormule("winst")}},
        {"2 * W", "K / 0", "", "K", {GeenKlasseFormule("verlies")}},
        {"2 * W", "K / 0", "K", "", {GeenKlasseFormule("jigo")}},
        {"W / 0", "K / 0", "K + ", "K )", {kFoutePuntenFormule, FouteKlasseFormule("winst")}},
        {"W / (J - 1)", "K", "K + ", "K )", {kFoutePuntenFormule, FouteKlasseFormule("verlies")}},
        {"W", "K", "K", "K )", {FouteKlasseFormule("jigo")}},
    };
    for (const Geval& g : gevallen) {
        std::string tekst = Vervang(Fixture("settings/compleet.ini"), "Formule=2 * W + J",
                                    std::string("Formule=") + g.formule);
        tekst = Vervang(tekst, "KlasseNaWinst=K - 1", std::string("KlasseNaWinst=") + g.winst);
        tekst =
            Vervang(tekst, "KlasseNaVerlies=K + 1", std::string("KlasseNaVerlies=") + g.verlies);
        SchrijfAlles(pad, Vervang(tekst, "KlasseNaJigo=K", std::string("KlasseNaJigo=") + g.jigo));
        for (const std::string& melding : g.meldingen) {
            recorder.Verwacht(melding);
        }
        {
            CSettings settings(pad);
            settings.ToonReleaseMededelingen();
        }
        for (const CMelding& m : recorder.meldingen) {
            EXPECT_EQ(m.titel, kWaarschuwing);
        }
        recorder.Controleer();
    }
}

TEST_F(SettingsTest, SelectingASetReadsItsFormulasFromTheProfileAsItIsNow) {
    Compleet();
    CSettings settings(pad);
    settings.SelecteerScoreFormule(2);
    EXPECT_TRUE(settings.Gewijzigd());
    EXPECT_EQ(settings.HuidigeScoreFormule(), 2);
    EXPECT_EQ(settings.PuntenformuleTekst(), "(2 * W + J) / P");
    EXPECT_TRUE(settings.Middelen());

    // A formula window has rewritten a set in the meantime.
    CProfiel profiel(pad);
    ASSERT_EQ(profiel.Lees(), 0);
    profiel.ZetTekst("KlasseBerekening 2", "KlasseNaWinst", "K - 2");
    profiel.ZetTekst("KlasseBerekening 2", "KlasseNaJigo", "K");
    ASSERT_EQ(profiel.Schrijf(), 0);
    settings.SelecteerKlasseFormule(2);
    EXPECT_EQ(settings.HuidigeKlasseAanpassingsFormule(), 2);
    EXPECT_EQ(settings.KlasseNaWinstTekst(), "K - 2");
    EXPECT_EQ(settings.KlasseNaVerliesTekst(), ""); // a missing key is an empty formula
    EXPECT_EQ(settings.KlasseNaJigoTekst(), "K");

    settings.SelecteerScoreFormule(7); // no such set
    EXPECT_EQ(settings.PuntenformuleTekst(), "");
    EXPECT_FALSE(settings.Middelen());

    settings.SetHuidigeVoorgiftFormule(5);
    CVoorgiftSet set = settings.ActieveVoorgiftSet();
    EXPECT_EQ(set.voorgift, "0");
    EXPECT_EQ(set.komi, "6");
    EXPECT_TRUE(set.extraHalfKomi);
}

TEST_F(SettingsTest, PasswordIsStoredScrambledAndReadsBack) {
    const std::string wachtwoorden[] = {
        "geheim",
        " spatie voor en na ",
        std::string(56, 'x'),
        "een wachtwoord van ruim zesenvijftig tekens, zoals een wachtwoordkluis die maakt",
    };
    for (const std::string& wachtwoord : wachtwoorden) {
        Compleet();
        std::string opgeslagen[2];
        for (std::string& tekst : opgeslagen) {
            {
                CSettings settings(pad);
                settings.SetWachtwoord(wachtwoord);
                settings.SetServer(settings.Server() == "a" ? "b" : "a"); // always write
            }
            tekst = Waarde("Html", "Wachtwoord");
            EXPECT_EQ(tekst.find(wachtwoord), std::string::npos);
            EXPECT_EQ(tekst.front(), '"');
            EXPECT_EQ(tekst.back(), '"');
            CSettings terug(pad);
            EXPECT_EQ(terug.Wachtwoord(), wachtwoord);
            EXPECT_FALSE(terug.Gewijzigd());
        }
        EXPECT_NE(opgeslagen[0], opgeslagen[1]);
    }
}

TEST_F(SettingsTest, ScrambledTextWithSpacesAtItsEndsReadsBack) {
    // Find seeds whose stored text begins or ends with a space.
    const std::string wachtwoord = "club-ftp";
    std::string begint, eindigt;
    for (uint32_t zaad = 0; zaad < 32768 && (begint.empty() || eindigt.empty()); ++zaad) {
        std::string tekst = VersleutelWachtwoord(wachtwoord, zaad);
        if (begint.empty() && tekst.front() == ' ') {
            begint = tekst;
        }
        if (eindigt.empty() && tekst.back() == ' ') {
            eindigt = tekst;
        }
    }
    ASSERT_FALSE(begint.empty());
    ASSERT_FALSE(eindigt.empty());
    // Quoted as this program writes it, and unquoted as older profiles hold it.
    for (const std::string& waarde :
         {"\"" + begint + "\"", "\"" + eindigt + "\"", begint, eindigt}) {
        Compleet();
        SchrijfAlles(pad, Vervang(Fixture("settings/compleet.ini"), "Wachtwoord=\r\n",
                                  "Wachtwoord=" + waarde + "\r\n"));
        CSettings settings(pad);
        EXPECT_EQ(settings.Wachtwoord(), wachtwoord) << "[" << waarde << "]";
        EXPECT_FALSE(settings.Gewijzigd());
    }
}

TEST_F(SettingsTest, PasswordTypedIntoTheProfileIsScrambledAtTheEnd) {
    SchrijfAlles(pad, Vervang(Fixture("settings/compleet.ini"), "Wachtwoord=\r\n",
                              "Wachtwoord=  letterlijk geheim \r\n"));
    {
        CSettings settings(pad);
        EXPECT_EQ(settings.Wachtwoord(), "letterlijk geheim");
        EXPECT_TRUE(settings.Gewijzigd());
    }
    EXPECT_EQ(Waarde("Html", "Wachtwoord").size(), 82u);
    CSettings terug(pad);
    EXPECT_EQ(terug.Wachtwoord(), "letterlijk geheim");
}

TEST_F(SettingsTest, AProfileThatCannotBeReadIsNeverOverwritten) {
    std::string map_als_profiel = map.Bestand("profiel.ini");
    ASSERT_EQ(::mkdir(map_als_profiel.c_str(), 0700), 0);
    recorder
        .VerwachtWillekeurig() // cannot be read
        .Verwacht(kGeenPuntenFormule)
        .Verwacht(GeenKlasseFormule("winst"));
    CSettings settings(map_als_profiel);
    EXPECT_NE(recorder.meldingen[0].tekst.find("kan niet gelezen worden"), std::string::npos);
    EXPECT_EQ(settings.DataPad(), ".");
    EXPECT_EQ(settings.AantalVoorgiftFormules(), 0);
    settings.SetDataPad("/elders");
    EXPECT_EQ(settings.SchrijfProfiel(), 0);
    EXPECT_TRUE(settings.Gewijzigd());
}

} // namespace
