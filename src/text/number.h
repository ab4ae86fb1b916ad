// Number conversion as the C library's text-to-double does it on these files:
// leading white space skipped, the longest decimal prefix converted, else 0.
#pragma once

#include <optional>
#include <string_view>

namespace kvx::text {

/// Value of the longest prefix of `field` (after leading white space) of the form
/// [+-] digits [. digits] [(e|E) [+-] digits] (digits on at least one side of the point).
/// 0 when there is no such prefix. "inf", "nan" and hexadecimal are not numbers here.
/// A prefix beyond the double range gives +-HUGE_VAL, as the C library does.
double parseLeadingDouble(std::string_view field);

/// Length of that prefix including the skipped white space, 0 when there is none.
std::size_t leadingNumberLength(std::string_view field);

/// The whole of `s`, [-] digits [`point` digits] [(e|E) [+-] digits], when it can
/// be converted exactly in a few steps (at most 15 significant digits, a power of
/// ten up to 22), with the value std::from_chars gives for it (`point` read as '.').
/// Nothing otherwise, whether or not `s` is a number: from_chars decides those.
std::optional<double> exactWholeDecimal(std::string_view s, char point = '.');

}  // namespace kvx::text
