// What a keyboard or screen-reader user gets: accessible names and values for every
// control that takes the focus, and a whole session driven by keys alone.

#include "calculator/ampacity.h"
#include "forms/fonts.h"
#include "platform/desktop_shell.h"
#include "readme/about_brenvik.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return interface;
}

QString nameOf(QWidget* widget) {
    return accessible(widget)->text(QAccessible::Name);
}

// Presses a key where the keyboard focus is, as a user does.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            qFatal("no focus");
        QTest::keyClick(focus, key, modifiers);
    }
}

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

AboutBrenvik* openReadMe() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<AboutBrenvik*>(top); about && about->isVisible())
            return about;
    return nullptr;
}

} // namespace

class TestKeyboardAccess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void init();
    void cleanup();

    void names_data();
    void names();
    void listsAndBoxSayWhatTheyHold();
    void twoLineCaptionsReadAsOnePhrase();
    void blankCountButtonKeepsItsName();
    void readMeLinks();
    void keyboardOnlySession();

private:
    template <typename T = QWidget> T* control(const char* name) {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    std::unique_ptr<Ampacity> window_;
    QStringList opened_;
    platform::ShellOpener previousOpener_;
};

void TestKeyboardAccess::init() {
    opened_.clear();
    previousOpener_ = platform::setShellOpener([this](const QString& file) { opened_ << file; });
    window_ = std::make_unique<Ampacity>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_COMPARE(control<QComboBox>("ComAM")->currentIndex(), 0);
}

void TestKeyboardAccess::cleanup() {
    window_.reset();
    platform::setShellOpener(previousOpener_);
}

void TestKeyboardAccess::names_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("material") << "MaterCmnd"
                              << "CU" << QAccessible::Button;
    QTest::newRow("installation") << "CondCmnd"
                                  << "Raceway or Cable" << QAccessible::Button;
    QTest::newRow("insulation") << "TempCmnd"
                                << "Insulation 60\u00B0C (140\u00B0F)" << QAccessible::Button;
    QTest::newRow("ambient, blanks folded")
        << "AmbCmnd"
        << "Ambient Temperature 26-30\u00B0C (78-86\u00B0F)" << QAccessible::Button;
    QTest::newRow("count, blanks folded") << "NoOfWCmd"
                                          << "Number of conductors 1-3" << QAccessible::Button;
    QTest::newRow("read me") << "AboutCmd"
                             << "READ ME" << QAccessible::Button;
    QTest::newRow("exit") << "ExitCmd"
                          << "EXIT" << QAccessible::Button;
}

void TestKeyboardAccess::names() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QWidget* widget = window_->findChild<QWidget*>(control);
    QCOMPARE(nameOf(widget), name);
    QCOMPARE(accessible(widget)->role(), role);
    QVERIFY(widget->focusPolicy() & Qt::TabFocus);
}

void TestKeyboardAccess::listsAndBoxSayWhatTheyHold() {
    // A list is named by its accessible name, and on Linux by the label it is buddy of.
    for (const auto& [list, name] :
         {std::pair{"ComWS", "Conductor size"}, std::pair{"ComAM", "Table ampacity"}}) {
        QCOMPARE(control(list)->accessibleName(), QString::fromLatin1(name));
        QAccessibleInterface* combo = accessible(control(list));
        QCOMPARE(combo->role(), QAccessible::ComboBox);
        const auto labels = combo->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QString::fromLatin1(name));
    }
    QCOMPARE(accessible(control("ComWS"))->text(QAccessible::Value), QStringLiteral("     14 AWG"));
    QCOMPARE(accessible(control("ComAM"))->text(QAccessible::Value), QStringLiteral("   15A"));
    control<QPushButton>("AmbCmnd")->click();
    QWidget* box = control("CorectAmpacity");
    QCOMPARE(nameOf(box), QStringLiteral("Corrected ampacity"));
    QCOMPARE(accessible(box)->text(QAccessible::Value),
             QStringLiteral("=13.65 A  (I \u00D7 0.91)"));
}

void TestKeyboardAccess::twoLineCaptionsReadAsOnePhrase() {
    control<QPushButton>("AmbCmnd")->click();
    QCOMPARE(nameOf(control("AmbCmnd")), QStringLiteral("Ambient 31-35\u00B0C (87-95\u00B0F)"));
    control<QPushButton>("NoOfWCmd")->click();
    QCOMPARE(nameOf(control("NoOfWCmd")), QStringLiteral("Number of conductors 4-6"));
}

void TestKeyboardAccess::blankCountButtonKeepsItsName() {
    control<QPushButton>("CondCmnd")->click();
    QCOMPARE(control<QPushButton>("NoOfWCmd")->text(), QString());
    QCOMPARE(nameOf(control("NoOfWCmd")), QStringLiteral("Number of conductors"));
    QVERIFY(accessible(control("NoOfWCmd"))->state().disabled);
}

void TestKeyboardAccess::readMeLinks() {
    window_->AboutCmd_Click();
    AboutBrenvik* about = openReadMe();
    QVERIFY(about);
    auto* mail = about->findChild<QWidget*>(QStringLiteral("LabelMail"));
    auto* web = about->findChild<QWidget*>(QStringLiteral("LabelTarnholm"));
    QCOMPARE(accessible(mail)->role(), QAccessible::Link);
    QCOMPARE(nameOf(mail), QStringLiteral("Send an e-mail to brenvik@tarnholm.example"));
    QCOMPARE(nameOf(web), QStringLiteral("Visit the web site https://www.tarnholm.example"));
    accessible(web)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(opened_, QStringList{QStringLiteral("https://www.tarnholm.example")});
    QCOMPARE(nameOf(about->findChild<QWidget*>(QStringLiteral("Command3"))), QStringLiteral("OK"));
}

// Aluminum, 90 °C, free air, 4/0 AWG with an ambient correction, the read-me window and
// its mail link, and EXIT, all from the keyboard.
void TestKeyboardAccess::keyboardOnlySession() {
    QCOMPARE(focused(), QStringLiteral("MaterCmnd"));
    press(Qt::Key_Space); // aluminum; the size list takes the focus
    QCOMPARE(focused(), QStringLiteral("ComWS"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), QStringLiteral("TempCmnd"));
    press(Qt::Key_Return, Qt::NoModifier, 2); // 75 °C, then 90 °C
    QTRY_COMPARE(window_->TempSel, 1);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), QStringLiteral("CondCmnd"));
    press(Qt::Key_Space); // free air; the size list takes the focus
    QCOMPARE(focused(), QStringLiteral("ComWS"));
    press(Qt::Key_Down, Qt::NoModifier, 11); // 12 AWG + 11 rows: 4/0 AWG
    // A user's next key comes after a tick or more: the ampacity list has followed.
    QTRY_COMPARE(control<QComboBox>("ComAM")->currentText(), QStringLiteral("  315 A"));
    press(Qt::Key_Tab, Qt::NoModifier, 2); // through the ampacity list, which then drives
    QCOMPARE(focused(), QStringLiteral("AmbCmnd"));
    press(Qt::Key_Space); // 31-35 °C
    QCOMPARE(control<QComboBox>("ComWS")->currentText(), QStringLiteral("   4/0 AWG"));
    QCOMPARE(window_->MaterSel, 1);
    QCOMPARE(window_->CondSel, 1);
    QTRY_COMPARE(control<QLineEdit>("CorectAmpacity")->text(),
                 QStringLiteral("=302.4 A  (I \u00D7 0.96)"));
    QVERIFY(control("CorectAmpacity")->isVisible());

    press(Qt::Key_Tab); // the count button is disabled in free air: skipped
    QCOMPARE(focused(), QStringLiteral("AboutCmd"));
    press(Qt::Key_Enter);
    AboutBrenvik* about = nullptr;
    QTRY_VERIFY((about = openReadMe()) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(focused(), QStringLiteral("Command3"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("LabelMail"));
    press(Qt::Key_Return);
    QCOMPARE(opened_, QStringList{QStringLiteral("Mailto:brenvik@tarnholm.example")});
    press(Qt::Key_Escape); // closes the read-me window, back to the calculator
    QTRY_VERIFY(!openReadMe());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(focused(), QStringLiteral("AboutCmd"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("ExitCmd"));
    press(Qt::Key_Space);
    QVERIFY(!window_->isVisible());
}

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
