// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/phrase.h"

namespace calquin {

std::string Phrase::english() const {
    std::string text;
    for (const char* at = source; *at != '\0'; ++at) {
        const char next = at[1];
        if (*at == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < values.size()) {
                text += values[index];
                ++at;
                continue;
            }
        }
        text.push_back(*at);
    }
    return text;
}

}  // namespace calquin
