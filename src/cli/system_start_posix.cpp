// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/system_start.h"

namespace calquin::cli {

void useStartingConsole() {}

std::optional<QString> runInstead(const QString& program, int argc, char** argv,
                                  const std::function<bool(std::string_view)>& dropped) {
    const QByteArray name = QFile::encodeName(program);
    std::vector<char*> arguments{const_cast<char*>(name.constData())};
    for (int i = 1; i < argc; ++i) {
        if (!dropped(argv[i])) {
            arguments.push_back(argv[i]);
        }
    }
    arguments.push_back(nullptr);
    ::execv(name.constData(), arguments.data());
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace calquin::cli
