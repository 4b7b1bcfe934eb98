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
class AboutBrenvik : public QWidget {
    Q_OBJECT
public:
    /// Loads the window onto `mainWindow`'s top-left corner. `afterClose` is called when
    /// the user closes the window with "OK" or a click on its background (not with the
    /// title bar's close button).
    AboutBrenvik(const QWidget* mainWindow, std::function<void()> afterClose);
    ~AboutBrenvik() override;

    void Form_Load();
    void Form_Click();
    void Command3_Click();
    void LabelMail_Click();
    void LabelTarnholm_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointer<const QWidget> mainWindow_;
    std::function<void()> afterClose_;
    forms::Click backgroundClick_;

    QPushButton* Command3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* LabelMail = nullptr;
    QLabel* LabelTarnholm = nullptr;
};
