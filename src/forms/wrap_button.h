#pragma once

#include <QPushButton>

namespace forms {

/// A command button whose caption wraps at word boundaries when it does not fit, as
/// QPushButton does not. A CR LF in the caption is one line break; no-break spaces keep
/// their words together. text() returns the caption exactly as it was set.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace forms
