// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "common/phrase.h"

namespace calquin::catalogue {

// The catalogue's text as UTF-8, and what stopped the decoding if something did.
struct DecodedText {
    // Valid UTF-8 without a byte-order mark. When `fault` is set, only the text before the fault:
    // the fault lies at the character right after it.
    std::string text;
    // Empty when the whole file was decoded; otherwise a fixed sentence for the teacher saying
    // what is wrong (lower-case start, no full stop, like every reader message).
    Text fault;
};

// Teachers write the catalogue in whatever editor is at hand: some save UTF-8 (often with a
// byte-order mark), Windows Notepad also saves UTF-16 ("Unicode", either byte order, always with a
// byte-order mark), and older editors save Windows-1252. A file that starts with a UTF-16
// byte-order mark is read as UTF-16; other text that is valid UTF-8 is kept as it is; anything else
// is taken as Windows-1252, so accented item texts show correctly whichever was used. Only broken
// UTF-16 (half a character at the end, half of a surrogate pair) is a fault.
DecodedText decodeCatalogueText(std::string_view bytes);

// Whether NUL bytes in a file without a UTF-16 byte-order mark sit where a UTF-16 file has them:
// in every other byte, beside the letters of plain text. Such a file lost its byte-order mark, or
// was saved by a program that writes none.
bool looksLikeUtf16WithoutMark(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

}  // namespace calquin::catalogue
