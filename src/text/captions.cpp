// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/captions.h"

#include "engine/number_writing.h"
#include "engine/operators.h"
#include "text/school_writing.h"
#include "text/translation.h"

namespace calquin::text {

namespace {

QString number(std::int64_t value) {
    return schoolDigits(QString::fromUtf8(engine::plainDecimal(value)));
}

}  // namespace

QString questionText(const engine::Question& question) {
    const engine::Operator* op = engine::findOperator(question.sign);
    const QString sign = op ? translated(op->shownSign) : QString::fromUtf8(question.sign);
    return QStringLiteral("%1 %2 %3").arg(number(question.first), sign, number(question.second));
}

QString questionCaption(const engine::Question& question) {
    const QString caption = questionText(question);
    const Qt::LayoutDirection direction = questionDirection();
    if (layoutDirection() == Qt::LeftToRight && direction == Qt::LeftToRight) {
        return caption;
    }
    return directionalRun(caption, direction);
}

QString spokenQuestion(const engine::Question& question) {
    const engine::Operator* op = engine::findOperator(question.sign);
    if (op == nullptr) {
        return questionText(question);
    }
    // The numbers stay digits: readers say them in the pupil's language themselves.
    return translated(op->spoken).arg(number(question.first), number(question.second));
}

}  // namespace calquin::text
