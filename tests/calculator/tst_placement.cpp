// Where the main window goes at start-up, in twips.

#include "calculator/placement.h"

#include <QTest>

using calculator::upperRightPlacement;

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
};

void TestPlacement::placement_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("client size on a 1024 px screen") << 7275 << 2610 << 15360 << 6780 << 1305;
    QTest::newRow("odd height 2611: half goes to even 1306")
        << 7000 << 2611 << 15360 << 7054 << 1306;
    QTest::newRow("odd height 2613: half goes to even 1306")
        << 7000 << 2613 << 15360 << 7054 << 1306;
    QTest::newRow("odd height 2609: half goes to even 1304")
        << 7000 << 2609 << 15360 << 7056 << 1304;
    QTest::newRow("4K screen, past the 16-bit range") << 7275 << 2610 << 57600 << 49020 << 1305;
    QTest::newRow("just fits: left 0") << 7275 << 2610 << 8580 << 0 << 1305;
    QTest::newRow("one twip too narrow: top left corner") << 7275 << 2610 << 8579 << 0 << 0;
    QTest::newRow("narrow screen: top left corner") << 7275 << 2610 << 4800 << 0 << 0;
}

void TestPlacement::placement() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, screen);
    QFETCH(int, left);
    QFETCH(int, top);
    const calculator::Placement place = upperRightPlacement(width, height, screen);
    QCOMPARE(place.left, left);
    QCOMPARE(place.top, top);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
