// The series statistics and the cycle comparison word their refusals and notes
// once, in Japanese, for the summary CSV and METHODS.CSV; the batch's messages
// and JSON show them in the language in use.
#pragma once

#include <string>

namespace kvx::batch {

/// `japanese` as the user reads it: the same text in Japanese; in another
/// language the translation of the format it was made from, filled with the
/// same values (names among them translated too). Unknown texts stay as given.
std::string shownSeriesText(const std::string& japanese);

}  // namespace kvx::batch
