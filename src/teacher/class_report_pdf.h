// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QPageSize>
#include <QString>
#include <memory>
#include <optional>

#include "results/class_figures.h"

namespace calquin::teacher {

// Letter where schools buy it (the United States and Canada), A4 everywhere else.
QPageSize paperFor(const QLocale& locale);

struct ClassReport {
    std::shared_ptr<const results::ClassFigures> figures;
    std::int64_t limitCentiseconds = 300;
    QString period;  // the dates the figures are of, as the window names them
};

// A page for the class (its table, its fact grids, its weeks), then one per pupil (the pupil's
// line of the table, grids and weeks), in the window's language, painted from the same models the
// window shows. The reason when the file cannot be written.
std::optional<QString> writeClassPdf(const QString& path, const ClassReport& report,
                                     const QPageSize& paper);

}  // namespace calquin::teacher
