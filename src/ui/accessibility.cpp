// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "common/phrase.h"
#include "text/translation.h"
#include "ui/form1_design.h"

namespace calquin::ui {
namespace {

// What a screen reader says for the controls whose text alone would not tell a pupil what they
// are: the answer box, the item list, the picture button and the counters.
struct AccessibleText {
    const char* control;
    Text name;         // empty: the control's own text
    Text description;  // empty: none
};

constexpr Text kAnswerBoxHint =
    translatable("Form1", "Type the answer to the question and press Enter");

constexpr AccessibleText kAccessibleTexts[] = {
    {"Text1", translatable("Form1", "Answer"), kAnswerBoxHint},
    {"lblQst", {}, translatable("Form1", "Question")},
    {"List1", translatable("Form1", "Drill items"),
     translatable("Form1", "Choosing an item starts a test")},
    {"Command6", translatable("Form1", "Publisher's web page"),
     translatable("Form1", "Opens the publisher's web page in the web browser")},
    {"Image1", translatable("Form1", "Publisher's logo"), {}},
    {"frmTest", translatable("Form1", "Test"), {}},
    {"Label7", {}, translatable("Form1", "Number of correct answers")},
    {"Label8", {}, translatable("Form1", "Number of wrong answers")},
    {"Label9", {}, translatable("Form1", "Average time per question in seconds")},
};

// Qt before 6.5 reports no change of a widget's description or name in a form a reader can say,
// so there a notification says each question; later ones report changes, and a notification
// would make the reader say every question twice.
constexpr bool kChangesAreSpoken = QT_VERSION >= QT_VERSION_CHECK(6, 5, 0);

// The zero-size widget whose appearing makes readers say the next question.
constexpr const char* kAnnouncement = "questionAnnouncement";

// A hint label whose text its control gives as its description. Left in view of readers, it
// would be read a second time as loose text of the frame around it, each time the focus enters.
// It has no text for them, and says it is out of sight; readers that learnt it was shown when its
// frame was keep that, so the missing text is what keeps them quiet.
class SaidByItsControl final : public QAccessibleWidget {
public:
    explicit SaidByItsControl(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text /*kind*/) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// The two widgets whose own kind would mislead readers, known by their names: the hint beside
// the back button, which the button says, and the announcement of the next question.
QAccessibleInterface* accessibleByName(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    if (widget->objectName() == QLatin1String(kAnnouncement)) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    if (widget->objectName() == QLatin1String("Label5") && widget->property("index").toInt() == 1) {
        return new SaidByItsControl(widget);
    }
    return nullptr;
}

// Qt keeps an interface made before the widget had its name, as it does when a caption is set
// while a reader listens; dropped, it is made anew by the factory.
void dropInterfaceMadeBeforeItsName(QWidget* widget) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace

void installAccessibleKinds() {
    // The factory installed last is asked first, so this one must come after Qt's own, which the
    // application installs as it is made; installed again, it moves to the front once more.
    QAccessible::removeFactory(&accessibleByName);
    QAccessible::installFactory(&accessibleByName);
}

void describeForAssistiveTechnology(QWidget* form) {
    for (const auto& text : kAccessibleTexts) {
        QWidget* widget = control<QWidget>(form, text.control);
        if (widget == nullptr) {  // on the test screen, which is made when a test first starts
            continue;
        }
        if (!text.name.empty()) {
            widget->setAccessibleName(text::translated(text.name));
        }
        if (!text.description.empty()) {
            widget->setAccessibleDescription(text::translated(text.description));
        }
    }
    auto* ans = control<QLabel>(form, "Label3");
    if (ans == nullptr) {
        return;  // the rest is all on the test screen
    }
    // "Ans" labels the answer box, so readers can say it when the box takes the focus.
    ans->setBuddy(control<QWidget>(form, "Text1"));
    // The hint beside the back button tells what the button does, so the button says it when it
    // takes the focus. The frame around both has no caption to claim its loose text, and readers
    // would read the hint as the frame's own text before every question.
    auto* backHint = control<QLabel>(form, "Label5", 1);
    control<QWidget>(form, "cmdBack")->setAccessibleDescription(backHint->text());
    dropInterfaceMadeBeforeItsName(backHint);
}

QString answerBoxHint() {
    return text::translated(kAnswerBoxHint);
}

void describeAnswerBox(QLineEdit* box, const QString& description) {
    // Readers say the description when the box takes the focus, at the start of a test and when
    // a message closes, and where Qt reports its change, also when it changes under the focus.
    // The same question twice in a row is a new question all the same, so its change is reported
    // again, though Qt itself reports only a real change.
    const bool changed = box->accessibleDescription() != description;
    box->setAccessibleDescription(description);
    if (kChangesAreSpoken && !changed) {
        QAccessibleEvent event(box, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void announceQuestion(QLineEdit* box, const QString& spoken) {
    if (kChangesAreSpoken) {
        return;  // the description's change says it
    }
    // Readers say a notification as it appears, so it is shown anew with each question. It has
    // no size: nothing of it is drawn, and it takes no click or key. Made on first need, it costs
    // the window's start nothing.
    QWidget* frame = box->parentWidget();
    auto* announcement = frame->findChild<QWidget*>(kAnnouncement, Qt::FindDirectChildrenOnly);
    if (!announcement) {
        announcement = new QWidget(frame);
        announcement->setObjectName(kAnnouncement);
        announcement->setGeometry(box->x(), box->y(), 0, 0);
        announcement->setFocusPolicy(Qt::NoFocus);
        announcement->setAttribute(Qt::WA_TransparentForMouseEvents);
        dropInterfaceMadeBeforeItsName(announcement);
    }
    announcement->hide();
    announcement->setAccessibleName(spoken);
    announcement->show();
}

}  // namespace calquin::ui
