// One whole tick of the list-pairing timer on a real main window (offscreen): with the
// lists already on the same row, and with a new row to copy.

#include "calculator/ampacity.h"
#include "forms/fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

Ampacity* window = nullptr;

void idleTick(benchmark::State& state) {
    for (auto _ : state)
        window->Timer1_Timer();
}
BENCHMARK(idleTick);

void tickWithNewRow(benchmark::State& state) {
    auto* sizes = window->findChild<QComboBox*>(QStringLiteral("ComWS"));
    int row = 0;
    for (auto _ : state) {
        state.PauseTiming();
        row = (row + 1) % sizes->count();
        sizes->setCurrentIndex(row);
        state.ResumeTiming();
        window->Timer1_Timer();
    }
}
BENCHMARK(tickWithNewRow);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    forms::loadFonts();
    Ampacity ampacity;
    ampacity.show();
    // 90 °C with an ambient correction: the result box is on screen and in use.
    ampacity.TempCmnd_Click();
    ampacity.TempCmnd_Click();
    ampacity.AmbCmnd_Click();
    ampacity.Timer1_Timer();
    QCoreApplication::processEvents();
    window = &ampacity;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
