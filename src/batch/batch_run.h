// What kurvadex-batch does for one set of options.
#pragma once

#include "batch/batch_options.h"
#include "analysis/elasto_file.h"
#include "data/delimited_import.h"
#include "data/measurement_data.h"
#include "plot/canvas.h"
#include "plot/graph_command.h"
#include "ui/interaction.h"

#include <cstdio>
#include <string>

namespace kvx::batch {

struct RunResult {
    int exitCode = 0;    // 0 success, 1 the data could not be read or drawn
    std::string output;  // for stdout (JSON or a short summary), UTF-8
};

/// Where the printed page goes (a PDF writer in the command; nothing in tests).
class PageSink {
public:
    virtual ~PageSink() = default;
    /// Prints the graph as the print command would. False when it could not be written.
    virtual bool print(const data::MeasurementData& data, const plot::GraphOptions& options, int firstRow, int lastRow) = 0;
};

/// Reads the data file and runs the Graph command on `canvas` as the main
/// window would with the same options; with --pdf prints the page to `pages`.
/// `elasto` is an ELASTO.CSV already open for a series (else one is opened
/// when rows are to be written).
RunResult runBatch(const BatchOptions& options, ui::Interaction& ia, plot::Canvas& canvas, PageSink* pages = nullptr,
                   analysis::ElastoFile* elasto = nullptr);

/// A test series: every file of `options.files` in turn, one progress line per
/// file on `progress`, a summary at the end; a file that fails is reported and
/// skipped. ELASTO.CSV and the wall result file collect one row per file.
RunResult runSeries(const BatchOptions& options, ui::Interaction& ia, std::FILE* progress);

/// The detected settings of a delimited text file with the options' overrides.
data::ImportSettings importSettingsFor(const GenericOptions& generic, const data::ImportSettings& detected);

/// The Graph command's options for a data set of `channelCount` channels.
plot::GraphOptions graphOptionsFor(const BatchOptions& options, int channelCount, const std::string& baseName);

}  // namespace kvx::batch
