#include "pairing/indeling.h"

#include <utility>

namespace {
const std::string kLeeg;
}

void CIndeling::Clear() {
    items_.clear();
    gepubliceerd = CTijdstip{};
    overgenomen = 0;
}

void CIndeling::VoegToe(int32_t zwartNummer, int32_t witNummer, std::string zwart, std::string wit,
                        std::string tekst) {
    items_.push_back(
        CIndItem{zwartNummer, witNummer, std::move(zwart), std::move(wit), std::move(tekst)});
}

const CIndItem* CIndeling::Item(int i) const {
    return (i >= 0 && i < Aantal()) ? &items_[static_cast<size_t>(i)] : nullptr;
}

const std::string& CIndeling::Zwart(int i) const {
    const CIndItem* item = Item(i);
    return item ? item->zwart : kLeeg;
}

const std::string& CIndeling::Wit(int i) const {
    const CIndItem* item = Item(i);
    return item ? item->wit : kLeeg;
}

const std::string& CIndeling::Tekst(int i) const {
    const CIndItem* item = Item(i);
    return item ? item->tekst : kLeeg;
}
