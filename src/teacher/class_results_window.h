// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QFutureWatcher>
#include <QLocale>
#include <QMainWindow>
#include <QTimer>
#include <QUrl>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "common/phrase.h"
#include "results/class_figures.h"
#include "teacher/class_model.h"
#include "teacher/fact_grid_model.h"
#include "teacher/item_model.h"
#include "teacher/weeks_view.h"

class QAction;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTabWidget;

namespace calquin::teacher {

// The periods the window offers, each compared with the one of the same length before it: this
// week with the same days of last week, dates the teacher chose with as many days just before.
enum class PeriodChoice { LastFourWeeks, ThisWeek, Today, Everything, ChosenDates };
results::Periods periodsFor(PeriodChoice choice, QDate today);
results::Periods periodsBetween(QDate first, QDate last);

// What the window takes from outside: the day it is, and where the fluency limit a teacher sets
// is kept.
struct ClassResultsSeams {
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    std::function<void(double seconds)> keepFluentSeconds = [](double) {};
    // Where to save a file: the standard save dialog unless a test answers. Empty for no.
    std::function<QString(const QString& caption, const QString& suggested, const QString& filter)>
        chooseSaveFile{};
    // Hands a file to the system's program for it; the system's opener unless a test watches.
    std::function<bool(const QUrl&)> openUrl{};
    // The paper a PDF is laid out on.
    std::function<QLocale()> paperLocale = [] { return QLocale::system(); };
};

// A finished reading of the folder, handed from the worker thread to the window whole.
struct FolderReading {
    std::shared_ptr<const results::ClassFigures> figures;
    QString problem;  // why the folder could not be read, when it could not, as the system said
};

// The teacher's window: the class's table and, for the line chosen in it, the fact grids of the
// four operations. It only ever reads the folder, on a worker thread, and reads it again on
// Refresh and every minute.
class ClassResultsWindow : public QMainWindow {
public:
    ClassResultsWindow(std::filesystem::path folder, double fluentSeconds,
                       ClassResultsSeams seams = {});
    ~ClassResultsWindow() override;

    // Starts reading the folder unless a reading is under way.
    void refresh();
    // From the start of a reading until the window shows what it read.
    bool isReading() const { return busy_; }

    // Starts writing a page for the class, then one per pupil, to `path` on a worker thread (a
    // whole school's takes seconds); the status line tells when it is written or why it cannot
    // be. Opens it through the system when `thenOpen`. False when there is nothing to write or a
    // PDF is being written.
    bool saveAsPdf(const QString& path, bool thenOpen = false);
    bool isWritingPdf() const { return writing_.isRunning() || writingPending_; }
    // The class table in the order shown, to `path` as CSV.
    bool exportCsv(const QString& path);

private:
    void buildControls();
    void buildMenu();
    void pdfWritten();
    void askAndSavePdf();
    void print();
    void askAndExportCsv();
    QString periodText() const;
    QString askSaveFile(const Text& caption, const QString& suffix, const Text& filter);
    void readingFinished();
    void showGrids();
    void setFluentSeconds(double seconds);
    results::Periods chosenPeriods() const;
    void presetChosen();
    void showPresetDates();
    void datesChosen();
    // Figures of another period are wanted at once, so a reading under way gives way.
    void readForNewPeriod();

    std::filesystem::path folder_;
    ClassResultsSeams seams_;
    std::int64_t limitCentiseconds_;
    std::shared_ptr<const results::ClassFigures> figures_;
    QFutureWatcher<FolderReading> reading_;
    QFutureWatcher<std::optional<QString>> writing_;
    QString writingPath_;
    bool openWhenWritten_ = false;
    bool writingPending_ = false;
    QTimer everyMinute_;
    bool readAgain_ = false;
    bool busy_ = false;

    ClassModel classModel_;
    ClassSortModel sorted_;
    std::array<FactGridModel, 4> grids_;
    ItemModel items_;
    QSortFilterProxyModel sortedItems_;
    WeeksModel weeks_;

    QComboBox* period_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QDoubleSpinBox* fluentSeconds_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTableView* classTable_ = nullptr;
    QLabel* gridHeading_ = nullptr;
    QTabWidget* operations_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<QAction*, 3> paperActions_{};
};

}  // namespace calquin::teacher
