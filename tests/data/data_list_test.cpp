// The data list's rules: value formats, grid texts, delete ranges, cell changes.
#include "data/data_list.h"

#include <gtest/gtest.h>

using namespace kvx::data;

namespace {

// Ten rows of two channels: row r (from 0) holds r + 1 and 100 * (r + 1).
MeasurementData tenRows() {
    MeasurementData d;
    d.header.ChannelCount = 2;
    d.header.channelNumbers = {5, 12};
    d.header.pointNames[0] = "\x89\xD7\x8F\x64";  // 荷重
    d.header.units = {"kN", "mm"};
    d.RowCount = 10;
    for (int r = 0; r < 10; ++r) {
        d.cell(r, 0) = static_cast<float>(r + 1);
        d.cell(r, 1) = static_cast<float>(100 * (r + 1));
    }
    return d;
}

}  // namespace

TEST(DataListFormat, ChoosesFixedOrExponentForm) {
    // Expected texts worked out by hand from "%11.3f " and "%+8.3e ".
    struct Case { const char* name; float value; const char* text; };
    const Case cases[] = {
        {"zero is fixed", 0.0f, "      0.000 "},
        {"the threshold itself is fixed, though a float below the double", 0.00095f, "      0.001 "},
        {"below the threshold is exponent with sign", 0.0009f, "+9.000e-04 "},
        {"negative threshold is fixed", -0.00095f, "     -0.001 "},
        {"ordinary value", 12.3456f, "     12.346 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatListValue(c.value), c.text);
    }
}

TEST(DataListGrid, LaysOutHeaderRowsRowNumbersAndValues) {
    const MeasurementData d = tenRows();
    EXPECT_EQ(listGridColumns(d), 3);
    EXPECT_EQ(listGridRows(d), 14);
    struct Case { int row, column; std::string text; };
    const Case cases[] = {
        {0, 2, "  NO. 2"}, {1, 2, "  CH. 12"}, {2, 1, " \x89\xD7\x8F\x64"}, {3, 2, "  mm"},
        {4, 0, "        1"}, {13, 0, "       10"}, {4, 1, "      1.000 "},
        {13, 2, "   1000.000 "},  // the last data row is in the grid
        {14, 1, ""}, {4, 3, ""},  // outside the grid
    };
    for (const auto& c : cases) EXPECT_EQ(listCellText(d, c.row, c.column), c.text) << c.row << "," << c.column;
}

TEST(DataListDelete, ValidatesRowNumbersAndRange) {
    struct Case { const char* first; const char* last; bool valid; };
    const Case cases[] = {
        {"1", "10", true}, {" 4 ", "+4", true}, {"0", "3", false}, {"1", "0", false}, {"5", "11", false},
        {"5", "3", false}, {"開始ｽﾃｯﾌﾟ", "3", false}, {"1.5", "3", false}, {"1", "99999999999", false},
    };
    for (const auto& c : cases) {
        const auto first = parseWholeNumber(c.first), last = parseWholeNumber(c.last);
        EXPECT_EQ(first && last && isValidDeleteRange(*first, *last, 10), c.valid) << c.first << " - " << c.last;
    }
}

TEST(DataListDelete, MovesLaterRowsUp) {
    struct Case { int first, last; std::vector<float> load; };
    const Case cases[] = {
        {3, 5, {1, 2, 6, 7, 8, 9, 10}},  // former rows 6 ... 10 are now rows 3 ... 7
        {9, 10, {1, 2, 3, 4, 5, 6, 7, 8}},
        {1, 10, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " - " << c.last);
        MeasurementData d = tenRows();
        deleteRows(d, c.first, c.last);
        ASSERT_EQ(d.RowCount, static_cast<int>(c.load.size()));
        for (int r = 0; r < d.RowCount; ++r) {
            EXPECT_EQ(d.value(r, 0), c.load[static_cast<std::size_t>(r)]);
            EXPECT_EQ(d.value(r, 1), 100 * c.load[static_cast<std::size_t>(r)]);
        }
    }
}

TEST(DataListChange, ConvertsCellTextsAsTheFileReaderDoes) {
    struct Case { const char* text; std::optional<float> value; };
    const Case cases[] = {
        {"  -2e3", -2000.0f}, {"12abc", 12.0f}, {"abc", 0.0f}, {"0.1", 0.1f},
        {"1e39", std::nullopt},  // beyond a float: refused rather than stored as infinity
    };
    for (const auto& c : cases) EXPECT_EQ(parseCellValue(c.text), c.value) << c.text;
}
