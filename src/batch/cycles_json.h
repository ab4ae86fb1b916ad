// The JSON of the per-cycle metrics and of the other codes' evaluations.
#pragma once

#include "analysis/code_methods.h"
#include "analysis/cycle_metrics.h"
#include "batch/json_writer.h"

#include <optional>

namespace kvx::batch {

/// What --cycles and --methods computed for one record.
struct CycleResults {
    analysis::CycleAnalysis cycles;
    std::optional<analysis::CodeEvaluation> methods;  // with --methods
    bool showCycles = false;                          // with --cycles
};

/// Keys "cycles" and "levels" (with --cycles), "envelope", "eeep" and "en12512" (with --methods).
void cycleResultsJson(JsonWriter& j, const CycleResults& r);

}  // namespace kvx::batch
