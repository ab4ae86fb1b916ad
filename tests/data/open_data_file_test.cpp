// The open command's core: format recognition, mismatch messages, reading.
#include "data/open_data_file.h"

#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

using namespace kvx::data;
using kvx::test::TempDir;
using kvx::ui::ScriptedInteraction;

namespace {
const std::string kStandard = " 1CH, 2CH\nP,D\nLC,DG\nkN,mm\n1,2\n3,4\n";
const std::string kSokkiCsv = "time,CH1,CH2\nx,y,z\n2007/05/21 10:00:00,1,2\n";
const std::string kSokkiTxt = "header\nNo,Date,P,D\nNo,Date,kN,mm\n1, 2007/05/21 10:00:00,1,2\n";
}  // namespace

TEST(DetectFormat, RecognisesLoggerDates) {
    struct Case {
        const char* name;
        std::string bytes;
        DataFileFormat format;
    };
    const Case cases[] = {
        {"standard", kStandard, DataFileFormat::StandardCsv},
        {"logger csv", kSokkiCsv, DataFileFormat::SokkiCsv},
        {"logger text", kSokkiTxt, DataFileFormat::SokkiTxt},
        {"standard file with slashes in line 3", "1\nP\n2007/05/21\nkN\n1\n", DataFileFormat::SokkiCsv},
        {"short file", "1\n", DataFileFormat::StandardCsv},
        {"empty file", "", DataFileFormat::StandardCsv},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        EXPECT_EQ(detectFormat(dir.write("f", c.bytes)), c.format);
    }
    EXPECT_FALSE(detectFormat("/nonexistent/f.csv").has_value());
}

TEST(OpenDataFile, ReadsAStandardFileAndNamesItsFolder) {
    TempDir dir;
    ScriptedInteraction ia;
    const auto opened = openDataFile(dir.write("wall.csv", kStandard), DataFileFormat::StandardCsv, ForceUnit::kN, ia);
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->data.RowCount, 2);
    EXPECT_EQ(opened->dataDirectory, dir.dir());
    EXPECT_EQ(opened->baseName, "wall.csv");
    EXPECT_EQ(opened->fileChannelCount, 2);
    EXPECT_EQ(opened->channelNumberCount, 2);
    EXPECT_TRUE(ia.shown.empty());
}

TEST(OpenDataFile, RefusesWithTheFormatMessages) {
    struct Case {
        const char* name;
        std::string bytes;
        DataFileFormat menu;
        std::string message;
    };
    const Case cases[] = {
        {"logger csv while standard chosen", kSokkiCsv, DataFileFormat::StandardCsv, "標準csv形式のデータファイルではありません"},
        {"standard while logger text chosen", kStandard, DataFileFormat::SokkiTxt, "東京測器txt形式のデータファイルではありません"},
        {"standard while logger csv chosen", kStandard, DataFileFormat::SokkiCsv, "東京測器csv形式のデータファイルではありません"},
        {"bad data row", " 1CH, 2CH\nP,D\nLC,DG\nkN,mm\n1\n", DataFileFormat::StandardCsv, "データエラー 第 5 行"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ScriptedInteraction ia;
        EXPECT_FALSE(openDataFile(dir.write("f.csv", c.bytes), c.menu, ForceUnit::kN, ia).has_value());
        ASSERT_EQ(ia.shown.size(), 1u);
        EXPECT_EQ(ia.shown[0].text, c.message);
        EXPECT_EQ(ia.shown[0].caption, "データエラー");
    }
}

TEST(OpenDataFile, MissingFileOrFolderIsTold) {
    TempDir dir;
    for (const std::string& path : {std::string("/nonexistent/f.csv"), dir.path().string()}) {
        SCOPED_TRACE(path);
        ScriptedInteraction ia;
        EXPECT_FALSE(openDataFile(path, DataFileFormat::StandardCsv, ForceUnit::kN, ia).has_value());
        ASSERT_EQ(ia.shown.size(), 1u);
        EXPECT_EQ(ia.shown[0].caption, "ファイルエラー");
    }
}

TEST(OpenDataFile, SixteenFieldsReadDirectly) {
    std::string line1, units, row;
    for (int i = 0; i < 16; ++i) {
        line1 += (i ? "," : "") + std::to_string(i + 1);
        units += i ? ",mm" : "kN";
        row += i ? ",1" : "1";
    }
    TempDir dir;
    ScriptedInteraction ia;
    const auto opened = openDataFile(dir.write("w.csv", line1 + "\n\n\n" + units + "\n" + row + "\n"),
                                     DataFileFormat::StandardCsv, ForceUnit::kN, ia);
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->data.header.ChannelCount, 16);
}

TEST(DeleteTemporaryFiles, RemovesOnlyTheTwoTemporaryFiles) {
    TempDir dir;
    dir.write("_tmp.csv", "x");
    dir.write("_tempfile.csv", "x");
    dir.write("data.csv", "x");
    deleteTemporaryFiles(dir.dir());
    deleteTemporaryFiles(dir.dir());  // missing files are no error
    EXPECT_FALSE(std::filesystem::exists(dir.file("_tmp.csv")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("_tempfile.csv")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("data.csv")));
}

TEST(OpenDataFile, OtherLabsFilesAreOfferedToTheTextImport) {
    const std::string labFile = "Lead Actuator Force ,Lead Actuator Displacment \nkN,mm\n0.02,0.00\n1.5,2.25\n-1.5,-2.5\n";
    struct Case {
        const char* name;
        std::string bytes;
        std::deque<kvx::ui::Answer> answers;
        bool asked, opened;
        int rows;
    };
    const Case cases[] = {
        {"names row first: yes", labFile, {kvx::ui::Answer::Yes}, true, true, 3},
        {"names row first: no reads it as standard", labFile, {kvx::ui::Answer::No}, true, true, 1},
        {"data from line 1", "1.5,2\n2.5,3\n3.5,4\n4.5,5\n5.5,6\n", {kvx::ui::Answer::Yes}, true, true, 5},
        {"too short for a header", "F,d\n1,2\n", {kvx::ui::Answer::Yes}, true, true, 1},
        {"standard channel numbers", kStandard, {}, false, true, 2},
        {"loop file labels", "1data,2data\nA,B\n,\n ,\n1,2\n", {}, false, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ScriptedInteraction ia;
        ia.answers = c.answers;
        ia.defaultAnswer = kvx::ui::Answer::Ok;  // the no-force question of a standard read: go on
        const auto opened = openDataFile(dir.write("lab.csv", c.bytes), DataFileFormat::StandardCsv, ForceUnit::kN, ia);
        EXPECT_EQ(ia.count(kGenericQuestion), c.asked ? 1 : 0);
        ASSERT_EQ(opened.has_value(), c.opened);
        if (opened) {
            EXPECT_EQ(opened->data.RowCount, c.rows);
        }
    }
}

TEST(OpenDataFile, GenericFormatGoesThroughTheChooser) {
    TempDir dir;
    const std::string path = dir.write("lab.txt", "drift;force\n%;N\n0,5;1500\n-0,5;-1200\n");
    ScriptedInteraction ia;
    std::string seenPath;
    int detectedHeader = -1;
    const ImportChooser choose = [&](const std::string& p, std::string_view, const ImportSettings& detected) {
        seenPath = p;
        detectedHeader = detected.dialect.headerRows;
        ImportSettings s = detected;
        s.columns = {2, 1};
        return std::optional<ImportSettings>(s);
    };
    const auto opened = openDataFile(path, DataFileFormat::Generic, ForceUnit::kN, ia, {}, choose);
    ASSERT_TRUE(opened) << (ia.shown.empty() ? "" : ia.shown.back().text);
    EXPECT_EQ(seenPath, path);
    EXPECT_EQ(detectedHeader, 2);
    EXPECT_EQ(opened->data.header.units[0], "kN");
    EXPECT_EQ(opened->data.value(0, 0), 1.5f);
    EXPECT_EQ(opened->data.ForceChannel, 0);
    EXPECT_EQ(opened->baseName, "lab.txt");
    ASSERT_TRUE(opened->import);
    EXPECT_EQ(opened->import->dialect.decimal, DecimalMark::Comma);
    // Cancelled in the window: nothing opened, nothing said.
    ScriptedInteraction quiet;
    EXPECT_FALSE(openDataFile(path, DataFileFormat::Generic, ForceUnit::kN, quiet, {},
                              [](const std::string&, std::string_view, const ImportSettings&) {
                                  return std::optional<ImportSettings>();
                              }));
    EXPECT_TRUE(quiet.shown.empty());
}
