// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/reading_trouble_text.h"

#include <QLocale>

#include "common/phrase.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::text {
namespace {

// The report said these first; the window says them the same way, in the same words.
constexpr Text kRowsSkipped = translatable(
    "ResultsReport", "Rows that cannot be read, skipped: %1. The first is line %2 of %3.");
constexpr Text kFilesUnreadable =
    translatable("ResultsReport", "Files that cannot be read, left out: %1. The first is %2: %3.");
constexpr Text kOtherPupils =
    translatable("ResultsReport",
                 "Rows that name another pupil than their file, skipped: %1. The first is line "
                 "%2 of %3.");
constexpr Text kForeignFiles = translatable(
    "ResultsReport", "Files that are no results files, left out: %1. The first is %2.");

}  // namespace

QString printable(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool turnsDirection =
            (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
        if (c.category() == QChar::Other_Control || turnsDirection) {
            shown +=
                QStringLiteral("\\u%1").arg(static_cast<unsigned>(code), 4, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return shown;
}

QStringList readingTroubles(const results::FolderTally& tally) {
    const QLocale locale;
    const auto number = [&locale](std::int64_t n) { return schoolDigits(locale.toString(n)); };
    const auto name = [](const std::string& file) { return leftToRightName(printable(file)); };
    QStringList lines;
    const auto placeLine = [&](const Text& text, const results::Place& place) {
        if (place.count > 0) {
            lines << translated(text).arg(number(place.count), number(place.line),
                                          name(place.file));
        }
    };
    placeLine(kRowsSkipped, tally.skipped);
    placeLine(kOtherPupils, tally.otherPupils);
    if (tally.foreignFiles.count > 0) {
        lines << translated(kForeignFiles)
                     .arg(number(tally.foreignFiles.count), name(tally.foreignFiles.file));
    }
    if (tally.filesUnreadable > 0) {
        lines << translated(kFilesUnreadable)
                     .arg(number(tally.filesUnreadable), name(tally.firstUnreadableFile),
                          QString::fromUtf8(tally.firstUnreadableReason.c_str()));
    }
    return lines;
}

}  // namespace calquin::text
