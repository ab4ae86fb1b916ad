// Arbitrary bytes as a standard CSV data file, read from the buffer into one
// data set that every input reuses (as the window's data set is), then read
// again with its data lines cut into stretches (as large files are read):
// both reads must come to the same rows, values and messages.
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"
#include "ui/scripted_interaction.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kvx;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    ui::ScriptedInteraction ia;
    auto& d = fuzz::sharedDataSet();
    const fuzz::ReadGuard guard(d);
    const int rows = data::readStandardCsvBytes(bytes, data::ForceUnit::kN, ia, d, {SIZE_MAX, 1}).rows;
    guard.check(rows);

    // One after another on this thread: the cuts and the judging of the
    // stretches are what is checked here, and a thread per input would
    // halve the rate.
    static data::MeasurementData split;
    ui::ScriptedInteraction splitIa;
    const text::StretchReading stretches{1, 2 + static_cast<int>(size % 4), false};
    const int splitRows = data::readStandardCsvBytes(bytes, data::ForceUnit::kN, splitIa, split, stretches).rows;
    if (splitRows != rows || splitIa.texts() != ia.texts()) __builtin_trap();
    if (rows > 0) {
        const auto cells = static_cast<std::ptrdiff_t>(rows) * data::kMaxChannels;
        if (split.RowCount != d.RowCount || !fuzz::sameHeader(split.header, d.header) ||
            !std::equal(d.ValueTable.begin(), d.ValueTable.begin() + cells, split.ValueTable.begin()))
            __builtin_trap();
    }
    return 0;
}
