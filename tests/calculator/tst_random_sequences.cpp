// Random sequences of what a user does with the calculator (clicks on the buttons, picks
// in either list, arrow keys, the keys that press a focused button, Tab and Shift+Tab)
// between timer ticks, each step checked against a reference model of what the window
// shows. BRENVIK_RANDOM_SEED=N replays a run, BRENVIK_RANDOM_ACTIONS=N sets its length
// (2,000 unless set; `make robustness` runs longer ones).

#include "fixture.h"
#include "rules/corrected_ampacity.h"
#include "rules/selection.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

// The tab chain; its first three and the two after the lists are the selector buttons.
const QStringList kTabChain = {
    "materialButton", "installationButton", "insulationButton",     "sizeList",
    "ampacityList",   "ambientButton",      "conductorCountButton", "readMeButton",
    "exitButton",     "correctedAmpacity"};
const QStringList kSelectors = kTabChain.mid(0, 3) + kTabChain.mid(5, 2);

// What the window should show: the selection as the rules step it, and what the window
// adds (the buttons' first captions, the rows, which list drives, the focus, the box).
struct Model {
    rules::Selection selection;
    QString ambCaption = "Ambient Temperature   26-30°C\u00A0(78-86°F)"; // until a click
    QString countCaption = " Number of conductors     1-3";
    int sizes = 0, amps = -1, sizeRow = 0; // the lists' rows; the size row of the last tick
    bool sizesDrive = true;
    QString focus = "materialButton";
    bool fresh = false; // the box shows the rows and factors in force

    bool aluminum() const { return selection.material == rules::Material::Aluminum; }
    bool freeAir() const { return selection.installation == rules::Installation::FreeAir; }
    int rows() const { return 25 - aluminum(); }
    bool boxShown() const { return selection.ambient || selection.conductorCount; }
    bool takesFocus(const QString& name) const {
        return !(name == "conductorCountButton" && freeAir()) &&
               !(name == "correctedAmpacity" && !boxShown());
    }
    void focusOn(const QString& name) {
        focus = name;
        sizesDrive = name == "sizeList" || (sizesDrive && name != "ampacityList");
    }
    void tick() {
        sizeRow = sizesDrive ? sizes : amps;
        if (sizeRow >= 0)
            (sizesDrive ? amps : sizes) = sizeRow;
        fresh = true;
    }
    void click(const QString& button) {
        if (!takesFocus(button))
            return; // a disabled button takes no click
        focusOn(button);
        using Step = rules::Selection (*)(rules::Selection);
        constexpr Step kSteps[] = {rules::nextMaterial, rules::nextInstallation,
                                   rules::nextInsulation, rules::nextAmbient,
                                   rules::nextConductorCount};
        const int which = int(kSelectors.indexOf(button)); // in the order of kSteps
        selection = kSteps[which](selection);
        if (which == 0) // the same size stays selected
            sizes = sizeRow = aluminum() ? (sizeRow > 0 ? sizeRow - 1 : sizeRow) : sizeRow + 1;
        if (which == 2 || which == 3)
            ambCaption = q(rules::ambientCaption(selection));
        if (which == 1 || which == 4)
            countCaption = q(rules::conductorCountCaption(selection));
        if (which < 3) // refilled: no row until the next tick, the size list drives
            std::tie(amps, sizesDrive) = std::pair(-1, true);
        if (which < 2 || (which > 2 && !boxShown()))
            focusOn("sizeList");
        fresh = which != 0 && which != 2; // the others show the result at once
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
        total = sized ? total : 2000;
        for (int done = 0, sequence = 0; done < total; done += 1000, ++sequence) {
            QRandomGenerator random((seeded ? seed : 20261206u) + sequence);
            model_ = Model{};
            start();
            wakeUps_ = std::make_unique<WakeUps>(window_.get());
            tick(false); // the first one, which the window has had
            for (int step = 0; step < 1000 && done + step < total; ++step) {
                act(random);
                if (wakeUps_->count > accounted_) // a real tick ran during the action, after it
                    tick(false);
                check();
                if (QTest::currentTestFailed())
                    return qInfo("replay with BRENVIK_RANDOM_SEED=%u, step %d",
                                 (seeded ? seed : 20261206u) + sequence, step);
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
    // A tick, delivered through the seam unless one has just run, and in the model.
    void tick(bool deliver = true) {
        if (deliver)
            ::tick(window_.get());
        model_.tick();
        accounted_ = wakeUps_->count;
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

    // The first thing the window shows otherwise than the model: the focus, captions,
    // rows, count button, result box, table number and title, and the result.
    void check() {
        const Model& m = model_;
        auto* amps = at<QComboBox>("ampacityList");
        const rules::Selection& selection = m.selection;
        const auto table =
            rules::ampacityList(selection.installation, selection.material, selection.insulation);
        const QByteArray shown = amps->currentText().toUtf8();
        const auto number = [](int value) { return QString::number(value); };
        QStringList seen{focused()}, wanted{m.focus};
        if (QApplication::activeWindow() != window_.get())
            seen[0] = wanted[0]; // an inactive window has no focus to show
        for (const char* name : {"materialButton", "installationButton", "insulationButton",
                                 "ambientButton", "conductorCountButton"})
            seen << at<QPushButton>(name)->text();
        seen << number(at<QComboBox>("sizeList")->count()) << number(amps->count())
             << number(row("sizeList")) << number(row("ampacityList"))
             << number(at("conductorCountButton")->isEnabled())
             << number(at("correctedAmpacity")->isVisible()) << at<QLabel>("tableNumber")->text()
             << at<QLabel>("tableTitle")->text() << amps->itemText(m.rows() - 1)
             << (m.fresh ? box() : "");
        wanted << q(rules::materialCaption(selection)) << q(rules::installationCaption(selection))
               << q(rules::insulationCaption(selection)) << m.ambCaption << m.countCaption
               << number(m.rows()) << number(m.rows()) << number(m.sizes) << number(m.amps)
               << number(!m.freeAir()) << number(m.boxShown()) << q(table.tableNumber)
               << q(table.title) << q(table.rows.back())
               << (m.fresh ? q(rules::correctedAmpacityText(
                                 {shown.constData(), std::size_t(shown.size())},
                                 rules::ambientFactor(selection),
                                 rules::conductorCountFactor(selection)))
                           : "");
        QCOMPARE(seen, wanted);
    }

    Model model_;
    std::unique_ptr<WakeUps> wakeUps_; // the window's ticks, real or through the seam
    int accounted_ = 0;                // those the model has followed
};

void TestRandomSequences::act(QRandomGenerator& random) {
    const int roll = random.bounded(1000);
    const QString name = focused();
    if (roll < 350) {
        const QString button = kSelectors[random.bounded(kSelectors.size())];
        clickOn(qPrintable(button));
        model_.click(button);
    } else if (roll < 450) {
        auto* list = at<QComboBox>(random.bounded(2) ? "sizeList" : "ampacityList");
        const int row = random.bounded(list->count());
        pick(list, row);
        model_.focusOn(list->objectName());
        (list->objectName() == "sizeList" ? model_.sizes : model_.amps) = row;
        reactivate(); // the list that dropped down took the activation
    } else if (roll < 550 && (name == "sizeList" || name == "ampacityList")) {
        const Qt::Key key = std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_End}[random.bounded(3)];
        press(key);
        int& row = name == "sizeList" ? model_.sizes : model_.amps;
        row = key == Qt::Key_Down ? qMin(row + 1, model_.rows() - 1)
              : key == Qt::Key_Up ? (row > 0 ? row - 1 : row)
                                  : model_.rows() - 1;
        model_.fresh = model_.fresh && name == "sizeList"; // the box follows the ampacity list
    } else if (roll < 600 && kSelectors.contains(name)) {
        const Qt::Key key =
            std::array{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}[random.bounded(3)];
        press(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        model_.click(name);
    } else if (roll < 700) {
        const bool forward = random.bounded(4) != 0;
        press(Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        model_.focusOn(model_.nextInTabChain(forward));
    } else if (roll < 701) { // a pause: a real tick
        QVERIFY(wakeUps_->waitFor(accounted_ + 1));
    } else {
        tick();
    }
}

QTEST_MAIN(TestRandomSequences)
#include "tst_random_sequences.moc"
