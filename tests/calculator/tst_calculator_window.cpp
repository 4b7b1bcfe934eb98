// The main window where the random sequences do not reach: its start, the size list
// taking over while the window is inactive, the timers while minimized, the read-me
// window's single instance, regional settings, what screen
// readers are told, and READ ME and EXIT from the keyboard.

#include "fixture.h"

#include <QElapsedTimer>

class TestCalculatorWindow : public CalculatorTest {
    Q_OBJECT
private slots:
    void init() { start(); }
    void startUp() {
        window_ = std::make_unique<CalculatorWindow>();
        QCOMPARE(window_->windowTitle(), QStringLiteral("NEC 2017-2023 Brenvik"));
        QCOMPARE(window_->size(), QSize(485, 174)); // 7275 x 2610 twips, fixed
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window_->windowIcon().availableSizes().contains(QSize(32, 32)));
        // Before the first tick the ampacity list has no row.
        QCOMPARE(at<QComboBox>("ampacityList")->count(), 25);
        QCOMPARE(row("ampacityList"), -1);
        window_->show();
        COMPARE_SOON(row("ampacityList"), 0);                  // within a tick
        QCOMPARE(focused(), QStringLiteral("materialButton")); // no list's focus handler has run
        QVERIFY(!at("correctedAmpacity")->isVisible());
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
        const auto other = otherWindowActive();
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
        press(Qt::Key_Right);
        press(Qt::Key_Right, Qt::ShiftModifier, 5);
        QVERIFY(WakeUps(window_.get()).waitFor(2));
        QCOMPARE(at<QLineEdit>("correctedAmpacity")->selectedText(), QStringLiteral("13.65"));
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
        clickOn("conductorCountButton");
        QCOMPARE(box(), QStringLiteral("=10,92 A  (I × 0,91 × 0,8)"));
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

    // READ ME and EXIT from the keyboard; Escape closes the read-me window.
    void keyboardOnlySession() {
        press(Qt::Key_Tab, Qt::ShiftModifier, 2); // back past EXIT to READ ME
        press(Qt::Key_Enter);
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
