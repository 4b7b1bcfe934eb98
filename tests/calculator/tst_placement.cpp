// Where the main window goes at start-up: on screens of many sizes and places, and on the
// screens the test runs with (see screens/ and CMakeLists): in the upper right of the
// primary screen, whole, with gaps of half its height above and to the right, whatever
// the screen's size, place and scale.

#include "calculator/calculator_window.h"
#include "calculator/placement.h"
#include "forms/fonts.h"

#include <QPoint>
#include <QScreen>
#include <QTest>
#include <cstdlib>

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void placement_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("position");
        const QSize window(485, 174);
        // clang-format off
        QTest::newRow("right of another screen") << QRect(1920, 0, 1280, 1024) << window << QPoint(2628, 87);
        QTest::newRow("at negative coordinates") << QRect(-1280, -200, 1280, 1024) << window << QPoint(-572, -113);
        QTest::newRow("odd height: the gap is 1312 twips, 87 px, not 88") << QRect(0, 0, 1280, 1024) << QSize(485, 175) << QPoint(708, 87);
        QTest::newRow("just fits: left 0") << QRect(0, 0, 572, 480) << window << QPoint(0, 87);
        QTest::newRow("a pixel too narrow: top left") << QRect(0, 0, 571, 480) << window << QPoint(0, 0);
        QTest::newRow("too short for the gap: bottom on screen") << QRect(0, 0, 800, 200) << window << QPoint(228, 26);
        // clang-format on
    }

    void placement() {
        QFETCH(QRect, screen);
        QFETCH(QSize, outer);
        QFETCH(QPoint, position);
        QCOMPARE(calculator::upperRightPlacement(screen, outer), position);
    }

    void upperRightOfThePrimaryScreen() {
        forms::loadFonts();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        CalculatorWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect frame = window.frameGeometry();
        QVERIFY(screen.contains(frame));
        // The offscreen platform nudges a window at negative coordinates by its frame margin.
        const int nudge = (frame.width() - window.width()) / 2 + 1;
        const int above = frame.top() - screen.top(), right = screen.right() - frame.right();
        QVERIFY2(std::abs(above - frame.height() / 2) <= nudge &&
                     std::abs(right - frame.height() / 2) <= nudge,
                 qPrintable(QStringLiteral("gaps %1 above, %2 right of a window %3 high")
                                .arg(above)
                                .arg(right)
                                .arg(frame.height())));
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
