// Recognising which kind of measurement file a path holds.
#pragma once

#include <optional>
#include <string>

namespace kvx::data {

/// The data-file format menu's choices; the values are the detection results.
enum class DataFileFormat { StandardCsv = 0, SokkiCsv = -1, SokkiTxt = -2, Generic = 1 };

/// Looks at the first four lines: line 3 with "/" at bytes 4 and 7 is a logger
/// CSV file; else field 2 of line 4 (blanks skipped) with "/" at 4 and 7 is a
/// logger text file; else a standard file. Nothing when the file cannot be opened.
std::optional<DataFileFormat> detectFormat(const std::string& path);

/// True when line 1 of `path` reads as the standard files' channel numbers:
/// every field starts with a whole number ("1CH", " 2CH", "17data"). Other
/// labs' files start with names or with data ("Force", "-3.1e-03").
bool looksLikeStandardHeader(const std::string& path);

/// Number of comma-separated fields in line 1 of `path` (every comma counts);
/// 0 when the file cannot be read or is empty.
int fileChannelCount(const std::string& path);

}  // namespace kvx::data
