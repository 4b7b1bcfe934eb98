// The calculator left alone: counts the paint events of the window and every control
// while nothing changes, and the process's CPU time over the same span.
// Usage: brenvik-idle [SECONDS]   (5 unless given)

#include "calculator/calculator_window.h"
#include "forms/fonts.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && counting) {
            ++paints;
            std::fprintf(stderr, "paint: %s\n", qPrintable(watched->objectName()));
        }
        return false;
    }
    bool counting = false;
    int paints = 0;
};

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    forms::loadFonts();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    CalculatorWindow window;
    PaintCounter counter;
    window.installEventFilter(&counter);
    for (QWidget* child : window.findChildren<QWidget*>())
        child->installEventFilter(&counter);
    window.show();
    // A correction in force, so that the result box is on screen and recomputed.
    window.findChild<QPushButton*>(QStringLiteral("ambientButton"))->click();

    double cpuAtStart = 0;
    QTimer::singleShot(1000, &app, [&] { // let start-up settle first
        counter.counting = true;
        cpuAtStart = cpuSeconds();
    });
    QTimer::singleShot(1000 + seconds * 1000, &app, [&] {
        const double cpu = cpuSeconds() - cpuAtStart;
        std::printf("idle %d s: %d repaints, %.4f s CPU (%.3f %% of one core)\n", seconds,
                    counter.paints, cpu, 100.0 * cpu / seconds);
        app.quit();
    });
    return app.exec();
}
