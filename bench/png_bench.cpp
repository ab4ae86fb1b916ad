// Saving the window's 544 x 504 picture as PNG (Sub filter, level 7).
#include "output/png_writer.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

namespace {

void BM_SavePicturePng(benchmark::State& state) {
    kvx::output::RgbImage img(544, 504);
    // A graph-like picture: white with a grid and a few thousand line pixels.
    for (int y = 0; y < 504; ++y)
        for (int x = 0; x < 544; ++x) {
            std::uint8_t* p = img.row(y) + 3 * x;
            const bool grid = (x % 100 == 0 || y % 100 == 50) && x >= 100 && x <= 500 && y >= 50 && y <= 450;
            const bool curve = std::abs(y - (250 - 150 * std::sin(x * 0.03))) < 1.5;
            if (grid) p[0] = p[1] = p[2] = 0;
            if (curve) p[0] = 255, p[1] = 0, p[2] = 0;
        }
    const std::string path = (std::filesystem::temp_directory_path() / "kvx-bench.png").string();
    for (auto _ : state) benchmark::DoNotOptimize(kvx::output::writePng(path, img));
}
BENCHMARK(BM_SavePicturePng)->Unit(benchmark::kMillisecond);

}  // namespace
