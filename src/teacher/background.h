// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QFuture>
#include <QPromise>
#include <QThread>
#include <utility>

namespace calquin::teacher {

// Runs `work(promise)` on a thread of its own and hands back the future the promise feeds, with
// Qt Core alone (the Qt some systems build with has no Qt Concurrent). The future is running from
// the start and finished when `work` returns, whatever it reported; cancelling the future only
// sets the flag `work` reads through `promise.isCanceled()`. The thread deletes itself when it
// ends, so whoever watches the future may go away at any time: nothing waits for the thread and
// nothing holds it. Should the program end while a thread still runs, it is waited for and
// deleted with the application, never left to the system.
template <typename T, typename Work>
QFuture<T> runInBackground(Work&& work) {
    QPromise<T> promise;
    QFuture<T> future = promise.future();
    promise.start();
    QThread* thread =
        QThread::create([promise = std::move(promise), work = std::forward<Work>(work)]() mutable {
            work(promise);
            promise.finish();
        });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    if (QCoreApplication* application = QCoreApplication::instance()) {
        // Gone with the thread once it is deleted, since the thread is the receiver.
        QObject::connect(application, &QObject::destroyed, thread, [thread] {
            thread->wait();
            delete thread;
        });
    }
    thread->start();
    return future;
}

}  // namespace calquin::teacher
