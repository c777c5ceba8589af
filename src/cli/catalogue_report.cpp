// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/catalogue_report.h"

#include <QStringList>
#include <variant>

#include "catalogue/catalogue_file.h"
#include "common/exit_status.h"
#include "engine/catalogue_check.h"
#include "engine/operators.h"
#include "text/captions.h"
#include "text/fault_text.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::cli {
namespace {

// The check's report. Each text carries the context translators find it under.
constexpr Text kCatalogue = translatable("CatalogueCheck", "Catalogue: %1");
constexpr Text kReadWithSemicolons =
    translatable("CatalogueCheck",
                 "The fields are separated by semicolons, as spreadsheets save them, and were read "
                 "that way.");
constexpr Text kEmptyRow = translatable("CatalogueCheck", "Row %1: empty.");
constexpr Text kEmptyRowAtLine = translatable("CatalogueCheck", "Row %1, line %2: empty.");
constexpr Text kEmptyRows = translatable("CatalogueCheck", "Rows %1–%2: empty.");
constexpr Text kRefusedRow = translatable("CatalogueCheck", "Row %1, line %2: \"%3\". %4");
constexpr Text kStartableRow =
    translatable("CatalogueCheck", "Row %1, line %2: \"%3\". It can be started, for example %4.");
constexpr Text kSemicolonHint =
    translatable("CatalogueCheck",
                 "Hint: line %1 seems to separate its fields with semicolons, but fields are "
                 "separated by commas.");
constexpr Text kNotListed = translatable("CatalogueCheck", "Not listed");
constexpr Text kNeverShown = translatable(
    "CatalogueCheck", "Record %1, line %2: \"%3\" is stored but never shown in the list.");
constexpr Text kNoItems = translatable("CatalogueCheck", "The file lists no items.");
constexpr Text kOneStartable = translatable("CatalogueCheck", "1 item: it can be started.");
constexpr Text kOneNotStartable = translatable("CatalogueCheck", "1 item: it cannot be started.");
constexpr Text kItems =
    translatableCount("CatalogueCheck", "%n items: %1 can be started, %2 cannot.");

using text::translated;

void describeRow(QStringList& lines, const engine::RowCheck& row, int rowNumber,
                 const QString& heading) {
    const QString indent = QStringLiteral("  ");
    const QString hintIndent = QStringLiteral("      ");
    if (row.empty) {
        lines << indent + (row.line > 0 ? translated(kEmptyRowAtLine)
                                              .arg(text::schoolNumber(rowNumber),
                                                   text::schoolNumber(row.line))
                                        : translated(kEmptyRow).arg(text::schoolNumber(rowNumber)));
        return;
    }
    const QString item = text::ownDirectionName(QString::fromUtf8(row.itemText));
    if (row.refusal) {
        lines << indent + translated(kRefusedRow)
                              .arg(text::schoolNumber(rowNumber), text::schoolNumber(row.line),
                                   item, text::translated(*row.refusal));
    } else {
        lines << indent + translated(kStartableRow)
                              .arg(text::schoolNumber(rowNumber), text::schoolNumber(row.line),
                                   item, text::questionCaption(row.example));
    }
    if (row.semicolons) {
        lines << hintIndent + translated(kSemicolonHint).arg(text::schoolNumber(row.line));
    }
    if (row.operatorType) {
        lines << hintIndent + translated(engine::operatorOfType(*row.operatorType).filedElsewhere)
                                  .arg(heading);
    }
}

QString summary(const engine::CatalogueCheck& check) {
    const int cannot = check.items - check.startable;
    if (check.items == 0) {
        return translated(kNoItems);
    }
    if (check.items == 1) {
        return translated(cannot == 0 ? kOneStartable : kOneNotStartable);
    }
    // The count comes in ASCII digits from the translation's %n; the school writes its own.
    return text::schoolDigits(
        translated(kItems, check.items)
            .arg(text::schoolNumber(check.startable), text::schoolNumber(cannot)));
}

}  // namespace

CheckOutcome checkCatalogueFile(const std::string& path, engine::RandomSource& random) {
    const auto loaded = catalogue::loadCatalogueFile(path);
    if (const auto* fault = std::get_if<catalogue::CatalogueFault>(&loaded)) {
        return {text::faultText(*fault) + QLatin1Char('\n'), kCatalogueUnreadable};
    }
    const auto& records = std::get<std::vector<catalogue::Record>>(loaded);
    const auto check = engine::checkCatalogue(records, random);

    QStringList lines;
    lines << translated(kCatalogue)
                 .arg(text::leftToRightName(QString::fromUtf8(catalogue::absolutePath(path))));
    if (!records.empty() && records.front().separator == catalogue::Separator::Semicolon) {
        lines << translated(kReadWithSemicolons);
    }
    lines << QString();
    for (int t = 0; t < catalogue::kTestTypes; ++t) {
        const QString heading = translated(engine::operatorOfType(t).checkHeading);
        lines << heading;
        const auto& rows = check.rows[static_cast<std::size_t>(t)];
        for (const engine::ReportedRows& reported : engine::reportedRows(rows)) {
            if (reported.first == reported.last) {
                describeRow(lines, rows[reported.first], static_cast<int>(reported.first) + 1,
                            heading);
            } else {
                lines << QStringLiteral("  ") + translated(kEmptyRows)
                                                    .arg(text::schoolNumber(reported.first + 1),
                                                         text::schoolNumber(reported.last + 1));
            }
        }
    }
    if (!check.unlisted.empty()) {
        lines << translated(kNotListed);
        for (const auto& record : check.unlisted) {
            lines << QStringLiteral("  ") +
                         translated(kNeverShown)
                             .arg(text::schoolNumber(record.record + 1),
                                  text::schoolNumber(record.line),
                                  text::ownDirectionName(QString::fromUtf8(record.itemText)));
        }
    }
    lines << QString() << summary(check);
    return {lines.join(QLatin1Char('\n')) + QLatin1Char('\n'),
            check.allStartable() ? kSuccess : kItemCannotStart};
}

}  // namespace calquin::cli
