// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QImageReader>
#include <QTest>
#include <QWidget>
#include <algorithm>

#include "ui/raw_picture.h"

using namespace calquin::ui;

// The pictures are decoded while the program is built; the window must still show exactly the
// pixels of the committed files, as a decoder at start-up would have.
class Pictures : public QObject {
    Q_OBJECT

private slots:
    void shownAsCommitted_data();
    void shownAsCommitted();
    void windowIconHasEveryFrameOfTheIcon();
    void samePixelsGiveSameBytes();
    void damagedFramesAreRefused_data();
    void damagedFramesAreRefused();
};

namespace {

QImage committed(const char* file) {
    QImageReader reader(QStringLiteral(CALQUIN_ASSETS_DIR "/") + QLatin1String(file));
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QImage shown(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

void Pictures::shownAsCommitted_data() {
    QTest::addColumn<QImage>("onScreen");
    QTest::addColumn<QImage>("file");
    QWidget widget;
    QTest::addRow("banner") << shown(bannerIcon(&widget).pixmap(QSize(300, 91)))
                            << committed("banner.jpg");
    QTest::addRow("logo") << shown(logoPicture(&widget)) << committed("logo.bmp");
}

void Pictures::shownAsCommitted() {
    QFETCH(QImage, onScreen);
    QFETCH(QImage, file);
    QVERIFY(!file.isNull());
    QCOMPARE(onScreen, file);
}

void Pictures::windowIconHasEveryFrameOfTheIcon() {
    QWidget widget;
    const QIcon icon = windowIcon(&widget);
    QImageReader reader(QStringLiteral(CALQUIN_ASSETS_DIR "/calquin.ico"));
    QList<QSize> sizes;
    do {
        const QImage frame = reader.read().convertToFormat(QImage::Format_ARGB32);
        sizes.append(frame.size());
        if (frame.size() == QSize(16, 16)) {
            QCOMPARE(shown(icon.pixmap(frame.size())), frame);
        }
    } while (reader.jumpToNextImage());
    QList<QSize> offered = icon.availableSizes();
    const auto narrower = [](QSize a, QSize b) { return a.width() < b.width(); };
    std::sort(sizes.begin(), sizes.end(), narrower);
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    std::sort(offered.begin(), offered.end(), narrower);
    QCOMPARE(offered, sizes);
}

// Two builds of the same pictures must give the same program, whatever memory padded the rows.
void Pictures::samePixelsGiveSameBytes() {
    QImage frames[2] = {QImage(3, 2, QImage::Format_RGB888), QImage(3, 2, QImage::Format_RGB888)};
    for (int i = 0; i < 2; ++i) {
        QVERIFY(frames[i].bytesPerLine() > 3 * 3);
        std::fill_n(frames[i].bits(), frames[i].sizeInBytes(), static_cast<uchar>(0x11 * (i + 1)));
        frames[i].fill(Qt::darkCyan);
    }
    const QByteArray bytes = encodeRawFrames({frames[0]});
    QCOMPARE(bytes, encodeRawFrames({frames[1]}));
    QCOMPARE(decodeRawFrames(bytes).value(0), frames[0]);
}

void Pictures::damagedFramesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = encodeRawFrames({QImage(3, 2, QImage::Format_RGB888)});
    QVERIFY(decodeRawFrames(good).size() == 1);
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("another format") << QByteArray("BM") + good.mid(2);
    QTest::addRow("cut in a frame's header") << good.left(12);
    QTest::addRow("cut in the rows") << good.left(good.size() - 1);
    QByteArray noFormat = good;
    noFormat[20] = 0;  // QImage::Format_Invalid
    QTest::addRow("no pixel format") << noFormat;
}

void Pictures::damagedFramesAreRefused() {
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeRawFrames(bytes).isEmpty());
}

QTEST_MAIN(Pictures)
#include "pictures_test.moc"
