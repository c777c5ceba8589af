// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for the start-up benchmark: the least a Qt Widgets program can do to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    // The drill window's client size, so both programs fill and send the same number of pixels.
    window.resize(792, 474);
    window.show();
    return QApplication::exec();
}
