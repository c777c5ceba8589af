// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>

namespace calquin::ui {

class Form1;
class Messenger;

// Opens the drill window on the catalogue in the working directory and runs until it is closed.
// A catalogue that cannot be used is reported and the program ends with status 1 before any
// window shows. With a results folder every judged answer is also recorded there, and with
// `askName` under the name the pupil first chooses from the folder's pupils.txt.
int runApplication(int argc, char** argv,
                   const std::optional<std::filesystem::path>& resultsFolder = std::nullopt,
                   bool askName = false);

// Runs the window's load event. When the catalogue cannot be used, the teacher is told which file,
// which line and what was wrong, in a message and on `errors`, and false is returned.
bool loadOrReport(Form1& form, Messenger& messenger, std::FILE* errors);

}  // namespace calquin::ui
