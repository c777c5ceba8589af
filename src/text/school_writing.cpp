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

//: Translate this to "RTL" where the pupils' schools write a sum from the right, its first number
//: rightmost (as Arabic school books do), or to "LTR" where they write it from the left.
constexpr Text kQuestionDirection = translatable("Question", "QUESTION_DIRECTION");

constexpr char16_t kLeftToRightIsolate = u'\u2066';
constexpr char16_t kRightToLeftIsolate = u'\u2067';
constexpr char16_t kFirstStrongIsolate = u'\u2068';
constexpr char16_t kPopDirectionalIsolate = u'\u2069';
constexpr char16_t kLeftToRightMark = u'\u200E';
constexpr char16_t kRightToLeftMark = u'\u200F';

// What the translation in effect says Qt's direction text is; without one, the text itself.
QString directionAnswer() {
    return QCoreApplication::translate(kDirectionContext, kLayoutDirection.source,
                                       kLayoutDirection.comment);
}

QString isolatedInRightToLeft(const QString& name, char16_t isolate) {
    if (name.isEmpty() || layoutDirection() != Qt::RightToLeft) {
        return name;
    }
    return isolate + name + kPopDirectionalIsolate;
}

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
    return directionAnswer() == QLatin1String("RTL") ? Qt::RightToLeft : Qt::LeftToRight;
}

bool translationInEffect() {
    const QString direction = directionAnswer();
    return direction == QLatin1String("LTR") || direction == QLatin1String("RTL");
}

Qt::LayoutDirection questionDirection() {
    return translated(kQuestionDirection) == QLatin1String("RTL") ? Qt::RightToLeft
                                                                  : Qt::LeftToRight;
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

QString schoolNumber(qint64 value) {
    return schoolDigits(QString::number(value));
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

QString directionalRun(const QString& text, Qt::LayoutDirection direction) {
    // The isolate gives the run its direction as a whole; a mark after every sign and blank keeps
    // those between two numbers from taking the numbers' direction, which for Arabic-Indic digits
    // is right to left even inside a left-to-right run.
    const bool leftToRight = direction == Qt::LeftToRight;
    QString run(leftToRight ? kLeftToRightIsolate : kRightToLeftIsolate);
    for (const QChar c : text) {
        run += c;
        if (!c.isDigit()) {
            run += leftToRight ? kLeftToRightMark : kRightToLeftMark;
        }
    }
    run += kPopDirectionalIsolate;
    return run;
}

QString leftToRightName(const QString& name) {
    return isolatedInRightToLeft(name, kLeftToRightIsolate);
}

QString ownDirectionName(const QString& name) {
    return isolatedInRightToLeft(name, kFirstStrongIsolate);
}

QString withOptionsIsolated(const QString& sentences) {
    if (layoutDirection() != Qt::RightToLeft) {
        return sentences;
    }
    QString out;
    int depth = 0;  // inside an isolate already: a path that holds "--" is one name, not two
    for (qsizetype i = 0; i < sentences.size(); ++i) {
        const QChar c = sentences[i];
        if (c == kLeftToRightIsolate || c == kRightToLeftIsolate || c == kFirstStrongIsolate) {
            ++depth;
        } else if (c == kPopDirectionalIsolate && depth > 0) {
            --depth;
        }
        // An option starts a word: after a blank, a bracket or a quote, not inside a name.
        const auto inName = [](QChar before) {
            return before.isLetterOrNumber() || before == u'-' || before == u'/' ||
                   before == u'.' || before == u'_';
        };
        const bool wordStart = i == 0 || !inName(sentences[i - 1]);
        const auto optionLetter = [&sentences](qsizetype at) {
            return at < sentences.size() && sentences[at] >= u'a' && sentences[at] <= u'z';
        };
        if (depth == 0 && wordStart && sentences.mid(i, 2) == QLatin1String("--") &&
            optionLetter(i + 2)) {
            qsizetype end = i + 2;
            while (optionLetter(end) || (end < sentences.size() && sentences[end] == u'-')) {
                ++end;
            }
            out += leftToRightName(sentences.mid(i, end - i));
            i = end - 1;
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace calquin::text
