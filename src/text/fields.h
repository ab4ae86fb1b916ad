// Field splitting of the program's comma-separated files, byte for byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvx::text {

/// Longest field the standard files allow, in bytes.
inline constexpr std::size_t kMaxFieldBytes = 99;

/// The standard split: every comma separates, blanks belong to the field, no
/// quoting. An empty line is one empty field; a trailing comma adds an empty
/// last field. A line holding a field longer than 99 bytes yields no fields.
std::vector<std::string> splitFields(std::string_view line);

/// The same split into views of `line` (reusing `fields`): false, and no
/// fields, when a field is longer than 99 bytes.
bool splitFieldViews(std::string_view line, std::vector<std::string_view>& fields);

/// Number of fields `splitFields` would find, ignoring the 99-byte limit
/// (used to count a file's channels: every comma separates).
std::size_t countFields(std::string_view line);

/// The other split: cut at every comma, and skip blanks, tabs and line feeds
/// before each field (used to recognise logger files).
std::vector<std::string> splitFieldsSkippingBlanks(std::string_view line);

}  // namespace kvx::text
