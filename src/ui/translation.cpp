// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>
#include <utility>
#include <vector>

namespace calquin::ui {
namespace {

// The design's texts are English, so an English (or C) locale needs no translation; deciding
// that from the locale's name alone keeps every .qm file closed at start.
bool wantsEnglish(const QLocale& locale) {
    const QString first = locale.uiLanguages().value(0);
    return first.isEmpty() || first == QLatin1String("C") || first.startsWith(QLatin1String("en"));
}

// Replaces each %n of `text` by the n-th value in one pass, so that a value holding "%1" of its
// own is never substituted again.
QString withValues(const QString& text, const std::vector<std::string>& values) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == QLatin1Char('%') && next >= QLatin1Char('1') && next <= QLatin1Char('9')) {
            const auto index = static_cast<std::size_t>(next.unicode() - '1');
            if (index < values.size()) {
                out += QString::fromStdString(values[index]);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

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

QString translated(const char* context, std::string_view english) {
    const std::string source(english);
    return QCoreApplication::translate(context, source.c_str());
}

QString translated(const Phrase& phrase) {
    return withValues(QCoreApplication::translate(phrase.context, phrase.source), phrase.values);
}

QString translatedWithDecimals(const Phrase& phrase) {
    const QString text = QCoreApplication::translate(phrase.context, phrase.source);
    // Without a translation the text is the English window's, and so is its point.
    if (text == QString::fromUtf8(phrase.source)) {
        return withValues(text, phrase.values);
    }
    const std::string separator = QLocale().decimalPoint().toStdString();
    std::vector<std::string> values;
    for (const std::string& value : phrase.values) {
        std::string local;
        for (const char c : value) {
            local += c == '.' ? separator : std::string(1, c);
        }
        values.push_back(std::move(local));
    }
    return withValues(text, values);
}

}  // namespace calquin::ui
