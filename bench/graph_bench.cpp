// The Graph command in all-data mode over a full table (30,000 rows x 16
// display channels, marks and legend) drawn into the window's 544 x 504
// picture, and the envelope over 30,000 rows.
#include "app/qt_canvas.h"
#include "batch/batch_run.h"
#include "plot/graph_command.h"
#include "plot/series.h"
#include "ui/scripted_interaction.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <clocale>
#include <cmath>
#include <cstdlib>

namespace {

kvx::data::MeasurementData fullTable() {
    kvx::data::MeasurementData d;
    d.header.ChannelCount = 16;
    for (std::size_t c = 0; c < 16; ++c) {
        d.header.units[c] = c == 0 ? "kN" : "mm";
        d.header.pointNames[c] = "CH" + std::to_string(c + 1);
    }
    d.RowCount = kvx::data::kMaxRows;
    for (int r = 0; r < d.RowCount; ++r) {
        const double cycle = std::sin(r * 0.01) * (1 + r / 3000.0);
        for (int c = 0; c < 16; ++c) d.cell(r, c) = static_cast<float>(cycle * (c + 1) + std::cos(r * 0.003 * c));
    }
    return d;
}

void BM_GraphAllMode16Channels(benchmark::State& state) {
    const bool envelope = state.range(0) != 0;
    static const kvx::data::MeasurementData data = fullTable();
    kvx::plot::GraphOptions o;
    o.dataLoaded = true;
    o.mainChannel = 1;
    o.frame.fullScale = true;  // 16 channels of different scales on one graph
    for (std::size_t c = 0; c < 16; ++c) o.channelChecked[c] = true;
    o.marks = !envelope;
    o.envelope = envelope;
    o.legend = true;
    for (auto _ : state) {
        kvx::app::QtCanvas canvas;
        kvx::plot::GraphState graph;
        kvx::ui::ScriptedInteraction ia;
        kvx::plot::NullGraphHost host;
        kvx::plot::runGraphCommand(data, o, graph, canvas, ia, host);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
// 0: marks and legend; 1: the envelope of every channel over its faint trace.
BENCHMARK(BM_GraphAllMode16Channels)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BatchEvaluationOfTheSample(benchmark::State& state) {
    kvx::batch::BatchOptions o;
    o.file = SAMPLES_DIR "/racking-test.csv";
    o.json = true;
    o.skeleton = true;
    o.elasto = true;
    o.approximation = 99;
    o.wallLength = "1.82";
    for (auto _ : state) {
        kvx::ui::ScriptedInteraction ia;
        kvx::app::QtCanvas canvas;
        benchmark::DoNotOptimize(kvx::batch::runBatch(o, ia, canvas).output.size());
    }
}
BENCHMARK(BM_BatchEvaluationOfTheSample)->Unit(benchmark::kMillisecond);

void BM_Envelope30000Rows(benchmark::State& state) {
    std::vector<double> x(30000), y(30000);
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = std::sin(static_cast<double>(i) * 0.01) * (1 + static_cast<double>(i) / 3000.0);
        y[i] = 10 * std::tanh(x[i]) + std::cos(static_cast<double>(i) * 0.07);
    }
    for (auto _ : state) benchmark::DoNotOptimize(kvx::plot::envelopePolygon(x, y, 0, 30000));
}
BENCHMARK(BM_Envelope30000Rows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
