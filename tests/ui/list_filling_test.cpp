// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "fakes.h"
#include "ui/application.h"

using namespace calquin::ui;
using namespace calquin::ui::testing;

namespace {

QStringList rows(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

QStringList items(int first, int count, int blanks = 0) {
    QStringList texts;
    for (int i = first; i < first + count; ++i) {
        texts << QString("Item %1").arg(i);
    }
    for (int i = 0; i < blanks; ++i) {
        texts << QString();
    }
    return texts;
}

}  // namespace

class ListFilling : public QObject {
    Q_OBJECT

private slots:
    void listFollowsTheChosenType_data();
    void listFollowsTheChosenType();
    void badCatalogueLeavesTheWindowEmpty();
    void itemTextsShowAsTheTeacherWroteThem();
    void missingCatalogueIsReportedTwice();
};

void ListFilling::listFollowsTheChosenType_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("type");  // -1: none chosen yet
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("40 records at load") << 40 << -1 << items(0, 10);
    QTest::addRow("40 records, division") << 40 << 3 << items(30, 10);
    QTest::addRow("5 records at load") << 5 << -1 << items(0, 5);
    QTest::addRow("5 records, addition") << 5 << 0 << items(0, 5, 5);
    QTest::addRow("5 records, subtraction") << 5 << 1 << items(0, 0, 10);
    QTest::addRow("empty file at load") << 0 << -1 << QStringList{};
    QTest::addRow("101 records, multiplication") << 101 << 2 << items(20, 10);
}

void ListFilling::listFollowsTheChosenType() {
    QFETCH(int, records);
    QFETCH(int, type);
    QFETCH(QStringList, expected);

    TestedForm tested;
    QCOMPARE(tested.form.Form_Load(writeCatalogue(catalogueOf(records)).toStdString()),
             std::nullopt);
    tested.form.show();
    if (type >= 0) {
        QTest::mouseClick(tested.control("optTTYpe", type), Qt::LeftButton);
    }
    QCOMPARE(rows(tested.control<QListWidget>("List1")), expected);
    // Filling the list is not choosing an item: no test starts.
    QVERIFY(tested.control("Frame4")->isVisible());
    QVERIFY(tested.messenger.shown.empty());
}

void ListFilling::badCatalogueLeavesTheWindowEmpty() {
    TestedForm tested;
    const QString path = writeCatalogue(catalogueOf(3) + "\"Unclosed,1,1,+\n");
    const auto error = tested.form.Form_Load(path.toStdString());
    QVERIFY(error);
    QVERIFY2(QString::fromStdString(*error).contains(QDir::toNativeSeparators(path)),
             error->c_str());
    QVERIFY2(QString::fromStdString(*error).contains("Line 4, column 1"), error->c_str());
    QCOMPARE(tested.control<QListWidget>("List1")->count(), 0);
}

void ListFilling::itemTextsShowAsTheTeacherWroteThem() {
    TestedForm tested;
    const QByteArray windows1252 = "Caf\xE9 na\xEFve,1,1,+\n";
    QVERIFY(!tested.form.Form_Load(writeCatalogue(windows1252).toStdString()));
    QCOMPARE(tested.control<QListWidget>("List1")->item(0)->text(),
             QString::fromUtf8("Café naïve"));

    TestedForm quoted;
    QVERIFY(!quoted.form.Form_Load(
        writeCatalogue("\"Add, then check: \xC3\xA9l\xC3\xA8ve\",1,1,+\n").toStdString()));
    QCOMPARE(quoted.control<QListWidget>("List1")->item(0)->text(),
             QString::fromUtf8("Add, then check: élève"));
}

void ListFilling::missingCatalogueIsReportedTwice() {
    QTemporaryDir empty;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(empty.path()));
    TestedForm tested;
    std::FILE* errors = std::tmpfile();
    const bool loaded = loadOrReport(tested.form, tested.messenger, errors);
    QDir::setCurrent(before);

    QVERIFY(!loaded);
    QCOMPARE(tested.messenger.shown.size(), std::size_t{1});
    const ShownMessage& message = tested.messenger.shown[0];
    QCOMPARE(message.title, QString("'Calquin' Competency Test"));
    QVERIFY2(
        message.text.contains(QDir::toNativeSeparators(QDir(empty.path()).filePath("index.txt"))),
        qPrintable(message.text));
    // The same words reach a terminal or a log, for whoever started the program there.
    std::rewind(errors);
    char buffer[4096] = {};
    const std::size_t length = std::fread(buffer, 1, sizeof buffer - 1, errors);
    std::fclose(errors);
    QCOMPARE(QString::fromUtf8(buffer, static_cast<qsizetype>(length)), message.text + "\n");
    QCOMPARE(tested.control<QListWidget>("List1")->count(), 0);
}

QTEST_MAIN(ListFilling)
#include "list_filling_test.moc"
