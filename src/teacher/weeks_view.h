// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <memory>
#include <vector>

#include "results/class_figures.h"

class QPainter;

namespace calquin::teacher {

// "Week 50, 2026": a week as the table, the chart's points and a screen reader name it.
QString weekName(const results::IsoWeek& week);

// The weeks of a pupil or of the class as a table: what a screen reader reads of the chart, and
// what a teacher who wants the figures reads off.
class WeeksModel : public QAbstractTableModel {
public:
    enum Column { Week, Answers, Share, Median, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    // `weeks` lives as long as `owner` does.
    void setWeeks(std::shared_ptr<const results::ClassFigures> owner,
                  const std::vector<results::WeekFigures>* weeks);
    const std::vector<results::WeekFigures>& weeks() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const results::ClassFigures> owner_;
    const std::vector<results::WeekFigures>* weeks_ = nullptr;
};

// The chart of share correct (a solid line with dots, against the scale on the reading side) and
// median seconds (a dashed line with squares, against the other side), week by week. Drawn the
// same on the screen and on paper.
void paintWeeks(QPainter& painter, const QRectF& area,
                const std::vector<results::WeekFigures>& weeks);

// The chart as a widget that follows a WeeksModel. It tells a screen reader every point in its
// description; the table beside it holds the same figures as cells.
class WeeksChart : public QWidget {
public:
    explicit WeeksChart(const WeeksModel& model, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();
    const WeeksModel& model_;
};

}  // namespace calquin::teacher
