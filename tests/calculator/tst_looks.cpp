// How the main and read-me windows look: at the scale the test runs with (1, 1.5 or 2;
// see CMakeLists) every caption, row and result the calculator can show fits its control;
// under light, dark and high-contrast desktop palettes every caption, row and result
// reads at 4.5:1 at least against what is painted behind it, measured on the pixels.

#include "fixture.h"
#include "forms/colours.h"
#include "forms/list_combo.h"
#include "readme/about_brenvik.h"
#include "rules/corrected_ampacity.h"
#include "rules/cycles.h"

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

} // namespace

class TestLooks : public CalculatorTest {
    Q_OBJECT
private slots:
    void initTestCase() { start(); }
    void tableTitle() { // the longer one, Table 310.16's, on three lines
        auto* title = at<QLabel>("Label2");
        const QRect need =
            title->fontMetrics().boundingRect(title->rect(), Qt::TextWordWrap, title->text());
        QVERIFY(need.height() <= title->height());
    }

    void buttonCaptionsInEveryState() {
        checkButtons();
        for (int rating = 0; rating < 3; ++rating, click("TempCmnd"))
            for (int state = int(rules::ambientCycle(rules::Insulation(window_->TempSel)).size());
                 state > 0; --state, click("AmbCmnd"))
                checkButtons();
        for (int state = 0; state < 7; ++state, click("NoOfWCmd"))
            checkButtons();
        click("CondCmnd");
        click("MaterCmnd");
        checkButtons();
    }

    void listRowsOfEveryTable() {
        for (int material = 0; material < 2; ++material, click("MaterCmnd")) {
            for (int installation = 0; installation < 2; ++installation, click("CondCmnd"))
                for (int rating = 0; rating < 3; ++rating, click("TempCmnd"))
                    checkRows("ComAM");
            checkRows("ComWS");
        }
    }

    // The widest result text of any row with any factor pair that can be in force.
    void widestResult() {
        auto* box = at<QLineEdit>("CorectAmpacity");
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
                            widest = qMax(
                                widest,
                                width(
                                    rules::correctedAmpacity(row, ambient.next, count.next).text));
        }
        QVERIFY2(widest <= room, qPrintable(QStringLiteral("%1 px of %2").arg(widest).arg(room)));
    }

    void contrastRatio() {
        QCOMPARE(forms::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(forms::contrastRatio(Qt::white, Qt::white), 1.0);
        QCOMPARE(qRound(forms::contrastRatio(QColor(0x777777), Qt::white) * 100), 448);
    }

    void readable_data() {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("control");
        for (int theme = 0; theme < 4; ++theme)
            for (const char* control :
                 {"Label1", "Label2", "Frame1", "Frame2", "MaterCmnd", "AmbCmnd", "NoOfWCmd",
                  "AboutCmd", "ExitCmd", "ComWS", "ComAM", "CorectAmpacity", "about/Label1",
                  "about/Label6", "about/LabelMail", "about/LabelTarnholm", "about/Command3"})
                QTest::addRow("%s: %s", kThemes[theme].name, control) << theme << QString(control);
    }

    void readable() {
        QFETCH(int, theme);
        QFETCH(QString, control);
        const Theme& t = kThemes[theme];
        if (worn_ != t.name) { // both windows built afresh under the theme
            worn_ = t.name;
            delete about_.data();
            QApplication::setStyle(QStyleFactory::create("Fusion"));
            QPalette palette(t.text, t.window, t.window.lighter(150), t.window.darker(150),
                             t.window.darker(120), t.text, Qt::white, t.base, t.window);
            palette.setColor(QPalette::Highlight, t.highlight);
            QApplication::setPalette(palette);
            start();
            window_->AmbCmnd_Click(); // the result box on screen
            about_ = new AboutBrenvik(nullptr, {});
            about_->show();
            QVERIFY(QTest::qWaitForWindowExposed(about_));
        }
        QWidget* window =
            control.startsWith("about/") ? static_cast<QWidget*>(about_) : window_.get();
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
    void click(const char* name) { at<QPushButton>(name)->click(); }
    // The wrapped caption of every button fits the room the style leaves it.
    void checkButtons() {
        for (const char* name :
             {"MaterCmnd", "CondCmnd", "TempCmnd", "AmbCmnd", "NoOfWCmd", "AboutCmd", "ExitCmd"}) {
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
    QString worn_;
    QPointer<AboutBrenvik> about_;
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
