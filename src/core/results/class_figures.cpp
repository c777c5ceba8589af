// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/class_figures.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <system_error>
#include <vector>

#include "results/results_reader.h"
#include "results/system_file.h"

namespace calquin::results {
namespace {

// The next code point of UTF-8 `text` from `at`, which moves past it; nothing for bytes that are
// no UTF-8, so that a damaged question is never read as some other one.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 0x6 ? 2 : lead >> 4 == 0xE ? 3 : 0;
    if (length == 0 || at + length > text.size()) {
        return std::nullopt;
    }
    char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1Fu : lead & 0x0Fu;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if (next >> 6 != 0x2) {
            return std::nullopt;
        }
        point = point << 6 | (next & 0x3Fu);
    }
    // An overlong form (a digit written in two bytes) or a surrogate is no UTF-8 either.
    if ((length == 2 && point < 0x80) ||
        (length == 3 && (point < 0x800 || (point >= 0xD800 && point <= 0xDFFF)))) {
        return std::nullopt;
    }
    at += length;
    return point;
}

bool isDirectionMark(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The question's characters brought down to ASCII: digits, one blank for any space, and the
// catalogue's own signs. 0 for a character no caption holds.
char plainCharacter(char32_t c) {
    if (c >= U'0' && c <= U'9') {
        return static_cast<char>(c);
    }
    if (c >= 0x0660 && c <= 0x0669) {  // Arabic-Indic digits
        return static_cast<char>('0' + (c - 0x0660));
    }
    if (c >= 0x06F0 && c <= 0x06F9) {  // their Persian and Urdu forms
        return static_cast<char>('0' + (c - 0x06F0));
    }
    switch (c) {
        case U' ':
        case U'\t':
        case 0x00A0:  // no-break space
        case 0x202F:  // narrow no-break space
            return ' ';
        case U'+':
            return '+';
        case U'-':
        case 0x2212:  // minus sign
            return '-';
        case U'*':
        case 0x00D7:  // ×
        case 0x00B7:  // ·
        case 0x22C5:  // dot operator
            return '*';
        case U'/':
        case U':':
        case 0x00F7:  // ÷
        case 0x2236:  // ratio
            return '/';
        default:
            return 0;
    }
}

// A number of at most 18 digits, so that it fits whatever the item asked.
std::optional<std::int64_t> number(std::string_view plain, std::size_t& at) {
    std::int64_t value = 0;
    const std::size_t start = at;
    while (at < plain.size() && plain[at] >= '0' && plain[at] <= '9') {
        if (at - start == 18) {
            return std::nullopt;
        }
        value = value * 10 + (plain[at++] - '0');
    }
    return at == start ? std::nullopt : std::optional(value);
}

void skipBlanks(std::string_view plain, std::size_t& at) {
    while (at < plain.size() && plain[at] == ' ') {
        ++at;
    }
}

struct Tally {
    std::int64_t answers = 0;
    std::int64_t correct = 0;
    std::vector<std::uint32_t> times;

    void add(bool right, std::int64_t centiseconds) {
        ++answers;
        correct += right ? 1 : 0;
        constexpr std::int64_t kLongest = std::numeric_limits<std::uint32_t>::max();
        times.push_back(
            static_cast<std::uint32_t>(std::clamp<std::int64_t>(centiseconds, 0, kLongest)));
    }

    Counts counts() {
        Counts out{answers, correct, 0};
        if (!times.empty()) {
            const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
            std::nth_element(times.begin(), middle, times.end());
            out.medianCentiseconds = *middle;
            if (times.size() % 2 == 0) {
                const std::int64_t below = *std::max_element(times.begin(), middle);
                out.medianCentiseconds = (below + out.medianCentiseconds + 1) / 2;
            }
        }
        times = {};
        return out;
    }
};

struct ItemTally {
    Tally tally;
    // Only wrong answers are kept, keyed by the question read back, so that "7 × 8" and
    // "7 · 8" are one question; what does not read back is kept apart as recorded.
    std::map<std::string, MissedQuestion, std::less<>> missed;

    void add(const RowView& row, const std::optional<QuestionParts>& parts) {
        tally.add(row.correct, row.centiseconds);
        if (row.correct) {
            return;
        }
        std::string key;
        if (parts) {
            key = std::to_string(parts->first) + ' ' +
                  std::string(engine::operatorOfType(static_cast<int>(parts->operation)).sign) +
                  ' ' + std::to_string(parts->second);
        } else {
            key = "\x7F" + std::string(row.question);  // after every question that reads back
        }
        auto found = missed.find(key);
        if (found == missed.end()) {
            found =
                missed.emplace(std::move(key), MissedQuestion{std::string(row.question), parts, 0})
                    .first;
        }
        ++found->second.wrong;
    }

    ItemFigures figures() {
        ItemFigures out{tally.counts(), {}};
        for (auto& [key, question] : missed) {
            out.mostMissed.push_back(std::move(question));
        }
        const std::size_t kept = std::min(kMostMissedPerItem, out.mostMissed.size());
        // Stable after the sort by key, so equal counts keep the map's order of the questions.
        std::stable_sort(
            out.mostMissed.begin(), out.mostMissed.end(),
            [](const MissedQuestion& a, const MissedQuestion& b) { return a.wrong > b.wrong; });
        out.mostMissed.resize(kept);
        missed = {};
        return out;
    }
};

struct PupilTally {
    Tally current;
    Tally previous;
    std::string lastDay;
    std::array<std::array<Tally, kGridSize * kGridSize>, 4> facts;
    std::map<std::string, ItemTally, std::less<>> items;

    ItemTally& item(std::string_view name) {
        auto found = items.find(name);
        if (found == items.end()) {
            found = items.emplace(std::string(name), ItemTally{}).first;
        }
        return found->second;
    }

    PupilOverview overview() {
        PupilOverview out{current.counts(), previous.counts(), lastDay, {}, {}};
        for (auto& [name, tally] : items) {
            out.items.emplace(name, tally.figures());
        }
        for (std::size_t op = 0; op < facts.size(); ++op) {
            for (std::size_t cell = 0; cell < facts[op].size(); ++cell) {
                out.facts[op][cell] = facts[op][cell].counts();
            }
        }
        return out;
    }
};

}  // namespace

std::optional<QuestionParts> parseQuestion(std::string_view recorded) {
    std::string plain;
    for (std::size_t at = 0; at < recorded.size();) {
        const auto c = nextCodePoint(recorded, at);
        if (!c) {
            return std::nullopt;
        }
        if (isDirectionMark(*c)) {
            continue;
        }
        const char p = plainCharacter(*c);
        if (p == 0) {
            return std::nullopt;
        }
        plain += p;
    }
    std::size_t at = 0;
    skipBlanks(plain, at);
    const auto first = number(plain, at);
    skipBlanks(plain, at);
    if (!first || at == plain.size()) {
        return std::nullopt;
    }
    const char sign = plain[at++];
    skipBlanks(plain, at);
    const auto second = number(plain, at);
    skipBlanks(plain, at);
    const engine::Operator* op = engine::findOperator(std::string_view(&sign, 1));
    if (!second || !op || at != plain.size()) {
        return std::nullopt;
    }
    return QuestionParts{*first, op->operation, *second};
}

std::optional<GridCell> gridCell(const QuestionParts& q) {
    const auto inGrid = [](std::int64_t n) { return n >= 0 && n < kGridSize; };
    std::int64_t row = q.first;
    std::int64_t column = q.second;
    switch (q.operation) {
        case engine::Operation::Addition:
        case engine::Operation::Multiplication:
            break;
        case engine::Operation::Subtraction:
            row = q.second;
            column = q.first - q.second;
            break;
        case engine::Operation::Division:
            if (q.second == 0 || q.first % q.second != 0) {
                return std::nullopt;
            }
            row = q.second;
            column = q.first / q.second;
            break;
    }
    if (!inGrid(row) || !inGrid(column)) {
        return std::nullopt;
    }
    return GridCell{static_cast<int>(row), static_cast<int>(column)};
}

FactState factState(const Counts& counts, std::int64_t limitCentiseconds) {
    if (counts.answers == 0) {
        return FactState::NotAsked;
    }
    if (counts.correct * 10 < counts.answers * 9) {
        return FactState::NotYet;
    }
    return counts.medianCentiseconds <= limitCentiseconds ? FactState::Fluent
                                                          : FactState::AccurateButSlow;
}

bool DateRange::contains(std::string_view day) const {
    return (first.empty() || day >= first) && (last.empty() || day <= last);
}

struct ClassFiguresBuilder::Tallies {
    std::map<std::string, PupilTally, std::less<>> pupils;
    PupilTally wholeClass;
    ClassFigures figures;  // everything but the sums
};

ClassFiguresBuilder::ClassFiguresBuilder(Periods periods)
    : periods_(std::move(periods)), tallies_(std::make_unique<Tallies>()) {}

ClassFiguresBuilder::~ClassFiguresBuilder() = default;

void ClassFiguresBuilder::addFile(std::string_view bytes, const std::string& fileName) {
    ClassFigures& figures = tallies_->figures;
    PupilTally* pupil = nullptr;
    std::string pupilName;
    const ReadOutcome outcome = readResults(bytes, [&](const RowView& row) {
        if (!pupil || row.pupil != pupilName) {
            auto found = tallies_->pupils.find(row.pupil);
            if (found == tallies_->pupils.end()) {
                found = tallies_->pupils.emplace(std::string(row.pupil), PupilTally{}).first;
            }
            pupil = &found->second;
            pupilName = row.pupil;
        }
        const std::string_view day = row.time.substr(0, 10);
        for (PupilTally* tally : {pupil, &tallies_->wholeClass}) {
            if (day > tally->lastDay) {
                tally->lastDay = day;
            }
        }
        if (periods_.previous && periods_.previous->contains(day)) {
            pupil->previous.add(row.correct, row.centiseconds);
            tallies_->wholeClass.previous.add(row.correct, row.centiseconds);
        }
        if (!periods_.current.contains(day)) {
            return;
        }
        pupil->current.add(row.correct, row.centiseconds);
        tallies_->wholeClass.current.add(row.correct, row.centiseconds);
        const auto question = parseQuestion(row.question);
        pupil->item(row.item).add(row, question);
        tallies_->wholeClass.item(row.item).add(row, question);
        if (!question) {
            return;
        }
        if (const auto cell = gridCell(*question)) {
            const auto op = static_cast<std::size_t>(question->operation);
            pupil->facts[op][cellIndex(*cell)].add(row.correct, row.centiseconds);
            tallies_->wholeClass.facts[op][cellIndex(*cell)].add(row.correct, row.centiseconds);
        }
    });
    if (!outcome.isResultsFile) {
        return;
    }
    ++figures.filesRead;
    if (outcome.skipped > 0 && figures.skipped == 0) {
        figures.firstSkippedFile = fileName;
        figures.firstSkippedLine = outcome.firstSkippedLine;
    }
    figures.skipped += outcome.skipped;
}

void ClassFiguresBuilder::addUnreadable(const std::string& fileName, const std::string& reason) {
    ClassFigures& figures = tallies_->figures;
    if (figures.filesUnreadable++ == 0) {
        figures.firstUnreadableFile = fileName;
        figures.firstUnreadableReason = reason;
    }
}

ClassFigures ClassFiguresBuilder::finish() {
    ClassFigures out = std::move(tallies_->figures);
    for (auto& [name, tally] : tallies_->pupils) {
        out.pupils.emplace(name, tally.overview());
    }
    out.wholeClass = tallies_->wholeClass.overview();
    tallies_ = std::make_unique<Tallies>();
    return out;
}

std::variant<ClassFigures, std::string, Cancelled> readClassFolder(
    const std::filesystem::path& folder, const Periods& periods,
    const std::function<bool(std::size_t, std::size_t)>& goOn) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return error.message();
    }
    for (const auto& file : entries) {
        if (file.path().extension() == ".csv" && !file.is_directory(error)) {
            files.push_back(file.path());
        }
    }
    std::sort(files.begin(), files.end());
    ClassFiguresBuilder builder(periods);
    std::string bytes;
    for (std::size_t done = 0; done < files.size(); ++done) {
        if (!goOn(done, files.size())) {
            return Cancelled{};
        }
        const std::filesystem::path& path = files[done];
        if (const Problem why = readWholeFile(path, bytes)) {
            builder.addUnreadable(path.filename().string(), *why);
            continue;
        }
        builder.addFile(bytes, path.filename().string());
    }
    if (!goOn(files.size(), files.size())) {
        return Cancelled{};
    }
    return builder.finish();
}

}  // namespace calquin::results
