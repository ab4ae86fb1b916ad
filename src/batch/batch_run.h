// What kurvadex-batch does for one set of options.
#pragma once

#include "batch/batch_options.h"
#include "ui/interaction.h"

#include <string>

namespace kvx::batch {

struct RunResult {
    int exitCode = 0;    // 0 success, 1 the data could not be read or evaluated
    std::string output;  // for stdout (JSON or a short summary), UTF-8
};

RunResult runBatch(const BatchOptions& options, ui::Interaction& ia);

}  // namespace kvx::batch
