// Number conversion as the C library's text-to-double does it on these files:
// leading white space skipped, the longest decimal prefix converted, else 0.
#pragma once

#include <cstddef>
#include <cstdint>
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

namespace detail {

constexpr bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The numbers of the files the program writes ("%12.5e", "%f") in a few
// steps: at most 15 significant digits make an exact integer, 10^k is exact
// up to k = 22, so one multiplication or division rounds once, which is the
// correctly rounded value from_chars gives (Clinger's fast path). Returns the
// bytes read from the start of `s` (digits, `point`, digits, exponent), or 0
// when there is no digit or the value is not that simple: from_chars then.
inline std::size_t fastDecimal(std::string_view s, double& value, char point = '.') {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t i = 0;
    std::uint64_t mantissa = 0;
    int digits = 0, significant = 0, fraction = 0;
    const auto digit = [&](char c) {
        ++digits;
        if (mantissa == 0 && c == '0') return;  // leading zeros carry nothing
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        ++significant;
    };
    while (i < s.size() && isDecimalDigit(s[i])) digit(s[i++]);
    if (i < s.size() && s[i] == point) {
        for (++i; i < s.size() && isDecimalDigit(s[i]); ++i, ++fraction) digit(s[i]);
    }
    if (digits == 0 || significant > 15) return 0;
    int exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDecimalDigit(s[j])) {  // otherwise the 'e' is not part of the number
            int exponentDigits = 0;
            for (; j < s.size() && isDecimalDigit(s[j]); ++j)
                if (++exponentDigits > 4) return 0;
                else exponent = exponent * 10 + (s[j] - '0');
            if (negative) exponent = -exponent;
            i = j;
        }
    }
    if (mantissa == 0) {
        value = 0.0;
        return i;
    }
    const int k = exponent - fraction;
    if (k < -22 || k > 22) return 0;
    const auto m = static_cast<double>(mantissa);
    value = k >= 0 ? m * kPowers[k] : m / kPowers[-k];
    return i;
}

}  // namespace detail

/// The whole of `s`, [-] digits [`point` digits] [(e|E) [+-] digits], when it can
/// be converted exactly in a few steps (at most 15 significant digits, a power of
/// ten up to 22), with the value std::from_chars gives for it (`point` read as '.').
/// Nothing otherwise, whether or not `s` is a number: from_chars decides those.
/// Inline: it is called for every field of a file.
inline std::optional<double> exactWholeDecimal(std::string_view s, char point = '.') {
    const bool negative = !s.empty() && s.front() == '-';
    if (negative) s.remove_prefix(1);
    double value = 0.0;
    if (s.empty() || detail::fastDecimal(s, value, point) != s.size()) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace kvx::text
