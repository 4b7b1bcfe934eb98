// The read-me window: the texts a slip in which would mislead a user, how it closes,
// what its links hand to the desktop and what screen readers are told of them.

#include "desktop_recorder.h"
#include "forms/fonts.h"
#include "readme/read_me_window.h"
#include "ui.h"

#include <QFile>
#include <QLabel>

class TestReadMeWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void init() {
        dismissed_ = 0;
        readMe_ = new ReadMeWindow;
        connect(readMe_, &ReadMeWindow::dismissed, this, [this] { ++dismissed_; });
        readMe_->show();
        QVERIFY(QTest::qWaitForWindowActive(readMe_));
    }
    void cleanup() { delete readMe_.data(); }

    void lines_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("line"); // of the lines joined by CR LF
        QTest::addColumn<QString>("text");
        // The build's version, major, minor, an unused third number and revision.
        const QStringList version = QStringLiteral(BRENVIK_PROJECT_VERSION).split('.');
        // clang-format off
        QTest::newRow("ambient tables") << "necNotes" << 4 << "   NEC 2017 Table 310.15(B)(2)(a) / NEC 2020/23 310.15(B)(1)";
        QTest::newRow("adjustment tables") << "necNotes" << 6 << "   NEC 2017 Table 310.15(B)(3)(a) / NEC 2020/23 310.15(C)(1)";
        QTest::newRow("limit 14 AWG Cu") << "smallConductorLimits" << 1 << "- 15 amperes for 14 AWG Copper ";
        QTest::newRow("limit 12 AWG Al") << "smallConductorLimits" << 2 << "- 15 amperes for 12 AWG Aluminum and Copper-Clad Aluminum. ";
        QTest::newRow("limit 12 AWG Cu") << "smallConductorLimits" << 3 << "- 20 amperes for 12 AWG Copper. ";
        QTest::newRow("limit 10 AWG Al") << "smallConductorLimits" << 4 << "- 25 amperes for 10 AWG Aluminum and Copper-Clad Aluminum. ";
        QTest::newRow("limit 10 AWG Cu") << "smallConductorLimits" << 5 << "- 30 amperes for 10 AWG Copper. ";
        QTest::newRow("copyright to 20 and the major") << "copyrightNotice" << 0 << "Copyright © 2017-20" + version[0] + " Tarnholm Inc.";
        QTest::newRow("version: major, minor, revision") << "versionLine" << 0 << "Version: " + QStringList{version[0], version[1], version[3]}.join('.');
        // clang-format on
    }

    void lines() {
        QFETCH(QString, label);
        QFETCH(int, line);
        QFETCH(QString, text);
        QCOMPARE(this->label(label)->text().split(QStringLiteral("\r\n")).value(line), text);
    }

    // The terms the Windows installer asks the user to agree to are the ones this window
    // shows: its disclaimer and terms of use, word for word.
    void termsAsTheInstallerShowsThem() {
        QFile file(QStringLiteral(BRENVIK_WINDOWS_TERMS));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString terms = QString::fromUtf8(file.readAll()).simplified();
        for (const char* name : {"disclaimer", "orderingTerms"})
            for (const QString& line : label(name)->text().split(QStringLiteral("\r\n")))
                QVERIFY2(terms.contains(line.simplified()), qPrintable(line));
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("closes"); // and tells the main window
        QTest::newRow("OK") << "OK" << true;
        QTest::newRow("Escape, as OK") << "Escape" << true;
        QTest::newRow("background click") << "background" << true;
        QTest::newRow("text label click: nothing") << "label" << false;
        QTest::newRow("another key: nothing") << "key" << false;
    }

    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, closes);
        if (how == "OK")
            click(control(readMe_, "okButton"));
        else if (how == "background")
            click(readMe_, QPoint(readMe_->width() - 3, 300));
        else if (how != "label")
            press(how == "Escape" ? Qt::Key_Escape : Qt::Key_A);
        for (const char* text : {"disclaimer", "necNotes", "smallConductorLimits", "orderingTerms",
                                 "copyrightNotice", "versionLine"})
            if (how == "label")
                click(label(text));
        QCOMPARE(dismissed_, int(closes));
        COMPARE_SOON(readMe_.isNull(), closes); // closed, it is discarded
    }

    void links_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("tabs"); // from OK
        QTest::addColumn<QUrl>("opened");
        QTest::addColumn<QString>("name"); // what screen readers call it
        QTest::newRow("mail: a new message to the address")
            << "mailLink" << 1 << QUrl("mailto:brenvik@tarnholm.example")
            << "Send an e-mail to brenvik@tarnholm.example";
        QTest::newRow("web: the caption as it is")
            << "webLink" << 2 << QUrl("https://www.tarnholm.example")
            << "Visit the web site https://www.tarnholm.example";
    }

    // What the desktop gets from a click, from Enter (once while it is held) and from a
    // screen reader's press; a press released outside the link is no click. A screen
    // reader can move the focus to a link.
    void links() {
        QFETCH(QString, link);
        QFETCH(int, tabs);
        QFETCH(QUrl, opened);
        QFETCH(QString, name);
        DesktopRecorder desktop;
        click(label(link));
        QCOMPARE(desktop.opened, QList{opened});
        QVERIFY(readMe_->isVisible()); // the window stays as it was
        QTest::mousePress(readMe_->windowHandle(), Qt::LeftButton, {}, centreInWindow(label(link)));
        QTest::mouseRelease(readMe_->windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
        const QImage unfocused = label(link)->grab().toImage();
        press(Qt::Key_Tab, {}, tabs);
        QCOMPARE(focused(), link);
        const QImage framed = label(link)->grab().toImage();
        int changed = 0; // pixels the focus frame changed, around the link
        for (int y = 0; y < framed.height(); ++y)
            for (int x = 0; x < framed.width(); ++x)
                changed += framed.pixel(x, y) != unfocused.pixel(x, y);
        QVERIFY(changed > framed.width());
        hold(Qt::Key_Return, {}, 2);
        byScreenReader(label(link));
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label(link));
        QCOMPARE(desktop.opened, (QList{opened, opened, opened}));
        QCOMPARE(reader->role(), QAccessible::Link);
        QCOMPARE(reader->text(QAccessible::Name), name);
        QCOMPARE(reader->text(QAccessible::Value), label(link)->text());
        press(Qt::Key_Tab); // away from the link, and back at a screen reader's word
        byScreenReader(label(link), QAccessibleActionInterface::setFocusAction());
        QCOMPARE(focused(), link);
    }

private:
    QLabel* label(const QString& name) { return control<QLabel>(readMe_, qPrintable(name)); }

    QPointer<ReadMeWindow> readMe_;
    int dismissed_ = 0;
};

QTEST_MAIN(TestReadMeWindow)
#include "tst_read_me_window.moc"
