// Twips as pixels, the light desktop's colours, and the command button's caption, checked
// on the rendered pixels against the caption broken by hand: wrapped at word boundaries,
// CR LF as one line break, no-break spaces holding their words together.

#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/form_builder.h"
#include "forms/wrap_button.h"

#include <QApplication>
#include <QTest>

namespace {

QImage render(const QString& caption, int width) {
    forms::WrapButton button(caption);
    button.setFont(forms::toFont({})); // the windows' MS Sans Serif 8.25 pt
    button.resize(width, 42);
    return button.grab().toImage();
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

    // A control with fixed colours shows Qt's own light desktop (the palette this platform
    // gives) in every colour it does not fix, but for a darker disabled text.
    void lightPalette() {
        const QPalette qt = QApplication::palette(), ours = forms::lightPalette();
        QStringList differ;
        for (int group = 0; group < QPalette::NColorGroups; ++group)
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto g = QPalette::ColorGroup(group);
                const auto r = QPalette::ColorRole(role);
                const bool text =
                    r == QPalette::Text || r == QPalette::ButtonText || r == QPalette::WindowText;
                if (qt.color(g, r) != ours.color(g, r) && !(g == QPalette::Disabled && text))
                    differ << QStringLiteral("group %1 role %2").arg(group).arg(role);
            }
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join(", ")));
    }

    // Each edge rounded to the nearest pixel, so that neighbours stay flush.
    void twipsToPixels() {
        QCOMPARE(forms::toPixels({165, 2000, 1344, 315}), QRect(11, 133, 90, 21));
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
