// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// Plain C++ on purpose: the core hands its texts up in these types without knowing Qt or any
// language, and the front ends look them up in the pupil's language.
namespace calquin {

// An English text that people see, together with the context its translation is found under.
// Carrying the context with the text means no reader of it has to know, or retype, where it
// came from.
struct Text {
    const char* context = "";
    const char* english = "";

    bool empty() const { return *english == '\0'; }

    friend bool operator==(const Text& a, const Text& b) {
        return std::string_view(a.context) == b.context && std::string_view(a.english) == b.english;
    }
};

// Marks an English text for Qt's translation tools, which read this as QT_TRANSLATE_NOOP: both
// arguments must be literals.
constexpr Text translatable(const char* context, const char* english) {
    return {context, english};
}

// Marks an English text that names a count, with %n where the count goes, so that translators
// give it a form for each plural of their language. Qt's tools read this as QT_TRANSLATE_N_NOOP.
constexpr Text translatableCount(const char* context, const char* english) {
    return {context, english};
}

// A text with values put into it, such as "Wrong! Answer is %1". The values are kept apart from
// the words so that a translation can place them where its own language wants them.
struct Phrase {
    Text text;  // with %1, %2, ... where the values go
    std::vector<std::string> values;
};

}  // namespace calquin
