#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>

class AboutBrenvik;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

/// The calculator's main window. Its state is a set of plain fields shared by the event
/// handlers, each handler named after its control and event. The size list and the
/// ampacity list are kept on the same row by two 50 ms timers: the list that last got the
/// focus drives, and every tick recomputes the corrected ampacity.
class Ampacity : public QWidget {
    Q_OBJECT
public:
    explicit Ampacity(QWidget* parent = nullptr);
    ~Ampacity() override;

    // Calculator state.
    std::int16_t TempSel = 2;  // insulation: 0 = 75 °C, 1 = 90 °C, 2 = 60 °C
    std::int16_t MaterSel = 0; // 0 = copper, 1 = aluminum
    std::int16_t CondSel = 0;  // 0 = raceway, cable or earth, 1 = free air
    std::int16_t SizeRow = 0;  // rows last copied between the lists, -1 for none
    std::int16_t AmpRow = -1;
    float NoOfWFactor = 1.0f; // adjustment for more than three current-carrying conductors
    float AmbFactor = 1.0f;   // ambient temperature correction
    float CorrectedAmps = 15.0f;
    float TableAmps = 0.0f;
    std::int32_t WinTop = 0; // twips; wide enough for any screen, a 4K one included
    std::int32_t WinLeft = 0;

    // Handlers.
    void Form_Load();
    void ExitCmd_Click();
    void AboutCmd_Click();
    void MaterCmnd_Click();
    void TempCmnd_Click();
    void CondCmnd_Click();
    void AmbCmnd_Click();
    void NoOfWCmd_Click();
    void TiCom1_Click(); // refills the ampacity list for the selection
    void TiCom2_Click(); // shows the corrected ampacity of the selected row
    void ComWS_GotFocus();
    void ComAM_GotFocus();
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindControls();
    void connectHandlers();
    void placeWindow();
    void applyCorrectionVisibility();
    void focusSizeList();

    std::string decimalSeparator_;
    QPointer<AboutBrenvik> about_;  // the read-me window while it is open
    bool placedByFrame_ = false;    // placed again once the window frame was known
    QTimer* pausedTimer_ = nullptr; // the timer that ran when the window was minimized

    QPushButton* ExitCmd = nullptr;
    QLineEdit* CorectAmpacity = nullptr;
    QPushButton* NoOfWCmd = nullptr;
    QPushButton* AmbCmnd = nullptr;
    QPushButton* TempCmnd = nullptr;
    QPushButton* CondCmnd = nullptr;
    QPushButton* MaterCmnd = nullptr;
    QComboBox* ComAM = nullptr;
    QComboBox* ComWS = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* AboutCmd = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
};
