#include "app/bestandkopie.h"

#include "base/mappen.h"
#include "base/platform.h"
#include "bestandsgrens.h"
#include "data/competitie.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string BronMelding(const std::string& pad, int fout) {
    return "FileCopy\nKan het source bestand niet openen om te lezen.\n'" + pad + "'\n(" +
           SysteemFoutTekst(fout) + ")";
}

std::string DoelMelding(const std::string& pad, int fout) {
    return "FileCopy\nKan het target bestand niet openen om te schrijven.\n'" + pad + "'\n(" +
           SysteemFoutTekst(fout) + ")";
}

std::string Bytes(size_t aantal) {
    std::string tekst(aantal, '\0');
    for (size_t i = 0; i < aantal; ++i) {
        tekst[i] = static_cast<char>((i * 7919) % 251);
    }
    return tekst;
}

} // namespace

TEST(FileCopy, KopieertElkeGrootteHeelInNieuweMappen) {
    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    for (size_t grootte : {size_t{0}, size_t{1}, size_t{16384}, size_t{3 * 16384 + 17}}) {
        std::string bron = tmp.Bestand("bron.bin");
        std::string doel = tmp.Bestand("diep/in/de/backup/doel.bin");
        SchrijfAlles(bron, Bytes(grootte));
        EXPECT_EQ(0, FileCopy(bron, doel)) << grootte;
        EXPECT_EQ(Bytes(grootte), LeesAlles(doel)) << grootte;
    }
}

TEST(FileCopy, VervangtEenLangerDoelHelemaal) {
    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    SchrijfAlles(tmp.Bestand("bron"), "kort");
    SchrijfAlles(tmp.Bestand("doel"), "een veel langere oude inhoud");
    EXPECT_EQ(0, FileCopy(tmp.Bestand("bron"), tmp.Bestand("doel")));
    EXPECT_EQ("kort", LeesAlles(tmp.Bestand("doel")));
}

TEST(FileCopy, OntbrekendeBronMeldtDeBronNaDatDeMappenErZijn) {
    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::string bron = tmp.Bestand("weg.txt");
    std::string doel = tmp.Bestand("backup/weg.txt");
    recorder.Verwacht(BronMelding(bron, ENOENT));
    EXPECT_EQ(-1, FileCopy(bron, doel));
    EXPECT_EQ(1, IsMap(tmp.Bestand("backup")));
    EXPECT_NE(0, access(doel.c_str(), F_OK));
}

TEST(FileCopy, EenDoelDatEldersOpenIsBlijftOnaangeroerd) {
    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::string bron = tmp.Bestand("bron");
    std::string doel = tmp.Bestand("doel");
    SchrijfAlles(bron, "nieuw");
    SchrijfAlles(doel, "in gebruik");
    int fd = open(doel.c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(0, flock(fd, LOCK_EX));
    recorder.Verwacht(DoelMelding(doel, EWOULDBLOCK));
    EXPECT_EQ(-1, FileCopy(bron, doel));
    close(fd);
    EXPECT_EQ("in gebruik", LeesAlles(doel));
}

TEST(FileCopy, WeigertDoelenDieGeenBestandKunnenZijn) {
    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::string bron = tmp.Bestand("data.txt");
    SchrijfAlles(bron, "spelers en uitslagen");
    MaakMappen(tmp.Bestand("een-map"), false);

    recorder.Verwacht(DoelMelding(tmp.Bestand("een-map"), EISDIR));
    EXPECT_EQ(-1, FileCopy(bron, tmp.Bestand("een-map")));

    // Copying a file onto itself must not empty it.
    std::string zelfde = tmp.Pad() + "//data.txt";
    recorder.Verwacht(DoelMelding(zelfde, EWOULDBLOCK));
    EXPECT_EQ(-1, FileCopy(bron, zelfde));
    EXPECT_EQ("spelers en uitslagen", LeesAlles(bron));
}

TEST(FileCopy, SchrijfEnLeesfoutenWordenGemeld) {
    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    SchrijfAlles(tmp.Bestand("bron"), Bytes(40000));
    {
        CBestandsGrens vol(1000); // a disk that fills up half way
        recorder.Verwacht("FileCopy\nSchrijffout!\n(" + SysteemFoutTekst(EFBIG) + ")");
        EXPECT_EQ(-1, FileCopy(tmp.Bestand("bron"), tmp.Bestand("doel")));
    }

    // A source that is no regular file is refused, never passed off as an empty copy.
    MaakMappen(tmp.Bestand("map"), false);
    recorder.Verwacht("FileCopy\nKan het source bestand niet openen om te lezen.\n'" +
                      tmp.Bestand("map") + "'\n(" + SysteemFoutTekst(EISDIR) + ")");
    EXPECT_EQ(-1, FileCopy(tmp.Bestand("map"), tmp.Bestand("doel2")));
}

namespace {

// A competition in a temporary folder whose writes are followed by the backup.
class BackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        MaakMappen(tmp.Bestand("Najaar"), false);
        competitie.competitieMap = tmp.Bestand("Najaar");
        competitie.datafile = tmp.Bestand("Najaar/najaar.txt");
        SchrijfAlles(competitie.datafile, "versie=2\r\n\r\n[Spelers]\r\n1 \"Anna Bakker\" 150 J J "
                                          "N\r\n\r\n[Uitslagen]\r\n");
        ASSERT_EQ(0, competitie.Lees());
        competitie.naSchrijven = [this](const std::string& datafile) {
            backupUitkomst = MaakBackup(datafile, makeBackup, backupPad);
        };
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    CCompetitie competitie;
    int makeBackup = 1;
    std::string backupPad;
    int backupUitkomst = 99;
};

} // namespace

TEST_F(BackupTest, ElkeSchrijfActieKopieertHetDatabestand) {
    backupPad = tmp.Bestand("backup/club");
    competitie.spelers.ZetGewijzigd();
    EXPECT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(0, backupUitkomst);
    EXPECT_EQ(LeesAlles(competitie.datafile), LeesAlles(tmp.Bestand("backup/club/najaar.txt")));

    // Without a change nothing is written and no copy is made.
    std::remove(tmp.Bestand("backup/club/najaar.txt").c_str());
    backupUitkomst = 99;
    EXPECT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(99, backupUitkomst);
    EXPECT_NE(0, access(tmp.Bestand("backup/club/najaar.txt").c_str(), F_OK));
}

TEST_F(BackupTest, ZonderBackupGeenKopie) {
    makeBackup = 0;
    backupPad = tmp.Bestand("backup");
    competitie.spelers.ZetGewijzigd();
    EXPECT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(0, backupUitkomst);
    EXPECT_EQ(0, IsMap(tmp.Bestand("backup")));
}

TEST_F(BackupTest, EenMislukteBackupLaatHetSchrijvenStaan) {
    SchrijfAlles(tmp.Bestand("geen-map"), "een bestand, geen map");
    backupPad = tmp.Bestand("geen-map");
    recorder.Verwacht(DoelMelding(backupPad + "/najaar.txt", ENOTDIR));
    std::string naam = "Bert Smit";
    ASSERT_EQ(0, competitie.spelers.VoegToe(2, naam, 200, 1, 1, 1));
    EXPECT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(-1, backupUitkomst);
    EXPECT_FALSE(competitie.IsGewijzigd());
    EXPECT_NE(std::string::npos, LeesAlles(competitie.datafile).find("Bert Smit"));
}

TEST_F(BackupTest, ZonderBackupPadEenMeldingEnGeenKopie) {
    backupPad = "";
    recorder.Verwacht("Er is geen backup directory opgegeven; van '" + competitie.datafile +
                      "' is geen backup gemaakt.\nGeef een backup directory op via het "
                      "configuratiescherm, optie Paden.");
    competitie.spelers.ZetGewijzigd();
    EXPECT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(-1, backupUitkomst);
    EXPECT_FALSE(competitie.IsGewijzigd());
}
