// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/fact_grid_model.h"

#include <QLocale>

#include "engine/operators.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::teacher {
namespace {

constexpr Text kFluent = translatable("ClassResults", "fluent");
constexpr Text kSlow = translatable("ClassResults", "accurate but slow");
constexpr Text kNotYet = translatable("ClassResults", "not yet");
constexpr Text kNotAsked = translatable("ClassResults", "not asked");
constexpr Text kAskedCell =
    translatable("ClassResults", "%1: %2, %3 correct, median %4 seconds, %5");
constexpr Text kAnswerCount = translatableCount("ClassResults", "%n answers");
constexpr Text kUnaskedCell = translatable("ClassResults", "%1: %2");

using text::translated;

QString number(std::int64_t value) {
    return text::schoolDigits(QString::number(value));
}

}  // namespace

QString tenthsOfSeconds(std::int64_t centiseconds) {
    return QLocale().toString(static_cast<double>((centiseconds + 5) / 10) / 10.0, 'f', 1);
}

QString answerCount(std::int64_t answers) {
    return translated(kAnswerCount, static_cast<int>(answers));
}

StateLook stateLook(results::FactState state) {
    // Okabe and Ito's colours: blue, yellow and vermilion differ in lightness as well as in hue,
    // so they stay apart for protanopes, deuteranopes and tritanopes alike.
    switch (state) {
        case results::FactState::Fluent:
            return {QColor(0x00, 0x72, 0xB2), Qt::white, QStringLiteral("●"), kFluent};
        case results::FactState::AccurateButSlow:
            return {QColor(0xF0, 0xE4, 0x42), Qt::black, QStringLiteral("◐"), kSlow};
        case results::FactState::NotYet:
            return {QColor(0xD5, 0x5E, 0x00), Qt::white, QStringLiteral("○"), kNotYet};
        default:
            return {QColor(), QColor(), QString(), kNotAsked};
    }
}

QString describeCell(engine::Operation operation, results::GridCell cell,
                     const results::Counts& counts, std::int64_t limitCentiseconds) {
    // The cell's fact as the pupil was asked it: 56 : 7 sits in row 7, column 8.
    std::int64_t first = cell.row;
    std::int64_t second = cell.column;
    if (operation == engine::Operation::Subtraction) {
        first = cell.row + cell.column;
        second = cell.row;
    } else if (operation == engine::Operation::Division) {
        first = std::int64_t{cell.row} * cell.column;
        second = cell.row;
    }
    const engine::Operator& op = engine::operatorOfType(static_cast<int>(operation));
    const QString fact = translated(op.spoken).arg(number(first), number(second));
    const results::FactState state = results::factState(counts, limitCentiseconds);
    const QString stateName = translated(stateLook(state).name);
    if (state == results::FactState::NotAsked) {
        return translated(kUnaskedCell).arg(fact, stateName);
    }
    const QLocale locale;
    return translated(kAskedCell)
        .arg(fact, answerCount(counts.answers), locale.toString(counts.correct),
             tenthsOfSeconds(counts.medianCentiseconds), stateName);
}

void FactGridModel::setGrid(std::shared_ptr<const results::ClassFigures> owner,
                            const results::FactGrid* grid, engine::Operation operation) {
    beginResetModel();
    owner_ = std::move(owner);
    grid_ = grid;
    operation_ = operation;
    endResetModel();
}

void FactGridModel::setLimitCentiseconds(std::int64_t limit) {
    limit_ = limit;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int FactGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !grid_ ? 0 : results::kGridSize;
}

int FactGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !grid_ ? 0 : results::kGridSize;
}

QVariant FactGridModel::data(const QModelIndex& index, int role) const {
    if (!grid_ || !index.isValid()) {
        return {};
    }
    const results::GridCell cell{index.row(), index.column()};
    const results::Counts& counts = (*grid_)[results::cellIndex(cell)];
    const StateLook look = stateLook(results::factState(counts, limit_));
    switch (role) {
        case Qt::DisplayRole:
            return look.symbol;
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return describeCell(operation_, cell, counts, limit_);
        case Qt::BackgroundRole:
            return look.background.isValid() ? QVariant(look.background) : QVariant();
        case Qt::ForegroundRole:
            return look.foreground.isValid() ? QVariant(look.foreground) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant FactGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && section >= 0 && section < results::kGridSize) {
        return number(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace calquin::teacher
