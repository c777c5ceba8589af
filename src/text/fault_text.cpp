// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/fault_text.h"

#include <QCoreApplication>

#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::text {
namespace {

// The context of the message around the reader's sentence, the one the reader marks its own with.
class Catalogue {
    Q_DECLARE_TR_FUNCTIONS(Catalogue)
};

}  // namespace

QString faultText(const catalogue::CatalogueFault& fault) {
    const auto& error = fault.error;
    QString what = translated(error.what);
    if (!error.detail.empty()) {
        what = Catalogue::tr("%1: %2").arg(what, QString::fromStdString(error.detail));
    }
    const QString file = leftToRightName(QString::fromStdString(fault.path));
    if (error.line > 0 && error.column > 0) {
        return Catalogue::tr(
                   "The test catalogue cannot be used.\n\nFile: %1\nLine %2, column %3: %4.")
            .arg(file, schoolNumber(error.line), schoolNumber(error.column), what);
    }
    if (error.line > 0) {
        return Catalogue::tr("The test catalogue cannot be used.\n\nFile: %1\nLine %2: %3.")
            .arg(file, schoolNumber(error.line), what);
    }
    // The sentence stands alone here, so it starts with a capital.
    if (!what.isEmpty()) {
        what[0] = what[0].toUpper();
    }
    return Catalogue::tr("The test catalogue cannot be used.\n\nFile: %1\n%2.").arg(file, what);
}

}  // namespace calquin::text
