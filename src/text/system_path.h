// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>

namespace calquin::text {

// A file name as the program shows it, from the system's own form (UTF-16 on Windows, the
// file system's bytes elsewhere), so that a name in any script survives the trip.
QString pathText(const std::filesystem::path& path);

// A file name the user gave, in the system's own form; never through a legacy code page.
std::filesystem::path systemPath(const QString& name);

}  // namespace calquin::text
