// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/item_model.h"

#include <QLocale>

#include "teacher/class_model.h"
#include "teacher/fact_grid_model.h"
#include "teacher/headings.h"
#include "text/captions.h"
#include "text/translation.h"

namespace calquin::teacher {
namespace {

constexpr Text kItem = translatable("ClassResults", "Item");
constexpr Text kMostMissed = translatable("ClassResults", "Most missed");
constexpr Text kMissedTimes = translatable("ClassResults", "%1 (%2 wrong)");
constexpr Text kListSeparator = translatable("ClassResults", ", ");

// "7 × 8 (3 wrong), 6 × 7 (2 wrong)": each question as the window's language writes it.
QString mostMissed(const std::vector<results::MissedQuestion>& questions) {
    QStringList parts;
    for (const results::MissedQuestion& question : questions) {
        QString caption = QString::fromStdString(question.recorded);
        if (question.parts) {
            const auto type = static_cast<int>(question.parts->operation);
            caption = text::questionCaption({question.parts->first, question.parts->second,
                                             std::string(engine::operatorOfType(type).sign)});
        }
        parts << text::translated(kMissedTimes).arg(caption, QLocale().toString(question.wrong));
    }
    return parts.join(text::translated(kListSeparator));
}

}  // namespace

void ItemModel::setItems(std::shared_ptr<const results::ClassFigures> owner,
                         const std::map<std::string, results::ItemFigures, std::less<>>* items) {
    beginResetModel();
    owner_ = std::move(owner);
    items_.clear();
    if (items) {
        for (const auto& item : *items) {
            items_.push_back(&item);
        }
    }
    endResetModel();
}

int ItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

int ItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(items_.size())) {
        return {};
    }
    const auto& [name, item] = *items_[static_cast<std::size_t>(index.row())];
    const results::Counts& counts = item.counts;
    if (role == Qt::TextAlignmentRole && index.column() != Item && index.column() != MostMissed) {
        return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
    }
    if (role == kSortRole) {
        switch (index.column()) {
            case Item:
                return QString::fromStdString(name);
            case Answers:
                return qint64(counts.answers);
            case Share:
                return counts.answers > 0 ? double(counts.correct) / double(counts.answers) : -1.0;
            case MostMissed:
                return item.mostMissed.empty() ? qint64(0) : qint64(item.mostMissed.front().wrong);
            default:
                return counts.answers > 0 ? qint64(counts.medianCentiseconds) : qint64(-1);
        }
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case Item:
            return QString::fromStdString(name);
        case Answers:
            return QLocale().toString(counts.answers);
        case Share:
            return shareText(counts);
        case Median:
            return counts.answers > 0 ? tenthsOfSeconds(counts.medianCentiseconds) : QString();
        case MostMissed:
            return mostMissed(item.mostMissed);
        default:
            return {};
    }
}

QVariant ItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static constexpr Text kHeadings[ColumnCount] = {kItem, kAnswersHeading, kShareHeading,
                                                    kMedianHeading, kMostMissed};
    return section >= 0 && section < ColumnCount ? text::translated(kHeadings[section])
                                                 : QVariant();
}

}  // namespace calquin::teacher
