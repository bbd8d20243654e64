// The rules of the settings windows without Qt: what the paths, print
// preferences, HTML and pairing parameter windows store, ask and enable.

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "base/witruimte.h"
#include "melding_recorder.h"
#include "settings/settings.h"
#include "tijdelijke_map.h"
#include "ui/afdrukvoorkeur.h"
#include "ui/htmlinstellingen.h"
#include "ui/indelingsparametervenster.h"
#include "ui/padeninstellingen.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr const char* kWaarschuwing =
    "Waarschuwing:\nHet aanpassen van de datadirectory heeft niet automatisch het verplaatsen van "
    "de betreffende bestanden tot gevolg!";
constexpr const char* kDataVraag = "De Data Directory bestaat niet, aanmaken?";
constexpr const char* kDataMislukt = "Kan de gespecificeerde Data Directory niet aanmaken";
constexpr const char* kBackupVraag = "De Backup Directory bestaat niet, aanmaken?";
constexpr const char* kBackupMislukt = "Kan de gespecificeerde Backup Directory niet aanmaken";

class InstellingVensters : public ::testing::Test {
protected:
    void SetUp() override {
        SchrijfAlles(tmp.Bestand("morvel.ini"), Fixture("settings/formulesets.ini"));
        settings = std::make_unique<CSettings>(tmp.Bestand("morvel.ini"));
        ASSERT_FALSE(settings->Gewijzigd());
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CSettings> settings;
};

// --- Paden ---

TEST_F(InstellingVensters, AChangedDataPathWarnsAsksAndIsStoredWhateverTheAnswer) {
    settings->SetDataPad(tmp.Bestand("oud"));
    CPadenInvoer paden = LeesPaden(*settings);
    paden.dataPad = "  " + tmp.Pad() + "//Club\\\\Data/ ";
    recorder.Verwacht(kWaarschuwing).Verwacht(kDataVraag, Antwoord::Nee);
    BewaarPaden(*settings, paden);
    EXPECT_EQ(Knoppen::Ok, recorder.meldingen[0].knoppen);
    EXPECT_EQ(Knoppen::JaNee, recorder.meldingen[1].knoppen);
    EXPECT_EQ(tmp.Pad() + "/Club/Data", settings->DataPad());
    EXPECT_FALSE(IsMap(tmp.Bestand("Club")));

    paden.dataPad = tmp.Bestand("Club/Nieuw");
    recorder.Verwacht(kWaarschuwing).Verwacht(kDataVraag, Antwoord::Ja);
    BewaarPaden(*settings, paden);
    EXPECT_TRUE(IsMap(tmp.Bestand("Club/Nieuw")));
    EXPECT_EQ(tmp.Bestand("Club/Nieuw"), settings->DataPad());

    // A folder below a file cannot be made; the path is stored all the same.
    SchrijfAlles(tmp.Bestand("bestand"), "");
    paden.dataPad = tmp.Bestand("bestand/data");
    recorder.Verwacht(kWaarschuwing).Verwacht(kDataVraag, Antwoord::Ja).Verwacht(kDataMislukt);
    BewaarPaden(*settings, paden);
    EXPECT_EQ(tmp.Bestand("bestand/data"), settings->DataPad());

    // An existing folder: the warning alone.
    paden.dataPad = tmp.Pad();
    recorder.Verwacht(kWaarschuwing);
    BewaarPaden(*settings, paden);
    EXPECT_EQ(tmp.Pad(), settings->DataPad());
}

TEST_F(InstellingVensters, AnUnchangedDataPathIsNeitherWarnedNorAskedAbout) {
    settings->SetDataPad(tmp.Bestand("bestaat/niet"));
    CPadenInvoer paden = LeesPaden(*settings);
    EXPECT_EQ(tmp.Bestand("bestaat/niet"), paden.dataPad);
    paden.dataPad = tmp.Bestand("bestaat\\niet\\"); // the same after normalising
    BewaarPaden(*settings, paden);
    EXPECT_EQ(tmp.Bestand("bestaat/niet"), settings->DataPad());
    EXPECT_TRUE(recorder.meldingen.empty());
}

TEST_F(InstellingVensters, TheBackupFolderIsAskedAboutAtEveryOkWhileTheBoxIsOn) {
    CPadenInvoer paden = LeesPaden(*settings);
    paden.makeBackup = true;
    paden.backupPad = tmp.Bestand("backup/");
    for (int keer = 0; keer < 2; ++keer) {
        recorder.Verwacht(kBackupVraag, Antwoord::Nee);
        BewaarPaden(*settings, paden);
        EXPECT_EQ(tmp.Bestand("backup"), settings->BackupPad());
        EXPECT_EQ(1, settings->MakeBackup());
    }
    recorder.Verwacht(kBackupVraag, Antwoord::Ja);
    BewaarPaden(*settings, paden);
    EXPECT_TRUE(IsMap(tmp.Bestand("backup")));
    BewaarPaden(*settings, paden); // it exists now: no question
    recorder.Controleer();

    // Empty: asked about, cannot be made, reported, stored.
    paden.backupPad = " ";
    recorder.Verwacht(kBackupVraag, Antwoord::Ja).Verwacht(kBackupMislukt);
    BewaarPaden(*settings, paden);
    EXPECT_EQ("", settings->BackupPad());

    // With the box off a missing folder is no question.
    paden.makeBackup = false;
    paden.backupPad = tmp.Bestand("nergens");
    BewaarPaden(*settings, paden);
    EXPECT_EQ(0, settings->MakeBackup());
    EXPECT_EQ(tmp.Bestand("nergens"), settings->BackupPad());
}

TEST_F(InstellingVensters, TheSpreadsheetIsNormalisedAndLongPathsAreCut) {
    CPadenInvoer paden = LeesPaden(*settings);
    paden.spreadSheet = "\\usr\\bin\\\\libreoffice ";
    BewaarPaden(*settings, paden);
    EXPECT_EQ("/usr/bin/libreoffice", settings->SpreadSheet());

    paden.spreadSheet = "/" + std::string(300, 'x');
    BewaarPaden(*settings, paden);
    EXPECT_EQ("/" + std::string(258, 'x'), settings->SpreadSheet());
}

// --- Afdrukvoorkeur ---

TEST(Afdrukvoorkeur, OnlyMonospacedFamiliesEachOnceAndSorted) {
    const std::vector<CLettertypeFamilie> families = {
        {"DejaVu Sans Mono", true},  {"DejaVu Sans", false}, {"courier", true},
        {"Liberation Serif", false}, {"Courier", true},      {"Andale Mono", true},
        {"DejaVu Sans Mono", true}};
    EXPECT_EQ((std::vector<std::string>{"Andale Mono", "courier", "DejaVu Sans Mono"}),
              VasteBreedteLettertypen(families));
}

TEST(Afdrukvoorkeur, TheSizesRunFromThreeToTwentyPointNine) {
    EXPECT_EQ("3.0", GrootteTekst(30));
    EXPECT_EQ("12.0", GrootteTekst(120));
    EXPECT_EQ("20.9", GrootteTekst(209));
}

TEST_F(InstellingVensters, PrintPreferencesSelectStoreAndNeedBothChoices) {
    const std::vector<CLettertypeFamilie> families = {
        {"DejaVu Sans Mono", true}, {"DejaVu Sans", false}, {"Courier 10 Pitch", true}};
    settings->SetLettertype("dejavu");
    settings->SetLetterGrootte(120);
    settings->SetIndelingOpNieuwePagina(1);
    CAfdrukvoorkeurVenster venster(*settings, families);
    ASSERT_EQ(180u, venster.Groottes().size());
    EXPECT_EQ("3.0", venster.Groottes().front());
    EXPECT_EQ("20.9", venster.Groottes().back());
    EXPECT_EQ("12.0", venster.Groottes()[static_cast<size_t>(venster.Grootte())]);
    EXPECT_EQ("DejaVu Sans Mono", venster.GekozenLettertype()); // begins with it, any case
    EXPECT_FALSE(venster.StandOpNieuwePagina());
    EXPECT_TRUE(venster.IndelingOpNieuwePagina());
    EXPECT_TRUE(venster.OkAan());

    venster.KiesGrootte(65); // "9.5"
    EXPECT_EQ("9.5", venster.Groottes()[65]);
    venster.KiesLettertype(0);
    venster.ZetStandOpNieuwePagina(true);
    ASSERT_EQ(0, venster.Ok(*settings));
    EXPECT_EQ(95, settings->LetterGrootte());
    EXPECT_EQ("Courier 10 Pitch", settings->Lettertype());
    EXPECT_EQ(1, settings->StandOpNieuwePagina());

    // A size outside the list and a font that is not installed select nothing;
    // OK then does nothing.
    settings->SetLetterGrootte(250);
    settings->SetLettertype("Courier New");
    CAfdrukvoorkeurVenster zonder(*settings, families);
    EXPECT_EQ(-1, zonder.Grootte());
    EXPECT_EQ(-1, zonder.Lettertype());
    EXPECT_FALSE(zonder.OkAan());
    zonder.KiesLettertype(1);
    EXPECT_FALSE(zonder.OkAan());
    zonder.ZetStandOpNieuwePagina(false);
    EXPECT_EQ(-1, zonder.Ok(*settings));
    EXPECT_EQ(1, settings->StandOpNieuwePagina());
    EXPECT_EQ("Courier New", settings->Lettertype());
    EXPECT_EQ("", zonder.Opmerking());
}

// Without the stored font the family that printing takes in its place is
// chosen, listed when the platform does not call it monospaced, and named.
TEST_F(InstellingVensters, PrintPreferencesChooseTheFontPrintingUsesInsteadOfAMissingOne) {
    const std::vector<CLettertypeFamilie> families = {{"DejaVu Sans Mono", true},
                                                      {"Liberation Mono", true}};
    settings->SetLettertype("Courier New");
    struct CGeval {
        const char* gebruikt;
        std::vector<std::string> lijst;
    };
    const CGeval gevallen[] = {
        {"Liberation Mono", {"DejaVu Sans Mono", "Liberation Mono"}},
        {"liberation mono", {"DejaVu Sans Mono", "Liberation Mono"}},
        {"Noto Sans Mono", {"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono"}},
        {"Andale Mono", {"Andale Mono", "DejaVu Sans Mono", "Liberation Mono"}},
    };
    for (const CGeval& g : gevallen) {
        CAfdrukvoorkeurVenster venster(*settings, families, g.gebruikt);
        EXPECT_EQ(g.lijst, venster.Lettertypen()) << g.gebruikt;
        ASSERT_TRUE(venster.OkAan()) << g.gebruikt;
        const std::string gekozen = venster.GekozenLettertype();
        EXPECT_TRUE(GelijkZonderHoofdletters(g.gebruikt, gekozen)) << gekozen;
        EXPECT_EQ("'Courier New' is niet ge\xEFnstalleerd; het afdrukken gebruikt '" + gekozen +
                      "'.",
                  venster.Opmerking());
    }
    CAfdrukvoorkeurVenster venster(*settings, families, "Noto Sans Mono");
    ASSERT_EQ(0, venster.Ok(*settings));
    EXPECT_EQ("Noto Sans Mono", settings->Lettertype());
    // The stored font is one of the list: no remark.
    EXPECT_EQ("", CAfdrukvoorkeurVenster(*settings, families, "Noto Sans Mono").Opmerking());
}

// --- HTML uitvoer ---

struct CUploadRegel {
    std::array<int32_t, 5> modi;
    UploadMethode methode;
    bool uploadVelden;
    bool passief;
    bool certificaat;
};

class HtmlUploadRegel : public InstellingVensters,
                        public ::testing::WithParamInterface<CUploadRegel> {};

TEST_P(HtmlUploadRegel, TheUploadFieldsNeedAnUploadAndThePassiveBoxFtp) {
    const CUploadRegel& regel = GetParam();
    CHtmlVenster venster(*settings);
    for (int i = 0; i < 5; ++i) {
        venster.ZetModus(i, regel.modi[static_cast<size_t>(i)]);
    }
    venster.KiesMethode(regel.methode);
    EXPECT_EQ(regel.uploadVelden, venster.UploadVeldenAan());
    EXPECT_EQ(regel.passief, venster.PassiefAan());
    EXPECT_EQ(regel.certificaat, venster.CertificaatAan());
}

constexpr UploadMethode kFtp = UploadMethode::Ftp;
constexpr UploadMethode kFtps = UploadMethode::Ftps;
constexpr UploadMethode kSftp = UploadMethode::Sftp;

INSTANTIATE_TEST_SUITE_P(
    Modi, HtmlUploadRegel,
    ::testing::Values(CUploadRegel{{0, 0, 0, 0, 0}, kFtp, false, true, false},
                      CUploadRegel{{0, 0, 0, 0, 0}, kSftp, false, false, false},
                      CUploadRegel{{0, 0, 0, 0, 0}, kFtps, false, true, false},
                      CUploadRegel{{1, 1, 1, 1, 1}, kFtp, false, true, false},
                      CUploadRegel{{0, 0, 0, 2, 0}, kFtp, true, true, false},
                      CUploadRegel{{0, 0, 0, 0, 2}, kFtp, true, true, false},
                      CUploadRegel{{0, 0, 0, 2, 0}, kFtps, true, true, true},
                      CUploadRegel{{2, 0, 1, 0, 1}, kSftp, true, false, false}));

TEST_F(InstellingVensters, EveryStoredMethodIsKeptAndFtpsIsOneOfThem) {
    const std::pair<const char*, UploadMethode> gevallen[] = {
        {"FTP", kFtp}, {"SFTP", kSftp}, {"FTPS", kFtps}, {"ftps", kFtp}, {"", kFtp}};
    for (const auto& [tekst, methode] : gevallen) {
        SCOPED_TRACE(tekst);
        settings->SetHtmlMethode(tekst);
        settings->SetHtmlCertificaat("/etc/club-ca.pem");
        CHtmlVenster venster(*settings);
        EXPECT_EQ(methode, venster.Methode());
        EXPECT_EQ("/etc/club-ca.pem", venster.certificaat);
        venster.Ok(*settings);
        EXPECT_EQ(MethodeTekst(methode), settings->HtmlMethode());
    }
    CHtmlVenster venster(*settings);
    venster.KiesMethode(kFtps);
    EXPECT_EQ("21", venster.poort);
    venster.certificaat = "";
    venster.Ok(*settings);
    EXPECT_EQ("FTPS", settings->HtmlMethode());
    EXPECT_EQ("", settings->HtmlCertificaat());
}

TEST_F(InstellingVensters, TheMethodSetsItsPortAndEverythingIsStoredAsTyped) {
    settings->SetHtmlMethode("sftp"); // only "SFTP" exactly is SFTP
    settings->SetPoort("2121");
    CHtmlVenster venster(*settings);
    EXPECT_EQ(kFtp, venster.Methode());
    EXPECT_EQ("2121", venster.poort);
    venster.KiesMethode(kSftp);
    EXPECT_EQ("22", venster.poort);
    venster.KiesMethode(kFtp);
    EXPECT_EQ("21", venster.poort);
    venster.KiesMethode(kSftp);

    venster.ZetModus(CHtmlVenster::kStand, 2);
    venster.ZetModus(CHtmlVenster::kKlassenverloop, 1);
    venster.server = " ftp.club.nl ";
    venster.poort = "0";
    venster.gebruikersnaam = "beheer ";
    venster.remoteDirectory = "/www/";
    venster.passief = false;
    venster.competitieIdAanPad = false;
    venster.automatischAfsluiten = true;
    venster.Ok(*settings);
    EXPECT_EQ(2, settings->HtmlStand());
    EXPECT_EQ(1, settings->HtmlKlassenverloop());
    EXPECT_EQ(0, settings->HtmlUitslag());
    EXPECT_EQ(" ftp.club.nl ", settings->Server());
    EXPECT_EQ("0", settings->Poort());
    EXPECT_EQ("beheer ", settings->Gebruikersnaam());
    EXPECT_EQ("/www/", settings->RemoteDirectory());
    EXPECT_EQ(0, settings->FtpModePassief());
    EXPECT_EQ(0, settings->CompetitieIdAanPadToevoegen());
    EXPECT_EQ(1, settings->AutomatischAfsluiten());
    EXPECT_EQ("SFTP", settings->HtmlMethode());
}

TEST_F(InstellingVensters, ThePasswordShowsThePlaceholderAndIsStoredOnlyWhenEdited) {
    const std::string lang = "een-wachtwoord-van-ruim-zestien-tekens";
    settings->SetWachtwoord(lang);
    CHtmlVenster ongemoeid(*settings);
    EXPECT_EQ("1234567890123456", ongemoeid.Wachtwoord());
    EXPECT_FALSE(ongemoeid.WachtwoordGewijzigd());
    ongemoeid.Ok(*settings);
    EXPECT_EQ(lang, settings->Wachtwoord());

    CHtmlVenster getypt(*settings);
    getypt.ZetWachtwoord("123456789012345"); // one digit of the placeholder removed
    getypt.Ok(*settings);
    EXPECT_EQ("123456789012345", settings->Wachtwoord());
}

// --- Indelingsparameters ---

TEST_F(InstellingVensters, PairingParametersStoreOnlyWhatDiffers) {
    CIndelingsVelden velden = LeesIndelingsParameters(*settings);
    EXPECT_EQ((CIndelingsVelden{"8", "0", "1000", "20000", "17", "10", "20", "0", "400", "0"}),
              velden);
    BewaarIndelingsParameters(*settings, velden);
    EXPECT_FALSE(settings->Gewijzigd());
    velden[4] = " 17 "; // the same number
    BewaarIndelingsParameters(*settings, velden);
    EXPECT_FALSE(settings->Gewijzigd());

    velden[0] = "10 paren";
    velden[2] = "-500";
    velden[6] = "veel";
    BewaarIndelingsParameters(*settings, velden);
    EXPECT_TRUE(settings->Gewijzigd());
    EXPECT_EQ(10, settings->MaximaalAantalVoorVolledig());
    EXPECT_EQ(-500, settings->PenaltyUitgeloot());
    EXPECT_EQ(0, settings->PenaltyKlasseVerschilHoog());
    EXPECT_EQ(17, settings->PenaltyKlasseVerschilGrens());
    EXPECT_EQ(400, settings->PenaltyNietZoIngedeeldLaag());
}

TEST_F(InstellingVensters, ExactPairingCheckBoxStoresOnlyAChange) {
    struct Geval {
        int32_t waarde; // ExacteIndeling in the profile
        bool vinkje;    // as the window opens
        bool aan;       // as "&Ok" finds it
        int32_t nieuw;
        bool gewijzigd;
    };
    const Geval gevallen[] = {
        {1, true, true, 1, false}, {1, true, false, 0, true}, {0, false, false, 0, false},
        {0, false, true, 1, true}, {5, true, true, 5, false}, // any other value is checked
    };
    for (const Geval& g : gevallen) {
        settings.reset();
        SchrijfAlles(tmp.Bestand("morvel.ini"), Fixture("settings/formulesets.ini") +
                                                    "[Indeling Parameters]\r\nExacteIndeling=" +
                                                    std::to_string(g.waarde) + "\r\n");
        settings = std::make_unique<CSettings>(tmp.Bestand("morvel.ini"));
        EXPECT_EQ(g.vinkje, LeesExacteIndeling(*settings)) << g.waarde;
        BewaarExacteIndeling(*settings, g.aan);
        EXPECT_EQ(g.nieuw, settings->ExacteIndeling()) << g.waarde << " " << g.aan;
        EXPECT_EQ(g.gewijzigd, settings->Gewijzigd()) << g.waarde << " " << g.aan;
    }
}

} // namespace
