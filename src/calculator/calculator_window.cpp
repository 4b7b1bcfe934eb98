#include "calculator/calculator_window.h"

#include "calculator/calculator_layout.h"
#include "calculator/placement.h"
#include "forms/accessibility.h"
#include "forms/colours.h"
#include "forms/form_builder.h"
#include "platform/program_icon.h"
#include "readme/read_me_window.h"
#include "rules/corrected_ampacity.h"
#include "rules/selection.h"

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

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Selects `row` in `list` where the list has such a row; -1 (or a row the list lacks)
// leaves the list's selection as it is.
void selectRow(QComboBox* list, int row) {
    if (row >= 0 && row < list->count() && list->currentIndex() != row)
        list->setCurrentIndex(row);
}

// The result as a listener wants it, without the working: "=18.2 A  (I × 0.91 × 0.8)"
// says "18.2 A".
QString spoken(const QString& result) {
    const QString value = result.section(QStringLiteral("  "), 0, 0);
    return value.startsWith(QLatin1Char('=')) ? value.mid(1) : value;
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , decimalSeparator_(QLocale().decimalPoint().toStdString()) {
    setWindowIcon(platform::programIcon());
    forms::buildForm(this, calculator::kCalculatorForm);
    bindControls();
    connectControls();

    // The start: in the upper right of the screen, every size listed with 14 AWG selected
    // and the copper, raceway, 60 °C ampacities beside them.
    placeWindow();
    QStringList sizes;
    for (const std::string_view size : rules::sizeRows())
        sizes.append(fromUtf8(size));
    sizeList->addItems(sizes);
    sizeList->setCurrentIndex(sizeRow_);
    refillAmpacityList();
    // The first control in tab order takes the focus; neither list's handler runs.
    materialButton->setFocus();
}

CalculatorWindow::~CalculatorWindow() {
    delete readMe_.data(); // it has no owner: it goes with the program
}

void CalculatorWindow::bindControls() {
    const auto bind = [this](auto*& control, const char* name) {
        forms::bind(this, control, name);
    };
    bind(tableNumber, "tableNumber");
    bind(tableTitle, "tableTitle");
    bind(materialButton, "materialButton");
    bind(installationButton, "installationButton");
    bind(insulationButton, "insulationButton");
    bind(sizeList, "sizeList");
    bind(ampacityList, "ampacityList");
    bind(ambientButton, "ambientButton");
    bind(conductorCountButton, "conductorCountButton");
    bind(correctedAmpacity, "correctedAmpacity");
    bind(readMeButton, "readMeButton");
    bind(exitButton, "exitButton");
    bind(sizeListTimer, "sizeListTimer");
    bind(ampacityListTimer, "ampacityListTimer");
}

void CalculatorWindow::connectControls() {
    connect(materialButton, &QPushButton::clicked, this, &CalculatorWindow::onMaterialClicked);
    connect(installationButton, &QPushButton::clicked, this,
            &CalculatorWindow::onInstallationClicked);
    connect(insulationButton, &QPushButton::clicked, this, &CalculatorWindow::onInsulationClicked);
    connect(ambientButton, &QPushButton::clicked, this, &CalculatorWindow::onAmbientClicked);
    connect(conductorCountButton, &QPushButton::clicked, this,
            &CalculatorWindow::onConductorCountClicked);
    connect(readMeButton, &QPushButton::clicked, this, &CalculatorWindow::openReadMe);
    connect(exitButton, &QPushButton::clicked, this, &CalculatorWindow::exitProgram);
    connect(sizeListTimer, &QTimer::timeout, this, &CalculatorWindow::followSizeList);
    connect(ampacityListTimer, &QTimer::timeout, this, &CalculatorWindow::followAmpacityList);
    // The lists change which one drives when they receive the focus, not when their
    // selection changes.
    sizeList->installEventFilter(this);
    ampacityList->installEventFilter(this);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    // A mouse click on a list delivers the focus twice (the click, then the closing
    // popup); switching the timers twice is harmless.
    if (event->type() == QEvent::FocusIn) {
        if (watched == sizeList)
            letSizeListDrive();
        else if (watched == ampacityList)
            letAmpacityListDrive();
    }
    return QWidget::eventFilter(watched, event);
}

// The upper right of the primary screen, by the window's outer size. Before the first
// show the window manager has not framed the window yet and the outer size is the client
// size; event() places the window again once, when the frame becomes known.
void CalculatorWindow::placeWindow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(calculator::upperRightPlacement(screen->geometry(), frameGeometry().size()));
}

bool CalculatorWindow::event(QEvent* event) {
    const bool result = QWidget::event(event);
    if (!placedByFrame_ && frameGeometry().size() != size()) {
        placedByFrame_ = true;
        placeWindow();
    }
    return result;
}

// Nothing the timers do can be seen while the window is minimized: they stop, and the
// one that ran starts again when the window comes back.
void CalculatorWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized()) {
        if (sizeListTimer->isActive() || ampacityListTimer->isActive()) {
            restingTimer_ = sizeListTimer->isActive() ? sizeListTimer : ampacityListTimer;
            sizeListTimer->stop();
            ampacityListTimer->stop();
        }
    } else if (restingTimer_) {
        // Unless a handler that ran meanwhile has started one already.
        if (!sizeListTimer->isActive() && !ampacityListTimer->isActive())
            restingTimer_->start();
        restingTimer_ = nullptr;
    }
}

void CalculatorWindow::exitProgram() {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void CalculatorWindow::openReadMe() {
    // One read-me window at a time: while it is open a click brings it forward as it is.
    if (!readMe_) {
        readMe_ = new ReadMeWindow;
        // On the calculator's outer top-left corner, or as near it as keeps the larger
        // read-me window whole on the screen (out of the desktop's panels), taking the
        // frame it will get to be the calculator's.
        const QSize outer = readMe_->size() + frameGeometry().size() - size();
        readMe_->move(calculator::keptOnScreen(screen()->availableGeometry(), pos(), outer));
        connect(readMe_, &ReadMeWindow::dismissed, this, [this] { activateWindow(); });
    }
    readMe_->show();
    readMe_->activateWindow(); // which brings it to the front
}

void CalculatorWindow::onMaterialClicked() {
    // The size row is the one the last tick recorded, at most one interval old.
    selection_ = rules::nextMaterial(selection_);
    if (selection_.material == rules::Material::Aluminum) {
        sizeList->removeItem(0); // aluminum has no 14 AWG
        if (sizeRow_ > 0)
            --sizeRow_; // the same size, one row higher; 14 AWG becomes 12 AWG
    } else {
        sizeList->insertItem(0, fromUtf8(rules::sizeRows().front()));
        ++sizeRow_;
    }
    materialButton->setText(fromUtf8(rules::materialCaption(selection_)));
    const QColor colour = forms::toColor(calculator::materialColour(selection_.material));
    for (QWidget* control :
         std::initializer_list<QWidget*>{correctedAmpacity, sizeList, ampacityList})
        forms::setTextColour(control, colour);
    sizeList->setCurrentIndex(sizeRow_);
    refillAmpacityList();
    focusSizeList();
}

void CalculatorWindow::onInsulationClicked() {
    ampacityListTimer->stop(); // the refill hands the pairing to the size list
    selection_ = rules::nextInsulation(selection_);
    insulationButton->setText(fromUtf8(rules::insulationCaption(selection_)));
    ambientButton->setText(fromUtf8(rules::ambientCaption(selection_)));
    refillAmpacityList();
}

void CalculatorWindow::onInstallationClicked() {
    selection_ = rules::nextInstallation(selection_);
    installationButton->setText(fromUtf8(rules::installationCaption(selection_)));
    // No conductor count applies in free air (its caption is blank there).
    conductorCountButton->setEnabled(selection_.installation == rules::Installation::Raceway);
    conductorCountButton->setText(fromUtf8(rules::conductorCountCaption(selection_)));
    refillAmpacityList();
    showCorrectedAmpacity(); // the list was just refilled: this shows 0 A until the next tick
    focusSizeList();
}

void CalculatorWindow::onAmbientClicked() {
    selection_ = rules::nextAmbient(selection_);
    ambientButton->setText(fromUtf8(rules::ambientCaption(selection_)));
    showCorrectionWhileItApplies();
    showCorrectedAmpacity();
}

void CalculatorWindow::onConductorCountClicked() {
    selection_ = rules::nextConductorCount(selection_); // in free air: blank, as it stands
    conductorCountButton->setText(fromUtf8(rules::conductorCountCaption(selection_)));
    showCorrectionWhileItApplies();
    showCorrectedAmpacity();
}

// The box shows while a correction applies; when a click takes the last one away the
// box goes and the size list takes the focus (and so drives the pairing).
void CalculatorWindow::showCorrectionWhileItApplies() {
    if (correctionApplies()) {
        correctedAmpacity->show();
        return;
    }
    correctedAmpacity->hide();
    focusSizeList();
}

bool CalculatorWindow::correctionApplies() const {
    return rules::correctionApplies(rules::ambientFactor(selection_),
                                    rules::conductorCountFactor(selection_));
}

void CalculatorWindow::focusSizeList() {
    sizeList->setFocus();
    // An inactive window gets no focus event until it is activated again, and then
    // only for its focus widget; let the size list drive at once.
    if (!sizeList->hasFocus())
        letSizeListDrive();
}

// The list of the table, material and rating chosen, with the table's number and title.
// No row is selected until the next tick of the size list's timer, started afresh here,
// copies the size row over.
void CalculatorWindow::refillAmpacityList() {
    const rules::AmpacityList list =
        rules::ampacityList(selection_.installation, selection_.material, selection_.insulation);
    ampacityList->clear();
    tableNumber->setText(fromUtf8(list.tableNumber));
    tableTitle->setText(fromUtf8(list.title));
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(list.rows.size()));
    for (const std::string& row : list.rows)
        rows.append(fromUtf8(row));
    ampacityList->addItems(rows);
    ampacityList->setCurrentIndex(-1); // QComboBox selects the first row of a filled list
    correctedAmpacity->setVisible(correctionApplies());
    sizeListTimer->start();
}

void CalculatorWindow::showCorrectedAmpacity() {
    const QByteArray row = ampacityList->currentText().toUtf8();
    const QString text = fromUtf8(rules::correctedAmpacityText(
        {row.constData(), static_cast<std::size_t>(row.size())}, rules::ambientFactor(selection_),
        rules::conductorCountFactor(selection_), decimalSeparator_));
    // Rewriting an unchanged text would repaint the box twenty times a second and undo
    // the user's selection in it.
    if (correctedAmpacity->text() == text)
        return;
    correctedAmpacity->setText(text);
    correctedAmpacity->setCursorPosition(0); // where it is too narrow, the result first
    announceResult(text);
}

// Said once the action that changed it is done: not for the 0 A of a list just refilled
// (the next tick shows the row's result), and not while the box is hidden.
void CalculatorWindow::announceResult(const QString& text) {
    if (correctedAmpacity->isVisibleTo(this) && ampacityList->currentIndex() >= 0)
        forms::announce(correctedAmpacity,
                        correctedAmpacity->accessibleName() + QLatin1Char(' ') + spoken(text));
}

void CalculatorWindow::letSizeListDrive() {
    ampacityListTimer->stop();
    sizeListTimer->start();
}

void CalculatorWindow::letAmpacityListDrive() {
    sizeListTimer->stop();
    ampacityListTimer->start();
}

void CalculatorWindow::followSizeList() {
    sizeRow_ = sizeList->currentIndex();
    selectRow(ampacityList, sizeRow_);
    showCorrectedAmpacity();
}

void CalculatorWindow::followAmpacityList() {
    sizeRow_ = ampacityList->currentIndex();
    selectRow(sizeList, sizeRow_);
    showCorrectedAmpacity();
}
