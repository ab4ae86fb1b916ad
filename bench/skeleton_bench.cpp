// The whole skeleton evaluation of a 30,000-row racking record with the
// exponential approximation: extraction, fit, 300 samples, characteristic
// values and the elasto-plastic model of both sides.
#include "plot/null_canvas.h"
#include "plot/skeleton_evaluation.h"
#include "ui/scripted_interaction.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void rackingRecord(std::vector<double>& x, std::vector<double>& y) {
    const auto load = [](double g) {
        const double a = std::fabs(g), s = g < 0 ? -1 : 1;
        double p = 20 * (1 - std::exp(-a / 0.01));
        if (a > 0.04) p -= 5000 * (a - 0.04) * (a - 0.04);
        return s * p;
    };
    // Seven amplitudes x three cycles, 1,300 rows a cycle, then a push to 1/15.
    for (double amp : {1 / 450.0, 1 / 300.0, 1 / 200.0, 1 / 150.0, 1 / 100.0, 1 / 75.0, 1 / 50.0})
        for (int cycle = 0; cycle < 3; ++cycle)
            for (int i = 0; i < 1300; ++i) {
                const double t = 2 * M_PI * i / 1300;
                const double g = amp * std::sin(t);
                x.push_back(g);
                y.push_back(load(g) * (std::sin(t) * std::cos(t) >= 0 ? 1.0 : 0.5) + 0.01 * std::sin(i * 7.0));
            }
    while (x.size() < 30000) {
        const double g = static_cast<double>(x.size() - 27300) / 2700 * (1 / 15.0);
        x.push_back(g);
        y.push_back(load(g));
    }
}

void BM_SkeletonEvaluation30000Rows(benchmark::State& state) {
    std::vector<double> x, y;
    rackingRecord(x, y);
    kvx::plot::SkeletonOptions o;
    o.units = {"kN", "rad"};
    o.approximationDegree = static_cast<int>(state.range(0));
    o.elastoPlastic = true;
    kvx::plot::GraphFrame frame;
    for (auto _ : state) {
        kvx::plot::NullCanvas canvas;
        kvx::ui::ScriptedInteraction ia;
        kvx::plot::NullSkeletonHost host;
        kvx::plot::SkeletonState s;
        kvx::plot::runSkeletonEvaluation(x, y, o, s, canvas, kvx::plot::FrameMapping{frame, {}}, ia, host, nullptr);
        benchmark::DoNotOptimize(s.curve.Y[10]);
    }
}
// Degree 0 (none), the polynomials and 99 (exponential).
BENCHMARK(BM_SkeletonEvaluation30000Rows)->Arg(0)->Arg(7)->Arg(9)->Arg(11)->Arg(13)->Arg(99)->Unit(benchmark::kMillisecond);

}  // namespace
