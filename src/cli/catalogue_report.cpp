// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/catalogue_report.h"

#include <QCoreApplication>
#include <QStringList>
#include <variant>

#include "catalogue/catalogue_file.h"
#include "common/exit_status.h"
#include "engine/catalogue_check.h"
#include "text/captions.h"
#include "text/fault_text.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::cli {
namespace {

// The context translators find the check's report under.
class CatalogueCheck {
    Q_DECLARE_TR_FUNCTIONS(CatalogueCheck)
};

using text::fromUtf8;

// What the item asks, said whole for each operator so that no sentence is built from pieces.
QString otherTypeNote(int operatorType, const QString& listedUnder) {
    switch (operatorType) {
        case 0:
            return CatalogueCheck::tr(
                       "Note: its operator is +, so it asks addition questions, though it is "
                       "listed under \"%1\".")
                .arg(listedUnder);
        case 1:
            return CatalogueCheck::tr(
                       "Note: its operator is -, so it asks subtraction questions, though it is "
                       "listed under \"%1\".")
                .arg(listedUnder);
        case 2:
            return CatalogueCheck::tr(
                       "Note: its operator is *, so it asks multiplication questions, though it "
                       "is listed under \"%1\".")
                .arg(listedUnder);
        default:
            return CatalogueCheck::tr(
                       "Note: its operator is /, so it asks division questions, though it is "
                       "listed under \"%1\".")
                .arg(listedUnder);
    }
}

void describeRow(QStringList& lines, const engine::RowCheck& row, int rowNumber,
                 const QString& typeCaption) {
    const QString indent = QStringLiteral("  ");
    const QString hintIndent = QStringLiteral("      ");
    if (row.empty) {
        lines
            << indent +
                   (row.line > 0
                        ? CatalogueCheck::tr("Row %1, line %2: empty.")
                              .arg(text::schoolNumber(rowNumber), text::schoolNumber(row.line))
                        : CatalogueCheck::tr("Row %1: empty.").arg(text::schoolNumber(rowNumber)));
        return;
    }
    const QString item = text::ownDirectionName(fromUtf8(row.itemText));
    if (row.refusal) {
        lines << indent + CatalogueCheck::tr("Row %1, line %2: \"%3\". %4")
                              .arg(text::schoolNumber(rowNumber), text::schoolNumber(row.line),
                                   item, text::translated(*row.refusal));
    } else {
        lines << indent + CatalogueCheck::tr(
                              "Row %1, line %2: \"%3\". It can be started, for example %4.")
                              .arg(text::schoolNumber(rowNumber), text::schoolNumber(row.line),
                                   item, text::questionCaption(row.example));
    }
    if (row.semicolons) {
        lines << hintIndent + CatalogueCheck::tr(
                                  "Hint: line %1 seems to separate its fields with semicolons, "
                                  "but fields are separated by commas.")
                                  .arg(text::schoolNumber(row.line));
    }
    if (row.operatorType) {
        lines << hintIndent + otherTypeNote(*row.operatorType, typeCaption);
    }
}

QString summary(const engine::CatalogueCheck& check) {
    const int cannot = check.items - check.startable;
    if (check.items == 0) {
        return CatalogueCheck::tr("The file lists no items.");
    }
    if (check.items == 1) {
        return cannot == 0 ? CatalogueCheck::tr("1 item: it can be started.")
                           : CatalogueCheck::tr("1 item: it cannot be started.");
    }
    // The count comes in ASCII digits from the translation's %n; the school writes its own.
    return text::schoolDigits(
        CatalogueCheck::tr("%n items: %1 can be started, %2 cannot.", nullptr, check.items)
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
    lines << CatalogueCheck::tr("Catalogue: %1")
                 .arg(text::leftToRightName(fromUtf8(catalogue::absolutePath(path))));
    if (!records.empty() && records.front().separator == catalogue::Separator::Semicolon) {
        lines << CatalogueCheck::tr(
            "The fields are separated by semicolons, as spreadsheets save them, and were read that "
            "way.");
    }
    lines << QString();
    for (int t = 0; t < catalogue::kTestTypes; ++t) {
        const QString caption = text::testTypeCaption(t);
        lines << caption;
        const auto& rows = check.rows[static_cast<std::size_t>(t)];
        for (const engine::ReportedRows& reported : engine::reportedRows(rows)) {
            if (reported.first == reported.last) {
                describeRow(lines, rows[reported.first], static_cast<int>(reported.first) + 1,
                            caption);
            } else {
                lines << QStringLiteral("  ") + CatalogueCheck::tr("Rows %1–%2: empty.")
                                                    .arg(text::schoolNumber(reported.first + 1),
                                                         text::schoolNumber(reported.last + 1));
            }
        }
    }
    if (!check.unlisted.empty()) {
        lines << CatalogueCheck::tr("Not listed");
        for (const auto& record : check.unlisted) {
            lines << QStringLiteral("  ") +
                         CatalogueCheck::tr(
                             "Record %1, line %2: \"%3\" is stored but never shown in the list.")
                             .arg(text::schoolNumber(record.record + 1),
                                  text::schoolNumber(record.line),
                                  text::ownDirectionName(fromUtf8(record.itemText)));
        }
    }
    lines << QString() << summary(check);
    return {lines.join(QLatin1Char('\n')) + QLatin1Char('\n'),
            check.allStartable() ? kSuccess : kItemCannotStart};
}

}  // namespace calquin::cli
