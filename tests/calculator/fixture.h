#pragma once

// What the tests of the main window start from: the window shown, active and past its
// first tick, its controls found by name, and the read-me window while it is open.

#include "calculator/calculator_window.h"
#include "forms/fonts.h"
#include "text.h"
#include "ui.h"

#include <QLineEdit>
#include <memory>

/// The read-me window while it is open, else nothing.
inline QWidget* openReadMe() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("readMeWindow") && top->isVisible())
            return top;
    return nullptr;
}

class CalculatorTest : public QObject {
protected:
    void start() {
        forms::loadFonts();
        window_ = std::make_unique<CalculatorWindow>();
        window_->show();
        window_->activateWindow(); // on an X server with no window manager, nobody else does
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        COMPARE_SOON(row("ampacityList"), 0); // the first tick
    }
    template <typename T = QWidget> T* at(const char* name) {
        return control<T>(window_.get(), name);
    }
    int row(const char* list) { return at<QComboBox>(list)->currentIndex(); }
    QString box() { return at<QLineEdit>("correctedAmpacity")->text(); }
    void clickOn(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            click(at(name));
    }

    std::unique_ptr<QWidget> window_;
};
