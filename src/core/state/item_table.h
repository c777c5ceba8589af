// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace calquin {

// One field of every catalogue record, indexed by record number. The catalogue holds records 0 to
// 100, so a table has 101 entries. Every access is checked: an index outside the table reads as an
// empty text and cannot be written, so no caller can reach past the end.
class ItemTable {
public:
    static constexpr int kSize = 101;

    static constexpr bool contains(int index) { return index >= 0 && index < kSize; }

    std::string_view at(int index) const;

    // Returns false, and stores nothing, when the index lies outside the table.
    bool set(int index, std::string text);

    void clear();

private:
    std::array<std::string, kSize> entries_;
};

}  // namespace calquin
