// Where the main window goes at start-up: in twips by its outer size and the screen's
// width, in pixels on screens of many sizes and places, and on the screens the test runs
// with (see screens/ and CMakeLists): in the upper right of the primary screen, whole,
// with equal gaps above and to the right, whatever its size, place and scale.

#include "calculator/calculator_window.h"
#include "calculator/placement.h"
#include "forms/fonts.h"

#include <QPoint>
#include <QScreen>
#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(calculator::PixelRect)

using calculator::PixelRect;

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void twips_data() {
        QTest::addColumn<QList<int>>("widthHeightScreen");
        QTest::addColumn<QPoint>("leftTop");
        // clang-format off
        QTest::newRow("half of 2611 to even 1306") << QList{7000, 2611, 15360} << QPoint(7054, 1306);
        QTest::newRow("half of 2613 to even 1306") << QList{7000, 2613, 15360} << QPoint(7054, 1306);
        QTest::newRow("4K screen, 57,600 twips across") << QList{7275, 2610, 57600} << QPoint(49020, 1305);
        QTest::newRow("just fits: left 0") << QList{7275, 2610, 8580} << QPoint(0, 1305);
        QTest::newRow("a twip too narrow: top left") << QList{7275, 2610, 8579} << QPoint(0, 0);
        // clang-format on
    }

    void twips() {
        QFETCH(QList<int>, widthHeightScreen);
        QFETCH(QPoint, leftTop);
        const auto place = calculator::upperRightPlacement(
            widthHeightScreen[0], widthHeightScreen[1], widthHeightScreen[2]);
        QCOMPARE(QPoint(place.left, place.top), leftTop);
    }

    // The window, 485 x 174 logical pixels.
    void pixels_data() {
        QTest::addColumn<PixelRect>("screen");
        QTest::addColumn<QPoint>("position");
        // clang-format off
        QTest::newRow("right of another screen") << PixelRect{1920, 0, 1280, 1024} << QPoint(2628, 87);
        QTest::newRow("at negative coordinates") << PixelRect{-1280, -200, 1280, 1024} << QPoint(-572, -113);
        QTest::newRow("too narrow: top left") << PixelRect{0, 0, 560, 480} << QPoint(0, 0);
        QTest::newRow("too short for the gap: bottom on screen") << PixelRect{0, 0, 800, 200} << QPoint(228, 26);
        // clang-format on
    }

    void pixels() {
        QFETCH(PixelRect, screen);
        QFETCH(QPoint, position);
        const calculator::ScreenPlacement place = calculator::placeOnScreen(screen, 485, 174);
        QCOMPARE(QPoint(place.x, place.y), position);
    }

    void upperRightOfThePrimaryScreen() {
        forms::loadFonts();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        CalculatorWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect frame = window.frameGeometry();
        QVERIFY(screen.contains(frame));
        const int gapTwips = int(std::nearbyint(frame.height() * 15 / 2.0)); // half to even
        const int gap = int(std::lround(gapTwips / 15.0));
        // The offscreen platform nudges a window at negative coordinates by its frame margin.
        const int nudge = (frame.width() - window.width()) / 2;
        QVERIFY2(std::abs(frame.top() - screen.top() - gap) <= nudge &&
                     std::abs(screen.right() - frame.right() - gap) <= nudge,
                 qPrintable(QStringLiteral("gaps %1 above, %2 right; should be %3")
                                .arg(frame.top() - screen.top())
                                .arg(screen.right() - frame.right())
                                .arg(gap)));
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
