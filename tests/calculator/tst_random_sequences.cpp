// Random sequences of what a user does with the calculator (button clicks and Space,
// picks in either list, arrow keys, Tab, focus by mouse, typing into the result box,
// READ ME and its closing, ticks), each step checked against a reference model of the
// calculator and against its invariants.
//
// BRENVIK_RANDOM_SEED=N replays a run; BRENVIK_RANDOM_ACTIONS=N sets how many actions
// to take (20,000 unless set); BRENVIK_RANDOM_TRACE=1 prints every step. A failure
// names the seed, the step and the last actions.

#include "calculator/ampacity.h"
#include "forms/fonts.h"
#include "platform/desktop_shell.h"
#include "readme/about_brenvik.h"
#include "rules/corrected_ampacity.h"
#include "rules/cycles.h"
#include "rules/tables.h"
#include "text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

const QStringList kTabChain = {"MaterCmnd", "CondCmnd", "TempCmnd", "ComWS",   "ComAM",
                               "AmbCmnd",   "NoOfWCmd", "AboutCmd", "ExitCmd", "CorectAmpacity"};
const QStringList kSelectors = {"MaterCmnd", "CondCmnd", "TempCmnd", "AmbCmnd", "NoOfWCmd"};

// What the calculator should show, kept by counting clicks into each cycle rather than
// by recognising factors, as the window does.
struct Model {
    int mater = 0, cond = 0, temp = 2;
    int amb = 0, count = 0; // clicks into the ambient and conductor-count cycles
    QString ambCaption = QStringLiteral("Ambient Temperature   26-30\u00B0C\u00A0(78-86\u00B0F)");
    QString countCaption = QStringLiteral(" Number of conductors     1-3");
    int ws = 0, am = -1, sizeRow = 0; // the lists' rows, and SizeRow as the last tick left it
    int driving = 1;                  // the timer that runs
    QString focus = QStringLiteral("MaterCmnd");
    bool textFresh = false; // the box was computed from the rows and factors in force
    bool ticked = false;    // the last action ended with a tick

    int rows() const { return mater == 0 ? 25 : 24; }
    std::span<const rules::CycleEntry> ambCycle() const {
        return rules::ambientCycle(rules::Insulation(temp));
    }
    float ambFactor() const { return amb == 0 ? 1.0f : ambCycle()[amb - 1].next; }
    float countFactor() const {
        return count == 0 ? 1.0f : rules::conductorCountCycle()[count - 1].next;
    }
    bool boxShown() const { return amb != 0 || count != 0; }
    bool takesFocus(const QString& name) const {
        return !(name == QLatin1String("NoOfWCmd") && cond == 1) &&
               !(name == QLatin1String("CorectAmpacity") && !boxShown());
    }

    void focusOn(const QString& name) {
        focus = name;
        if (name == QLatin1String("ComWS"))
            driving = 1;
        else if (name == QLatin1String("ComAM"))
            driving = 2;
    }
    void tick() {
        int& from = driving == 1 ? ws : am;
        int& to = driving == 1 ? am : ws;
        sizeRow = from;
        if (from >= 0)
            to = from;
        textFresh = true;
    }
    void refreshTable() {
        am = -1;
        driving = 1;
    }
    void click(const QString& button) {
        if (!takesFocus(button))
            return; // a disabled button takes no click
        focusOn(button);
        if (button == QLatin1String("MaterCmnd")) {
            ws = mater == 0 ? (sizeRow > 0 ? sizeRow - 1 : sizeRow) : sizeRow + 1;
            sizeRow = ws;
            mater = 1 - mater;
            refreshTable();
            focusOn(QStringLiteral("ComWS"));
            textFresh = false;
        } else if (button == QLatin1String("TempCmnd")) {
            temp = temp == 2 ? 0 : temp + 1;
            amb = 0;
            ambCaption = q(rules::ambientCaption(ambCycle().back().range));
            refreshTable();
            textFresh = false;
        } else if (button == QLatin1String("CondCmnd")) {
            cond = 1 - cond;
            count = 0;
            countCaption = cond == 1 ? QString() : q(rules::conductorCountCaption("1-3"));
            refreshTable();
            focusOn(QStringLiteral("ComWS"));
            textFresh = true; // computed at once, from the refilled list's empty text
        } else if (button == QLatin1String("AmbCmnd")) {
            amb = (amb + 1) % static_cast<int>(ambCycle().size());
            ambCaption = q(rules::ambientCaption(
                ambCycle()[(amb + ambCycle().size() - 1) % ambCycle().size()].range));
            if (!boxShown())
                focusOn(QStringLiteral("ComWS"));
            textFresh = true;
        } else if (button == QLatin1String("NoOfWCmd")) {
            count = (count + 1) % 7;
            countCaption = q(
                rules::conductorCountCaption(rules::conductorCountCycle()[(count + 6) % 7].range));
            if (!boxShown())
                focusOn(QStringLiteral("ComWS"));
            textFresh = true;
        }
    }
    QString nextInTabChain(bool forward) const {
        qsizetype at = kTabChain.indexOf(focus);
        for (int step = 0; step < kTabChain.size(); ++step) {
            at = (at + (forward ? 1 : kTabChain.size() - 1)) % kTabChain.size();
            if (takesFocus(kTabChain[at]))
                return kTabChain[at];
        }
        return focus;
    }
};

// Drops Qt's offscreen-platform notes (no raise(), no keyboard grab), which a popup or
// a new window prints every time.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

} // namespace

class TestRandomSequences : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomSequences();

private:
    bool runSequence(quint32 seed, int actions);
    void act(QRandomGenerator& random);
    void readMeSession(QRandomGenerator& random);
    void tick();
    void reactivate();
    bool verify();
    void fail(const QString& what);
    template <typename T = QWidget> T* control(const QString& name) {
        return window_->findChild<T*>(name);
    }

    std::unique_ptr<Ampacity> window_;
    Model model_;
    QStringList log_;
    QString failure_;
    platform::ShellOpener previousOpener_;
};

void TestRandomSequences::initTestCase() {
    forms::loadFonts();
    previousHandler = qInstallMessageHandler(quietHandler);
    previousOpener_ = platform::setShellOpener([](const QString&) {}); // the links open nothing
}

void TestRandomSequences::cleanupTestCase() {
    platform::setShellOpener(previousOpener_);
    qInstallMessageHandler(previousHandler);
}

void TestRandomSequences::randomSequences() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariableIntValue("BRENVIK_RANDOM_SEED", &ok);
    const quint32 firstSeed = ok ? seed : 20261206u;
    const int total = qMax(1, qEnvironmentVariableIsSet("BRENVIK_RANDOM_ACTIONS")
                                  ? qEnvironmentVariableIntValue("BRENVIK_RANDOM_ACTIONS")
                                  : 20000);
    // Sequences of up to 1,000 actions, each on a freshly started window.
    int done = 0;
    for (quint32 sequence = 0; done < total; ++sequence) {
        const int actions = qMin(1000, total - done);
        const quint32 sequenceSeed = firstSeed + sequence;
        if (!runSequence(sequenceSeed, actions))
            QFAIL(qPrintable(
                QStringLiteral("seed %1 (replay with BRENVIK_RANDOM_SEED=%1 "
                               "BRENVIK_RANDOM_ACTIONS=%2): %3\nlast actions:\n  %4")
                    .arg(sequenceSeed)
                    .arg(actions)
                    .arg(failure_)
                    .arg(log_.mid(qMax(0, log_.size() - 25)).join(QLatin1String("\n  ")))));
        done += actions;
    }
    qInfo("%d actions from seed %u", done, firstSeed);
}

bool TestRandomSequences::runSequence(quint32 seed, int actions) {
    QRandomGenerator random(seed);
    model_ = Model{};
    log_.clear();
    failure_.clear();
    window_ = std::make_unique<Ampacity>();
    window_->show();
    if (!QTest::qWaitForWindowActive(window_.get())) {
        failure_ = QStringLiteral("the window did not become active");
        return false;
    }
    tick();
    if (!verify())
        return false;
    for (int step = 0; step < actions; ++step) {
        act(random);
        if (qEnvironmentVariableIsSet("BRENVIK_RANDOM_TRACE"))
            qInfo("%d %s: t1 %d t2 %d focus %s", step, qPrintable(log_.last()),
                  control<QTimer>(QStringLiteral("Timer1"))->isActive(),
                  control<QTimer>(QStringLiteral("Timer2"))->isActive(),
                  qPrintable(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                         : QString()));
        if (!verify()) {
            failure_ = QStringLiteral("step %1: %2").arg(step).arg(failure_);
            return false;
        }
    }
    // EXIT ends it all, the read-me window too.
    if (random.bounded(2))
        window_->AboutCmd_Click();
    QTest::mouseClick(control<QPushButton>(QStringLiteral("ExitCmd")), Qt::LeftButton);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && !top->inherits("QComboBoxPrivateContainer"))
            fail(QStringLiteral("%1 still open after EXIT").arg(top->objectName()));
    window_.reset();
    QTest::qWait(0); // let the closed read-me window go
    return failure_.isEmpty();
}

void TestRandomSequences::tick() {
    if (model_.driving == 1)
        window_->Timer1_Timer();
    else
        window_->Timer2_Timer();
    model_.tick();
    model_.ticked = true;
}

void TestRandomSequences::act(QRandomGenerator& random) {
    model_.ticked = false;
    const int roll = random.bounded(100);
    auto* focused = QApplication::focusWidget();
    const QString focus = focused ? focused->objectName() : QString();
    const bool onList = focus == QLatin1String("ComWS") || focus == QLatin1String("ComAM");

    if (roll < 30) { // a selector click
        const QString button = kSelectors[random.bounded(kSelectors.size())];
        log_ << QStringLiteral("click %1").arg(button);
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        model_.click(button);
    } else if (roll < 35 && kSelectors.contains(focus)) { // Space on the focused selector
        log_ << QStringLiteral("space on %1").arg(focus);
        QTest::keyClick(focused, Qt::Key_Space);
        model_.click(focus);
    } else if (roll < 57) {
        log_ << QStringLiteral("tick");
        tick();
    } else if (roll < 67) { // pick a row: the mouse opens the list, the keys choose
        const bool sizes = random.bounded(2);
        auto* list = control<QComboBox>(sizes ? QStringLiteral("ComWS") : QStringLiteral("ComAM"));
        const int row = random.bounded(list->count());
        log_ << QStringLiteral("pick row %1 of %2").arg(row).arg(list->objectName());
        QTest::mouseClick(list, Qt::LeftButton);
        model_.focusOn(list->objectName());
        list->view()->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
        (sizes ? model_.ws : model_.am) = row;
        reactivate();                 // the popup took the activation
    } else if (roll < 77 && onList) { // arrow keys in the focused list
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up,   Qt::Key_Down,
                                       Qt::Key_Up,   Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = keys[random.bounded(6)];
        log_ << QStringLiteral("key %1 in %2").arg(int(key), 0, 16).arg(focus);
        QTest::keyClick(focused, key);
        int& row = focus == QLatin1String("ComWS") ? model_.ws : model_.am;
        if (key == Qt::Key_Down)
            row = qMin(row + 1, model_.rows() - 1);
        else if (key == Qt::Key_Up && row > 0)
            --row;
        else if (key == Qt::Key_Home)
            row = 0;
        else if (key == Qt::Key_End)
            row = model_.rows() - 1;
        model_.textFresh = model_.textFresh && focus == QLatin1String("ComWS");
    } else if (roll < 87) { // Tab or Shift+Tab
        const bool forward = random.bounded(4) != 0;
        log_ << (forward ? QStringLiteral("tab") : QStringLiteral("shift+tab"));
        QTest::keyClick(focused, Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        model_.focusOn(model_.nextInTabChain(forward));
    } else if (roll < 92) { // focus a list by mouse, close it again
        auto* list = control<QComboBox>(random.bounded(2) ? QStringLiteral("ComWS")
                                                          : QStringLiteral("ComAM"));
        log_ << QStringLiteral("mouse into %1").arg(list->objectName());
        QTest::mouseClick(list, Qt::LeftButton);
        QTest::keyClick(list->view(), Qt::Key_Escape);
        model_.focusOn(list->objectName());
        reactivate();
    } else if (roll < 96 && model_.boxShown()) { // type into the result box
        log_ << QStringLiteral("type into the box");
        auto* box = control<QLineEdit>(QStringLiteral("CorectAmpacity"));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, QStringLiteral("9,x"));
        model_.focusOn(box->objectName());
        model_.textFresh = false;
    } else if (roll < 97) {
        readMeSession(random);
    } else if (roll < 98) { // let the real timers run
        log_ << QStringLiteral("wait");
        QTest::qWait(60);
        reactivate();
    } else {
        log_ << QStringLiteral("tick");
        tick();
    }
}

// READ ME, a few clicks in the read-me window, and its closing. Waiting for a window to
// become active lets the real timers tick, so each wait ends with a tick of our own.
void TestRandomSequences::readMeSession(QRandomGenerator& random) {
    log_ << QStringLiteral("READ ME");
    QTest::mouseClick(control<QPushButton>(QStringLiteral("AboutCmd")), Qt::LeftButton);
    model_.focusOn(QStringLiteral("AboutCmd"));
    AboutBrenvik* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<AboutBrenvik*>(top); candidate && candidate->isVisible())
            about = candidate;
    if (!about || !QTest::qWaitForWindowActive(about))
        return fail(QStringLiteral("the read-me window did not open"));
    model_.tick();
    tick();
    for (int clicks = random.bounded(3); clicks > 0; --clicks) {
        static const char* labels[] = {"Label1", "Label3", "Label6", "LabelMail", "LabelTarnholm"};
        const char* label = labels[random.bounded(5)];
        log_ << QStringLiteral("  click %1").arg(QLatin1String(label));
        QTest::mouseClick(about->findChild<QLabel*>(QLatin1String(label)), Qt::LeftButton);
        if (!about->isVisible())
            return fail(QStringLiteral("a label click closed the read-me window"));
    }
    const bool byOk = random.bounded(2);
    log_ << (byOk ? QStringLiteral("  OK") : QStringLiteral("  background click"));
    if (byOk)
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("Command3")),
                          Qt::LeftButton);
    else
        QTest::mouseClick(about, Qt::LeftButton, {},
                          QPoint(about->width() - 3, about->height() / 2));
    reactivate();
}

// Whatever became of the windows' activation meanwhile (the offscreen platform hands it
// to list popups and back as it processes its events), the calculator is made the
// active window again: its focus control gets the focus back, and a list runs its focus
// handler. Real ticks may have run while waiting; a tick of our own ends it.
void TestRandomSequences::reactivate() {
    QCoreApplication::processEvents();
    window_->activateWindow();
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() != window_.get() &&
        !QTest::qWaitForWindowActive(window_.get()))
        return fail(QStringLiteral("the calculator did not get the focus back"));
    model_.focusOn(model_.focus);
    model_.tick();
    tick();
}

void TestRandomSequences::fail(const QString& what) {
    if (failure_.isEmpty())
        failure_ = what;
}

bool TestRandomSequences::verify() {
    const Model& m = model_;
    const auto expect = [this](bool condition, const QString& what) {
        if (!condition)
            fail(what);
        return condition;
    };
    const auto same = [&](const auto& actual, const auto& wanted, const char* what) {
        QString a, w;
        QDebug(&a) << actual;
        QDebug(&w) << wanted;
        return expect(actual == wanted,
                      QStringLiteral("%1 is %2, should be %3").arg(QLatin1String(what), a, w));
    };
    auto* sizes = control<QComboBox>(QStringLiteral("ComWS"));
    auto* amps = control<QComboBox>(QStringLiteral("ComAM"));
    auto* box = control<QLineEdit>(QStringLiteral("CorectAmpacity"));
    const bool timer1 = control<QTimer>(QStringLiteral("Timer1"))->isActive();
    const bool timer2 = control<QTimer>(QStringLiteral("Timer2"))->isActive();

    if (QApplication::activeWindow() == window_.get())
        same(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
             m.focus, "the focus");
    expect(timer1 != timer2, QStringLiteral("not exactly one timer runs"));
    same(timer1 ? 1 : 2, m.driving, "the driving list's timer");
    same(sizes->count(), m.rows(), "the size list's row count");
    same(amps->count(), m.rows(), "the ampacity list's row count");
    same(sizes->currentIndex(), m.ws, "the size list's row");
    same(amps->currentIndex(), m.am, "the ampacity list's row");
    const QColor colour = m.mater == 0 ? QColor(128, 0, 0) : QColor(0, 0, 192);
    for (QWidget* widget :
         {static_cast<QWidget*>(sizes), static_cast<QWidget*>(amps), static_cast<QWidget*>(box)})
        same(widget->palette().color(QPalette::Text), colour, "a material colour");

    same(control<QPushButton>(QStringLiteral("MaterCmnd"))->text(), QString(m.mater ? "AL" : "CU"),
         "the material");
    same(control<QPushButton>(QStringLiteral("CondCmnd"))->text(),
         m.cond ? QStringLiteral("Free Air") : QStringLiteral("Raceway or\u00A0Cable"),
         "the installation");
    static const QStringList ratings = {QStringLiteral("Insulation 75\u00B0C\u00A0(167\u00B0F)"),
                                        QStringLiteral("Insulation 90\u00B0C\u00A0(194\u00B0F)"),
                                        QStringLiteral("Insulation 60\u00B0C\u00A0(140\u00B0F)")};
    same(control<QPushButton>(QStringLiteral("TempCmnd"))->text(), ratings[m.temp],
         "the insulation");
    same(control<QPushButton>(QStringLiteral("AmbCmnd"))->text(), m.ambCaption,
         "the ambient caption");
    same(control<QPushButton>(QStringLiteral("NoOfWCmd"))->text(), m.countCaption,
         "the count caption");
    same(control<QPushButton>(QStringLiteral("NoOfWCmd"))->isEnabled(), m.cond == 0,
         "the count button's state");
    same(box->isVisible(), m.boxShown(), "the box's visibility");

    same(int(window_->MaterSel), m.mater, "MaterSel");
    same(int(window_->CondSel), m.cond, "CondSel");
    same(int(window_->TempSel), m.temp, "TempSel");
    same(window_->AmbFactor, m.ambFactor(), "AmbFactor");
    same(window_->NoOfWFactor, m.countFactor(), "NoOfWFactor");
    expect(window_->CondSel == 0 || window_->NoOfWFactor == 1.0f,
           QStringLiteral("a count factor in free air"));

    const auto list = rules::ampacityList(rules::Installation(m.cond), rules::Material(m.mater),
                                          rules::Insulation(m.temp));
    same(control<QLabel>(QStringLiteral("Label1"))->text(), q(list->tableNumber),
         "the table number");
    same(amps->itemText(0), q(list->rows.front()), "the first ampacity row");
    same(amps->itemText(m.rows() - 1), q(list->rows.back()), "the last ampacity row");

    if (m.textFresh) {
        const QByteArray row = amps->currentText().toUtf8();
        const auto result = rules::correctedAmpacity({row.constData(), std::size_t(row.size())},
                                                     m.ambFactor(), m.countFactor());
        same(box->text(), q(result.text), "the box text");
        same(window_->CorrectedAmps, result.correctedAmps, "CorrectedAmps");
    }
    if (m.ticked) {
        same(int(window_->SizeRow), m.sizeRow, "SizeRow");
        same(int(window_->AmpRow), m.sizeRow, "AmpRow");
    }
    return failure_.isEmpty();
}

QTEST_MAIN(TestRandomSequences)
#include "tst_random_sequences.moc"
