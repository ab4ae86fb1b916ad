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
