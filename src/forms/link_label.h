#pragma once

#include "forms/click.h"

#include <QLabel>

namespace forms {

/// A label that is a link: highlight colour, underlined, a pointing hand over it. It
/// takes the focus from the keyboard (Tab) and is activated by a click, Enter or Space;
/// screen readers see a link with a "press" action.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Click click_;
};

} // namespace forms
