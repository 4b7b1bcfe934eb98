// The rules library as its callers see it: every size and every row of the twelve
// ampacity lists against a transcription of the NEC tables kept here, one line a size;
// every factor and range of the two correction cycles and where each selector click
// leads; and the corrected ampacity with
// its read-back of the row, single-precision arithmetic, half-to-even rounding and text.

#include "rules/corrected_ampacity.h"
#include "rules/selection.h"
#include "text.h"

#include <QRegularExpression>
#include <QTest>
#include <array>

using namespace rules;

namespace {

// Tables 310.16 and 310.17 as printed: the size as the size list shows it, then
// Cu 60, 75, 90 °C and Al 60, 75, 90 °C (0 where aluminum has no 14 AWG).
struct NecRow {
    const char* size;
    std::array<int, 6> t16, t17;
};
// clang-format off
constexpr NecRow kNec[] = {
    {"     14 AWG", {15, 20, 25, 0, 0, 0}, {25, 30, 35, 0, 0, 0}},
    {"     12 AWG", {20, 25, 30, 15, 20, 25}, {30, 35, 40, 25, 30, 35}},
    {"     10 AWG", {30, 35, 40, 25, 30, 35}, {40, 50, 55, 35, 40, 45}},
    {"       8 AWG", {40, 50, 55, 35, 40, 45}, {60, 70, 80, 45, 55, 60}},
    {"       6 AWG", {55, 65, 75, 40, 50, 55}, {80, 95, 105, 60, 75, 85}},
    {"       4 AWG", {70, 85, 95, 55, 65, 75}, {105, 125, 140, 80, 100, 115}},
    {"       3 AWG", {85, 100, 115, 65, 75, 85}, {120, 145, 165, 95, 115, 130}},
    {"       2 AWG", {95, 115, 130, 75, 90, 100}, {140, 170, 190, 110, 135, 150}},
    {"       1 AWG", {110, 130, 145, 85, 100, 115}, {165, 195, 220, 130, 155, 175}},
    {"   1/0 AWG", {125, 150, 170, 100, 120, 135}, {195, 230, 260, 150, 180, 205}},
    {"   2/0 AWG", {145, 175, 195, 115, 135, 150}, {225, 265, 300, 175, 210, 235}},
    {"   3/0 AWG", {165, 200, 225, 130, 155, 175}, {260, 310, 350, 200, 240, 270}},
    {"   4/0 AWG", {195, 230, 260, 150, 180, 205}, {300, 360, 405, 235, 280, 315}},
    {"   250 MCM", {215, 255, 290, 170, 205, 230}, {340, 405, 455, 265, 315, 355}},
    {"   300 MCM", {240, 285, 320, 195, 230, 260}, {375, 445, 500, 290, 350, 395}},
    {"   350 MCM", {260, 310, 350, 210, 250, 280}, {420, 505, 570, 330, 395, 445}},
    {"   400 MCM", {280, 335, 380, 225, 270, 305}, {455, 545, 615, 355, 425, 480}},
    {"   500 MCM", {320, 380, 430, 260, 310, 350}, {515, 620, 700, 405, 485, 545}},
    {"   600 MCM", {350, 420, 475, 285, 340, 385}, {575, 690, 780, 455, 545, 615}},
    {"   750 MCM", {400, 475, 535, 320, 385, 435}, {655, 785, 885, 515, 620, 700}},
    {" 1000 MCM", {455, 545, 615, 375, 445, 500}, {780, 935, 1055, 625, 750, 845}},
    {" 1250 MCM", {495, 590, 665, 405, 485, 545}, {890, 1065, 1200, 710, 855, 965}},
    {" 1500 MCM", {525, 625, 705, 435, 520, 585}, {980, 1175, 1325, 795, 950, 1070}},
    {" 1750 MCM", {545, 650, 735, 455, 545, 615}, {1070, 1280, 1445, 875, 1050, 1185}},
    {" 2000 MCM", {555, 665, 750, 470, 560, 630}, {1155, 1385, 1560, 960, 1150, 1295}},
};
// clang-format on

// NEC 240.4(D): the protection limit shown after a small conductor's ampacity, by the
// row of the copper size list (14, 12 and 10 AWG).
constexpr const char* kLimits[2][3] = {{" (15A)", " (20A)", " (30A)"}, {"", " (15A)", " (25A)"}};

// Rows shown otherwise than the rule, first in their lists.
const QMap<QString, QStringList> kDepartures = {
    {"310.16 Cu 60", {"   15A", "   20A"}},
    {"310.17 Cu 75", {"  30 A (15A)", "  35 A (20A)", "  50 A (30A)", "  70 A", "  95 A"}}};

// The ranges of the 90 °C cycle, warm ones first; the other ratings stop their warm run
// earlier. Between "°C" and "(" stands a no-break space.
const QStringList kRanges90 = {
    "31-35°C\u00A0(87-95°F)",   "36-40°C\u00A0(96-104°F)",  "41-45°C\u00A0(105-113°F)",
    "46-50°C\u00A0(114-122°F)", "51-55°C\u00A0(123-131°F)", "56-60°C\u00A0(132-140°F)",
    "61-65°C\u00A0(141-149°F)", "66-70°C\u00A0(150-158°F)", "71-75°C\u00A0(159-167°F)",
    "76-80°C\u00A0(168-176°F)", "81-85°C\u00A0(177-185°F)", "10°C\u00A0(50°F) or less",
    "11-15°C\u00A0(51-59°F)",   "16-20°C\u00A0(60-68°F)",   "21-25°C\u00A0(69-77°F)",
    "26-30°C\u00A0(78-86°F)"};

QStringList ambientCaptions(int warm) {
    return (kRanges90.first(warm) + kRanges90.mid(11))
        .replaceInStrings(QRegularExpression("^"), "Ambient\r\n");
}

// The selection after clicks on the buttons, one letter a click: Material, Installation,
// insulation Rating, Ambient, conductor Count.
Selection after(const QString& clicks) {
    Selection selection;
    for (const QChar click : clicks)
        selection = click == 'M'   ? nextMaterial(selection)
                    : click == 'I' ? nextInstallation(selection)
                    : click == 'R' ? nextInsulation(selection)
                    : click == 'A' ? nextAmbient(selection)
                                   : nextConductorCount(selection);
    return selection;
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:

    void lists_data() {
        QTest::addColumn<int>("installation");
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("insulation");
        for (const int i : {0, 1})
            for (const int m : {0, 1})
                for (const int t : {0, 1, 2}) // 60, 75, 90 °C
                    QTest::addRow("310.%d %s %d", 16 + i, m ? "Al" : "Cu", 60 + 15 * t)
                        << i << m << t;
    }

    // Every row is the NEC value right-aligned in five characters, " A", and on the small
    // conductors the protection limit (not in the 60 °C lists of Table 310.16, whose
    // values equal their limits), except the departures.
    void lists() {
        QFETCH(int, installation);
        QFETCH(int, material);
        QFETCH(int, insulation);
        const AmpacityList list =
            ampacityList(Installation(installation), Material(material), Insulation(insulation));
        QCOMPARE(q(list.tableNumber), installation == 0 ? "Table 310.15(B)(16) / Table 310.16"
                                      : material == 1 && insulation == int(Insulation::Rated60)
                                          ? "Table 310.15(B)(17)  Table 310.17" // no slash
                                          : "Table 310.15(B)(17) / Table 310.17");
        QCOMPARE(q(list.title).contains("Free Air"), installation == 1); // the titles differ
        QCOMPARE(int(list.rows.size()), 25 - material); // aluminum starts at 12 AWG
        const QStringList departures = kDepartures.value(QTest::currentDataTag());
        const int column = material * 3 + insulation;
        for (int row = 0; row < int(list.rows.size()); ++row) {
            const NecRow& nec = kNec[row + material];
            QCOMPARE(q(sizeRows()[row + material]), QString::fromLatin1(nec.size));
            QString expected =
                QStringLiteral("%1 A").arg((installation ? nec.t17 : nec.t16)[column], 5);
            if (row + material < 3 &&
                !(installation == 0 && insulation == int(Insulation::Rated60)))
                expected += kLimits[material][row + material];
            QCOMPARE(q(list.rows[row]), departures.value(row, expected));
        }
    }

    void cycles_data() {
        QTest::addColumn<QString>("click"); // the rating's first, from the start
        QTest::addColumn<QList<float>>("factors");
        QTest::addColumn<QStringList>("captions");
        QStringList captions60 = ambientCaptions(5);
        captions60[0] = "Ambient\r\n31-35°C (87-95°F)"; // an ordinary space, in this cycle only
        // clang-format off
        QTest::newRow("60 C: ten ranges") << "A" << QList<float>{0.91f, 0.82f, 0.71f, 0.58f, 0.41f, 1.29f, 1.22f, 1.15f, 1.08f, 1} << captions60;
        QTest::newRow("75 C: thirteen ranges") << "RA" << QList<float>{0.94f, 0.88f, 0.82f, 0.75f, 0.67f, 0.58f, 0.47f, 0.33f, 1.2f, 1.15f, 1.11f, 1.05f, 1} << ambientCaptions(8);
        QTest::newRow("90 C: sixteen ranges") << "RRA" << QList<float>{0.96f, 0.91f, 0.87f, 0.82f, 0.76f, 0.71f, 0.65f, 0.58f, 0.5f, 0.41f, 0.29f, 1.15f, 1.12f, 1.08f, 1.04f, 1} << ambientCaptions(11);
        QTest::newRow("conductor count: seven ranges") << "C" << QList<float>{0.8f, 0.7f, 0.5f, 0.45f, 0.4f, 0.35f, 1}
            << QStringList{"4-6", "7-9", "10-20", "21-30", "31-40", "41 and above", "1-3"}.replaceInStrings(QRegularExpression("^"), "Number of conductors\r\n");
        // clang-format on
    }

    // Clicked round from the start of the cycle, as the buttons are.
    void cycles() {
        QFETCH(QString, click);
        QFETCH(QList<float>, factors);
        QFETCH(QStringList, captions);
        const bool count = click == "C";
        QString clicks = click;
        for (int i = 0; i < factors.size(); ++i, clicks += click.back()) {
            const Selection selection = after(clicks);
            QCOMPARE(count ? conductorCountFactor(selection) : ambientFactor(selection),
                     factors[i]);
            QCOMPARE(q(count ? conductorCountCaption(selection) : ambientCaption(selection)),
                     captions[i]);
        }
    }

    void selection_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QStringList>("captions"); // of the five buttons
        QTest::addColumn<QList<float>>("factors"); // ambient, conductor count
        const QString ambient = "Ambient\r\n", count = "Number of conductors\r\n";
        // clang-format off
        QTest::newRow("the start") << "" << QStringList{"CU", "Raceway or\u00A0Cable", "Insulation 60°C\u00A0(140°F)", ambient + "26-30°C\u00A0(78-86°F)", count + "1-3"} << QList<float>{1, 1};
        QTest::newRow("aluminum at 75 C") << "MR" << QStringList{"AL", "Raceway or\u00A0Cable", "Insulation 75°C\u00A0(167°F)", ambient + "26-30°C\u00A0(78-86°F)", count + "1-3"} << QList<float>{1, 1};
        QTest::newRow("90 C, then copper again") << "RRMM" << QStringList{"CU", "Raceway or\u00A0Cable", "Insulation 90°C\u00A0(194°F)", ambient + "26-30°C\u00A0(78-86°F)", count + "1-3"} << QList<float>{1, 1};
        QTest::newRow("a new rating: the ambient cycle starts again") << "AACR" << QStringList{"CU", "Raceway or\u00A0Cable", "Insulation 75°C\u00A0(167°F)", ambient + "26-30°C\u00A0(78-86°F)", count + "4-6"} << QList<float>{1, 0.8f};
        QTest::newRow("60 C after 90 C") << "RRRA" << QStringList{"CU", "Raceway or\u00A0Cable", "Insulation 60°C\u00A0(140°F)", ambient + "31-35°C (87-95°F)", count + "1-3"} << QList<float>{0.91f, 1};
        QTest::newRow("free air: no count, the ambient kept") << "ACCI" << QStringList{"CU", "Free Air", "Insulation 60°C\u00A0(140°F)", ambient + "31-35°C (87-95°F)", ""} << QList<float>{0.91f, 1};
        QTest::newRow("free air: a count click changes nothing") << "ICC" << QStringList{"CU", "Free Air", "Insulation 60°C\u00A0(140°F)", ambient + "26-30°C\u00A0(78-86°F)", ""} << QList<float>{1, 1};
        QTest::newRow("raceway again: the count from 1-3") << "CCIIC" << QStringList{"CU", "Raceway or\u00A0Cable", "Insulation 60°C\u00A0(140°F)", ambient + "26-30°C\u00A0(78-86°F)", count + "4-6"} << QList<float>{1, 0.8f};
        // clang-format on
    }

    void selection() {
        QFETCH(QString, clicks);
        QFETCH(QStringList, captions);
        QFETCH(QList<float>, factors);
        const Selection s = after(clicks);
        QCOMPARE(
            (QStringList{q(materialCaption(s)), q(installationCaption(s)), q(insulationCaption(s)),
                         q(ambientCaption(s)), q(conductorCountCaption(s))}),
            captions);
        QCOMPARE((QList<float>{ambientFactor(s), conductorCountFactor(s)}), factors);
    }

    void correctedAmpacity_data() {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QList<float>>("factors"); // ambient, conductor count
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const QByteArray& text, QList<float> factors,
                            const char* box, const char* separator = ".") {
            QTest::newRow(name) << text << factors << QString::fromUtf8(separator)
                                << QString::fromUtf8(box);
        };
        // The worked examples, the edges of the rounding and the text, then what the
        // read-back takes of a row's text.
        // clang-format off
        row("15.925 held in single: 15.92", "   25 A (15A)", {0.91f, 0.7f}, "=15.92 A  (I × 0.91 × 0.7)");
        row("ambient 1 is written", "   25 A (15A)", {1, 0.8f}, "=20 A  (I × 1 × 0.8)");
        row("no blank before A", "   15A", {1.29f, 0.35f}, "=6.77 A  (I × 1.29 × 0.35)");
        row("from 100 A one decimal, 16617.5 to even", " 1445 A", {1.15f, 1}, "=1661.8 A  (I × 1.15)");
        row("99.975 keeps two decimals", "  215 A", {0.5f, 0.93f}, "=99.98 A  (I × 0.5 × 0.93)");
        row("half 562.5 down to even", "   25 A", {0.5f, 0.45f}, "=5.62 A  (I × 0.5 × 0.45)");
        row("half 787.5 up to even", "   35 A", {0.5f, 0.45f}, "=7.88 A  (I × 0.5 × 0.45)");
        row("factors multiplied in double: 20.3, not 20.29 as in single", "   55 A", {0.82f, 0.45f}, "=20.3 A  (I × 0.82 × 0.45)");
        row("row fraction, half to even first", "24.5", {1, 1}, "=24 A  (I × 1)");
        row("empty row text reads 0", "", {0.91f, 0.8f}, "=0 A  (I × 0.91 × 0.8)");
        row("decimal comma", "   25 A", {0.91f, 1}, "=22,75 A  (I × 0,91)", ",");
        row("two-byte separator", "   25 A", {0.91f, 1}, "=22٫75 A  (I × 0٫91)", "٫");
        row("a seven-digit row, exact", "1234567 A", {1, 0.5f}, "=617283.5 A  (I × 1 × 0.5)");
        row("beyond single precision", "300000000000000000000000000000000000000", {1.29f, 1}, "out of range");
        row("blanks, tabs, line feeds skipped", " 1 5\t6\n0 A", {1, 1}, "=1560 A  (I × 1)");
        row("a carriage return stops", "1\r2", {1, 1}, "=1 A  (I × 1)");
        row("a second point stops: 2.5, not 2.59", "2.5.9", {1, 1}, "=2 A  (I × 1)");
        row("a minus sign is no number", "-15 A", {1, 1}, "=0 A  (I × 1)");
        row("beyond a double", QByteArray(400, '9'), {1, 1}, "out of range");
        row("below a double: 0", "0." + QByteArray(400, '0') + "1", {1, 1}, "=0 A  (I × 1)");
        // clang-format on
    }

    void correctedAmpacity() {
        QFETCH(QByteArray, row);
        QFETCH(QList<float>, factors);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QCOMPARE(q(correctedAmpacityText({row.constData(), std::size_t(row.size())}, factors[0],
                                         factors[1], separator.toStdString())),
                 text);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
