// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/phrase.h"

// The headings the class table and the items table share.
namespace calquin::teacher {

inline constexpr Text kAnswersHeading = translatable("ClassResults", "Answers");
inline constexpr Text kShareHeading = translatable("ClassResults", "Share correct");
inline constexpr Text kMedianHeading = translatable("ClassResults", "Median seconds");

}  // namespace calquin::teacher
