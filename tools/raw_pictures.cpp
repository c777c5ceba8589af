// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes the committed pictures for the program's resources while it is built:
//   raw_pictures OUTPUT PICTURE [OUTPUT PICTURE]...
// writes each OUTPUT holding every frame of its PICTURE, decoded by Qt's own readers exactly as a
// window would decode the file itself.

#include <QCoreApplication>
#include <QImageReader>
#include <QSaveFile>
#include <cstdio>

#include "ui/raw_picture.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3 || arguments.size() % 2 == 0) {
        std::fprintf(stderr, "usage: raw_pictures OUTPUT PICTURE [OUTPUT PICTURE]...\n");
        return 2;
    }
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        const QString& path = arguments[i + 1];
        QImageReader reader(path);
        QList<QImage> frames;
        do {
            QImage frame = reader.read();
            if (frame.isNull()) {
                std::fprintf(stderr, "raw_pictures: %s: %s\n", qPrintable(path),
                             qPrintable(reader.errorString()));
                return 1;
            }
            // A picture without transparency is kept at three bytes a pixel: fewer pages of the
            // program's file to read at start-up, for the same pixels.
            frames.append(frame.hasAlphaChannel() ? frame
                                                  : frame.convertToFormat(QImage::Format_RGB888));
        } while (reader.jumpToNextImage());
        QSaveFile out(arguments[i]);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(calquin::ui::encodeRawFrames(frames)) < 0 || !out.commit()) {
            std::fprintf(stderr, "raw_pictures: %s: %s\n", qPrintable(out.fileName()),
                         qPrintable(out.errorString()));
            return 1;
        }
    }
    return 0;
}
