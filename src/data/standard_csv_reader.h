// Reads a standard CSV measurement file into a MeasurementData.
#pragma once

#include "data/measurement_data.h"
#include "text/stretches.h"
#include "ui/interaction.h"

#include <string>
#include <string_view>

namespace kvx::data {

struct ReadResult {
    int rows = 0;                // RowCount read; 0 when the read failed
    int channelNumberCount = 0;  // fields of line 1 taken as channel numbers (at most 16)
    int headerFailureLine = 0;   // 1 ... 4 when the four header lines were refused
};

/// Reads `path` (four header lines, then one line of numbers per row) with the
/// force-unit rule for `forceUnit`, telling the user of every failure through
/// `ia`. Fills `target` only when the read succeeds; on failure `target` is
/// left exactly as it was and the result's rows is 0.
ReadResult readStandardCsv(const std::string& path, ForceUnit forceUnit, ui::Interaction& ia,
                           MeasurementData& target);

/// The same read from the file's bytes (what the file entry calls, and what
/// the fuzzers feed): `target` is filled in place only on success. The data
/// lines of a large file are read in stretches side by side (`reading`), with
/// the same outcome as one read.
ReadResult readStandardCsvBytes(std::string_view bytes, ForceUnit forceUnit, ui::Interaction& ia,
                                MeasurementData& target, const text::StretchReading& reading = {});

}  // namespace kvx::data
