// The command button's caption and the closed list's row, checked on the rendered pixels
// against the text broken or trimmed by hand; on X, a held key pressing a button once.

#include "forms/fonts.h"
#include "forms/form_builder.h"
#include "forms/held_keys.h"
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
    void initTestCase() {
        forms::loadFonts();
        forms::pressOncePerHeldKey();
    }

    // The X server repeats a held key as a release and a press of one time stamp, which Qt
    // does not flag as a repeat on a busy machine: a held Return or Space presses a button
    // once, and each tap again, while a held Down walks a list a row at every repeat. Run
    // on an X server (see CMakeLists). While a screen reader listens, the events come
    // without their time: then the time they reach the program tells a repeat.
    void heldKeyUnderX_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("timed");
        QTest::addColumn<int>("afterHold"); // presses of the button, or the list's row
        QTest::newRow("Return") << int(Qt::Key_Return) << true << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << true << 1;
        QTest::newRow("Return, a screen reader listening") << int(Qt::Key_Return) << false << 1;
        QTest::newRow("Space, a screen reader listening") << int(Qt::Key_Space) << false << 1;
        QTest::newRow("Down in a list") << int(Qt::Key_Down) << true << 16;
    }
    void heldKeyUnderX() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("only X sends a held key so");
        QFETCH(int, key);
        QFETCH(bool, timed);
        QFETCH(int, afterHold);
        forms::WrapButton button(QStringLiteral("Step"));
        forms::ListCombo list;
        for (int row = 0; row < 30; ++row)
            list.addItem(QString::number(row));
        int presses = 0;
        connect(&button, &QPushButton::clicked, [&presses] { ++presses; });
        QWidget* target = key == Qt::Key_Down ? static_cast<QWidget*>(&list) : &button;
        const auto reached = [&] { return target == &list ? list.currentIndex() : presses; };
        quint64 time = 1000;
        const auto send = [target, key, timed, &time](QEvent::Type type, int later) {
            QKeyEvent event(type, key, Qt::NoModifier);
            event.setTimestamp(timed ? time += later : 0);
            if (!timed && later >= 100)
                QTest::qWait(later); // a finger's pace, as it reaches the program
            QApplication::sendEvent(target, &event);
        };
        send(QEvent::KeyPress, 0); // held half a second, repeated thirty times a second
        for (int repeat = 0; repeat < 15; ++repeat) {
            send(QEvent::KeyRelease, repeat ? 33 : 500);
            send(QEvent::KeyPress, 0);
        }
        send(QEvent::KeyRelease, 100);
        QCOMPARE(reached(), afterHold);
        for (int tap = 0; tap < 2; ++tap) {
            send(QEvent::KeyPress, 300);
            send(QEvent::KeyRelease, 100);
        }
        QCOMPARE(reached(), afterHold + 2);
    }

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
