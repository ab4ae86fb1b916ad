// Locale-independent strtod subset (the Qt app sets a locale; the files never do).
#include "text/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace kvx::text {
namespace {

bool isCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Prefix {
    std::size_t begin = 0;  // first byte after the white space
    std::size_t end = 0;    // one past the number; end == begin: no number
};

Prefix scan(std::string_view s) {
    Prefix p;
    std::size_t i = 0;
    while (i < s.size() && isCSpace(s[i])) ++i;
    p.begin = p.end = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return p;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            end = j;
        }
    }
    p.end = end;
    return p;
}

// from_chars leaves the value alone when it is out of range; strtod gives
// HUGE_VAL on overflow and 0 on underflow. Decide which by the decimal exponent.
double outOfRangeValue(std::string_view unsignedNumber) {
    const std::size_t e = unsignedNumber.find_first_of("eE");
    const std::string_view mantissa = unsignedNumber.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view ex = unsignedNumber.substr(e + 1);
        const bool neg = !ex.empty() && ex.front() == '-';
        if (!ex.empty() && (ex.front() == '-' || ex.front() == '+')) ex.remove_prefix(1);
        for (char c : ex) exponent = std::min(exponent * 10 + (c - '0'), 100000L);
        if (neg) exponent = -exponent;
    }
    // Position of the first significant digit relative to the point.
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0.0;
    const long magnitude = first < point ? static_cast<long>(point - first)
                                         : -static_cast<long>(first - point - 1);
    return magnitude + exponent > 0 ? HUGE_VAL : 0.0;
}

}  // namespace

std::size_t leadingNumberLength(std::string_view field) {
    const Prefix p = scan(field);
    return p.end == p.begin ? 0 : p.end;
}

double parseLeadingDouble(std::string_view field) {
    // The common case in one step: after blanks and a sign, a digit (or a
    // point and a digit) starts the number, and from_chars takes the same
    // longest prefix the scan below would.
    std::size_t i = 0;
    while (i < field.size() && isCSpace(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    const bool startsNumber = i < field.size() && (isDigit(field[i]) || (field[i] == '.' && i + 1 < field.size() && isDigit(field[i + 1])));
    if (!startsNumber) return 0.0;
    const std::string_view number = field.substr(i);
    double value = 0.0;
    if (detail::fastDecimal(number, value) > 0) return negative ? -value : value;
    const auto r = std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        const Prefix p = scan(number);
        value = outOfRangeValue(number.substr(p.begin, p.end - p.begin));
    }
    return negative ? -value : value;
}

}  // namespace kvx::text
