#include "pairing/indeling.h"

#include <utility>

namespace {
const std::string kLeeg;
}

void CIndeling::VoegToe(std::string zwart, std::string wit, std::string tekst) {
    items_.push_back(CIndItem{std::move(zwart), std::move(wit), std::move(tekst)});
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
