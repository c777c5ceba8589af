// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_summary.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <exception>
#include <map>
#include <system_error>
#include <thread>

#include "results/question_counter.h"
#include "results/recorded_question.h"
#include "results/results_reader.h"
#include "results/results_source.h"

namespace calquin::results {
namespace {

template <typename Map>
auto& entry(Map& map, std::string_view key) {
    auto found = map.find(key);
    if (found == map.end()) {
        found = map.emplace(std::string(key), typename Map::mapped_type{}).first;
    }
    return found->second;
}

// "56 / 7": plain digits, a blank, the catalogue's sign, a blank, plain digits. Byte by byte:
// this runs for every row of a year, and the library's set searches call memchr per character.
bool inKeptForm(std::string_view question) {
    const auto digits = [&question]() {
        std::size_t count = 0;
        while (count < question.size() && question[count] >= '0' && question[count] <= '9') {
            ++count;
        }
        question.remove_prefix(count);
        return count > 0;
    };
    if (!digits() || question.size() < 3 || question[0] != ' ' || question[2] != ' ') {
        return false;
    }
    const char sign = question[1];
    if (sign != '+' && sign != '-' && sign != '*' && sign != '/') {
        return false;
    }
    question.remove_prefix(3);
    return digits() && question.empty();
}

using Pupils = std::map<std::string, PupilFigures, std::less<>>;

// The counting threads of the question shards, and one reading thread's batches for them.
using Counters = std::array<QuestionCounter, QuestionShards::kShards>;

struct Batches {
    std::array<AnswerBatch, QuestionShards::kShards> shards;

    void add(Counters& counters, std::string_view question, bool wrong) {
        const std::uint64_t hash = QuestionTable::hashOf(question);
        const std::size_t shard = QuestionShards::shardOf(hash);
        if (!shards[shard].add(question, wrong, hash)) {
            counters[shard].take(shards[shard]);
            shards[shard].add(question, wrong, hash);
        }
    }

    void handOver(Counters& counters) {
        for (std::size_t shard = 0; shard < shards.size(); ++shard) {
            counters[shard].take(shards[shard]);
        }
    }
};

// Adds the rows of one file dated `since` or later to the pupils' figures, and hands their
// questions on in batches.
class FileSummer {
public:
    FileSummer(Pupils& pupils, std::string_view since, Counters& questions, Batches& batches)
        : pupils_(pupils), questions_(questions), batches_(batches), since_(since) {}
    FileSummer(const FileSummer&) = delete;
    FileSummer& operator=(const FileSummer&) = delete;

    ResultsReader::OnRow onRow() {
        return [this](const RowView& row) { add(row); };
    }

private:
    void add(const RowView& row) {
        if (!since_.empty() && row.time.substr(0, since_.size()) < since_) {
            return;
        }
        // Rows of one file are mostly one pupil's on one item, so the last entries are kept at
        // hand.
        if (!pupil_ || row.pupil != pupilName_) {
            pupil_ = &entry(pupils_, row.pupil);
            pupilName_ = row.pupil;
            item_ = nullptr;
        }
        if (!item_ || row.item != itemName_) {
            item_ = &entry(pupil_->items, row.item);
            itemName_ = row.item;
        }
        pupil_->all.add(row.correct, row.centiseconds);
        item_->add(row.correct, row.centiseconds);
        batches_.add(questions_, keptForm(row.question), !row.correct);
    }

    // The question in the one form the record keeps now ("7 * 8"), so that rows a 1.2.0 window
    // wrote in its own language's signs, digits and direction marks count as the same question.
    // A question already in that form, as every row written since is, is taken as it stands;
    // other forms are read once per file.
    std::string_view keptForm(std::string_view recorded) {
        if (inKeptForm(recorded)) {
            return recorded;
        }
        auto known = otherForms_.find(recorded);
        if (known == otherForms_.end()) {
            const auto question = readRecordedQuestion(recorded);
            known = otherForms_
                        .emplace(std::string(recorded),
                                 question ? question->text() : std::string(recorded))
                        .first;
        }
        return known->second;
    }

    Pupils& pupils_;
    Counters& questions_;
    Batches& batches_;
    std::string since_;
    PupilFigures* pupil_ = nullptr;
    std::string pupilName_;
    Figures* item_ = nullptr;
    std::string itemName_;
    std::map<std::string, std::string, std::less<>> otherForms_;
};

}  // namespace

void Figures::add(bool right, std::int64_t time) {
    ++answers;
    correct += right ? 1 : 0;
    centiseconds += time;
}

void Figures::add(const Figures& more) {
    answers += more.answers;
    correct += more.correct;
    centiseconds += more.centiseconds;
}

int Figures::percentCorrect() const {
    if (answers == 0) {
        return 0;
    }
    const auto rounded = static_cast<int>((correct * 200 + answers) / (answers * 2));
    return correct == answers ? 100 : correct == 0 ? 0 : std::clamp(rounded, 1, 99);
}

std::int64_t Figures::averageCentiseconds() const {
    return answers == 0 ? 0 : (centiseconds * 2 + answers) / (answers * 2);
}

void addFile(Summary& summary, std::string_view bytes, const FileOrigin& origin,
             std::string_view since) {
    Counters questions{{{summary.questions.shard(0), false}, {summary.questions.shard(1), false}}};
    Batches batches;
    FileSummer summer(summary.pupils, since, questions, batches);
    const FileTally tally = readPupilFile(bytes, origin, summer.onRow());
    batches.handOver(questions);
    summary.add(tally, origin.name);
}

std::variant<Summary, std::string> summariseFolder(const std::filesystem::path& folder,
                                                   std::string_view since) {
    auto listed = resultsFilesIn(folder);
    if (auto* why = std::get_if<std::string>(&listed)) {
        return *why;
    }
    const auto& files = std::get<std::vector<std::filesystem::path>>(listed);
    Summary summary;
    std::vector<FileTally> tallies(files.size());
    {
        // Two threads read the files, each taking the next one not yet taken, and two more count
        // the questions of both, each those of one shard: the work is uneven, and the system
        // spreads four threads over two cores better than we could split it in two.
        Counters questions{
            {{summary.questions.shard(0), true}, {summary.questions.shard(1), true}}};
        std::atomic<std::size_t> next{0};
        const auto readFiles = [&](Pupils& pupils) {
            Batches batches;
            for (std::size_t i; (i = next.fetch_add(1)) < files.size();) {
                FileSummer summer(pupils, since, questions, batches);
                tallies[i] = readPupilFile(files[i], summer.onRow());
            }
            batches.handOver(questions);
        };
        Pupils others;
        std::exception_ptr failure;
        std::thread helper;
        try {
            helper = std::thread([&] {
                try {
                    readFiles(others);
                } catch (...) {
                    failure = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            // One thread reads them all.
        }
        std::exception_ptr ownFailure;
        try {
            readFiles(summary.pupils);
        } catch (...) {
            ownFailure = std::current_exception();  // the helper is joined first
        }
        if (helper.joinable()) {
            helper.join();
        }
        for (const std::exception_ptr& thrown : {ownFailure, failure}) {
            if (thrown) {
                std::rethrow_exception(thrown);
            }
        }
        for (QuestionCounter& counter : questions) {
            counter.finish();
        }
        for (const auto& [name, figures] : others) {
            PupilFigures& pupil = entry(summary.pupils, name);
            pupil.all.add(figures.all);
            for (const auto& [item, itemFigures] : figures.items) {
                entry(pupil.items, item).add(itemFigures);
            }
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        summary.add(tallies[i], files[i].filename().string());
    }
    return summary;
}

std::vector<std::pair<std::string, QuestionFigures>> mostMissed(const Summary& summary,
                                                                std::size_t limit) {
    const auto before = [](const auto& a, const auto& b) {
        if (a.second.wrong != b.second.wrong) {
            return a.second.wrong > b.second.wrong;
        }
        if (a.second.asked != b.second.asked) {
            return a.second.asked > b.second.asked;
        }
        return a.first < b.first;
    };
    // A heap of the best `limit` so far, the last of them on top: millions of questions are
    // looked at once each, and only a few are kept.
    std::vector<std::pair<std::string_view, QuestionFigures>> best;
    summary.questions.forEach([&](std::string_view question, const QuestionFigures& figures) {
        if (figures.wrong == 0 || limit == 0) {
            return;
        }
        const std::pair<std::string_view, QuestionFigures> candidate(question, figures);
        if (best.size() < limit) {
            best.push_back(candidate);
            std::push_heap(best.begin(), best.end(), before);
        } else if (before(candidate, best.front())) {
            std::pop_heap(best.begin(), best.end(), before);
            best.back() = candidate;
            std::push_heap(best.begin(), best.end(), before);
        }
    });
    std::sort_heap(best.begin(), best.end(), before);
    std::vector<std::pair<std::string, QuestionFigures>> missed;
    for (const auto& [question, figures] : best) {
        missed.emplace_back(std::string(question), figures);
    }
    return missed;
}

}  // namespace calquin::results
