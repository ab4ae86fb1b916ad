// Number conversion: the C library's longest-decimal-prefix rule, without inf/nan/hex.
#include "text/number.h"

#include <gtest/gtest.h>

#include <cmath>

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
