// The ampacity tables as the user sees them: every size and every row of the twelve
// lists, checked against a transcription of the NEC tables kept here, one line a size.

#include "rules/tables.h"
#include "text.h"

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
constexpr const char* kCopperLimits[] = {" (15A)", " (20A)", " (30A)"};
constexpr const char* kAluminumLimits[] = {"", " (15A)", " (25A)"};

} // namespace

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void sizes();
    void lists_data();
    void lists();
    void unknownKeysHaveNoList();
};

void TestTables::sizes() {
    for (int row = 0; row < kCopperRows; ++row)
        QCOMPARE(q(sizeRows()[row]), QString::fromLatin1(kNec[row].size));
}

void TestTables::lists_data() {
    QTest::addColumn<int>("installation");
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("insulation");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("departures"); // rows shown otherwise than the rule
    const QString n16 = QStringLiteral("Table 310.15(B)(16) / Table 310.16");
    const QString n17 = QStringLiteral("Table 310.15(B)(17) / Table 310.17");
    const auto row = [](const char* name, Installation i, Material m, Insulation t, QString n,
                        QStringList departures = {}) {
        QTest::newRow(name) << int(i) << int(m) << int(t) << n << departures;
    };
    using I = Installation;
    using M = Material;
    using T = Insulation;
    row("310.16 Cu 60", I::Raceway, M::Copper, T::Rated60, n16, {"   15A", "   20A"});
    row("310.16 Cu 75", I::Raceway, M::Copper, T::Rated75, n16);
    row("310.16 Cu 90", I::Raceway, M::Copper, T::Rated90, n16);
    row("310.16 Al 60", I::Raceway, M::Aluminum, T::Rated60, n16);
    row("310.16 Al 75", I::Raceway, M::Aluminum, T::Rated75, n16);
    row("310.16 Al 90", I::Raceway, M::Aluminum, T::Rated90, n16);
    row("310.17 Cu 60", I::FreeAir, M::Copper, T::Rated60, n17);
    row("310.17 Cu 75", I::FreeAir, M::Copper, T::Rated75, n17,
        {"  30 A (15A)", "  35 A (20A)", "  50 A (30A)", "  70 A", "  95 A"});
    row("310.17 Cu 90", I::FreeAir, M::Copper, T::Rated90, n17);
    row("310.17 Al 60: no slash", I::FreeAir, M::Aluminum, T::Rated60,
        QStringLiteral("Table 310.15(B)(17)  Table 310.17"));
    row("310.17 Al 75", I::FreeAir, M::Aluminum, T::Rated75, n17);
    row("310.17 Al 90", I::FreeAir, M::Aluminum, T::Rated90, n17);
}

// Every row is the NEC value right-aligned in five characters, " A", and on the small
// conductors the protection limit (not in the 60 °C lists of Table 310.16, whose values
// equal their limits), except the departures, which stand first in their lists.
void TestTables::lists() {
    QFETCH(int, installation);
    QFETCH(int, material);
    QFETCH(int, insulation);
    QFETCH(QString, number);
    QFETCH(QStringList, departures);
    const auto list =
        ampacityList(Installation(installation), Material(material), Insulation(insulation));
    QVERIFY(list);
    QCOMPARE(q(list->tableNumber), number);
    QCOMPARE(q(list->title),
             installation == 0
                 ? QStringLiteral("Ampacities of Insulated Conductors Rated Up to and "
                                  "Including 2000 Volts, Not More Than Three "
                                  "Current-Carrying Conductors in Raceway, Cable, or "
                                  "Earth (Directly Buried), Based on Ambient "
                                  "Temperature of 30\u00B0C (86\u00B0F)")
                 : QStringLiteral("Ampacities of Single-Insulated Conductors Rated Up "
                                  "to and Including 2000 Volts in Free Air, Based on "
                                  "Ambient Temperature of 30\u00B0C (86\u00B0F)"));
    const int first = material == 0 ? 0 : 1; // aluminum lists start at 12 AWG
    QCOMPARE(int(list->rows.size()), 25 - first);
    const int column = material * 3 + (insulation == 2 ? 0 : insulation == 0 ? 1 : 2);
    const bool limits = !(installation == 0 && insulation == 2);
    for (int row = 0; row < int(list->rows.size()); ++row) {
        const NecRow& nec = kNec[row + first];
        const int amps = (installation == 0 ? nec.t16 : nec.t17)[column];
        QString expected = QStringLiteral("%1 A").arg(amps, 5);
        if (limits && row + first < 3)
            expected +=
                QLatin1String((material == 0 ? kCopperLimits : kAluminumLimits)[row + first]);
        if (row < departures.size())
            expected = departures[row];
        QVERIFY2(q(list->rows[row]) == expected,
                 qPrintable(QStringLiteral("row %1 (%2) is \"%3\", the table says \"%4\"")
                                .arg(row)
                                .arg(QString::fromLatin1(nec.size).trimmed(), q(list->rows[row]),
                                     expected)));
    }
}

void TestTables::unknownKeysHaveNoList() {
    QVERIFY(!ampacityList(Installation::Raceway, Material{2}, Insulation::Rated60));
    QVERIFY(!ampacityList(Installation{-1}, Material::Copper, Insulation::Rated60));
    QVERIFY(!ampacityList(Installation::Raceway, Material::Copper, Insulation{3}));
}

QTEST_APPLESS_MAIN(TestTables)
#include "tst_tables.moc"
