// Random sequences of what a user does with the calculator (clicks on the buttons, picks
// in either list, arrow keys, Tab and Shift+Tab) between timer ticks, each step checked
// against a reference model of what the window shows.
// BRENVIK_RANDOM_SEED=N replays a run, BRENVIK_RANDOM_ACTIONS=N sets its length (6,000
// unless set; `make robustness` runs longer ones).

#include "fixture.h"
#include "rules/corrected_ampacity.h"
#include "rules/cycles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

const QStringList kTabChain = {
    "materialButton", "installationButton", "insulationButton",     "sizeList",
    "ampacityList",   "ambientButton",      "conductorCountButton", "readMeButton",
    "exitButton",     "correctedAmpacity"};
const QStringList kSelectors = kTabChain.mid(0, 3) + kTabChain.mid(5, 2);
const QStringList kRatings = {"Insulation 75°C\u00A0(167°F)", "Insulation 90°C\u00A0(194°F)",
                              "Insulation 60°C\u00A0(140°F)"};

// What the window should show, kept by counting clicks into each cycle, where the window
// recognises its ranges by their factors.
struct Model {
    int mater = 0, cond = 0, temp = 2, amb = 0, count = 0; // amb, count: clicks into a cycle
    QString ambCaption = "Ambient Temperature   26-30°C\u00A0(78-86°F)";
    QString countCaption = " Number of conductors     1-3";
    int ws = 0, am = -1, sizeRow = 0; // the lists' rows; the size row as the last tick left it
    int driving = 1;                  // the list that drives: 1 sizes, 2 ampacities
    QString focus = "materialButton";
    bool fresh = false; // the box shows the rows and factors in force

    int rows() const { return 25 - mater; }
    auto ambCycle() const { return rules::ambientCycle(rules::Insulation(temp)); }
    float ambFactor() const { return amb ? ambCycle()[amb - 1].next : 1.0f; }
    float countFactor() const { return count ? rules::conductorCountCycle()[count - 1].next : 1; }
    bool boxShown() const { return amb || count; }
    bool takesFocus(const QString& name) const {
        return !(name == "conductorCountButton" && cond) &&
               !(name == "correctedAmpacity" && !boxShown());
    }

    void focusOn(const QString& name) {
        focus = name;
        driving = name == "sizeList" ? 1 : name == "ampacityList" ? 2 : driving;
    }

    void tick() {
        sizeRow = driving == 1 ? ws : am;
        if (sizeRow >= 0)
            (driving == 1 ? am : ws) = sizeRow;
        fresh = true;
    }

    void click(const QString& button) {
        if (!takesFocus(button))
            return; // a disabled button takes no click
        focusOn(button);
        const bool table = button == "materialButton" || button == "insulationButton" ||
                           button == "installationButton";
        if (button == "materialButton") {
            ws = sizeRow = mater ? sizeRow + 1 : sizeRow > 0 ? sizeRow - 1 : sizeRow;
            mater = 1 - mater;
        } else if (button == "insulationButton") {
            temp = (temp + 1) % 3;
            amb = 0;
            ambCaption = q(rules::ambientCaption(rules::kAmbientReferenceRange));
        } else if (button == "installationButton") {
            cond = 1 - cond;
            count = 0;
            countCaption = cond ? QString() : q(rules::conductorCountCaption("1-3"));
        } else if (button == "ambientButton") {
            ambCaption = q(rules::ambientCaption(ambCycle()[amb].range));
            amb = (amb + 1) % int(ambCycle().size());
        } else {
            countCaption =
                q(rules::conductorCountCaption(rules::conductorCountCycle()[count].range));
            count = (count + 1) % 7;
        }
        if (table)
            std::tie(am, driving) = std::pair(-1, 1); // refilled: no row until the next tick
        if (button == "materialButton" || button == "installationButton" || (!table && !boxShown()))
            focusOn("sizeList");
        fresh = button != "materialButton" &&
                button != "insulationButton"; // the others compute at once
    }

    QString nextInTabChain(bool forward) const {
        qsizetype at = kTabChain.indexOf(focus);
        do
            at = (at + (forward ? 1 : kTabChain.size() - 1)) % kTabChain.size();
        while (!takesFocus(kTabChain[at]));
        return kTabChain[at];
    }
};

} // namespace

class TestRandomSequences : public CalculatorTest {
    Q_OBJECT
private slots:
    // Sequences of up to 1,000 actions, each on a freshly started window, ended by EXIT.
    void randomSequences() {
        bool seeded = false, sized = false;
        const quint32 seed = qEnvironmentVariableIntValue("BRENVIK_RANDOM_SEED", &seeded);
        int total = qEnvironmentVariableIntValue("BRENVIK_RANDOM_ACTIONS", &sized);
        total = sized ? total : 6000;
        for (int done = 0, sequence = 0; done < total; done += 1000, ++sequence) {
            QRandomGenerator random((seeded ? seed : 20261206u) + sequence);
            std::tie(model_, log_) = std::pair(Model{}, QStringList{});
            start();
            model_.tick();
            for (int step = 0; step < 1000 && done + step < total; ++step) {
                act(random);
                check();
                if (QTest::currentTestFailed())
                    return qInfo("replay with BRENVIK_RANDOM_SEED=%u; the last actions:\n  %s",
                                 (seeded ? seed : 20261206u) + sequence,
                                 qPrintable(log_.mid(qMax(0, log_.size() - 25)).join("\n  ")));
            }
            if (random.bounded(2))
                clickOn("readMeButton");
            clickOn("exitButton"); // ends it all
            QVERIFY2(!window_->isVisible() && !openReadMe(), "a window is open after EXIT");
            QTest::qWait(0); // let the closed read-me window go
        }
    }

private:
    void act(QRandomGenerator& random);
    void tick() {
        ::tick(window_.get());
        model_.tick();
    }

    // Makes the calculator the active window again, as the offscreen platform hands the
    // activation to popups and other windows: its focus control gets the focus back, and a
    // list runs its focus handler. Real ticks may have run meanwhile; a tick of ours ends it.
    void reactivate() {
        QCoreApplication::processEvents();
        window_->activateWindow();
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != window_.get() &&
            !QTest::qWaitForWindowActive(window_.get()))
            QFAIL("the calculator did not get the focus back");
        model_.focusOn(model_.focus);
        tick();
    }

    void check() {
        const Model& m = model_;
        const auto same = [this](const auto& actual, const auto& wanted, const char* what) {
            QString a, w;
            QDebug(&a) << actual;
            QDebug(&w) << wanted;
            if (!(actual == wanted) && !QTest::currentTestFailed()) // the first slip only
                QFAIL(qPrintable(QStringLiteral("%1 is %2, should be %3").arg(what, a, w)));
        };
        auto* sizes = at<QComboBox>("sizeList");
        auto* amps = at<QComboBox>("ampacityList");
        auto* box = at<QLineEdit>("correctedAmpacity");
        if (QApplication::activeWindow() == window_.get())
            same(focused(), m.focus, "the focus");
        same(QList{sizes->count(), amps->count(), sizes->currentIndex(), amps->currentIndex()},
             QList{m.rows(), m.rows(), m.ws, m.am}, "the row counts and rows");
        QStringList captions;
        for (const char* button : {"materialButton", "installationButton", "insulationButton",
                                   "ambientButton", "conductorCountButton"})
            captions << at<QPushButton>(button)->text();
        same(captions,
             QStringList{m.mater ? "AL" : "CU", m.cond ? "Free Air" : "Raceway or\u00A0Cable",
                         kRatings[m.temp], m.ambCaption, m.countCaption},
             "the captions");
        same(QList{at("conductorCountButton")->isEnabled(), box->isVisible()},
             QList{!m.cond, m.boxShown()}, "the count button's state and the box's visibility");
        const auto list = rules::ampacityList(rules::Installation(m.cond), rules::Material(m.mater),
                                              rules::Insulation(m.temp));
        same(QStringList{at<QLabel>("tableNumber")->text(), amps->itemText(m.rows() - 1)},
             QStringList{q(list->tableNumber), q(list->rows.back())}, "the table");
        if (m.fresh) {
            const QByteArray row = amps->currentText().toUtf8();
            same(box->text(),
                 q(rules::correctedAmpacityText({row.constData(), std::size_t(row.size())},
                                                m.ambFactor(), m.countFactor())),
                 "the box text");
        }
    }

    Model model_;
    QStringList log_;
};

void TestRandomSequences::act(QRandomGenerator& random) {
    const int roll = random.bounded(1000);
    const QString name = focused();
    const bool inList = name == "sizeList" || name == "ampacityList";
    if (roll < 350) {
        const QString button = kSelectors[random.bounded(kSelectors.size())];
        log_ << "click " + button;
        clickOn(qPrintable(button));
        model_.click(button);
    } else if (roll < 450) {
        auto* list = at<QComboBox>(random.bounded(2) ? "sizeList" : "ampacityList");
        const int row = random.bounded(list->count());
        log_ << QStringLiteral("pick row %1 of %2").arg(row).arg(list->objectName());
        pick(list, row);
        model_.focusOn(list->objectName());
        (list->objectName() == "sizeList" ? model_.ws : model_.am) = row;
        reactivate(); // the list that dropped down took the activation
    } else if (roll < 550 && inList) {
        const Qt::Key key = std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_End}[random.bounded(3)];
        log_ << QStringLiteral("key %1 in %2").arg(int(key), 0, 16).arg(name);
        press(key);
        int& row = name == "sizeList" ? model_.ws : model_.am;
        row = key == Qt::Key_Down ? qMin(row + 1, model_.rows() - 1)
              : key == Qt::Key_Up ? (row > 0 ? row - 1 : row)
                                  : model_.rows() - 1;
        model_.fresh = model_.fresh && name == "sizeList"; // the box follows the ampacity list
    } else if (roll < 650) {
        const bool forward = random.bounded(4) != 0;
        log_ << (forward ? "tab" : "shift+tab");
        press(Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        model_.focusOn(model_.nextInTabChain(forward));
    } else if (roll < 651) { // a pause: a real tick
        log_ << "wait";
        QVERIFY(waitForTicks(window_.get(), 1));
        model_.tick();
    } else {
        log_ << "tick";
        tick();
    }
}

QTEST_MAIN(TestRandomSequences)
#include "tst_random_sequences.moc"
