// Both windows as the user of a real desktop gets them. CTest runs this test on an X
// server under a desktop's own platform theme (GNOME's Adwaita dark and light,
// HighContrast and its inverse through GTK's; KDE's Breeze and Breeze Dark), which hands
// Qt the desktop's palette and style before the first window is built: every text of
// both windows reads at 4.5:1 or better against what is behind it, and stands whole.

#include "fixture.h"
#include "looks.h"

#include <QFile>

class TestDesktopThemes : public CalculatorTest {
    Q_OBJECT
private slots:
    // The desktop's theme is in force: its plugin is loaded, and the palette it hands Qt
    // is as dark or as light as the CTest entry says (DESKTOP_SHADE).
    void initTestCase() {
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(maps.readAll().contains("/platformthemes/"),
                 qPrintable("no platform theme loaded for " +
                            qEnvironmentVariable("QT_QPA_PLATFORMTHEME")));
        const bool dark = QApplication::palette().color(QPalette::Window).lightness() < 128;
        QCOMPARE(dark ? "dark" : "light", qgetenv("DESKTOP_SHADE"));
    }

    void texts_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("copper, corrected, read-me open")
            << QStringList{"ambientButton", "readMeButton"};
        QTest::newRow("aluminum in free air, corrected")
            << QStringList{"materialButton", "installationButton", "ambientButton"};
    }

    void texts() {
        QFETCH(QStringList, clicks);
        start();
        for (const QString& button : clicks)
            clickOn(qPrintable(button));
        COMPARE_SOON(row("ampacityList"), row("sizeList"));
        const QStringList faults = textFaults();
        delete openReadMe();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

QTEST_MAIN(TestDesktopThemes)
#include "tst_desktop_themes.moc"
