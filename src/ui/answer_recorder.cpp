// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/answer_recorder.h"

#include <QCoreApplication>
#include <ctime>
#include <string>

#include "results/results_row.h"

namespace calquin::ui {
namespace {

QString local(const std::filesystem::path& path) {
    return QString::fromLocal8Bit(path.c_str());
}

}  // namespace

FolderRecorder::~FolderRecorder() {
    // Written (or noticed) while the recorder is still whole: the notices come back here.
    file_.reset();
}

// On the results file's own thread, one at a time. Every kind of trouble is told with the one
// line a pupil's lost answers have always had, the details in the system's words.
void FolderRecorder::notice(const results::ResultsFile::Notice& notice) {
    using Kind = results::ResultsFile::Notice::Kind;
    std::string why = notice.why;
    switch (notice.kind) {
        case Kind::NotWritten:
            // Once is enough while the folder stays away; later rows are tried again.
            if (complained_) {
                return;
            }
            complained_ = true;
            break;
        case Kind::Elsewhere:
            why += "; they go to " + notice.elsewhere.string();
            break;
        case Kind::LockedAtExit:
            why = std::to_string(notice.rows) +
                  " still waiting for a lock or the folder when the program ended";
            break;
    }
    const QString line = QCoreApplication::translate(
                             "ResultsReport", "calquin: answers are not recorded in %1: %2\n")
                             .arg(local(notice.file), QString::fromLocal8Bit(why.c_str()));
    std::fputs(line.toLocal8Bit().constData(), errors_);
    std::fflush(errors_);
}

void FolderRecorder::record(const JudgedAnswer& answer) {
    if (!file_) {
        if (pupil_.empty()) {
            pupil_ = results::loginName();
            computer_ = results::hostName();
        }
        file_.emplace(folder_ / results::resultsFileName(pupil_, computer_),
                      [this](const results::ResultsFile::Notice& what) { notice(what); });
    }
    const results::AnswerRow row{results::formatLocalTime(std::time(nullptr)),
                                 pupil_,
                                 computer_,
                                 answer.item,
                                 answer.question,
                                 answer.typed,
                                 answer.correct,
                                 results::toCentiseconds(answer.took)};
    file_->append(results::formatRow(row));
}

}  // namespace calquin::ui
