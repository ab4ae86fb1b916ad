// Arbitrary bytes as a wide file reduced through a correspondence chosen by
// its first three bytes, then read from memory as the open command reads it.
#include "data/correspondence.h"
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    using namespace kvx;
    fuzz::QuietInteraction ia;
    const int fileChannels = 1 + data[0] % 40;
    data::Correspondence c = data::Correspondence::identity(fileChannels);
    c.renumber(1 + data[1] % 16, 1 + data[2] % 40);
    const auto reduced = data::reduceColumns(fuzz::bytesOf(data + 3, size - 3), c, ia);
    if (!reduced) return 0;
    // Every line holds exactly the columns in use (fields never hold a comma or a line feed).
    const auto lines = std::count(reduced->begin(), reduced->end(), '\n');
    const auto commas = std::count(reduced->begin(), reduced->end(), ',');
    if (commas != lines * (c.channelsInUse() - 1)) __builtin_trap();
    auto& d = fuzz::sharedDataSet();
    const fuzz::ReadGuard guard(d);
    guard.check(data::readStandardCsvBytes(*reduced, data::ForceUnit::kN, ia, d).rows);
    return 0;
}
