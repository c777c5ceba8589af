// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/answer_recorder.h"

#include <ctime>

#include "results/results_row.h"
#include "text/recording_text.h"
#include "text/system_path.h"

namespace calquin::ui {
namespace {

QString local(const std::filesystem::path& path) {
    return text::pathText(path);
}

}  // namespace

FolderRecorder::~FolderRecorder() {
    // Written (or noticed) while the recorder is still whole: the notices come back here.
    file_.reset();
}

// On the results file's own thread, one at a time. Every kind of trouble is told in one line, the
// details in the system's words.
void FolderRecorder::notice(const results::ResultsFile::Notice& notice) {
    using Kind = results::ResultsFile::Notice::Kind;
    const QString file = local(notice.file);
    const QString why = QString::fromUtf8(notice.why.c_str());
    QString line;
    switch (notice.kind) {
        case Kind::NotWritten:
            // Once is enough while the folder stays away; later rows are tried again.
            if (complained_) {
                return;
            }
            complained_ = true;
            line = text::answersNotRecorded(file, why);
            break;
        case Kind::Elsewhere:
            line = text::answersRecordedElsewhere(file, why, local(notice.elsewhere));
            break;
        case Kind::LockedAtExit:
            line = text::answersLostAtExit(file, static_cast<int>(notice.rows));
            break;
    }
    std::fputs(line.toLocal8Bit().constData(), errors_);
    std::fflush(errors_);
}

void FolderRecorder::record(const JudgedAnswer& answer) {
    if (!file_) {
        // A pupil who chose their name still records it on this computer.
        if (pupil_.empty()) {
            pupil_ = results::loginName();
        }
        if (computer_.empty()) {
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
