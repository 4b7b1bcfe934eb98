#pragma once

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
    bool pressed_ = false;
};

/// Makes the accessibility layer describe this library's buttons and links: a button is
/// named by its caption read as one phrase (line breaks as blanks), a link by its
/// accessible name. buildForm() calls it; once is enough.
void installAccessibility();

} // namespace forms
