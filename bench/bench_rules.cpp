// The rules library on its own: the corrected ampacity and its text, the read-back of a
// row, and the look-up of an ampacity list.

#include "rules/corrected_ampacity.h"
#include "rules/readback.h"
#include "rules/tables.h"

#include <benchmark/benchmark.h>

namespace {

struct Case {
    const char* row;
    float ambient;
    float count;
};
constexpr Case kCases[] = {
    {"   25 A (15A)", 1.0f, 1.0f},  // no correction
    {"   25 A (15A)", 0.91f, 1.0f}, // =22.75 A  (I × 0.91)
    {"   25 A (15A)", 0.91f, 0.7f}, // =15.92 A  (I × 0.91 × 0.7)
    {" 1445 A", 1.15f, 1.0f},       // =1661.8 A  (I × 1.15)
};

void correctedAmpacityText(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(rules::correctedAmpacityText(c.row, c.ambient, c.count));
}
BENCHMARK(correctedAmpacityText)->DenseRange(0, 3);

// The number alone: read-back and arithmetic, no text.
void correctedAmpsOnly(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(rules::correctedAmps(
            static_cast<float>(rules::leadingNumber(c.row)), c.ambient, c.count));
}
BENCHMARK(correctedAmpsOnly)->DenseRange(0, 3);

void leadingNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(rules::leadingNumber("   25 A (15A)"));
}
BENCHMARK(leadingNumber);

void numberText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(rules::numberText(1661.8f));
}
BENCHMARK(numberText);

void listLookUp(benchmark::State& state) {
    int rating = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rules::ampacityList(
            rules::Installation::FreeAir, rules::Material::Aluminum, rules::Insulation{rating}));
        rating = (rating + 1) % 3;
    }
}
BENCHMARK(listLookUp);

} // namespace

BENCHMARK_MAIN();
