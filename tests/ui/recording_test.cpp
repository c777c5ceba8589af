// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes.h"
#include "ui/name_chooser.h"

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

    explicit RecordedDrill(const QByteArray& catalogue = "\"Tens, then units\",2,1,+\n") {
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
    void theQuestionIsRecordedInOneFormInEveryLanguage_data();
    void theQuestionIsRecordedInOneFormInEveryLanguage();
    void aPupilPicksTheirNameByClickOrKeyboard_data();
    void aPupilPicksTheirNameByClickOrKeyboard();
    void withoutNamesTheLoginNameIsUsedAndSaidSo();
    void aChosenNameGoesIntoTheRowsAndTheFileName();
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

void Recording::theQuestionIsRecordedInOneFormInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("sign");
    QTest::addRow("English sum") << "" << QByteArray("+");
    QTest::addRow("French product, shown with ×") << "fr" << QByteArray("*");
    QTest::addRow("German quotient, shown with :") << "de" << QByteArray("/");
    QTest::addRow("Arabic product, Arabic digits and marks") << "ar" << QByteArray("*");
    QTest::addRow("Arabic difference") << "ar" << QByteArray("-");
}

// Whatever the window shows, the row holds the catalogue's sign between plain decimal numbers,
// so that a teacher's sums read every language's rows alike.
void Recording::theQuestionIsRecordedInOneFormInEveryLanguage() {
    QFETCH(QString, language);
    QFETCH(QByteArray, sign);
    const QLocale before;
    QTranslator translator;
    if (!language.isEmpty()) {
        if (language == QLatin1String("ar")) {
            QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
        }
        QVERIFY(translator.load(QStringLiteral(":/translations/calquin_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
    }
    RecordedDrill drill("\"Item\",1,1," + sign + "\n");
    const qint64 answer = drill.form.state().answer;
    QTest::keyClick(drill.answerBox(), Qt::Key_Return);
    QCoreApplication::removeTranslator(&translator);
    QLocale::setDefault(before);

    QCOMPARE(drill.recorder.recorded.size(), std::size_t{1});
    const QString recorded = QString::fromStdString(drill.recorder.recorded[0].question);
    const QRegularExpression form(QStringLiteral("^([0-9]+) %1 ([0-9]+)$")
                                      .arg(QRegularExpression::escape(QString::fromLatin1(sign))));
    const QRegularExpressionMatch match = form.match(recorded);
    QVERIFY2(match.hasMatch(), qPrintable(recorded));
    // The numbers are the question's own: together they make the answer judged against.
    const qint64 first = match.captured(1).toLongLong();
    const qint64 second = match.captured(2).toLongLong();
    const qint64 made = sign == "+"   ? first + second
                        : sign == "-" ? first - second
                        : sign == "*" ? first * second
                                      : (second == 0 ? -1 : first / second);
    QCOMPARE(made, answer);
}

void Recording::aPupilPicksTheirNameByClickOrKeyboard_data() {
    QTest::addColumn<QList<int>>("keys");  // none: a click on the third name
    QTest::addColumn<QString>("chosen");   // empty: the list was closed
    QTest::addRow("a click") << QList<int>{} << "Zoë";
    QTest::addRow("Enter on the first") << QList<int>{Qt::Key_Return} << "Anna";
    QTest::addRow("arrows, then Enter")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return} << "Ben";
    QTest::addRow("an arrow alone picks nobody") << QList<int>{Qt::Key_Down} << "";
    QTest::addRow("Escape") << QList<int>{Qt::Key_Down, Qt::Key_Escape} << "";
}

void Recording::aPupilPicksTheirNameByClickOrKeyboard() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, chosen);
    NameChooser chooser({"Anna", "Ben", "Zoë"});
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    auto* list = chooser.findChild<QListWidget*>();
    QCOMPARE(QApplication::focusWidget(), list);
    if (keys.isEmpty()) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
    }
    for (const int key : keys) {
        QTest::keyClick(list, static_cast<Qt::Key>(key));
    }
    QCOMPARE(chooser.result() == QDialog::Accepted && !chooser.isVisible(), !chosen.isEmpty());
    QCOMPARE(QString::fromStdString(chooser.chosen()), chosen);
}

// A missing or empty list must not keep a pupil from practising: the login name stands in, and
// whoever started the program reads why.
void Recording::withoutNamesTheLoginNameIsUsedAndSaidSo() {
    QTemporaryDir folder;
    for (const QByteArray& contents : {QByteArray(), QByteArray("\n  \r\n")}) {
        if (!contents.isNull()) {
            QFile list(folder.filePath("pupils.txt"));
            QVERIFY(list.open(QIODevice::WriteOnly));
            list.write(contents);
        }
        std::FILE* errors = std::tmpfile();
        const auto name = askPupilName(folder.path().toStdString(), errors);
        std::rewind(errors);
        char line[4096] = {};
        QVERIFY(std::fgets(line, sizeof line, errors) != nullptr);
        std::fclose(errors);
        QCOMPARE(name, std::optional<std::string>(""));
        QVERIFY2(QString::fromLocal8Bit(line).contains(
                     QDir::toNativeSeparators(folder.filePath("pupils.txt"))),
                 line);
    }
}

void Recording::aChosenNameGoesIntoTheRowsAndTheFileName() {
    QTemporaryDir folder;
    {
        FolderRecorder recorder(folder.path().toStdString(), stderr, {"Zoë", ""});
        recorder.record({"Item", "7 + 5", "12", true, 1s});
    }
    const QStringList files = QDir(folder.path()).entryList({"*.csv"});
    QCOMPARE(files.size(), 1);
    // The pupil's name, then the computer's, as for a pupil with a login of their own.
    QVERIFY2(files[0].startsWith("Zo%C3%AB@") && files[0].size() > 14, qPrintable(files[0]));
    const std::string text = fileText(folder.filePath(files[0]).toStdString());
    QVERIFY(text.find(",Zoë,") != std::string::npos);
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
