// The main window where the random sequences do not reach: its start, the material
// button with no size selected, the size list taking over while the window is inactive,
// the timers while minimized, the read-me window's single instance, regional settings,
// what screen readers are told, and a whole session from the keyboard alone.

#include "fixture.h"
#include "platform/desktop_shell.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

class TestAmpacity : public CalculatorTest {
    Q_OBJECT
private slots:
    void init() { start(); }
    void startUp() {
        window_ = std::make_unique<Ampacity>();
        QCOMPARE(window_->windowTitle(), QStringLiteral("NEC 2017-2023 Brenvik"));
        QCOMPARE(window_->size(), QSize(485, 174)); // 7275 x 2610 twips, fixed
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window_->windowIcon().availableSizes().contains(QSize(32, 32)));
        // Before the first tick the ampacity list has no row, the box its first text.
        QCOMPARE(at<QComboBox>("ComAM")->count(), 25);
        QCOMPARE(at<QComboBox>("ComAM")->currentIndex(), -1);
        QCOMPARE(at<QLineEdit>("CorectAmpacity")->text(), QStringLiteral("=15A (I × 1 × 1)"));
        QCOMPARE(at<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(75, 75, 75));
        QVERIFY(runs("Timer1") && !runs("Timer2"));
        QCOMPARE(at<QTimer>("Timer1")->interval() + at<QTimer>("Timer2")->interval(), 100);
        window_->show();
        QTRY_COMPARE(at<QComboBox>("ComAM")->currentIndex(), 0); // within a tick
        QCOMPARE(focused(), QStringLiteral("MaterCmnd"));        // no list's focus handler has run
    }

    // With no size selected, copper to aluminum selects none, and back selects 14 AWG.
    void materialFromNoSize() {
        at<QComboBox>("ComWS")->setCurrentIndex(-1);
        window_->Timer1_Timer();
        window_->MaterCmnd_Click();
        QCOMPARE(at<QComboBox>("ComWS")->currentIndex(), -1);
        window_->MaterCmnd_Click();
        QCOMPARE(at<QComboBox>("ComWS")->currentIndex(), 0);
    }

    // A click that takes the last correction away hands the pairing to the size list, also
    // while another window is active and the size list gets no focus event.
    void sizeListDrivesAgainWhileInactive() {
        at("ComAM")->setFocus();
        window_->NoOfWFactor = 0.35f; // 41 and above; the next click is 1-3
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window_->NoOfWCmd_Click();
        QVERIFY(runs("Timer1") && !runs("Timer2"));
    }

    void timersRestWhileMinimized_data() {
        QTest::addColumn<bool>("ampacityListDrives");
        QTest::newRow("size list drives") << false;
        QTest::newRow("ampacity list drives") << true;
    }

    void timersRestWhileMinimized() {
        QFETCH(bool, ampacityListDrives);
        if (ampacityListDrives)
            at("ComAM")->setFocus();
        at("AboutCmd")->setFocus(); // the list keeps driving
        window_->showMinimized();
        QVERIFY(!runs("Timer1") && !runs("Timer2"));
        window_->showNormal();
        QVERIFY(runs("Timer1") != ampacityListDrives && runs("Timer2") == ampacityListDrives);
        auto* driving = at<QComboBox>(ampacityListDrives ? "ComAM" : "ComWS");
        driving->setCurrentIndex(7);
        QTRY_COMPARE(at<QComboBox>(ampacityListDrives ? "ComWS" : "ComAM")->currentIndex(), 7);
    }

    // An idle tick leaves the box's text alone: what the user selected in it stays selected.
    void idleTickKeepsTheSelectionInTheBox() {
        window_->AmbCmnd_Click();
        at<QLineEdit>("CorectAmpacity")->setSelection(1, 5);
        window_->Timer1_Timer();
        QCOMPARE(at<QLineEdit>("CorectAmpacity")->selectedText(), QStringLiteral("13.65"));
    }

    void readMeOpensOnce() {
        window_->move(123, 45);
        window_->AboutCmd_Click();
        window_->move(60, 70);
        window_->AboutCmd_Click(); // brought forward, not loaded again
        QCOMPARE(openReadMe()->pos(), QPoint(123, 45));
        openReadMe()->close();
        QTest::qWait(0);           // closed, it is discarded
        window_->AboutCmd_Click(); // loaded afresh, on the window's new corner
        QCOMPARE(openReadMe()->pos(), QPoint(60, 70));
    }

    // Under German settings the box writes decimal commas; the rows stay as they are.
    void commaDecimalLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        start();
        QLocale::setDefault(QLocale::c());
        window_->AmbCmnd_Click();
        window_->NoOfWCmd_Click();
        QCOMPARE(at<QLineEdit>("CorectAmpacity")->text(),
                 QStringLiteral("=10,92 A  (I × 0,91 × 0,8)"));
    }

    // Two-line captions read as one phrase, a blank one by the button's name, a list by
    // the label whose buddy it is (as Linux screen readers name it).
    void accessibleNames() {
        const auto name = [this](const char* control) {
            return QAccessible::queryAccessibleInterface(at(control))->text(QAccessible::Name);
        };
        window_->AmbCmnd_Click();
        QCOMPARE(name("AmbCmnd"), QStringLiteral("Ambient 31-35°C (87-95°F)"));
        QCOMPARE(name("CorectAmpacity"), QStringLiteral("Corrected ampacity"));
        window_->CondCmnd_Click();
        QCOMPARE(name("NoOfWCmd"), QStringLiteral("Number of conductors"));
        const auto labels = QAccessible::queryAccessibleInterface(at("ComWS"))->relations();
        QCOMPARE(labels.value(0).first->text(QAccessible::Name), QStringLiteral("Conductor size"));
    }

    // Aluminum, 90 °C, free air, 4/0 AWG with an ambient correction, the read-me window and
    // its mail link, and EXIT, all from the keyboard.
    void keyboardOnlySession() {
        QStringList opened;
        platform::setShellOpener([&opened](const QString& file) { opened << file; });
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        press(Qt::Key_Space); // aluminum; the size list takes the focus
        QCOMPARE(focused(), QStringLiteral("ComWS"));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Return, {}, 2); // 75 °C, then 90 °C
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Space);        // free air; the size list takes the focus
        press(Qt::Key_Down, {}, 11); // 12 AWG + 11 rows: 4/0 AWG
        window_->Timer1_Timer();     // a user's next key comes a tick or more later
        press(Qt::Key_Tab, {}, 2);   // through the ampacity list, which then drives
        press(Qt::Key_Space);        // 31-35 °C
        window_->Timer2_Timer();
        QCOMPARE(at<QComboBox>("ComWS")->currentText(), QStringLiteral("   4/0 AWG"));
        QCOMPARE(at<QLineEdit>("CorectAmpacity")->text(), QStringLiteral("=302.4 A  (I × 0.96)"));
        press(Qt::Key_Tab);   // the count button is disabled in free air: skipped
        press(Qt::Key_Enter); // READ ME
        QVERIFY(openReadMe() && QTest::qWaitForWindowActive(openReadMe()));
        QCOMPARE(focused(), QStringLiteral("Command3"));
        press(Qt::Key_Tab);
        press(Qt::Key_Return); // the mail link
        QCOMPARE(opened, QStringList{"Mailto:brenvik@tarnholm.example"});
        press(Qt::Key_Escape); // closes the read-me window, back to the calculator
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        press(Qt::Key_Tab);
        press(Qt::Key_Space); // EXIT
        QVERIFY(!window_->isVisible());
        platform::setShellOpener({});
    }

private:
    bool runs(const char* timer) { return at<QTimer>(timer)->isActive(); }
};

QTEST_MAIN(TestAmpacity)
#include "tst_ampacity.moc"
