// The ampacity tables as the user sees them: every row's text and the number read back
// from it, checked against a transcription of the NEC tables kept here row by row.

#include "rules/readback.h"
#include "rules/tables.h"
#include "text.h"

#include <QTest>
#include <array>

using namespace rules;

namespace {

// Table 310.16 and 310.17 by size, as printed: Cu 60, 75, 90 °C, then Al 60, 75, 90 °C
// (0 where aluminum has no 14 AWG).
struct NecRow {
    const char* size;
    std::array<int, 6> t16;
    std::array<int, 6> t17;
};
// clang-format off
constexpr NecRow kNec[] = {
    {"14 AWG", {15, 20, 25, 0, 0, 0}, {25, 30, 35, 0, 0, 0}},
    {"12 AWG", {20, 25, 30, 15, 20, 25}, {30, 35, 40, 25, 30, 35}},
    {"10 AWG", {30, 35, 40, 25, 30, 35}, {40, 50, 55, 35, 40, 45}},
    {"8 AWG", {40, 50, 55, 35, 40, 45}, {60, 70, 80, 45, 55, 60}},
    {"6 AWG", {55, 65, 75, 40, 50, 55}, {80, 95, 105, 60, 75, 85}},
    {"4 AWG", {70, 85, 95, 55, 65, 75}, {105, 125, 140, 80, 100, 115}},
    {"3 AWG", {85, 100, 115, 65, 75, 85}, {120, 145, 165, 95, 115, 130}},
    {"2 AWG", {95, 115, 130, 75, 90, 100}, {140, 170, 190, 110, 135, 150}},
    {"1 AWG", {110, 130, 145, 85, 100, 115}, {165, 195, 220, 130, 155, 175}},
    {"1/0 AWG", {125, 150, 170, 100, 120, 135}, {195, 230, 260, 150, 180, 205}},
    {"2/0 AWG", {145, 175, 195, 115, 135, 150}, {225, 265, 300, 175, 210, 235}},
    {"3/0 AWG", {165, 200, 225, 130, 155, 175}, {260, 310, 350, 200, 240, 270}},
    {"4/0 AWG", {195, 230, 260, 150, 180, 205}, {300, 360, 405, 235, 280, 315}},
    {"250 MCM", {215, 255, 290, 170, 205, 230}, {340, 405, 455, 265, 315, 355}},
    {"300 MCM", {240, 285, 320, 195, 230, 260}, {375, 445, 500, 290, 350, 395}},
    {"350 MCM", {260, 310, 350, 210, 250, 280}, {420, 505, 570, 330, 395, 445}},
    {"400 MCM", {280, 335, 380, 225, 270, 305}, {455, 545, 615, 355, 425, 480}},
    {"500 MCM", {320, 380, 430, 260, 310, 350}, {515, 620, 700, 405, 485, 545}},
    {"600 MCM", {350, 420, 475, 285, 340, 385}, {575, 690, 780, 455, 545, 615}},
    {"750 MCM", {400, 475, 535, 320, 385, 435}, {655, 785, 885, 515, 620, 700}},
    {"1000 MCM", {455, 545, 615, 375, 445, 500}, {780, 935, 1055, 625, 750, 845}},
    {"1250 MCM", {495, 590, 665, 405, 485, 545}, {890, 1065, 1200, 710, 855, 965}},
    {"1500 MCM", {525, 625, 705, 435, 520, 585}, {980, 1175, 1325, 795, 950, 1070}},
    {"1750 MCM", {545, 650, 735, 455, 545, 615}, {1070, 1280, 1445, 875, 1050, 1185}},
    {"2000 MCM", {555, 665, 750, 470, 560, 630}, {1155, 1385, 1560, 960, 1150, 1295}},
};
// clang-format on

// The printed column of a selection: 60, 75, 90 °C.
int necColumn(std::int16_t tempSel) {
    return tempSel == kInsulation60 ? 0 : tempSel == kInsulation75 ? 1 : 2;
}

int necValue(std::int16_t cond, std::int16_t mater, std::int16_t temp, int copperRow) {
    const NecRow& row = kNec[copperRow];
    return (cond == kRaceway ? row.t16 : row.t17)[mater * 3 + necColumn(temp)];
}

AmpacityList list(std::int16_t mater, std::int16_t cond, std::int16_t temp) {
    const auto found = ampacityList(mater, cond, temp);
    if (!found)
        qFatal("no list for material %d, condition %d, rating %d", mater, cond, temp);
    return *found;
}

constexpr std::int16_t kRatings[] = {kInsulation60, kInsulation75, kInsulation90};

} // namespace

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void sizeRows_data();
    void sizeRows();
    void sizeRowsHaveNoTrailingBlankAndRise();
    void everyRowReadsBackToTheTableValue();
    void rowText_data();
    void rowText();
    void displayRuleHoldsOutsideTheSevenDepartures();
    void captions_data();
    void captions();
    void columnsRiseAndRatingsOrder();
    void unknownSelectionHasNoList();
};

void TestTables::sizeRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("14 AWG, two digits: 5 blanks") << 0 << "     14 AWG";
    QTest::newRow("12 AWG") << 1 << "     12 AWG";
    QTest::newRow("8 AWG, one digit: 7 blanks") << 3 << "       8 AWG";
    QTest::newRow("1 AWG") << 8 << "       1 AWG";
    QTest::newRow("1/0 AWG: 3 blanks") << 9 << "   1/0 AWG";
    QTest::newRow("4/0 AWG") << 12 << "   4/0 AWG";
    QTest::newRow("250 MCM: 3 blanks") << 13 << "   250 MCM";
    QTest::newRow("750 MCM") << 19 << "   750 MCM";
    QTest::newRow("1000 MCM: 1 blank") << 20 << " 1000 MCM";
    QTest::newRow("2000 MCM, last") << 24 << " 2000 MCM";
}

void TestTables::sizeRows() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(q(rules::sizeRows()[row]), text);
}

void TestTables::sizeRowsHaveNoTrailingBlankAndRise() {
    QCOMPARE(rules::sizeRows().size(), std::size_t(25));
    for (std::size_t i = 0; i < rules::sizeRows().size(); ++i) {
        const QString text = q(rules::sizeRows()[i]);
        QCOMPARE(text.trimmed(), QString::fromLatin1(kNec[i].size));
        QVERIFY2(text.endsWith(QLatin1String(" AWG")) || text.endsWith(QLatin1String(" MCM")),
                 qPrintable(text));
    }
}

void TestTables::everyRowReadsBackToTheTableValue() {
    int checked = 0;
    for (const std::int16_t cond : {kRaceway, kFreeAir})
        for (const std::int16_t mater : {kCopper, kAluminum})
            for (const std::int16_t temp : kRatings) {
                const AmpacityList shown = list(mater, cond, temp);
                const int first = mater == kCopper ? 0 : 1; // aluminum has no 14 AWG
                QCOMPARE(shown.rows.size(), std::size_t(25 - first));
                for (std::size_t i = 0; i < shown.rows.size(); ++i) {
                    const int expected = necValue(cond, mater, temp, static_cast<int>(i) + first);
                    const double read = leadingNumber(shown.rows[i]);
                    if (read != expected)
                        QFAIL(qPrintable(QStringLiteral("Table 310.%1 %2 rating %3 row %4 \"%5\": "
                                                        "reads %6, table says %7")
                                             .arg(cond == kRaceway ? 16 : 17)
                                             .arg(mater == kCopper ? "Cu" : "Al")
                                             .arg(temp)
                                             .arg(i)
                                             .arg(q(shown.rows[i]))
                                             .arg(read)
                                             .arg(expected)));
                    ++checked;
                }
            }
    QCOMPARE(checked, 294);
}

void TestTables::rowText_data() {
    QTest::addColumn<int>("mater");
    QTest::addColumn<int>("cond");
    QTest::addColumn<int>("temp");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    const int cu = kCopper, al = kAluminum, race = kRaceway, air = kFreeAir;
    const int t60 = kInsulation60, t75 = kInsulation75, t90 = kInsulation90;
    QTest::newRow("310.16 Cu 60: 14 AWG departs, no blank") << cu << race << t60 << 0 << "   15A";
    QTest::newRow("310.16 Cu 60: 12 AWG departs") << cu << race << t60 << 1 << "   20A";
    QTest::newRow("310.16 Cu 60: 10 AWG follows the rule") << cu << race << t60 << 2 << "   30 A";
    QTest::newRow("310.16 Cu 75: 14 AWG with limit") << cu << race << t75 << 0 << "   20 A (15A)";
    QTest::newRow("310.16 Cu 75: 2000 MCM") << cu << race << t75 << 24 << "  665 A";
    QTest::newRow("310.16 Cu 90: 14 AWG") << cu << race << t90 << 0 << "   25 A (15A)";
    QTest::newRow("310.16 Cu 90: 10 AWG limit 30A") << cu << race << t90 << 2 << "   40 A (30A)";
    QTest::newRow("310.16 Cu 90: 8 AWG, no limit") << cu << race << t90 << 3 << "   55 A";
    QTest::newRow("310.16 Al 60: 12 AWG, no bracket") << al << race << t60 << 0 << "   15 A";
    QTest::newRow("310.16 Al 60: 10 AWG, no bracket") << al << race << t60 << 1 << "   25 A";
    QTest::newRow("310.16 Al 75: 12 AWG first") << al << race << t75 << 0 << "   20 A (15A)";
    QTest::newRow("310.16 Al 75: 10 AWG limit 25A") << al << race << t75 << 1 << "   30 A (25A)";
    QTest::newRow("310.16 Al 75: 8 AWG, no limit") << al << race << t75 << 2 << "   40 A";
    QTest::newRow("310.16 Al 75: 2000 MCM at 23") << al << race << t75 << 23 << "  560 A";
    QTest::newRow("310.17 Cu 75: 14 AWG departs") << cu << air << t75 << 0 << "  30 A (15A)";
    QTest::newRow("310.17 Cu 75: 12 AWG departs") << cu << air << t75 << 1 << "  35 A (20A)";
    QTest::newRow("310.17 Cu 75: 10 AWG departs") << cu << air << t75 << 2 << "  50 A (30A)";
    QTest::newRow("310.17 Cu 75: 8 AWG departs") << cu << air << t75 << 3 << "  70 A";
    QTest::newRow("310.17 Cu 75: 6 AWG departs") << cu << air << t75 << 4 << "  95 A";
    QTest::newRow("310.17 Cu 75: 4 AWG follows") << cu << air << t75 << 5 << "  125 A";
    QTest::newRow("310.17 Cu 60: 14 AWG with limit") << cu << air << t60 << 0 << "   25 A (15A)";
    QTest::newRow("310.17 Cu 90: 1000 MCM, four digits") << cu << air << t90 << 20 << " 1055 A";
    QTest::newRow("310.17 Cu 90: largest value") << cu << air << t90 << 24 << " 1560 A";
    QTest::newRow("310.17 Cu 75: 2000 MCM") << cu << air << t75 << 24 << " 1385 A";
    QTest::newRow("310.17 Al 90: 2000 MCM") << al << air << t90 << 23 << " 1295 A";
    QTest::newRow("310.17 Al 60: 12 AWG") << al << air << t60 << 0 << "   25 A (15A)";
}

void TestTables::rowText() {
    QFETCH(int, mater);
    QFETCH(int, cond);
    QFETCH(int, temp);
    QFETCH(int, row);
    QFETCH(QString, text);
    const AmpacityList shown =
        list(static_cast<std::int16_t>(mater), static_cast<std::int16_t>(cond),
             static_cast<std::int16_t>(temp));
    QCOMPARE(q(shown.rows[row]), text);
}

// The rule: value right-aligned in five characters, " A", and on the small conductors
// the 240.4(D) limit, except in the 60 °C lists of Table 310.16.
void TestTables::displayRuleHoldsOutsideTheSevenDepartures() {
    int departures = 0;
    for (const std::int16_t cond : {kRaceway, kFreeAir})
        for (const std::int16_t mater : {kCopper, kAluminum})
            for (const std::int16_t temp : kRatings) {
                const AmpacityList shown = list(mater, cond, temp);
                const std::array<const char*, 3> limits =
                    mater == kCopper ? std::array<const char*, 3>{" (15A)", " (20A)", " (30A)"}
                                     : std::array<const char*, 3>{" (15A)", " (25A)", ""};
                for (std::size_t i = 0; i < shown.rows.size(); ++i) {
                    const QString value =
                        QString::number(static_cast<int>(leadingNumber(shown.rows[i])));
                    QString expected =
                        QString(5 - value.size(), QLatin1Char(' ')) + value + QLatin1String(" A");
                    if (i < 3 && !(cond == kRaceway && temp == kInsulation60))
                        expected += QLatin1String(limits[i]);
                    if (q(shown.rows[i]) != expected)
                        ++departures;
                }
            }
    QCOMPARE(departures, 7); // the rows checked one by one in rowText()
}

void TestTables::captions_data() {
    QTest::addColumn<int>("mater");
    QTest::addColumn<int>("cond");
    QTest::addColumn<int>("temp");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("freeAirTitle");
    const QString n16 = QStringLiteral("Table 310.15(B)(16) / Table 310.16");
    const QString n17 = QStringLiteral("Table 310.15(B)(17) / Table 310.17");
    for (const int mater : {0, 1})
        for (const int temp : {0, 1, 2}) {
            const QByteArray name =
                QByteArray(mater ? "Al" : "Cu") + " rating " + QByteArray::number(temp);
            QTest::newRow(("310.16 " + name).constData()) << mater << 0 << temp << n16 << false;
            const QString n =
                mater == 1 && temp == 2 ? QStringLiteral("Table 310.15(B)(17)  Table 310.17") : n17;
            QTest::newRow(("310.17 " + name).constData()) << mater << 1 << temp << n << true;
        }
}

void TestTables::captions() {
    QFETCH(int, mater);
    QFETCH(int, cond);
    QFETCH(int, temp);
    QFETCH(QString, number);
    QFETCH(bool, freeAirTitle);
    const AmpacityList shown =
        list(static_cast<std::int16_t>(mater), static_cast<std::int16_t>(cond),
             static_cast<std::int16_t>(temp));
    QCOMPARE(q(shown.tableNumber), number);
    const QString title16 = QStringLiteral(
        "Ampacities of Insulated Conductors Rated Up to and Including 2000 Volts, Not More Than "
        "Three Current-Carrying Conductors in Raceway, Cable, or Earth (Directly Buried), Based "
        "on Ambient Temperature of 30\u00B0C (86\u00B0F)");
    const QString title17 = QStringLiteral(
        "Ampacities of Single-Insulated Conductors Rated Up to and Including 2000 Volts in Free "
        "Air, Based on Ambient Temperature of 30\u00B0C (86\u00B0F)");
    QCOMPARE(q(shown.title), freeAirTitle ? title17 : title16);
}

// Properties that a mistyped cell would break, read from what the lists show.
void TestTables::columnsRiseAndRatingsOrder() {
    const auto value = [](std::int16_t mater, std::int16_t cond, std::int16_t temp, int copperRow) {
        const int row = mater == kCopper ? copperRow : copperRow - 1;
        return leadingNumber(list(mater, cond, temp).rows[row]);
    };
    for (const std::int16_t cond : {kRaceway, kFreeAir})
        for (const std::int16_t mater : {kCopper, kAluminum})
            for (int row = mater == kCopper ? 0 : 1; row < 25; ++row) {
                const QByteArray where = "condition " + QByteArray::number(cond) + " material " +
                                         QByteArray::number(mater) + " size row " +
                                         QByteArray::number(row);
                const double v60 = value(mater, cond, kInsulation60, row);
                const double v75 = value(mater, cond, kInsulation75, row);
                const double v90 = value(mater, cond, kInsulation90, row);
                QVERIFY2(v60 < v75 && v75 < v90, where.constData());
                for (const std::int16_t temp : kRatings) {
                    if (row > (mater == kCopper ? 0 : 1))
                        QVERIFY2(value(mater, cond, temp, row - 1) < value(mater, cond, temp, row),
                                 where.constData());
                    if (mater == kAluminum)
                        QVERIFY2(value(kAluminum, cond, temp, row) <
                                     value(kCopper, cond, temp, row),
                                 where.constData());
                    if (cond == kFreeAir)
                        QVERIFY2(value(mater, kRaceway, temp, row) <
                                     value(mater, kFreeAir, temp, row),
                                 where.constData());
                }
            }
}

void TestTables::unknownSelectionHasNoList() {
    QVERIFY(!ampacityList(2, kRaceway, kInsulation60));
    QVERIFY(!ampacityList(kCopper, -1, kInsulation60));
    QVERIFY(!ampacityList(kCopper, kRaceway, 3));
    QVERIFY(ampacityList(kAluminum, kFreeAir, kInsulation90));
}

QTEST_APPLESS_MAIN(TestTables)
#include "tst_tables.moc"
