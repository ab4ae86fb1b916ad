// Loop detection and the values of every loop over a full record: 30,000 rows
// cut into the 300 loops the detection keeps at most.
#include "analysis/loop_detection.h"
#include "analysis/loop_metrics.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void BM_LoopsOf30000Rows(benchmark::State& state) {
    std::vector<double> x(30000), y(30000);
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double t = 2 * M_PI * static_cast<double>(i) / 90.0;  // 333 cycles
        x[i] = std::sin(t - 0.3) * (1 + static_cast<double>(i) / 10000.0);
        y[i] = 10 * std::sin(t);
    }
    for (auto _ : state) {
        const auto b = kvx::analysis::loopBoundaries(y, kvx::analysis::LoopMethod::ZeroLevel);
        int s = 0;
        double total = 0.0;
        for (int e : b) {
            const double area = kvx::analysis::loopArea(x, y, s, e);
            total += kvx::analysis::loopValues(x, y, s, e, area).area;
            s = e;
        }
        benchmark::DoNotOptimize(total);
        if (b.size() != kvx::analysis::kMaxLoopBoundaries) state.SkipWithError("expected 300 loops");
    }
}
BENCHMARK(BM_LoopsOf30000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
