// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/catalogue_check.h"

#include <algorithm>

#include "engine/item_choice.h"
#include "engine/operators.h"
#include "engine/question_generator.h"

namespace calquin::engine {
namespace {

bool isEmpty(const catalogue::Record& record) {
    return record.itemText.empty() && record.digits1.empty() && record.digits2.empty() &&
           record.opSign.empty();
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Spreadsheets in many countries save "CSV" with semicolons. The reader then sees each line as
// one field holding a whole record, so the text after its last semicolon is a digit count or an
// operator sign; a semicolon inside an ordinary item text is followed by words.
bool looksSemicolonSeparated(std::string_view field) {
    const auto last = field.rfind(';');
    if (last == std::string_view::npos) {
        return false;
    }
    const std::string_view tail = trimmed(field.substr(last + 1));
    if (findOperator(tail) != nullptr) {
        return true;
    }
    return !tail.empty() &&
           std::all_of(tail.begin(), tail.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<ReportedRows> reportedRows(const std::array<RowCheck, catalogue::kRowsPerType>& rows) {
    const auto lacked = [](const RowCheck& row) { return row.empty && row.line == 0; };
    std::vector<ReportedRows> reported;
    for (std::size_t j = 0; j < rows.size(); ++j) {
        if (lacked(rows[j]) && !reported.empty() && lacked(rows[reported.back().last])) {
            reported.back().last = j;
        } else {
            reported.push_back({j, j});
        }
    }
    return reported;
}

CatalogueCheck checkCatalogue(const std::vector<catalogue::Record>& records, RandomSource& random) {
    TestState state;
    catalogue::storeRecords(state, records);
    QuestionGenerator generator(random);
    CatalogueCheck check;
    for (int t = 0; t < catalogue::kTestTypes; ++t) {
        state.testType = t;
        for (int row = 0; row < catalogue::kRowsPerType; ++row) {
            RowCheck& found =
                check.rows[static_cast<std::size_t>(t)][static_cast<std::size_t>(row)];
            found.record = catalogue::recordForRow(state, row);
            if (found.record < 0 || static_cast<std::size_t>(found.record) >= records.size()) {
                continue;
            }
            const catalogue::Record& record = records[static_cast<std::size_t>(found.record)];
            found.line = record.line;
            if (isEmpty(record)) {
                continue;
            }
            found.empty = false;
            found.itemText = record.itemText;
            ++check.items;
            const std::array fields = {&record.itemText, &record.digits1, &record.digits2,
                                       &record.opSign};
            found.semicolons = std::any_of(fields.begin(), fields.end(), [](const auto* field) {
                return looksSemicolonSeparated(*field);
            });
            if (const Operator* op = findOperator(record.opSign); op && op->testType() != t) {
                found.operatorType = op->testType();
            }
            found.refusal = chooseItem(state, found.record);
            if (!found.refusal) {
                found.example = generator.NewQuestion(state);
                ++check.startable;
            }
        }
    }
    const auto listed = static_cast<std::size_t>(catalogue::kRowsPerType * catalogue::kTestTypes);
    for (std::size_t n = listed; n < records.size(); ++n) {
        check.unlisted.push_back({static_cast<int>(n), records[n].line, records[n].itemText});
    }
    return check;
}

}  // namespace calquin::engine
