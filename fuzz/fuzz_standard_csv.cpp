// Arbitrary bytes as a standard CSV data file.
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kvx::fuzz::QuietInteraction ia;
    kvx::data::MeasurementData d;
    const auto r = kvx::data::readStandardCsv(kvx::fuzz::writeInput(data, size), kvx::data::ForceUnit::kN, ia, d);
    if (r.rows != d.RowCount && r.rows != 0) __builtin_trap();
    for (int row = 0; row < d.RowCount; ++row)
        for (int c = 0; c < d.header.ChannelCount; ++c)
            if (!std::isfinite(d.value(row, c))) __builtin_trap();
    return 0;
}
