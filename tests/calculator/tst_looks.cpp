// How the main and read-me windows look: the colours, fonts, underline and pointers a
// user relies on, read off the pixels where they are drawn; at the scale the test runs
// with (1, 1.5 or 2; see CMakeLists) every caption, paragraph, row and result the
// calculator can show is set and whole; under light, dark and high-contrast desktop
// palettes every caption, row and result reads at 4.5:1 at least against what is painted
// behind it.

#include "fixture.h"
#include "forms/colours.h"
#include "forms/list_combo.h"
#include "rules/corrected_ampacity.h"
#include "rules/cycles.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace {

struct Theme {
    const char* name;
    QColor window, text, base, highlight; // buttons in the window colour
};
const Theme kThemes[] = {
    {"light", QColor(0xefefef), Qt::black, Qt::white, QColor(0x308cc6)},
    {"Breeze Dark", QColor(0x31363b), QColor(0xfcfcfc), QColor(0x1b1e20), QColor(0x3daee9)},
    {"GNOME dark", QColor(0x323232), QColor(0xf0f0f0), QColor(0x242424), QColor(0x308cc6)},
    {"high contrast", Qt::black, Qt::white, Qt::black, QColor(0x1aebff)},
};

// The contrast of the darkest and the lightest pixel of `area`: the text and what is
// behind it, where the area holds nothing else.
double contrast(const QImage& image, const QRect& area) {
    QRgb dark = qRgb(255, 255, 255), light = qRgb(0, 0, 0);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            dark = qGray(pixel) < qGray(dark) ? pixel : dark;
            light = qGray(pixel) > qGray(light) ? pixel : light;
        }
    return forms::contrastRatio(dark, light);
}

// The colour a control writes in on the light desktop: its darkest pixel.
QColor ink(const QImage& image) {
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest))
                darkest = image.pixel(x, y);
    return QColor(darkest);
}

// The middle of what is inked, where the background is lighter than mid grey.
QPoint inkCentre(const QImage& image) {
    QRect inked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                inked |= QRect(x, y, 1, 1);
    return inked.center();
}

// Whether a line in the ink's colour runs under the whole text: some row of pixels is
// inked from the text's first inked column to its last.
bool underlined(const QImage& image) {
    const QColor colour = ink(image);
    const auto inked = [&](int x, int y) {
        return qGray(image.pixel(x, y)) <= (qGray(colour.rgb()) + 224) / 2;
    };
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inked(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = first; x <= last && inked(x, y); ++x)
            ++run;
        if (last > first && run == last - first + 1)
            return true;
    }
    return false;
}

QString fontText(const QFont& font) {
    return QStringLiteral("%1 %2%3")
        .arg(font.family())
        .arg(font.pointSizeF())
        .arg(font.bold() ? QStringLiteral(" bold") : QString());
}

// What keeps a label's caption from being seen whole: empty, the placeholder it was
// built with, cut off at its edge, or under another control.
QString unseen(const QLabel* label) {
    if (label->text().isEmpty() || label->text() == label->objectName())
        return QStringLiteral("not set");
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect need = label->fontMetrics().boundingRect(
        QRect(room.topLeft(), QSize(room.width(), 1 << 20)), flags, label->text());
    if (need.width() > room.width() || need.height() > room.height())
        return QStringLiteral("cut: needs %1 x %2 px, has %3 x %4")
            .arg(need.width())
            .arg(need.height())
            .arg(room.width())
            .arg(room.height());
    for (const QObject* object : label->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(object);
        if (other && other != label && other->isVisible() &&
            !qobject_cast<const QGroupBox*>(other) &&
            other->geometry().intersects(label->geometry()))
            return QStringLiteral("under ") + other->objectName();
    }
    return QString();
}

} // namespace

class TestLooks : public CalculatorTest {
    Q_OBJECT
private slots:
    void look_data() {
        QTest::addColumn<QStringList>("clicks"); // from the start
        QTest::addColumn<QString>("control");    // "readme/…": in the read-me window
        QTest::addColumn<QString>("aspect");
        QTest::addColumn<QVariant>("expected");
        // The result box on screen and the read-me window open; then aluminum; then copper.
        const QStringList copper{"ambientButton", "readMeButton"},
            aluminum{"ambientButton", "materialButton"};
        const QStringList copperAgain{"ambientButton", "materialButton", "materialButton"};
        const QColor red(128, 0, 0), blue(0, 0, 192);
        // clang-format off
        QTest::newRow("copper: sizes in dark red") << copper << "sizeList" << "ink" << QVariant(red);
        QTest::newRow("copper: ampacities in dark red") << copper << "ampacityList" << "ink" << QVariant(red);
        QTest::newRow("copper: result in dark red") << copper << "correctedAmpacity" << "ink" << QVariant(red);
        QTest::newRow("table title in dark grey") << copper << "tableTitle" << "ink" << QVariant(QColor(75, 75, 75));
        QTest::newRow("mail link: the desktop's highlight hue") << copper << "readme/mailLink" << "hue" << QVariant();
        QTest::newRow("web link: the desktop's highlight hue") << copper << "readme/webLink" << "hue" << QVariant();
        QTest::newRow("mail link underlined") << copper << "readme/mailLink" << "underline" << QVariant(true);
        QTest::newRow("web link underlined") << copper << "readme/webLink" << "underline" << QVariant(true);
        QTest::newRow("mail link centred over OK") << copper << "readme/mailLink" << "centred over" << QVariant("okButton");
        QTest::newRow("web link centred over OK") << copper << "readme/webLink" << "centred over" << QVariant("okButton");
        QTest::newRow("paragraph not underlined") << copper << "readme/orderingTerms" << "underline" << QVariant(false);
        QTest::newRow("mail link: pointing hand") << copper << "readme/mailLink" << "cursor" << QVariant(int(Qt::PointingHandCursor));
        QTest::newRow("web link: pointing hand") << copper << "readme/webLink" << "cursor" << QVariant(int(Qt::PointingHandCursor));
        QTest::newRow("result: no-drop pointer") << copper << "correctedAmpacity" << "cursor" << QVariant(int(Qt::ForbiddenCursor));
        QTest::newRow("font: selector button") << copper << "materialButton" << "font" << QVariant("MS Sans Serif 8.25");
        QTest::newRow("font: window button") << copper << "exitButton" << "font" << QVariant("Arial 9");
        QTest::newRow("font: list") << copper << "ampacityList" << "font" << QVariant("MS Sans Serif 8.25");
        QTest::newRow("font: table number") << copper << "tableNumber" << "font" << QVariant("Arial 9");
        QTest::newRow("font: OK") << copper << "readme/okButton" << "font" << QVariant("MS Sans Serif 8.25 bold");
        QTest::newRow("font: paragraph") << copper << "readme/smallConductorLimits" << "font" << QVariant("Arial 9.75");
        QTest::newRow("font: version line") << copper << "readme/versionLine" << "font" << QVariant("Arial 8.25");
        QTest::newRow("font: link") << copper << "readme/mailLink" << "font" << QVariant("Arial 9.75");
        QTest::newRow("aluminum: sizes in dark blue") << aluminum << "sizeList" << "ink" << QVariant(blue);
        QTest::newRow("aluminum: ampacities in dark blue") << aluminum << "ampacityList" << "ink" << QVariant(blue);
        QTest::newRow("aluminum: result in dark blue") << aluminum << "correctedAmpacity" << "ink" << QVariant(blue);
        QTest::newRow("copper again: sizes") << copperAgain << "sizeList" << "ink" << QVariant(red);
        QTest::newRow("copper again: ampacities") << copperAgain << "ampacityList" << "ink" << QVariant(red);
        QTest::newRow("copper again: result") << copperAgain << "correctedAmpacity" << "ink" << QVariant(red);
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
        QVERIFY(window);
        auto* widget = ::control(window, qPrintable(control.section('/', -1)));
        const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (aspect == "ink") {
            QCOMPARE(ink(image).name(), expected.value<QColor>().name());
        } else if (aspect == "hue") {
            const QColor seen = ink(image);
            const int wanted = QApplication::palette().color(QPalette::Highlight).hslHue();
            QVERIFY2(seen.hslSaturation() > 64 && qAbs(seen.hslHue() - wanted) <= 6,
                     qPrintable(seen.name()));
        } else if (aspect == "underline") {
            QCOMPARE(underlined(image), expected.toBool());
        } else if (aspect == "centred over") {
            const auto* below = ::control(window, qPrintable(expected.toString()));
            const QPoint inked = widget->mapTo(window, inkCentre(image));
            QVERIFY2(
                qAbs(inked.x() - centreInWindow(below).x()) <= 1,
                qPrintable(
                    QStringLiteral("%1 px, %2 px").arg(inked.x()).arg(centreInWindow(below).x())));
        } else if (aspect == "cursor") {
            QCOMPARE(int(widget->cursor().shape()), expected.toInt());
        } else {
            QCOMPARE(fontText(widget->font()), expected.toString());
        }
    }

    // A desktop theme changed while the read-me window is open: the links take its
    // highlight hue at once.
    void linksFollowTheDesktopTheme() {
        showAfter({"readMeButton"}, true);
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Highlight, QColor(0, 160, 60));
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the change reaches the windows as events
        for (const char* link : {"mailLink", "webLink"}) {
            const QColor seen = ink(::control(openReadMe(), link)->grab().toImage());
            QVERIFY2(qAbs(seen.hslHue() - palette.color(QPalette::Highlight).hslHue()) <= 6,
                     qPrintable(seen.name()));
        }
        QApplication::setPalette(QPalette());
        clicks_.clear(); // built under another palette
    }

    void captionsWhole_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("Table 310.16, the longer title, and the read-me window")
            << QStringList{"ambientButton", "readMeButton"};
        QTest::newRow("Table 310.17, aluminum, 60 C")
            << QStringList{"installationButton", "materialButton"};
    }

    // Every label of every open window is set, shows its whole caption and lies under no
    // other control: wrapped, grown, never cut.
    void captionsWhole() {
        QFETCH(QStringList, clicks);
        showAfter(clicks);
        QStringList unseenCaptions;
        for (const QWidget* window : QApplication::topLevelWidgets())
            for (const QLabel* label : window->findChildren<QLabel*>())
                if (label->isVisible() && !unseen(label).isEmpty())
                    unseenCaptions << label->objectName() + ": " + unseen(label);
        QVERIFY2(unseenCaptions.isEmpty(), qPrintable(unseenCaptions.join("; ")));
    }

    void buttonCaptionsInEveryState() {
        showAfter({});
        checkButtons();
        for (int rating = 0; rating < 3; ++rating, clickOn("insulationButton"))
            // The ratings step 60, 75, 90 °C.
            for (auto state = rules::ambientCycle(rules::Insulation((rating + 2) % 3)).size();
                 state > 0; --state, clickOn("ambientButton"))
                checkButtons();
        for (int state = 0; state < 7; ++state, clickOn("conductorCountButton"))
            checkButtons();
        clickOn("installationButton");
        clickOn("materialButton");
        checkButtons();
    }

    void listRowsOfEveryTable() {
        showAfter({});
        for (int material = 0; material < 2; ++material, clickOn("materialButton")) {
            for (int installation = 0; installation < 2;
                 ++installation, clickOn("installationButton"))
                for (int rating = 0; rating < 3; ++rating, clickOn("insulationButton"))
                    checkRows("ampacityList");
            checkRows("sizeList");
        }
    }

    // A bitmap face would be drawn at its one size, half as large on a screen of twice
    // the density: there the windows write in outline faces only.
    void outlineFacesWhenScaled() {
        showAfter({"readMeButton"});
        if (window_->devicePixelRatio() == 1.0)
            QSKIP("the bitmap face is the one wanted at scale 1");
        for (const QWidget* window : {openReadMe(), static_cast<QWidget*>(window_.get())})
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                const QFontInfo face(widget->font());
                QVERIFY2(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()),
                         qPrintable(widget->objectName() + ": " + face.family()));
            }
    }

    // The widest result text of any row with any factor pair that can be in force.
    void widestResult() {
        showAfter({});
        auto* box = at<QLineEdit>("correctedAmpacity");
        QStyleOptionFrame frame;
        frame.initFrom(box);
        frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
        // QLineEdit keeps two pixels on either side of its contents, and one for the cursor.
        const int room = box->style()
                             ->subElementRect(QStyle::SE_LineEditContents, &frame, box)
                             .marginsRemoved(box->textMargins())
                             .width() -
                         5;
        const auto width = [box](const std::string& text) {
            return box->fontMetrics().horizontalAdvance(q(text));
        };
        int widest = 0;
        for (int key = 0; key < 12; ++key) { // installation, material, rating
            const auto rating = rules::Insulation(key % 3);
            const auto list = rules::ampacityList(rules::Installation(key / 6),
                                                  rules::Material(key / 3 % 2), rating);
            for (const std::string& row : list->rows)
                for (const auto& ambient : rules::ambientCycle(rating))
                    for (const auto& count : rules::conductorCountCycle())
                        if (key < 6 || count.next == 1) // no count in free air
                            widest = qMax(widest, width(rules::correctedAmpacityText(
                                                      row, ambient.next, count.next)));
        }
        QVERIFY2(widest <= room, qPrintable(QStringLiteral("%1 px of %2").arg(widest).arg(room)));
    }

    void contrastRatio() {
        QCOMPARE(forms::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(forms::contrastRatio(Qt::white, Qt::white), 1.0);
        QCOMPARE(qRound(forms::contrastRatio(QColor(0x777777), Qt::white) * 100), 448);
        QCOMPARE(qRound(forms::contrastRatio(QColor(0x0a0a0a), Qt::white) * 100), 1980);
    }

    void readable_data() {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("control");
        for (int theme = 0; theme < 4; ++theme)
            for (const char* control :
                 {"tableNumber", "tableTitle", "selectionFrame", "correctionFrame",
                  "materialButton", "ambientButton", "conductorCountButton", "readMeButton",
                  "exitButton", "sizeList", "ampacityList", "correctedAmpacity",
                  "readme/disclaimer", "readme/versionLine", "readme/mailLink", "readme/webLink",
                  "readme/okButton"})
                QTest::addRow("%s: %s", kThemes[theme].name, control) << theme << QString(control);
    }

    // Both windows built afresh under each theme, the result box on screen.
    void readable() {
        QFETCH(int, theme);
        QFETCH(QString, control);
        const Theme& t = kThemes[theme];
        if (worn_ != t.name) {
            worn_ = t.name;
            QApplication::setStyle(QStyleFactory::create("Fusion"));
            QPalette palette(t.text, t.window, t.window.lighter(150), t.window.darker(150),
                             t.window.darker(120), t.text, Qt::white, t.base, t.window);
            palette.setColor(QPalette::Highlight, t.highlight);
            QApplication::setPalette(palette);
            showAfter({"ambientButton", "readMeButton"}, true);
        }
        QWidget* window = control.startsWith("readme/") ? openReadMe() : window_.get();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* widget = ::control(window, control.section('/', -1).toLatin1());
        QRect area = widget->rect().adjusted(4, 4, -4, -4); // inside a bevel or frame
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) // the title, not what is inside
            area = QRect(0, 0, frame->fontMetrics().horizontalAdvance(frame->title()) + 10,
                         frame->fontMetrics().height());
        else if (qobject_cast<QLabel*>(widget))
            area = widget->rect();
        const QImage image = window->grab().toImage();
        const double ratio =
            contrast(image, area.translated(widget->mapTo(window, QPoint())) & image.rect());
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio, 'f', 2) + ":1"));
    }

private:
    // The calculator started, then the buttons `clicks` clicked in turn; kept from the
    // last test row where that made the same clicks.
    void showAfter(const QStringList& clicks, bool afresh = false) {
        if (window_ && clicks == clicks_ && !afresh)
            return;
        delete openReadMe();
        clicks_ = clicks;
        start();
        for (const QString& button : clicks)
            clickOn(qPrintable(button));
        // A tick later the ampacity list shows the size's row again.
        COMPARE_SOON(at<QComboBox>("ampacityList")->currentIndex(),
                     at<QComboBox>("sizeList")->currentIndex());
    }

    // The wrapped caption of every button fits the room the style leaves it.
    void checkButtons() {
        for (const char* name :
             {"materialButton", "installationButton", "insulationButton", "ambientButton",
              "conductorCountButton", "readMeButton", "exitButton"}) {
            auto* button = at<QPushButton>(name);
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QRect need = button->fontMetrics().boundingRect(
                room, Qt::AlignCenter | Qt::TextWordWrap, button->text().replace("\r\n", "\n"));
            QVERIFY2(room.contains(need), qPrintable(button->text()));
        }
    }

    void checkRows(const char* list);

    QStringList clicks_;
    QString worn_;
};

// The closed list shows each row whole; only leading blanks may go.
void TestLooks::checkRows(const char* name) {
    auto* list = at<forms::ListCombo>(name);
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentIndex(row);
        const QString shown = list->displayedText();
        QVERIFY2(list->fontMetrics().horizontalAdvance(shown) <= list->textRoom() &&
                     list->currentText().endsWith(shown),
                 qPrintable(shown));
    }
}

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
