// The ambient temperature and conductor-count cycles, stepped as the buttons step them.

#include "rules/cycles.h"
#include "rules/tables.h"
#include "text.h"

#include <QTest>

using namespace rules;

class TestCycles : public QObject {
    Q_OBJECT
private slots:
    void ambientRoundTrip_data();
    void ambientRoundTrip();
    void ambientStep_data();
    void ambientStep();
    void ambientForeignFactorGoesBackTo26To30();
    void conductorCountRoundTrip();
    void conductorCountUnknownFactorChangesNothing();
};

void TestCycles::ambientRoundTrip_data() {
    QTest::addColumn<int>("tempSel");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<float>("hottest");
    QTest::addColumn<float>("coldest");
    QTest::newRow("60 C: ten states") << int(kInsulation60) << 10 << 0.41f << 1.29f;
    QTest::newRow("75 C: thirteen states") << int(kInsulation75) << 13 << 0.33f << 1.2f;
    QTest::newRow("90 C: sixteen states") << int(kInsulation90) << 16 << 0.29f << 1.15f;
    QTest::newRow("any other rating uses the 90 C cycle") << 7 << 16 << 0.29f << 1.15f;
}

// From 26-30 °C, the given number of clicks comes back to factor 1 and no sooner, and
// the click after the hottest range goes to the coldest.
void TestCycles::ambientRoundTrip() {
    QFETCH(int, tempSel);
    QFETCH(int, clicks);
    QFETCH(float, hottest);
    QFETCH(float, coldest);
    float factor = 1.0f;
    std::string caption;
    bool sawHottestThenColdest = false;
    for (int click = 1; click <= clicks; ++click) {
        const CycleStep step = nextAmbient(static_cast<std::int16_t>(tempSel), factor);
        if (factor == hottest)
            sawHottestThenColdest =
                step.factor == coldest && q(step.caption).contains(QLatin1String("or less"));
        factor = step.factor;
        caption = step.caption;
        if (click < clicks)
            QVERIFY2(factor != 1.0f,
                     qPrintable(QStringLiteral("back at 1 after %1 clicks").arg(click)));
    }
    QCOMPARE(factor, 1.0f);
    QCOMPARE(q(caption), QStringLiteral("Ambient\r\n26-30\u00B0C\u00A0(78-86\u00B0F)"));
    QVERIFY(sawHottestThenColdest);
}

void TestCycles::ambientStep_data() {
    QTest::addColumn<int>("tempSel");
    QTest::addColumn<float>("from");
    QTest::addColumn<float>("to");
    QTest::addColumn<QString>("caption");
    const int t60 = kInsulation60, t75 = kInsulation75, t90 = kInsulation90;
    QTest::newRow("60: 31-35 with an ordinary space")
        << t60 << 1.0f << 0.91f << "Ambient\r\n31-35\u00B0C (87-95\u00B0F)";
    QTest::newRow("60: 36-40") << t60 << 0.91f << 0.82f
                               << "Ambient\r\n36-40\u00B0C\u00A0(96-104\u00B0F)";
    QTest::newRow("60: 51-55 then the coldest")
        << t60 << 0.41f << 1.29f << "Ambient\r\n10\u00B0C\u00A0(50\u00B0F) or less";
    QTest::newRow("60: 21-25") << t60 << 1.15f << 1.08f
                               << "Ambient\r\n21-25\u00B0C\u00A0(69-77\u00B0F)";
    QTest::newRow("75: 31-35 with a no-break space")
        << t75 << 1.0f << 0.94f << "Ambient\r\n31-35\u00B0C\u00A0(87-95\u00B0F)";
    QTest::newRow("75: 66-70") << t75 << 0.47f << 0.33f
                               << "Ambient\r\n66-70\u00B0C\u00A0(150-158\u00B0F)";
    QTest::newRow("75: coldest 1.2")
        << t75 << 0.33f << 1.2f << "Ambient\r\n10\u00B0C\u00A0(50\u00B0F) or less";
    QTest::newRow("75: 0.58 means 61-65 here")
        << t75 << 0.58f << 0.47f << "Ambient\r\n61-65\u00B0C\u00A0(141-149\u00B0F)";
    QTest::newRow("90: 31-35") << t90 << 1.0f << 0.96f
                               << "Ambient\r\n31-35\u00B0C\u00A0(87-95\u00B0F)";
    QTest::newRow("90: 36-40") << t90 << 0.96f << 0.91f
                               << "Ambient\r\n36-40\u00B0C\u00A0(96-104\u00B0F)";
    QTest::newRow("90: 0.58 means 71-75 here")
        << t90 << 0.58f << 0.5f << "Ambient\r\n71-75\u00B0C\u00A0(159-167\u00B0F)";
    QTest::newRow("90: 81-85") << t90 << 0.41f << 0.29f
                               << "Ambient\r\n81-85\u00B0C\u00A0(177-185\u00B0F)";
    QTest::newRow("90: 1.15 is the coldest range's factor")
        << t90 << 1.15f << 1.12f << "Ambient\r\n11-15\u00B0C\u00A0(51-59\u00B0F)";
    QTest::newRow("90: 21-25 back to 26-30")
        << t90 << 1.04f << 1.0f << "Ambient\r\n26-30\u00B0C\u00A0(78-86\u00B0F)";
}

void TestCycles::ambientStep() {
    QFETCH(int, tempSel);
    QFETCH(float, from);
    QFETCH(float, to);
    QFETCH(QString, caption);
    const CycleStep step = nextAmbient(static_cast<std::int16_t>(tempSel), from);
    QCOMPARE(step.factor, to);
    QCOMPARE(q(step.caption), caption);
}

void TestCycles::ambientForeignFactorGoesBackTo26To30() {
    // 0.96 belongs to the 90 °C cycle only; 0.9100001 is not 0.91f.
    for (const float foreign : {0.96f, 0.9100001f, 0.0f, 2.0f}) {
        const CycleStep step = nextAmbient(kInsulation60, foreign);
        QCOMPARE(step.factor, 1.0f);
        QCOMPARE(q(step.caption), QStringLiteral("Ambient\r\n26-30\u00B0C\u00A0(78-86\u00B0F)"));
    }
}

void TestCycles::conductorCountRoundTrip() {
    const QStringList ranges = {QStringLiteral("4-6"),   QStringLiteral("7-9"),
                                QStringLiteral("10-20"), QStringLiteral("21-30"),
                                QStringLiteral("31-40"), QStringLiteral("41 and above"),
                                QStringLiteral("1-3")};
    const float factors[] = {0.8f, 0.7f, 0.5f, 0.45f, 0.4f, 0.35f, 1.0f};
    float factor = 1.0f;
    for (int click = 0; click < 7; ++click) {
        const auto step = nextConductorCount(factor);
        QVERIFY(step);
        QCOMPARE(step->factor, factors[click]);
        QCOMPARE(q(step->caption), QStringLiteral("Number of conductors\r\n") + ranges[click]);
        factor = step->factor;
    }
    QCOMPARE(factor, 1.0f);
}

void TestCycles::conductorCountUnknownFactorChangesNothing() {
    QVERIFY(!nextConductorCount(0.91f));
    QVERIFY(!nextConductorCount(0.8000001f));
}

QTEST_APPLESS_MAIN(TestCycles)
#include "tst_cycles.moc"
