#pragma once

#include "forms/click.h"

#include <QWidget>

class QLabel;
class QPushButton;
namespace forms {
class LinkLabel;
}

/// The read-me window: disclaimer, NEC notes, small-conductor limits, ordering terms,
/// version and copyright, and two links that hand the maker's mail and web addresses
/// to the desktop. It is modeless and has no owner; closing it discards it. Whoever
/// opens it places it.
class ReadMeWindow : public QWidget {
    Q_OBJECT
public:
    ReadMeWindow();
    ~ReadMeWindow() override;

signals:
    /// The user dismissed the window with "OK", Escape or a click on its background (not
    /// with the title bar's close button); it closes.
    void dismissed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fillTexts();
    void dismiss();
    void openMailLink();
    void openWebLink();

    forms::Click backgroundClick_;

    // The controls, by their object names.
    QPushButton* okButton = nullptr;
    QLabel* disclaimer = nullptr;
    QLabel* necNotes = nullptr;
    QLabel* smallConductorLimits = nullptr;
    QLabel* orderingTerms = nullptr;
    QLabel* copyrightNotice = nullptr;
    QLabel* versionLine = nullptr;
    forms::LinkLabel* mailLink = nullptr;
    forms::LinkLabel* webLink = nullptr;
};
