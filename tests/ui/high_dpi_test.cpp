#include <QPushButton>
#include <QTest>

#include "fakes.h"

using namespace calquin::ui::testing;

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

        // The banner is drawn from its own pixels: scaled up once, never shrunk and regrown.
        const auto* banner = tested.control<QPushButton>("Command6");
        const QPixmap picture = banner->icon().pixmap(banner->iconSize(), 2.0);
        QCOMPARE(picture.size(), QSize(300, 91));
    }
};

QTEST_MAIN(HighDpi)
#include "high_dpi_test.moc"
