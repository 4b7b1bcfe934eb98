#include "forms/held_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <utility>

namespace forms {

namespace {

// An X server repeats a held key as a release and a press that carry the same timestamp.
// Qt flags the two as a repeat only when the press is already in its queue as it handles
// the release; on a busy machine they come apart, and the press counts as a new one (and
// so does Qt's own Space on a push button). A key press with the timestamp of the release
// just before it can only be such a repeat: a finger takes far longer than a millisecond
// to lift a key and press it again. The release before it still reaches the widgets, so
// Space clicks once, as on a real release.
class HeldKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if (!press && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter &&
            key->key() != Qt::Key_Space)
            return false;
        if (!press) {
            lastRelease_ = {key->key(), key->timestamp()};
            return false;
        }
        return lastRelease_ == std::pair(key->key(), key->timestamp());
    }

private:
    std::pair<int, quint64> lastRelease_{Qt::Key_unknown, 0};
};

} // namespace

void pressOncePerHeldKey() {
    // Elsewhere the platform flags every repeat: Windows in the key message, Wayland's Qt
    // makes the repeats itself.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        qApp->installEventFilter(new HeldKeyFilter(qApp));
}

} // namespace forms
