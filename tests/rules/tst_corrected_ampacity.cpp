// The corrected ampacity: the read-back of a row, the single-precision arithmetic with
// its half-to-even rounding, the text of the box and the rule that shows or hides it.

#include "rules/corrected_ampacity.h"
#include "rules/readback.h"
#include "text.h"

#include <QTest>
#include <limits>

using namespace rules;

class TestCorrectedAmpacity : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void text_data();
    void text();
    void numberText_data();
    void numberText();
    void correctionApplies();
};

void TestCorrectedAmpacity::leadingNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("the limit in brackets is not read") << QByteArray("   25 A (15A)") << 25.0;
    QTest::newRow("no blank before A") << QByteArray("   15A") << 15.0;
    QTest::newRow("four digits") << QByteArray(" 1560 A") << 1560.0;
    QTest::newRow("empty text") << QByteArray("") << 0.0;
    QTest::newRow("no number first") << QByteArray("A 25") << 0.0;
    QTest::newRow("blanks, tabs, line feeds skipped") << QByteArray(" 1 5\t6\n0 A") << 1560.0;
    QTest::newRow("carriage return stops") << QByteArray("1\r2") << 1.0;
    QTest::newRow("fraction; a second point stops") << QByteArray("1.25.3") << 1.25;
    QTest::newRow("a comma is no decimal point") << QByteArray("12,5") << 12.0;
    QTest::newRow("no sign") << QByteArray("-5") << 0.0;
    QTest::newRow("lone point") << QByteArray(".") << 0.0;
    QTest::newRow("beyond a double") << QByteArray(400, '9') << qInf();
}

void TestCorrectedAmpacity::leadingNumber() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(rules::leadingNumber({text.constData(), std::size_t(text.size())}), value);
}

void TestCorrectedAmpacity::text_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<float>("amb");
    QTest::addColumn<float>("count");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<float>("table");
    QTest::addColumn<float>("corrected");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* text, float amb, float count, float table,
                        float corrected, const char* box, const char* separator = ".") {
        QTest::newRow(name) << QByteArray(text) << amb << count << QString::fromUtf8(separator)
                            << table << corrected << QString::fromUtf8(box);
    };
    // The worked examples, then the edges of the rounding and the text.
    row("no correction", "   25 A (15A)", 1, 1, 25, 25, "=25 A  (I × 1)");
    row("ambient only", "   25 A (15A)", 0.91f, 1, 25, 22.75f, "=22.75 A  (I × 0.91)");
    row("both factors", "   25 A (15A)", 0.91f, 0.8f, 25, 18.2f, "=18.2 A  (I × 0.91 × 0.8)");
    row("15.925 held in single: 15.92", "   25 A (15A)", 0.91f, 0.7f, 25, 15.92f,
        "=15.92 A  (I × 0.91 × 0.7)");
    row("ambient 1 is written", "   25 A (15A)", 1, 0.8f, 25, 20, "=20 A  (I × 1 × 0.8)");
    row("no blank before A", "   15A", 1.29f, 0.35f, 15, 6.77f, "=6.77 A  (I × 1.29 × 0.35)");
    row("115 A", "  115 A", 0.82f, 0.7f, 115, 66.01f, "=66.01 A  (I × 0.82 × 0.7)");
    row("125 A to exactly 100", "  125 A", 1, 0.8f, 125, 100, "=100 A  (I × 1 × 0.8)");
    row("from 100 A one decimal", " 1445 A", 1.15f, 1, 1445, 1661.8f, "=1661.8 A  (I × 1.15)");
    row("99.95 keeps two decimals", "  215 A", 0.5f, 0.93f, 215, 99.98f,
        "=99.98 A  (I × 0.5 × 0.93)");
    row("half 562.5 down to even", "   25 A", 0.5f, 0.45f, 25, 5.62f, "=5.62 A  (I × 0.5 × 0.45)");
    row("half 787.5 up to even", "   35 A", 0.5f, 0.45f, 35, 7.88f, "=7.88 A  (I × 0.5 × 0.45)");
    row("row fraction, half to even first", "24.5", 1, 1, 24.5f, 24, "=24 A  (I × 1)");
    row("empty row text reads 0", "", 0.91f, 0.8f, 0, 0, "=0 A  (I × 0.91 × 0.8)");
    row("decimal comma", "   25 A (15A)", 0.91f, 1, 25, 22.75f, "=22,75 A  (I × 0,91)", ",");
    row("two-byte separator", "   25 A", 0.91f, 1, 25, 22.75f, "=22٫75 A  (I × 0٫91)", "٫");
    row("past 16 bits, exact", "40000 A", 1, 0.5f, 40000, 20000, "=20000 A  (I × 1 × 0.5)");
    row("beyond single precision", "300000000000000000000000000000000000000", 1.29f, 1, 3e38f,
        std::numeric_limits<float>::infinity(), "out of range");
}

void TestCorrectedAmpacity::text() {
    QFETCH(QByteArray, row);
    QFETCH(float, amb);
    QFETCH(float, count);
    QFETCH(QString, separator);
    QFETCH(float, table);
    QFETCH(float, corrected);
    QFETCH(QString, text);
    const CorrectedAmpacity result = correctedAmpacity({row.constData(), std::size_t(row.size())},
                                                       amb, count, separator.toStdString());
    QCOMPARE(q(result.text), text);
    QCOMPARE(result.tableAmps, table);
    QCOMPARE(result.correctedAmps, corrected);
}

void TestCorrectedAmpacity::numberText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1.0f << "1";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("below 1: a leading 0") << 0.45f << "0.45";
    QTest::newRow("1661.8, held as 1661.800048") << 1661.8f << "1661.8";
    QTest::newRow("seven significant digits") << 1234.5678f << "1234.568";
    QTest::newRow("small, no exponent") << 0.000125f << "0.000125";
    QTest::newRow("large, no exponent") << 12345678.0f << "12345680";
    QTest::newRow("negative keeps its sign") << -2.5f << "-2.5";
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << "out of range";
}

void TestCorrectedAmpacity::numberText() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(q(rules::numberText(value)), text);
}

// The box shows while the product of the factors, held in single precision, is not 1.
void TestCorrectedAmpacity::correctionApplies() {
    QVERIFY(!rules::correctionApplies(1, 1));
    QVERIFY(rules::correctionApplies(0.91f, 1));
    QVERIFY(rules::correctionApplies(1, 0.8f));
    QVERIFY(!rules::correctionApplies(0.5f, 2)); // the product, not each factor
}

QTEST_APPLESS_MAIN(TestCorrectedAmpacity)
#include "tst_corrected_ampacity.moc"
