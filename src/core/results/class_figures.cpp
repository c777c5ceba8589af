// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/class_figures.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <exception>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

#include "results/recorded_question.h"
#include "results/results_reader.h"
#include "results/results_source.h"

namespace calquin::results {
namespace {

struct Tally {
    Figures figures;
    std::vector<std::uint32_t> times;

    void add(bool right, std::int64_t centiseconds) {
        figures.add(right, centiseconds);
        constexpr std::int64_t kLongest = std::numeric_limits<std::uint32_t>::max();
        times.push_back(
            static_cast<std::uint32_t>(std::clamp<std::int64_t>(centiseconds, 0, kLongest)));
    }

    Counts counts() {
        Counts out{figures, 0};
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

    void absorb(Tally& later) {
        figures.answers += later.figures.answers;
        figures.correct += later.figures.correct;
        figures.centiseconds += later.figures.centiseconds;
        times.insert(times.end(), later.times.begin(), later.times.end());
        later.times = {};
    }
};

// Adds what `later` summed to what `to` summed under the same keys; an entry `to` has keeps its
// own other fields, since it was met first.
template <typename Map>
void absorbEach(Map& to, Map& later) {
    for (auto& [key, tally] : later) {
        if (auto found = to.find(key); found != to.end()) {
            found->second.absorb(tally);
        } else {
            to.emplace(key, std::move(tally));
        }
    }
    later = {};
}

struct MissedTally {
    MissedQuestion question;

    void absorb(MissedTally& later) { question.wrong += later.question.wrong; }
};

struct ItemTally {
    Tally tally;
    // Only wrong answers are kept, keyed by the question read back, so that "7 × 8" and
    // "7 · 8" are one question; what does not read back is kept apart as recorded.
    std::map<std::string, MissedTally, std::less<>> missed;

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
            found = missed
                        .emplace(std::move(key),
                                 MissedTally{MissedQuestion{std::string(row.question), parts, 0}})
                        .first;
        }
        ++found->second.question.wrong;
    }

    void absorb(ItemTally& later) {
        tally.absorb(later.tally);
        absorbEach(missed, later.missed);
    }

    ItemFigures figures() {
        ItemFigures out{tally.counts(), {}};
        for (auto& [key, kept] : missed) {
            out.mostMissed.push_back(std::move(kept.question));
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
    std::map<IsoWeek, Tally> weeks;

    ItemTally& item(std::string_view name) {
        auto found = items.find(name);
        if (found == items.end()) {
            found = items.emplace(std::string(name), ItemTally{}).first;
        }
        return found->second;
    }

    void absorb(PupilTally& later) {
        current.absorb(later.current);
        previous.absorb(later.previous);
        lastDay = std::max(lastDay, later.lastDay);
        for (std::size_t op = 0; op < facts.size(); ++op) {
            for (std::size_t cell = 0; cell < facts[op].size(); ++cell) {
                facts[op][cell].absorb(later.facts[op][cell]);
            }
        }
        absorbEach(items, later.items);
        absorbEach(weeks, later.weeks);
    }

    PupilOverview overview() {
        PupilOverview out{current.counts(), previous.counts(), lastDay, {}, {}, {}};
        for (auto& [week, tally] : weeks) {
            out.weeks.push_back({week, tally.counts()});
        }
        weeks = {};
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
    const auto question = readRecordedQuestion(recorded);
    if (!question) {
        return std::nullopt;
    }
    return QuestionParts{question->first, question->op->operation, question->second};
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

std::optional<IsoWeek> isoWeek(std::string_view day) {
    using namespace std::chrono;
    const auto field = [&](std::size_t at, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* begin = day.data() + at;
        const auto [end, error] = std::from_chars(begin, begin + length, value);
        return error == std::errc() && end == begin + length ? std::optional(value) : std::nullopt;
    };
    if (day.size() != 10 || day[4] != '-' || day[7] != '-') {
        return std::nullopt;
    }
    const auto y = field(0, 4);
    const auto m = field(5, 2);
    const auto d = field(8, 2);
    if (!y || !m || !d || *m < 1 || *d < 1) {
        return std::nullopt;
    }
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)},
                              std::chrono::day{static_cast<unsigned>(*d)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    const sys_days when{date};
    const sys_days thursday = when + days{4 - static_cast<int>(weekday{when}.iso_encoding())};
    const year weekYear = year_month_day{thursday}.year();
    const auto daysIn = (thursday - sys_days{weekYear / January / 1}).count();
    return IsoWeek{static_cast<int>(weekYear), static_cast<int>(daysIn / 7 + 1)};
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

ResultsReader::OnRow ClassFiguresBuilder::rowCounter() {
    // Rows come in time order, so the week is worked out once a day, not once a row.
    return [this, pupil = static_cast<PupilTally*>(nullptr), pupilName = std::string(),
            weekDay = std::string(), week = std::optional<IsoWeek>()](const RowView& row) mutable {
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
        if (day != weekDay) {
            weekDay = day;
            week = isoWeek(day);
        }
        if (week) {
            pupil->weeks[*week].add(row.correct, row.centiseconds);
            tallies_->wholeClass.weeks[*week].add(row.correct, row.centiseconds);
        }
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
    };
}

void ClassFiguresBuilder::addFile(std::string_view bytes, const FileOrigin& origin) {
    tallies_->figures.add(readPupilFile(bytes, origin, rowCounter()), origin.name);
}

void ClassFiguresBuilder::addFile(const std::filesystem::path& path) {
    tallies_->figures.add(readPupilFile(path, rowCounter()), path.filename().string());
}

void ClassFiguresBuilder::absorb(ClassFiguresBuilder& later) {
    absorbEach(tallies_->pupils, later.tallies_->pupils);
    tallies_->wholeClass.absorb(later.tallies_->wholeClass);
    tallies_->figures.addLater(later.tallies_->figures);
    later.tallies_ = std::make_unique<Tallies>();
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
    auto listed = resultsFilesIn(folder);
    if (auto* why = std::get_if<std::string>(&listed)) {
        return *why;
    }
    const auto& files = std::get<std::vector<std::filesystem::path>>(listed);
    // A year of a whole school is millions of rows: a second thread reads the later half of the
    // files into figures of its own, added after the earlier half's, so that the first of each
    // kind of trouble is still the first by name. Progress and cancelling stay on this thread.
    const std::size_t half = files.size() / 2;
    ClassFiguresBuilder earlier(periods);
    ClassFiguresBuilder later(periods);
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stop{false};
    std::atomic<bool> laterRead{false};
    std::exception_ptr failure;
    const auto readLater = [&] {
        try {
            for (std::size_t i = half; i < files.size() && !stop; ++i) {
                later.addFile(files[i]);
                ++done;
            }
        } catch (...) {
            failure = std::current_exception();
        }
        laterRead = true;
    };
    std::thread helper;
    try {
        helper = std::thread(readLater);
    } catch (const std::system_error&) {
        // This thread reads them all.
    }
    const std::size_t ownEnd = helper.joinable() ? half : files.size();
    const auto finishHelper = [&](bool cancel) {
        stop = stop || cancel;
        if (helper.joinable()) {
            helper.join();
        }
        if (failure) {
            std::rethrow_exception(failure);
        }
    };
    try {
        for (std::size_t i = 0; i < ownEnd; ++i) {
            if (!goOn(done, files.size())) {
                finishHelper(true);
                return Cancelled{};
            }
            (i < half ? earlier : later).addFile(files[i]);
            ++done;
        }
        while (helper.joinable() && !laterRead) {
            if (!goOn(done, files.size())) {
                finishHelper(true);
                return Cancelled{};
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    } catch (...) {
        stop = true;
        if (helper.joinable()) {
            helper.join();
        }
        throw;
    }
    finishHelper(false);
    if (!goOn(files.size(), files.size())) {
        return Cancelled{};
    }
    earlier.absorb(later);
    return earlier.finish();
}

}  // namespace calquin::results
