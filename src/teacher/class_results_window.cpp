// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/class_results_window.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "engine/operators.h"
#include "results/results_row.h"
#include "teacher/background.h"
#include "teacher/class_report_pdf.h"
#include "text/reading_trouble_text.h"
#include "text/school_writing.h"
#include "text/system_path.h"
#include "text/translation.h"

namespace calquin::teacher {
namespace {

constexpr Text kTitle = translatable("ClassResults", "Calquin class results");
constexpr Text kLastFourWeeks = translatable("ClassResults", "Last four weeks");
constexpr Text kThisWeek = translatable("ClassResults", "This week");
constexpr Text kToday = translatable("ClassResults", "Today");
constexpr Text kEverything = translatable("ClassResults", "Everything");
constexpr Text kChosenDates = translatable("ClassResults", "Chosen dates");
constexpr Text kPeriod = translatable("ClassResults", "&Period:");
constexpr Text kFrom = translatable("ClassResults", "Fr&om:");
constexpr Text kTo = translatable("ClassResults", "&To:");
constexpr Text kRefresh = translatable("ClassResults", "&Refresh");
constexpr Text kFluentWithin = translatable("ClassResults", "&Fluent within:");
constexpr Text kSecondsSuffix = translatable("ClassResults", " s");
constexpr Text kItems = translatable("ClassResults", "Items");
constexpr Text kCancel = translatable("ClassResults", "Cancel");
constexpr Text kFactsOf = translatable("ClassResults", "Facts: %1");
constexpr Text kRowsAreFirst =
    translatable("ClassResults", "Rows: the first number. Columns: the second number.");
constexpr Text kRowsTakenAway =
    translatable("ClassResults", "Rows: the number taken away. Columns: the result.");
constexpr Text kRowsDividedBy =
    translatable("ClassResults", "Rows: the number divided by. Columns: the result.");
constexpr Text kFilesRead = translatableCount("ClassResults", "%n results files read.");
constexpr Text kFolderUnreadable =
    translatable("ClassResults", "The results folder %1 cannot be read: %2.");
constexpr Text kReadingCancelled =
    translatable("ClassResults", "Reading was cancelled; the figures shown are the earlier ones.");

constexpr Text kWeeks = translatable("ClassResults", "Weeks");
constexpr Text kFileMenu = translatable("ClassResults", "&File");
constexpr Text kSavePdf = translatable("ClassResults", "Save as &PDF…");
constexpr Text kPrint = translatable("ClassResults", "P&rint…");
constexpr Text kExportCsv = translatable("ClassResults", "&Export table as CSV…");
constexpr Text kQuit = translatable("ClassResults", "&Quit");
constexpr Text kPdfFilter = translatable("ClassResults", "PDF files (*.pdf)");
constexpr Text kCsvFilter = translatable("ClassResults", "CSV files (*.csv)");
constexpr Text kPdfSaved = translatable("ClassResults", "Saved %1.");
constexpr Text kCannotWrite = translatable("ClassResults", "%1 cannot be written: %2.");
constexpr Text kCannotOpen =
    translatable("ClassResults", "No program on this computer opens %1 to print it.");
constexpr Text kPeriodBetween = translatable("ClassResults", "%1 to %2");
constexpr Text kSuggestedName = translatable("ClassResults", "class-results");

using text::translated;

QString local(const std::string& text) {
    return QString::fromUtf8(text.c_str());
}

results::DateRange range(QDate first, QDate last) {
    return {first.toString(Qt::ISODate).toStdString(), last.toString(Qt::ISODate).toStdString()};
}

// Runs on the worker thread; the window gets the figures whole, or nothing when it cancelled.
// It touches nothing of the window's, which may be gone before it ends, and leaves the words to
// the window's thread.
void readFolder(QPromise<FolderReading>& promise, const std::filesystem::path& folder,
                const results::Periods& periods) {
    auto outcome =
        results::readClassFolder(folder, periods, [&](std::size_t done, std::size_t all) {
            promise.setProgressRange(0, static_cast<int>(all));
            promise.setProgressValue(static_cast<int>(done));
            return !promise.isCanceled();
        });
    if (const auto* problem = std::get_if<std::string>(&outcome)) {
        promise.addResult(FolderReading{nullptr, local(*problem)});
    } else if (auto* figures = std::get_if<results::ClassFigures>(&outcome)) {
        promise.addResult(
            FolderReading{std::make_shared<const results::ClassFigures>(std::move(*figures)), {}});
    }
}

QString statusText(const results::ClassFigures& figures) {
    return (QStringList{translated(kFilesRead, figures.filesRead)} + text::readingTroubles(figures))
        .join(QLatin1Char(' '));
}

QTableView* gridView(FactGridModel& model, const QString& name) {
    auto* view = new QTableView;
    view->setObjectName(name);
    view->setModel(&model);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    for (QHeaderView* header : {view->horizontalHeader(), view->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setDefaultSectionSize(34);
        header->setMinimumSectionSize(34);
    }
    // The whole grid or nothing: a grid scrolled halfway hides the facts a teacher looks for.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

void fitGrid(QTableView* view) {
    const int frame = 2 * view->frameWidth();
    view->setFixedSize(
        view->verticalHeader()->sizeHint().width() + results::kGridSize * 34 + frame,
        view->horizontalHeader()->sizeHint().height() + results::kGridSize * 34 + frame);
}

QWidget* legend() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto state : {results::FactState::Fluent, results::FactState::AccurateButSlow,
                             results::FactState::NotYet, results::FactState::NotAsked}) {
        const StateLook look = stateLook(state);
        auto* swatch = new QLabel(look.symbol.isEmpty() ? QStringLiteral(" ") : look.symbol);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setFixedSize(28, 22);
        swatch->setStyleSheet(look.background.isValid()
                                  ? QStringLiteral("background:%1;color:%2;")
                                        .arg(look.background.name(), look.foreground.name())
                                  : QStringLiteral("border:1px solid palette(mid);"));
        swatch->setAccessibleName(translated(look.name));
        layout->addWidget(swatch);
        layout->addWidget(new QLabel(translated(look.name)));
        layout->addSpacing(12);
    }
    layout->addStretch();
    return row;
}

}  // namespace

results::Periods periodsFor(PeriodChoice choice, QDate today) {
    switch (choice) {
        case PeriodChoice::Today:
            return {range(today, today), range(today.addDays(-1), today.addDays(-1))};
        case PeriodChoice::ThisWeek: {
            const QDate monday = today.addDays(1 - today.dayOfWeek());
            return {range(monday, today), range(monday.addDays(-7), today.addDays(-7))};
        }
        case PeriodChoice::LastFourWeeks:
            return {range(today.addDays(-27), today),
                    range(today.addDays(-55), today.addDays(-28))};
        default:
            return {{}, std::nullopt};
    }
}

results::Periods periodsBetween(QDate first, QDate last) {
    if (last < first) {
        std::swap(first, last);
    }
    const qint64 days = first.daysTo(last) + 1;
    return {range(first, last), range(first.addDays(-days), first.addDays(-1))};
}

ClassResultsWindow::ClassResultsWindow(std::filesystem::path folder, double fluentSeconds,
                                       ClassResultsSeams seams)
    : folder_(std::move(folder)),
      seams_(std::move(seams)),
      limitCentiseconds_(std::llround(fluentSeconds * 100.0)) {
    setWindowTitle(translated(kTitle));
    setObjectName(QStringLiteral("ClassResults"));
    sorted_.setSourceModel(&classModel_);
    buildControls();
    connect(&reading_, &QFutureWatcherBase::finished, this, [this] { readingFinished(); });
    connect(&reading_, &QFutureWatcherBase::progressRangeChanged, progress_,
            &QProgressBar::setRange);
    connect(&reading_, &QFutureWatcherBase::progressValueChanged, progress_,
            &QProgressBar::setValue);
    connect(&writing_, &QFutureWatcherBase::finished, this, [this] { pdfWritten(); });
    everyMinute_.setInterval(std::chrono::minutes(1));
    connect(&everyMinute_, &QTimer::timeout, this, [this] { refresh(); });
    everyMinute_.start();
    refresh();
}

ClassResultsWindow::~ClassResultsWindow() {
    // A reading holds nothing of the window's: told to stop, it ends on its own at the next file
    // and its thread goes with it. A PDF is finished, so that no half-written file is left.
    reading_.cancel();
    writing_.waitForFinished();
}

void ClassResultsWindow::buildControls() {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    auto* bar = new QHBoxLayout;
    auto* folderLabel = new QLabel(text::pathText(folder_));
    folderLabel->setObjectName(QStringLiteral("folder"));
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    period_ = new QComboBox;
    period_->setObjectName(QStringLiteral("period"));
    for (const Text& choice : {kLastFourWeeks, kThisWeek, kToday, kEverything, kChosenDates}) {
        period_->addItem(translated(choice));
    }
    auto* periodLabel = new QLabel(translated(kPeriod));
    periodLabel->setBuddy(period_);
    from_ = new QDateEdit;
    from_->setObjectName(QStringLiteral("from"));
    to_ = new QDateEdit;
    to_->setObjectName(QStringLiteral("to"));
    auto* fromLabel = new QLabel(translated(kFrom));
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(translated(kTo));
    toLabel->setBuddy(to_);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    refresh_ = new QPushButton(translated(kRefresh));
    refresh_->setObjectName(QStringLiteral("refresh"));
    fluentSeconds_ = new QDoubleSpinBox;
    fluentSeconds_->setObjectName(QStringLiteral("fluentSeconds"));
    fluentSeconds_->setRange(0.5, 60.0);
    fluentSeconds_->setDecimals(1);
    fluentSeconds_->setSingleStep(0.5);
    fluentSeconds_->setSuffix(translated(kSecondsSuffix));
    fluentSeconds_->setValue(static_cast<double>(limitCentiseconds_) / 100.0);
    auto* fluentLabel = new QLabel(translated(kFluentWithin));
    fluentLabel->setBuddy(fluentSeconds_);
    bar->addWidget(periodLabel);
    bar->addWidget(period_);
    bar->addWidget(fromLabel);
    bar->addWidget(from_);
    bar->addWidget(toLabel);
    bar->addWidget(to_);
    bar->addWidget(fluentLabel);
    bar->addWidget(fluentSeconds_);
    bar->addStretch();
    bar->addWidget(refresh_);
    layout->addWidget(folderLabel);
    layout->addLayout(bar);

    auto* busy = new QHBoxLayout;
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progress"));
    cancel_ = new QPushButton(translated(kCancel));
    cancel_->setObjectName(QStringLiteral("cancel"));
    busy->addWidget(progress_, 1);
    busy->addWidget(cancel_);
    layout->addLayout(busy);

    classTable_ = new QTableView;
    classTable_->setObjectName(QStringLiteral("classTable"));
    classTable_->setModel(&sorted_);
    classTable_->setSortingEnabled(true);
    classTable_->sortByColumn(ClassModel::Pupil, Qt::AscendingOrder);
    classTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    classTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    classTable_->setTabKeyNavigation(false);
    classTable_->verticalHeader()->hide();
    classTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    classTable_->setAccessibleName(translated(kTitle));

    auto* facts = new QWidget;
    auto* factsLayout = new QVBoxLayout(facts);
    factsLayout->setContentsMargins(0, 0, 0, 0);
    gridHeading_ = new QLabel;
    gridHeading_->setObjectName(QStringLiteral("gridHeading"));
    operations_ = new QTabWidget;
    operations_->setObjectName(QStringLiteral("operations"));
    for (const engine::Operator& op : engine::kOperators) {
        const auto type = static_cast<std::size_t>(op.testType());
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        const Text axes = op.operation == engine::Operation::Subtraction ? kRowsTakenAway
                          : op.operation == engine::Operation::Division  ? kRowsDividedBy
                                                                         : kRowsAreFirst;
        pageLayout->addWidget(new QLabel(translated(axes)));
        QTableView* view = gridView(grids_[type], QStringLiteral("grid%1").arg(type));
        connect(&grids_[type], &QAbstractItemModel::modelReset, view, [view] { fitGrid(view); });
        view->setAccessibleName(translated(op.checkHeading));
        pageLayout->addWidget(view, 0, Qt::AlignLeft | Qt::AlignTop);
        pageLayout->addStretch();
        operations_->addTab(page, translated(op.checkHeading));
    }
    sortedItems_.setSourceModel(&items_);
    sortedItems_.setSortRole(ItemModel::kSortRole);
    sortedItems_.setSortLocaleAware(true);
    auto* items = new QTableView;
    items->setObjectName(QStringLiteral("items"));
    items->setModel(&sortedItems_);
    items->setSortingEnabled(true);
    items->sortByColumn(ItemModel::Item, Qt::AscendingOrder);
    items->setTabKeyNavigation(false);
    items->verticalHeader()->hide();
    items->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    items->setAccessibleName(translated(kItems));
    operations_->addTab(items, translated(kItems));
    auto* weeks = new QWidget;
    auto* weeksLayout = new QVBoxLayout(weeks);
    auto* chart = new WeeksChart(weeks_);
    auto* weeksTable = new QTableView;
    weeksTable->setObjectName(QStringLiteral("weeksTable"));
    weeksTable->setModel(&weeks_);
    weeksTable->setTabKeyNavigation(false);
    weeksTable->verticalHeader()->hide();
    weeksTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    weeksTable->setAccessibleName(translated(kWeeks));
    weeksLayout->addWidget(chart, 2);
    weeksLayout->addWidget(weeksTable, 1);
    operations_->addTab(weeks, translated(kWeeks));
    factsLayout->addWidget(gridHeading_);
    factsLayout->addWidget(operations_);
    factsLayout->addWidget(legend());

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(classTable_);
    split->addWidget(facts);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    setCentralWidget(central);
    buildMenu();

    showPresetDates();
    connect(period_, &QComboBox::currentIndexChanged, this, [this] { presetChosen(); });
    connect(from_, &QDateEdit::userDateChanged, this, [this] { datesChosen(); });
    connect(to_, &QDateEdit::userDateChanged, this, [this] { datesChosen(); });
    connect(refresh_, &QPushButton::clicked, this, [this] { refresh(); });
    connect(cancel_, &QPushButton::clicked, &reading_, &QFutureWatcherBase::cancel);
    connect(fluentSeconds_, &QDoubleSpinBox::valueChanged, this,
            [this](double seconds) { setFluentSeconds(seconds); });
    connect(classTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showGrids(); });
}

void ClassResultsWindow::refresh() {
    if (busy_) {
        return;
    }
    busy_ = true;
    const results::Periods periods = chosenPeriods();
    progress_->setRange(0, 0);
    progress_->show();
    cancel_->show();
    refresh_->setEnabled(false);
    reading_.setFuture(runInBackground<FolderReading>(
        [folder = folder_, periods](QPromise<FolderReading>& promise) {
            readFolder(promise, folder, periods);
        }));
}

void ClassResultsWindow::readingFinished() {
    busy_ = false;
    if (!isWritingPdf()) {
        progress_->hide();
    }
    cancel_->hide();
    refresh_->setEnabled(true);
    if (readAgain_) {
        readAgain_ = false;
        refresh();
        return;
    }
    const QFuture<FolderReading> future = reading_.future();
    if (future.isCanceled() || future.resultCount() == 0) {
        status_->setText(translated(kReadingCancelled));
        return;
    }
    const FolderReading reading = future.result();
    if (!reading.figures) {
        status_->setText(
            translated(kFolderUnreadable).arg(text::pathText(folder_), reading.problem));
        return;
    }
    // The line chosen stays chosen across a refresh, by its name.
    const QModelIndex chosen = classTable_->currentIndex();
    const QString name =
        chosen.isValid() ? classModel_.name(sorted_.mapToSource(chosen).row()) : QString();
    figures_ = reading.figures;
    classModel_.setFigures(figures_);
    for (QAction* action : paperActions_) {
        action->setEnabled(!isWritingPdf());
    }
    int row = 0;
    for (int i = 1; i < classModel_.rowCount(); ++i) {
        if (classModel_.name(i) == name) {
            row = i;
        }
    }
    classTable_->setCurrentIndex(sorted_.mapFromSource(classModel_.index(row, 0)));
    status_->setText(statusText(*figures_));
    showGrids();
}

void ClassResultsWindow::showGrids() {
    const QModelIndex chosen = classTable_->currentIndex();
    const int row = chosen.isValid() ? sorted_.mapToSource(chosen).row() : 0;
    const results::PupilOverview* overview = classModel_.overview(row);
    gridHeading_->setText(translated(kFactsOf).arg(classModel_.name(row)));
    for (std::size_t type = 0; type < grids_.size(); ++type) {
        grids_[type].setLimitCentiseconds(limitCentiseconds_);
        grids_[type].setGrid(figures_, overview ? &overview->facts[type] : nullptr,
                             engine::operatorOfType(static_cast<int>(type)).operation);
    }
    items_.setItems(figures_, overview ? &overview->items : nullptr);
    weeks_.setWeeks(figures_, overview ? &overview->weeks : nullptr);
}

void ClassResultsWindow::buildMenu() {
    QMenu* file = menuBar()->addMenu(translated(kFileMenu));
    QAction* pdf = file->addAction(translated(kSavePdf), this, [this] { askAndSavePdf(); });
    pdf->setObjectName(QStringLiteral("savePdf"));
    pdf->setShortcut(QKeySequence::Save);
    QAction* print = file->addAction(translated(kPrint), this, [this] { this->print(); });
    print->setObjectName(QStringLiteral("print"));
    print->setShortcut(QKeySequence::Print);
    QAction* csv = file->addAction(translated(kExportCsv), this, [this] { askAndExportCsv(); });
    csv->setObjectName(QStringLiteral("exportCsv"));
    // Nothing to save or print until a reading has shown figures.
    paperActions_ = {pdf, print, csv};
    for (QAction* action : paperActions_) {
        action->setEnabled(false);
    }
    file->addSeparator();
    file->addAction(translated(kQuit), QKeySequence::Quit, this, &QWidget::close);
}

QString ClassResultsWindow::periodText() const {
    const auto choice = static_cast<PeriodChoice>(period_->currentIndex());
    if (choice == PeriodChoice::Everything) {
        return translated(kEverything);
    }
    // The dates in the language's digits, each kept in its order inside right-to-left text.
    const auto date = [](const std::string& day) {
        const QString digits = text::schoolDigits(QString::fromStdString(day));
        return text::layoutDirection() == Qt::RightToLeft
                   ? text::directionalRun(digits, Qt::LeftToRight)
                   : digits;
    };
    const results::Periods periods = chosenPeriods();
    return translated(kPeriodBetween).arg(date(periods.current.first), date(periods.current.last));
}

bool ClassResultsWindow::saveAsPdf(const QString& path, bool thenOpen) {
    if (!figures_ || isWritingPdf()) {
        return false;
    }
    writingPath_ = path;
    openWhenWritten_ = thenOpen;
    writingPending_ = true;
    for (QAction* action : paperActions_) {
        action->setEnabled(false);
    }
    progress_->setRange(0, 0);
    progress_->show();
    // The figures are shared and never changed, so the worker paints them while the window
    // reads the folder again; the page's texts are looked up there in the window's language.
    writing_.setFuture(runInBackground<std::optional<QString>>(
        [path, report = ClassReport{figures_, limitCentiseconds_, periodText()},
         paper = paperFor(seams_.paperLocale())](QPromise<std::optional<QString>>& promise) {
            promise.addResult(writeClassPdf(path, report, paper));
        }));
    return true;
}

void ClassResultsWindow::pdfWritten() {
    writingPending_ = false;
    for (QAction* action : paperActions_) {
        action->setEnabled(figures_ != nullptr);
    }
    if (!busy_) {
        progress_->hide();
    }
    const std::optional<QString> problem = writing_.future().result();
    const QString shown = QDir::toNativeSeparators(writingPath_);
    if (problem) {
        status_->setText(translated(kCannotWrite).arg(shown, *problem));
        return;
    }
    status_->setText(translated(kPdfSaved).arg(shown));
    if (openWhenWritten_) {
        const QUrl url = QUrl::fromLocalFile(writingPath_);
        const bool opened = seams_.openUrl ? seams_.openUrl(url) : QDesktopServices::openUrl(url);
        if (!opened) {
            status_->setText(translated(kCannotOpen).arg(shown));
        }
    }
}

bool ClassResultsWindow::exportCsv(const QString& path) {
    // The cells as the results record writes them, so that no spreadsheet runs one as a formula.
    std::string bytes;
    const auto line = [&bytes](const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                bytes += ',';
            }
            bytes += results::writeField(cells[i].toStdString());
        }
        bytes += "\r\n";
    };
    QStringList cells;
    for (int column = 0; column < sorted_.columnCount(); ++column) {
        cells << sorted_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    line(cells);
    for (int row = 0; row < sorted_.rowCount(); ++row) {
        cells.clear();
        for (int column = 0; column < sorted_.columnCount(); ++column) {
            cells << sorted_.index(row, column).data().toString();
        }
        line(cells);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        status_->setText(
            translated(kCannotWrite).arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    status_->setText(translated(kPdfSaved).arg(QDir::toNativeSeparators(path)));
    return true;
}

QString ClassResultsWindow::askSaveFile(const Text& caption, const QString& suffix,
                                        const Text& filter) {
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(translated(kSuggestedName) + suffix);
    if (seams_.chooseSaveFile) {
        return seams_.chooseSaveFile(translated(caption), suggested, translated(filter));
    }
    return QFileDialog::getSaveFileName(this, translated(caption).remove(QLatin1Char('&')),
                                        suggested, translated(filter));
}

void ClassResultsWindow::askAndSavePdf() {
    const QString path = askSaveFile(kSavePdf, QStringLiteral(".pdf"), kPdfFilter);
    if (!path.isEmpty()) {
        saveAsPdf(path);
    }
}

void ClassResultsWindow::askAndExportCsv() {
    const QString path = askSaveFile(kExportCsv, QStringLiteral(".csv"), kCsvFilter);
    if (!path.isEmpty()) {
        exportCsv(path);
    }
}

void ClassResultsWindow::print() {
    // Qt's print support is not in every Qt this program is built with (the Windows one lacks
    // it), so the PDF goes to the system's viewer, whose print dialog every teacher knows.
    saveAsPdf(QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                  .filePath(translated(kSuggestedName) + QStringLiteral(".pdf")),
              true);
}

results::Periods ClassResultsWindow::chosenPeriods() const {
    const auto choice = static_cast<PeriodChoice>(period_->currentIndex());
    return choice == PeriodChoice::ChosenDates ? periodsBetween(from_->date(), to_->date())
                                               : periodsFor(choice, seams_.today());
}

void ClassResultsWindow::presetChosen() {
    showPresetDates();
    readForNewPeriod();
}

void ClassResultsWindow::showPresetDates() {
    const auto choice = static_cast<PeriodChoice>(period_->currentIndex());
    // Everything has no ends to show; the dates keep the last ones for a teacher to start from.
    from_->setEnabled(choice != PeriodChoice::Everything);
    to_->setEnabled(choice != PeriodChoice::Everything);
    if (choice != PeriodChoice::ChosenDates && choice != PeriodChoice::Everything) {
        const results::Periods periods = periodsFor(choice, seams_.today());
        const QSignalBlocker fromQuiet(from_);
        const QSignalBlocker toQuiet(to_);
        from_->setDate(
            QDate::fromString(QString::fromStdString(periods.current.first), Qt::ISODate));
        to_->setDate(QDate::fromString(QString::fromStdString(periods.current.last), Qt::ISODate));
    }
}

void ClassResultsWindow::datesChosen() {
    {
        const QSignalBlocker quiet(period_);
        period_->setCurrentIndex(static_cast<int>(PeriodChoice::ChosenDates));
    }
    readForNewPeriod();
}

void ClassResultsWindow::readForNewPeriod() {
    if (busy_) {
        readAgain_ = true;
        reading_.cancel();
    } else {
        refresh();
    }
}

void ClassResultsWindow::setFluentSeconds(double seconds) {
    limitCentiseconds_ = std::llround(seconds * 100.0);
    for (FactGridModel& grid : grids_) {
        grid.setLimitCentiseconds(limitCentiseconds_);
    }
    seams_.keepFluentSeconds(seconds);
}

}  // namespace calquin::teacher
