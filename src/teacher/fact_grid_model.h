// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <memory>

#include "common/phrase.h"
#include "results/class_figures.h"

namespace calquin::teacher {

// What a cell's state looks like: a colour from a palette that stays apart in the common colour
// blindnesses, and a symbol, so that the state never rests on colour alone.
struct StateLook {
    QColor background;
    QColor foreground;
    QString symbol;
    Text name;
};
StateLook stateLook(results::FactState state);

// One operation's one-digit facts as a table of cells, for a pupil or the whole class. A table
// view shows it, so a screen reader meets a table whose cells say their counts.
class FactGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // `grid` lives as long as `owner` does.
    void setGrid(std::shared_ptr<const results::ClassFigures> owner, const results::FactGrid* grid,
                 engine::Operation operation);
    void setLimitCentiseconds(std::int64_t limit);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const results::ClassFigures> owner_;
    const results::FactGrid* grid_ = nullptr;
    engine::Operation operation_ = engine::Operation::Addition;
    std::int64_t limit_ = 300;
};

// Seconds to a tenth, rounded half up in whole hundredths: 1.45 s shows as 1.5 everywhere, not as
// whatever the nearest binary number to 1.45 rounds to.
QString tenthsOfSeconds(std::int64_t centiseconds);

// "12 answers", in the window's language.
QString answerCount(std::int64_t answers);

// "7 times 8: 12 answers, 9 correct, median 4.1 seconds, accurate but slow": a cell as a
// tooltip and a screen reader tell it.
QString describeCell(engine::Operation operation, results::GridCell cell,
                     const results::Counts& counts, std::int64_t limitCentiseconds);

}  // namespace calquin::teacher
