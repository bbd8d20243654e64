#include "base/regellezer.h"

bool CRegelLezer::VolgendeRegel(std::string& regel) {
    regel.clear();
    if (positie_ >= inhoud_.size()) {
        return false;
    }
    while (positie_ < inhoud_.size()) {
        char c = inhoud_[positie_];
        if (c == '\r' && positie_ + 1 < inhoud_.size() && inhoud_[positie_ + 1] == '\n') {
            ++positie_; // text mode: CR LF is read as LF
            continue;
        }
        regel += c;
        ++positie_;
        if (c == '\n') {
            break;
        }
    }
    ++regelNummer_;
    size_t tekst = regel.size() - (regel.back() == '\n' ? 1 : 0);
    teLang_ = tekst > kLangsteRegel;
    return true;
}
