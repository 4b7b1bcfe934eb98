// The toolkit's floor for start-up: a bare fixed-size window of the calculator's client
// size with a 50 ms timer, exiting once it has been painted and the timer has ticked.
// With --stay it stays open: the floor for the idle cost.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintAndTick : public QObject {
public:
    FirstPaintAndTick(QWidget* window, QTimer* timer) {
        if (!window)
            return; // stays open
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
    QWidget window;
    window.setFixedSize(485, 174);
    QTimer timer;
    timer.start(50);
    const bool stay = argc > 1 && qstrcmp(argv[1], "--stay") == 0;
    FirstPaintAndTick exit(stay ? nullptr : &window, &timer);
    window.show();
    return app.exec();
}
