// The read-me window: opened by "READ ME", its texts, how it closes and what its links
// hand to the desktop shell.

#include "calculator/ampacity.h"
#include "forms/fonts.h"
#include "platform/desktop_shell.h"
#include "readme/about_brenvik.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

QList<AboutBrenvik*> openReadMes() {
    QList<AboutBrenvik*> open;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<AboutBrenvik*>(top); about && about->isVisible())
            open.append(about);
    return open;
}

QString text(QWidget* window, const char* label) {
    return window->findChild<QLabel*>(QString::fromLatin1(label))->text();
}

// A point of the window's background, clear of every label and the button.
QPoint backgroundPoint(QWidget* window) {
    const QPoint point(window->width() - 3, window->height() / 2);
    if (window->childAt(point))
        qFatal("the background point is covered");
    return point;
}

} // namespace

class TestAboutBrenvik : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::loadFonts(); }
    void init();
    void cleanup();

    void twoClicksOpenOneWindow();
    void opensOnTheMainWindowsCorner();
    void texts_data();
    void texts();
    void versionAndCopyright();
    void looksOfTheLinks();
    void okClosesAndCallsBack();
    void backgroundClickClosesAndCallsBack();
    void labelClickDoesNothing();
    void titleBarCloseSkipsTheCallBack();
    void linksHandTheShellTheirText_data();
    void linksHandTheShellTheirText();
    void exitClosesBothWindows();

private:
    std::unique_ptr<Ampacity> main_;
    QStringList opened_;
    platform::ShellOpener previousOpener_;
};

void TestAboutBrenvik::init() {
    opened_.clear();
    previousOpener_ = platform::setShellOpener([this](const QString& file) { opened_ << file; });
    main_ = std::make_unique<Ampacity>();
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
}

void TestAboutBrenvik::cleanup() {
    main_.reset();
    platform::setShellOpener(previousOpener_);
    QTest::qWait(0);
    QVERIFY(openReadMes().isEmpty());
}

void TestAboutBrenvik::twoClicksOpenOneWindow() {
    auto* readMe = main_->findChild<QPushButton*>(QStringLiteral("AboutCmd"));
    QTest::mouseClick(readMe, Qt::LeftButton);
    QCOMPARE(openReadMes().size(), 1);
    AboutBrenvik* first = openReadMes().first();
    const QPoint where = first->pos();
    main_->move(main_->pos() + QPoint(40, 30));
    QTest::mouseClick(readMe, Qt::LeftButton);
    QCOMPARE(openReadMes().size(), 1);
    QCOMPARE(openReadMes().first(), first);
    QCOMPARE(first->pos(), where); // brought forward, not loaded again
}

void TestAboutBrenvik::opensOnTheMainWindowsCorner() {
    main_->move(123, 45);
    main_->AboutCmd_Click();
    QCOMPARE(openReadMes().first()->pos(), QPoint(123, 45));
    openReadMes().first()->Command3_Click();
    QTest::qWait(0);
    main_->move(60, 70);
    main_->AboutCmd_Click();
    QCOMPARE(openReadMes().first()->pos(), QPoint(60, 70));
    QCOMPARE(openReadMes().first()->size(), QSize(490, 616)); // 7350 x 9240 twips
    QCOMPARE(openReadMes().first()->windowTitle(), QStringLiteral("About Brenvik"));
}

void TestAboutBrenvik::texts_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("disclaimer")
        << "Label1"
        << "Information provided by this software shall be used with all applicable code rules "
           "and any other regulations imposed by authority having jurisdiction.\r\nThis free "
           "software is provided \"as is\" and without any warranties as to performance or "
           "accuracy or any other warranties whether expressed or implied.\r\nThe user must "
           "assume the entire risk of using the program.";
    QTest::newRow("NEC notes, empty second line, indented lines")
        << "Label2"
        << "This application conforms to 2017 to 2023 NEC. The ampacity values and applicable "
           "correction factors are identical in all editions only the referenced table numbers "
           "have changed.\r\n\r\nThe following correction tables have been incorporated in the "
           "calculator\r\n- Ambient Temperature Correction Factors Based on 30\u00B0C "
           "(86\u00B0F)\r\n   NEC 2017 Table 310.15(B)(2)(a) / NEC 2020/23 310.15(B)(1)\r\n- "
           "Adjustment Factors for More Than Three Current-Carrying Conductors\r\n   NEC 2017 "
           "Table 310.15(B)(3)(a) / NEC 2020/23 310.15(C)(1)";
    QTest::newRow("small conductors, trailing blanks kept")
        << "Label3"
        << "As per 240.4 (D) Protection of Small Conductors. Unless specifically permitted in "
           "240.4(E) or (G), the overcurrent protection shall not exceed: \r\n- 15 amperes for "
           "14 AWG Copper \r\n- 15 amperes for 12 AWG Aluminum and Copper-Clad Aluminum. \r\n- "
           "20 amperes for 12 AWG Copper. \r\n- 25 amperes for 10 AWG Aluminum and Copper-Clad "
           "Aluminum. \r\n- 30 amperes for 10 AWG Copper. \r\nAfter any correction factors for "
           "ambient temperature and number of conductors have been applied. \r\n\r\nTo check "
           "for updates or other usefull tools please visit Tarnholm Inc. website:";
    QTest::newRow("mail link") << "LabelMail"
                               << "brenvik@tarnholm.example";
    QTest::newRow("web link") << "LabelTarnholm"
                              << "https://www.tarnholm.example";
}

void TestAboutBrenvik::texts() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    main_->AboutCmd_Click();
    QCOMPARE(::text(openReadMes().first(), label.toLatin1().constData()), text);
}

void TestAboutBrenvik::versionAndCopyright() {
    main_->AboutCmd_Click();
    AboutBrenvik* about = openReadMes().first();
    QCOMPARE(text(about, "Label6"), QStringLiteral("Version: 25.1.7"));
    QVERIFY(text(about, "Label5").contains(QLatin1String("-2025 Tarnholm Inc.")));
    QVERIFY(!text(about, "Label4").isEmpty());
    QVERIFY(!text(about, "Label4").contains(QLatin1Char('\n')));
    // The wrapping labels grew to hold their text and overlap nothing below them.
    auto* limits = about->findChild<QLabel*>(QStringLiteral("Label3"));
    auto* web = about->findChild<QLabel*>(QStringLiteral("LabelTarnholm"));
    QVERIFY(limits->height() >= 9 * limits->fontMetrics().lineSpacing());
    QVERIFY(limits->geometry().bottom() < web->geometry().top());
    auto* terms = about->findChild<QLabel*>(QStringLiteral("Label4"));
    auto* mail = about->findChild<QLabel*>(QStringLiteral("LabelMail"));
    QVERIFY(terms->geometry().bottom() < mail->geometry().top());
}

void TestAboutBrenvik::looksOfTheLinks() {
    main_->AboutCmd_Click();
    AboutBrenvik* about = openReadMes().first();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command3"));
    for (const char* name : {"LabelMail", "LabelTarnholm"}) {
        auto* link = about->findChild<QLabel*>(QString::fromLatin1(name));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText),
                 link->palette().color(QPalette::Highlight));
    }
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label1"))->cursor().shape(),
             Qt::ArrowCursor);
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->windowIcon().cacheKey() != 0, true);
    QVERIFY(about->windowIcon().availableSizes().contains(QSize(32, 32)));
}

void TestAboutBrenvik::okClosesAndCallsBack() {
    int calls = 0;
    auto* about = new AboutBrenvik(main_.get(), [&] { ++calls; });
    about->show();
    QPointer<AboutBrenvik> watch(about);
    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(calls, 1);
    QVERIFY(!about->isVisible());
    QTRY_VERIFY(!watch); // discarded
}

void TestAboutBrenvik::backgroundClickClosesAndCallsBack() {
    int calls = 0;
    auto* about = new AboutBrenvik(main_.get(), [&] { ++calls; });
    about->show();
    QTest::mouseClick(about, Qt::LeftButton, {}, backgroundPoint(about));
    QCOMPARE(calls, 1);
    QVERIFY(!about->isVisible());
}

void TestAboutBrenvik::labelClickDoesNothing() {
    int calls = 0;
    auto* about = new AboutBrenvik(main_.get(), [&] { ++calls; });
    about->show();
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
        QTest::mouseClick(about->findChild<QLabel*>(QString::fromLatin1(name)), Qt::LeftButton, {},
                          QPoint(2, 2));
    QVERIFY(about->isVisible());
    QCOMPARE(calls, 0);
    QVERIFY(opened_.isEmpty());
    about->close();
}

void TestAboutBrenvik::titleBarCloseSkipsTheCallBack() {
    int calls = 0;
    auto* about = new AboutBrenvik(main_.get(), [&] { ++calls; });
    about->show();
    QPointer<AboutBrenvik> watch(about);
    about->close(); // what the title bar's close button does
    QCOMPARE(calls, 0);
    QTRY_VERIFY(!watch);
}

void TestAboutBrenvik::linksHandTheShellTheirText_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opened");
    QTest::newRow("mail: capital M, no blank") << "LabelMail"
                                               << "Mailto:brenvik@tarnholm.example";
    QTest::newRow("web: the caption unchanged") << "LabelTarnholm"
                                                << "https://www.tarnholm.example";
}

void TestAboutBrenvik::linksHandTheShellTheirText() {
    QFETCH(QString, link);
    QFETCH(QString, opened);
    main_->AboutCmd_Click();
    AboutBrenvik* about = openReadMes().first();
    QTest::mouseClick(about->findChild<QLabel*>(link), Qt::LeftButton);
    QCOMPARE(opened_, QStringList{opened});
    QVERIFY(about->isVisible()); // the window stays as it was
}

void TestAboutBrenvik::exitClosesBothWindows() {
    main_->AboutCmd_Click();
    QCOMPARE(openReadMes().size(), 1);
    QTest::mouseClick(main_->findChild<QPushButton*>(QStringLiteral("ExitCmd")), Qt::LeftButton);
    QVERIFY(!main_->isVisible());
    QVERIFY(openReadMes().isEmpty());
}

QTEST_MAIN(TestAboutBrenvik)
#include "tst_about_brenvik.moc"
