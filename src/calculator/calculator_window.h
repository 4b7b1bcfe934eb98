#pragma once

#include "rules/selection.h"

#include <QPointer>
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class ReadMeWindow;

/// The calculator's main window: the size and ampacity lists of the NEC table that the
/// selector buttons choose, and the ampacity corrected for the ambient temperature and the
/// number of conductors. The two lists are kept on the same row by two 50 ms timers: the
/// list that last took the focus drives, and every tick shows the corrected ampacity
/// afresh.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);
    ~CalculatorWindow() override;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindControls();
    void connectControls();
    void placeWindow();

    void onMaterialClicked();
    void onInsulationClicked();
    void onInstallationClicked();
    void onAmbientClicked();
    void onConductorCountClicked();
    void openReadMe();
    void exitProgram();

    void refillAmpacityList();
    void showCorrectedAmpacity();
    void announceResult(const QString& text);
    void showCorrectionWhileItApplies();
    bool correctionApplies() const;
    void focusSizeList();
    void letSizeListDrive();
    void letAmpacityListDrive();
    void followSizeList();
    void followAmpacityList();

    rules::Selection selection_; // what the user has chosen with the buttons
    // The size list's row as the last tick found it (-1: none); a change of material
    // keeps that size selected.
    int sizeRow_ = 0;

    std::string decimalSeparator_;
    QPointer<ReadMeWindow> readMe_;  // while it is open
    bool placedByFrame_ = false;     // placed again once the window frame was known
    QTimer* restingTimer_ = nullptr; // the timer that ran when the window was minimized

    // The controls, by their object names.
    QLabel* tableNumber = nullptr;
    QLabel* tableTitle = nullptr;
    QPushButton* materialButton = nullptr;
    QPushButton* installationButton = nullptr;
    QPushButton* insulationButton = nullptr;
    QComboBox* sizeList = nullptr;
    QComboBox* ampacityList = nullptr;
    QPushButton* ambientButton = nullptr;
    QPushButton* conductorCountButton = nullptr;
    QLineEdit* correctedAmpacity = nullptr;
    QPushButton* readMeButton = nullptr;
    QPushButton* exitButton = nullptr;
    QTimer* sizeListTimer = nullptr;     // runs while the size list drives
    QTimer* ampacityListTimer = nullptr; // runs while the ampacity list drives
};
