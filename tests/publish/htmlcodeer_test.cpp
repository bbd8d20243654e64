// The entity-encoded copy of an include file that goes to the web server.

#include "base/platform.h"
#include "publish/htmlcodeer.h"
#include "publish/uploadlog.h"
#include "tijdelijke_map.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

class CLogRegels : public CUploadLog {
public:
    void VoegRegelToe(const std::string& regel) override { regels.push_back(regel); }
    std::vector<std::string> regels;
};

class HtmlCodeerTest : public ::testing::Test {
protected:
    // Encodes `bron` and returns the copy; fails the test when it did not work.
    std::string Codeer(const std::string& bron) {
        SchrijfAlles(map.Bestand("bron.inc"), bron);
        EXPECT_TRUE(HtmlCodeer(map.Bestand("bron.inc"), map.Bestand("doel.inc"), log));
        EXPECT_TRUE(log.regels.empty());
        return LeesAlles(map.Bestand("doel.inc"));
    }

    CTijdelijkeMap map;
    CLogRegels log;
};

TEST_F(HtmlCodeerTest, HogeBytesWordenEntiteitenEnDeHtmlBlijftStaan) {
    EXPECT_EQ("A&&eacute;?", Codeer("A&\xE9\x81"));

    std::string laag;
    for (int c = 0; c < 0x80; ++c) {
        laag += static_cast<char>(c);
    }
    EXPECT_EQ(laag, Codeer(laag));

    std::string hoog;
    for (int c = 0x80; c <= 0xFF; ++c) {
        hoog += static_cast<char>(c);
    }
    EXPECT_EQ(Fixture("html/codeer_80_ff.txt"), Codeer(hoog));
}

TEST_F(HtmlCodeerTest, LangeRegelsEnRegeleindenOverDeGrensVanEenStuk) {
    std::string bron =
        "<TR><TD>" + std::string(1020, 'x') + "\xEB\xEB\r\n" + std::string(3000, '\xE9') + "\r\n";
    std::string verwacht = "<TR><TD>" + std::string(1020, 'x') + "&euml;&euml;\r\n";
    for (int i = 0; i < 3000; ++i) {
        verwacht += "&eacute;";
    }
    EXPECT_EQ(verwacht + "\r\n", Codeer(bron));
}

TEST_F(HtmlCodeerTest, FoutenKomenInHetLog) {
    EXPECT_FALSE(HtmlCodeer(map.Bestand("ontbreekt.inc"), map.Bestand("doel.inc"), log));
    EXPECT_EQ(std::vector<std::string>{SysteemFoutTekst(ENOENT)}, log.regels);
    EXPECT_FALSE(std::filesystem::exists(map.Bestand("doel.inc")));

    log.regels.clear();
    SchrijfAlles(map.Bestand("bron.inc"), "tekst");
    EXPECT_FALSE(HtmlCodeer(map.Bestand("bron.inc"), map.Bestand("geen/doel.inc"), log));
    EXPECT_EQ(std::vector<std::string>{SysteemFoutTekst(ENOENT)}, log.regels);

    if (std::filesystem::exists("/dev/full")) {
        log.regels.clear();
        EXPECT_FALSE(HtmlCodeer(map.Bestand("bron.inc"), "/dev/full", log));
        EXPECT_EQ(std::vector<std::string>{SysteemFoutTekst(ENOSPC)}, log.regels);
    }
}

} // namespace
