// The command button's caption and the closed list's row, checked on the rendered pixels
// against the text broken or trimmed by hand.

#include "forms/fonts.h"
#include "forms/form_builder.h"
#include "forms/list_combo.h"
#include "forms/wrap_button.h"

#include <QTest>

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

    // A caption too long for its button wraps at a word boundary.
    void captionWraps() {
        QCOMPARE(drawn("Ambient Temperature   26-30°C (78-86°F)", 130),
                 drawn("Ambient Temperature\n26-30°C (78-86°F)", 130));
    }

    // The closed list shows its row whole where it fits, else without its leading
    // blanks, so that nothing of the value itself is cut off.
    void closedListRow() {
        QVERIFY(drawn("    1000 MCM", 120, true) != drawn("1000 MCM", 120, true));
        QCOMPARE(drawn("    1000 MCM", 80, true), drawn("1000 MCM", 80, true));
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
