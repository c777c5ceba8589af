// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/background.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QSemaphore>
#include <QTest>
#include <memory>

using calquin::teacher::runInBackground;

class Background : public QObject {
    Q_OBJECT
private slots:
    void resultAndProgressReachTheWatcher();
    void watcherMayGoWhileTheThreadRuns();
};

void Background::resultAndProgressReachTheWatcher() {
    QFutureWatcher<int> watcher;
    int lastProgress = -1;
    connect(&watcher, &QFutureWatcherBase::progressValueChanged, this,
            [&](int value) { lastProgress = value; });
    bool finished = false;
    connect(&watcher, &QFutureWatcherBase::finished, this, [&] { finished = true; });
    watcher.setFuture(runInBackground<int>([](QPromise<int>& promise) {
        promise.setProgressRange(0, 3);
        promise.setProgressValue(3);
        promise.addResult(42);
    }));
    QVERIFY(watcher.isRunning() || watcher.isFinished());
    QTRY_VERIFY_WITH_TIMEOUT(finished, 10000);
    QVERIFY(!watcher.isCanceled());
    QCOMPARE(watcher.future().results(), QList<int>{42});
    QCOMPARE(lastProgress, 3);
}

// The window closed while the folder is read: it cancels and goes at once; the thread, still
// reporting progress to nobody, sees the cancel, ends, and is deleted.
void Background::watcherMayGoWhileTheThreadRuns() {
    QSemaphore working;
    QPointer<QThread> thread;
    auto watcher = std::make_unique<QFutureWatcher<int>>();
    connect(watcher.get(), &QFutureWatcherBase::progressValueChanged, this, [] {});
    watcher->setFuture(runInBackground<int>([&](QPromise<int>& promise) {
        thread = QThread::currentThread();
        promise.setProgressRange(0, 1000000);
        working.release();
        for (int done = 0; !promise.isCanceled(); done = (done + 1) % 1000000) {
            promise.setProgressValue(done);
        }
        promise.addResult(1);
    }));
    QVERIFY(working.tryAcquire(1, 10000));
    const QFuture<int> future = watcher->future();
    watcher->cancel();
    watcher.reset();
    QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 10000);
    QVERIFY(future.isCanceled());
    QCOMPARE(future.resultCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 10000);
}

QTEST_GUILESS_MAIN(Background)
#include "background_test.moc"
