#include "base/regellezer.h"

bool CRegelLezer::VolgendeRegel(std::string& regel) {
    regel.clear();
    if (positie_ >= inhoud_.size()) {
        return false;
    }
    while (positie_ < inhoud_.size() && regel.size() < kBufferGrootte - 1) {
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
    return true;
}
