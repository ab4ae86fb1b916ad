// What kurvadex-batch does for one set of options.
#pragma once

#include "batch/batch_options.h"
#include "plot/canvas.h"
#include "ui/interaction.h"

#include <string>

namespace kvx::batch {

struct RunResult {
    int exitCode = 0;    // 0 success, 1 the data could not be read or drawn
    std::string output;  // for stdout (JSON or a short summary), UTF-8
};

/// Reads the data file and runs the Graph command on `canvas` as the main
/// window would with the same options.
RunResult runBatch(const BatchOptions& options, ui::Interaction& ia, plot::Canvas& canvas);

/// The Graph command's options for a data set of `channelCount` channels.
plot::GraphOptions graphOptionsFor(const BatchOptions& options, int channelCount, const std::string& baseName);

}  // namespace kvx::batch
