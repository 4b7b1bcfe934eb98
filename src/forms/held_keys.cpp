#include "forms/held_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <chrono>

namespace forms {

namespace {

// An X server repeats a held key as a release and a press that carry the same timestamp.
// Qt flags the two as a repeat only when the press is already in its queue as it handles
// the release; on a busy machine they come apart, and the press counts as a new one (and
// so does Qt's own Space on a push button). A key press with the timestamp of the release
// of the same key just before it can only be such a repeat: a finger takes far longer than
// a millisecond to lift a key and press it again. While a screen reader listens, Qt's
// bridge to it hands every key event on again without its time (0), and the repeats
// come apart the same way: then the time each event reaches the program stands in, and a
// press within 30 ms of the release of the same key is a repeat (the two come a
// millisecond or two apart; no finger lifts and presses a key in 30 ms). The release
// before it still reaches the widgets, so Space clicks once, as on a real release.
class HeldKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const KeyEvent seen{event->type(), key->key(), key->timestamp(), Clock::now()};
        const bool presses =
            seen.key == Qt::Key_Return || seen.key == Qt::Key_Enter || seen.key == Qt::Key_Space;
        const bool sameTime = seen.time != 0 ? last_.time == seen.time
                                             : last_.time == 0 && seen.came - last_.came < kApart;
        const bool repeat = presses && seen.type == QEvent::KeyPress &&
                            last_.type == QEvent::KeyRelease && last_.key == seen.key && sameTime;
        last_ = seen; // the window sees each event first, then the widget with the focus
        return repeat;
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kApart = std::chrono::milliseconds(30);
    struct KeyEvent {
        QEvent::Type type = QEvent::None;
        int key = Qt::Key_unknown;
        quint64 time = 0;       // the platform's, 0 where it gives none
        Clock::time_point came; // when it reached the program
    };
    KeyEvent last_;
};

} // namespace

void pressOncePerHeldKey() {
    // Elsewhere the platform flags every repeat: Windows in the key message, Wayland's Qt
    // makes the repeats itself.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        qApp->installEventFilter(new HeldKeyFilter(qApp));
}

} // namespace forms
