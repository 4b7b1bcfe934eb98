// The main window where the random sequences do not reach: its start, nothing covering
// a control, the size list taking over while the window is inactive, the timers while
// minimized, the read-me window's single instance, regional settings, what screen
// readers are told, and a whole session from the keyboard alone.

#include "fixture.h"

#include <QAccessible>
#include <QElapsedTimer>

namespace {

// A screen reader's action on `control`: a press unless named.
void byScreenReader(QWidget* control,
                    const QString& action = QAccessibleActionInterface::pressAction()) {
    QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(action);
}

} // namespace

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
        // Before the first tick the ampacity list has no row, the box its first text.
        QCOMPARE(at<QComboBox>("ampacityList")->count(), 25);
        QCOMPARE(row("ampacityList"), -1);
        QCOMPARE(box(), QStringLiteral("=15A (I × 1 × 1)"));
        window_->show();
        COMPARE_SOON(row("ampacityList"), 0);                  // within a tick
        QCOMPARE(focused(), QStringLiteral("materialButton")); // no list's focus handler has run
        QVERIFY(!at("correctedAmpacity")->isVisible());
    }

    // Every control the pointer can reach is on top at its centre, the result box too.
    void nothingCoversAControl() {
        QCOMPARE(coveredControls(window_.get()), QStringList());
        clickOn("ambientButton");
        QVERIFY(at("correctedAmpacity")->isVisible());
        QCOMPARE(coveredControls(window_.get()), QStringList());
    }

    // A click that takes the last correction away hands the pairing to the size list,
    // also while another window is active and the size list gets no focus event: a size
    // turned to with the wheel there is followed, not undone.
    void sizeListDrivesAgainWhileInactive() {
        clickOn("conductorCountButton", 6);       // 41 and above; the next click is 1-3
        press(Qt::Key_Tab, Qt::ShiftModifier, 2); // into the ampacity list, which drives
        QCOMPARE(focused(), QStringLiteral("ampacityList"));
        const auto other = otherWindowActive();
        clickOn("conductorCountButton");
        QVERIFY(!at("correctedAmpacity")->isVisible());
        wheel(at("sizeList"), 3);
        COMPARE_SOON(row("ampacityList"), 3);
        QCOMPARE(row("sizeList"), 3);
    }

    void timersRestWhileMinimized_data() {
        QTest::addColumn<bool>("ampacityListDrives");
        QTest::newRow("size list drives") << false;
        QTest::newRow("ampacity list drives") << true;
    }

    // Minimized, the window does not wake the program; restored, the list that drove
    // drives again, also where another window keeps the activation: a row turned to in
    // it with the wheel is followed by the other list.
    void timersRestWhileMinimized() {
        QFETCH(bool, ampacityListDrives);
        if (ampacityListDrives)
            press(Qt::Key_Tab, {}, 5); // through the ampacity list, on to the ambient button
        window_->showMinimized();
        WakeUps minimized(window_.get());
        QTest::qWait(120);
        QCOMPARE(minimized.count, 0);
        const auto other = otherWindowActive();
        window_->showNormal();
        QVERIFY(WakeUps(window_.get()).waitFor(1) && !window_->isActiveWindow());
        wheel(at(ampacityListDrives ? "ampacityList" : "sizeList"), 7);
        COMPARE_SOON(row(ampacityListDrives ? "sizeList" : "ampacityList"), 7);
    }

    // A selector clicked while the ampacity list drives hands the pairing to the size
    // list: one timer wakes the program, every 50 ms at most.
    void selectorClickLeavesOneListDriving() {
        press(Qt::Key_Tab, {}, 5); // through the ampacity list, on to the ambient button
        clickOn("insulationButton");
        WakeUps after(window_.get());
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(120);
        QCOMPARE(after.timers.size(), 1);
        QVERIFY2(after.count <= clock.elapsed() / 50 + 1, qPrintable(QString::number(after.count)));
    }

    // A selector pressed by a screen reader while the window is minimized hands the
    // pairing to the size list; restored, the ampacity list that drove before does not
    // drive as well: one timer wakes the program.
    void selectorPressedWhileMinimized() {
        press(Qt::Key_Tab, {}, 5); // through the ampacity list, on to the ambient button
        window_->showMinimized();
        QTest::qWait(20); // the desktop reports the window minimized
        byScreenReader(at("insulationButton"));
        window_->showNormal();
        WakeUps restored(window_.get());
        QTest::qWait(120);
        QCOMPARE(restored.timers.size(), 1);
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

    // Aluminum, 90 °C, free air, 4/0 AWG with an ambient correction, the read-me window,
    // and EXIT, all from the keyboard.
    void keyboardOnlySession() {
        press(Qt::Key_Space); // aluminum; the size list takes the focus
        QCOMPARE(focused(), QStringLiteral("sizeList"));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Return, {}, 2); // 75 °C, then 90 °C
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Space);        // free air; the size list takes the focus
        press(Qt::Key_Down, {}, 11); // 12 AWG + 11 rows: 4/0 AWG
        COMPARE_SOON(row("ampacityList"), 11);
        press(Qt::Key_Tab, {}, 2); // through the ampacity list, which then drives
        press(Qt::Key_Space);      // 31-35 °C
        QCOMPARE(at<QComboBox>("sizeList")->currentText(), QStringLiteral("   4/0 AWG"));
        QCOMPARE(box(), QStringLiteral("=302.4 A  (I × 0.96)"));
        press(Qt::Key_Tab);   // the count button is disabled in free air: skipped
        press(Qt::Key_Enter); // READ ME
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
