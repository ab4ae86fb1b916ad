// Reading a full 30,000-row, 16-channel standard file: the largest file the
// program accepts, which users open many times a day.
#include "data/delimited_import.h"
#include "data/open_data_file.h"
#include "data/standard_csv_reader.h"
#include "data/standard_csv_writer.h"
#include "ui/scripted_interaction.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

namespace {

std::string writeFullFile() {
    kvx::data::MeasurementData d;
    d.header.ChannelCount = 16;
    for (int c = 0; c < 16; ++c) {
        d.header.channelNumbers[static_cast<std::size_t>(c)] = c + 1;
        d.header.units[static_cast<std::size_t>(c)] = c == 0 ? "kN" : "mm";
    }
    d.RowCount = kvx::data::kMaxRows;
    for (int r = 0; r < d.RowCount; ++r)
        for (int c = 0; c < 16; ++c) d.cell(r, c) = static_cast<float>(std::sin(r * 0.01 + c) * 100.0);
    const auto path = (std::filesystem::temp_directory_path() / "kvx-bench-full.csv").string();
    kvx::data::writeDataSet(path, d);
    return path;
}

void BM_ReadFullStandardFile(benchmark::State& state) {
    static const std::string path = writeFullFile();
    for (auto _ : state) {
        kvx::ui::ScriptedInteraction ia;
        kvx::data::MeasurementData data;
        benchmark::DoNotOptimize(kvx::data::readStandardCsv(path, kvx::data::ForceUnit::kN, ia, data));
    }
}
BENCHMARK(BM_ReadFullStandardFile)->Unit(benchmark::kMillisecond);

// The same values as another lab's delimited file (no channel-number row):
// the generic import must not be slower than the standard reader. Timed from
// the file, as the open command reads it.
void BM_ReadFullDelimitedFile(benchmark::State& state) {
    static const std::string path = writeFullFile();
    for (auto _ : state) {
        kvx::ui::ScriptedInteraction ia;
        kvx::data::MeasurementData data;
        const auto bytes = kvx::data::readWholeFile(path);
        kvx::data::ImportSettings settings;
        settings.dialect = kvx::data::detectDialect(*bytes);
        benchmark::DoNotOptimize(kvx::data::importDelimitedText(*bytes, settings, kvx::data::ForceUnit::kN, ia, data));
    }
}
BENCHMARK(BM_ReadFullDelimitedFile)->Unit(benchmark::kMillisecond);

}  // namespace
