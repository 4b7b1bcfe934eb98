// How the main and read-me windows look: the colours, fonts, underline and pointers a
// user relies on, read off the pixels where they are drawn; at the scale the test runs
// with (1, 1.5 or 2; see CMakeLists) every caption, paragraph and result the windows can
// show is set and whole; every text reads at 4.5:1 at least against what is painted
// behind it, on the desktop the test runs on (CMakeLists runs those rows again on an X
// server under real desktop themes) and when the desktop's palette changes while the
// windows are open, and the links take the desktop's highlight hue, darkened only as far
// as reading needs.

#include "fixture.h"
#include "looks.h"
#include "rules/corrected_ampacity.h"
#include "rules/selection.h"

#include <QFile>
#include <QFontDatabase>
#include <QScreen>
#include <QStyleOptionFrame>
#include <algorithm>

namespace {

#ifdef Q_OS_WIN
const QString kSansSerif = QStringLiteral("Liberation Sans"); // no Microsoft Sans Serif here
#else
const QString kSansSerif = QStringLiteral("MS Sans Serif");
#endif

// Black windows, white text and GNOME's own highlight: a desktop that tries every fixed
// colour, and the links' shading.
QPalette darkDesktop() {
    QPalette palette(Qt::white, Qt::black, Qt::gray, Qt::darkGray, Qt::gray, Qt::white, Qt::white,
                     Qt::black, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(53, 132, 228));
    return palette;
}

} // namespace

class TestLooks : public CalculatorTest {
    Q_OBJECT
private slots:
    // On a display set to a scale (SCREEN_SCALE), Qt draws at that scale. Under a desktop's
    // platform theme (see CMakeLists), that theme is in force: its plugin is loaded, and
    // the palette it hands Qt is as dark or as light as the entry says.
    void initTestCase() {
        if (!qEnvironmentVariableIsEmpty("SCREEN_SCALE")) // the scale the display is set to
            QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("SCREEN_SCALE").toDouble());
        if (qEnvironmentVariableIsEmpty("DESKTOP_SHADE"))
            return;
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(maps.readAll().contains("/platformthemes/"), "no platform theme loaded");
        const bool dark = QApplication::palette().color(QPalette::Window).lightness() < 128;
        QCOMPARE(dark ? "dark" : "light", qgetenv("DESKTOP_SHADE"));
    }

    void look_data() {
        QTest::addColumn<QStringList>("clicks"); // from the start
        QTest::addColumn<QString>("control");    // "readme/…": in the read-me window
        QTest::addColumn<QString>("aspect");
        QTest::addColumn<QVariant>("expected");
        // The result box on screen and the read-me window open; then aluminum; then copper.
        const QStringList copper{"ambientButton", "readMeButton"},
            aluminum{"ambientButton", "materialButton"},
            copperAgain{"ambientButton", "materialButton", "materialButton"},
            dark{"ambientButton", "readMeButton", "dark desktop"};
        const QColor red(128, 0, 0), blue(0, 0, 192);
        // clang-format off
        for (const char* control : {"sizeList", "ampacityList", "correctedAmpacity"})
            QTest::addRow("copper: %s in dark red", control) << copper << control << "ink" << QVariant(red);
        QTest::newRow("sizes on a field lighter than the window") << copper << "sizeList" << "paper" << QVariant(QColor(224, 224, 224));
        for (const char* link : {"readme/mailLink", "readme/webLink"}) {
            QTest::addRow("%s underlined", link) << copper << link << "underline" << QVariant(true);
            QTest::addRow("%s centred over OK", link) << copper << link << "centred over" << QVariant("okButton");
            QTest::addRow("%s: pointing hand", link) << copper << link << "cursor" << QVariant(int(Qt::PointingHandCursor));
        }
        QTest::newRow("paragraph not underlined") << copper << "readme/orderingTerms" << "underline" << QVariant(false);
        QTest::newRow("result: no-drop pointer") << copper << "correctedAmpacity" << "cursor" << QVariant(int(Qt::ForbiddenCursor));
        QTest::newRow("font: OK") << copper << "readme/okButton" << "font" << QVariant(kSansSerif + " 8.25 bold");
        QTest::newRow("font: the table number") << copper << "tableNumber" << "font" << QVariant("Arial 9");
        QTest::newRow("font: a link") << copper << "readme/webLink" << "font" << QVariant("Arial 9.75");
        for (const char* control : {"sizeList", "ampacityList", "correctedAmpacity"})
            QTest::addRow("aluminum: %s in dark blue", control) << aluminum << control << "ink" << QVariant(blue);
        QTest::newRow("copper again: sizes in dark red") << copperAgain << "sizeList" << "ink" << QVariant(red);
        // The desktop turned dark while both windows are open: a palette change that
        // reaches windows already built, which only this imitation makes.
        QTest::newRow("dark desktop: every text reads") << dark << "readme/okButton" << "texts read" << QVariant();
        QTest::newRow("dark desktop: the links in its hue, as light as reads") << dark << "readme/webLink" << "shade" << QVariant();
        // The desktop's palette as it is at the start (its platform theme's: see CMakeLists).
        QTest::newRow("every text: copper, corrected, read-me open") << copper << "readme/okButton" << "texts read" << QVariant();
        QTest::newRow("every text: aluminum in free air, corrected") << QStringList{"materialButton", "installationButton", "ambientButton"} << "tableTitle" << "texts read" << QVariant();
        // clang-format on
    }

    void look() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, control);
        QFETCH(QString, aspect);
        QFETCH(QVariant, expected);
        showAfter(clicks);
        QTest::mouseMove(window_->windowHandle(), QPoint(1, 1)); // no hover highlight
        const QWidget* window = control.startsWith("readme/") ? openReadMe() : window_.get();
        QWidget* widget = ::control(window, qPrintable(control.section('/', -1)));
        if (aspect == "ink") { // where no pixel of a thin stroke is wholly inked, near it:
            // the theme's black would lie 128 from the red, the other metal's ink 320
            const QColor ink = pixelsOf(widget).darkest, want = expected.value<QColor>();
            const int apart = qAbs(ink.red() - want.red()) + qAbs(ink.green() - want.green()) +
                              qAbs(ink.blue() - want.blue());
            QVERIFY2(apart <= 48, qPrintable(ink.name() + " for " + want.name()));
        } else if (aspect == "paper")
            QVERIFY(qGray(pixelsOf(widget).lightest.rgb()) > qGray(expected.value<QColor>().rgb()));
        else if (aspect == "underline")
            QCOMPARE(pixelsOf(widget).underlined, expected.toBool());
        else if (aspect == "centred over")
            QVERIFY(qAbs(widget->mapTo(window, pixelsOf(widget).inked.center()).x() -
                         centreInWindow(::control(window, qPrintable(expected.toString()))).x()) <=
                    1);
        else if (aspect == "texts read")
            QCOMPARE(textFaults(), QStringList());
        else if (aspect == "shade") { // the highlight's hue, no darker than reading needs
            QVERIFY(qAbs(pixelsOf(widget).darkest.hslHue() -
                         QApplication::palette().color(QPalette::Highlight).hslHue()) <= 6);
            QCOMPARE_LT(contrastOf(widget), 5.0);
        } else if (aspect == "cursor")
            QCOMPARE(int(widget->cursor().shape()), expected.toInt());
        else
            QCOMPARE(widget->font().family() + ' ' + QString::number(widget->font().pointSizeF()) +
                         (widget->font().bold() ? " bold" : ""),
                     expected.toString());
    }

    // Every label and button of both windows is set, shows its whole caption and lies
    // under no other control, in every state of every selector: wrapped, grown, never cut.
    void captionsWhole() {
        showAfter({"readMeButton"});
        QSet<QString> faults;
        const auto look = [&faults] {
            const QStringList seen = textFaults(false);
            faults.unite(QSet(seen.begin(), seen.end()));
        };
        for (int rating = 0; rating < 3; ++rating, clickOn("insulationButton"))
            // The ratings step 60, 75, 90 °C.
            for (auto state = rules::ambientCycle(rules::Insulation(rating)).size(); state > 0;
                 --state, clickOn("ambientButton"))
                look();
        for (int state = 0; state < 7; ++state, clickOn("conductorCountButton"))
            look();
        clickOn("installationButton"); // Table 310.17, its title, and aluminum at 60 °C
        clickOn("materialButton");
        look();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.values().join("; ")));
    }

    // The widest result text of any row with any factor pair that can be in force.
    void widestResult() {
        showAfter({});
        auto* box = at<QLineEdit>("correctedAmpacity");
        QStyleOptionFrame frame;
        frame.initFrom(box);
        frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
        // QLineEdit keeps two pixels on either side of its contents, and one for the cursor.
        const auto width = [box](const QString& text) {
            return box->fontMetrics().horizontalAdvance(text);
        };
        const int room = box->style()
                             ->subElementRect(QStyle::SE_LineEditContents, &frame, box)
                             .marginsRemoved(box->textMargins())
                             .width() -
                         5;
        QString widest;
        for (int key = 0; key < 12; ++key) { // installation, material, rating
            const auto rating = rules::Insulation(key % 3);
            const auto list = rules::ampacityList(rules::Installation(key / 6),
                                                  rules::Material(key / 3 % 2), rating);
            for (const std::string& row : list.rows)
                for (const auto& ambient : rules::ambientCycle(rating))
                    for (const auto& count : rules::conductorCountCycle())
                        if (key < 6 || count.factor == 1) { // no count in free air
                            const QString text =
                                q(rules::correctedAmpacityText(row, ambient.factor, count.factor));
                            if (width(text) > width(widest))
                                widest = text;
                        }
        }
        QVERIFY2(width(widest) <= room, qPrintable(QStringLiteral("\"%1\" cut by %2 px (%3 px)")
                                                       .arg(widest)
                                                       .arg(width(widest) - room)
                                                       .arg(room)));
    }

    // A bitmap face would be drawn at its one size, half as large on a screen of twice
    // the density: there the windows write in outline faces only, also where the window
    // is dragged onto such a screen beside an unscaled primary one. On Windows, where Qt
    // takes MS Sans Serif's 10-point strike for 8 points, at every scale.
    void outlineFaces() {
        showAfter({"onto the densest screen", "readMeButton"});
#ifndef Q_OS_WIN
        if (window_->devicePixelRatio() == 1.0)
            QSKIP("the bitmap face is the one wanted at scale 1");
#endif
        for (const QWidget* window : {openReadMe(), static_cast<QWidget*>(window_.get())})
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                const QFontInfo face(widget->font());
                QVERIFY2(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()),
                         qPrintable(widget->objectName() + ": " + face.family()));
            }
    }

private:
    // The calculator started, then the buttons `clicks` clicked in turn; kept from the
    // last test row where that made the same clicks. A tick later the ampacity list shows
    // the size's row again.
    void showAfter(const QStringList& clicks) {
        if (window_ && clicks == clicks_)
            return;
        delete openReadMe();
        clicks_ = clicks;
        start();
        QApplication::setPalette(QPalette());
        for (const QString& button : clicks)
            if (button == "dark desktop")
                QApplication::setPalette(darkDesktop());
            else if (button == "onto the densest screen")
                window_->move(
                    std::ranges::max(QGuiApplication::screens(), {}, &QScreen::devicePixelRatio)
                        ->availableGeometry()
                        .topLeft());
            else
                clickOn(qPrintable(button));
        QCoreApplication::processEvents(); // a new palette reaches the windows as events
        COMPARE_SOON(row("ampacityList"), row("sizeList"));
    }

    QStringList clicks_;
};

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
