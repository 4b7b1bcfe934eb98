#include "forms/link_label.h"

#include "forms/colours.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace forms {

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    followTheme();
}

void LinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followTheme();
}

// The text and the focus frame take the theme's highlight colour as it reads on the
// window's background.
void LinkLabel::followTheme() {
    const QPalette window = parentWidget() ? parentWidget()->palette() : palette();
    const QColor colour =
        readableOn(window.color(QPalette::Highlight), window.color(QPalette::Window));
    QPalette link = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        link.setColor(group, QPalette::WindowText, colour);
        link.setColor(group, QPalette::Highlight, colour);
    }
    setPalette(link);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    click_.press(event);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (click_.release(event, this))
        emit activated();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit activated();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace forms
