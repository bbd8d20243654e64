#include "publish/upload.h"

#include "base/codering.h"
#include "base/pad.h"
#include "base/platform.h"
#include "publish/htmlcodeer.h"
#include "publish/htmlschrijver.h"
#include "publish/uploadstappen.h"
#include "settings/settings.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

int UploadMasker(const CUploadNodig& nodig) {
    int masker = 0;
    for (const CUploadBestand& b : kUploadVolgorde) {
        if (nodig.Nodig(b.bestand)) {
            masker |= b.bit;
        }
    }
    return masker;
}

void WisVerzonden(CUploadNodig& nodig, int masker) {
    for (const CUploadBestand& b : kUploadVolgorde) {
        if ((masker & b.bit) == 0) {
            nodig.Wis(b.bestand);
        }
    }
}

bool CUploadRun::Voer(CUploadVerslag& verslag, CUploadOmgeving& omgeving) {
    CUploadStappen stappen(verslag, omgeving);
    if (settings_.HtmlMethode() == "SFTP") {
        return SftpUpload(settings_, doel_, masker_, stappen);
    }
    return FtpUpload(settings_, doel_, masker_, stappen);
}

bool ZendBestanden(int& masker, const std::function<bool(const std::string& naam)>& zend) {
    bool fout = false;
    for (const CUploadBestand& b : kUploadVolgorde) {
        if ((masker & b.bit) == 0) {
            continue;
        }
        if (zend(HtmlBestandsNaam(b.bestand))) {
            masker &= ~b.bit;
        } else {
            fout = true;
        }
    }
    return !fout;
}

std::string MetAanhalingen(const std::string& begin, const std::string& waarde, bool opnieuw) {
    return begin + waarde + (opnieuw ? "'\tOpnieuw..." : "'");
}

CKopieMap::CKopieMap() {
    std::error_code fout;
    fs::path basis = fs::temp_directory_path(fout);
    if (fout) {
        return;
    }
    std::random_device bron;
    std::uniform_int_distribution<unsigned> hex(0, 0xFFFFFF);
    for (int poging = 0; poging < 100; ++poging) {
        char naam[32];
        std::snprintf(naam, sizeof naam, "morvel-upload-%06x", hex(bron));
        fs::path map = basis / naam;
        // create_directory fails on anything that exists already, a link included.
        if (fs::create_directory(map, fout) && !fout) {
            fs::permissions(map, fs::perms::owner_all, fs::perm_options::replace, fout);
            if (fout) {
                fs::remove(map, fout);
                return;
            }
            pad_ = map.string();
            return;
        }
    }
}

CKopieMap::~CKopieMap() {
    if (!pad_.empty()) {
        std::error_code fout;
        fs::remove_all(pad_, fout);
    }
}

std::string CKopieMap::MaakKopie(CUploadStappen& stappen, int rij, const std::string& competitieMap,
                                 const std::string& naam) {
    if (pad_.empty() || pad_.size() > 260) {
        stappen.Regel("GetTempPath() failed");
        stappen.Status(rij, kMislukt);
        return "";
    }
    std::string kopie = Utf8NaarCp1252(pad_) + "/" + naam;
    if (!HtmlCodeer(PadSamen(competitieMap, naam), kopie, stappen.Verslag())) {
        stappen.Status(rij, kMislukt);
        return "";
    }
    return kopie;
}

CLfLezer::CLfLezer(const std::string& pad)
    : bestand_(std::fopen(Cp1252NaarUtf8(pad).c_str(), "rb")) {
    if (!bestand_) {
        fout_ = errno != 0 ? errno : EIO;
    }
}

CLfLezer::~CLfLezer() {
    if (bestand_) {
        std::fclose(bestand_);
    }
}

long CLfLezer::Lees(char* buffer, size_t max) {
    size_t n = 0;
    while (n < max) {
        int c = std::fgetc(bestand_);
        if (c == EOF) {
            if (std::ferror(bestand_)) {
                fout_ = errno != 0 ? errno : EIO;
                return -1;
            }
            if (cr_) {
                buffer[n++] = '\r';
                cr_ = false;
            }
            break;
        }
        if (cr_) {
            cr_ = false;
            if (c != '\n') {
                buffer[n++] = '\r';
                if (n == max) {
                    std::ungetc(c, bestand_);
                    break;
                }
            }
        }
        if (c == '\r') {
            cr_ = true;
        } else {
            buffer[n++] = static_cast<char>(c);
        }
    }
    return static_cast<long>(n);
}
