// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/system_path.h"

#include <QDir>
#include <QFile>
#include <string>

namespace calquin::text {
namespace {

// The overload that fits the system's kind of name is chosen; both compile everywhere.
[[maybe_unused]] QString fromNative(const std::wstring& name) {
    return QString::fromStdWString(name);
}

[[maybe_unused]] QString fromNative(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

[[maybe_unused]] std::filesystem::path toNative(const QString& name, const std::wstring* /*kind*/) {
    return std::filesystem::path(name.toStdWString());
}

[[maybe_unused]] std::filesystem::path toNative(const QString& name, const std::string* /*kind*/) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace

QString pathText(const std::filesystem::path& path) {
    // A folder given with slashes and a file name joined with a backslash read as one path.
    return QDir::toNativeSeparators(fromNative(path.native()));
}

std::filesystem::path systemPath(const QString& name) {
    return toNative(name, static_cast<const std::filesystem::path::string_type*>(nullptr));
}

}  // namespace calquin::text
