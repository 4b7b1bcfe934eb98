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
    void initTestCase() {
        forms::loadFonts();
        platform::setShellOpener([this](const QString& file) { opened_ << file; });
    }

    void init() {
        opened_.clear();
        afterClose_ = 0;
        main_ = std::make_unique<QWidget>();
        main_->move(123, 45);
        about_ = new AboutBrenvik(main_.get(), [this] { ++afterClose_; });
        about_->show();
        QVERIFY(QTest::qWaitForWindowActive(about_));
    }

    void cleanup() {
        delete about_.data();
        main_.reset();
    }

    // The wrapping labels grew to hold their text and overlap nothing below them.
    void labelsGrowDownward() {
        QVERIFY(label("Label3")->geometry().bottom() < label("LabelTarnholm")->geometry().top());
        QVERIFY(label("Label4")->geometry().bottom() < label("LabelMail")->geometry().top());
    }

    void lines_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("line"); // of the lines joined by CR LF
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("ambient tables") << "Label2" << 4 << "   NEC 2017 Table 310.15(B)(2)(a) / NEC 2020/23 310.15(B)(1)";
        QTest::newRow("adjustment tables") << "Label2" << 6 << "   NEC 2017 Table 310.15(B)(3)(a) / NEC 2020/23 310.15(C)(1)";
        QTest::newRow("limit 14 AWG Cu") << "Label3" << 1 << "- 15 amperes for 14 AWG Copper ";
        QTest::newRow("limit 12 AWG Al") << "Label3" << 2 << "- 15 amperes for 12 AWG Aluminum and Copper-Clad Aluminum. ";
        QTest::newRow("limit 12 AWG Cu") << "Label3" << 3 << "- 20 amperes for 12 AWG Copper. ";
        QTest::newRow("limit 10 AWG Al") << "Label3" << 4 << "- 25 amperes for 10 AWG Aluminum and Copper-Clad Aluminum. ";
        QTest::newRow("limit 10 AWG Cu") << "Label3" << 5 << "- 30 amperes for 10 AWG Copper. ";
        QTest::newRow("copyright to 20 and the major") << "Label5" << 0 << "Copyright © 2017-2025 Tarnholm Inc.";
        QTest::newRow("version: major, minor, revision") << "Label6" << 0 << "Version: 25.1.7";
        // clang-format on
    }

    void lines() {
        QFETCH(QString, label);
        QFETCH(int, line);
        QFETCH(QString, text);
        QCOMPARE(this->label(label)->text().split(QStringLiteral("\r\n")).value(line), text);
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("afterClose"); // the further call on the main window; -1: stays open
        QTest::newRow("OK") << "OK" << 1;
        QTest::newRow("Escape, as OK") << "Escape" << 1;
        QTest::newRow("background click") << "background" << 1;
        QTest::newRow("title bar: no further call") << "title bar" << 0;
        QTest::newRow("text label click: nothing") << "label" << -1;
    }

    void closing() {
        QFETCH(QString, how);
        QFETCH(int, afterClose);
        if (how == "OK")
            QTest::mouseClick(about_->findChild<QPushButton*>("Command3"), Qt::LeftButton);
        else if (how == "Escape")
            QTest::keyClick(about_, Qt::Key_Escape);
        else if (how == "background")
            QTest::mouseClick(about_, Qt::LeftButton, {}, QPoint(about_->width() - 3, 300));
        else if (how == "title bar")
            about_->close();
        for (int n = 1; how == "label" && n <= 6; ++n)
            QTest::mouseClick(label(QStringLiteral("Label%1").arg(n)), Qt::LeftButton, {},
                              QPoint(2, 2));
        QCOMPARE(afterClose_, qMax(afterClose, 0));
        QTRY_COMPARE(about_.isNull(), afterClose >= 0); // closed, it is discarded
    }

    void links_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened");
        QTest::newRow("mail: capital M, no blank") << "LabelMail"
                                                   << "Mailto:brenvik@tarnholm.example";
        QTest::newRow("web: the caption as it is") << "LabelTarnholm"
                                                   << "https://www.tarnholm.example";
    }

    void links() {
        QFETCH(QString, link);
        QFETCH(QString, opened);
        QTest::mouseClick(label(link), Qt::LeftButton);
        QCOMPARE(opened_, QStringList{opened});
        QVERIFY(about_->isVisible()); // the window stays as it was
        QTest::mousePress(label(link), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(label(link), Qt::LeftButton, {}, QPoint(-4, -4)); // released outside
        for (const bool repeat : {false, true, true}) { // Enter held down: opens once
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(label(link), &press);
        }
        QCOMPARE(opened_, (QStringList{opened, opened}));
    }

private:
    QLabel* label(const QString& name) { return about_->findChild<QLabel*>(name); }

    std::unique_ptr<QWidget> main_; // stands in for the calculator
    QPointer<AboutBrenvik> about_;
    int afterClose_ = 0;
    QStringList opened_;
};

QTEST_MAIN(TestAboutBrenvik)
#include "tst_about_brenvik.moc"
