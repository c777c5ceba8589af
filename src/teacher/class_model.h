// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <memory>
#include <vector>

#include "results/class_figures.h"

namespace calquin::teacher {

// The class as a table: the whole class's line first, then one line per pupil.
class ClassModel : public QAbstractTableModel {
public:
    enum Column { Pupil, Answers, Share, Median, LastDay, ShareChange, SpeedChange, ColumnCount };
    // What the columns sort by: the figure itself, not its text.
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setFigures(std::shared_ptr<const results::ClassFigures> figures);
    // The figures of a line, the whole class's for line 0.
    const results::PupilOverview* overview(int row) const;
    // The name a line is about: the pupil's, or the whole class's.
    QString name(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const results::ClassFigures> figures_;
    std::vector<const std::pair<const std::string, results::PupilOverview>*> pupils_;
};

// Sorts by any column and keeps the whole class's line on top in either order.
class ClassSortModel : public QSortFilterProxyModel {
public:
    explicit ClassSortModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

// The share correct as the table shows it, "96%"; empty without answers.
QString shareText(const results::Counts& counts);

// The change of a share and of a median from one period to the next, in words and with an arrow
// pointing the way the figure went: "▲ 12 points", "▼ 0.8 s faster". Empty without both figures.
QString shareChange(const results::Counts& previous, const results::Counts& current);
QString speedChange(const results::Counts& previous, const results::Counts& current);

}  // namespace calquin::teacher
