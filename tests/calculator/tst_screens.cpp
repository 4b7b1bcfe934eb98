// The main window on the screen the test runs with (see the screens/ configurations):
// in the upper right of the primary screen, fully visible, with equal gaps above and to
// the right, whatever the screen's size, place and scale.

#include "calculator/ampacity.h"
#include "forms/fonts.h"

#include <QScreen>
#include <QTest>
#include <cmath>

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void upperRightOfThePrimaryScreen();
};

void TestScreens::upperRightOfThePrimaryScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    qInfo() << "primary screen" << screen << "scale"
            << QGuiApplication::primaryScreen()->devicePixelRatio();
    Ampacity window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect frame = window.frameGeometry();
    QVERIFY2(screen.contains(frame),
             qPrintable(QStringLiteral("window %1,%2 %3x%4 leaves the screen")
                            .arg(frame.x())
                            .arg(frame.y())
                            .arg(frame.width())
                            .arg(frame.height())));
    const double gapTwips = std::nearbyint(frame.height() * 15 / 2.0);
    const int gap = static_cast<int>(std::lround(gapTwips / 15));
    // Qt's offscreen platform nudges a window at negative coordinates by its frame
    // margin; allow that much.
    const int nudge = (frame.width() - window.width()) / 2;
    QVERIFY2(
        std::abs(frame.top() - screen.top() - gap) <= nudge,
        qPrintable(QStringLiteral("top gap %1, not %2").arg(frame.top() - screen.top()).arg(gap)));
    QVERIFY2(
        std::abs(screen.right() - frame.right() - gap) <= nudge,
        qPrintable(
            QStringLiteral("right gap %1, not %2").arg(screen.right() - frame.right()).arg(gap)));
    QCOMPARE(window.WinTop, static_cast<int>(gapTwips));
    QCOMPARE(window.WinLeft, (screen.width() - frame.width()) * 15 - window.WinTop);
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
