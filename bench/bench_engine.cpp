// The engine's cost per call: one level shown in each display band, and a whole acceleration
// entry (all ten levels computed and shown, as ENTER in an acceleration box does).
#include "engine/conversion_chain.h"
#include "engine/level_text.h"

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

// A level in each band, from above 10 down to 1E-07 and below, then a negative one.
constexpr double kBandLevels[] = {1234.5678,     5.4321,         0.54321,     0.054321,
                                  0.0054321,     0.00054321,     0.000054321, 0.0000054321,
                                  0.00000054321, 0.000000054321, -3.456};

void levelTextInBand(benchmark::State& state) {
    double level = kBandLevels[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(level);
        benchmark::DoNotOptimize(engine::levelText(level));
    }
    state.SetLabel(engine::levelText(level));
}
BENCHMARK(levelTextInBand)->DenseRange(0, std::size(kBandLevels) - 1);

// 1 g pk at 50 Hz under the US references.
void accelerationEntry(benchmark::State& state) {
    const engine::DbReferences references = engine::referencesFor(engine::Reference::US);
    double g = 1 / 1.414;
    for (auto _ : state) {
        benchmark::DoNotOptimize(g);
        const engine::Levels levels =
            engine::allLevels(engine::Quantity::Acceleration, g, 50, references);
        for (engine::Unit unit : engine::kAllUnits)
            benchmark::DoNotOptimize(engine::levelText(levels[unit]));
    }
}
BENCHMARK(accelerationEntry);

} // namespace

BENCHMARK_MAIN();
