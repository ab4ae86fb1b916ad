// Channel correspondence of wide files and the reduced file.
#include "data/correspondence.h"

#include "data/open_data_file.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

using namespace kvx::data;
using kvx::test::readBytes;
using kvx::test::TempDir;
using kvx::ui::ScriptedInteraction;

namespace {

// A standard file of 20 channels: numbers c, names Pc, units (channel 1 in kN), 3 rows of c*10+r.
std::string wideFile(int channels = 20) {
    std::string s;
    const auto line = [&](auto field) {
        for (int c = 1; c <= channels; ++c) s += (c > 1 ? "," : "") + field(c);
        s += "\n";
    };
    line([](int c) { return std::to_string(c); });
    line([](int c) { return "P" + std::to_string(c); });
    line([](int) { return std::string(); });
    line([](int c) { return std::string(c == 1 ? "kN" : "mm"); });
    for (int r = 1; r <= 3; ++r) line([&](int c) { return " " + std::to_string(c * 10 + r); });
    return s;
}

std::vector<int> entries(const Correspondence& c) { return {c.entries.begin(), c.entries.end()}; }

}  // namespace

TEST(Correspondence, RenumberingFollowsOnAndHoldsAtTheLastChannel) {
    Correspondence c = Correspondence::identity(20);
    c.renumber(1, 5);
    EXPECT_EQ(entries(c), (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(c.channelsInUse(), 16);
    c = Correspondence::identity(20);
    c.renumber(3, 19);
    EXPECT_EQ(entries(c), (std::vector<int>{1, 2, 19, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}));
    EXPECT_EQ(c.channelsInUse(), 4);
    EXPECT_TRUE(Correspondence::identity(20).isIdentity(16));
    EXPECT_FALSE(c.isIdentity(3));
    EXPECT_TRUE(c.isIdentity(2));
}

TEST(Correspondence, ReducedFileByteForByte) {
    TempDir dir;
    ScriptedInteraction ia;
    Correspondence c = Correspondence::identity(20);
    c.renumber(3, 19);
    ASSERT_TRUE(buildReducedFile(dir.write("wide.csv", wideFile()), dir.file("_tempfile.csv"), c, ia));
    // Four fields per line; blanks before fields are skipped.
    EXPECT_EQ(readBytes(dir.file("_tempfile.csv")), "1,2,19,20\nP1,P2,P19,P20\n,,,\nkN,mm,mm,mm\n"
                                                    "11,21,191,201\n12,22,192,202\n13,23,193,203\n");
}

TEST(Correspondence, LinesWithTooFewFieldsAreRefused) {
    TempDir dir;
    std::string bytes = wideFile();
    bytes += "1,2,3\n";
    ScriptedInteraction ia;
    Correspondence c = Correspondence::identity(20);
    c.renumber(1, 5);
    EXPECT_FALSE(buildReducedFile(dir.write("wide.csv", bytes), dir.file("_tempfile.csv"), c, ia));
    ASSERT_EQ(ia.shown.size(), 1u);
    EXPECT_EQ(ia.shown[0].caption, "データエラー");
    EXPECT_NE(ia.shown[0].text.find("第 8 行"), std::string::npos);
}

TEST(Correspondence, SaveRefusesTheDataFilesOwnName) {
    TempDir dir;
    const std::string data = dir.write("wide.csv", wideFile());
    const std::string reduced = dir.write("_tempfile.csv", "1,2\n");
    ScriptedInteraction ia;
    EXPECT_FALSE(saveReducedFile(reduced, data, data, ia));
    EXPECT_EQ(ia.shown.at(0).caption, "ファイル名エラー");
    EXPECT_TRUE(saveReducedFile(reduced, dir.file("part"), data, ia));
    EXPECT_EQ(readBytes(dir.file("part.csv")), "1,2\n");
    EXPECT_FALSE(saveReducedFile(reduced, "/nonexistent/dir/x.csv", data, ia));
}

TEST(Correspondence, WideFileOpensThroughTheChosenCorrespondence) {
    TempDir dir;
    const std::string path = dir.write("wide.csv", wideFile());
    ScriptedInteraction ia;
    int askedWith = 0;
    const auto opened = openDataFile(path, DataFileFormat::StandardCsv, ForceUnit::kN, ia, [&](int n) {
        askedWith = n;
        Correspondence c = Correspondence::identity(n);
        c.renumber(1, 5);
        return std::optional<Correspondence>(c);
    });
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(askedWith, 20);
    EXPECT_EQ(opened->fileChannelCount, 20);
    EXPECT_EQ(opened->readFileName, dir.dir() + "_tempfile.csv");
    EXPECT_EQ(opened->data.header.ChannelCount, 16);
    EXPECT_EQ(opened->data.header.channelNumbers[0], 5);
    EXPECT_EQ(opened->data.value(2, 15), 203.0f);
    EXPECT_FALSE(opened->correspondence.isIdentity(16));
}

TEST(Correspondence, ClosingWithoutConfirmingCancelsTheOpen) {
    TempDir dir;
    const std::string path = dir.write("wide.csv", wideFile());
    dir.write("_tempfile.csv", "stale\n");
    ScriptedInteraction ia;
    const auto opened = openDataFile(path, DataFileFormat::StandardCsv, ForceUnit::kN, ia,
                                     [](int) { return std::optional<Correspondence>(); });
    EXPECT_FALSE(opened.has_value());
    EXPECT_EQ(readBytes(dir.file("_tempfile.csv")), "stale\n");  // neither read nor rewritten
    EXPECT_FALSE(openDataFile(path, DataFileFormat::StandardCsv, ForceUnit::kN, ia).has_value());
}

TEST(Correspondence, BytesReduceAsTheFileEntryWritesThem) {
    struct Case {
        const char* name;
        std::string bytes;
        int fileChannels;
        std::string reduced;
    };
    const Case cases[] = {
        {"blanks and tabs before a field skipped, after it kept", " 1,\t2 ,  3\n", 3, "1,2 ,3\n"},
        {"empty fields", ",,\n", 3, ",,\n"},
        {"CR LF line ends", "1,2\r\n3,4\r\n", 2, "1,2\n3,4\n"},
        {"a lone CR stays inside its field", "1,2\r3,4\n", 2, "1,2\r3\n"},
        {"a NUL ends the line's text", std::string("1,2\0,9\n3,4\n", 11), 2, "1,2\n3,4\n"},
        {"no final line feed", "1,2\n3,4", 2, "1,2\n3,4\n"},
        // 2,047 bytes make a line; the rest is a line of one field.
        {"line over 2047 bytes", "1," + std::string(2100, '7') + "\n", 1, "1\n" + std::string(55, '7') + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Correspondence corr = Correspondence::identity(c.fileChannels);
        ScriptedInteraction fromBytes;
        const auto reduced = reduceColumns(c.bytes, corr, fromBytes);
        ASSERT_TRUE(reduced.has_value());
        EXPECT_EQ(*reduced, c.reduced);
        EXPECT_TRUE(fromBytes.shown.empty());
        TempDir dir;
        ScriptedInteraction fromFile;
        ASSERT_TRUE(buildReducedFile(dir.write("wide.csv", c.bytes), dir.file("_tempfile.csv"), corr, fromFile));
        EXPECT_EQ(readBytes(dir.file("_tempfile.csv")), c.reduced);
    }
}

TEST(Correspondence, RefusedBytesNameTheLineAndKeepTheOldReducedFile) {
    const Correspondence corr = Correspondence::identity(2);
    const std::string bytes = "1,2\r\n3\r\n5,6\r\n";
    const char* const message = "データエラー 第 2 行\n2 チャンネル目のデータがありません．";
    ScriptedInteraction fromBytes;
    EXPECT_FALSE(reduceColumns(bytes, corr, fromBytes).has_value());
    ASSERT_EQ(fromBytes.shown.size(), 1u);
    EXPECT_EQ(fromBytes.shown[0].text, message);
    TempDir dir;
    const std::string reduced = dir.write("_tempfile.csv", "stale\n");
    ScriptedInteraction fromFile;
    EXPECT_FALSE(buildReducedFile(dir.write("wide.csv", bytes), reduced, corr, fromFile));
    ASSERT_EQ(fromFile.shown.size(), 1u);
    EXPECT_EQ(fromFile.shown[0].text, message);
    EXPECT_EQ(readBytes(reduced), "stale\n");
}

TEST(Correspondence, UnreadableAndUnwritableFilesAreTold) {
    TempDir dir;
    const Correspondence corr = Correspondence::identity(2);
    ScriptedInteraction ia;
    EXPECT_FALSE(buildReducedFile(dir.file("gone.csv"), dir.file("_tempfile.csv"), corr, ia));
    ASSERT_EQ(ia.shown.size(), 1u);
    EXPECT_EQ(ia.shown[0].text, "データファイルを開くことができません\n" + dir.file("gone.csv"));
    EXPECT_EQ(ia.shown[0].caption, "ファイルエラー");
    const std::string target = dir.file("no/folder/_tempfile.csv");
    EXPECT_FALSE(buildReducedFile(dir.write("wide.csv", "1,2\n"), target, corr, ia));
    ASSERT_EQ(ia.shown.size(), 2u);
    EXPECT_EQ(ia.shown[1].text, "一時ファイルを作成できません（書き込みできないフォルダです）\n" + target);
    EXPECT_EQ(ia.shown[1].caption, "ファイル出力エラー");
}
