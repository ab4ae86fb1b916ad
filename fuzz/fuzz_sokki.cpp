// Arbitrary bytes as a logger file: the first byte chooses text or CSV
// conversion and the force unit; the converted text is then read from memory.
#include "data/sokki_import.h"
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    using namespace kvx;
    fuzz::QuietInteraction ia;
    const bool text = data[0] & 1;
    const auto unit = (data[0] & 2) ? data::ForceUnit::kN : data::ForceUnit::kg;
    const std::string_view bytes = fuzz::bytesOf(data + 1, size - 1);
    const auto converted = text ? data::convertSokkiText(bytes, ia) : data::convertSokkiCsv(bytes, ia);
    if (!converted) return 0;
    // The channel line leads, and the rows only lose fields.
    if (!converted->starts_with("  1 CH")) __builtin_trap();
    auto& d = fuzz::sharedDataSet();
    const fuzz::ReadGuard guard(d);
    guard.check(data::readStandardCsvBytes(*converted, unit, ia, d).rows);
    return 0;
}
