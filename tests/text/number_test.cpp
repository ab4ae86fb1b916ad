// Number conversion: the C library's longest-decimal-prefix rule, without inf/nan/hex.
#include "text/number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

using kvx::text::exactWholeDecimal;
using kvx::text::parseLeadingDouble;

TEST(LeadingNumber, ConvertsTheLongestDecimalPrefix) {
    struct Case {
        const char* field;
        double value;
    };
    const Case cases[] = {
        {"12.5", 12.5},          {"  -3", -3},           {"\t+4.25e2", 425},   {" 1CH", 1},
        {"12abc", 12},           {"abc", 0},             {"", 0},              {" ", 0},
        {".5", 0.5},             {"5.", 5},              {"-.5e-1", -0.05},    {"1e", 1},
        {"1e+", 1},              {"1.5E3x", 1500},       {"+", 0},             {"-", 0},
        {".", 0},                {"inf", 0},             {"nan", 0},           {"infinity", 0},
        {"0x1A", 0},             {"-0x10", -0},          {"1,5", 1},           {" 1.23450e+01", 12.345},
        {"\n7", 7},              {"３", 0},              {"00012", 12},        {"1e-400", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_DOUBLE_EQ(parseLeadingDouble(c.field), c.value);
    }
}

TEST(LeadingNumber, OverflowGivesHugeValLikeStrtod) {
    EXPECT_EQ(parseLeadingDouble("1e999"), HUGE_VAL);
    EXPECT_EQ(parseLeadingDouble("-1e999"), -HUGE_VAL);
    EXPECT_EQ(parseLeadingDouble(std::string(400, '9')), HUGE_VAL);
    EXPECT_EQ(parseLeadingDouble("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(LeadingNumber, MatchesStrtodOnOrdinaryFields) {
    // Independent reference: the C library itself (the test runs in the "C" locale).
    const char* fields[] = {"3.14159", "-2.5e-3", "  42", "1.00000e+00", "7.5xyz", "-0.000001", "123456789.125"};
    for (const char* f : fields) {
        SCOPED_TRACE(f);
        EXPECT_EQ(parseLeadingDouble(f), std::strtod(f, nullptr));
    }
}

TEST(LeadingNumber, MatchesStrtodOnGeneratedFields) {
    // Every string of these characters (no "inf", "nan" or hexadecimal can be
    // formed) reads as strtod reads it, underflow and overflow included.
    const std::string alphabet = "0123456789+-.eE 9";
    std::uint32_t state = 12345;
    const auto next = [&] { return state = state * 1664525u + 1013904223u; };
    for (int n = 0; n < 20000; ++n) {
        std::string s;
        const std::size_t length = next() % 14;
        for (std::size_t i = 0; i < length; ++i) s += alphabet[next() % alphabet.size()];
        if (next() % 5 == 0) s += "e" + std::to_string(static_cast<int>(next() % 700) - 350);
        SCOPED_TRACE(s);
        const double expected = std::strtod(s.c_str(), nullptr);
        const double got = parseLeadingDouble(s);
        ASSERT_TRUE(got == expected || (got == 0 && expected == 0)) << got << " vs " << expected;
    }
}

TEST(LeadingNumber, FilesOwnFormatsReadBitForBitAsStrtodReadsThem) {
    // The formats the program and the loggers write, read through the short
    // path; longer digit strings and far exponents through from_chars. Every
    // result must be strtod's to the bit, the sign of zero included.
    const char* formats[] = {"%12.5e", "%f", "%11.3f", "%.15g", "%.17g", "%.6E", "%.0f", "%.22f", "%g"};
    std::uint32_t state = 777;
    const auto next = [&] { return state = state * 1664525u + 1013904223u; };
    for (int n = 0; n < 20000; ++n) {
        const double magnitude = std::pow(10.0, static_cast<int>(next() % 60) - 30);
        double v = (static_cast<double>(next()) / 4294967296.0 - 0.5) * magnitude;
        if (n % 97 == 0) v = n % 2 ? -0.0 : 0.0;
        char buffer[512];
        std::snprintf(buffer, sizeof buffer, formats[static_cast<std::size_t>(n) % std::size(formats)], v);
        const std::string field = (n % 3 == 0 ? " " : "") + std::string(buffer) + (n % 7 == 0 ? "kN" : "");
        SCOPED_TRACE(field);
        const double expected = std::strtod(field.c_str(), nullptr);
        const double got = parseLeadingDouble(field);
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << got << " vs " << expected;
    }
}

TEST(WholeDecimal, GivesFromCharsValueOrLeavesItToFromChars) {
    // Whatever the short path takes must be a whole number to from_chars with
    // the same bits; what it leaves, from_chars decides. The fields of the
    // files must take the short path.
    std::uint32_t state = 4242;
    const auto next = [&] { return state = state * 1664525u + 1013904223u; };
    const std::string alphabet = "0123456789-+.,eE0";
    for (const char point : {'.', ','}) {
        for (int n = 0; n < 30000; ++n) {
            std::string s;
            const std::size_t length = next() % 12;
            for (std::size_t i = 0; i < length; ++i) s += alphabet[next() % alphabet.size()];
            if (next() % 4 == 0) s += "e" + std::to_string(static_cast<int>(next() % 60) - 30);
            SCOPED_TRACE(testing::Message() << s << " with " << point);
            const auto got = exactWholeDecimal(s, point);
            if (!got) continue;
            std::string asRead = s;
            std::replace(asRead.begin(), asRead.end(), point, '.');
            double expected = 0.0;
            const auto r = std::from_chars(asRead.data(), asRead.data() + asRead.size(), expected);
            ASSERT_EQ(r.ec, std::errc());
            ASSERT_EQ(r.ptr, asRead.data() + asRead.size());
            ASSERT_EQ(std::memcmp(&*got, &expected, sizeof expected), 0) << *got << " vs " << expected;
        }
    }
    for (const char* field : {"-12.345", "1.00000e+02", "-9.87650E-03", "0", "-0", "5.", ".5", "003", "123456789012345"})
        EXPECT_TRUE(exactWholeDecimal(field).has_value()) << field;
    for (const char* field : {"", "-", ".", "e5", "1e", "1e+", "1.5.2", "1-2", "+1", "1234567890123456", "1e99999", "1e23", " 1"})
        EXPECT_FALSE(exactWholeDecimal(field).has_value()) << field;
    EXPECT_EQ(exactWholeDecimal("2,5", ','), 2.5);
    EXPECT_FALSE(exactWholeDecimal("2.5", ',').has_value());
}
