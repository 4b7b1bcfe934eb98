#include "calculator/ampacity.h"

#include "calculator/ampacity_layout.h"
#include "calculator/placement.h"
#include "forms/colours.h"
#include "forms/form_builder.h"
#include "platform/program_icon.h"
#include "readme/about_brenvik.h"
#include "rules/corrected_ampacity.h"
#include "rules/cycles.h"
#include "rules/tables.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>

namespace {

using rules::Installation;
using rules::Insulation;
using rules::Material;

// The window keeps the selection in 16-bit fields; the rules take typed keys.
constexpr std::int16_t field(auto key) {
    return static_cast<std::int16_t>(key);
}

// The material and installation buttons keep their state in their captions.
const QString kCopperCaption = QStringLiteral("CU");
const QString kAluminumCaption = QStringLiteral("AL");
const QString kRacewayCaption = QStringLiteral("Raceway or\u00A0Cable");
const QString kFreeAirCaption = QStringLiteral("Free Air");

QString insulationCaption(Insulation insulation) {
    switch (insulation) {
    case Insulation::Rated75:
        return QStringLiteral("Insulation 75\u00B0C\u00A0(167\u00B0F)");
    case Insulation::Rated60:
        return QStringLiteral("Insulation 60\u00B0C\u00A0(140\u00B0F)");
    case Insulation::Rated90:
        break;
    }
    return QStringLiteral("Insulation 90\u00B0C\u00A0(194\u00B0F)");
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Ampacity::Ampacity(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , decimalSeparator_(QLocale().decimalPoint().toStdString()) {
    setWindowIcon(platform::programIcon());
    forms::buildForm(this, calculator::kAmpacityForm);
    bindControls();
    connectHandlers();
    Form_Load();
    // The first control in tab order takes the focus; neither list's handler runs.
    MaterCmnd->setFocus();
}

Ampacity::~Ampacity() {
    delete about_.data(); // it has no owner: it goes with the program
}

void Ampacity::bindControls() {
    const auto control = [this]<typename T>(T*& field, const char* name) {
        field = findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT_X(field, "Ampacity", name);
    };
    control(ExitCmd, "ExitCmd");
    control(CorectAmpacity, "CorectAmpacity");
    control(NoOfWCmd, "NoOfWCmd");
    control(AmbCmnd, "AmbCmnd");
    control(TempCmnd, "TempCmnd");
    control(CondCmnd, "CondCmnd");
    control(MaterCmnd, "MaterCmnd");
    control(ComAM, "ComAM");
    control(ComWS, "ComWS");
    control(Timer2, "Timer2");
    control(Timer1, "Timer1");
    control(AboutCmd, "AboutCmd");
    control(Label2, "Label2");
    control(Label1, "Label1");
}

void Ampacity::connectHandlers() {
    connect(ExitCmd, &QPushButton::clicked, this, &Ampacity::ExitCmd_Click);
    connect(AboutCmd, &QPushButton::clicked, this, &Ampacity::AboutCmd_Click);
    connect(MaterCmnd, &QPushButton::clicked, this, &Ampacity::MaterCmnd_Click);
    connect(TempCmnd, &QPushButton::clicked, this, &Ampacity::TempCmnd_Click);
    connect(CondCmnd, &QPushButton::clicked, this, &Ampacity::CondCmnd_Click);
    connect(AmbCmnd, &QPushButton::clicked, this, &Ampacity::AmbCmnd_Click);
    connect(NoOfWCmd, &QPushButton::clicked, this, &Ampacity::NoOfWCmd_Click);
    connect(Timer1, &QTimer::timeout, this, &Ampacity::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Ampacity::Timer2_Timer);
    // The lists have no handler for a change of selection, only for receiving the focus.
    ComWS->installEventFilter(this);
    ComAM->installEventFilter(this);
}

bool Ampacity::eventFilter(QObject* watched, QEvent* event) {
    // A mouse click on a list delivers the focus twice (the click, then the closing
    // popup); the handlers only switch timers, so running them twice is harmless.
    if (event->type() == QEvent::FocusIn) {
        if (watched == ComWS)
            ComWS_GotFocus();
        else if (watched == ComAM)
            ComAM_GotFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void Ampacity::Form_Load() {
    placeWindow();
    forms::setTextColour(Label2, forms::toColor(calculator::kTitleGrey));

    AmbFactor = 1.0f;
    NoOfWFactor = 1.0f;
    SizeRow = 0;
    TempSel = field(Insulation::Rated60);
    MaterSel = field(Material::Copper);
    CondSel = field(Installation::Raceway);
    CorrectedAmps = 15.0f;

    QStringList sizes;
    for (const std::string_view size : rules::sizeRows())
        sizes.append(fromUtf8(size));
    ComWS->addItems(sizes);
    ComWS->setCurrentIndex(SizeRow);
    TiCom1_Click();
}

// The upper right of the primary screen, by the window's outer size. Before the first
// show the window manager has not framed the window yet and the outer size is the client
// size; event() places the window again once, when the frame becomes known.
void Ampacity::placeWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    const calculator::ScreenPlacement place = calculator::placeOnScreen(
        {area.left(), area.top(), area.width(), area.height()}, outer.width(), outer.height());
    WinTop = place.twips.top;
    WinLeft = place.twips.left;
    move(place.x, place.y);
}

bool Ampacity::event(QEvent* event) {
    const bool result = QWidget::event(event);
    if (!placedByFrame_ && frameGeometry().size() != size()) {
        placedByFrame_ = true;
        placeWindow();
    }
    return result;
}

// Nothing the timers do can be seen while the window is minimized: they stop, and the
// one that ran starts again when the window comes back.
void Ampacity::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized()) {
        if (Timer1->isActive() || Timer2->isActive()) {
            pausedTimer_ = Timer1->isActive() ? Timer1 : Timer2;
            Timer1->stop();
            Timer2->stop();
        }
    } else if (pausedTimer_) {
        // Unless a handler that ran meanwhile has started one already.
        if (!Timer1->isActive() && !Timer2->isActive())
            pausedTimer_->start();
        pausedTimer_ = nullptr;
    }
}

void Ampacity::ExitCmd_Click() {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void Ampacity::AboutCmd_Click() {
    // One read-me window at a time: while it is open a click brings it forward as it is.
    if (!about_) {
        about_ = new AboutBrenvik(this, [this] {
            activateWindow(); // back to the calculator
            raise();
        });
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void Ampacity::MaterCmnd_Click() {
    Timer2->stop();
    Timer1->stop();
    // SizeRow is the row the last tick recorded, at most one interval old.
    if (MaterCmnd->text() == kCopperCaption) {
        const QColor blue = forms::toColor(calculator::kAluminumBlue);
        MaterCmnd->setText(kAluminumCaption);
        forms::setTextColour(CorectAmpacity, blue);
        MaterSel = field(Material::Aluminum);
        ComWS->removeItem(0); // aluminum has no 14 AWG
        forms::setTextColour(ComWS, blue);
        forms::setTextColour(ComAM, blue);
        if (SizeRow > 0)
            --SizeRow; // the same size, one row higher; 14 AWG becomes 12 AWG
    } else {
        const QColor red = forms::toColor(calculator::kCopperRed);
        MaterCmnd->setText(kCopperCaption);
        forms::setTextColour(CorectAmpacity, red);
        MaterSel = field(Material::Copper);
        ComWS->insertItem(0, fromUtf8(rules::sizeRows().front()));
        forms::setTextColour(ComWS, red);
        forms::setTextColour(ComAM, red);
        ++SizeRow;
    }
    ComWS->setCurrentIndex(SizeRow);
    TiCom1_Click();
    focusSizeList();
}

void Ampacity::TempCmnd_Click() {
    Timer2->stop();
    Timer1->stop();
    TempSel = TempSel == field(Insulation::Rated60) ? field(Insulation::Rated75)
                                                    : static_cast<std::int16_t>(TempSel + 1);
    TempCmnd->setText(insulationCaption(Insulation{TempSel}));
    // Each rating has its own ambient cycle: start it again at 26-30 °C.
    AmbFactor = 1.0f;
    AmbCmnd->setText(QString::fromStdString(rules::ambientCaption(rules::kAmbientReferenceRange)));
    TiCom1_Click();
}

void Ampacity::CondCmnd_Click() {
    Timer2->stop();
    Timer1->stop();
    if (CondCmnd->text() == kRacewayCaption) {
        CondCmnd->setText(kFreeAirCaption);
        CondSel = field(Installation::FreeAir);
        NoOfWCmd->setEnabled(false); // no conductor count applies in free air
        NoOfWCmd->setText(QString());
    } else {
        CondCmnd->setText(kRacewayCaption);
        NoOfWCmd->setEnabled(true);
        NoOfWCmd->setText(QString::fromStdString(
            rules::conductorCountCaption(rules::kConductorCountReferenceRange)));
        CondSel = field(Installation::Raceway);
    }
    NoOfWFactor = 1.0f;
    TiCom1_Click();
    TiCom2_Click(); // the list was just refilled: this shows 0 A until the next tick
    focusSizeList();
}

void Ampacity::AmbCmnd_Click() {
    const rules::CycleStep step = rules::nextAmbient(Insulation{TempSel}, AmbFactor);
    AmbFactor = step.factor;
    AmbCmnd->setText(QString::fromStdString(step.caption));
    applyCorrectionVisibility();
    TiCom2_Click();
}

void Ampacity::NoOfWCmd_Click() {
    if (CondSel == field(Installation::Raceway)) {
        if (const auto step = rules::nextConductorCount(NoOfWFactor)) {
            NoOfWFactor = step->factor;
            NoOfWCmd->setText(QString::fromStdString(step->caption));
        }
    }
    applyCorrectionVisibility();
    TiCom2_Click();
}

// The box shows while a correction applies; when a click takes the last one away the
// box goes and the size list takes the focus (and so drives the pairing).
void Ampacity::applyCorrectionVisibility() {
    if (rules::correctionApplies(AmbFactor, NoOfWFactor)) {
        CorectAmpacity->show();
    } else {
        CorectAmpacity->hide();
        focusSizeList();
    }
}

void Ampacity::focusSizeList() {
    ComWS->setFocus();
    // An inactive window gets no focus event until it is activated again, and then
    // only for its focus widget; run the handler now so the size list drives at once.
    if (!ComWS->hasFocus())
        ComWS_GotFocus();
}

void Ampacity::TiCom1_Click() {
    ComAM->clear();
    if (const auto list =
            rules::ampacityList(Installation{CondSel}, Material{MaterSel}, Insulation{TempSel})) {
        Label1->setText(fromUtf8(list->tableNumber));
        Label2->setText(fromUtf8(list->title));
        QStringList rows;
        rows.reserve(static_cast<qsizetype>(list->rows.size()));
        for (const std::string& row : list->rows)
            rows.append(QString::fromStdString(row));
        ComAM->addItems(rows);
        // QComboBox selects the first row of a list that was empty; the refreshed list
        // has no selection until the next tick copies the size row over.
        ComAM->setCurrentIndex(-1);
    }
    CorectAmpacity->setVisible(rules::correctionApplies(AmbFactor, NoOfWFactor));
    Timer1->start();
}

void Ampacity::TiCom2_Click() {
    const QByteArray row = ComAM->currentText().toUtf8();
    const rules::CorrectedAmpacity result =
        rules::correctedAmpacity({row.constData(), static_cast<std::size_t>(row.size())}, AmbFactor,
                                 NoOfWFactor, decimalSeparator_);
    TableAmps = result.tableAmps;
    CorrectedAmps = result.correctedAmps;
    // Rewriting an unchanged text would repaint the box twenty times a second and undo
    // the user's selection in it.
    const QString text = QString::fromStdString(result.text);
    if (CorectAmpacity->text() != text) {
        CorectAmpacity->setText(text);
        CorectAmpacity->setCursorPosition(0); // where it is too narrow, show the result first
    }
}

void Ampacity::ComWS_GotFocus() {
    Timer2->stop();
    Timer1->start();
}

void Ampacity::ComAM_GotFocus() {
    Timer1->stop();
    Timer2->start();
}

namespace {

// Selects `row` in `list` when there is such a row; -1 (or a row the list does not have)
// leaves the list's selection as it is.
void followRow(QComboBox* list, std::int16_t row) {
    if (row >= 0 && row < list->count() && list->currentIndex() != row)
        list->setCurrentIndex(row);
}

} // namespace

void Ampacity::Timer1_Timer() {
    SizeRow = static_cast<std::int16_t>(ComWS->currentIndex());
    AmpRow = SizeRow;
    followRow(ComAM, AmpRow);
    TiCom2_Click();
}

void Ampacity::Timer2_Timer() {
    AmpRow = static_cast<std::int16_t>(ComAM->currentIndex());
    SizeRow = AmpRow;
    followRow(ComWS, SizeRow);
    TiCom2_Click();
}
