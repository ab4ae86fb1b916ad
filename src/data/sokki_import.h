// Tokyo Sokki logger files (text and CSV output) turned into the standard
// CSV layout: "_tmp.csv" beside the chosen file, which is then read instead.
#pragma once

#include "ui/interaction.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvx::data {

/// Header line 1 of the converted file for m channels: "  1 CH", then ",%3d CH" for 2 ... m.
std::string sokkiChannelLine(int channels);

/// The part of `line` after its k-th comma (k >= 1), or nothing when the line
/// has fewer commas (it then contributes nothing to the converted file).
std::optional<std::string> restAfterComma(std::string_view line, int k);

/// The standard text a logger text file's bytes convert to (what the file
/// entry writes as _tmp.csv); nothing, after telling `ia`, when the header is
/// short or names no channel. Lines are cut as the file reader cuts them.
std::optional<std::string> convertSokkiText(std::string_view bytes, ui::Interaction& ia);

/// The same for a logger CSV file's bytes.
std::optional<std::string> convertSokkiCsv(std::string_view bytes, ui::Interaction& ia);

/// Converts a logger text file (line 1 skipped; names and units after two
/// leading fields; data rows after a record number and a date) into
/// "<folder>_tmp.csv" and returns its path. Failures are told through `ia`.
std::optional<std::string> importSokkiText(const std::string& path, ui::Interaction& ia);

/// Converts a logger CSV file (channel names after one leading field in
/// line 1; data rows after a date field) into "<folder>_tmp.csv".
std::optional<std::string> importSokkiCsv(const std::string& path, ui::Interaction& ia);

}  // namespace kvx::data
