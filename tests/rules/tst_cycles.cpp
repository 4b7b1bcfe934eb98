// The ambient temperature and conductor-count cycles, clicked round as the buttons are:
// every factor and every range text, in order.

#include "rules/cycles.h"
#include "text.h"

#include <QTest>

using namespace rules;

namespace {

// The ranges of the 90 °C cycle, warm ones first; the other ratings stop their warm run
// earlier. Between "°C" and "(" stands a no-break space.
const QStringList kRanges90 = {
    "31-35°C\u00A0(87-95°F)",   "36-40°C\u00A0(96-104°F)",  "41-45°C\u00A0(105-113°F)",
    "46-50°C\u00A0(114-122°F)", "51-55°C\u00A0(123-131°F)", "56-60°C\u00A0(132-140°F)",
    "61-65°C\u00A0(141-149°F)", "66-70°C\u00A0(150-158°F)", "71-75°C\u00A0(159-167°F)",
    "76-80°C\u00A0(168-176°F)", "81-85°C\u00A0(177-185°F)", "10°C\u00A0(50°F) or less",
    "11-15°C\u00A0(51-59°F)",   "16-20°C\u00A0(60-68°F)",   "21-25°C\u00A0(69-77°F)",
    "26-30°C\u00A0(78-86°F)"};

QStringList ranges(int warm) {
    return kRanges90.first(warm) + kRanges90.mid(11);
}

} // namespace

class TestCycles : public QObject {
    Q_OBJECT
private slots:
    void ambient_data();
    void ambient();
    void ambientFactorForeignToTheRatingGoesBackTo26To30();
    void conductorCount();
};

void TestCycles::ambient_data() {
    QTest::addColumn<int>("insulation");
    QTest::addColumn<QList<float>>("factors");
    QTest::addColumn<QStringList>("ranges");
    QStringList ranges60 = ranges(5);
    ranges60[0] = QStringLiteral("31-35°C (87-95°F)"); // an ordinary space, in this cycle only
    QTest::newRow("60 C: ten states")
        << int(Insulation::Rated60)
        << QList<float>{0.91f, 0.82f, 0.71f, 0.58f, 0.41f, 1.29f, 1.22f, 1.15f, 1.08f, 1}
        << ranges60;
    QTest::newRow("75 C: thirteen states")
        << int(Insulation::Rated75) << QList<float>{0.94f, 0.88f, 0.82f, 0.75f, 0.67f, 0.58f, 0.47f,
                                                    0.33f, 1.2f,  1.15f, 1.11f, 1.05f, 1}
        << ranges(8);
    const QList<float> factors90{0.96f, 0.91f, 0.87f, 0.82f, 0.76f, 0.71f, 0.65f, 0.58f,
                                 0.5f,  0.41f, 0.29f, 1.15f, 1.12f, 1.08f, 1.04f, 1};
    QTest::newRow("90 C: sixteen states") << int(Insulation::Rated90) << factors90 << ranges(11);
    QTest::newRow("any other rating: the 90 C cycle") << 7 << factors90 << ranges(11);
}

void TestCycles::ambient() {
    QFETCH(int, insulation);
    QFETCH(QList<float>, factors);
    QFETCH(QStringList, ranges);
    QCOMPARE(int(ambientCycle(Insulation(insulation)).size()), factors.size());
    float factor = 1;
    for (int click = 0; click < factors.size(); ++click) {
        const CycleStep step = nextAmbient(Insulation(insulation), factor);
        QCOMPARE(step.factor, factors[click]);
        QCOMPARE(q(step.caption), QStringLiteral("Ambient\r\n") + ranges[click]);
        factor = step.factor;
    }
}

void TestCycles::ambientFactorForeignToTheRatingGoesBackTo26To30() {
    // 0.96 belongs to the 90 °C cycle only; 0.9100001 is not 0.91f.
    for (const float foreign : {0.96f, 0.9100001f, 0.0f}) {
        const CycleStep step = nextAmbient(Insulation::Rated60, foreign);
        QCOMPARE(step.factor, 1.0f);
        QCOMPARE(q(step.caption), QStringLiteral("Ambient\r\n26-30°C\u00A0(78-86°F)"));
    }
}

void TestCycles::conductorCount() {
    const QStringList ranges = {"4-6", "7-9", "10-20", "21-30", "31-40", "41 and above", "1-3"};
    const float factors[] = {0.8f, 0.7f, 0.5f, 0.45f, 0.4f, 0.35f, 1};
    float factor = 1;
    for (int click = 0; click < 7; ++click) {
        const auto step = nextConductorCount(factor);
        QVERIFY(step);
        QCOMPARE(step->factor, factors[click]);
        QCOMPARE(q(step->caption), QStringLiteral("Number of conductors\r\n") + ranges[click]);
        factor = step->factor;
    }
    QVERIFY(!nextConductorCount(0.9f)); // not one of the cycle's: left as it is
}

QTEST_APPLESS_MAIN(TestCycles)
#include "tst_cycles.moc"
