#pragma once

// Driving a window as its user does (the pointer at a point, the keys to the window that
// has the focus) and reading what the user sees.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

/// QCOMPARE once `actual` equals `expected`, or five seconds on: for what a window shows
/// a tick (50 ms) or a few events later. Looks every 10 ms.
#define COMPARE_SOON(actual, expected)                                                             \
    do {                                                                                           \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); }, 5000);                       \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

/// The control `name` of `window`; the test run stops where there is none.
template <typename T = QWidget> T* control(const QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

/// The name of the control that has the keyboard focus.
inline QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

/// Where `control`'s centre is in its window.
inline QPoint centreInWindow(const QWidget* control) {
    return control->mapTo(control->window(), control->rect().center());
}

/// A left click with the pointer over `control`'s centre, handed to its window as the
/// desktop hands it over: whatever widget is on top there gets it.
inline void click(const QWidget* control) {
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                      centreInWindow(control));
}

/// Opens `list` with a click and clicks row `row` in the list that drops down, scrolled
/// into view first as a user scrolls to it.
inline void pick(QComboBox* list, int row) {
    click(list);
    QAbstractItemView* view = list->view();
    const QModelIndex item = list->model()->index(row, 0);
    view->scrollTo(item);
    QWidget* popup = view->window();
    QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {},
                      view->viewport()->mapTo(popup, view->visualRect(item).center()));
}

/// The wheel turned `notches` notches towards the user with the pointer over `control`'s
/// centre, each notch handed to the widget on top there as the desktop hands it over.
inline void wheel(const QWidget* control, int notches) {
    QWidget* window = control->window();
    const QPoint at = centreInWindow(control);
    for (int notch = 0; notch < notches; ++notch) {
        QWidget* target = window->childAt(at);
        if (!target)
            target = window;
        QWheelEvent event(target->mapFrom(window, at), window->mapToGlobal(at), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
}

/// A key pressed and released in the window that has the keyboard focus.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

/// The controls of `window` that take the focus, and so a click, but that are not the
/// widget under the pointer at their centre: something covers them.
inline QStringList coveredControls(const QWidget* window) {
    QStringList covered;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || !widget->isVisibleTo(window) ||
            widget->focusPolicy() == Qt::NoFocus)
            continue;
        const QWidget* hit = window->childAt(centreInWindow(widget));
        if (hit != widget && !widget->isAncestorOf(hit))
            covered << widget->objectName();
    }
    return covered;
}

/// Counts the wake-ups of `window`'s timers while it lives, and the timers that woke it.
class WakeUps : public QObject {
public:
    explicit WakeUps(QWidget* window)
        : timers_(window->findChildren<QTimer*>()) {
        for (QTimer* timer : timers_)
            timer->installEventFilter(this);
    }
    ~WakeUps() override {
        for (QTimer* timer : timers_)
            timer->removeEventFilter(this);
    }
    int count() const { return count_; }
    int timers() const { return int(woke_.size()); }

protected:
    bool eventFilter(QObject* timer, QEvent* event) override {
        if (event->type() == QEvent::Timer) {
            ++count_;
            woke_.insert(timer);
        }
        return false;
    }

private:
    QList<QTimer*> timers_;
    int count_ = 0;
    QSet<QObject*> woke_;
};

/// How often `window`'s timers wake the program up in `milliseconds`.
inline int wakeUps(QWidget* window, int milliseconds) {
    const WakeUps wakeUps(window);
    QTest::qWait(milliseconds);
    return wakeUps.count();
}

/// Waits for `ticks` real ticks of `window`'s timers: a user's pause.
inline bool waitForTicks(QWidget* window, int ticks) {
    const WakeUps wakeUps(window);
    return QTest::qWaitFor([&] { return wakeUps.count() >= ticks; }, 1000);
}

/// One tick of each of `window`'s timers that runs, delivered at once as the event loop
/// delivers it when an interval is up. For the tests that need thousands of ticks; the
/// others wait for real ones.
inline void tick(QWidget* window) {
    for (QTimer* timer : window->findChildren<QTimer*>())
        if (timer->isActive()) {
            QTimerEvent event(timer->timerId());
            QCoreApplication::sendEvent(timer, &event);
        }
}
