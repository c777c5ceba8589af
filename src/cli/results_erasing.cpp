// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/results_erasing.h"

#include <QFile>
#include <ctime>
#include <string>
#include <variant>

#include "common/exit_status.h"
#include "common/phrase.h"
#include "results/results_pruning.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::cli {
namespace {

constexpr Text kPruneDescription =
    translatable("Erasing",
                 "Remove the answers older than results/keep-days in calquin.conf from every "
                 "results file in FOLDER (default: the one set in calquin.conf).");
constexpr Text kForgetDescription = translatable(
    "Erasing", "Remove every answer of the pupil NAME from the results folder, and say how many.");
constexpr Text kExitStatus = translatable(
    "Erasing",
    "  5  --prune-results or --forget-pupil could not change every results file\n"
    "With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder "
    "cannot be read, and 2 also that results/keep-days is not a number of days.\n");
constexpr Text kNoFolder =
    translatable("Erasing",
                 "calquin: %1 needs a folder, and no results folder is set in "
                 "calquin.conf.\n");
constexpr Text kNoKeepDays = translatable(
    "Erasing",
    "calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are "
    "kept, such as 365.\n");
constexpr Text kBadKeepDays =
    translatable("Erasing",
                 "calquin: results/keep-days in calquin.conf must be a whole number of days from "
                 "1 to 36500, not \"%1\".\n");
constexpr Text kFolderUnreadable =
    translatable("Erasing", "calquin: cannot read the results folder %1: %2.\n");
constexpr Text kPruned = translatableCount(
    "Erasing", "Answers dated before %1 (kept for %2 days) removed from %3: %n.\n");
constexpr Text kForgotten = translatableCount("Erasing", "Answers of %1 removed from %2: %n.\n");
constexpr Text kFilesRemoved =
    translatableCount("Erasing", "Files removed, since no answer was left in them: %n.\n");
constexpr Text kNotChanged = translatable(
    "Erasing", "calquin: results files that could not be changed: %1. The first is %2: %3.\n");
constexpr Text kEmptyName = translatable("Erasing", "calquin: --forget-pupil needs a name.\n");

using text::translated;

std::filesystem::path localPath(const QString& folder) {
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

QString name(const QString& text) {
    return text::leftToRightName(text);
}

// The figures of a removal, and the files it could not change.
CheckOutcome told(const results::Pruned& pruned, QString said) {
    if (pruned.filesRemoved > 0) {
        said += translated(kFilesRemoved, pruned.filesRemoved);
    }
    if (pruned.filesUnchanged == 0) {
        return {said, kSuccess};
    }
    said += translated(kNotChanged)
                .arg(text::schoolNumber(pruned.filesUnchanged),
                     name(QString::fromUtf8(pruned.firstUnchangedFile)),
                     QString::fromUtf8(pruned.firstUnchangedReason.c_str()));
    return {said, kResultsNotChanged};
}

}  // namespace

QString pruneDescription() {
    return translated(kPruneDescription);
}

QString forgetDescription() {
    return translated(kForgetDescription);
}

QString erasingExitStatusText() {
    return translated(kExitStatus);
}

CheckOutcome pruneResults(const std::optional<QString>& folder, const QString& keepDays) {
    if (!folder) {
        return {translated(kNoFolder).arg(QStringLiteral("--prune-results")), kUsageError};
    }
    if (keepDays.trimmed().isEmpty()) {
        return {translated(kNoKeepDays), kUsageError};
    }
    bool number = false;
    const int days = keepDays.trimmed().toInt(&number);
    constexpr int kMostDays = 36500;
    if (!number || days < 1 || days > kMostDays) {
        return {translated(kBadKeepDays).arg(name(keepDays)), kUsageError};
    }
    const std::string firstKept = results::firstDayKept(days, std::time(nullptr));
    // The row's own local date, as --since reads it.
    const auto pruned = results::removeRows(
        localPath(*folder),
        [&firstKept](const results::RowView& row) {
            return row.time.substr(0, firstKept.size()) < firstKept;
        },
        results::WhenEmptied::KeepFile);
    if (const auto* why = std::get_if<std::string>(&pruned)) {
        return {translated(kFolderUnreadable).arg(name(*folder), QString::fromUtf8(why->c_str())),
                kResultsUnreadable};
    }
    const auto& figures = std::get<results::Pruned>(pruned);
    return told(figures, translated(kPruned, static_cast<int>(figures.rows))
                             .arg(name(QString::fromStdString(firstKept)), text::schoolNumber(days),
                                  name(*folder)));
}

CheckOutcome forgetPupil(const std::optional<QString>& folder, const QString& pupil) {
    if (!folder) {
        return {translated(kNoFolder).arg(QStringLiteral("--forget-pupil")), kUsageError};
    }
    if (pupil.isEmpty()) {
        return {translated(kEmptyName), kUsageError};
    }
    const std::string wanted = pupil.toStdString();
    const auto pruned = results::removeRows(
        localPath(*folder), [&wanted](const results::RowView& row) { return row.pupil == wanted; },
        results::WhenEmptied::RemoveFile);
    if (const auto* why = std::get_if<std::string>(&pruned)) {
        return {translated(kFolderUnreadable).arg(name(*folder), QString::fromUtf8(why->c_str())),
                kResultsUnreadable};
    }
    const auto& figures = std::get<results::Pruned>(pruned);
    return told(
        figures,
        translated(kForgotten, static_cast<int>(figures.rows)).arg(name(pupil), name(*folder)));
}

}  // namespace calquin::cli
