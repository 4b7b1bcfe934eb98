#pragma once

#include "forms/click.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

/// The read-me window: disclaimer, NEC notes, small-conductor limits, ordering terms,
/// version and copyright, and two links that hand the maker's mail and web addresses
/// to the desktop. It is modeless and has no owner; closing it discards it.
class ReadMeWindow : public QWidget {
    Q_OBJECT
public:
    /// Opens the window on `mainWindow`'s top-left corner. `afterDismiss` is called when
    /// the user dismisses the window with "OK" or a click on its background (not when it
    /// is closed with the title bar's close button).
    ReadMeWindow(const QWidget* mainWindow, std::function<void()> afterDismiss);
    ~ReadMeWindow() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fillTexts();
    void dismiss();
    void openMailLink();
    void openWebLink();

    QPointer<const QWidget> mainWindow_;
    std::function<void()> afterDismiss_;
    forms::Click backgroundClick_;

    // The controls, by their object names.
    QPushButton* okButton = nullptr;
    QLabel* disclaimer = nullptr;
    QLabel* necNotes = nullptr;
    QLabel* smallConductorLimits = nullptr;
    QLabel* orderingTerms = nullptr;
    QLabel* copyrightNotice = nullptr;
    QLabel* versionLine = nullptr;
    QLabel* mailLink = nullptr;
    QLabel* webLink = nullptr;
};
