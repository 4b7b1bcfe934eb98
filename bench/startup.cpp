// Starts the calculator as the program does and exits once the window has been painted
// and its first tick has run: the whole-process cost of a look-up's start.

#include "calculator/ampacity.h"
#include "forms/fonts.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

// Quits once the watched window has painted and the timer has ticked.
class FirstPaintAndTick : public QObject {
public:
    FirstPaintAndTick(QWidget* window, QTimer* timer) {
        window->installEventFilter(this);
        connect(timer, &QTimer::timeout, this, [this] { ticked_ = true; maybeQuit(); });
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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    forms::loadFonts();
    Ampacity window;
    FirstPaintAndTick exit(&window, window.findChild<QTimer*>(QStringLiteral("Timer1")));
    window.show();
    return app.exec();
}
