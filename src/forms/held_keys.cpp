#include "forms/held_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace forms {

namespace {

// An X server repeats a held key as a release and a press that carry the same timestamp.
// Qt flags the two as a repeat only when the press is already in its queue as it handles
// the release; on a busy machine they come apart, and the press counts as a new one (and
// so does Qt's own Space on a push button). A key press with the timestamp of the release
// of the same key just before it can only be such a repeat: a finger takes far longer than
// a millisecond to lift a key and press it again. A key with no time (0) is never taken
// for a repeat. The release before it still reaches the widgets, so Space clicks once, as
// on a real release.
class HeldKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const KeyEvent seen{event->type(), key->key(), key->timestamp()};
        const bool presses =
            seen.key == Qt::Key_Return || seen.key == Qt::Key_Enter || seen.key == Qt::Key_Space;
        const bool repeat = presses && seen.type == QEvent::KeyPress && seen.time != 0 &&
                            last_.type == QEvent::KeyRelease && last_.key == seen.key &&
                            last_.time == seen.time;
        last_ = seen; // the window sees each event first, then the widget with the focus
        return repeat;
    }

private:
    struct KeyEvent {
        QEvent::Type type = QEvent::None;
        int key = Qt::Key_unknown;
        quint64 time = 0;
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
