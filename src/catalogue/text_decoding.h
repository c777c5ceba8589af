#pragma once

#include <string>
#include <string_view>

namespace calquin::catalogue {

// Teachers write the catalogue in whatever editor is at hand: some save UTF-8 (often with a
// byte-order mark), older ones save Windows-1252. Text that is valid UTF-8 is kept as it is;
// anything else is taken as Windows-1252, so accented item texts show correctly either way.
// The result is always valid UTF-8 without a byte-order mark.
std::string decodeCatalogueText(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

}  // namespace calquin::catalogue
