// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "fakes.h"

using namespace calquin::ui::testing;

namespace {

// How sharp a picture's edges are per pixel: each step between horizontal neighbours weighted by
// its own size, so a step spread over two pixels counts half, however many edges there are.
double edgeContrast(const QImage& picture) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    double steps = 0;
    double squares = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 1; x < grey.width(); ++x) {
            const double step = std::abs(int(row[x]) - int(row[x - 1]));
            steps += step;
            squares += step * step;
        }
    }
    return steps > 0 ? squares / steps : 0;
}

}  // namespace

// Run with QT_SCALE_FACTOR=2: a screen of twice the usual density.
class HighDpi : public QObject {
    Q_OBJECT

private slots:
    void layoutScalesAsAWhole() {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        TestedForm tested;
        tested.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tested.form));

        // Positions stay in device-independent pixels, so nothing moves relative to anything else.
        QCOMPARE(tested.form.size(), QSize(792, 474));
        QCOMPARE(tested.control("Command6")->geometry(), QRect(112, 360, 673, 105));

        // Every control is drawn at the screen's full density.
        const QPixmap shot = tested.form.grab();
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), QSize(1584, 948));
    }

    void picturesHaveTwiceThePixels() {
        TestedForm tested;
        tested.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tested.form));

        const auto* banner = tested.control<QPushButton>("Command6");
        const QPixmap bannerShown = banner->icon().pixmap(banner->iconSize(), 2.0);
        QCOMPARE(bannerShown.size(), QSize(600, 182));
        QCOMPARE(bannerShown.devicePixelRatio(), 2.0);

        const QPixmap logo = tested.control<QLabel>("Image1")->pixmap();
        QCOMPARE(logo.size(), QSize(190, 220));
        QCOMPARE(logo.devicePixelRatio(), 2.0);
        QCOMPARE(tested.control("Image1")->size(), QSize(95, 110));

        const QList<QSize> iconSizes = tested.form.windowIcon().availableSizes();
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            QVERIFY2(iconSizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        }
    }

    void bannerOnScreenIsAsSharpAsTheDesignsAtItsOwnDensity() {
        TestedForm tested;
        tested.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tested.form));

        // The button as the screen shows it, against the design's picture at the usual density.
        const QImage onScreen = tested.control("Command6")->grab().toImage();
        QCOMPARE(onScreen.size(), QSize(1346, 210));
        const QImage design(QStringLiteral(CALQUIN_ASSETS_DIR "/banner.jpg"), "jpeg");
        QCOMPARE(design.size(), QSize(300, 91));

        // Enlarged from the design's pixels the edges spread over two screen pixels and this is
        // about half; drawn anew at twice the pixels they keep their sharpness.
        const double ratio = edgeContrast(onScreen) / edgeContrast(design);
        qInfo("edge contrast per screen pixel against the usual density: %.2f", ratio);
        QVERIFY2(ratio > 0.8, qPrintable(QString::number(ratio)));
    }
};

QTEST_MAIN(HighDpi)
#include "high_dpi_test.moc"
