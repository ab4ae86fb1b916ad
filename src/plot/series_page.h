// The printed page of a set of specimens: both sides' tables, results and charts.
#pragma once

#include "analysis/series_statistics.h"
#include "plot/canvas.h"

#include <array>
#include <string>
#include <vector>

namespace kvx::plot {

/// What the page says besides the summary.
struct SeriesPageInfo {
    std::string source;                   // UTF-8: the wall result file, or the rows written in this session
    std::array<std::string, 4> captions;  // the chart's index captions (UTF-8)
};

/// A heading, then for each side its table, its results and its chart, or
/// why it has no summary. `rows` are the summarized rows as handed to
/// summarizeRows. `page` is the printable area in device pixels; lengths
/// scale with `dpi`, fonts are in points.
void drawSeriesSummaryPage(Canvas& c, const analysis::SeriesSummary& s, const std::vector<analysis::SpecimenRow>& rows,
                           data::ForceUnit unit, const SeriesPageInfo& info, PixelSize page, int dpi);

}  // namespace kvx::plot
