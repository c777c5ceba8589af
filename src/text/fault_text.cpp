// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/fault_text.h"

#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::text {
namespace {

// The message around the reader's sentence, under the context the reader marks its own with.
constexpr Text kWithDetail = translatable("Catalogue", "%1: %2");
constexpr Text kAtColumn = translatable(
    "Catalogue", "The test catalogue cannot be used.\n\nFile: %1\nLine %2, column %3: %4.");
constexpr Text kAtLine =
    translatable("Catalogue", "The test catalogue cannot be used.\n\nFile: %1\nLine %2: %3.");
constexpr Text kInFile =
    translatable("Catalogue", "The test catalogue cannot be used.\n\nFile: %1\n%2.");

}  // namespace

QString faultText(const catalogue::CatalogueFault& fault) {
    const auto& error = fault.error;
    QString what = translated(error.what);
    if (!error.detail.empty()) {
        what = translated(kWithDetail).arg(what, QString::fromStdString(error.detail));
    }
    const QString file = leftToRightName(QString::fromStdString(fault.path));
    if (error.line > 0 && error.column > 0) {
        return translated(kAtColumn).arg(file, schoolNumber(error.line), schoolNumber(error.column),
                                         what);
    }
    if (error.line > 0) {
        return translated(kAtLine).arg(file, schoolNumber(error.line), what);
    }
    // The sentence stands alone here, so it starts with a capital.
    if (!what.isEmpty()) {
        what[0] = what[0].toUpper();
    }
    return translated(kInFile).arg(file, what);
}

}  // namespace calquin::text
