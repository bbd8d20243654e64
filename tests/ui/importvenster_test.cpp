// The preview of a member list and "&Importeren" of the members window,
// driven without Qt.

#include "app/morvelapp.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "ui/importvenster.h"
#include "ui/ledenvenster.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ImportVenster : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        SchrijfAlles(tmp.Bestand("club.txt"), "versie=2\n\n[Spelers]\n"
                                              "3 \"Piet Jansen\" 150 J J J\n"
                                              "\n[Uitslagen]\n");
        SchrijfAlles(tmp.Bestand("leden.csv"), "Naam;Klasse;Aktief\r\n"
                                               "Anna de Wit;12,5;J\r\n"
                                               "piet jansen;150;J\r\n"
                                               "Bram Visser;3 kyu;N\r\n");
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        ASSERT_EQ(0, app->OpenCompetitie(tmp.Bestand("club.txt")));
    }
    void TearDown() override { app->competitie.spelers.WisGewijzigd(); }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

TEST_F(ImportVenster, VoorbeeldImporterenEnAfbreken) {
    CLedenVenster leden(*app);
    CLedenImport import;
    ASSERT_EQ(0, leden.LeesImport(tmp.Bestand("leden.csv"), import));
    {
        // "Afbreken": the preview closes without "&Importeren"; nothing is added.
        CImportVenster voorbeeld(*app, tmp.Bestand("leden.csv"), import);
        EXPECT_TRUE(voorbeeld.ImporterenAan());
    }
    EXPECT_EQ(1u, app->competitie.spelers.Aantal());
    EXPECT_FALSE(app->competitie.spelers.IsGewijzigd());
    EXPECT_FALSE(std::filesystem::exists(app->HerstelPad()));

    CImportVenster voorbeeld(*app, tmp.Bestand("leden.csv"), import);
    EXPECT_EQ((std::vector<std::string>{
                  "Bestand: " + tmp.Bestand("leden.csv"),
                  "Scheidingsteken puntkomma, tekenset UTF-8, met kopregel; kolommen: naam 1, "
                  "klasse 2, aktief 3.",
                  "2 nieuwe leden, 1 regel overgeslagen.",
              }),
              voorbeeld.Kop());
    EXPECT_EQ((std::vector<std::string>{
                  "2\tAnna de Wit\t12,5 = 125 (4 dan, sterk)\tJ J J\tnieuw, nummer 4",
                  "3\tpiet jansen\t150 = 150 (3 dan, zwak)\tJ J J\tbestaat al: overgeslagen",
                  "4\tBram Visser\t3 kyu = 250 (3 kyu, zwak)\tN J J\tnieuw, nummer 5",
              }),
              voorbeeld.Rijen());
    recorder.Verwacht("2 leden toegevoegd, 1 overgeslagen.");
    EXPECT_EQ(0, voorbeeld.Importeren());
    EXPECT_EQ("Leden importeren", recorder.meldingen.back().titel);
    EXPECT_EQ("Anna de Wit", app->competitie.spelers.Zoek(4)->naam);
    EXPECT_EQ(0, app->competitie.spelers.Zoek(5)->aktief);
    // Every accepted change is kept in the recovery copy.
    EXPECT_TRUE(std::filesystem::exists(app->HerstelPad()));

    leden.NaImport();
    EXPECT_EQ((std::vector<std::string>{"3\tPiet Jansen", "4\tAnna de Wit"}), leden.Rijen());
}

TEST_F(ImportVenster, AlleenTijdensBladerenEnNietsNieuws) {
    CLedenVenster leden(*app);
    CLedenImport import;
    leden.Toevoegen();
    EXPECT_FALSE(leden.ImporterenAan());
    EXPECT_EQ(-1, leden.LeesImport(tmp.Bestand("leden.csv"), import));
    leden.Afbreken();
    EXPECT_TRUE(leden.ImporterenAan());
    EXPECT_EQ(tmp.Pad(), leden.ImportMap());

    SchrijfAlles(tmp.Bestand("oud.csv"), "Piet Jansen;150\n");
    ASSERT_EQ(0, leden.LeesImport(tmp.Bestand("oud.csv"), import));
    CImportVenster voorbeeld(*app, "oud.csv", import);
    EXPECT_FALSE(voorbeeld.ImporterenAan());
    EXPECT_EQ("0 nieuwe leden, 1 regel overgeslagen.", voorbeeld.Kop()[2]);
    recorder.Verwacht("0 leden toegevoegd, 1 overgeslagen.");
    EXPECT_EQ(-1, voorbeeld.Importeren());
    EXPECT_FALSE(app->competitie.spelers.IsGewijzigd());
}

} // namespace
