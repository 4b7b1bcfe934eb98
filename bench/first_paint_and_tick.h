#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

/// Quits the application once `window` has been painted and `timer` has ticked: the end
/// of a start-up as the start-up benchmarks count it.
class FirstPaintAndTick : public QObject {
public:
    FirstPaintAndTick(QWidget* window, QTimer* timer) {
        window->installEventFilter(this);
        connect(timer, &QTimer::timeout, this, [this] {
            ticked_ = true;
            maybeQuit();
        });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted_ = true;
            maybeQuit();
        }
        return false;
    }

private:
    void maybeQuit() {
        if (painted_ && ticked_)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    bool painted_ = false;
    bool ticked_ = false;
};
