#include "publish/htmlcodeer.h"

#include "base/platform.h"
#include "base/codering.h"
#include "publish/uploadlog.h"

#include <cerrno>
#include <cstdio>

namespace {

// HTML 4 named entities for 0x80-0xFF; '?' for the seven codes that have none.
const char* const kEntiteiten[128] = {
    // 0x80
    "&euro;",
    "?",
    "&sbquo;",
    "&fnof;",
    "&bdquo;",
    "&hellip;",
    "&dagger;",
    "&Dagger;",
    "&circ;",
    "&permil;",
    "&Scaron;",
    "&lsaquo;",
    "&OElig;",
    "?",
    "?",
    "?",
    // 0x90
    "?",
    "&lsquo;",
    "&rsquo;",
    "&ldquo;",
    "&rdquo;",
    "&bull;",
    "&ndash;",
    "&mdash;",
    "&tilde;",
    "&trade;",
    "&scaron;",
    "&rsaquo;",
    "&oelig;",
    "?",
    "?",
    "&Yuml;",
    // 0xA0
    "&nbsp;",
    "&iexcl;",
    "&cent;",
    "&pound;",
    "&curren;",
    "&yen;",
    "&brvbar;",
    "&sect;",
    "&uml;",
    "&copy;",
    "&ordf;",
    "&laquo;",
    "&not;",
    "&shy;",
    "&reg;",
    "&macr;",
    // 0xB0
    "&deg;",
    "&plusmn;",
    "&sup2;",
    "&sup3;",
    "&acute;",
    "&micro;",
    "&para;",
    "&middot;",
    "&cedil;",
    "&sup1;",
    "&ordm;",
    "&raquo;",
    "&frac14;",
    "&frac12;",
    "&frac34;",
    "&iquest;",
    // 0xC0
    "&Agrave;",
    "&Aacute;",
    "&Acirc;",
    "&Atilde;",
    "&Auml;",
    "&Aring;",
    "&AElig;",
    "&Ccedil;",
    "&Egrave;",
    "&Eacute;",
    "&Ecirc;",
    "&Euml;",
    "&Igrave;",
    "&Iacute;",
    "&Icirc;",
    "&Iuml;",
    // 0xD0
    "&ETH;",
    "&Ntilde;",
    "&Ograve;",
    "&Oacute;",
    "&Ocirc;",
    "&Otilde;",
    "&Ouml;",
    "&times;",
    "&Oslash;",
    "&Ugrave;",
    "&Uacute;",
    "&Ucirc;",
    "&Uuml;",
    "&Yacute;",
    "&THORN;",
    "&szlig;",
    // 0xE0
    "&agrave;",
    "&aacute;",
    "&acirc;",
    "&atilde;",
    "&auml;",
    "&aring;",
    "&aelig;",
    "&ccedil;",
    "&egrave;",
    "&eacute;",
    "&ecirc;",
    "&euml;",
    "&igrave;",
    "&iacute;",
    "&icirc;",
    "&iuml;",
    // 0xF0
    "&eth;",
    "&ntilde;",
    "&ograve;",
    "&oacute;",
    "&ocirc;",
    "&otilde;",
    "&ouml;",
    "&divide;",
    "&oslash;",
    "&ugrave;",
    "&uacute;",
    "&ucirc;",
    "&uuml;",
    "&yacute;",
    "&thorn;",
    "&yuml;",
};

int LaatsteFout() {
    return errno != 0 ? errno : EIO;
}

} // namespace

const char* HtmlEntiteit(unsigned char c) {
    return c < 0x80 ? nullptr : kEntiteiten[c - 0x80];
}

bool HtmlCodeer(const std::string& bron, const std::string& doel, CUploadLog& log) {
    std::FILE* in = std::fopen(Cp1252NaarUtf8(bron).c_str(), "rb");
    if (!in) {
        log.VoegRegelToe(SysteemFoutTekst(LaatsteFout()));
        return false;
    }
    std::FILE* uit = std::fopen(Cp1252NaarUtf8(doel).c_str(), "wb");
    if (!uit) {
        log.VoegRegelToe(SysteemFoutTekst(LaatsteFout()));
        std::fclose(in);
        return false;
    }
    int fout = 0;
    char stuk[1023];
    std::string gecodeerd;
    size_t n;
    while (fout == 0 && (n = std::fread(stuk, 1, sizeof stuk, in)) > 0) {
        gecodeerd.clear();
        for (size_t i = 0; i < n; ++i) {
            const char* entiteit = HtmlEntiteit(static_cast<unsigned char>(stuk[i]));
            if (entiteit) {
                gecodeerd += entiteit;
            } else {
                gecodeerd += stuk[i];
            }
        }
        if (std::fwrite(gecodeerd.data(), 1, gecodeerd.size(), uit) != gecodeerd.size()) {
            fout = LaatsteFout();
        }
    }
    if (fout == 0 && std::ferror(in)) {
        fout = LaatsteFout();
    }
    std::fclose(in);
    if (std::fclose(uit) != 0 && fout == 0) {
        fout = LaatsteFout();
    }
    if (fout != 0) {
        log.VoegRegelToe(SysteemFoutTekst(fout));
        return false;
    }
    return true;
}
