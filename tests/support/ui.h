#pragma once

// Driving a window as its user does (the pointer at a point, the keys to the window that
// has the focus) and reading what the user sees.

#include <QAbstractItemView>
#include <QAccessible>
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

/// A left click at `at` in `window` (at `control`'s centre unless given), handed to the
/// window as the desktop hands it over: whatever widget is on top there gets it.
inline void click(const QWidget* control, QPoint at = {-1, -1}) {
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                      at == QPoint(-1, -1) ? centreInWindow(control) : at);
}

/// Opens `list` with a click and clicks row `row` in the list that drops down, scrolled
/// into view first as a user scrolls to it.
inline void pick(QComboBox* list, int row) {
    click(list);
    QAbstractItemView* view = list->view();
    const QModelIndex item = list->model()->index(row, 0);
    view->scrollTo(item);
    click(view, view->viewport()->mapTo(view->window(), view->visualRect(item).center()));
}

/// The wheel turned `notches` notches towards the user with the pointer over `control`'s
/// centre, each notch handed to the widget on top there as the desktop hands it over.
inline void wheel(const QWidget* control, int notches) {
    const QPoint at = centreInWindow(control);
    for (int notch = 0; notch < notches; ++notch) {
        QWidget* target = control->window()->childAt(at);
        QWheelEvent event(target->mapFrom(control->window(), at),
                          control->window()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
}

/// A key pressed and released in the window that has the keyboard focus.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

/// A key held down in the window that has the focus: pressed, repeated `repeats` times by
/// the keyboard, then released.
inline void hold(Qt::Key key, Qt::KeyboardModifiers modifiers, int repeats) {
    for (int i = 0; i <= repeats; ++i)
        QTest::simulateEvent(QGuiApplication::focusWindow(), true, key, modifiers, {}, i > 0);
    QTest::simulateEvent(QGuiApplication::focusWindow(), false, key, modifiers, {}, false);
}

/// A screen reader's action on `control`: a press unless named.
inline void byScreenReader(QWidget* control,
                           const QString& action = QAccessibleActionInterface::pressAction()) {
    QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(action);
}

/// Counts the wake-ups of `window`'s timers while it lives, and the timers that woke it.
struct WakeUps : QObject {
    explicit WakeUps(QWidget* window) {
        for (QTimer* timer : window->findChildren<QTimer*>())
            connect(timer, &QTimer::timeout, this, [this, timer] {
                ++count;
                timers.insert(timer);
            });
    }
    /// Waits for `ticks` wake-ups: a user's pause.
    bool waitFor(int ticks) {
        return QTest::qWaitFor([&] { return count >= ticks; }, 1000);
    }
    int count = 0;
    QSet<QTimer*> timers;
};

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
