#pragma once

// What the tests of the main window start from: the window shown, active and ticked
// once, its controls found by name, and the read-me window while it is open.

#include "calculator/ampacity.h"
#include "forms/fonts.h"
#include "text.h"

#include <QApplication>
#include <QTest>
#include <memory>

/// The control `name` of `window`; the test run stops where there is none.
template <typename T = QWidget> T* control(const QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

/// The read-me window while it is open, else nothing.
inline QWidget* openReadMe() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("AboutBrenvik") && top->isVisible())
            return top;
    return nullptr;
}

/// The name of the control that has the keyboard focus.
inline QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

class CalculatorTest : public QObject {
protected:
    void start() {
        forms::loadFonts();
        window_ = std::make_unique<Ampacity>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        window_->Timer1_Timer();
    }
    template <typename T = QWidget> T* at(const char* name) {
        return control<T>(window_.get(), name);
    }

    std::unique_ptr<Ampacity> window_;
};
