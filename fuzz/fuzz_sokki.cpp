// Arbitrary bytes as a logger file: the first byte chooses text or CSV import.
#include "data/open_data_file.h"
#include "data/sokki_import.h"
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    kvx::fuzz::QuietInteraction ia;
    const bool text = data[0] & 1;
    const std::string path = kvx::fuzz::writeInput(data + 1, size - 1);
    const auto converted = text ? kvx::data::importSokkiText(path, ia) : kvx::data::importSokkiCsv(path, ia);
    if (converted) {
        kvx::data::MeasurementData d;
        kvx::data::readStandardCsv(*converted, kvx::data::ForceUnit::kg, ia, d);
    }
    return 0;
}
