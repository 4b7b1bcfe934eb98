// Twips as pixels, and the command button's caption, checked on the rendered pixels
// against the caption broken by hand: wrapped at word boundaries, CR LF as one line
// break, no-break spaces holding their words together.

#include "forms/fonts.h"
#include "forms/form_builder.h"
#include "forms/list_combo.h"
#include "forms/wrap_button.h"
#include "looks.h"

#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <memory>

namespace {

// `text` as the windows' MS Sans Serif 8.25 pt draws it on a wrapping button of
// `width` x 42 px, or where `list`, as the row of a closed list of `width` x 21 px.
QImage drawn(const QString& text, int width, bool list = false) {
    forms::WrapButton button(text);
    forms::ListCombo combo;
    combo.addItem(text);
    QWidget& widget = list ? static_cast<QWidget&>(combo) : button;
    widget.setFont(forms::toFont({}));
    widget.resize(width, list ? 21 : 42);
    return widget.grab().toImage();
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void lines_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("sameAs"); // the caption broken by hand
        // clang-format off
        QTest::newRow("long: wraps") << "Ambient Temperature   26-30°C (78-86°F)" << 130 << "Ambient Temperature\n26-30°C (78-86°F)";
        QTest::newRow("CR LF: one break") << "Number of conductors\r\n1-3" << 130 << "Number of conductors\n1-3";
        QTest::newRow("no-break space") << "Raceway or\u00A0Cable" << 60 << "Raceway\nor\u00A0Cable";
        QTest::newRow("ordinary space") << "Raceway or Cable" << 60 << "Raceway or\nCable";
        // clang-format on
    }

    // A pressed button's caption moves as the style moves QPushButton's: a pixel down and
    // to the right in the Windows style.
    void pressedCaptionShifts() {
        forms::WrapButton button(QStringLiteral("CU"));
        const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
        button.setStyle(windows.get());
        button.setFont(forms::toFont({}));
        button.resize(40, 30);
        const QRect inside = button.rect().adjusted(4, 4, -5, -5); // within the bevel, up or down
        const QImage up = button.grab().toImage().copy(inside);
        QVERIFY(!pixelsOf(up, up.rect()).inked.isEmpty()); // the caption is there
        button.setDown(true);
        QCOMPARE(button.grab().toImage().copy(inside.translated(1, 1)), up);
    }

    // Each edge rounded to the nearest pixel, so that neighbours stay flush.
    void twipsToPixels() {
        QCOMPARE(forms::toPixels({165, 2000, 1344, 315}), QRect(11, 133, 90, 21));
    }

    void closedListRow_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("trimmed"); // looks as the row without its leading blanks
        QTest::newRow("fits: whole") << 120 << false;
        QTest::newRow("too narrow: its leading blanks dropped") << 80 << true;
    }

    // The closed list shows its row whole where it fits, else without its leading
    // blanks, so that nothing of the value itself is cut off.
    void closedListRow() {
        QFETCH(int, width);
        QFETCH(bool, trimmed);
        QCOMPARE(drawn("    1000 MCM", width, true) == drawn("1000 MCM", width, true), trimmed);
    }

    void lines() {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(QString, sameAs);
        QCOMPARE(drawn(caption, width), drawn(sameAs, width));
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
