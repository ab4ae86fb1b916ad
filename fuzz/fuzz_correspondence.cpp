// Arbitrary bytes as a wide file reduced through a correspondence chosen by its first bytes.
#include "data/correspondence.h"
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    kvx::fuzz::QuietInteraction ia;
    const int fileChannels = 1 + data[0] % 40;
    kvx::data::Correspondence c = kvx::data::Correspondence::identity(fileChannels);
    c.renumber(1 + data[1] % 16, 1 + data[2] % 40);
    const std::string path = kvx::fuzz::writeInput(data + 3, size - 3);
    const std::string reduced = kvx::fuzz::workDir() + "_tempfile.csv";
    if (kvx::data::buildReducedFile(path, reduced, c, ia)) {
        kvx::data::MeasurementData d;
        kvx::data::readStandardCsv(reduced, kvx::data::ForceUnit::kN, ia, d);
    }
    return 0;
}
