// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/captions.h"

#include "engine/number_writing.h"
#include "engine/operators.h"
#include "text/translation.h"

namespace calquin::text {

QString testTypeCaption(int index) {
    if (index < 0 || index >= static_cast<int>(engine::kOperators.size())) {
        return {};
    }
    return translated(engine::operatorOfType(index).typeCaption);
}

QString questionCaption(const engine::Question& question) {
    const engine::Operator* op = engine::findOperator(question.sign);
    const QString sign = op ? translated(op->shownSign) : fromUtf8(question.sign);
    return QStringLiteral("%1 %2 %3")
        .arg(fromUtf8(engine::plainDecimal(question.first)), sign,
             fromUtf8(engine::plainDecimal(question.second)));
}

QString spokenQuestion(const engine::Question& question) {
    const engine::Operator* op = engine::findOperator(question.sign);
    if (op == nullptr) {
        return questionCaption(question);
    }
    // The numbers stay digits: readers say them in the pupil's language themselves.
    return translated(op->spoken)
        .arg(fromUtf8(engine::plainDecimal(question.first)),
             fromUtf8(engine::plainDecimal(question.second)));
}

}  // namespace calquin::text
