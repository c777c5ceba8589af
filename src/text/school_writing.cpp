// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/school_writing.h"

#include <QCoreApplication>

#include "text/translation.h"

namespace calquin::text {
namespace {

// Qt's own text for the direction, so that its dialogs turn with the window.
constexpr const char* kDirectionContext = "QGuiApplication";
constexpr struct {
    const char* source;
    const char* comment;
} kLayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

//: The digits zero to nine, in this order, as the pupils' schools write them.
constexpr Text kDigits = translatable("Question", "0123456789");

constexpr char16_t kLeftToRightIsolate = u'\u2066';
constexpr char16_t kPopDirectionalIsolate = u'\u2069';
constexpr char16_t kLeftToRightMark = u'\u200E';

// The school's ten digits, or nothing where they are the ASCII ones (or the translation does
// not give all ten).
QString foreignDigits() {
    const QString digits = translated(kDigits);
    if (digits.size() != 10 || digits == QLatin1String(kDigits.english)) {
        return {};
    }
    return digits;
}

}  // namespace

Qt::LayoutDirection layoutDirection() {
    const QString direction = QCoreApplication::translate(
        kDirectionContext, kLayoutDirection.source, kLayoutDirection.comment);
    return direction == QLatin1String("RTL") ? Qt::RightToLeft : Qt::LeftToRight;
}

QString schoolDigits(QString plain) {
    const QString digits = foreignDigits();
    if (digits.isEmpty()) {
        return plain;
    }
    for (QChar& c : plain) {
        if (c >= u'0' && c <= u'9') {
            c = digits[c.unicode() - u'0'];
        }
    }
    return plain;
}

Phrase inSchoolDigits(Phrase phrase) {
    for (std::string& value : phrase.values) {
        value = schoolDigits(QString::fromUtf8(value)).toStdString();
    }
    return phrase;
}

QString answerInAsciiDigits(QString typed) {
    const QString digits = foreignDigits();
    if (digits.isEmpty()) {
        return typed;
    }
    for (QChar& c : typed) {
        if (const qsizetype digit = digits.indexOf(c); digit >= 0) {
            c = QChar(static_cast<char16_t>(u'0' + digit));
        }
    }
    return typed;
}

QString leftToRightRun(const QString& text) {
    // The isolate makes the run left to right as a whole; a mark after every sign and blank
    // keeps those between two numbers from taking the numbers' direction, which for Arabic-Indic
    // digits is right to left even inside a left-to-right run.
    QString run(kLeftToRightIsolate);
    for (const QChar c : text) {
        run += c;
        if (!c.isDigit()) {
            run += kLeftToRightMark;
        }
    }
    run += kPopDirectionalIsolate;
    return run;
}

}  // namespace calquin::text
