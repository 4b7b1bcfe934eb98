// The main window where the random sequences do not reach: its start and where it goes
// on the screen, with the read-me window, the size list taking over while the window is
// inactive, the timers while minimized, the read-me window's single instance, regional
// settings, what screen readers are told, and a session from the keyboard.

#include "calculator/placement.h"
#include "fixture.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>

class TestCalculatorWindow : public CalculatorTest {
    Q_OBJECT
private slots:
    void init() { start(); }
    void placement_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("wanted"); // the read-me window's (none: the calculator's start)
        QTest::addColumn<QPoint>("placed"); // the outer top-left corner
        // The calculator at start-up (485 x 174 px), then the read-me window on its corner,
        // framed as a window manager frames it (492 x 643 px). The screens of the tests of
        // the real windows (CMakeLists) try other places and sizes.
        // clang-format off
        QTest::newRow("a pixel too narrow: top left") << QRect(0, 0, 571, 480) << QPoint() << QPoint(0, 0);
        QTest::newRow("too short for the gap: bottom on screen") << QRect(0, 0, 800, 200) << QPoint() << QPoint(228, 26);
        QTest::newRow("read-me on 1280 x 720: up until its bottom is on") << QRect(0, 0, 1280, 720) << QPoint(692, 101) << QPoint(692, 77);
        QTest::newRow("read-me on 1024 x 600: at the top, never above") << QRect(0, 0, 1024, 600) << QPoint(436, 101) << QPoint(436, 0);
        QTest::newRow("read-me from the right edge: moved left") << QRect(-1280, 0, 1280, 1024) << QPoint(-300, 50) << QPoint(-492, 50);
        // clang-format on
    }

    void placement() {
        QFETCH(QRect, screen);
        QFETCH(QPoint, wanted);
        QFETCH(QPoint, placed);
        QCOMPARE(wanted.isNull() ? calculator::upperRightPlacement(screen, QSize(485, 174))
                                 : calculator::keptOnScreen(screen, wanted, QSize(492, 643)),
                 placed);
    }

    // Both windows on the screen the test runs with (see screens/ and CMakeLists), whatever
    // its size, place and scale: the calculator, fixed in size, in the upper right of the
    // primary screen, with gaps of half its height above and to the right, the first button
    // focused; the read-me window on its corner where it fits there, else moved up and left
    // as little as keeps it whole, or where the screen is too short for it, at the top.
    void onTheScreen() {
        QCOMPARE(window_->size(), QSize(485, 174)); // 7275 x 2610 twips, fixed
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(focused(), QStringLiteral("materialButton")); // no list's focus handler has run
        QVERIFY(!at("correctedAmpacity")->isVisible());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect frame = window_->frameGeometry();
        QVERIFY(screen.contains(frame));
        // The offscreen platform nudges a window at negative coordinates by its frame margin.
        const int nudge = (frame.width() - window_->width()) / 2 + 1;
        QVERIFY(std::abs(frame.top() - screen.top() - frame.height() / 2) <= nudge);
        QVERIFY(std::abs(screen.right() - frame.right() - frame.height() / 2) <= nudge);
        clickOn("readMeButton");
        const QRect readMe = openReadMe()->frameGeometry();
        if (screen.contains(QRect(frame.topLeft(), readMe.size())))
            QCOMPARE(readMe.topLeft(), frame.topLeft());
        QVERIFY(screen.contains(readMe) || readMe.top() == screen.top());
    }

    void otherListFollowsWhileInactive_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("wheeled"); // the list that drives after it
        // clang-format off
        QTest::newRow("restored: the size list drove") << "minimized" << "sizeList";
        QTest::newRow("restored: the ampacity list drove") << "minimized" << "ampacityList";
        QTest::newRow("the last correction taken away") << "corrected" << "sizeList";
        // clang-format on
    }

    // Minimized, the window does not wake the program; restored, the list that drove
    // drives again. A click that takes the last correction away hands the pairing to the
    // size list. Both hold while another window keeps the activation and no list gets a
    // focus event: a row turned to with the wheel is followed by the other list, not undone.
    void otherListFollowsWhileInactive() {
        QFETCH(QString, before);
        QFETCH(QString, wheeled);
        if (before == "corrected") {
            clickOn("conductorCountButton", 6);       // 41 and above; the next click is 1-3
            press(Qt::Key_Tab, Qt::ShiftModifier, 2); // into the ampacity list, which drives
        } else if (wheeled == "ampacityList") {
            press(Qt::Key_Tab, {}, 5); // through the ampacity list, on to the ambient button
        }
        if (before == "minimized") {
            window_->showMinimized();
            WakeUps minimized(window_.get());
            QTest::qWait(120);
            QCOMPARE(minimized.count, 0);
        }
        QWidget other; // another window of the desktop, which takes the activation
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        if (before == "minimized") {
            window_->showNormal();
            QVERIFY(WakeUps(window_.get()).waitFor(1) && !window_->isActiveWindow());
        } else {
            clickOn("conductorCountButton");
            QVERIFY(!at("correctedAmpacity")->isVisible());
        }
        wheel(at(qPrintable(wheeled)), 3);
        COMPARE_SOON(row(wheeled == "sizeList" ? "ampacityList" : "sizeList"), 3);
        QCOMPARE(row(qPrintable(wheeled)), 3);
    }

    void oneListDrivesAfterASelector_data() {
        QTest::addColumn<bool>("minimized");
        QTest::newRow("clicked") << false;
        QTest::newRow("pressed by a screen reader while minimized") << true;
    }

    // A selector clicked, or pressed by a screen reader while the window is minimized,
    // while the ampacity list drives hands the pairing to the size list; restored, the
    // ampacity list does not drive as well: one timer wakes the program, every 50 ms at most.
    void oneListDrivesAfterASelector() {
        QFETCH(bool, minimized);
        press(Qt::Key_Tab, {}, 5); // through the ampacity list, on to the ambient button
        if (minimized) {
            window_->showMinimized();
            QTest::qWait(20); // the desktop reports the window minimized
            byScreenReader(at("insulationButton"));
            window_->showNormal();
        } else {
            clickOn("insulationButton");
        }
        WakeUps after(window_.get());
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(120);
        QCOMPARE(after.timers.size(), 1);
        QVERIFY2(after.count <= clock.elapsed() / 50 + 1, qPrintable(QString::number(after.count)));
    }

    // An idle tick leaves the box's text alone: what the user selected in it stays selected.
    void idleTickKeepsTheSelectionInTheBox() {
        clickOn("ambientButton");
        clickOn("correctedAmpacity");
        press(Qt::Key_Home);
        press(Qt::Key_Right, Qt::ShiftModifier, 6);
        QVERIFY(WakeUps(window_.get()).waitFor(2));
        QCOMPARE(at<QLineEdit>("correctedAmpacity")->selectedText(), QStringLiteral("=13.65"));
    }

    void readMeOpensOnce() {
        window_->move(123, 45);
        clickOn("readMeButton");
        window_->move(60, 70);
        window_->activateWindow(); // the user goes back to the calculator
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        clickOn("readMeButton"); // brought forward, not opened again
        QVERIFY(QTest::qWaitForWindowActive(openReadMe()));
        QCOMPARE(openReadMe()->pos(), QPoint(123, 45));
        openReadMe()->close();
        QTest::qWait(0);         // closed, it is discarded
        clickOn("readMeButton"); // opened afresh, on the window's new corner
        QCOMPARE(openReadMe()->pos(), QPoint(60, 70));
    }

    // Under German settings the box writes decimal commas; the rows stay as they are.
    void commaDecimalLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        start();
        QLocale::setDefault(QLocale::c());
        clickOn("ambientButton");
        QCOMPARE(box(), QStringLiteral("=13,65 A  (I × 0,91)"));
    }

    // Two-line captions read as one phrase, a blank one by the button's name, a list by
    // the label whose buddy it is (as Linux screen readers name it); a screen reader's
    // press steps a button, and it can move the focus to one.
    void accessibleNames() {
        const auto name = [this](const char* control) {
            return QAccessible::queryAccessibleInterface(at(control))->text(QAccessible::Name);
        };
        byScreenReader(at("materialButton"));
        QCOMPARE(name("materialButton"), QStringLiteral("AL"));
        clickOn("ambientButton");
        QCOMPARE(name("ambientButton"), QStringLiteral("Ambient 31-35°C (87-95°F)"));
        QCOMPARE(name("correctedAmpacity"), QStringLiteral("Corrected ampacity"));
        clickOn("installationButton");
        QCOMPARE(name("conductorCountButton"), QStringLiteral("Number of conductors"));
        const auto labels = QAccessible::queryAccessibleInterface(at("sizeList"))->relations();
        QCOMPARE(labels.value(0).first->text(QAccessible::Name), QStringLiteral("Conductor size"));
        byScreenReader(at("ambientButton"), QAccessibleActionInterface::setFocusAction());
        QCOMPARE(focused(), QStringLiteral("ambientButton"));
    }

    // A held Return presses a button once, the keypad's Enter opens the read-me window,
    // Escape closes it, Space presses EXIT.
    void keyboardOnlySession() {
        press(Qt::Key_Tab, {}, 5); // to the ambient button
        hold(Qt::Key_Return, {}, 3);
        QCOMPARE(at<QPushButton>("ambientButton")->text(), "Ambient\r\n31-35°C (87-95°F)");
        press(Qt::Key_Tab, {}, 2); // past the count button to READ ME
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(openReadMe() && QTest::qWaitForWindowActive(openReadMe()));
        QCOMPARE(focused(), QStringLiteral("okButton"));
        press(Qt::Key_Escape); // closes the read-me window, back to the calculator
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        press(Qt::Key_Tab);
        press(Qt::Key_Space); // EXIT
        QVERIFY(!window_->isVisible());
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculator_window.moc"
