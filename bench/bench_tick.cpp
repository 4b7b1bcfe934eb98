// One whole tick of the list-pairing timer on a real main window (offscreen): with the
// lists already on the same row, and with a new row to copy.

#include "calculator/calculator_window.h"
#include "forms/fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QTimerEvent>
#include <benchmark/benchmark.h>

namespace {

CalculatorWindow* window = nullptr;

// A tick of the timer that runs, delivered at once as the event loop delivers it.
void tick() {
    QTimer* timer = window->findChild<QTimer*>(QStringLiteral("sizeListTimer"));
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

void idleTick(benchmark::State& state) {
    for (auto _ : state)
        tick();
}
BENCHMARK(idleTick);

void tickWithNewRow(benchmark::State& state) {
    auto* sizes = window->findChild<QComboBox*>(QStringLiteral("sizeList"));
    int row = 0;
    for (auto _ : state) {
        state.PauseTiming();
        row = (row + 1) % sizes->count();
        sizes->setCurrentIndex(row);
        state.ResumeTiming();
        tick();
    }
}
BENCHMARK(tickWithNewRow);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    forms::loadFonts();
    CalculatorWindow calculator;
    calculator.show();
    // 90 °C with an ambient correction: the result box is on screen and in use.
    const auto click = [&calculator](const char* button) {
        calculator.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    };
    click("insulationButton");
    click("insulationButton");
    click("ambientButton");
    window = &calculator;
    tick();
    QCoreApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
