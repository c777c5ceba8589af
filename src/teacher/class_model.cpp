// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/class_model.h"

#include <QLocale>
#include <cmath>

#include "teacher/fact_grid_model.h"
#include "teacher/headings.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::teacher {
namespace {

constexpr Text kPupil = translatable("ClassResults", "Pupil");
constexpr Text kLastDay = translatable("ClassResults", "Last day active");
constexpr Text kShareChange = translatable("ClassResults", "Change in share");
constexpr Text kSpeedChange = translatable("ClassResults", "Change in speed");
constexpr Text kAgainstBefore =
    translatable("ClassResults", "Against the period of the same length just before");
constexpr Text kWholeClass = translatable("ClassResults", "Whole class");
constexpr Text kPercent = translatable("ClassResults", "%1%");
// Counted, so that a change of one reads "▲ 1 point"; the number itself is %1, written as the
// locale writes numbers, which %n never is.
constexpr Text kPointsUp = translatableCount("ClassResults", "▲ %1 points");
constexpr Text kPointsDown = translatableCount("ClassResults", "▼ %1 points");
constexpr Text kFaster = translatable("ClassResults", "▼ %1 s faster");
constexpr Text kSlower = translatable("ClassResults", "▲ %1 s slower");
constexpr Text kSame = translatable("ClassResults", "= the same");

using text::translated;

// Whole percent, as the share column and the report show it, so that the change is the
// difference of the two figures a teacher sees.
int wholePercent(const results::Counts& counts) {
    return counts.percentCorrect();
}

// Tenths of a second, the precision the window shows medians in.
std::int64_t tenths(std::int64_t centiseconds) {
    return (centiseconds + 5) / 10;
}

QVariant sortValue(const results::PupilOverview& pupil, int column, const QString& name) {
    const results::Counts& now = pupil.current;
    const results::Counts& before = pupil.previous;
    const bool compared = now.answers > 0 && before.answers > 0;
    switch (column) {
        case ClassModel::Pupil:
            return name;
        case ClassModel::Answers:
            return qint64(now.answers);
        case ClassModel::Share:
            return now.answers > 0 ? wholePercent(now) : -1;
        case ClassModel::Median:
            return now.answers > 0 ? qint64(now.medianCentiseconds) : qint64(-1);
        case ClassModel::LastDay:
            return QString::fromStdString(pupil.lastDay);
        case ClassModel::ShareChange:
            return compared ? wholePercent(now) - wholePercent(before) : -1000;
        case ClassModel::SpeedChange:
            return compared
                       ? qint64(tenths(before.medianCentiseconds) - tenths(now.medianCentiseconds))
                       : qint64(-1'000'000'000);
        default:
            return {};
    }
}

}  // namespace

namespace {

// In the school's digits and, in a right-to-left window, kept year first as the date fields
// beside the table write it; bidirectional text would otherwise turn the date around.
QString lastDayText(const std::string& day) {
    const QString digits = text::schoolDigits(QString::fromStdString(day));
    return text::layoutDirection() == Qt::RightToLeft
               ? text::directionalRun(digits, Qt::LeftToRight)
               : digits;
}

}  // namespace

QString shareText(const results::Counts& counts) {
    return counts.answers > 0 ? translated(kPercent).arg(QLocale().toString(wholePercent(counts)))
                              : QString();
}

QString shareChange(const results::Counts& previous, const results::Counts& current) {
    if (previous.answers == 0 || current.answers == 0) {
        return {};
    }
    const int change = wholePercent(current) - wholePercent(previous);
    if (change == 0) {
        return translated(kSame);
    }
    return translated(change > 0 ? kPointsUp : kPointsDown, std::abs(change))
        .arg(QLocale().toString(std::abs(change)));
}

QString speedChange(const results::Counts& previous, const results::Counts& current) {
    if (previous.answers == 0 || current.answers == 0) {
        return {};
    }
    const std::int64_t change =
        tenths(current.medianCentiseconds) - tenths(previous.medianCentiseconds);
    if (change == 0) {
        return translated(kSame);
    }
    return translated(change < 0 ? kFaster : kSlower)
        .arg(QLocale().toString(static_cast<double>(std::abs(change)) / 10.0, 'f', 1));
}

void ClassModel::setFigures(std::shared_ptr<const results::ClassFigures> figures) {
    beginResetModel();
    figures_ = std::move(figures);
    pupils_.clear();
    if (figures_) {
        for (const auto& pupil : figures_->pupils) {
            pupils_.push_back(&pupil);
        }
    }
    endResetModel();
}

const results::PupilOverview* ClassModel::overview(int row) const {
    if (!figures_ || row < 0 || row > static_cast<int>(pupils_.size())) {
        return nullptr;
    }
    return row == 0 ? &figures_->wholeClass : &pupils_[static_cast<std::size_t>(row - 1)]->second;
}

QString ClassModel::name(int row) const {
    if (row <= 0 || row > static_cast<int>(pupils_.size())) {
        return translated(kWholeClass);
    }
    return QString::fromStdString(pupils_[static_cast<std::size_t>(row - 1)]->first);
}

int ClassModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !figures_ ? 0 : static_cast<int>(pupils_.size()) + 1;
}

int ClassModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClassModel::data(const QModelIndex& index, int role) const {
    const results::PupilOverview* pupil = overview(index.row());
    if (!pupil || !index.isValid()) {
        return {};
    }
    if (role == kSortRole) {
        return sortValue(*pupil, index.column(), name(index.row()));
    }
    if (role == Qt::TextAlignmentRole && index.column() != Pupil) {
        return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    const QLocale locale;
    const results::Counts& now = pupil->current;
    switch (index.column()) {
        case Pupil:
            return name(index.row());
        case Answers:
            return locale.toString(now.answers);
        case Share:
            return shareText(now);
        case Median:
            return now.answers > 0 ? tenthsOfSeconds(now.medianCentiseconds) : QString();
        case LastDay:
            return lastDayText(pupil->lastDay);
        case ShareChange:
            return shareChange(pupil->previous, now);
        case SpeedChange:
            return speedChange(pupil->previous, now);
        default:
            return {};
    }
}

QVariant ClassModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole &&
        (section == ShareChange || section == SpeedChange)) {
        return translated(kAgainstBefore);
    }
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static constexpr Text kHeadings[ColumnCount] = {kPupil,         kAnswersHeading, kShareHeading,
                                                    kMedianHeading, kLastDay,        kShareChange,
                                                    kSpeedChange};
    return section >= 0 && section < ColumnCount ? translated(kHeadings[section]) : QVariant();
}

ClassSortModel::ClassSortModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(ClassModel::kSortRole);
    setSortLocaleAware(true);
}

bool ClassSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    // The proxy turns the answer around for a descending sort, so the class's line answers
    // "first" in whichever order is asked for.
    const bool ascending = sortOrder() == Qt::AscendingOrder;
    if (left.row() == 0 || right.row() == 0) {
        return left.row() == 0 ? ascending : !ascending;
    }
    return QSortFilterProxyModel::lessThan(left, right);
}

}  // namespace calquin::teacher
