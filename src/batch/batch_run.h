// What kurvadex-batch does for one set of options.
#pragma once

#include "batch/batch_options.h"
#include "analysis/elasto_file.h"
#include "analysis/series_statistics.h"
#include "analysis/skeleton_editor.h"
#include "analysis/wall_evaluation.h"
#include "data/open_data_file.h"
#include "data/delimited_import.h"
#include "data/measurement_data.h"
#include "plot/canvas.h"
#include "plot/graph_command.h"
#include "ui/interaction.h"

#include <cstdio>
#include <string>
#include <vector>

namespace kvx::batch {

struct RunResult {
    int exitCode = 0;    // 0 success, 1 the data could not be read or drawn
    std::string output;  // for stdout (JSON or a short summary), UTF-8
    std::string wallRow;  // with --wall: the wall result file's row (CP932), as it would be written
};

/// What one specimen's report page shows, handed over while it exists.
struct SpecimenResult {
    const data::OpenedFile& opened;
    const plot::GraphOptions& graphOptions;
    const plot::GraphState& graph;
    const analysis::EditorEvaluation* editor = nullptr;  // with --wall
    const analysis::WallEvaluation* wall = nullptr;      // with --wall
};

/// Where the test report goes (a PDF in the command; a recording in tests).
class ReportSink {
public:
    virtual ~ReportSink() = default;
    /// The page of a specimen just evaluated.
    virtual void addSpecimen(const SpecimenResult& specimen) = 0;
    /// The summary page of the set.
    virtual void addSummary(const analysis::SeriesSummary& summary, const std::vector<analysis::SpecimenRow>& rows,
                            data::ForceUnit unit) = 0;
    /// Ends the document. False when it could not be written.
    virtual bool finish() = 0;
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
                   analysis::ElastoFile* elasto = nullptr, ReportSink* report = nullptr);

/// A test series: every file of `options.files` in turn, one progress line per
/// file on `progress`, a summary at the end; a file that fails is reported and
/// skipped. ELASTO.CSV and the wall result file collect one row per file.
/// With --wall the rows are summarized (--summary, JSON "series"); with a
/// report sink every specimen gets its page and the set a summary page.
RunResult runSeries(const BatchOptions& options, ui::Interaction& ia, std::FILE* progress, ReportSink* report = nullptr);

/// --summarize: the statistics of an existing wall result file.
RunResult runSummarize(const BatchOptions& options, ui::Interaction& ia, ReportSink* report = nullptr);

/// True (after telling why) when --wall-file names an existing file without
/// --append or --overwrite.
bool refuseExistingWallFile(const BatchOptions& options, ui::Interaction& ia);

/// The detected settings of a delimited text file with the options' overrides.
data::ImportSettings importSettingsFor(const GenericOptions& generic, const data::ImportSettings& detected);

/// The Graph command's options for a data set of `channelCount` channels.
plot::GraphOptions graphOptionsFor(const BatchOptions& options, int channelCount, const std::string& baseName);

}  // namespace kvx::batch
