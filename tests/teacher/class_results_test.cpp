// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <fstream>
#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>
#endif

#include "results/results_file.h"
#include "results/results_row.h"
#include "teacher/class_model.h"
#include "teacher/class_report_pdf.h"
#include "teacher/class_results_window.h"

using namespace calquin;
using namespace calquin::teacher;

Q_DECLARE_METATYPE(calquin::results::Periods)

namespace {

const QDate kToday(2026, 12, 8);

std::string row(const char* pupil, const char* day, const char* question, bool correct,
                std::int64_t centiseconds) {
    return results::formatRow({std::string(day) + "T10:00:00+01:00", pupil, "pc", "Item", question,
                               "1", correct, centiseconds});
}

void write(const QTemporaryDir& dir, const char* file, const std::string& rows,
           std::ios::openmode mode = std::ios::trunc) {
    std::ofstream out(dir.filePath(QString::fromLatin1(file)).toStdString(),
                      std::ios::binary | std::ios::out | mode);
    if (mode == std::ios::trunc) {
        out << results::kHeader << "\r\n";
    }
    out << rows;
}

// Anna knows the sevens, in the signs of two languages; she got half right a month before. Ben
// knows 7 × 8 at exactly 90 % and exactly the limit, and 6 × 6 slowly. Carl answered nothing in
// the last four weeks.
void writeClass(const QTemporaryDir& dir) {
    std::string anna;
    for (int second = 1; second <= 9; ++second) {
        const std::string times = "7 * " + std::to_string(second);
        const std::string german = "7 · " + std::to_string(second);
        anna += row("anna", "2026-12-07", times.c_str(), true, 150);
        anna += row("anna", "2026-12-01", german.c_str(), true, 140);
    }
    const char* arabicDivision = "\u2066\u0665\u0666 \u200E\u00F7\u200E \u200E\u0667\u2069";
    anna += row("anna", "2026-12-02", arabicDivision, true, 200);
    anna += row("anna", "2026-12-03", "56 : 7", true, 220);
    for (int i = 0; i < 4; ++i) {
        anna += row("anna", "2026-11-01", "7 * 3", i % 2 == 0, 300);
    }
    write(dir, "anna@pc.csv", anna);

    std::string ben;
    for (int i = 0; i < 10; ++i) {
        ben += row("ben", "2026-12-05", "7 * 8", i != 0, 300);
    }
    for (int i = 0; i < 9; ++i) {
        ben += row("ben", "2026-12-05", "6 * 6", true, 500);
    }
    write(dir, "ben@pc.csv", ben);
    write(dir, "carl@pc.csv", row("carl", "2026-09-01", "2 + 2", true, 100));
}

struct Window {
    QTemporaryDir dir;
    std::vector<double> kept;
    std::vector<QUrl> opened;
    std::unique_ptr<ClassResultsWindow> window;

    explicit Window(bool withClass = true) {
        if (withClass) {
            writeClass(dir);
        }
        window = std::make_unique<ClassResultsWindow>(
            std::filesystem::path(dir.path().toStdString()) / (withClass ? "" : "missing"), 3.0,
            ClassResultsSeams{
                .today = [] { return kToday; },
                .keepFluentSeconds = [this](double s) { kept.push_back(s); },
                .openUrl =
                    [this](const QUrl& url) {
                        opened.push_back(url);
                        return true;
                    },
                .paperLocale = [] { return QLocale(QLocale::German, QLocale::Germany); }});
        window->show();
    }
    bool read() {
        return QTest::qWaitFor([this] { return !window->isReading(); }, 10000);
    }
    // The PDF is written on a worker thread; the status line then says how it went.
    QString savePdf(const QString& path) {
        if (!window->saveAsPdf(path)) {
            return QStringLiteral("not started");
        }
        if (!QTest::qWaitFor([this] { return !window->isWritingPdf(); }, 20000)) {
            return QStringLiteral("still writing");
        }
        return window->findChild<QLabel*>("status")->text();
    }
    QTableView* table() { return window->findChild<QTableView*>("classTable"); }
    QString cell(int row, int column) {
        return table()->model()->index(row, column).data().toString();
    }
    int rowOf(const QString& name) {
        for (int row = 0; row < table()->model()->rowCount(); ++row) {
            if (cell(row, ClassModel::Pupil) == name) {
                return row;
            }
        }
        return -1;
    }
    void choose(const QString& name) {
        table()->setCurrentIndex(table()->model()->index(rowOf(name), 0));
    }
    QModelIndex fact(engine::Operation operation, int row, int column) {
        const auto* grid =
            window->findChild<QTableView*>(QStringLiteral("grid%1").arg(int(operation)));
        return grid->model()->index(row, column);
    }
};

}  // namespace

class ClassResults : public QObject {
    Q_OBJECT

private slots:
    void periodsAndThePeriodsBefore_data();
    void periodsAndThePeriodsBefore();
    void tableHasAPupilALineAndTheClassOnTop();
    void shareChangeCountsItsPoints_data();
    void shareChangeCountsItsPoints();
    void factGridTellsEachStateInSymbolAndWords();
    void limitSetInTheWindowChangesTheStatesAndIsKept();
    void screenReaderMeetsTheGridAsATable();
    void refreshShowsRowsWrittenMeanwhile();
    void folderThatCannotBeReadIsNamed();
    void drillProgramBecomesTheTeachersWindow();
    void weeksFollowThePupilAndTheDates();
    void pdfHasThePageOfTheClassThenOneAPupil();
    void paperIsLetterInTheUnitedStatesAndCanadaOnly_data();
    void paperIsLetterInTheUnitedStatesAndCanadaOnly();
    void pdfIsInTheWindowsLanguage();
    void printOpensThePdfThroughTheSystem();
    void csvHoldsTheTableAsShownInCellsNoSpreadsheetRuns();
};

void ClassResults::periodsAndThePeriodsBefore_data() {
    QTest::addColumn<results::Periods>("periods");
    QTest::addColumn<QString>("expected");
    const QDate wednesday(2026, 12, 9);
    QTest::addRow("today, against yesterday") << periodsFor(PeriodChoice::Today, wednesday)
                                              << "2026-12-09 2026-12-09 2026-12-08 2026-12-08";
    QTest::addRow("this week, against the same days of last week")
        << periodsFor(PeriodChoice::ThisWeek, wednesday)
        << "2026-12-07 2026-12-09 2026-11-30 2026-12-02";
    QTest::addRow("last four weeks, against the four before")
        << periodsFor(PeriodChoice::LastFourWeeks, wednesday)
        << "2026-11-12 2026-12-09 2026-10-15 2026-11-11";
    QTest::addRow("everything, against nothing")
        << periodsFor(PeriodChoice::Everything, wednesday) << "  none";
    QTest::addRow("chosen dates in either order, against as many days before")
        << periodsBetween(QDate(2026, 3, 2), QDate(2026, 2, 27))
        << "2026-02-27 2026-03-02 2026-02-23 2026-02-26";
}

void ClassResults::periodsAndThePeriodsBefore() {
    QFETCH(results::Periods, periods);
    QFETCH(QString, expected);
    const std::string before = periods.previous
                                   ? periods.previous->first + " " + periods.previous->last
                                   : std::string("none");
    QCOMPARE(
        QString::fromStdString(periods.current.first + " " + periods.current.last + " " + before),
        expected);
}

// Shares correct out of 100 answers, before and now.
void ClassResults::shareChangeCountsItsPoints_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("now");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one up") << 50 << 51 << QStringLiteral("▲ 1 point");
    QTest::newRow("one down") << 51 << 50 << QStringLiteral("▼ 1 point");
    QTest::newRow("two down") << 52 << 50 << QStringLiteral("▼ 2 points");
}

void ClassResults::shareChangeCountsItsPoints() {
    QFETCH(int, before);
    QFETCH(int, now);
    QFETCH(QString, shown);
    const auto counts = [](int correct) {
        results::Counts counts;
        counts.answers = 100;
        counts.correct = correct;
        return counts;
    };
    QCOMPARE(shareChange(counts(before), counts(now)), shown);
}

void ClassResults::tableHasAPupilALineAndTheClassOnTop() {
    Window w;
    QVERIFY(w.read());
    QCOMPARE(w.cell(0, ClassModel::Pupil), QStringLiteral("Whole class"));
    const int anna = w.rowOf(QStringLiteral("anna"));
    QCOMPARE(w.cell(anna, ClassModel::Answers), QStringLiteral("20"));
    QCOMPARE(w.cell(anna, ClassModel::Share), QStringLiteral("100%"));
    QCOMPARE(w.cell(anna, ClassModel::Median), QStringLiteral("1.5"));
    QCOMPARE(w.cell(anna, ClassModel::ShareChange), QStringLiteral("▲ 50 points"));
    QCOMPARE(w.cell(anna, ClassModel::SpeedChange), QStringLiteral("▼ 1.5 s faster"));
    const int carl = w.rowOf(QStringLiteral("carl"));
    QCOMPARE(w.cell(carl, ClassModel::Answers), QStringLiteral("0"));
    QCOMPARE(w.cell(carl, ClassModel::Share), QString());
    QCOMPARE(w.cell(carl, ClassModel::LastDay), QStringLiteral("2026-09-01"));
    QCOMPARE(w.cell(0, ClassModel::Answers), QStringLiteral("39"));
    QCOMPARE(w.cell(0, ClassModel::LastDay), QStringLiteral("2026-12-07"));

    for (const Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder}) {
        w.table()->sortByColumn(ClassModel::Answers, order);
        QCOMPARE(w.cell(0, ClassModel::Pupil), QStringLiteral("Whole class"));
        QCOMPARE(w.cell(1, ClassModel::Pupil),
                 QString::fromLatin1(order == Qt::DescendingOrder ? "anna" : "carl"));
    }

    // Dates of the teacher's own, compared with as many days just before them.
    auto* from = w.window->findChild<QDateEdit*>("from");
    auto* to = w.window->findChild<QDateEdit*>("to");
    QCOMPARE(from->date(), QDate(2026, 11, 11));
    QCOMPARE(to->date(), kToday);
    from->setDate(QDate(2026, 12, 1));
    to->setDate(QDate(2026, 12, 3));
    QVERIFY(w.read());
    QCOMPARE(w.window->findChild<QComboBox*>("period")->currentIndex(),
             int(PeriodChoice::ChosenDates));
    QCOMPARE(w.cell(w.rowOf(QStringLiteral("anna")), ClassModel::Answers), QStringLiteral("11"));
    QCOMPARE(w.cell(w.rowOf(QStringLiteral("ben")), ClassModel::Answers), QStringLiteral("0"));

    // Everything has no period before it to compare with.
    w.window->findChild<QComboBox*>("period")->setCurrentIndex(int(PeriodChoice::Everything));
    QVERIFY(w.read());
    QCOMPARE(w.cell(w.rowOf(QStringLiteral("carl")), ClassModel::Answers), QStringLiteral("1"));
    QCOMPARE(w.cell(w.rowOf(QStringLiteral("anna")), ClassModel::Answers), QStringLiteral("24"));
    QCOMPARE(w.cell(w.rowOf(QStringLiteral("anna")), ClassModel::ShareChange), QString());
}

void ClassResults::factGridTellsEachStateInSymbolAndWords() {
    Window w;
    QVERIFY(w.read());
    using engine::Operation;
    w.choose(QStringLiteral("anna"));
    QCOMPARE(w.window->findChild<QLabel*>("gridHeading")->text(), QStringLiteral("Facts: anna"));
    const QModelIndex sevenEights = w.fact(Operation::Multiplication, 7, 8);
    QCOMPARE(sevenEights.data().toString(), QStringLiteral("●"));
    QCOMPARE(sevenEights.data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("7 times 8: 2 answers, 2 correct, median 1.5 seconds, fluent"));
    QCOMPARE(w.fact(Operation::Multiplication, 8, 7).data(Qt::ToolTipRole).toString(),
             QStringLiteral("8 times 7: not asked"));
    // Both divisions of 56 by 7, the Arabic and the German one, in row 7, column 8.
    QCOMPARE(w.fact(Operation::Division, 7, 8).data(Qt::ToolTipRole).toString(),
             QStringLiteral("56 divided by 7: 2 answers, 2 correct, median 2.1 seconds, fluent"));

    w.choose(QStringLiteral("ben"));
    QCOMPARE(w.fact(Operation::Multiplication, 7, 8).data(Qt::ToolTipRole).toString(),
             QStringLiteral("7 times 8: 10 answers, 9 correct, median 3.0 seconds, fluent"));
    const QModelIndex sixSixes = w.fact(Operation::Multiplication, 6, 6);
    QCOMPARE(sixSixes.data().toString(), QStringLiteral("◐"));
    QVERIFY(
        sixSixes.data(Qt::ToolTipRole).toString().endsWith(QStringLiteral("accurate but slow")));
    QCOMPARE(w.fact(Operation::Multiplication, 7, 3).data().toString(), QString());

    // Every item, one-digit facts or not, summed up beside the grids.
    const auto* items = w.window->findChild<QTableView*>("items")->model();
    QCOMPARE(items->rowCount(), 1);
    QCOMPARE(items->index(0, ItemModel::Answers).data().toString(), QStringLiteral("19"));
    QCOMPARE(items->index(0, ItemModel::Median).data().toString(), QStringLiteral("3.0"));
    QCOMPARE(items->index(0, ItemModel::MostMissed).data().toString(),
             QStringLiteral("7 * 8 (1 wrong)"));

    w.choose(QStringLiteral("Whole class"));
    // Anna's one wrong answer a month ago is out of the period; ben's wrong one is in.
    QCOMPARE(w.fact(Operation::Multiplication, 7, 8).data(Qt::ToolTipRole).toString(),
             QStringLiteral("7 times 8: 12 answers, 11 correct, median 3.0 seconds, fluent"));
}

void ClassResults::limitSetInTheWindowChangesTheStatesAndIsKept() {
    Window w;
    QVERIFY(w.read());
    w.choose(QStringLiteral("ben"));
    auto* limit = w.window->findChild<QDoubleSpinBox*>("fluentSeconds");
    QCOMPARE(limit->value(), 3.0);
    limit->setValue(2.5);
    const QModelIndex sevenEights = w.fact(engine::Operation::Multiplication, 7, 8);
    QCOMPARE(sevenEights.data().toString(), QStringLiteral("◐"));
    QVERIFY(
        sevenEights.data(Qt::ToolTipRole).toString().endsWith(QStringLiteral("accurate but slow")));
    QCOMPARE(w.kept, std::vector<double>{2.5});
}

void ClassResults::screenReaderMeetsTheGridAsATable() {
    Window w;
    QVERIFY(w.read());
    w.choose(QStringLiteral("ben"));
    auto* grid = w.window->findChild<QTableView*>("grid2");
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(view && view->tableInterface());
    QCOMPARE(view->tableInterface()->rowCount(), 10);
    QAccessibleInterface* cell = view->tableInterface()->cellAt(6, 6);
    QVERIFY(cell);
    QCOMPARE(
        cell->text(QAccessible::Name),
        QStringLiteral("6 times 6: 9 answers, 9 correct, median 5.0 seconds, accurate but slow"));
}

void ClassResults::refreshShowsRowsWrittenMeanwhile() {
    Window w;
    QVERIFY(w.read());
    write(w.dir, "carl@pc.csv", row("carl", "2026-12-08", "3 + 4", false, 400), std::ios::app);
    QTest::mouseClick(w.window->findChild<QPushButton*>("refresh"), Qt::LeftButton);
    QVERIFY(w.read());
    const int carl = w.rowOf(QStringLiteral("carl"));
    QCOMPARE(w.cell(carl, ClassModel::Answers), QStringLiteral("1"));
    QCOMPARE(w.cell(carl, ClassModel::Share), QStringLiteral("0%"));
    QCOMPARE(w.cell(carl, ClassModel::LastDay), QStringLiteral("2026-12-08"));
}

void ClassResults::folderThatCannotBeReadIsNamed() {
    Window w(false);
    QVERIFY(w.read());
    const QString status = w.window->findChild<QLabel*>("status")->text();
    QVERIFY2(status.startsWith(QStringLiteral("The results folder ") +
                               QDir::toNativeSeparators(w.dir.path())) &&
                 status.contains(QStringLiteral("cannot be read")),
             qPrintable(status));
    QCOMPARE(w.table()->model()->rowCount(), 0);
    QVERIFY(!w.window->findChild<QAction*>("savePdf")->isEnabled());
}

#ifdef Q_OS_WIN
namespace {

// The process the program of `parent` started under `name`, taken out of the system's list:
// stopped at once, its id returned; 0 when there was none.
DWORD stopChild(DWORD parent, const wchar_t* name) {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    DWORD found = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more && found == 0;
         more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == parent && ::_wcsicmp(entry.szExeFile, name) == 0) {
            found = entry.th32ProcessID;
        }
    }
    ::CloseHandle(snapshot);
    if (const HANDLE child = found ? ::OpenProcess(PROCESS_TERMINATE, FALSE, found) : nullptr) {
        ::TerminateProcess(child, 0);
        ::CloseHandle(child);
    }
    return found;
}

}  // namespace
#endif

void ClassResults::drillProgramBecomesTheTeachersWindow() {
    QTemporaryDir dir;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CALQUIN_PROGRAM),
                  {QStringLiteral("--results-window"), dir.path()});
    QVERIFY(program.waitForStarted());
#ifdef Q_OS_WIN
    // Windows cannot replace a running program: the drill starts the teacher's beside it and ends
    // at once, successfully, leaving it running.
    const auto drill = static_cast<DWORD>(program.processId());
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(stopChild(drill, L"calquin-class-results.exe") != 0);
    return;
#endif
    // The same process, now running the teacher's program: the drill is not left waiting.
    const QString image = QStringLiteral("/proc/%1/exe").arg(program.processId());
    QTRY_VERIFY_WITH_TIMEOUT(
        QFile::symLinkTarget(image).endsWith(QStringLiteral("/calquin-class-results")), 10000);
    program.kill();
    program.waitForFinished();
}

void ClassResults::weeksFollowThePupilAndTheDates() {
    Window w;
    QVERIFY(w.read());
    const auto* weeks = w.window->findChild<QTableView*>("weeksTable")->model();
    const auto* chart = w.window->findChild<QWidget*>("weeksChart");
    const auto weekRow = [&](int row) {
        QStringList cells;
        for (int column = 0; column < weeks->columnCount(); ++column) {
            cells << weeks->index(row, column).data().toString();
        }
        return cells.join(QLatin1Char('|'));
    };
    // Anna's four weeks: Monday 30 November starts week 49, Monday 7 December week 50.
    w.choose(QStringLiteral("anna"));
    QCOMPARE(weeks->rowCount(), 2);
    QCOMPARE(weekRow(0), QStringLiteral("Week 49, 2026|11|100%|1.4"));
    QCOMPARE(weekRow(1), QStringLiteral("Week 50, 2026|9|100%|1.5"));
    QVERIFY2(chart->accessibleDescription().startsWith(
                 QStringLiteral("Week 49, 2026: 11 answers, 100% correct, median 1.4 seconds. "
                                "Week 50, 2026")),
             qPrintable(chart->accessibleDescription()));
    // Everything takes in her half-right Sunday of week 44.
    auto* period = w.window->findChild<QComboBox*>("period");
    period->setCurrentIndex(static_cast<int>(PeriodChoice::Everything));
    QVERIFY(w.read());
    w.choose(QStringLiteral("anna"));
    QCOMPARE(weeks->rowCount(), 3);
    QCOMPARE(weekRow(0), QStringLiteral("Week 44, 2026|4|50%|3.0"));
    // Carl's one answer, in September, and the whole class's weeks.
    w.choose(QStringLiteral("carl"));
    QCOMPARE(weekRow(0), QStringLiteral("Week 36, 2026|1|100%|1.0"));
    w.choose(QStringLiteral("Whole class"));
    QCOMPARE(weeks->rowCount(), 4);
    QCOMPARE(weekRow(2), QStringLiteral("Week 49, 2026|30|97%|3.0"));
    // A pupil with nothing in the dates has an empty chart that says so.
    period->setCurrentIndex(static_cast<int>(PeriodChoice::Today));
    QVERIFY(w.read());
    w.choose(QStringLiteral("ben"));
    QCOMPARE(weeks->rowCount(), 0);
    QCOMPARE(chart->accessibleDescription(), QStringLiteral("No answers in these dates."));
}

namespace {

// Poppler's pdftotext and pdfinfo read the PDFs back; Windows has neither, so there a test ends
// once its PDF is written and is one, and its pages are read on Linux.
#ifdef Q_OS_WIN
constexpr bool kReadsPdfs = false;
#else
constexpr bool kReadsPdfs = true;
#endif
constexpr const char* kPdfsReadOnLinux =
    "pdftotext and pdfinfo are Linux's; the pages are read there";

bool isPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

// The PDF's text as pdftotext reads it, one string a page.
QStringList pdfPages(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!reader.waitForFinished(20000) || reader.exitCode() != 0) {
        return {QStringLiteral("pdftotext failed: ") + reader.readAllStandardError()};
    }
    // Arabic comes out in its presentation forms inside embedding marks; compared in its letters.
    QString text =
        QString::fromUtf8(reader.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("[\u202A-\u202E]")));
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

QString pdfPageSize(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(20000);
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QStringLiteral("Page size:"))) {
            return line.section(QLatin1Char(':'), 1).simplified();
        }
    }
    return {};
}

}  // namespace

void ClassResults::pdfHasThePageOfTheClassThenOneAPupil() {
    Window w;
    QVERIFY(w.read());
    const QString path = w.dir.filePath(QStringLiteral("class.pdf"));
    QCOMPARE(w.savePdf(path),
             QStringLiteral("Saved ") + QDir::toNativeSeparators(path) + QLatin1Char('.'));
    // A file that cannot be written is named, with the reason.
    const QString nowhere =
        QDir::toNativeSeparators(w.dir.filePath(QStringLiteral("missing/class.pdf")));
    QVERIFY(w.savePdf(nowhere).startsWith(nowhere + " cannot be written: "));
    if (!kReadsPdfs) {
        QVERIFY(isPdf(path));
        QSKIP(kPdfsReadOnLinux);
    }
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 4);
    // The class's page holds every pupil's line, the class's grids and weeks; each pupil's page
    // their own line, grids and weeks, whatever line the window has chosen.
    for (const char* text :
         {"Calquin class results: Whole class", "2026-11-11 to 2026-12-08", "anna", "ben", "carl",
          "Multiplication", "Share correct", "▲ 50 points", "Page 1"}) {
        QVERIFY2(pages[0].contains(QString::fromUtf8(text)), text);
    }
    const QString anna = pages[1];
    QVERIFY(anna.contains(QStringLiteral("Calquin class results: anna")));
    QVERIFY(!anna.contains(QStringLiteral("ben")));
    for (const char* text :
         {"▼ 1.5 s faster", "Division", "●", "49", "50", "◐ accurate but slow", "Page 2"}) {
        QVERIFY2(anna.contains(QString::fromUtf8(text)), text);
    }
    QVERIFY(pages[2].contains(QStringLiteral("Calquin class results: ben")));
    QVERIFY(pages[2].contains(QStringLiteral("◐")));  // 6 × 6 accurate but slow
    QVERIFY(pages[3].contains(QStringLiteral("No answers in these dates.")));
    QVERIFY2(pdfPageSize(path).endsWith(QStringLiteral("(A4)")), qPrintable(pdfPageSize(path)));
}

void ClassResults::paperIsLetterInTheUnitedStatesAndCanadaOnly_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("paper");
    QTest::addRow("United States")
        << QLocale(QLocale::English, QLocale::UnitedStates) << int(QPageSize::Letter);
    QTest::addRow("Canada, in French")
        << QLocale(QLocale::French, QLocale::Canada) << int(QPageSize::Letter);
    QTest::addRow("United Kingdom")
        << QLocale(QLocale::English, QLocale::UnitedKingdom) << int(QPageSize::A4);
    QTest::addRow("Brazil") << QLocale(QLocale::Portuguese, QLocale::Brazil) << int(QPageSize::A4);
    QTest::addRow("Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt) << int(QPageSize::A4);
}

void ClassResults::paperIsLetterInTheUnitedStatesAndCanadaOnly() {
    QFETCH(QLocale, locale);
    QFETCH(int, paper);
    QCOMPARE(int(paperFor(locale).id()), paper);
}

void ClassResults::pdfIsInTheWindowsLanguage() {
    QTranslator arabic;
    QVERIFY(arabic.load(QStringLiteral(":/translations/calquin_ar.qm")));
    QCoreApplication::installTranslator(&arabic);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const auto back = qScopeGuard([&] {
        QCoreApplication::removeTranslator(&arabic);
        QLocale::setDefault(before);
    });
    Window w;
    QVERIFY(w.read());
    const QString path = w.dir.filePath(QStringLiteral("class.pdf"));
    QVERIFY(w.savePdf(path).endsWith(QLatin1Char('.')));
    if (!kReadsPdfs) {
        QVERIFY(isPdf(path));
        QSKIP(kPdfsReadOnLinux);
    }
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 4);
    // Its words, and its digits in the page numbers, the weeks and the dates.
    for (const char* text : {"الصفحة", "١", "الضرب", "٤٩", "٢٠٢٦"}) {
        QVERIFY2(pages[1].contains(QString::fromUtf8(text)), text);
    }
    QVERIFY(!pages[1].contains(QStringLiteral("Page")));
}

void ClassResults::printOpensThePdfThroughTheSystem() {
    Window w;
    QVERIFY(w.read());
    auto* print = w.window->findChild<QAction*>("print");
    QVERIFY(print);
    print->trigger();
    // Save, print and export wait while it is written, then open it through the system.
    QVERIFY(!print->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(w.opened.size(), std::size_t{1}, 20000);
    QVERIFY(print->isEnabled());
    QVERIFY(w.opened[0].isLocalFile());
    if (!kReadsPdfs) {
        QVERIFY(isPdf(w.opened[0].toLocalFile()));
        QSKIP(kPdfsReadOnLinux);
    }
    QCOMPARE(pdfPages(w.opened[0].toLocalFile()).size(), 4);
}

void ClassResults::csvHoldsTheTableAsShownInCellsNoSpreadsheetRuns() {
    Window w;
    QVERIFY(w.read());
    for (const auto& [pupil, correct] :
         {std::pair{"=HYPERLINK(\"http://x\")", true}, std::pair{"Lee, Jo", false}}) {
        write(w.dir, results::resultsFileName(pupil, "pc").c_str(),
              row(pupil, "2026-12-07", "1 + 1", correct, 100));
    }
    w.window->refresh();
    QVERIFY(w.read());
    // Shown by answers, fewest first: the class stays on top, whatever the order.
    w.table()->sortByColumn(ClassModel::Answers, Qt::AscendingOrder);
    const QString path = w.dir.filePath(QStringLiteral("class.csv"));
    QVERIFY(w.window->exportCsv(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 8);  // the headings, the class, five pupils, and the end of the last
    QCOMPARE(lines[0], QStringLiteral("Pupil,Answers,Share correct,Median seconds,Last day active,"
                                      "Change in share,Change in speed"));
    QVERIFY2(lines[1].startsWith(QStringLiteral("Whole class,41,")), qPrintable(lines[1]));
    QCOMPARE(lines[2], QStringLiteral("carl,0,,,2026-09-01,,"));
    QCOMPARE(lines.filter(QStringLiteral("\"'=HYPERLINK(\"\"http://x\"\")\",1,100%")).size(), 1);
    QCOMPARE(lines.filter(QStringLiteral("\"Lee, Jo\",1,0%")).size(), 1);
    QVERIFY(lines.last().isEmpty());
}

QTEST_MAIN(ClassResults)
#include "class_results_test.moc"
