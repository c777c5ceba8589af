// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A second baseline for the start-up benchmark: the bare window plus one line of text in the
// drill window's face and size. The bare window draws no text, so it never starts fontconfig,
// Qt's font database, FreeType or HarfBuzz; this one pays what any window that shows a caption
// pays, and so tells that cost apart from the program's own.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    QLabel window(QStringLiteral("The quick brown fox jumps over the lazy dog, 0123456789"));
    window.setWindowTitle(QStringLiteral("Text window"));
    window.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window.resize(792, 474);
    window.show();
    return QApplication::exec();
}
