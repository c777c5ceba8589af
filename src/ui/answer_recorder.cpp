// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/answer_recorder.h"

#include <QCoreApplication>
#include <ctime>

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

// On the results file's own thread, one at a time.
void FolderRecorder::notice(const results::ResultsFile::Notice& notice) {
    using Kind = results::ResultsFile::Notice::Kind;
    QString line;
    switch (notice.kind) {
        case Kind::NotWritten:
            // Once is enough while the folder stays away; later rows are tried again.
            if (complained_) {
                return;
            }
            complained_ = true;
            line = QCoreApplication::translate("ResultsReport",
                                               "calquin: answers are not recorded in %1: %2\n")
                       .arg(local(notice.file), QString::fromLocal8Bit(notice.why.c_str()));
            break;
        case Kind::Elsewhere:
            line = QCoreApplication::translate("ResultsReport",
                                               "calquin: %1 is left alone (%2); answers go to %3\n")
                       .arg(local(notice.file), QString::fromLocal8Bit(notice.why.c_str()),
                            local(notice.elsewhere));
            break;
        case Kind::LockedAtExit:
            line = QCoreApplication::translate(
                       "ResultsReport",
                       "calquin: %n answer(s) not recorded in %1: another program kept it "
                       "locked or the folder did not answer\n",
                       nullptr, static_cast<int>(notice.rows))
                       .arg(local(notice.file));
            break;
    }
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
