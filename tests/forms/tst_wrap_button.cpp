// The command button's caption: wrapped at word boundaries, CR LF as one line break,
// no-break spaces holding their words together. Checked on the rendered pixels.

#include "forms/fonts.h"
#include "forms/form_builder.h"
#include "forms/wrap_button.h"

#include <QImage>
#include <QTest>

namespace {

QImage render(const QString& caption, QSize size) {
    forms::WrapButton button(caption);
    button.setFont(forms::toFont({})); // the windows' MS Sans Serif 8.25 pt
    button.resize(size);
    return button.grab().toImage();
}

// Horizontal bands of rows that hold caption pixels (dark on the light button face),
// ignoring the bevel at the edges.
int textLines(const QImage& image) {
    int lines = 0;
    bool inLine = false;
    for (int y = 3; y < image.height() - 3; ++y) {
        bool dark = false;
        for (int x = 3; x < image.width() - 3 && !dark; ++x)
            dark = qGray(image.pixel(x, y)) < 110;
        if (dark && !inLine)
            ++lines;
        inLine = dark;
    }
    return lines;
}

} // namespace

class TestWrapButton : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void lines_data();
    void lines();
    void crLfIsOneLineBreak();
    void noBreakSpaceKeepsWordsTogether();
    void textKeepsTheCaptionExactly();
};

void TestWrapButton::lines_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("lines");
    QTest::newRow("short caption: one line") << "CU" << QSize(29, 42) << 1;
    QTest::newRow("two-line caption")
        << "Ambient\r\n36-40\u00B0C\u00A0(96-104\u00B0F)" << QSize(130, 42) << 2;
    QTest::newRow("long caption wraps")
        << "Ambient Temperature   26-30\u00B0C\u00A0(78-86\u00B0F)" << QSize(130, 42) << 2;
    QTest::newRow("wide button: no wrap") << "Ambient Temperature" << QSize(300, 42) << 1;
    QTest::newRow("empty caption") << "" << QSize(128, 42) << 0;
}

void TestWrapButton::lines() {
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(int, lines);
    QCOMPARE(textLines(render(caption, size)), lines);
}

void TestWrapButton::crLfIsOneLineBreak() {
    const QSize size(130, 42);
    QCOMPARE(render(QStringLiteral("Number of conductors\r\n1-3"), size),
             render(QStringLiteral("Number of conductors\n1-3"), size));
}

void TestWrapButton::noBreakSpaceKeepsWordsTogether() {
    const QFontMetrics metrics(forms::toFont({}));
    // Wide enough for "Raceway or" but not for the whole caption.
    const QSize size(metrics.horizontalAdvance(QStringLiteral("Raceway or")) + 16, 42);
    const QImage withNbsp = render(QStringLiteral("Raceway or\u00A0Cable"), size);
    QCOMPARE(withNbsp, render(QStringLiteral("Raceway\nor\u00A0Cable"), size));
    QCOMPARE(render(QStringLiteral("Raceway or Cable"), size),
             render(QStringLiteral("Raceway or\nCable"), size));
    QVERIFY(withNbsp != render(QStringLiteral("Raceway or Cable"), size));
}

void TestWrapButton::textKeepsTheCaptionExactly() {
    forms::WrapButton button(QStringLiteral("Ambient\r\n26-30\u00B0C\u00A0(78-86\u00B0F)"));
    QCOMPARE(button.text(), QStringLiteral("Ambient\r\n26-30\u00B0C\u00A0(78-86\u00B0F)"));
}

QTEST_MAIN(TestWrapButton)
#include "tst_wrap_button.moc"
