// A competition survives its data file: whatever a file holds is either read
// back whole after a write or reported, never dropped or changed silently.

#include "data/competitie.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class DataFileBewaren : public ::testing::Test {
protected:
    void SetUp() override {
        competitie.competitieMap = map.Pad();
        competitie.datafile = map.Bestand("competitie.txt");
    }

    int LeesTekst(const std::string& inhoud) {
        SchrijfAlles(competitie.datafile, inhoud);
        return competitie.Lees();
    }

    // Writes the competition as it is and reads it back; no message may come.
    void SchrijfEnLeesTerug() {
        competitie.spelers.ZetGewijzigd();
        ASSERT_EQ(competitie.Schrijf(), 0);
        ASSERT_EQ(competitie.Lees(), 0);
    }

    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    CCompetitie competitie;
};

TEST_F(DataFileBewaren, AResultsHeaderWithWhiteSpaceKeepsItsRounds) {
    const char* koppen[] = {"  [Uitslagen]", "[\tUitslagen]", "[ uitslagen ]", "\t[UITSLAGEN]  "};
    std::string fixture = Fixture("data/uitslagenkop_ingesprongen.txt");
    for (const char* kop : koppen) {
        std::string inhoud = fixture;
        inhoud.replace(inhoud.find("  [Uitslagen]"), 13, kop);
        ASSERT_EQ(LeesTekst(inhoud), 0) << kop;
        EXPECT_EQ(competitie.rondes.Aantal(), 2) << kop;
        SchrijfEnLeesTerug();
        ASSERT_EQ(competitie.rondes.Aantal(), 2) << kop;
        EXPECT_EQ(competitie.rondes.Ronde(1).identificatie, "19 mei");
        EXPECT_EQ(competitie.rondes.Ronde(1).Uitslagen().size(), 1u);
    }
}

TEST_F(DataFileBewaren, LinesThatAreNotReadAreCountedInOneMessage) {
    const std::string spelers = "versie=2\n[Spelers]\n1 \"A\" 150 J J J\n2 \"B\" 150 J J J\n";
    struct Geval {
        std::string rest;
        std::string melding;
        int rondes;
    } gevallen[] = {
        {"[Extra]\nsleutel=1\n\n[Uitslagen]\n{r}\n1 2 +\n",
         "bevat 2 regels tussen de spelers en de kop [Uitslagen]; die zijn niet gelezen.", 1},
        {"{r}\n1 2 +\n", "heeft geen kop [Uitslagen]; 2 regels na de spelers zijn niet gelezen.",
         0},
        {"[Uitslag]\n{r}\n", "", 1}, // the header is found by its beginning, as always
    };
    for (const Geval& g : gevallen) {
        if (!g.melding.empty()) {
            meldingen.Verwacht("De datafile '" + competitie.datafile + "' " + g.melding);
        }
        EXPECT_EQ(LeesTekst(spelers + g.rest), 0) << g.rest;
        EXPECT_EQ(competitie.spelers.Aantal(), 2u);
        EXPECT_EQ(competitie.rondes.Aantal(), g.rondes) << g.rest;
        meldingen.Controleer();
    }
}

TEST_F(DataFileBewaren, ADoubleQuoteFromAFileBecomesAnApostrophe) {
    struct Geval {
        const char* fixture;
        const char* naam;
        int32_t klasse;
    } gevallen[] = {{"data/aanhalingsteken_formaat2.txt", "Jan'x", 155},
                    {"data/aanhalingsteken_formaat0.txt", "Jan 'Bram' Vries", 150}};
    for (const Geval& g : gevallen) {
        meldingen.Verwacht("De naam van speler 1 bevatte dubbele aanhalingstekens (\"); die zijn "
                           "vervangen door apostrofs.");
        ASSERT_EQ(LeesTekst(Fixture(g.fixture)), 0) << g.fixture;
        meldingen.Controleer();
        EXPECT_EQ(competitie.spelers.Zoek(1)->naam, g.naam);
        SchrijfEnLeesTerug();
        EXPECT_EQ(competitie.spelers.Aantal(), 2u) << g.fixture;
        EXPECT_EQ(competitie.spelers.Zoek(1)->naam, g.naam);
        EXPECT_EQ(competitie.spelers.Zoek(1)->beginKlasse, g.klasse);
        EXPECT_EQ(competitie.rondes.Ronde(0).Uitslagen().size(), 1u);
    }
}

TEST_F(DataFileBewaren, ADoubleQuoteIsRefusedWhenANameIsEntered) {
    std::string naam = "Jan \"Bram\" Vries";
    meldingen.Verwacht("De naam mag geen dubbele aanhalingstekens (\") bevatten.");
    EXPECT_EQ(competitie.spelers.VoegToe(1, naam, 150, 1, 1, 1), -1);
    EXPECT_EQ(competitie.spelers.Aantal(), 0u);
    naam = "Jan";
    ASSERT_EQ(competitie.spelers.VoegToe(1, naam, 150, 1, 1, 1), 0);
    naam = "Jan\"";
    meldingen.Verwacht("De naam mag geen dubbele aanhalingstekens (\") bevatten.");
    EXPECT_EQ(competitie.spelers.PasAan(1, naam, 150, 150, 1, 1, 1), -1);
    EXPECT_EQ(competitie.spelers.Zoek(1)->naam, "Jan");
    competitie.spelers.WisGewijzigd();
}

TEST_F(DataFileBewaren, ANameOrIdentificationTooLongForItsLineIsRefused) {
    std::string naam(kLangsteNaam + 1, 'a');
    meldingen.Verwacht("De naam mag niet langer zijn dan 992 tekens.");
    EXPECT_EQ(competitie.spelers.VoegToe(1, naam, 150, 1, 1, 1), -1);
    EXPECT_EQ(competitie.spelers.Aantal(), 0u);

    // The longest name, with the widest numbers, still fits one line in both layouts.
    naam.pop_back();
    ASSERT_EQ(competitie.spelers.VoegToe(2147483647, naam, 2147483647, 1, 1, 1), 0);
    for (int formaat : {2, 0}) {
        std::vector<std::string> regels;
        competitie.spelers.SchrijfLijst(regels, formaat);
        EXPECT_LE(regels.at(0).size(), 1022u) << formaat;
    }
    SchrijfEnLeesTerug();
    EXPECT_EQ(competitie.spelers.Aantal(), 1u);
    EXPECT_EQ(competitie.spelers.Zoek(2147483647)->naam, naam);

    meldingen.Verwacht("De identificatie mag niet langer zijn dan 1013 tekens.");
    EXPECT_EQ(ControleerIdentificatie(std::string(1014, 'r')), -1);
    EXPECT_EQ(ControleerIdentificatie(std::string(1013, 'r')), 0);
}

TEST_F(DataFileBewaren, ALongLineInAFileIsReportedAndReadWhole) {
    std::string naam(1500, 'n');
    std::string inhoud = "versie=2\n\n[Spelers]\n1 \"" + naam + "\" 150 J J N\n2 \"B\" 160 J J N\n";
    meldingen.Verwacht("Regel 4 van de datafile '" + competitie.datafile +
                       "' is langer dan 1022 tekens; hij is als \xE9\xE9n regel gelezen.");
    ASSERT_EQ(LeesTekst(inhoud), 0);
    ASSERT_EQ(competitie.spelers.Aantal(), 2u); // no phantom player made of the rest
    EXPECT_EQ(competitie.spelers.Zoek(1)->naam, naam);
    EXPECT_EQ(competitie.spelers.Zoek(1)->beginKlasse, 150);
}

TEST_F(DataFileBewaren, ANumberTooLargeForItsFieldIsHeldAndReported) {
    struct Geval {
        std::string regel;
        std::string inhoud;
    } gevallen[] = {
        {"1 \"A\" 99999999999999999999 J J N",
         "versie=2\n[Spelers]\n1 \"A\" 99999999999999999999 J J N\n"},
        {"01 A                       1  99999999999",
         "Brom' implementatie\n\n01 A                       1  99999999999\n"},
    };
    for (const Geval& g : gevallen) {
        meldingen.Verwacht("CSpelers::VoegToe()\nEen getal in regel '" + g.regel +
                           "' is te groot; het is op 2147483647 gezet.");
        ASSERT_EQ(LeesTekst(g.inhoud), 0) << g.regel;
        meldingen.Controleer();
        EXPECT_EQ(competitie.spelers.Zoek(1)->beginKlasse, 2147483647);
        SchrijfEnLeesTerug(); // read back the same, without a message
        EXPECT_EQ(competitie.spelers.Zoek(1)->beginKlasse, 2147483647);
    }

    meldingen.Verwacht("CRondes::VoegToe()\nEen getal in regel 'klasse(1)=4294967396' is te "
                       "groot; het is op 2147483647 gezet.");
    ASSERT_EQ(LeesTekst("versie=2\n[Spelers]\n1 \"A\" 150 J J N\n[Uitslagen]\n{r}\n"
                        "klasse(1)=4294967396\n"),
              0);
    EXPECT_EQ(competitie.rondes.Ronde(0).Uitslagen().at(0).nieuweKlasse, 2147483647);
}

TEST_F(DataFileBewaren, AnOldLayoutPlayerWithoutANameSurvivesAWrite) {
    ASSERT_EQ(LeesTekst("Brom' implementatie\n\n05\n06 Piet                    1  180\n"), 0);
    ASSERT_EQ(competitie.spelers.Aantal(), 2u);
    for (int keer = 0; keer < 2; ++keer) {
        SchrijfEnLeesTerug();
        ASSERT_EQ(competitie.spelers.Aantal(), 2u);
        const CSpeler& zonderNaam = *competitie.spelers.Zoek(5);
        EXPECT_EQ(zonderNaam.naam, "");
        EXPECT_EQ(zonderNaam.aktief, 0);
        EXPECT_EQ(zonderNaam.beginKlasse, 0);
        EXPECT_EQ(competitie.spelers.Zoek(6)->naam, "Piet");
        EXPECT_EQ(competitie.spelers.Zoek(6)->beginKlasse, 180);
    }
}

TEST_F(DataFileBewaren, AWriteGoesThroughASymbolicLink) {
    fs::create_directory(map.Bestand("echt"));
    std::string doel = map.Bestand("echt/competitie.txt");
    SchrijfAlles(doel, Fixture("data/formaat2.txt"));
    std::string koppeling = map.Bestand("koppeling.txt");
    fs::create_symlink("echt/competitie.txt", koppeling);
    competitie.datafile = koppeling;
    ASSERT_EQ(competitie.Lees(), 0);
    std::string naam = "Nieuw Lid";
    ASSERT_EQ(competitie.spelers.VoegToe(40, naam, 150, 1, 1, 1), 0);
    ASSERT_EQ(competitie.Schrijf(), 0);
    EXPECT_TRUE(fs::is_symlink(koppeling));
    EXPECT_NE(LeesAlles(doel).find("40 \"Nieuw Lid\" 150 J J J"), std::string::npos);
    // The temporary file went beside the target, and nothing of it is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(map.Bestand("echt")), {}), 1);
}

TEST_F(DataFileBewaren, AFileNameOfTheLongestLengthIsWritten) {
    std::string naam = std::string(251, 'c') + ".txt";
    ASSERT_EQ(naam.size(), 255u);
    competitie.datafile = map.Bestand(naam);
    SchrijfAlles(competitie.datafile, Fixture("data/formaat2.txt"));
    ASSERT_EQ(competitie.Lees(), 0);
    std::string lid = "Nieuw Lid";
    ASSERT_EQ(competitie.spelers.VoegToe(40, lid, 150, 1, 1, 1), 0);
    ASSERT_EQ(competitie.Schrijf(), 0);
    EXPECT_NE(LeesAlles(competitie.datafile).find("Nieuw Lid"), std::string::npos);
}

TEST_F(DataFileBewaren, AnOldLayoutWithANumberAbove99IsRaisedAndKeepsItsGames) {
    meldingen.Verwacht("De datafile '" + competitie.datafile + "' " +
                       "heeft spelers met een nummer boven 99, dat het oude formaat niet "
                       "kan bevatten. Hij wordt bij de volgende keer opslaan in het nieuwe "
                       "formaat (versie=2) geschreven, zodat er geen partij verloren gaat.");
    ASSERT_EQ(LeesTekst(Fixture("rondgang/datafile_formaat0_speler_100.txt")), 0);
    meldingen.Controleer();
    EXPECT_EQ(competitie.Formaat(), 2);
    EXPECT_TRUE(competitie.IsGewijzigd()); // written at the next write, as a raised format is

    for (int keer = 0; keer < 2; ++keer) {
        SchrijfEnLeesTerug();
        ASSERT_EQ(competitie.rondes.Aantal(), 1);
        ASSERT_EQ(competitie.rondes.Ronde(0).Uitslagen().size(), 1u);
        const CUitslag& partij = competitie.rondes.Ronde(0).Uitslagen()[0];
        EXPECT_EQ(partij.speler1, 1);
        EXPECT_EQ(partij.speler2, 100);
        EXPECT_EQ(partij.resultaat, '+');
    }
    EXPECT_NE(LeesAlles(competitie.datafile).find("versie=2\r\n"), std::string::npos);
}

TEST_F(DataFileBewaren, AnOldLayoutIsRaisedWhenARoundHoldsWhatItCannotHold) {
    // The old layout has no line for a class setting, a game without a result
    // or a comment: writing such a round in it would drop them for good.
    struct Geval {
        const char* naam;
        void (*vul)(CRonde&);
    } gevallen[] = {
        {"a class setting", [](CRonde& r) { ASSERT_EQ(r.VoegToeKlasse(1, 150), 0); }},
        {"a game without a result", [](CRonde& r) { ASSERT_EQ(r.VoegToe(1, 2, '?'), 0); }},
        {"a comment", [](CRonde& r) { ASSERT_EQ(r.VoegCommentaarToe(";uitgesteld"), 0); }},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.naam);
        ASSERT_EQ(LeesTekst(Fixture("data/formaat0.txt")), 0);
        ASSERT_EQ(competitie.Formaat(), 0);
        const int rondes = competitie.rondes.Aantal();
        auto ronde = std::make_unique<CRonde>(competitie.rondes);
        ronde->identificatie = "extra";
        g.vul(*ronde);
        const std::vector<CUitslag> uitslagen = ronde->Uitslagen();
        const std::vector<std::string> commentaar = ronde->Commentaar();
        competitie.rondes.VoegRondeToe(std::move(ronde));

        meldingen.Verwacht("De competitie '" + competitie.datafile +
                           "' bevat klasse-instellingen, partijen zonder uitslag of "
                           "commentaarregels, die het oude formaat niet kan bevatten. De "
                           "datafile wordt daarom in het nieuwe formaat (versie=2) geschreven, "
                           "zodat er niets verloren gaat.");
        ASSERT_EQ(competitie.Schrijf(), 0);
        meldingen.Controleer();
        ASSERT_EQ(competitie.Lees(), 0);
        EXPECT_EQ(competitie.Formaat(), 2);
        ASSERT_EQ(competitie.rondes.Aantal(), rondes + 1);
        const CRonde& terug = competitie.rondes.Ronde(rondes);
        ASSERT_EQ(terug.Uitslagen().size(), uitslagen.size());
        for (size_t i = 0; i < uitslagen.size(); ++i) {
            EXPECT_EQ(terug.Uitslagen()[i].soort, uitslagen[i].soort);
            EXPECT_EQ(terug.Uitslagen()[i].resultaat, uitslagen[i].resultaat);
            EXPECT_EQ(terug.Uitslagen()[i].nieuweKlasse, uitslagen[i].nieuweKlasse);
        }
        EXPECT_EQ(terug.Commentaar(), commentaar);
    }

    // A round the old layout holds whole keeps the old layout, without a word.
    ASSERT_EQ(LeesTekst(Fixture("data/formaat0.txt")), 0);
    auto ronde = std::make_unique<CRonde>(competitie.rondes);
    ronde->identificatie = "gewoon";
    ASSERT_EQ(ronde->VoegToe(1, 2, '+'), 0);
    ASSERT_EQ(ronde->VoegToe(5), 0);
    competitie.rondes.VoegRondeToe(std::move(ronde));
    ASSERT_EQ(competitie.Schrijf(), 0);
    ASSERT_EQ(competitie.Lees(), 0);
    EXPECT_EQ(competitie.Formaat(), 0);
}

TEST_F(DataFileBewaren, AControlCharacterBecomesABlankAndTheRestOfTheLineStays) {
    // A NUL inside a round identification kept the two rounds apart only
    // until the next write; inside a player line it cut off class and flags.
    meldingen.Verwacht("De datafile '" + competitie.datafile +
                       "' bevat stuurtekens (zoals NUL) in regel 8, 10; die zijn als spatie "
                       "gelezen en de rest van de regel is bewaard.");
    ASSERT_EQ(LeesTekst(Fixture("rondgang/datafile_nul_in_ronde.txt")), 0);
    meldingen.Controleer();
    SchrijfEnLeesTerug();
    ASSERT_EQ(competitie.rondes.Aantal(), 2);
    EXPECT_EQ(competitie.rondes.Ronde(0).identificatie, "ronde 1");
    EXPECT_EQ(competitie.rondes.Ronde(1).identificatie, "ronde 2");

    struct Geval {
        std::string inhoud;
        int regel;
    } gevallen[] = {
        {std::string("versie=2\r\n\r\n[Spelers]\r\n1 \"An\0na\" 200 J J N\r\n", 44), 4},
        {"oud\r\n\r\n01 An\x01na                    3  200\r\n", 3},
    };
    for (const Geval& g : gevallen) {
        meldingen.Verwacht("De datafile '" + competitie.datafile +
                           "' bevat stuurtekens (zoals NUL) in regel " + std::to_string(g.regel) +
                           "; die zijn als spatie gelezen en de rest van de regel is bewaard.");
        ASSERT_EQ(LeesTekst(g.inhoud), 0);
        meldingen.Controleer();
        SchrijfEnLeesTerug();
        ASSERT_EQ(competitie.spelers.Aantal(), 1u);
        const CSpeler& s = *competitie.spelers.begin();
        EXPECT_EQ(s.naam, "An na");
        EXPECT_EQ(s.beginKlasse, 200);
        EXPECT_EQ(s.aktief, 1);
        EXPECT_EQ(s.standaardIndelen, 1);
        EXPECT_EQ(s.uitlotenToegestaan, 0);
    }
}

TEST_F(DataFileBewaren, LinesThatAreNoPlayersAreRefusedAndCounted) {
    // A players line begins with the player's number; random bytes read as
    // a competition would otherwise come out as players numbered 0.
    struct Geval {
        std::string inhoud;
        std::string regel;
        int onleesbaar;
    } gevallen[] = {
        {"versie=2\n[Spelers]\nJan 150 J J J\n1 \"Piet\" 150 J J J\n", "Jan 150 J J J", 1},
        {"oud\n\n Jan                    1  150\n01 Piet                   1  150\n",
         " Jan                    1  150", 1},
    };
    for (const Geval& g : gevallen) {
        meldingen.Verwacht("CSpelers::VoegToe()\nSyntaxfout in regel '" + g.regel + "'.");
        ASSERT_EQ(LeesTekst(g.inhoud), 0);
        meldingen.Controleer();
        EXPECT_EQ(competitie.spelers.Aantal(), 1u);
        EXPECT_EQ(competitie.OnleesbareRegels(), g.onleesbaar);
    }
    // Blank lines lose nothing and are not counted; a clean file has none.
    ASSERT_EQ(LeesTekst(Fixture("data/formaat2.txt")), 0);
    EXPECT_EQ(competitie.OnleesbareRegels(), 0);
}

} // namespace
