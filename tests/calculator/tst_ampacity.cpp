// The main window's behaviour: its start state, the pairing of the size and ampacity
// lists by the two timers, the focus handlers, the corrected-ampacity refresh and EXIT.

#include "calculator/ampacity.h"
#include "forms/fonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

class TestAmpacity : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void init();
    void cleanup() { window_.reset(); }

    void startState();
    void noAmpacityRowBeforeTheFirstTick();
    void sizeListDrivesTheAmpacityList();
    void ampacityListDrivesTheSizeList();
    void noSelectionLeavesTheOtherListAlone();
    void focusHandlersSwitchTheTimers_data();
    void focusHandlersSwitchTheTimers();
    void settingARowByProgramRunsNoHandler();
    void refreshTwiceLeavesWhatOnceLeaves();
    void correctedAmpacityFollowsTheRowAndFactors();
    void idleTickLeavesTheBoxTextAlone();
    void exitClosesTheWindow();
    void readMeOpensOnceOnTheWindowsCorner();
    void timersRestWhileMinimized_data();
    void timersRestWhileMinimized();
    void commaDecimalLocale();

private:
    template <typename T> T* control(const char* name) {
        auto* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QComboBox* sizes() { return control<QComboBox>("ComWS"); }
    QComboBox* amps() { return control<QComboBox>("ComAM"); }
    QLineEdit* box() { return control<QLineEdit>("CorectAmpacity"); }
    QTimer* timer1() { return control<QTimer>("Timer1"); }
    QTimer* timer2() { return control<QTimer>("Timer2"); }
    void showAndTick();

    std::unique_ptr<Ampacity> window_;
};

void TestAmpacity::init() {
    window_ = std::make_unique<Ampacity>();
}

void TestAmpacity::showAndTick() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_COMPARE(amps()->currentIndex(), 0); // the first Timer1 tick
}

void TestAmpacity::startState() {
    showAndTick();
    QCOMPARE(control<QPushButton>("MaterCmnd")->text(), QStringLiteral("CU"));
    QCOMPARE(control<QPushButton>("CondCmnd")->text(), QStringLiteral("Raceway or\u00A0Cable"));
    QCOMPARE(control<QPushButton>("TempCmnd")->text(),
             QStringLiteral("Insulation 60\u00B0C\u00A0(140\u00B0F)"));
    for (const char* name : {"MaterCmnd", "CondCmnd", "TempCmnd", "AmbCmnd", "NoOfWCmd"})
        QVERIFY(control<QPushButton>(name)->isEnabled());

    QCOMPARE(sizes()->count(), 25);
    QCOMPARE(sizes()->currentIndex(), 0);
    QCOMPARE(sizes()->currentText(), QStringLiteral("     14 AWG"));
    QCOMPARE(sizes()->itemText(24), QStringLiteral(" 2000 MCM"));
    QCOMPARE(amps()->count(), 25);
    QCOMPARE(amps()->itemText(0), QStringLiteral("   15A"));
    QCOMPARE(amps()->itemText(1), QStringLiteral("   20A"));
    QCOMPARE(amps()->itemText(2), QStringLiteral("   30 A"));
    QCOMPARE(control<QLabel>("Label1")->text(),
             QStringLiteral("Table 310.15(B)(16) / Table 310.16"));
    QVERIFY(control<QLabel>("Label2")->text().startsWith(
        QLatin1String("Ampacities of Insulated Conductors")));

    QVERIFY(!box()->isVisible());
    QCOMPARE(box()->text(), QStringLiteral("=15 A  (I \u00D7 1)"));
    QVERIFY(timer1()->isActive());
    QVERIFY(!timer2()->isActive());
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("MaterCmnd"));

    QCOMPARE(window_->TempSel, 2);
    QCOMPARE(window_->MaterSel, 0);
    QCOMPARE(window_->CondSel, 0);
    QCOMPARE(window_->SizeRow, 0);
    QCOMPARE(window_->AmpRow, 0);
    QCOMPARE(window_->AmbFactor, 1.0f);
    QCOMPARE(window_->NoOfWFactor, 1.0f);
    QCOMPARE(window_->TableAmps, 15.0f);
    QCOMPARE(window_->CorrectedAmps, 15.0f);
}

void TestAmpacity::noAmpacityRowBeforeTheFirstTick() {
    QCOMPARE(amps()->count(), 25);
    QCOMPARE(amps()->currentIndex(), -1);
    QCOMPARE(box()->text(), QStringLiteral("=15A (I \u00D7 1 \u00D7 1)")); // not yet computed
}

void TestAmpacity::sizeListDrivesTheAmpacityList() {
    showAndTick();
    sizes()->setFocus();
    QTest::keyClick(sizes(), Qt::Key_Down); // 12 AWG
    QCOMPARE(sizes()->currentIndex(), 1);
    QTRY_COMPARE(amps()->currentIndex(), 1);
    QCOMPARE(window_->TableAmps, 20.0f);

    sizes()->setCurrentIndex(12); // 4/0 AWG
    QTRY_COMPARE(amps()->currentIndex(), 12);
    QCOMPARE(amps()->currentText(), QStringLiteral("  195 A"));
    QCOMPARE(window_->SizeRow, 12);
    QCOMPARE(window_->AmpRow, 12);
}

void TestAmpacity::ampacityListDrivesTheSizeList() {
    showAndTick();
    amps()->setFocus();
    QVERIFY(timer2()->isActive());
    QTest::keyClick(amps(), Qt::Key_End);
    QCOMPARE(amps()->currentIndex(), 24);
    QTRY_COMPARE(sizes()->currentIndex(), 24);
    QCOMPARE(sizes()->currentText(), QStringLiteral(" 2000 MCM"));
    QCOMPARE(window_->TableAmps, 555.0f);
    QCOMPARE(window_->SizeRow, 24);
}

// With no row in the driving list both row fields become -1, the other list keeps its
// row and the box is still refreshed from what the ampacity list shows.
void TestAmpacity::noSelectionLeavesTheOtherListAlone() {
    showAndTick();
    sizes()->setCurrentIndex(5);
    window_->Timer1_Timer();
    sizes()->setCurrentIndex(-1);
    window_->Timer1_Timer();
    QCOMPARE(window_->SizeRow, -1);
    QCOMPARE(window_->AmpRow, -1);
    QCOMPARE(amps()->currentIndex(), 5);
    QCOMPARE(window_->TableAmps, 70.0f);
}

void TestAmpacity::focusHandlersSwitchTheTimers_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("by program") << "program";
    QTest::newRow("by mouse") << "mouse";
    QTest::newRow("by keyboard") << "keyboard";
}

void TestAmpacity::focusHandlersSwitchTheTimers() {
    QFETCH(QString, how);
    showAndTick();
    const auto enter = [&](QComboBox* list) {
        if (how == QLatin1String("program")) {
            list->setFocus();
        } else if (how == QLatin1String("mouse")) {
            QTest::mouseClick(list, Qt::LeftButton);
            QTRY_VERIFY(list->view()->isVisible());
            QTest::keyClick(list->view(), Qt::Key_Escape); // close the popup again
            QTRY_VERIFY(!list->view()->isVisible());
        } else {
            while (QApplication::focusWidget() != list)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), list);
    };
    enter(amps());
    QVERIFY(!timer1()->isActive());
    QVERIFY(timer2()->isActive());
    enter(sizes());
    QVERIFY(timer1()->isActive());
    QVERIFY(!timer2()->isActive());
    // Leaving a list for a button keeps the list driving.
    enter(amps());
    control<QWidget>("AmbCmnd")->setFocus();
    QVERIFY(timer2()->isActive() && !timer1()->isActive());
}

void TestAmpacity::settingARowByProgramRunsNoHandler() {
    showAndTick();
    amps()->setFocus(); // Timer2 drives
    sizes()->setCurrentIndex(7);
    QVERIFY(timer2()->isActive() && !timer1()->isActive());
    window_->Timer2_Timer(); // ComAM still drives: the size list goes back to row 0
    QCOMPARE(sizes()->currentIndex(), 0);
}

void TestAmpacity::refreshTwiceLeavesWhatOnceLeaves() {
    showAndTick();
    const auto snapshot = [&] {
        QStringList rows;
        for (int i = 0; i < amps()->count(); ++i)
            rows << amps()->itemText(i);
        return std::tuple(rows, amps()->currentIndex(), control<QLabel>("Label1")->text(),
                          control<QLabel>("Label2")->text(), box()->isVisibleTo(window_.get()),
                          timer1()->isActive(), timer2()->isActive());
    };
    window_->TiCom1_Click();
    const auto once = snapshot();
    window_->TiCom1_Click();
    QCOMPARE(snapshot(), once);
    QCOMPARE(amps()->count(), 25);
    QCOMPARE(amps()->currentIndex(), -1); // the refresh selects no row
}

void TestAmpacity::correctedAmpacityFollowsTheRowAndFactors() {
    showAndTick();
    window_->AmbFactor = 0.91f;
    window_->TiCom1_Click(); // shows the box: a correction applies
    QVERIFY(box()->isVisible());
    sizes()->setCurrentIndex(2); // 10 AWG, 30 A at 60 °C
    QTRY_COMPARE(box()->text(), QStringLiteral("=27.3 A  (I \u00D7 0.91)"));
    QCOMPARE(window_->CorrectedAmps, 27.3f);
    window_->NoOfWFactor = 0.8f;
    window_->TiCom2_Click();
    QCOMPARE(box()->text(), QStringLiteral("=21.84 A  (I \u00D7 0.91 \u00D7 0.8)"));
}

// An idle tick must not rewrite the box: the user's selection in it survives.
void TestAmpacity::idleTickLeavesTheBoxTextAlone() {
    showAndTick();
    window_->AmbFactor = 0.91f;
    window_->TiCom1_Click();
    QTRY_COMPARE(box()->text(), QStringLiteral("=13.65 A  (I \u00D7 0.91)"));
    box()->setSelection(1, 5);
    window_->Timer1_Timer();
    window_->Timer1_Timer();
    QCOMPARE(box()->selectedText(), QStringLiteral("13.65"));
    // Typing into the box is undone by the next tick.
    box()->setText(QStringLiteral("typed"));
    window_->Timer1_Timer();
    QCOMPARE(box()->text(), QStringLiteral("=13.65 A  (I \u00D7 0.91)"));
}

void TestAmpacity::exitClosesTheWindow() {
    showAndTick();
    QTest::mouseClick(control<QPushButton>("ExitCmd"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
}

void TestAmpacity::readMeOpensOnceOnTheWindowsCorner() {
    showAndTick();
    const auto open = [] {
        QList<QWidget*> found;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("AboutBrenvik") && top->isVisible())
                found << top;
        return found;
    };
    window_->move(123, 45);
    window_->AboutCmd_Click();
    window_->move(60, 70);
    window_->AboutCmd_Click(); // brought forward, not loaded again
    QCOMPARE(open().size(), 1);
    QCOMPARE(open().first()->pos(), QPoint(123, 45));
    QTest::mouseClick(open().first()->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QTest::qWait(0);           // closed, it is discarded
    window_->AboutCmd_Click(); // loaded afresh, on the window's new corner
    QCOMPARE(open().first()->pos(), QPoint(60, 70));
    QTest::mouseClick(control<QPushButton>("ExitCmd"), Qt::LeftButton);
    QVERIFY(open().isEmpty());
}

void TestAmpacity::timersRestWhileMinimized_data() {
    QTest::addColumn<bool>("ampacityListDrives");
    QTest::newRow("size list drives") << false;
    QTest::newRow("ampacity list drives") << true;
}

void TestAmpacity::timersRestWhileMinimized() {
    QFETCH(bool, ampacityListDrives);
    showAndTick();
    if (ampacityListDrives)
        amps()->setFocus();
    window_->showMinimized();
    QVERIFY(!timer1()->isActive() && !timer2()->isActive());
    window_->showNormal();
    QCOMPARE(timer1()->isActive(), !ampacityListDrives);
    QCOMPARE(timer2()->isActive(), ampacityListDrives);
}

// Under German settings the box writes decimal commas; the rows and their read-back
// stay as they are.
void TestAmpacity::commaDecimalLocale() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    window_ = std::make_unique<Ampacity>();
    QLocale::setDefault(previous);
    showAndTick();
    window_->TempCmnd_Click();
    window_->TempCmnd_Click(); // 90 °C
    window_->Timer1_Timer();
    QCOMPARE(amps()->itemText(0), QStringLiteral("   25 A (15A)"));
    window_->AmbCmnd_Click();
    window_->AmbCmnd_Click();
    QCOMPARE(box()->text(), QStringLiteral("=22,75 A  (I \u00D7 0,91)"));
    QCOMPARE(window_->TableAmps, 25.0f);
    QCOMPARE(window_->CorrectedAmps, 22.75f);
    window_->NoOfWCmd_Click();
    QCOMPARE(box()->text(), QStringLiteral("=18,2 A  (I \u00D7 0,91 \u00D7 0,8)"));
}

QTEST_MAIN(TestAmpacity)
#include "tst_ampacity.moc"
