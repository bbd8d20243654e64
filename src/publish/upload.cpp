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

UploadMethode MethodeVan(const std::string& tekst) {
    if (tekst == "SFTP") {
        return UploadMethode::Sftp;
    }
    return tekst == "FTPS" ? UploadMethode::Ftps : UploadMethode::Ftp;
}

const char* MethodeTekst(UploadMethode methode) {
    switch (methode) {
    case UploadMethode::Sftp:
        return "SFTP";
    case UploadMethode::Ftps:
        return "FTPS";
    case UploadMethode::Ftp:
        break;
    }
    return "FTP";
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
    if (MethodeVan(settings_.HtmlMethode()) == UploadMethode::Sftp) {
        return SftpUpload(settings_, doel_, masker_, stappen);
    }
    return FtpUpload(settings_, doel_, masker_, stappen);
}

bool ZendBestanden(int& masker, const std::function<ZendUitkomst(const std::string& naam)>& zend) {
    bool fout = false;
    for (const CUploadBestand& b : kUploadVolgorde) {
        if ((masker & b.bit) == 0) {
            continue;
        }
        ZendUitkomst uitkomst = zend(HtmlBestandsNaam(b.bestand));
        if (uitkomst == ZendUitkomst::Verzonden) {
            masker &= ~b.bit;
            continue;
        }
        fout = true;
        if (uitkomst == ZendUitkomst::Stop) {
            break;
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
    int systeemFout = 0;
    if (!fout &&
        !MaakPriveMap(Utf8NaarCp1252(basis.string()), "morvel-upload-", pad_, systeemFout)) {
        pad_.clear();
    }
}

CKopieMap::~CKopieMap() {
    if (!pad_.empty()) {
        std::error_code fout;
        fs::remove_all(Cp1252NaarUtf8(pad_), fout);
    }
}

std::string CKopieMap::MaakKopie(CUploadStappen& stappen, int rij, const std::string& competitieMap,
                                 const std::string& naam) {
    if (pad_.empty() || pad_.size() > 260) {
        stappen.Regel("GetTempPath() failed");
        stappen.Status(rij, kMislukt);
        return "";
    }
    std::string kopie = pad_ + "/" + naam;
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
