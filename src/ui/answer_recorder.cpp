// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/answer_recorder.h"

#include <QCoreApplication>
#include <ctime>

#include "results/results_row.h"

namespace calquin::ui {

void FolderRecorder::record(const JudgedAnswer& answer) {
    if (!file_) {
        pupil_ = results::loginName();
        computer_ = results::hostName();
        file_.emplace(folder_ / results::resultsFileName(pupil_, computer_));
    }
    const results::AnswerRow row{results::formatLocalTime(std::time(nullptr)),
                                 pupil_,
                                 computer_,
                                 answer.item,
                                 answer.question,
                                 answer.typed,
                                 answer.correct,
                                 results::toCentiseconds(answer.took)};
    const auto problem = file_->append(results::formatRow(row));
    if (problem && !complained_) {
        complained_ = true;
        const QString line = QCoreApplication::translate(
                                 "ResultsReport", "calquin: answers are not recorded in %1: %2\n")
                                 .arg(QString::fromLocal8Bit(file_->path().c_str()),
                                      QString::fromLocal8Bit(problem->c_str()));
        std::fputs(line.toLocal8Bit().constData(), errors_);
        std::fflush(errors_);
    }
}

}  // namespace calquin::ui
