// Arbitrary bytes as a standard CSV data file, read from the buffer into one
// data set that every input reuses (as the window's data set is).
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"

#include <cmath>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kvx::data::MeasurementData d;
    kvx::fuzz::QuietInteraction ia;
    const int before = d.RowCount;
    const auto r = kvx::data::readStandardCsvBytes(std::string_view(reinterpret_cast<const char*>(data), size),
                                                   kvx::data::ForceUnit::kN, ia, d);
    if (r.rows != 0 && r.rows != d.RowCount) __builtin_trap();
    if (r.rows == 0 && d.RowCount != before) __builtin_trap();  // a failed read leaves the data set alone
    for (int row = 0; row < d.RowCount; ++row)
        for (int c = 0; c < d.header.ChannelCount; ++c)
            if (!std::isfinite(d.value(row, c))) __builtin_trap();
    return 0;
}
