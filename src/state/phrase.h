// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace calquin {

// Marks an English text that people see, so that Qt's translation tools collect it (they read
// this as QT_TRANSLATE_NOOP). The core knows nothing of languages: it keeps the English, and the
// window looks the text up in the pupil's language by its context and its English.
constexpr const char* translatable(const char* /*context*/, const char* english) {
    return english;
}

// A text with values put into it, such as "Wrong! Answer is %1". The values are kept apart from
// the words so that a translation can place them where its own language wants them.
struct Phrase {
    const char* context = "";
    const char* source = "";  // English, with %1, %2, ... where the values go
    std::vector<std::string> values;

    // The text in English: each %n replaced by the n-th value.
    std::string english() const;

    friend bool operator==(const Phrase& a, const Phrase& b) { return a.english() == b.english(); }
};

}  // namespace calquin
