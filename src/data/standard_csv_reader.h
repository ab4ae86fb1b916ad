// Reads a standard CSV measurement file into a MeasurementData.
#pragma once

#include "data/measurement_data.h"
#include "ui/interaction.h"

#include <cstddef>
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

/// How the data lines are read: in stretches of at least `stretchBytes` bytes,
/// as many as `stretches` (0: one per processor, at most four), each on a
/// thread of its own unless `sideBySide` is false. The outcome is the same for
/// every choice.
struct RowReading {
    std::size_t stretchBytes = std::size_t{1} << 20;
    int stretches = 0;
    bool sideBySide = true;
};

/// The same read from the file's bytes (what the file entry calls, and what
/// the fuzzers feed): `target` is filled in place only on success.
ReadResult readStandardCsvBytes(std::string_view bytes, ForceUnit forceUnit, ui::Interaction& ia,
                                MeasurementData& target, const RowReading& reading = {});

}  // namespace kvx::data
