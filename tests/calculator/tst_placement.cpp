// Where the main window goes at start-up, in twips.

#include "calculator/placement.h"

#include <QPoint>
#include <QTest>

Q_DECLARE_METATYPE(calculator::PixelRect)

using calculator::PixelRect;
using calculator::placeOnScreen;
using calculator::upperRightPlacement;

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void onScreen_data();
    void onScreen();
};

void TestPlacement::placement_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("client size on a 1024 px screen") << 7275 << 2610 << 15360 << 6780 << 1305;
    QTest::newRow("odd height 2611: half goes to even 1306")
        << 7000 << 2611 << 15360 << 7054 << 1306;
    QTest::newRow("odd height 2613: half goes to even 1306")
        << 7000 << 2613 << 15360 << 7054 << 1306;
    QTest::newRow("odd height 2609: half goes to even 1304")
        << 7000 << 2609 << 15360 << 7056 << 1304;
    QTest::newRow("4K screen, past the 16-bit range") << 7275 << 2610 << 57600 << 49020 << 1305;
    QTest::newRow("just fits: left 0") << 7275 << 2610 << 8580 << 0 << 1305;
    QTest::newRow("one twip too narrow: top left corner") << 7275 << 2610 << 8579 << 0 << 0;
    QTest::newRow("narrow screen: top left corner") << 7275 << 2610 << 4800 << 0 << 0;
}

void TestPlacement::placement() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, screen);
    QFETCH(int, left);
    QFETCH(int, top);
    const calculator::Placement place = upperRightPlacement(width, height, screen);
    QCOMPARE(place.left, left);
    QCOMPARE(place.top, top);
}

// The window, 485 x 174 logical pixels, on screens of many sizes and places.
void TestPlacement::onScreen_data() {
    QTest::addColumn<PixelRect>("screen");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("640 x 480") << PixelRect{0, 0, 640, 480} << QPoint(68, 87);
    QTest::newRow("1920 x 1080") << PixelRect{0, 0, 1920, 1080} << QPoint(1348, 87);
    QTest::newRow("4K at scale 1") << PixelRect{0, 0, 3840, 2160} << QPoint(3268, 87);
    QTest::newRow("4K at scale 2: 1920 logical") << PixelRect{0, 0, 1920, 1080} << QPoint(1348, 87);
    QTest::newRow("primary right of a monitor at 0")
        << PixelRect{1920, 0, 1280, 1024} << QPoint(2628, 87);
    QTest::newRow("primary at negative coordinates")
        << PixelRect{-1280, -200, 1280, 1024} << QPoint(-572, -113);
    QTest::newRow("too narrow: top left") << PixelRect{0, 0, 560, 480} << QPoint(0, 0);
    QTest::newRow("too short for the gap: bottom on screen")
        << PixelRect{0, 0, 800, 200} << QPoint(228, 26);
    QTest::newRow("smaller than the window: top left") << PixelRect{0, 0, 320, 150} << QPoint(0, 0);
}

void TestPlacement::onScreen() {
    QFETCH(PixelRect, screen);
    QFETCH(QPoint, position);
    const calculator::ScreenPlacement place = placeOnScreen(screen, 485, 174);
    QCOMPARE(QPoint(place.x, place.y), position);
    QCOMPARE(place.twips.top, position == QPoint(screen.left, screen.top) ? 0 : 1305);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
