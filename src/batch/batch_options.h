// kurvadex-batch's command line. Option names are a contract with scripts:
// keep them as they are.
#pragma once

#include "data/data_file_format.h"
#include "data/measurement_data.h"

#include <optional>
#include <string>
#include <vector>

namespace kvx::batch {

struct BatchOptions {
    data::DataFileFormat format = data::DataFileFormat::StandardCsv;  // --format csv|txt|tcsv
    data::ForceUnit forceUnit = data::ForceUnit::kN;                   // --force-unit kN|kg
    bool continueWithoutForce = false;                                 // --continue-without-force
    bool json = false;                                                 // --json
    bool help = false;                                                 // --help
    std::string file;
};

struct ParsedOptions {
    std::optional<BatchOptions> options;  // nothing: `error` says why
    std::string error;                    // UTF-8, for stderr
};

ParsedOptions parseOptions(const std::vector<std::string>& args);

/// Usage text (UTF-8).
const char* usageText();

}  // namespace kvx::batch
