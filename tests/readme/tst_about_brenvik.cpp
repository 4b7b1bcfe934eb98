// The read-me window: where it opens, the texts a slip in which would mislead a user, how
// it closes, and what its links hand to the desktop shell.

#include "forms/fonts.h"
#include "platform/desktop_shell.h"
#include "readme/about_brenvik.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestAboutBrenvik : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void init();
    void cleanup();

    void loadsOnTheMainWindowsCorner();
    void lines_data();
    void lines();
    void closing_data();
    void closing();
    void links_data();
    void links();

private:
    QLabel* label(const char* name) { return about_->findChild<QLabel*>(QLatin1String(name)); }

    std::unique_ptr<QWidget> main_; // stands in for the calculator
    QPointer<AboutBrenvik> about_;
    int afterClose_ = 0;
    QStringList opened_;
    platform::ShellOpener previousOpener_;
};

void TestAboutBrenvik::init() {
    opened_.clear();
    afterClose_ = 0;
    previousOpener_ = platform::setShellOpener([this](const QString& file) { opened_ << file; });
    main_ = std::make_unique<QWidget>();
    main_->move(123, 45);
    about_ = new AboutBrenvik(main_.get(), [this] { ++afterClose_; });
    about_->show();
    QVERIFY(QTest::qWaitForWindowActive(about_));
}

void TestAboutBrenvik::cleanup() {
    delete about_.data();
    main_.reset();
    platform::setShellOpener(previousOpener_);
}

void TestAboutBrenvik::loadsOnTheMainWindowsCorner() {
    QCOMPARE(about_->pos(), QPoint(123, 45));
    QCOMPARE(about_->size(), QSize(490, 616)); // 7350 x 9240 twips
    QCOMPARE(about_->windowTitle(), QStringLiteral("About Brenvik"));
    QCOMPARE(QApplication::focusWidget(), about_->findChild<QPushButton*>("Command3"));
    // The wrapping labels grew to hold their text and overlap nothing below them.
    QVERIFY(label("Label3")->geometry().bottom() < label("LabelTarnholm")->geometry().top());
    QVERIFY(label("Label4")->geometry().bottom() < label("LabelMail")->geometry().top());
}

void TestAboutBrenvik::lines_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("lines"); // joined by CR LF
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* label, int lines, int line,
                        const char* text) {
        QTest::newRow(name) << QString::fromLatin1(label) << lines << line
                            << QString::fromUtf8(text);
    };
    row("disclaimer: as is", "Label1", 3, 1,
        "This free software is provided \"as is\" and without any warranties as to performance "
        "or accuracy or any other warranties whether expressed or implied.");
    row("NEC: empty second line", "Label2", 7, 1, "");
    row("NEC: ambient tables", "Label2", 7, 4,
        "   NEC 2017 Table 310.15(B)(2)(a) / NEC 2020/23 310.15(B)(1)");
    row("NEC: adjustment tables", "Label2", 7, 6,
        "   NEC 2017 Table 310.15(B)(3)(a) / NEC 2020/23 310.15(C)(1)");
    row("limit 14 AWG Cu", "Label3", 9, 1, "- 15 amperes for 14 AWG Copper ");
    row("limit 12 AWG Al", "Label3", 9, 2,
        "- 15 amperes for 12 AWG Aluminum and Copper-Clad Aluminum. ");
    row("limit 12 AWG Cu", "Label3", 9, 3, "- 20 amperes for 12 AWG Copper. ");
    row("limit 10 AWG Al", "Label3", 9, 4,
        "- 25 amperes for 10 AWG Aluminum and Copper-Clad Aluminum. ");
    row("limit 10 AWG Cu", "Label3", 9, 5, "- 30 amperes for 10 AWG Copper. ");
    row("terms: one paragraph", "Label4", 1, 0, nullptr);
    row("copyright to 20 and the major number", "Label5", 1, 0,
        "Copyright © 2017-2025 Tarnholm Inc.");
    row("version: major, minor, revision", "Label6", 1, 0, "Version: 25.1.7");
}

void TestAboutBrenvik::lines() {
    QFETCH(QString, label);
    QFETCH(int, lines);
    QFETCH(int, line);
    QFETCH(QString, text);
    const QStringList shown = this->label(label.toLatin1())->text().split(QStringLiteral("\r\n"));
    QCOMPARE(shown.size(), lines);
    if (!text.isNull())
        QCOMPARE(shown[line], text);
}

void TestAboutBrenvik::closing_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("afterClose"); // the further call on the main window
    QTest::newRow("OK") << "OK" << true << 1;
    QTest::newRow("Escape, as OK") << "Escape" << true << 1;
    QTest::newRow("background click") << "background" << true << 1;
    QTest::newRow("title bar: no further call") << "title bar" << true << 0;
    QTest::newRow("text label click: nothing") << "label" << false << 0;
}

void TestAboutBrenvik::closing() {
    QFETCH(QString, how);
    QFETCH(bool, closed);
    QFETCH(int, afterClose);
    if (how == QLatin1String("OK")) {
        QTest::mouseClick(about_->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    } else if (how == QLatin1String("Escape")) {
        QTest::keyClick(about_, Qt::Key_Escape);
    } else if (how == QLatin1String("background")) {
        const QPoint clear(about_->width() - 3, about_->height() / 2);
        QVERIFY(!about_->childAt(clear));
        QTest::mouseClick(about_, Qt::LeftButton, {}, clear);
    } else if (how == QLatin1String("title bar")) {
        about_->close();
    } else {
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
            QTest::mouseClick(label(name), Qt::LeftButton, {}, QPoint(2, 2));
    }
    QCOMPARE(afterClose_, afterClose);
    QTRY_COMPARE(about_.isNull(), closed); // closed is discarded: the next opening loads it anew
    QVERIFY(opened_.isEmpty());
}

void TestAboutBrenvik::links_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opened");
    QTest::newRow("mail: capital M, no blank") << "LabelMail"
                                               << "Mailto:brenvik@tarnholm.example";
    QTest::newRow("web: the caption unchanged") << "LabelTarnholm"
                                                << "https://www.tarnholm.example";
}

void TestAboutBrenvik::links() {
    QFETCH(QString, link);
    QFETCH(QString, opened);
    QLabel* target = label(link.toLatin1());
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(opened_, QStringList{opened});
    QVERIFY(about_->isVisible()); // the window stays as it was

    // Pressed, then released outside: no click.
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(-4, -4));
    QCOMPARE(opened_.size(), 1);

    // Enter held down: one opening, not one per key repeat.
    for (const bool repeat : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(target, &press);
    }
    QCOMPARE(opened_, (QStringList{opened, opened}));
}

QTEST_MAIN(TestAboutBrenvik)
#include "tst_about_brenvik.moc"
