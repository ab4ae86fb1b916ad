// Logger file conversion to the standard layout, byte for byte.
#include "data/sokki_import.h"

#include "data/open_data_file.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kvx::data;
using kvx::test::readBytes;
using kvx::test::TempDir;
using kvx::ui::ScriptedInteraction;

namespace {

// A logger text file: a title line, names and units after "No" and the date,
// data rows with a record number and a date-time.
const std::string kText =
    "TDS-530 DATA\n"
    "No,DATE,Load,Disp1,Angle\n"
    "No,DATE,kN,mm,rad\n"
    "1, 2007/05/21 10:00:00,  0.12, 1.5,0.0001\n"
    "2, 2007/05/21 10:00:01,  3.40,12.0,0.0020\n";

// A logger CSV file: one leading field and a closing comma in line 1,
// data rows after a date-time field.
const std::string kCsv =
    "TIME,CH1,CH2,CH3,\n"
    "2007/05/21 10:00:00,1.0,2.0,3.0\n"
    "2007/05/21 10:00:01,4.0,5.0,6.0\n";

}  // namespace

TEST(SokkiImport, ChannelLineAndRestAfterComma) {
    EXPECT_EQ(sokkiChannelLine(3), "  1 CH,  2 CH,  3 CH\n");
    EXPECT_EQ(sokkiChannelLine(12).substr(0, 20), "  1 CH,  2 CH,  3 CH");
    EXPECT_EQ(restAfterComma("a,b, c ,d", 2), " c ,d");
    EXPECT_EQ(restAfterComma("a,b,", 2), "");
    EXPECT_FALSE(restAfterComma("a,b", 2).has_value());
}

TEST(SokkiImport, TextFileByteForByte) {
    TempDir dir;
    ScriptedInteraction ia;
    const auto tmp = importSokkiText(dir.write("run.txt", kText), ia);
    ASSERT_TRUE(tmp.has_value());
    EXPECT_EQ(*tmp, dir.dir() + "_tmp.csv");
    EXPECT_EQ(readBytes(*tmp), "  1 CH,  2 CH,  3 CH\n"
                               "Load,Disp1,Angle\n"
                               ",,\n"
                               "kN,mm,rad\n"
                               "  0.12, 1.5,0.0001\n"  // blanks kept
                               "  3.40,12.0,0.0020\n");
    EXPECT_TRUE(ia.shown.empty());
}

TEST(SokkiImport, CsvFileByteForByteHasNoUnits) {
    TempDir dir;
    ScriptedInteraction ia;
    const auto tmp = importSokkiCsv(dir.write("run.csv", kCsv), ia);
    ASSERT_TRUE(tmp.has_value());
    EXPECT_EQ(readBytes(*tmp), "  1 CH,  2 CH,  3 CH\nCH1,CH2,CH3,\n,,\n,,\n1.0,2.0,3.0\n4.0,5.0,6.0\n");
}

TEST(SokkiImport, ShortAndBrokenFiles) {
    struct Case {
        const char* name;
        std::string bytes;
        bool text;
        bool converts;
    };
    const Case cases[] = {
        {"empty text file", "", true, false},
        {"text file of two lines", "title\nNo,DATE,A\n", true, false},
        {"no channel fields", "title\nNo\nNo\n1,x,1\n", true, false},
        {"empty csv file", "", false, false},
        {"csv header without channels", "TIME\n", false, false},
        // A data line cut short before its date field contributes nothing.
        {"short last line", kText + "3", true, true},
        {"missing date field", "title\nNo,DATE,A\nNo,DATE,kN\n1\n2,x,5\n", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ScriptedInteraction ia;
        const std::string path = dir.write("f", c.bytes);
        const auto tmp = c.text ? importSokkiText(path, ia) : importSokkiCsv(path, ia);
        EXPECT_EQ(tmp.has_value(), c.converts);
        if (!c.converts) {
            EXPECT_FALSE(ia.shown.empty());
            EXPECT_FALSE(std::filesystem::exists(dir.file("_tmp.csv")) && !c.bytes.empty() &&
                         kvx::test::readBytes(dir.file("_tmp.csv")).empty());
        }
    }
    TempDir dir;
    ScriptedInteraction ia;
    ASSERT_TRUE(importSokkiText(dir.write("f", "title\nNo,DATE,A\nNo,DATE,kN\n1\n2,x,5\n"), ia).has_value());
    EXPECT_EQ(readBytes(dir.file("_tmp.csv")), "  1 CH\nA\n\nkN\n5\n");
}

TEST(SokkiImport, OpenCommandReadsTheConvertedFile) {
    TempDir dir;
    ScriptedInteraction ia;
    const auto opened = openDataFile(dir.write("run.txt", kText), DataFileFormat::SokkiTxt, ForceUnit::kN, ia);
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->chosenPath, dir.file("run.txt"));
    EXPECT_EQ(opened->dataFileName, dir.dir() + "_tmp.csv");
    EXPECT_EQ(opened->baseName, "_tmp.csv");
    EXPECT_EQ(opened->data.RowCount, 2);
    EXPECT_EQ(opened->data.value(1, 1), 12.0f);
    // The CSV import has no units: the force-unit question is asked.
    ScriptedInteraction csv;
    csv.answers = {kvx::ui::Answer::Ok};
    const auto fromCsv = openDataFile(dir.write("run.csv", kCsv), DataFileFormat::SokkiCsv, ForceUnit::kN, csv);
    ASSERT_TRUE(fromCsv.has_value());
    ASSERT_FALSE(csv.shown.empty());
    EXPECT_EQ(csv.shown[0].caption, "加力単位エラー");
    EXPECT_EQ(fromCsv->data.value(0, 2), 3.0f);
}

TEST(SokkiImport, UnwritableTemporaryFileIsTold) {
    // A folder in the way of _tmp.csv stops even root from creating it.
    TempDir dir;
    const std::string path = dir.write("run.txt", kText);
    std::filesystem::create_directory(dir.file("_tmp.csv"));
    ScriptedInteraction ia;
    EXPECT_FALSE(importSokkiText(path, ia).has_value());
    ASSERT_FALSE(ia.shown.empty());
    EXPECT_EQ(ia.shown.back().caption, "ファイル出力エラー");
}

TEST(SokkiImport, OverLongAndShortRowsFailTheReadWithTheirLine) {
    struct Case {
        const char* name;
        std::string data;
        const char* message;
    };
    const Case cases[] = {
        // A 3,000-byte row continues as the next line: its rest is not a data row.
        {"over-long row", "1, 2007/05/21 10:00:00," + std::string(2990, '1') + ",2,3\n", "データエラー 第 5 行"},
        {"fewer columns than the header", "1, 2007/05/21 10:00:00,1,2\n", "データエラー 第 5 行"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ScriptedInteraction ia;
        const std::string path = dir.write("run.txt", "title\nNo,DATE,A,B,C\nNo,DATE,kN,mm,mm\n" + c.data);
        EXPECT_FALSE(openDataFile(path, DataFileFormat::SokkiTxt, ForceUnit::kN, ia).has_value());
        ASSERT_FALSE(ia.shown.empty());
        EXPECT_EQ(ia.shown.back().text, c.message);
    }
}

namespace {

const std::string kTextHeader = "title\nNo,DATE,A\nNo,DATE,kN\n";

}  // namespace

TEST(SokkiImport, BytesConvertAsTheFileEntryWritesThem) {
    struct Case {
        const char* name;
        std::string bytes;
        bool text;
        std::string converted;
    };
    const Case cases[] = {
        {"logger text", kText, true,
         "  1 CH,  2 CH,  3 CH\nLoad,Disp1,Angle\n,,\nkN,mm,rad\n  0.12, 1.5,0.0001\n  3.40,12.0,0.0020\n"},
        {"logger csv", kCsv, false, "  1 CH,  2 CH,  3 CH\nCH1,CH2,CH3,\n,,\n,,\n1.0,2.0,3.0\n4.0,5.0,6.0\n"},
        {"CR LF line ends", "title\r\nNo,DATE,A\r\nNo,DATE,kN\r\n1,x,5\r\n", true, "  1 CH\nA\n\nkN\n5\n"},
        {"no final line feed", kTextHeader + "1,x,5\n2,x,6", true, "  1 CH\nA\n\nkN\n5\n6\n"},
        {"a NUL ends the line's text", kTextHeader + std::string("1,x,5\0,9\n2,x,6\n", 15), true,
         "  1 CH\nA\n\nkN\n5\n6\n"},
        // 2,047 bytes make a line; the rest, without two commas, adds nothing.
        {"line over 2047 bytes", kTextHeader + "1,x," + std::string(2100, '5') + "\n", true,
         "  1 CH\nA\n\nkN\n" + std::string(2043, '5') + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction fromBytes;
        const auto converted = c.text ? convertSokkiText(c.bytes, fromBytes) : convertSokkiCsv(c.bytes, fromBytes);
        ASSERT_TRUE(converted.has_value());
        EXPECT_EQ(*converted, c.converted);
        EXPECT_TRUE(fromBytes.shown.empty());
        TempDir dir;
        ScriptedInteraction fromFile;
        const std::string path = dir.write("run", c.bytes);
        const auto tmp = c.text ? importSokkiText(path, fromFile) : importSokkiCsv(path, fromFile);
        ASSERT_TRUE(tmp.has_value());
        EXPECT_EQ(readBytes(*tmp), c.converted);
    }
}

TEST(SokkiImport, BytesAreRefusedWithTheFileEntrysMessages) {
    struct Case {
        const char* name;
        std::string bytes;
        bool text;
        const char* message;
    };
    const Case cases[] = {
        {"empty text file", "", true, "データエラー 第 1 行"},
        {"text file of two lines", "title\nNo,DATE,A\n", true, "データエラー 第 3 行"},
        {"no channel names", "title\nNo,DATE\nNo,DATE\n1,x\n", true, "東京測器txt形式の第 2 行にチャンネル名がありません"},
        {"empty csv file", "", false, "データエラー 第 1 行"},
        {"csv header without channels", "TIME\n", false, "東京測器csv形式の第 1 行にチャンネル名がありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction fromBytes;
        EXPECT_FALSE((c.text ? convertSokkiText(c.bytes, fromBytes) : convertSokkiCsv(c.bytes, fromBytes)).has_value());
        ASSERT_EQ(fromBytes.shown.size(), 1u);
        EXPECT_EQ(fromBytes.shown[0].text, c.message);
        EXPECT_EQ(fromBytes.shown[0].caption, "データエラー");
        TempDir dir;
        ScriptedInteraction fromFile;
        const std::string path = dir.write("run", c.bytes);
        EXPECT_FALSE((c.text ? importSokkiText(path, fromFile) : importSokkiCsv(path, fromFile)).has_value());
        ASSERT_EQ(fromFile.shown.size(), 1u);
        EXPECT_EQ(fromFile.shown[0].text, c.message);
        EXPECT_FALSE(std::filesystem::exists(dir.file("_tmp.csv")));
    }
}

TEST(SokkiImport, MissingFileIsToldWithItsPath) {
    TempDir dir;
    ScriptedInteraction ia;
    EXPECT_FALSE(importSokkiCsv(dir.file("gone.csv"), ia).has_value());
    ASSERT_EQ(ia.shown.size(), 1u);
    EXPECT_EQ(ia.shown[0].text, "データファイルを開くことができません\n" + dir.file("gone.csv"));
    EXPECT_EQ(ia.shown[0].caption, "ファイルエラー");
    EXPECT_FALSE(std::filesystem::exists(dir.file("_tmp.csv")));
}
