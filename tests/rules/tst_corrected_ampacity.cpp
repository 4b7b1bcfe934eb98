// The corrected ampacity: the read-back of a row, the single-precision arithmetic with
// its half-to-even rounding, the text of the box and the rule that shows or hides it.

#include "rules/corrected_ampacity.h"
#include "rules/readback.h"
#include "text.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <string>

using namespace rules;

class TestCorrectedAmpacity : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void text_data();
    void text();
    void decimalSeparator_data();
    void decimalSeparator();
    void numberText_data();
    void numberText();
    void valuesPastTheSixteenBitRangeStayExact();
    void productBeyondSinglePrecisionSaysOutOfRange();
    void correctionApplies_data();
    void correctionApplies();
};

void TestCorrectedAmpacity::leadingNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("row with limit: the limit is not read") << QByteArray("   25 A (15A)") << 25.0;
    QTest::newRow("no blank before A") << QByteArray("   15A") << 15.0;
    QTest::newRow("four digits") << QByteArray(" 1560 A") << 1560.0;
    QTest::newRow("empty text") << QByteArray("") << 0.0;
    QTest::newRow("only blanks") << QByteArray("   ") << 0.0;
    QTest::newRow("no number") << QByteArray("A 25") << 0.0;
    QTest::newRow("blanks inside the number are skipped") << QByteArray(" 1 5 6 0 A") << 1560.0;
    QTest::newRow("tabs and line feeds are skipped") << QByteArray("\t1\n2\t") << 12.0;
    QTest::newRow("carriage return stops") << QByteArray("1\r2") << 1.0;
    QTest::newRow("fraction") << QByteArray("12.5 A") << 12.5;
    QTest::newRow("leading point") << QByteArray(".5") << 0.5;
    QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("lone point") << QByteArray(".") << 0.0;
    QTest::newRow("comma is not a decimal point") << QByteArray("12,5") << 12.0;
    QTest::newRow("sign is not read") << QByteArray("-5") << 0.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    QTest::newRow("long zero fraction underflows to 0")
        << (QByteArray("0.") + QByteArray(400, '0') + "1") << 0.0;
}

void TestCorrectedAmpacity::leadingNumber() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(rules::leadingNumber({text.constData(), static_cast<std::size_t>(text.size())}),
             value);
}

void TestCorrectedAmpacity::text_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<float>("amb");
    QTest::addColumn<float>("count");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("corrected");
    QTest::newRow("no correction")
        << QByteArray("   25 A (15A)") << 1.0f << 1.0f << "=25 A  (I \u00D7 1)" << 25.0f;
    QTest::newRow("ambient only") << QByteArray("   25 A (15A)") << 0.91f << 1.0f
                                  << "=22.75 A  (I \u00D7 0.91)" << 22.75f;
    QTest::newRow("both factors") << QByteArray("   25 A (15A)") << 0.91f << 0.8f
                                  << "=18.2 A  (I \u00D7 0.91 \u00D7 0.8)" << 18.2f;
    QTest::newRow("15.925 held in single goes to 15.92")
        << QByteArray("   25 A (15A)") << 0.91f << 0.7f << "=15.92 A  (I \u00D7 0.91 \u00D7 0.7)"
        << 15.92f;
    QTest::newRow("ambient 1 is still written")
        << QByteArray("   25 A (15A)") << 1.0f << 0.8f << "=20 A  (I \u00D7 1 \u00D7 0.8)" << 20.0f;
    QTest::newRow("row without blank") << QByteArray("   15A") << 1.29f << 0.35f
                                       << "=6.77 A  (I \u00D7 1.29 \u00D7 0.35)" << 6.77f;
    QTest::newRow("115 A") << QByteArray("  115 A") << 0.82f << 0.7f
                           << "=66.01 A  (I \u00D7 0.82 \u00D7 0.7)" << 66.01f;
    QTest::newRow("exactly 100 takes one decimal")
        << QByteArray("  125 A") << 1.0f << 0.8f << "=100 A  (I \u00D7 1 \u00D7 0.8)" << 100.0f;
    QTest::newRow("1661.75 to 1661.8")
        << QByteArray(" 1445 A") << 1.15f << 1.0f << "=1661.8 A  (I \u00D7 1.15)" << 1661.8f;
    QTest::newRow("half 562.5 goes down to even")
        << QByteArray("   25 A") << 0.5f << 0.45f << "=5.62 A  (I \u00D7 0.5 \u00D7 0.45)" << 5.62f;
    QTest::newRow("half 787.5 goes up to even")
        << QByteArray("   35 A") << 0.5f << 0.45f << "=7.88 A  (I \u00D7 0.5 \u00D7 0.45)" << 7.88f;
    QTest::newRow("largest product 1560 x 1.15")
        << QByteArray(" 1560 A") << 1.15f << 1.0f << "=1794 A  (I \u00D7 1.15)" << 1794.0f;
    QTest::newRow("smallest factors") << QByteArray("   15A") << 0.29f << 0.35f
                                      << "=1.52 A  (I \u00D7 0.29 \u00D7 0.35)" << 1.52f;
    QTest::newRow("empty row text reads 0")
        << QByteArray("") << 1.0f << 1.0f << "=0 A  (I \u00D7 1)" << 0.0f;
    QTest::newRow("empty row, both factors")
        << QByteArray("") << 0.91f << 0.8f << "=0 A  (I \u00D7 0.91 \u00D7 0.8)" << 0.0f;
    QTest::newRow("fraction in the row is rounded half to even first")
        << QByteArray("24.5") << 1.0f << 1.0f << "=24 A  (I \u00D7 1)" << 24.0f;
}

void TestCorrectedAmpacity::text() {
    QFETCH(QByteArray, row);
    QFETCH(float, amb);
    QFETCH(float, count);
    QFETCH(QString, text);
    QFETCH(float, corrected);
    const CorrectedAmpacity result =
        correctedAmpacity({row.constData(), static_cast<std::size_t>(row.size())}, amb, count);
    QCOMPARE(q(result.text), text);
    QCOMPARE(result.correctedAmps, corrected);
    QCOMPARE(result.tableAmps, static_cast<float>(rules::leadingNumber(row.constData())));
}

void TestCorrectedAmpacity::decimalSeparator_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << ","
                           << "=22,75 A  (I \u00D7 0,91)";
    QTest::newRow("point") << "."
                           << "=22.75 A  (I \u00D7 0.91)";
    QTest::newRow("arabic, two bytes in UTF-8") << "\u066B"
                                                << "=22\u066B75 A  (I \u00D7 0\u066B91)";
}

void TestCorrectedAmpacity::decimalSeparator() {
    QFETCH(QString, separator);
    QFETCH(QString, text);
    const std::string sep = separator.toStdString();
    QCOMPARE(q(correctedAmpacity("   25 A (15A)", 0.91f, 1.0f, sep).text), text);
}

void TestCorrectedAmpacity::numberText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1.0f << "1";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("below 1 has a leading 0") << 0.8f << "0.8";
    QTest::newRow("two decimals") << 0.45f << "0.45";
    QTest::newRow("1.2") << 1.2f << "1.2";
    QTest::newRow("22.75") << 22.75f << "22.75";
    QTest::newRow("1661.8 held as 1661.800048...") << 1661.8f << "1661.8";
    QTest::newRow("seven significant digits") << 1234.5678f << "1234.568";
    QTest::newRow("small value, no exponent") << 0.000125f << "0.000125";
    QTest::newRow("large whole value, no exponent") << 12345678.0f << "12345680";
    QTest::newRow("negative keeps its sign") << -2.5f << "-2.5";
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << "out of range";
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << "out of range";
}

void TestCorrectedAmpacity::numberText() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(q(rules::numberText(value)), text);
}

// The table values fit 16 bits; a larger row value is still computed exactly rather
// than cut to the 16-bit range.
void TestCorrectedAmpacity::valuesPastTheSixteenBitRangeStayExact() {
    QCOMPARE(q(correctedAmpacity("40000 A", 1.0f, 0.5f).text),
             QStringLiteral("=20000 A  (I \u00D7 1 \u00D7 0.5)"));
    QCOMPARE(q(correctedAmpacity("32768", 1.0f, 1.0f).text),
             QStringLiteral("=32768 A  (I \u00D7 1)"));
}

void TestCorrectedAmpacity::productBeyondSinglePrecisionSaysOutOfRange() {
    const std::string huge = "3" + std::string(38, '0'); // 3e38, near the single maximum
    const CorrectedAmpacity overflow = correctedAmpacity(huge, 1.29f, 1.0f);
    QCOMPARE(q(overflow.text), QStringLiteral("out of range"));
    QVERIFY(!std::isfinite(overflow.correctedAmps));

    const std::string tooLong(400, '9'); // beyond even a double
    QCOMPARE(q(correctedAmpacity(tooLong, 1.0f, 1.0f).text), QStringLiteral("out of range"));
    QVERIFY(std::isinf(rules::leadingNumber(tooLong)));
}

void TestCorrectedAmpacity::correctionApplies_data() {
    QTest::addColumn<float>("amb");
    QTest::addColumn<float>("count");
    QTest::addColumn<bool>("applies");
    QTest::newRow("both 1: hidden") << 1.0f << 1.0f << false;
    QTest::newRow("ambient 0.91") << 0.91f << 1.0f << true;
    QTest::newRow("count 0.8") << 1.0f << 0.8f << true;
    QTest::newRow("both") << 1.29f << 0.35f << true;
    QTest::newRow("product rounding to exactly 1 hides") << 0.5f << 2.0f << false;
}

void TestCorrectedAmpacity::correctionApplies() {
    QFETCH(float, amb);
    QFETCH(float, count);
    QFETCH(bool, applies);
    QCOMPARE(rules::correctionApplies(amb, count), applies);
}

QTEST_APPLESS_MAIN(TestCorrectedAmpacity)
#include "tst_corrected_ampacity.moc"
