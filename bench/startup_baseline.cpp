// The toolkit's floor for start-up: a bare fixed-size window of the calculator's client
// size with a 50 ms timer, exiting once it has been painted and the timer has ticked.
// With --stay it stays open: the floor for the idle cost.

#include "first_paint_and_tick.h"

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(485, 174);
    QTimer timer;
    timer.start(50);
    std::unique_ptr<FirstPaintAndTick> exit;
    if (argc < 2 || qstrcmp(argv[1], "--stay") != 0)
        exit = std::make_unique<FirstPaintAndTick>(&window, &timer);
    window.show();
    return app.exec();
}
