// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

// The command line's calls to the system, one file per system behind this header.
namespace calquin::cli {

// Lets what the program prints reach the console it was typed in. A Windows program without a
// console of its own (so that none opens when a pupil starts it from the menu) must attach to
// its parent's; elsewhere the standard streams are there already.
void useStartingConsole();

// Runs `program` (a program beside this one, named without the system's suffix) with this start's
// arguments but those `dropped` picks, in this program's place where the system can do that and
// beside it where it cannot. Returns only when `program` could not be started, with why; or,
// where it runs beside, once it has started, with nothing.
std::optional<QString> runInstead(const QString& program, int argc, char** argv,
                                  const std::function<bool(std::string_view)>& dropped);

}  // namespace calquin::cli
