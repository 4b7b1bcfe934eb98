// Twips as pixels, and the command button's caption, checked on the rendered pixels
// against the caption broken by hand: wrapped at word boundaries, CR LF as one line
// break, no-break spaces holding their words together.

#include "forms/fonts.h"
#include "forms/form_builder.h"
#include "forms/list_combo.h"
#include "forms/wrap_button.h"

#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <memory>

namespace {

QImage render(const QString& caption, int width) {
    forms::WrapButton button(caption);
    button.setFont(forms::toFont({})); // the windows' MS Sans Serif 8.25 pt
    button.resize(width, 42);
    return button.grab().toImage();
}

QImage renderList(const QString& row, int width) {
    forms::ListCombo list;
    list.setFont(forms::toFont({}));
    list.addItem(row);
    list.resize(width, 21);
    return list.grab().toImage();
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
        QPalette red = button.palette();
        red.setColor(QPalette::ButtonText, Qt::red);
        button.setPalette(red);
        button.setFont(forms::toFont({}));
        button.resize(40, 30);
        const auto caption = [&button] {
            const QImage image = button.grab().toImage();
            QRect inked;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    inked |= qRed(image.pixel(x, y)) - qGreen(image.pixel(x, y)) > 96
                                 ? QRect(x, y, 1, 1) // red ink, smoothed or not
                                 : QRect();
            return inked.topLeft();
        };
        const QPoint up = caption();
        QVERIFY(up != QPoint()); // some ink, inside the bevel
        button.setDown(true);
        QCOMPARE(caption() - up, QPoint(1, 1));
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
        QCOMPARE(renderList("    1000 MCM", width) == renderList("1000 MCM", width), trimmed);
    }

    void lines() {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(QString, sameAs);
        QCOMPARE(render(caption, width), render(sameAs, width));
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
