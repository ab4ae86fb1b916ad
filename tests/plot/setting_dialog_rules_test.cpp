// Scale and data-range dialog rules: where the start and end rows move at
// the edges of the data and of the spinners, and number conversion.
#include "plot/setting_dialog_rules.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kvx::plot;

TEST(SettingDialogRules, StartAndEndStayOnTheSpinner) {
    const int big = std::numeric_limits<int>::max();
    const std::pair<int, int> starts[] = {
        {startAfterNext(500, 500, 1000), 1000}, {startAfterNext(501, 500, 1000), 1},  // past the data: row 1
        {startAfterNext(42, 0, 1000), 42},      {startAfterNext(30000, big, 30000), 1},  // no overflow
        {startAfterBack(300, 500), 1},          {startAfterBack(1000, 300), 700},
    };
    for (const auto& [got, expected] : starts) EXPECT_EQ(got, expected);
    EXPECT_EQ(endFollowingStart(800, 500, 1000), 1000);
    EXPECT_EQ(endFollowingStart(5, 0, 1000), std::nullopt);
    EXPECT_EQ(endFollowingStart(1, 500, 0), 1);  // no data: the spinner's lowest position
    EXPECT_EQ(endFollowingStart(30000, big, 1000), 1000);
}

TEST(SettingDialogRules, NumbersAsTyped) {
    const std::pair<const char*, double> decimals[] = {{"0.0025", 0.0025}, {" 50 ", 50}, {"1e3", 1000}, {".5", 0.5}, {"+2", 2}};
    for (const auto& [text, value] : decimals) EXPECT_EQ(parseDecimal(text), value) << text;
    for (const char* text : {"", "abc", "1,5", "inf", "nan", "1e", "1e999", "."})
        EXPECT_EQ(parseDecimal(text), std::nullopt) << text;

    const std::pair<const char*, int> integers[] = {{"500", 500}, {"  500", 500}, {"-3", -3}, {"-2147483648", -2147483647 - 1}};
    for (const auto& [text, value] : integers) EXPECT_EQ(parseInteger(text), value) << text;
    for (const char* text : {"", "5.0", "500 ", "abc", "2147483648", "-"}) EXPECT_EQ(parseInteger(text), std::nullopt) << text;
}
