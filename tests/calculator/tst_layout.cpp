// The main window as built: every control where the layout puts it, with its caption,
// font, colours, visibility and keyboard order, and the window's own properties.

#include "calculator/ampacity.h"
#include "forms/fonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

QString captionOf(const QWidget* widget) {
    if (auto* button = qobject_cast<const QPushButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

// A widget's rectangle in the window's client area, in twips.
QRect twipsInWindow(const QWidget* widget, const QWidget* window) {
    const QPoint origin = widget->mapTo(window, QPoint(0, 0));
    return QRect(origin * 15, widget->size() * 15);
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void init() { window_ = std::make_unique<Ampacity>(); }
    void cleanup() { window_.reset(); }

    void control_data();
    void control();
    void stackingOrder();
    void tabOrder();
    void timers();
    void window();
    void fonts();
    void hiddenLabelsNeverShow();

private:
    std::unique_ptr<Ampacity> window_;
};

void TestLayout::control_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("visible");
    const auto row = [](const char* name, const char* caption, QRect twips, bool visible = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption) << twips
                            << visible;
    };
    row("ExitCmd", "EXIT", {6360, 2000, 720, 315});
    row("CorectAmpacity", "=15A (I \u00D7 1 \u00D7 1)", {3135, 2000, 1950, 315}, false);
    row("NoOfWCmd", " Number of conductors     1-3", {5160, 1200, 1924, 636});
    row("AmbCmnd", "Ambient Temperature   26-30\u00B0C\u00A0(78-86\u00B0F)",
        {3135, 1200, 1950, 636});
    row("TempCmnd", "Insulation 60\u00B0C\u00A0(140\u00B0F)", {1620, 1200, 1248, 636});
    row("CondCmnd", "Raceway or\u00A0Cable", {660, 1200, 852, 636});
    row("MaterCmnd", "CU", {156, 1200, 432, 636});
    row("ComAM", "", {1608, 2000, 1248, 315});
    row("ComWS", "", {165, 2000, 1344, 315});
    row("Frame2", "Ampacity with correction factors applied", {3060, 960, 4095, 1500});
    row("AboutCmd", "READ ME", {5160, 2000, 1095, 315}); // inside Frame2 at 2100, 1040
    row("Frame1", "Select conductor and table", {84, 960, 2892, 1500});
    row("Label2",
        "Ampacities of Insulated Conductors Rated Up to and Including 2000 Volts, Not More Than "
        "Three Current-Carrying Conductors in Raceway, Cable, or Earth (Directly Buried), Based on "
        "Ambient Temperature of 30\u00B0C (86\u00B0F)",
        {120, 315, 7095, 615});
    row("Label1", "Table 310.15(B)(16) / Table 310.16", {120, 45, 3015, 195});
    row("TiCom2", "HiddenProcedure2", {3840, 2760, 1524, 264}, false);
    row("TiCom1", "HiddenProcedure1", {2280, 2688, 1440, 264}, false);
}

void TestLayout::control() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(bool, visible);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    auto* widget = window_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->isVisible(), visible);
    // Each edge within half a pixel (7.5 twips) of where the layout puts it.
    const QRect actual = twipsInWindow(widget, window_.get());
    const auto near = [](int a, int b) { return std::abs(a - b) <= 7; };
    QVERIFY2(near(actual.left(), twips.left()) && near(actual.top(), twips.top()) &&
                 near(actual.left() + actual.width(), twips.left() + twips.width()) &&
                 near(actual.top() + actual.height(), twips.top() + twips.height()),
             qPrintable(QStringLiteral("%1: %2,%3 %4x%5 twips")
                            .arg(name)
                            .arg(actual.left())
                            .arg(actual.top())
                            .arg(actual.width())
                            .arg(actual.height())));
}

// Controls listed first are drawn in front: the buttons and lists over the frames.
void TestLayout::stackingOrder() {
    const QObjectList children = window_->children();
    const auto position = [&](const char* name) {
        return children.indexOf(window_->findChild<QWidget*>(QString::fromLatin1(name)));
    };
    QVERIFY(position("MaterCmnd") > position("Frame1"));
    QVERIFY(position("ComWS") > position("Frame1"));
    QVERIFY(position("ExitCmd") > position("Frame2"));
    QVERIFY(position("CorectAmpacity") > position("Frame2"));
    QVERIFY(position("ExitCmd") > position("CorectAmpacity"));
    QCOMPARE(window_->findChild<QWidget*>(QStringLiteral("AboutCmd"))->parentWidget()->objectName(),
             QStringLiteral("Frame2"));
}

void TestLayout::tabOrder() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("MaterCmnd"));
    const QStringList expected = {"CondCmnd", "TempCmnd", "ComWS",   "ComAM",    "AmbCmnd",
                                  "NoOfWCmd", "AboutCmd", "ExitCmd", "MaterCmnd"};
    for (const QString& name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    for (const char* name : {"Label1", "Label2", "Frame1", "Frame2"})
        QCOMPARE(window_->findChild<QWidget*>(QString::fromLatin1(name))->focusPolicy(),
                 Qt::NoFocus);
}

void TestLayout::timers() {
    auto* timer1 = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* timer2 = window_->findChild<QTimer*>(QStringLiteral("Timer2"));
    QVERIFY(timer1 && timer2);
    QCOMPARE(timer1->interval(), 50);
    QCOMPARE(timer2->interval(), 50);
    QVERIFY(timer1->isActive());
    QVERIFY(!timer2->isActive());
}

void TestLayout::window() {
    QCOMPARE(window_->objectName(), QStringLiteral("Ampacity"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("NEC 2017-2023 Brenvik"));
    QCOMPARE(window_->size(), QSize(485, 174)); // 7275 x 2610 twips
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(224, 224, 224));
    for (const char* label : {"Label1", "Label2"})
        QVERIFY(!window_->findChild<QWidget*>(QString::fromLatin1(label))->autoFillBackground());
    const auto colour = [&](const char* name, QPalette::ColorRole role) {
        return window_->findChild<QWidget*>(QString::fromLatin1(name))->palette().color(role);
    };
    QCOMPARE(colour("Label2", QPalette::WindowText), QColor(75, 75, 75));
    QCOMPARE(colour("ComWS", QPalette::ButtonText), QColor(128, 0, 0));
    QCOMPARE(colour("ComAM", QPalette::ButtonText), QColor(128, 0, 0));
    QCOMPARE(colour("CorectAmpacity", QPalette::Text), QColor(128, 0, 0));
}

void TestLayout::fonts() {
    const auto font = [&](const char* name) {
        return window_->findChild<QWidget*>(QString::fromLatin1(name))->font();
    };
    for (const char* name :
         {"MaterCmnd", "AmbCmnd", "ComWS", "CorectAmpacity", "Label2", "Frame1"}) {
        QCOMPARE(font(name).family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font(name).pointSizeF(), 8.25);
        QVERIFY(!font(name).bold() && !font(name).italic() && !font(name).underline());
    }
    for (const char* name : {"ExitCmd", "AboutCmd", "Label1"}) {
        QCOMPARE(font(name).family(), QStringLiteral("Arial"));
        QCOMPARE(font(name).pointSizeF(), 9.0);
    }
    // Whatever the machine has, the faces resolve to real fonts, not a fallback box.
    QVERIFY(QFontInfo(font("ExitCmd")).exactMatch() ||
            QFontInfo(font("ExitCmd")).family() == QStringLiteral("Liberation Sans"));
}

void TestLayout::hiddenLabelsNeverShow() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    for (const char* name : {"TiCom1", "TiCom2"}) {
        auto* label = window_->findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY(!label->isVisible());
        QVERIFY(label->y() >= window_->height()); // below the client area
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
