// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/item_model.h"

#include <QLocale>

#include "teacher/class_model.h"
#include "teacher/fact_grid_model.h"
#include "teacher/headings.h"
#include "text/translation.h"

namespace calquin::teacher {
namespace {

constexpr Text kItem = translatable("ClassResults", "Item");

}  // namespace

void ItemModel::setItems(std::shared_ptr<const results::ClassFigures> owner,
                         const std::map<std::string, results::Counts, std::less<>>* items) {
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
    const auto& [name, counts] = *items_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() != Item) {
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
        default:
            return {};
    }
}

QVariant ItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static constexpr Text kHeadings[ColumnCount] = {kItem, kAnswersHeading, kShareHeading,
                                                    kMedianHeading};
    return section >= 0 && section < ColumnCount ? text::translated(kHeadings[section])
                                                 : QVariant();
}

}  // namespace calquin::teacher
