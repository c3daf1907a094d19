#include "engine/conversions.h"
#include "engine/sigdig.h"
#include "toolkit/memory_textbox.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// One value in each display band, negatives and a large one included.
constexpr std::array kLevels{-3.456,       123456.78,     5.4321,         0.54321,
                             0.054321,     0.0012345,     0.00054321,     0.000054321,
                             0.0000054321, 0.00000054321, 0.000000054321, 0.0};

void sigdigAcrossBands(benchmark::State& state) {
    toolkit::MemoryTextBox box;
    std::size_t i = 0;
    for (auto _ : state) {
        engine::sigdig(kLevels[i], box);
        i = (i + 1) % kLevels.size();
    }
    benchmark::DoNotOptimize(box.Text());
}
BENCHMARK(sigdigAcrossBands);

// An acceleration entry: accel, acc2vel, acc2disp into the ten amplitude boxes.
void accelerationChain(benchmark::State& state) {
    std::array<toolkit::MemoryTextBox, 10> box;
    const engine::AmplitudeBoxes boxes{box[0], box[1], box[2], box[3], box[4],
                                       box[5], box[6], box[7], box[8], box[9]};
    engine::Conversions conversions(boxes, [] { return true; });
    double g = 0.7072135785007072;
    for (auto _ : state) {
        double v = 0;
        conversions.accel(g);
        conversions.acc2vel(g, 50.0f, v);
        conversions.acc2disp(g, 50.0f);
        benchmark::DoNotOptimize(v);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(accelerationChain);

} // namespace

BENCHMARK_MAIN();
