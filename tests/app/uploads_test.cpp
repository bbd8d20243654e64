// The pending uploads of the application object: which files a run gets, the
// window seam, and the flags of the files that failed kept for the next run.

#include "app/morvelapp.h"
#include "publish/uploadverslag.h"

#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "uploadserver.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(Uploads, EenRunPerAanroepEnEenMisluktBestandBlijftGemarkeerd) {
    CMeldingRecorder recorder;
    CTijdelijkeMap tmp;
    fs::copy_file(std::string(MORVEL_FIXTURES) + "/../../share/voorbeeld/morvel.ini",
                  tmp.Bestand("morvel.ini"));
    fs::create_directories(tmp.Bestand("data/Najaar"));
    fs::create_directory(tmp.Bestand("server"));
    SchrijfAlles(tmp.Bestand("data/Najaar/uitslag.inc"), "uitslag\r\n");
    // stand.inc is missing, so its copy cannot be made.
    CUploadServer server("ftp", {tmp.Bestand("server"), "club", "geheim"});

    CMorvelApp app(tmp.Bestand("morvel.ini"));
    app.competitie.competitieMap = tmp.Bestand("data/Najaar");
    app.settings.SetHtmlMethode("FTP");
    app.settings.SetServer("127.0.0.1");
    app.settings.SetPoort(server.PoortTekst());
    app.settings.SetGebruikersnaam("club");
    app.settings.SetWachtwoord("geheim");
    app.settings.SetRemoteDirectory("");
    app.settings.SetCompetitieIdAanPadToevoegen(1);
    std::vector<int> maskers;
    app.uploadVenster = [&maskers](CUploadRun& run) {
        maskers.push_back(run.Masker());
        CUploadVerslag verslag;
        CUploadOmgeving zonderVenster;
        run.Voer(verslag, zonderVenster);
    };

    app.VoerUploadsUit();
    EXPECT_TRUE(maskers.empty());

    app.uploadNodig.Zet(HtmlBestand::Stand);
    app.uploadNodig.Zet(HtmlBestand::Uitslag);
    app.VoerUploadsUit();
    EXPECT_EQ(std::vector<int>{1 | 8}, maskers);
    EXPECT_FALSE(app.uploadNodig.Nodig(HtmlBestand::Uitslag));
    EXPECT_TRUE(app.uploadNodig.Nodig(HtmlBestand::Stand));
    EXPECT_EQ("uitslag\n", LeesAlles(tmp.Bestand("server/Najaar/uitslag.inc")));

    // The next run tries the failed file again, and only that one.
    SchrijfAlles(tmp.Bestand("data/Najaar/stand.inc"), "stand\r\n");
    app.VoerUploadsUit();
    EXPECT_EQ((std::vector<int>{1 | 8, 8}), maskers);
    EXPECT_FALSE(app.uploadNodig.Iets());
    EXPECT_EQ("stand\n", LeesAlles(tmp.Bestand("server/Najaar/stand.inc")));
}

} // namespace
