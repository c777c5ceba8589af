// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "results/class_figures.h"

namespace calquin::teacher {

// The items a pupil or the class answered in the period, each summed up with its most missed
// questions: what the fact grids cannot show of items with more digits.
class ItemModel : public QAbstractTableModel {
public:
    enum Column { Item, Answers, Share, Median, MostMissed, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // `items` lives as long as `owner` does.
    void setItems(std::shared_ptr<const results::ClassFigures> owner,
                  const std::map<std::string, results::ItemFigures, std::less<>>* items);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const results::ClassFigures> owner_;
    std::vector<const std::pair<const std::string, results::ItemFigures>*> items_;
};

}  // namespace calquin::teacher
