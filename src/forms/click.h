#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace forms {

/// A mouse click as a user means it: the left button pressed on a widget and released
/// over the same widget. A press that is released outside is no click.
class Click {
public:
    void press(const QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

    /// At a release: whether it ends a click on `widget`.
    bool release(const QMouseEvent* event, const QWidget* widget) {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           widget->rect().contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};

} // namespace forms
