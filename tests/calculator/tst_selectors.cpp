// The five selector buttons, clicked as a user clicks them: material, installation and
// insulation choose the table; ambient temperature and conductor count the factors.

#include "calculator/ampacity.h"
#include "forms/fonts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
const QString kAmbientStart = QStringLiteral("Ambient\r\n26-30\u00B0C\u00A0(78-86\u00B0F)");
const QColor kRed(128, 0, 0);
const QColor kBlue(0, 0, 192);
} // namespace

class TestSelectors : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void init();
    void cleanup() { window_.reset(); }

    void materialRoundTrip_data();
    void materialRoundTrip();
    void insulationSteps60To75To90();
    void installationRoundTripRestoresTheCount();
    void freeAirDisablesTheCount();
    void ambientCycleReturnsToStart_data();
    void ambientCycleReturnsToStart();
    void conductorCountCycleReturnsToStart();
    void boxTextThroughClicks();
    void installationShowsZeroUntilTheNextTick();
    void focusAndDrivingListAfterEachClick();
    void insulationClickHandsTheDrivingBackToSizes();
    void selectorsKeepTheOtherChoices();

private:
    template <typename T = QWidget> T* control(const char* name) {
        auto* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }
    QComboBox* sizes() { return control<QComboBox>("ComWS"); }
    QComboBox* amps() { return control<QComboBox>("ComAM"); }
    QLineEdit* box() { return control<QLineEdit>("CorectAmpacity"); }
    bool timer1() { return control<QTimer>("Timer1")->isActive(); }
    bool timer2() { return control<QTimer>("Timer2")->isActive(); }
    void click(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(button(name), Qt::LeftButton);
    }
    // One tick of whichever timer runs, without waiting for it.
    void tick() {
        QVERIFY(timer1() != timer2());
        if (timer1())
            window_->Timer1_Timer();
        else
            window_->Timer2_Timer();
    }
    QColor colour(QWidget* widget) { return widget->palette().color(QPalette::Text); }

    std::unique_ptr<Ampacity> window_;
};

void TestSelectors::init() {
    window_ = std::make_unique<Ampacity>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    tick();
}

void TestSelectors::materialRoundTrip_data() {
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("aluminumRow");
    QTest::addColumn<int>("copperRow");
    QTest::addColumn<QString>("aluminumSize");
    QTest::newRow("14 AWG becomes 12 AWG and stays 12 AWG") << 0 << 0 << 1 << "     12 AWG";
    QTest::newRow("12 AWG") << 1 << 0 << 1 << "     12 AWG";
    QTest::newRow("4/0 AWG") << 12 << 11 << 12 << "   4/0 AWG";
    QTest::newRow("2000 MCM, row 24 to row 23") << 24 << 23 << 24 << " 2000 MCM";
    QTest::newRow("no selection: none, then row 0") << -1 << -1 << 0 << "";
}

void TestSelectors::materialRoundTrip() {
    QFETCH(int, startRow);
    QFETCH(int, aluminumRow);
    QFETCH(int, copperRow);
    QFETCH(QString, aluminumSize);
    sizes()->setCurrentIndex(startRow);
    tick();
    QCOMPARE(window_->SizeRow, startRow);

    click("MaterCmnd");
    QCOMPARE(button("MaterCmnd")->text(), QStringLiteral("AL"));
    QCOMPARE(window_->MaterSel, 1);
    QCOMPARE(sizes()->count(), 24);
    QCOMPARE(sizes()->itemText(0), QStringLiteral("     12 AWG"));
    QCOMPARE(sizes()->currentIndex(), aluminumRow);
    QCOMPARE(sizes()->currentText(), aluminumSize);
    QCOMPARE(amps()->count(), 24);
    QCOMPARE(amps()->currentIndex(), -1); // until the next tick
    tick();
    QCOMPARE(amps()->currentIndex(), aluminumRow);
    for (QWidget* widget : {static_cast<QWidget*>(sizes()), static_cast<QWidget*>(amps()),
                            static_cast<QWidget*>(box())})
        QCOMPARE(colour(widget), kBlue);

    click("MaterCmnd");
    QCOMPARE(button("MaterCmnd")->text(), QStringLiteral("CU"));
    QCOMPARE(window_->MaterSel, 0);
    QCOMPARE(sizes()->count(), 25);
    QCOMPARE(sizes()->itemText(0), QStringLiteral("     14 AWG"));
    QCOMPARE(sizes()->currentIndex(), copperRow);
    tick();
    QCOMPARE(amps()->count(), 25);
    QCOMPARE(amps()->currentIndex(), copperRow);
    for (QWidget* widget : {static_cast<QWidget*>(sizes()), static_cast<QWidget*>(amps()),
                            static_cast<QWidget*>(box())})
        QCOMPARE(colour(widget), kRed);
}

void TestSelectors::insulationSteps60To75To90() {
    const QStringList captions = {QStringLiteral("Insulation 75\u00B0C\u00A0(167\u00B0F)"),
                                  QStringLiteral("Insulation 90\u00B0C\u00A0(194\u00B0F)"),
                                  QStringLiteral("Insulation 60\u00B0C\u00A0(140\u00B0F)")};
    const int tempSels[] = {0, 1, 2};
    const QStringList firstRows = {QStringLiteral("   20 A (15A)"), QStringLiteral("   25 A (15A)"),
                                   QStringLiteral("   15A")};
    for (int i = 0; i < 3; ++i) {
        click("AmbCmnd", i + 1); // some range other than 26-30 °C
        QVERIFY(window_->AmbFactor != 1.0f);
        click("TempCmnd");
        QCOMPARE(button("TempCmnd")->text(), captions[i]);
        QCOMPARE(window_->TempSel, tempSels[i]);
        QCOMPARE(window_->AmbFactor, 1.0f);
        QCOMPARE(button("AmbCmnd")->text(), kAmbientStart);
        QCOMPARE(amps()->itemText(0), firstRows[i]);
        QVERIFY(!box()->isVisible());
        tick();
    }
    // The reset happens on every click, also when the range already was 26-30 °C.
    click("TempCmnd");
    QCOMPARE(button("AmbCmnd")->text(), kAmbientStart);
}

void TestSelectors::installationRoundTripRestoresTheCount() {
    click("NoOfWCmd", 3);
    QCOMPARE(window_->NoOfWFactor, 0.5f);
    click("CondCmnd");
    QCOMPARE(button("CondCmnd")->text(), QStringLiteral("Free Air"));
    QCOMPARE(window_->CondSel, 1);
    QCOMPARE(window_->NoOfWFactor, 1.0f);
    QCOMPARE(control<QLabel>("Label1")->text(),
             QStringLiteral("Table 310.15(B)(17) / Table 310.17"));
    click("CondCmnd");
    QCOMPARE(button("CondCmnd")->text(), QStringLiteral("Raceway or\u00A0Cable"));
    QCOMPARE(window_->CondSel, 0);
    QVERIFY(button("NoOfWCmd")->isEnabled());
    QCOMPARE(button("NoOfWCmd")->text(), QStringLiteral("Number of conductors\r\n1-3"));
    QCOMPARE(window_->NoOfWFactor, 1.0f);
    QCOMPARE(control<QLabel>("Label1")->text(),
             QStringLiteral("Table 310.15(B)(16) / Table 310.16"));
}

void TestSelectors::freeAirDisablesTheCount() {
    click("AmbCmnd", 2); // 36-40 °C at 60 °C: 0.82
    click("CondCmnd");
    QVERIFY(!button("NoOfWCmd")->isEnabled());
    QCOMPARE(button("NoOfWCmd")->text(), QString());
    QCOMPARE(window_->AmbFactor, 0.82f);
    QCOMPARE(button("AmbCmnd")->text(),
             QStringLiteral("Ambient\r\n36-40\u00B0C\u00A0(96-104\u00B0F)"));
    // A disabled button takes no click; the handler itself changes nothing in free air
    // but still recomputes.
    click("NoOfWCmd");
    QCOMPARE(window_->NoOfWFactor, 1.0f);
    tick();
    window_->NoOfWCmd_Click();
    QCOMPARE(window_->NoOfWFactor, 1.0f);
    QCOMPARE(button("NoOfWCmd")->text(), QString());
    QCOMPARE(box()->text(), QStringLiteral("=20.5 A  (I \u00D7 0.82)")); // 25 A free air, 14 AWG
    QVERIFY(box()->isVisible());
}

void TestSelectors::ambientCycleReturnsToStart_data() {
    QTest::addColumn<int>("insulationClicks");
    QTest::addColumn<int>("states");
    QTest::newRow("60 C: 10 clicks") << 0 << 10;
    QTest::newRow("75 C: 13 clicks") << 1 << 13;
    QTest::newRow("90 C: 16 clicks") << 2 << 16;
}

void TestSelectors::ambientCycleReturnsToStart() {
    QFETCH(int, insulationClicks);
    QFETCH(int, states);
    click("TempCmnd", insulationClicks);
    for (int i = 1; i < states; ++i) {
        click("AmbCmnd");
        QVERIFY(box()->isVisible());
        QCOMPARE(QApplication::focusWidget(), button("AmbCmnd"));
        QVERIFY(button("AmbCmnd")->text().startsWith(QLatin1String("Ambient\r\n")));
    }
    click("AmbCmnd");
    QCOMPARE(window_->AmbFactor, 1.0f);
    QCOMPARE(button("AmbCmnd")->text(), kAmbientStart);
    QVERIFY(!box()->isVisible());
    QCOMPARE(QApplication::focusWidget(), sizes());
    QVERIFY(timer1() && !timer2());
}

void TestSelectors::conductorCountCycleReturnsToStart() {
    const QStringList ranges = {"4-6", "7-9", "10-20", "21-30", "31-40", "41 and above"};
    for (const QString& range : ranges) {
        click("NoOfWCmd");
        QCOMPARE(button("NoOfWCmd")->text(), QStringLiteral("Number of conductors\r\n") + range);
        QVERIFY(box()->isVisible());
        QCOMPARE(QApplication::focusWidget(), button("NoOfWCmd"));
    }
    click("NoOfWCmd");
    QCOMPARE(window_->NoOfWFactor, 1.0f);
    QCOMPARE(button("NoOfWCmd")->text(), QStringLiteral("Number of conductors\r\n1-3"));
    QVERIFY(!box()->isVisible());
    QCOMPARE(QApplication::focusWidget(), sizes());
}

void TestSelectors::boxTextThroughClicks() {
    click("TempCmnd", 2); // 90 °C: 14 AWG is "   25 A (15A)"
    tick();
    click("AmbCmnd", 2);
    QCOMPARE(box()->text(), QStringLiteral("=22.75 A  (I \u00D7 0.91)"));
    QVERIFY(box()->isVisible());
    click("NoOfWCmd");
    QCOMPARE(box()->text(), QStringLiteral("=18.2 A  (I \u00D7 0.91 \u00D7 0.8)"));
    click("NoOfWCmd");
    QCOMPARE(box()->text(), QStringLiteral("=15.92 A  (I \u00D7 0.91 \u00D7 0.7)"));
    click("NoOfWCmd", 5); // back to 1-3
    click("AmbCmnd", 14); // back to 26-30 °C
    QCOMPARE(box()->text(), QStringLiteral("=25 A  (I \u00D7 1)"));
    QVERIFY(!box()->isVisible());
    click("NoOfWCmd");
    QCOMPARE(box()->text(), QStringLiteral("=20 A  (I \u00D7 1 \u00D7 0.8)"));
}

// The installation click refills the list and computes at once from its empty text.
void TestSelectors::installationShowsZeroUntilTheNextTick() {
    click("AmbCmnd"); // 0.91
    click("CondCmnd");
    QCOMPARE(amps()->currentIndex(), -1);
    QCOMPARE(box()->text(), QStringLiteral("=0 A  (I \u00D7 0.91)"));
    tick();
    QCOMPARE(box()->text(), QStringLiteral("=22.75 A  (I \u00D7 0.91)")); // 25 A, free air 60 °C
}

void TestSelectors::focusAndDrivingListAfterEachClick() {
    struct Step {
        const char* button;
        const char* focus;
    };
    const Step steps[] = {{"MaterCmnd", "ComWS"}, {"CondCmnd", "ComWS"}, {"TempCmnd", "TempCmnd"},
                          {"AmbCmnd", "AmbCmnd"}, {"CondCmnd", "ComWS"}, {"NoOfWCmd", "NoOfWCmd"}};
    for (const Step& step : steps) {
        amps()->setFocus(); // the ampacity list drives before each click
        QVERIFY(timer2());
        click(step.button);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(step.focus));
        QVERIFY(timer1() != timer2());
        const bool tableChanged =
            QByteArray(step.button) != "AmbCmnd" && QByteArray(step.button) != "NoOfWCmd";
        if (tableChanged)
            QVERIFY2(timer1(), step.button); // the size list drives after a table change
        else
            QVERIFY2(timer2(), step.button); // a factor click leaves the pairing alone
    }
}

void TestSelectors::insulationClickHandsTheDrivingBackToSizes() {
    sizes()->setCurrentIndex(12);
    tick();
    amps()->setFocus();
    QVERIFY(timer2());
    click("TempCmnd");
    QVERIFY(timer1() && !timer2());
    QCOMPARE(QApplication::focusWidget(), button("TempCmnd"));
    tick(); // the refilled ampacity list follows the size list
    QCOMPARE(amps()->currentIndex(), 12);
    QCOMPARE(amps()->currentText(), QStringLiteral("  230 A")); // 4/0 AWG, 75 °C
}

void TestSelectors::selectorsKeepTheOtherChoices() {
    click("AmbCmnd", 3);
    click("NoOfWCmd", 2);
    const float amb = window_->AmbFactor;
    const QString ambCaption = button("AmbCmnd")->text();
    click("MaterCmnd");
    QCOMPARE(window_->AmbFactor, amb);
    QCOMPARE(window_->NoOfWFactor, 0.7f);
    click("TempCmnd"); // resets ambient, keeps the count
    QCOMPARE(window_->NoOfWFactor, 0.7f);
    QCOMPARE(button("NoOfWCmd")->text(), QStringLiteral("Number of conductors\r\n7-9"));
    QVERIFY(box()->isVisible());
    click("AmbCmnd");
    click("CondCmnd"); // keeps the ambient range
    QCOMPARE(window_->AmbFactor, 0.94f);
    QCOMPARE(button("AmbCmnd")->text(),
             QStringLiteral("Ambient\r\n31-35\u00B0C\u00A0(87-95\u00B0F)"));
    QVERIFY(ambCaption != button("AmbCmnd")->text());
}

QTEST_MAIN(TestSelectors)
#include "tst_selectors.moc"
