// Arbitrary bytes as a standard CSV data file, read from the buffer into one
// data set that every input reuses (as the window's data set is).
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kvx::fuzz::QuietInteraction ia;
    auto& d = kvx::fuzz::sharedDataSet();
    const kvx::fuzz::ReadGuard guard(d);
    guard.check(kvx::data::readStandardCsvBytes(kvx::fuzz::bytesOf(data, size), kvx::data::ForceUnit::kN, ia, d).rows);
    return 0;
}
