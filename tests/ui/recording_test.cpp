// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes.h"

using namespace calquin::ui;
using namespace calquin::ui::testing;
using namespace std::chrono_literals;

namespace {

// The window with a recorder and a clock of the test's own.
struct RecordedDrill {
    RecordingMessenger messenger;
    RecordingWebOpener webOpener;
    ManualTicks ticks;
    SeededRandom random;
    RecordingRecorder recorder;
    ManualClock clock;
    Form1 form{Form1Seams{&messenger, &webOpener, &ticks, &random, &recorder, &clock}};

    RecordedDrill() {
        const QByteArray catalogue = "\"Tens, then units\",2,1,+\n";
        if (auto error = form.Form_Load(writeCatalogue(catalogue).toStdString())) {
            qFatal("%s", error->c_str());
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* list = form.findChild<QListWidget*>("List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
    }
    QLineEdit* answerBox() { return form.findChild<QLineEdit*>("Text1"); }
};

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace

class Recording : public QObject {
    Q_OBJECT

private slots:
    void eachAnswerIsRecordedAsJudgedBeforeItsMessage_data();
    void eachAnswerIsRecordedAsJudgedBeforeItsMessage();
    void aFolderRecorderAppendsThePupilsRows();
    void aFolderRecorderTellsTroubleOnce();
};

void Recording::eachAnswerIsRecordedAsJudgedBeforeItsMessage_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("correct");
    QTest::addRow("the right answer") << "%1" << true;
    QTest::addRow("the right answer with a decimal point") << "%1.0" << true;
    QTest::addRow("a wrong answer") << "%1 1" << false;
    QTest::addRow("a formula") << "=1+1" << false;
    QTest::addRow("an empty box") << "" << false;
}

void Recording::eachAnswerIsRecordedAsJudgedBeforeItsMessage() {
    QFETCH(QString, typed);
    QFETCH(bool, correct);
    RecordedDrill drill;
    const QString text = typed.contains("%1") ? typed.arg(drill.form.state().answer) : typed;
    std::size_t recordedWhenShown = 0;
    drill.messenger.whileOpen = [&] { recordedWhenShown = drill.recorder.recorded.size(); };
    drill.clock.at += 3456789us;

    QTest::keyClicks(drill.answerBox(), text);
    QTest::keyClick(drill.answerBox(), Qt::Key_Return);

    QCOMPARE(recordedWhenShown, std::size_t{1});
    QCOMPARE(drill.recorder.recorded.size(), std::size_t{1});
    const JudgedAnswer& answer = drill.recorder.recorded[0];
    QCOMPARE(answer.item, std::string("Tens, then units"));
    QCOMPARE(QString::fromStdString(answer.typed), text);
    QCOMPARE(answer.correct, correct);
    QCOMPARE(answer.took, std::chrono::nanoseconds(3456789us));
}

void Recording::aFolderRecorderAppendsThePupilsRows() {
    QTemporaryDir folder;
    {
        FolderRecorder recorder(folder.path().toStdString(), stderr, {"anna", "pc-12"});
        recorder.record({"Item", "7 + 5", "=12", true, 1234ms});
        recorder.record({"Item", "8 + 5", "12", false, 5ms});
    }
    const std::string text = fileText(folder.path().toStdString() + "/anna@pc-12.csv");
    QVERIFY(text.starts_with("time,pupil,computer,item,question,answer,correct,seconds\r\n"));
    QVERIFY(text.find(",anna,pc-12,Item,7 + 5,'=12,1,1.23\r\n") != std::string::npos);
    QVERIFY(text.ends_with(",anna,pc-12,Item,8 + 5,12,0,0.01\r\n"));
}

// Trouble is told on the errors once, not once per answer, and the drill goes on.
void Recording::aFolderRecorderTellsTroubleOnce() {
    QTemporaryDir top;
    std::FILE* errors = std::tmpfile();
    {
        FolderRecorder recorder((top.path() + "/missing").toStdString(), errors, {"anna", "pc"});
        recorder.record({"Item", "7 + 5", "12", true, 1s});
        recorder.record({"Item", "7 + 6", "13", true, 1s});
    }
    std::rewind(errors);
    char line[4096];
    int lines = 0;
    QString first;
    while (std::fgets(line, sizeof line, errors)) {
        first = lines++ == 0 ? QString::fromLocal8Bit(line) : first;
    }
    std::fclose(errors);
    QCOMPARE(lines, 1);
    QVERIFY2(first.contains(QDir::toNativeSeparators(top.path() + "/missing/anna@pc.csv")),
             qPrintable(first));
}

QTEST_MAIN(Recording)
#include "recording_test.moc"
