// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace calquin::ui {

// The list a pupil of a class that shares one login picks their own name from, by a click or by
// the arrow keys and Enter, before the drill's first screen.
class NameChooser final : public QDialog {
public:
    explicit NameChooser(const std::vector<std::string>& names, QWidget* parent = nullptr);
    // The name picked, once the list was accepted.
    const std::string& chosen() const { return chosen_; }

private:
    QListWidget* list_;
    std::string chosen_;
};

// Asks the pupil's name from the names of `folder`'s pupils.txt. The name picked; an empty name
// when there is none to choose from (said on `errors`), so answers go under the login name; and
// nothing when the pupil closed the list, which ends the program.
std::optional<std::string> askPupilName(const std::filesystem::path& folder, std::FILE* errors);

}  // namespace calquin::ui
