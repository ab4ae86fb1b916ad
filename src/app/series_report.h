// The test report of a set of specimens from the summary window: the page of
// every specimen whose data file can be found, evaluated again as the batch
// evaluates it, and the summary pages of the checked rows.
#pragma once

#include "analysis/series_statistics.h"
#include "data/measurement_data.h"

#include <string>
#include <vector>

namespace kvx::app {

struct SeriesReportOutcome {
    bool written = false;
    int specimenPages = 0;
    std::vector<std::string> missing;  // data files (UTF-8) found in none of the folders
};

/// Writes `pdfPath`. A row names its data file without a folder: it is looked
/// for in `folders` in turn (the wall file's folder, the data folder). Rows of
/// both sides of one file give one specimen page (the page shows both sides).
SeriesReportOutcome writeSeriesReport(const std::string& pdfPath, const std::vector<analysis::SpecimenRow>& rows,
                                      const analysis::SeriesSummary& summary, data::ForceUnit unit,
                                      const std::string& wallLength, const std::vector<std::string>& folders);

}  // namespace kvx::app
