#pragma once

#include "forms/click.h"

#include <QLabel>

namespace forms {

/// A label that is a link: in the desktop's highlight colour (made dark or light enough
/// to read on the window), underlined, a pointing hand over it. It takes the focus from
/// the keyboard (Tab) and is activated by a click, or by Enter or Space (once while the
/// key is held); screen readers see a link with a "press" action.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followTheme();

    Click click_;
};

} // namespace forms
