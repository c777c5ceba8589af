// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string_view>

#include "state/phrase.h"

class QCoreApplication;

namespace calquin::ui {

// Puts the program's translation, and Qt's own for its standard buttons, into effect for the
// language the system asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). In English, or where no
// translation exists, nothing is read at all and the design's English texts stay as they are.
void installTranslations(QCoreApplication& app);

// The core's English texts in the pupil's language, looked up by the context they were marked
// with. A text without a translation comes back in English.
QString translated(const char* context, std::string_view english);
QString translated(const Phrase& phrase);

// A phrase whose values are decimal numbers written with a point, such as the average time. In a
// translated window the numbers take the decimal separator of the locale's numbers ("3,83"), as
// pupils there write them; a text shown in English keeps the point of the English window.
QString translatedWithDecimals(const Phrase& phrase);

}  // namespace calquin::ui
