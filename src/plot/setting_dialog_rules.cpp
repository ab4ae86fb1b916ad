// Scale and data-range dialog rules.
#include "plot/setting_dialog_rules.h"

#include "text/printf.h"
#include "text/translate.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace kvx::plot {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string scaleStepText(double step) { return text::format("%.3f", step); }

bool scaleAccepted(double xStep, double yStep) { return xStep > 0.0 && yStep > 0.0; }

int spinnerPosition(long long row) {
    return static_cast<int>(std::clamp<long long>(row, kFirstSpinnerRow, kLastSpinnerRow));
}

bool rangeAccepted(int first, int last, int rowCount) { return first > 0 && last <= rowCount && first < last; }

int startAfterNext(int first, int increment, int rowCount) {
    if (increment == 0) return spinnerPosition(first);
    const long long next = static_cast<long long>(first) + increment;
    return spinnerPosition(next > rowCount ? 1 : next);
}

int startAfterBack(int first, int increment) {
    return spinnerPosition(std::max<long long>(static_cast<long long>(first) - increment, 1));
}

std::optional<int> endFollowingStart(int first, int increment, int rowCount) {
    if (increment == 0) return std::nullopt;
    return spinnerPosition(std::min<long long>(rowCount, static_cast<long long>(first) + increment - 1));
}

std::optional<double> parseDecimal(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t exponent = i;
        while (i < s.size() && isDigit(s[i])) ++i;
        if (i == exponent) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    // from_chars takes no '+'; the sign is put back by hand.
    const bool negative = s.front() == '-';
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data() + mantissa, s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> parseInteger(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || !std::all_of(s.begin(), s.end(), isDigit)) return std::nullopt;
    long long value = 0;
    for (char c : s) {
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

std::string notADecimalMessage(std::string_view text) {
    return text::format(text::translate("kvx::plot", "'%s' は有効な浮動小数点値ではありません").c_str(), std::string(text).c_str());
}

std::string notAnIntegerMessage(std::string_view text) {
    return text::format(text::translate("kvx::plot", "'%s' は有効な整数値ではありません").c_str(), std::string(text).c_str());
}

}  // namespace kvx::plot
