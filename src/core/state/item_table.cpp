// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/item_table.h"

#include <utility>

namespace calquin {

std::string_view ItemTable::at(int index) const {
    if (!contains(index)) {
        return {};
    }
    return entries_[static_cast<std::size_t>(index)];
}

bool ItemTable::set(int index, std::string text) {
    if (!contains(index)) {
        return false;
    }
    entries_[static_cast<std::size_t>(index)] = std::move(text);
    return true;
}

void ItemTable::clear() {
    for (auto& entry : entries_) {
        entry.clear();
    }
}

}  // namespace calquin
