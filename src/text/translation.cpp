// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "text/school_writing.h"

namespace calquin::text {
namespace {

// The design's texts are English, so an English (or C) locale needs no translation; deciding
// that from the locale's name alone keeps every .qm file closed at start.
bool wantsEnglish(const QLocale& locale) {
    const QString first = locale.uiLanguages().value(0);
    return first.isEmpty() || first == QLatin1String("C") || first.startsWith(QLatin1String("en"));
}

// The English window's words need no translation, but its counts do: "%n answers" is the text
// for every count, and only calquin_en.qm knows that 1 takes "1 answer". It is read the first
// time a count is shown untranslated, not at start, and is kept apart from the installed
// translations: the report and the teacher's window get here on worker threads, and
// installTranslator belongs to the main thread. A static's first initialisation is thread-safe,
// and QTranslator::translate only reads.
class EnglishPlurals {
public:
    // In a folder of its own, where loading the user's languages in turn never finds it: for
    // "ja:en:de" the German translation is the one to install.
    EnglishPlurals()
        : loaded_(translator_.load(QStringLiteral(":/translations/english/calquin_en.qm"))) {}

    // The form of `text` for `count`, with the count in it; empty for a text the file lacks.
    QString form(const Text& text, int count) const {
        if (!loaded_) {
            return {};
        }
        QString form = translator_.translate(text.context, text.english, nullptr, count);
        return form.replace(QLatin1String("%n"), QString::number(count));
    }

private:
    QTranslator translator_;
    bool loaded_;
};

}  // namespace

void installTranslations(QCoreApplication& app) {
    const QLocale locale = QLocale::system();
    if (wantsEnglish(locale)) {
        return;
    }
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("calquin"), QStringLiteral("_"),
                   QStringLiteral(":/translations"))) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own words (the message box's "OK") in the same language as the window's, never in
    // one the window does not speak.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
}

QString translated(const Text& text) {
    return QCoreApplication::translate(text.context, text.english);
}

QString translated(const Text& text, int count) {
    if (!translationInEffect()) {
        static const EnglishPlurals english;
        if (QString form = english.form(text, count); !form.isEmpty()) {
            return form;
        }
    }
    return QCoreApplication::translate(text.context, text.english, nullptr, count);
}

QString translated(const Phrase& phrase) {
    const QString text = translated(phrase.text);
    const auto value = [&phrase](std::size_t n) { return QString::fromUtf8(phrase.values[n]); };
    // All values in one call, so that a value holding "%1" of its own is never substituted again.
    switch (phrase.values.size()) {
        case 0:
            return text;
        case 1:
            return text.arg(value(0));
        case 2:
            return text.arg(value(0), value(1));
        default:
            return text.arg(value(0), value(1), value(2));
    }
}

namespace {

// A decimal number as the English pattern writes it ("3.67", "8.", ".5") as the pupil's language
// writes it: "3,67", "8", "0,5", in the school's digits.
std::string locallyWritten(const std::string& value) {
    const auto point = value.find('.');
    if (point == std::string::npos) {
        return schoolDigits(QString::fromUtf8(value)).toStdString();
    }
    const std::string whole = point == 0 ? "0" : value.substr(0, point);
    const std::string fraction = value.substr(point + 1);
    QString written = schoolDigits(QString::fromUtf8(whole));
    if (!fraction.empty()) {
        written += QLocale().decimalPoint() + schoolDigits(QString::fromUtf8(fraction));
    }
    return written.toStdString();
}

}  // namespace

QString translatedWithDecimals(const Phrase& phrase) {
    // Without a translation the text is the English window's, and so is its number.
    if (!translationInEffect()) {
        return translated(phrase);
    }
    Phrase local = phrase;
    for (std::string& value : local.values) {
        value = locallyWritten(value);
    }
    return translated(local);
}

}  // namespace calquin::text
