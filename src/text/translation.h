// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "common/phrase.h"

class QCoreApplication;

namespace calquin::text {

// Puts the program's translation, and Qt's own for its standard buttons, into effect for the
// language the system asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). In English, or where no
// translation exists, nothing is read at all and the English texts stay as they are.
void installTranslations(QCoreApplication& app);

// The core's texts in the user's language, looked up under the context each carries. A text
// without a translation comes back in English.
QString translated(const Text& text);
QString translated(const Phrase& phrase);
// A text that names a count, with %n where the count goes and a form for each plural of the
// language, such as "%n items: ...". Untranslated, it takes the English singular for 1 ("1 item:
// ..."), read from the English plural forms the first time a count is shown.
QString translated(const Text& text, int count);

// A phrase whose values are decimal numbers as the English pattern writes them ("3.67", "8.",
// ".5"), such as the average time. In a translated window each is written as pupils there write
// numbers: the locale's decimal separator, the school's digits, no separator without decimals and
// a zero before one ("3,67", "8", "0,5"). Without a translation the English window's text stays.
QString translatedWithDecimals(const Phrase& phrase);

}  // namespace calquin::text
