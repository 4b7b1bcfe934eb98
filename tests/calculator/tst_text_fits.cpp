// At the scale the test runs with (1, 1.5 or 2; see CMakeLists), every caption, row and
// result the calculator can show fits its control: nothing is clipped.

#include "calculator/ampacity.h"
#include "forms/fonts.h"
#include "forms/list_combo.h"
#include "rules/corrected_ampacity.h"
#include "rules/cycles.h"
#include "rules/tables.h"
#include "text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <memory>

namespace {

// The room a button has for its caption, and whether the wrapped caption fits it.
bool captionFits(QPushButton* button, QString* why) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    QString caption = button->text();
    caption.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QRect need =
        button->fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, caption);
    *why = QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
               .arg(button->objectName(), button->text())
               .arg(need.width())
               .arg(need.height())
               .arg(room.width())
               .arg(room.height());
    return room.contains(need);
}

// The closed list's text for each of its rows fits its field.
void checkRows(forms::ListCombo* list) {
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentIndex(row);
        const QString shown = list->displayedText();
        QVERIFY2(list->fontMetrics().horizontalAdvance(shown) <= list->textRoom(),
                 qPrintable(QStringLiteral("\"%1\" needs %2 px of %3")
                                .arg(shown)
                                .arg(list->fontMetrics().horizontalAdvance(shown))
                                .arg(list->textRoom())));
        QVERIFY(list->currentText().endsWith(shown)); // only leading blanks dropped
    }
}

} // namespace

class TestTextFits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void labelsAndFrames();
    void everyButtonCaption();
    void everyListRow();
    void everyResult();

private:
    template <typename T = QWidget> T* control(const char* name) {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    void checkButtons() {
        for (const char* name :
             {"MaterCmnd", "CondCmnd", "TempCmnd", "AmbCmnd", "NoOfWCmd", "AboutCmd", "ExitCmd"}) {
            QString why;
            QVERIFY2(captionFits(control<QPushButton>(name), &why), qPrintable(why));
        }
    }
    std::unique_ptr<Ampacity> window_;
};

void TestTextFits::initTestCase() {
    forms::loadFonts();
    qInfo("scale %.2f, font %s", window_ ? 0.0 : qApp->devicePixelRatio(),
          qPrintable(QFontInfo(QFont(QStringLiteral("MS Sans Serif"), 8)).family()));
    window_ = std::make_unique<Ampacity>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestTextFits::labelsAndFrames() {
    auto* number = control<QLabel>("Label1");
    QVERIFY(number->fontMetrics().horizontalAdvance(number->text()) <= number->width());
    QVERIFY(number->fontMetrics().ascent() <= number->height());
    auto* title = control<QLabel>("Label2");
    for (const bool freeAir : {false, true}) {
        const auto list = rules::ampacityList(freeAir ? rules::Installation::FreeAir
                                                      : rules::Installation::Raceway,
                                              rules::Material::Copper, rules::Insulation::Rated60);
        const QRect need =
            title->fontMetrics().boundingRect(title->rect(), Qt::TextWordWrap, q(list->title));
        QVERIFY2(need.height() <= title->height(),
                 qPrintable(QStringLiteral("title needs %1 px, has %2")
                                .arg(need.height())
                                .arg(title->height())));
    }
    for (const char* name : {"Frame1", "Frame2"}) {
        auto* frame = control<QGroupBox>(name);
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width());
    }
}

void TestTextFits::everyButtonCaption() {
    checkButtons();
    for (int rating = 0; rating < 3; ++rating) {
        const int states =
            static_cast<int>(rules::ambientCycle(rules::Insulation(window_->TempSel)).size());
        for (int click = 0; click < states; ++click) {
            control<QPushButton>("AmbCmnd")->click();
            checkButtons();
        }
        control<QPushButton>("TempCmnd")->click();
        checkButtons();
    }
    for (int click = 0; click < 7; ++click) {
        control<QPushButton>("NoOfWCmd")->click();
        checkButtons();
    }
    for (int click = 0; click < 2; ++click) {
        control<QPushButton>("CondCmnd")->click();
        control<QPushButton>("MaterCmnd")->click();
        checkButtons();
    }
}

void TestTextFits::everyListRow() {
    auto* sizes = control<forms::ListCombo>("ComWS");
    auto* amps = control<forms::ListCombo>("ComAM");
    // All twelve lists: three ratings, two installations, two materials.
    for (int material = 0; material < 2; ++material) {
        for (int installation = 0; installation < 2; ++installation) {
            for (int rating = 0; rating < 3; ++rating) {
                checkRows(amps);
                control<QPushButton>("TempCmnd")->click();
            }
            control<QPushButton>("CondCmnd")->click();
        }
        checkRows(sizes);
        control<QPushButton>("MaterCmnd")->click();
    }
}

// The widest result text of every row with every factor pair that can be in force.
void TestTextFits::everyResult() {
    auto* box = control<QLineEdit>("CorectAmpacity");
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
    // QLineEdit keeps two pixels on either side of its contents, and one for the cursor.
    const QRect room = box->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &frame, box)
                           .marginsRemoved(box->textMargins())
                           .adjusted(2, 0, -3, 0);
    QString widest;
    for (std::int16_t mater = 0; mater < 2; ++mater)
        for (std::int16_t cond = 0; cond < 2; ++cond)
            for (std::int16_t temp = 0; temp < 3; ++temp) {
                const auto list = rules::ampacityList(
                    rules::Installation(cond), rules::Material(mater), rules::Insulation(temp));
                for (const std::string& row : list->rows)
                    for (const rules::CycleEntry& ambient :
                         rules::ambientCycle(rules::Insulation(temp)))
                        for (const rules::CycleEntry& count : rules::conductorCountCycle()) {
                            if (cond == 1 && count.next != 1.0f)
                                continue; // no count in free air
                            const QString text =
                                q(rules::correctedAmpacity(row, ambient.next, count.next).text);
                            if (box->fontMetrics().horizontalAdvance(text) >
                                box->fontMetrics().horizontalAdvance(widest))
                                widest = text;
                        }
            }
    const int need = box->fontMetrics().horizontalAdvance(widest);
    qInfo("widest result \"%s\": %d px of %d", qPrintable(widest), need, room.width());
    QVERIFY2(need <= room.width(), qPrintable(widest));
}

QTEST_MAIN(TestTextFits)
#include "tst_text_fits.moc"
