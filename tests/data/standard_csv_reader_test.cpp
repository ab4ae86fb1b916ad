// Reading standard CSV files: header rules, rows, failures that keep the old data.
#include "data/standard_csv_reader.h"

#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

using namespace kvx::data;
using kvx::test::TempDir;
using kvx::ui::Answer;
using kvx::ui::ScriptedInteraction;

namespace {

const std::string kKaju = "\x89\xD7\x8F\x64";  // 荷重 in CP932
const std::string kHeader = " 1CH, 2CH,10CH\n" + kKaju + ",disp,angle\nLC,DG,calc\nkN,  mm,rad\n";

struct Read {
    ReadResult result;
    MeasurementData data;
    ScriptedInteraction ia;
};

std::unique_ptr<Read> readBytes(const std::string& bytes, ForceUnit unit = ForceUnit::kN) {
    TempDir dir;
    auto r = std::make_unique<Read>();
    r->result = readStandardCsv(dir.write("d.csv", bytes), unit, r->ia, r->data);
    return r;
}

}  // namespace

TEST(StandardCsvReader, ReadsHeaderAndRows) {
    const auto r = readBytes(kHeader + "1.5,2,0.001\n-3,4e1,-2.5e-3\n");
    ASSERT_EQ(r->result.rows, 2);
    EXPECT_EQ(r->result.channelNumberCount, 3);
    const ChannelHeader& h = r->data.header;
    EXPECT_EQ(h.ChannelCount, 3);
    EXPECT_EQ((std::vector<int>(h.channelNumbers.begin(), h.channelNumbers.begin() + 3)), (std::vector<int>{1, 2, 10}));
    EXPECT_EQ(h.pointNames[0], kKaju);
    EXPECT_EQ(h.instrumentNames[2], "calc");
    EXPECT_EQ(h.units[1], "mm");  // leading blanks removed
    EXPECT_EQ(r->data.ForceChannel, 0);
    EXPECT_EQ(r->data.ForceFactor, 1.0f);
    EXPECT_EQ(r->data.RowCount, 2);
    EXPECT_EQ(r->data.value(1, 0), -3.0f);
    EXPECT_EQ(r->data.value(1, 1), 40.0f);
    EXPECT_EQ(r->data.value(1, 2), static_cast<float>(-2.5e-3));
    EXPECT_TRUE(r->ia.shown.empty());
}

TEST(StandardCsvReader, AcceptsTheFileVariantsUsersHave) {
    struct Case {
        const char* name;
        std::string bytes;
        int rows;
        float lastValue;  // channel 0 of the last row
    };
    const Case cases[] = {
        {"last row without line feed", kHeader + "1,2,3\n4,5,6", 2, 4.0f},
        {"CRLF line ends", " 1CH, 2CH,10CH\r\nA,B,C\r\n,,\r\nkN,mm,rad\r\n1,2,3\r\n7,8,9\r\n", 2, 7.0f},
        {"letters after a number", kHeader + "12abc,x,0\n", 1, 12.0f},
        {"letters only give 0", kHeader + "abc,1,2\n", 1, 0.0f},
        {"single channel and blank last line", "1CH\nP\nLC\nkN\n5\n\n", 2, 0.0f},
        {"UTF-8 with byte order mark", "\xEF\xBB\xBF 1CH\n\xE8\x8D\xB7\xE9\x87\x8D\nLC\nkN\n2.5\n", 1, 2.5f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = readBytes(c.bytes);
        ASSERT_EQ(r->result.rows, c.rows);
        EXPECT_EQ(r->data.value(c.rows - 1, 0), c.lastValue);
        EXPECT_TRUE(r->ia.shown.empty());
    }
}

TEST(StandardCsvReader, Utf8HeaderTextsAreStoredAsCp932) {
    const auto r = readBytes("\xEF\xBB\xBF 1CH\n\xE8\x8D\xB7\xE9\x87\x8D\nLC\nkN\n2.5\n");
    EXPECT_EQ(r->data.header.pointNames[0], kKaju);
    EXPECT_EQ(r->data.header.channelNumbers[0], 1);
}

TEST(StandardCsvReader, HeaderTextsAreCutToTheirFieldsAtCharacterBoundaries) {
    // 10 two-byte characters (20 bytes) fit as 9 characters (18 bytes) in 19.
    std::string longName;
    for (int i = 0; i < 10; ++i) longName += kKaju.substr(0, 2);
    const auto r = readBytes("1\n" + longName + "\nabcdefghijklmnopqrstuvwxyz\n   kilonewton\n1\n",
                             ForceUnit::kN);
    ASSERT_EQ(r->result.rows, 1);
    EXPECT_EQ(r->data.header.pointNames[0].size(), 18u);
    EXPECT_EQ(r->data.header.instrumentNames[0], "abcdefghijklmnopqrs");
    EXPECT_EQ(r->data.header.units[0], "kilonewto");
}

TEST(StandardCsvReader, ScalesOnlyTheForceColumn) {
    const auto r = readBytes(" 1CH, 2CH\nP,d\n,\nkg,mm\n1000,1000\n", ForceUnit::kN);
    ASSERT_EQ(r->result.rows, 1);
    EXPECT_EQ(r->data.header.units[0], "kN");
    EXPECT_EQ(r->data.value(0, 0), static_cast<float>(1000.0 * static_cast<double>(0.0098f)));
    EXPECT_EQ(r->data.value(0, 1), 1000.0f);
    EXPECT_EQ(r->data.ForceFactor, 0.0098f);
    ASSERT_EQ(r->ia.shown.size(), 1u);
    EXPECT_EQ(r->ia.shown[0].caption, "加力単位");
}

TEST(StandardCsvReader, NoForceUnitAnsweredOkStoresValuesUnscaled) {
    const auto r = readBytes("1,2\na,b\n,\nmm,rad\n3.5,0.25\n", ForceUnit::kN);
    ASSERT_EQ(r->result.rows, 1);
    EXPECT_EQ(r->data.ForceChannel, -1);
    EXPECT_EQ(r->data.value(0, 0), 3.5f);
    EXPECT_EQ(r->data.header.units[0], "mm");
}

// Every failure tells the user and leaves the caller's data set exactly as it was.
TEST(StandardCsvReader, RefusesBadFilesAndKeepsThePreviousData) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
        std::vector<Answer> answers;
    };
    const std::string garbage = std::string("\x00\xFF\x13\x89,,\x01\n\xFE\xFE", 10) + std::string(5000, '\x07');
    std::string rows30001 = "1\nP\nL\nkN\n";
    for (int i = 0; i < 30001; ++i) rows30001 += "1\n";
    std::string wideUnits = "1\na\nb\n";
    for (int i = 0; i < 17; ++i) wideUnits += i ? ",mm" : "kN";
    wideUnits += "\n";
    const Case cases[] = {
        {"empty file", "", "データエラー 第 1 行", {}},
        {"only three header lines", "1\na\nb\n", "データエラー 第 4 行", {}},
        {"header without data", kHeader, "データエラー 第 5 行", {}},
        {"row with too few fields", kHeader + "1,2,3\n4,5\n", "データエラー 第 6 行", {}},
        {"row with a trailing comma", kHeader + "1,2,3,\n", "データエラー 第 5 行", {}},
        {"blank last line with three channels", kHeader + "1,2,3\n\n", "データエラー 第 6 行", {}},
        {"100-byte field in a row", kHeader + "1,2," + std::string(100, '3') + "\n", "データエラー 第 5 行", {}},
        {"100-byte unit field", "1\na\nb\n" + std::string(100, 'k') + "\n1\n", "データエラー 第 4 行", {}},
        {"3000-byte line", kHeader + "1,2," + std::string(2998, '3') + "\n", "データエラー 第 5 行", {}},
        {"value beyond single precision", kHeader + "1,2,1e39\n", "データエラー 第 5 行", {}},
        {"binary garbage", garbage, "データエラー 第 4 行", {}},
        {"17 units in line 4", wideUnits + "1\n",
         "第 4 行（単位）のチャンネル数が 17 あり、上限の 16 を超えています．\nこのファイルは読み込めません．", {}},
        {"more than 30000 rows", rows30001,
         "データが 30000 行を超えています（第 30005 行）．\n30000 行までのファイルに分けてから読み込んでください．", {}},
        {"force question cancelled", "1\na\nb\nmm\n1\n",
         "重大なエラー\n\n力の単位が kg または kN のデータがありません．\nこのまま続行しますか？　　", {Answer::Cancel}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        MeasurementData data;
        data.RowCount = 7;
        data.header.ChannelCount = 2;
        data.header.units[0] = "old";
        data.cell(0, 0) = 42.0f;
        ScriptedInteraction ia;
        ia.answers.assign(c.answers.begin(), c.answers.end());
        const auto result = readStandardCsv(dir.write("bad.csv", c.bytes), ForceUnit::kN, ia, data);
        EXPECT_EQ(result.rows, 0);
        ASSERT_FALSE(ia.shown.empty());
        EXPECT_EQ(ia.shown.back().text, c.message);
        EXPECT_EQ(data.RowCount, 7);
        EXPECT_EQ(data.header.ChannelCount, 2);
        EXPECT_EQ(data.header.units[0], "old");
        EXPECT_EQ(data.value(0, 0), 42.0f);
    }
}

TEST(StandardCsvReader, DataErrorsUseTheirCaption) {
    const auto r = readBytes(kHeader + "1,2\n");
    ASSERT_EQ(r->ia.shown.size(), 1u);
    EXPECT_EQ(r->ia.shown[0].caption, "データエラー");
}

TEST(StandardCsvReader, MissingFileIsToldNotCrashed) {
    ScriptedInteraction ia;
    MeasurementData data;
    EXPECT_EQ(readStandardCsv("/nonexistent/x.csv", ForceUnit::kN, ia, data).rows, 0);
    ASSERT_EQ(ia.shown.size(), 1u);
    EXPECT_EQ(ia.shown[0].caption, "ファイルエラー");
}

TEST(StandardCsvReader, ReadsExactly30000Rows) {
    std::string bytes = "1\nP\nL\nkN\n";
    for (int i = 0; i < 30000; ++i) bytes += std::to_string(i) + "\n";
    const auto r = readBytes(bytes);
    ASSERT_EQ(r->result.rows, 30000);
    EXPECT_EQ(r->data.value(29999, 0), 29999.0f);
}

// Large files are read in stretches side by side; wherever the stretches are
// cut, the outcome must be the one read's: rows, values, and the first
// refused line with its message (the row limit judged between the field count
// and the numbers).
TEST(StandardCsvReader, StretchesReadAsOneRead) {
    const auto rows = [](int count, const std::string& row) {
        std::string s;
        for (int i = 0; i < count; ++i) s += row;
        return s;
    };
    std::string varied;
    for (int i = 0; i < 200; ++i)
        varied += std::to_string(i) + (i % 3 ? ",-2.5e-3," : ",7,") + std::to_string(i * 0.37) +
                  (i % 5 ? std::string() : std::string("\0,junk", 6)) + (i % 2 ? "\r\n" : "\n");
    const std::string oneChannel = "1\nP\nL\nkN\n";
    const std::string tooMany =
        "データが 30000 行を超えています（第 30005 行）．\n30000 行までのファイルに分けてから読み込んでください．";
    const struct Case {
        const char* name;
        std::string bytes;
        std::string message;  // none: read
    } cases[] = {
        {"rows of every kind", kHeader + varied, ""},
        {"field count refused late", kHeader + rows(150, "1,2,3\n") + "1,2\n" + rows(100, "1,2,3\n"), "データエラー 第 155 行"},
        {"number refused late", kHeader + rows(150, "1,2,3\n") + "1,2,1e39\n" + rows(100, "1,2,3\n"), "データエラー 第 155 行"},
        {"number first, field count later", kHeader + rows(20, "1,2,3\n") + "1e39,2,3\n" + rows(130, "1,2,3\n") + "1\n", "データエラー 第 25 行"},
        {"blank lines", kHeader + rows(60, "1,2,3\n") + "\n\n" + rows(60, "1,2,3\n"), "データエラー 第 65 行"},
        {"long line cut into pieces", kHeader + rows(40, "1,2,3\n") + "1,2," + std::string(3000, '4') + "\n" + rows(40, "1,2,3\n"), "データエラー 第 45 行"},
        {"no rows", kHeader, "データエラー 第 5 行"},
        {"30000 rows", oneChannel + rows(30000, "5\n"), ""},
        {"30001 rows", oneChannel + rows(30001, "5\n"), tooMany},
        {"30001 rows and more", oneChannel + rows(40000, "5\n"), tooMany},
        {"line 30005 of two fields", oneChannel + rows(30000, "5\n") + "5,5\n" + rows(10, "5\n"), "データエラー 第 30005 行"},
        {"line 30005 beyond single precision", oneChannel + rows(30000, "5\n") + "1e39\n", tooMany},
        {"a refused line beyond the limit", oneChannel + rows(30002, "5\n") + "5,5\n", tooMany},
        {"no line feed at the end", kHeader + rows(99, "1,2,3\n") + "1,2,3", ""},
    };
    for (const auto& c : cases) {
        ScriptedInteraction ia;
        MeasurementData expected;
        const ReadResult one = readStandardCsvBytes(c.bytes, ForceUnit::kN, ia, expected, {SIZE_MAX, 1});
        if (c.message.empty()) {
            EXPECT_GT(one.rows, 0) << c.name;
            EXPECT_TRUE(ia.shown.empty()) << c.name;
        } else {
            EXPECT_EQ(ia.texts(), std::vector<std::string>{c.message}) << c.name;
        }
        for (const int stretches : {2, 3, 5, 8}) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << stretches << " stretches");
            ScriptedInteraction iaSplit;
            MeasurementData split;
            const ReadResult r = readStandardCsvBytes(c.bytes, ForceUnit::kN, iaSplit, split, {1, stretches});
            EXPECT_EQ(r.rows, one.rows);
            EXPECT_EQ(iaSplit.texts(), ia.texts());
            ASSERT_EQ(split.RowCount, expected.RowCount);
            EXPECT_EQ(split.ValueTable, expected.ValueTable);
        }
    }
}
