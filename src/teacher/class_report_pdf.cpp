// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/class_report_pdf.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <vector>

#include "engine/operators.h"
#include "teacher/class_model.h"
#include "teacher/fact_grid_model.h"
#include "teacher/weeks_view.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::teacher {
namespace {

constexpr Text kReportTitle = translatable("ClassResults", "Calquin class results: %1");
constexpr Text kPageNumber = translatable("ClassResults", "Page %1");

using text::translated;

constexpr int kDotsPerInch = 96;
constexpr double kGridCell = 20;

// A table painted from a model as a table view shows it: headings, then the rows, each cell with
// the model's text and colours. Columns as wide as their widest text, shrunk alike to fit `width`;
// mirrored in a right-to-left window. Returns the height painted.
double paintTable(QPainter& painter, QPointF at, double width, const QAbstractItemModel& model,
                  const std::vector<int>& rows, bool rowHeadings, double cellWidth = 0) {
    const QFontMetricsF metrics(painter.font());
    const double rowHeight = std::max(metrics.height() + 6, cellWidth);
    const int columns = model.columnCount();
    std::vector<double> widths(static_cast<std::size_t>(columns + 1), cellWidth);
    if (cellWidth == 0) {
        const auto widen = [&](std::size_t column, const QString& text) {
            widths[column] = std::max(widths[column], metrics.horizontalAdvance(text) + 10);
        };
        for (int column = 0; column < columns; ++column) {
            widen(static_cast<std::size_t>(column + 1),
                  model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
            for (int row : rows) {
                widen(static_cast<std::size_t>(column + 1),
                      model.data(model.index(row, column)).toString());
            }
        }
    }
    if (!rowHeadings) {
        widths[0] = 0;
    }
    double total = 0;
    for (double w : widths) {
        total += w;
    }
    if (total > width) {
        for (double& w : widths) {
            w *= width / total;
        }
        total = width;
    }
    const bool rightToLeft = (text::layoutDirection() == Qt::RightToLeft);
    const QColor ink = painter.pen().color();
    const auto cell = [&](double y, int column, const QString& text, const QVariant& background,
                          const QVariant& foreground, Qt::Alignment align, bool heading) {
        double x = 0;
        for (int c = 0; c < column; ++c) {
            x += widths[static_cast<std::size_t>(c)];
        }
        const double w = widths[static_cast<std::size_t>(column)];
        const QRectF box(rightToLeft ? at.x() + total - x - w : at.x() + x, at.y() + y, w,
                         rowHeight);
        painter.fillRect(box, background.isValid() ? background.value<QColor>()
                              : heading            ? QColor(0xEE, 0xEE, 0xEE)
                                                   : QColor(Qt::white));
        painter.setPen(QPen(QColor(0xAA, 0xAA, 0xAA), 0.5));
        painter.drawRect(box);
        painter.setPen(foreground.isValid() ? foreground.value<QColor>() : ink);
        painter.drawText(box.adjusted(4, 0, -4, 0), static_cast<int>(align | Qt::AlignVCenter),
                         metrics.elidedText(text, Qt::ElideRight, box.width() - 8));
    };
    for (int column = 0; column < columns; ++column) {
        cell(0, column + 1, model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
             {}, {}, Qt::AlignHCenter, true);
    }
    if (rowHeadings) {
        cell(0, 0, {}, {}, {}, Qt::AlignHCenter, true);
    }
    double y = rowHeight;
    for (int row : rows) {
        if (rowHeadings) {
            cell(y, 0, model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString(), {}, {},
                 Qt::AlignHCenter, true);
        }
        for (int column = 0; column < columns; ++column) {
            const QModelIndex index = model.index(row, column);
            const QVariant align = model.data(index, Qt::TextAlignmentRole);
            cell(y, column + 1, model.data(index).toString(), model.data(index, Qt::BackgroundRole),
                 model.data(index, Qt::ForegroundRole),
                 align.isValid() ? Qt::Alignment(align.toInt()) & Qt::AlignHorizontal_Mask
                                 : Qt::AlignLeading,
                 false);
        }
        y += rowHeight;
    }
    painter.setPen(ink);
    return y;
}

class PageWriter {
public:
    PageWriter(QPdfWriter& writer, QPainter& painter)
        : writer_(writer),
          painter_(painter),
          area_(writer.pageLayout().paintRectPixels(kDotsPerInch)) {
        area_.moveTopLeft({0, 0});
    }

    const QRectF& area() const { return area_; }

    void newPage() {
        if (pages_ > 0) {
            writer_.newPage();
        }
        ++pages_;
        const QString number = translated(kPageNumber).arg(QLocale().toString(pages_));
        painter_.drawText(area_, static_cast<int>(Qt::AlignBottom | Qt::AlignHCenter), number);
    }

    // A heading line in a larger bold type; returns its height.
    double heading(double y, const QString& text, double scale) {
        return heading(y, text, scale, area_.left(), area_.width());
    }
    double heading(double y, const QString& text, double scale, double x, double width) {
        QFont font = painter_.font();
        const QFont plain = font;
        font.setPointSizeF(plain.pointSizeF() * scale);
        font.setBold(true);
        painter_.setFont(font);
        const double height = QFontMetricsF(font).height();
        painter_.drawText(QRectF(x, y, width, height),
                          static_cast<int>(Qt::AlignLeading | Qt::AlignVCenter), text);
        painter_.setFont(plain);
        return height;
    }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    QRectF area_;
    int pages_ = 0;
};

// The four grids two by two, then the weeks, from `y` down.
void paintFactsAndWeeks(QPainter& painter, PageWriter& page, double y,
                        const results::PupilOverview& overview,
                        const std::shared_ptr<const results::ClassFigures>& owner,
                        std::int64_t limit) {
    std::array<FactGridModel, 4> grids;
    const double gridWidth = kGridCell * (results::kGridSize + 1);
    const double gap = (page.area().width() - 2 * gridWidth) / 2;
    double rowHeight = 0;
    for (const engine::Operator& op : engine::kOperators) {
        const auto type = static_cast<std::size_t>(op.testType());
        grids[type].setLimitCentiseconds(limit);
        grids[type].setGrid(owner, &overview.facts[type], op.operation);
        const double column = static_cast<double>(type % 2);
        const double x = (text::layoutDirection() == Qt::RightToLeft)
                             ? page.area().right() - gridWidth - column * (gridWidth + gap)
                             : page.area().left() + column * (gridWidth + gap);
        const double top = y + static_cast<double>(type / 2) * rowHeight;
        const double title = page.heading(top, translated(op.checkHeading), 1.0, x, gridWidth);
        std::vector<int> rows(results::kGridSize);
        for (int row = 0; row < results::kGridSize; ++row) {
            rows[static_cast<std::size_t>(row)] = row;
        }
        const double height = paintTable(painter, QPointF(x, top + title), gridWidth, grids[type],
                                         rows, true, kGridCell);
        rowHeight = std::max(rowHeight, title + height + 12);
    }
    y += 2 * rowHeight;
    // The states' key, as under the window's grids: paper may be copied without colour.
    QStringList key;
    for (const auto state : {results::FactState::Fluent, results::FactState::AccurateButSlow,
                             results::FactState::NotYet, results::FactState::NotAsked}) {
        const StateLook look = stateLook(state);
        key << (look.symbol.isEmpty() ? QStringLiteral("□") : look.symbol) + QLatin1Char(' ') +
                   translated(look.name);
    }
    painter.drawText(QRectF(page.area().left(), y, page.area().width(), 20),
                     static_cast<int>(Qt::AlignLeading | Qt::AlignVCenter),
                     key.join(QStringLiteral("     ")));
    y += 28;
    const double chartHeight = std::min(260.0, page.area().bottom() - y - 30);
    paintWeeks(painter, QRectF(page.area().left(), y, page.area().width(), chartHeight),
               overview.weeks);
}

}  // namespace

QPageSize paperFor(const QLocale& locale) {
    const auto country = locale.territory();
    return QPageSize(country == QLocale::UnitedStates || country == QLocale::Canada
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

std::optional<QString> writeClassPdf(const QString& path, const ClassReport& report,
                                     const QPageSize& paper) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return file.errorString();
    }
    QPdfWriter writer(&file);
    writer.setResolution(kDotsPerInch);
    writer.setPageSize(paper);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(translated(kReportTitle).arg(report.period));
    writer.setCreator(QStringLiteral("Calquin"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return file.errorString();
    }
    painter.setLayoutDirection(text::layoutDirection());
    QFont font = painter.font();
    font.setPointSizeF(9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    PageWriter page(writer, painter);

    ClassModel table;
    table.setFigures(report.figures);
    const auto pageOf = [&](int row) {
        page.newPage();
        double y = page.area().top();
        y += page.heading(y, translated(kReportTitle).arg(table.name(row)), 1.4);
        y += page.heading(y, report.period, 1.0) + 8;
        // The class's page holds the whole table, a pupil's page the pupil's line.
        std::vector<int> rows{row};
        if (row == 0) {
            for (int i = 1; i < table.rowCount(); ++i) {
                rows.push_back(i);
            }
        }
        const double rowHeight = QFontMetricsF(painter.font()).height() + 6;
        const auto fitting = static_cast<std::size_t>(
            std::max(1.0, (page.area().bottom() - y - 40) / rowHeight - 1));
        for (std::size_t from = 0; from < rows.size(); from += fitting) {
            if (from > 0) {
                page.newPage();
                y = page.area().top();
            }
            const std::vector<int> part(
                rows.begin() + static_cast<std::ptrdiff_t>(from),
                rows.begin() + static_cast<std::ptrdiff_t>(std::min(rows.size(), from + fitting)));
            y += paintTable(painter, QPointF(page.area().left(), y), page.area().width(), table,
                            part, false) +
                 16;
        }
        // Grids and weeks need about 640 dots; a long class table leaves them a page of their own.
        if (page.area().bottom() - y < 640) {
            page.newPage();
            y = page.area().top();
        }
        paintFactsAndWeeks(painter, page, y, *table.overview(row), report.figures,
                           report.limitCentiseconds);
    };
    for (int row = 0; row < table.rowCount(); ++row) {
        pageOf(row);
    }
    if (!painter.end()) {
        return file.errorString();
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace calquin::teacher
