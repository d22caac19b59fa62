// One tick's own work, with the window system's answers as constants: the
// readout of one sample and the copy that ComputeReadout hands back. Heap
// allocations are counted by the program's own operator new.
#include "../tests/counting_new.h"
#include "readout/readout.h"

#include <benchmark/benchmark.h>

namespace {

void Tick(benchmark::State& state, ReadoutSample sample) {
    const long before = AllocationsSoFar();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sample);
        Readout readout;
        FillReadout(sample, readout, OutOfRangeText);
        Readout result = readout; // what ComputeReadout returns
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(readout);
    }
    state.counters["allocs/tick"] = benchmark::Counter(static_cast<double>(AllocationsSoFar() - before),
                                                       benchmark::Counter::kAvgIterations);
}

const ReadoutSample kInside{{0, 0, 1920, 1080}, {100, 200}, {1123, 845}};
const ReadoutSample kOutside{{0, 0, 640, 480}, {100, 200}, {5, 900}};
const ReadoutSample kMixed{{0, 0, 640, 480}, {100, 200}, {2000, 300}};

} // namespace

BENCHMARK_CAPTURE(Tick, pointer_inside, kInside);
BENCHMARK_CAPTURE(Tick, pointer_outside, kOutside);
BENCHMARK_CAPTURE(Tick, one_axis_outside, kMixed);

BENCHMARK_MAIN();
