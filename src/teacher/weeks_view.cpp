// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/weeks_view.h"

#include <QAccessible>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "teacher/class_model.h"
#include "teacher/fact_grid_model.h"
#include "teacher/headings.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::teacher {
namespace {

constexpr Text kWeek = translatable("ClassResults", "Week");
constexpr Text kWeekName = translatable("ClassResults", "Week %1, %2");
constexpr Text kWeekPoint = translatable("ClassResults", "%1: %2, %3 correct, median %4 seconds");
constexpr Text kNoWeeks = translatable("ClassResults", "No answers in these dates.");
constexpr Text kSecondsScale = translatable("ClassResults", "%1 s");
constexpr Text kWeeksChart = translatable("ClassResults", "Weeks");

using text::translated;

// The colours of the fact grid's fluent and not-yet cells; the lines differ in dash and marker
// as well, so that they never rest on colour alone.
const QColor kShareColour(0x00, 0x72, 0xB2);
const QColor kSecondsColour(0xD5, 0x5E, 0x00);

QString weekPoint(const results::WeekFigures& week) {
    return translated(kWeekPoint)
        .arg(weekName(week.week), answerCount(week.counts.answers), shareText(week.counts),
             tenthsOfSeconds(week.counts.medianCentiseconds));
}

void drawSample(QPainter& painter, QPointF at, const QColor& colour, Qt::PenStyle style,
                bool square) {
    painter.setPen(QPen(colour, 2, style));
    painter.drawLine(at, at + QPointF(24, 0));
    painter.setBrush(colour);
    const QRectF marker(at + QPointF(9, -3), QSizeF(6, 6));
    square ? painter.drawRect(marker) : painter.drawEllipse(marker);
}

}  // namespace

QString weekName(const results::IsoWeek& week) {
    const QLocale locale;
    return translated(kWeekName).arg(locale.toString(week.week),
                                     locale.toString(week.year).remove(locale.groupSeparator()));
}

void WeeksModel::setWeeks(std::shared_ptr<const results::ClassFigures> owner,
                          const std::vector<results::WeekFigures>* weeks) {
    beginResetModel();
    owner_ = std::move(owner);
    weeks_ = weeks;
    endResetModel();
}

const std::vector<results::WeekFigures>& WeeksModel::weeks() const {
    static const std::vector<results::WeekFigures> kNone;
    return weeks_ ? *weeks_ : kNone;
}

int WeeksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(weeks().size());
}

int WeeksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WeeksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const results::WeekFigures& week = weeks()[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(index.column() == Week ? Qt::AlignLeading | Qt::AlignVCenter
                                                          : Qt::AlignTrailing | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case Week:
            return weekName(week.week);
        case Answers:
            return QLocale().toString(week.counts.answers);
        case Share:
            return shareText(week.counts);
        case Median:
            return tenthsOfSeconds(week.counts.medianCentiseconds);
        default:
            return {};
    }
}

QVariant WeeksModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        switch (section) {
            case Week:
                return translated(kWeek);
            case Answers:
                return translated(kAnswersHeading);
            case Share:
                return translated(kShareHeading);
            case Median:
                return translated(kMedianHeading);
            default:
                break;
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void paintWeeks(QPainter& painter, const QRectF& area,
                const std::vector<results::WeekFigures>& weeks) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const QColor ink = painter.pen().color();
    const bool rightToLeft = (text::layoutDirection() == Qt::RightToLeft);
    const QLocale locale;

    // The legend on top, in reading order.
    const QString shareLabel = translated(kShareHeading);
    const QString secondsLabel = translated(kMedianHeading);
    const double line = metrics.height();
    const double legendWidth = 24 + 6 + metrics.horizontalAdvance(shareLabel) + 24 + 24 + 6 +
                               metrics.horizontalAdvance(secondsLabel);
    double x = rightToLeft ? area.right() - legendWidth : area.left();
    const double legendY = area.top() + line / 2;
    const auto legendEntry = [&](const QString& label, const QColor& colour, Qt::PenStyle style,
                                 bool square) {
        const double labelWidth = metrics.horizontalAdvance(label);
        const double sampleX = rightToLeft ? x + labelWidth + 6 : x;
        const double labelX = rightToLeft ? x : x + 30;
        drawSample(painter, QPointF(sampleX, legendY), colour, style, square);
        painter.setPen(ink);
        painter.drawText(QPointF(labelX, area.top() + metrics.ascent()), label);
        x += 30 + labelWidth + 24;
    };
    if (rightToLeft) {
        legendEntry(secondsLabel, kSecondsColour, Qt::DashLine, true);
        legendEntry(shareLabel, kShareColour, Qt::SolidLine, false);
    } else {
        legendEntry(shareLabel, kShareColour, Qt::SolidLine, false);
        legendEntry(secondsLabel, kSecondsColour, Qt::DashLine, true);
    }

    const double scaleWidth =
        std::max(metrics.horizontalAdvance(shareText({1, 1, 0})),
                 metrics.horizontalAdvance(translated(kSecondsScale).arg(tenthsOfSeconds(9990))));
    QRectF plot = area.adjusted(scaleWidth + 8, 2 * line, -(scaleWidth + 8), -1.5 * line);
    if (weeks.empty() || plot.width() < 10 || plot.height() < 10) {
        painter.setPen(ink);
        painter.drawText(area.adjusted(0, 2 * line, 0, 0), Qt::AlignCenter, translated(kNoWeeks));
        painter.restore();
        return;
    }
    std::int64_t slowest = 100;
    for (const auto& week : weeks) {
        slowest = std::max(slowest, week.counts.medianCentiseconds);
    }
    // An even number of seconds, so that the quarter lines fall on half seconds.
    const std::int64_t topSeconds = (slowest + 199) / 200 * 2;
    const double shareSide = rightToLeft ? plot.right() + 6 : plot.left() - 6;
    const double secondsSide = rightToLeft ? plot.left() - 6 : plot.right() + 6;
    const auto sideText = [&](double side, double y, const QString& label) {
        const double at = side < plot.left() ? side - metrics.horizontalAdvance(label) : side;
        painter.drawText(QPointF(at, y + metrics.ascent() / 2 - 1), label);
    };
    // Quarter lines, each labelled on both sides: share on the reading side, seconds on the other.
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const double y = plot.bottom() - plot.height() * quarter / 4;
        painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.5));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ink);
        sideText(shareSide, y, shareText({4, quarter, 0}));
        sideText(secondsSide, y,
                 translated(kSecondsScale).arg(tenthsOfSeconds(topSeconds * 100 * quarter / 4)));
    }
    const auto count = static_cast<double>(weeks.size());
    const auto pointX = [&](std::size_t i) {
        const double step = plot.width() / count;
        const double fromStart = step * (static_cast<double>(i) + 0.5);
        return rightToLeft ? plot.right() - fromStart : plot.left() + fromStart;
    };
    QPainterPath share;
    QPainterPath seconds;
    for (std::size_t i = 0; i < weeks.size(); ++i) {
        const results::Counts& counts = weeks[i].counts;
        const double px = pointX(i);
        const double shareY =
            plot.bottom() - plot.height() * static_cast<double>(counts.correct) /
                                static_cast<double>(std::max<std::int64_t>(counts.answers, 1));
        const double secondsY = plot.bottom() - plot.height() *
                                                    static_cast<double>(counts.medianCentiseconds) /
                                                    static_cast<double>(topSeconds * 100);
        i == 0 ? share.moveTo(px, shareY) : share.lineTo(px, shareY);
        i == 0 ? seconds.moveTo(px, secondsY) : seconds.lineTo(px, secondsY);
        const QString label = locale.toString(weeks[i].week.week);
        painter.setPen(ink);
        painter.drawText(QPointF(px - metrics.horizontalAdvance(label) / 2,
                                 plot.bottom() + metrics.ascent() + 4),
                         label);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kShareColour, 2, Qt::SolidLine));
    painter.drawPath(share);
    painter.setPen(QPen(kSecondsColour, 2, Qt::DashLine));
    painter.drawPath(seconds);
    for (std::size_t i = 0; i < weeks.size(); ++i) {
        const QPointF sharePoint = share.elementAt(static_cast<int>(i));
        const QPointF secondsPoint = seconds.elementAt(static_cast<int>(i));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kShareColour);
        painter.drawEllipse(sharePoint, 3.5, 3.5);
        painter.setBrush(kSecondsColour);
        painter.drawRect(QRectF(secondsPoint - QPointF(3.5, 3.5), QSizeF(7, 7)));
    }
    painter.restore();
}

WeeksChart::WeeksChart(const WeeksModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("weeksChart"));
    setAccessibleName(translated(kWeeksChart));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 180);
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
        describe();
        update();
    });
    describe();
}

QSize WeeksChart::sizeHint() const {
    return {560, 240};
}

void WeeksChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    paintWeeks(painter, QRectF(rect()).adjusted(8, 8, -8, -8), model_.weeks());
}

void WeeksChart::describe() {
    // A screen reader reads every point, in the order of the weeks, as the description.
    QStringList points;
    for (const auto& week : model_.weeks()) {
        points << weekPoint(week);
    }
    const QString description = points.isEmpty()
                                    ? translated(kNoWeeks)
                                    : points.join(QLatin1String(". ")) + QLatin1Char('.');
    setAccessibleDescription(description);
    setToolTip(description);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

}  // namespace calquin::teacher
