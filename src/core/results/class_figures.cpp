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
#include <tuple>
#include <unordered_map>
#include <utility>
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
        figures.add(later.figures);
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

// How often each question that reads back was missed: an open-addressing table of slots side
// by side, since a school's year misses millions of different questions and a node per question
// costs a cache miss more per row.
class MissedCounts {
public:
    void add(const QuestionParts& q, std::int64_t wrong) {
        if ((size_ + 1) * 4 > slots_.size() * 3) {
            grow();
        }
        Slot& slot = slotOf(q);
        if (slot.wrong == 0) {
            slot.question = q;
            ++size_;
        }
        slot.wrong += wrong;
    }

    void absorb(MissedCounts& later) {
        for (const Slot& slot : later.slots_) {
            if (slot.wrong > 0) {
                add(slot.question, slot.wrong);
            }
        }
        later = {};
    }

    template <typename Each>
    void forEach(const Each& each) const {
        for (const Slot& slot : slots_) {
            if (slot.wrong > 0) {
                each(slot.question, slot.wrong);
            }
        }
    }

private:
    struct Slot {
        QuestionParts question;
        std::int64_t wrong = 0;  // 0 for an empty slot: a question is kept once missed
    };

    static std::size_t hashOf(const QuestionParts& q) {
        std::uint64_t h = static_cast<std::uint64_t>(q.first) * 0x9E3779B97F4A7C15u;
        h ^= (static_cast<std::uint64_t>(q.second) + static_cast<std::uint64_t>(q.operation)) *
             0xBF58476D1CE4E5B9u;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }

    Slot& slotOf(const QuestionParts& q) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hashOf(q) & mask;; at = (at + 1) & mask) {
            Slot& slot = slots_[at];
            if (slot.wrong == 0 || slot.question == q) {
                return slot;
            }
        }
    }

    void grow() {
        std::vector<Slot> old =
            std::exchange(slots_, std::vector<Slot>(std::max<std::size_t>(16, slots_.size() * 2)));
        size_ = 0;
        for (const Slot& slot : old) {
            if (slot.wrong > 0) {
                add(slot.question, slot.wrong);
            }
        }
    }

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};

struct Wrong {
    std::int64_t count = 0;

    void absorb(const Wrong& later) { count += later.count; }
};

// The order among equally often missed questions: those that read back first, by their numbers,
// then the others by their text.
bool missedBefore(const MissedQuestion& a, const MissedQuestion& b) {
    if (a.wrong != b.wrong) {
        return a.wrong > b.wrong;
    }
    if (a.parts.has_value() != b.parts.has_value()) {
        return a.parts.has_value();
    }
    if (a.parts) {
        return std::tie(a.parts->first, a.parts->operation, a.parts->second) <
               std::tie(b.parts->first, b.parts->operation, b.parts->second);
    }
    return a.recorded < b.recorded;
}

struct ItemTally {
    Tally tally;
    // Only wrong answers are kept, keyed by the question read back, so that "7 × 8" and
    // "7 · 8" are one question; what does not read back is kept apart as recorded. A school's
    // year misses millions of different questions, so they are hashed, not ordered.
    MissedCounts missed;
    std::unordered_map<std::string, Wrong> missedUnread;

    void add(const RowView& row, const std::optional<QuestionParts>& parts) {
        tally.add(row.correct, row.centiseconds);
        if (row.correct) {
            return;
        }
        if (parts) {
            missed.add(*parts, 1);
        } else {
            ++missedUnread[std::string(row.question)].count;
        }
    }

    void absorb(ItemTally& later) {
        tally.absorb(later.tally);
        missed.absorb(later.missed);
        absorbEach(missedUnread, later.missedUnread);
    }

    ItemFigures figures() {
        ItemFigures out{tally.counts(), {}};
        // The best few so far, kept sorted: millions of questions are looked at once each.
        const auto consider = [&out](MissedQuestion candidate) {
            auto& best = out.mostMissed;
            if (best.size() == kMostMissedPerItem && !missedBefore(candidate, best.back())) {
                return;
            }
            best.insert(std::upper_bound(best.begin(), best.end(), candidate, missedBefore),
                        std::move(candidate));
            if (best.size() > kMostMissedPerItem) {
                best.pop_back();
            }
        };
        missed.forEach([&](const QuestionParts& parts, std::int64_t wrong) {
            if (out.mostMissed.size() < kMostMissedPerItem ||
                wrong >= out.mostMissed.back().wrong) {
                consider({recordedForm(parts), parts, wrong});
            }
        });
        for (const auto& [recorded, wrong] : missedUnread) {
            consider({recorded, std::nullopt, wrong.count});
        }
        missed = {};
        missedUnread = {};
        return out;
    }

    static std::string recordedForm(const QuestionParts& parts) {
        return RecordedQuestion{
            parts.first, &engine::operatorOfType(static_cast<int>(parts.operation)), parts.second}
            .text();
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
    // Rows come in time order, mostly one item's in a row, so the week is worked out once a day
    // and the tallies it and the item go in are looked up once a day and once an item.
    struct AtHand {
        PupilTally* pupil = nullptr;
        std::string pupilName;
        std::string weekDay;
        std::array<Tally*, 2> weeks{};  // the pupil's and the class's, none for no date
        std::string itemName;
        std::array<ItemTally*, 2> items{};
    };
    return [this, at = AtHand()](const RowView& row) mutable {
        PupilTally*& pupil = at.pupil;
        if (!pupil || row.pupil != at.pupilName) {
            auto found = tallies_->pupils.find(row.pupil);
            if (found == tallies_->pupils.end()) {
                found = tallies_->pupils.emplace(std::string(row.pupil), PupilTally{}).first;
            }
            at = AtHand{&found->second, std::string(row.pupil), {}, {}, {}, {}};
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
        if (day != at.weekDay || at.weekDay.empty()) {
            at.weekDay = day;
            at.weeks = {};
            if (const auto week = isoWeek(day)) {
                at.weeks = {&pupil->weeks[*week], &tallies_->wholeClass.weeks[*week]};
            }
        }
        if (at.weeks[0]) {
            at.weeks[0]->add(row.correct, row.centiseconds);
            at.weeks[1]->add(row.correct, row.centiseconds);
        }
        if (!at.items[0] || row.item != at.itemName) {
            at.itemName = row.item;
            at.items = {&pupil->item(row.item), &tallies_->wholeClass.item(row.item)};
        }
        const auto question = parseQuestion(row.question);
        at.items[0]->add(row, question);
        at.items[1]->add(row, question);
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
