// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/recording_text.h"

#include "common/phrase.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::text {
namespace {

constexpr Text kNotRecorded =
    translatable("Recording", "calquin: answers are not recorded in %1: %2\n");
constexpr Text kRecordedElsewhere =
    translatable("Recording", "calquin: answers are not recorded in %1: %2; they go to %3\n");
// The count is a value of its own rather than a plural, so that it can be written in the
// school's digits while the file's name keeps its own.
constexpr Text kLostAtExit =
    translatable("Recording",
                 "calquin: answers are not recorded in %1: the program ended while they were still "
                 "waiting for a lock or the folder (answers lost: %2)\n");

}  // namespace

QString answersNotRecorded(const QString& file, const QString& why) {
    return translated(kNotRecorded).arg(leftToRightName(file), why);
}

QString answersRecordedElsewhere(const QString& file, const QString& why,
                                 const QString& elsewhere) {
    return translated(kRecordedElsewhere)
        .arg(leftToRightName(file), why, leftToRightName(elsewhere));
}

QString answersLostAtExit(const QString& file, int answers) {
    return translated(kLostAtExit).arg(leftToRightName(file), schoolNumber(answers));
}

}  // namespace calquin::text
