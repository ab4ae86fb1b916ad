// A set of specimens drawn: the bar chart of the four indices with their lower
// values, and the texts of the statistics table and the results. The window and
// the printed page show the same texts, made here once.
#pragma once

#include "analysis/series_statistics.h"
#include "plot/canvas.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kvx::plot {

struct ChartBox {
    Pixel topLeft;
    PixelSize size;
};

/// Colour of the bar of the specimen at `index` (from 0) within its side.
Rgb specimenColor(int index);

/// Fixed-point text with `decimals`, or with as many more as two significant
/// digits need (an SD of 0.004 reads "0.004", not "0.00"; a CV of 3.8e-5
/// reads "0.000038").
std::string readableNumber(double value, int decimals);

/// One index as a table row: each specimen's value, then mean, SD, CV, k,
/// 1 − CV·k and the lower value.
std::vector<std::string> indexRowTexts(const analysis::IndexStatistics& st);
/// Headings of the columns after the specimens' (平均 ... 下限値).
const std::array<const char*, 6>& statisticsHeadings();

/// The results under a side's table as (caption, value) pairs: n, P0 with the
/// index that gave it, Pa, the multiplier with its rule, and K and μ where the
/// rows have them. UTF-8.
std::vector<std::pair<std::string, std::string>> resultTexts(const analysis::SideSummary& s, data::ForceUnit unit);

/// Body text of the chart and the page: the Gothic face, not bold.
Font seriesFont(int points, bool bold = false, Rgb color = kBlack);
/// `name` (CP932) cut at a character boundary and ended with "..", so that it
/// is at most `width` wide in the canvas's font.
std::string fittedName(const Canvas& c, const std::string& name, int width);

/// The bar chart of one side inside `box`: a group per index (captions UTF-8,
/// in SeriesIndex order), a bar per specimen (names CP932, in the order of the
/// side's values) and the lower value of each index as a bold black line
/// across its group. The governing index's caption carries ★. Lengths are in
/// pixels at 96 dpi and scale with `dpi`; nothing is drawn outside `box`.
/// `lowerBound` names the lower-bound line in the legend (UTF-8): the window
/// shows it in the language in use, the report page keeps it Japanese.
void drawSeriesChart(Canvas& c, const analysis::SideSummary& s, const std::vector<std::string>& names,
                     const std::array<std::string, 4>& captions, ChartBox box, data::ForceUnit unit, int dpi = 96,
                     const std::string& lowerBound = "下限値");

}  // namespace kvx::plot
