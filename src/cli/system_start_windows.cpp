// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

#include "cli/system_start.h"

namespace calquin::cli {

void useStartingConsole() {
    // Started from a console: what --check, --report and --help print goes there. Started from
    // the menu or Explorer there is none, and nothing opens one. Streams already redirected to a
    // file or a pipe stay where they are.
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    if (::GetStdHandle(STD_OUTPUT_HANDLE) == nullptr ||
        ::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_UNKNOWN) {
        std::freopen("CONOUT$", "w", stdout);
    }
    if (::GetStdHandle(STD_ERROR_HANDLE) == nullptr ||
        ::GetFileType(::GetStdHandle(STD_ERROR_HANDLE)) == FILE_TYPE_UNKNOWN) {
        std::freopen("CONOUT$", "w", stderr);
    }
}

std::optional<QString> runInstead(const QString& program, int /*argc*/, char** /*argv*/,
                                  const std::function<bool(std::string_view)>& dropped) {
    // Windows cannot replace a running program; the teacher's window starts beside this one,
    // which ends. The arguments come from Qt, which reads them in UTF-16, not from argv's code
    // page.
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty()) {
        arguments.removeFirst();
    }
    arguments.removeIf([&](const QString& argument) { return dropped(argument.toStdString()); });
    QProcess process;
    process.setProgram(program + QStringLiteral(".exe"));
    process.setArguments(arguments);
    if (!process.startDetached()) {
        return process.errorString();
    }
    return std::nullopt;
}

}  // namespace calquin::cli
