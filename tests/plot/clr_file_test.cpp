// Line-colour files: written bytes, the forms a line may take, stopping at a
// bad line, short files, and the extension rule.
#include "plot/clr_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace kvx::plot;
using kvx::test::TempDir;

namespace {

// The default colours as 0x00BBGGRR lines, typed from the colour table.
const std::string kDefaultsFile =
    "0x00ff0000,0,0\n0x000000ff,0,0\n0x00ff00ff,0,0\n0x00008000,0,0\n"
    "0x00ffff00,0,0\n0x0000ffff,0,0\n0x00000000,0,0\n0x00800080,0,0\n"
    "0x00000080,0,0\n0x00008080,0,0\n0x00800000,0,0\n0x00808000,0,0\n"
    "0x0000ff00,0,0\n0x00808080,0,0\n0x007766ee,0,0\n0x00c0c0c0,0,0\n";

// The defaults file with line `lineNumber` (from 1) replaced.
std::string withLine(int lineNumber, const std::string& line) {
    std::string file = kDefaultsFile;
    file.replace(static_cast<std::size_t>(lineNumber - 1) * 15, 14, line);
    return file;
}

}  // namespace

TEST(ClrFile, DefaultsWriteAndReadBack) {
    TempDir dir;
    ASSERT_TRUE(writeClrFile(dir.file("default.clr"), LineStyles{}));
    EXPECT_EQ(kvx::test::readBytes(dir.file("default.clr")), kDefaultsFile);
    LineStyles styles;
    styles.ChannelColors.fill(kWhite);
    EXPECT_EQ(applyClr(styles, readClrFile(dir.file("default.clr"))), 16);
    EXPECT_EQ(styles.ChannelColors, kDefaultChannelColors);
    EXPECT_FALSE(writeClrFile(dir.file("no/such/folder.clr"), LineStyles{}));
}

TEST(ClrFile, WritesBoldAndMarkFlags) {
    LineStyles styles;
    styles.ChannelColors[1] = Rgb{0x12, 0x34, 0x56};
    styles.ChannelBold[1] = 1;
    styles.ChannelMarks[2] = 1;
    EXPECT_EQ(formatClr(styles).substr(15, 30), "0x00563412,1,0\n0x00ff00ff,0,1\n");
}

TEST(ClrFile, ReadsTheFormsOfALine) {
    struct Case { const char* name; const char* line; ClrEntry entry; };
    const Case cases[] = {
        {"red, thick, mark", "0x000000ff,1,1", {Rgb{255, 0, 0}, true, true}},
        {"upper-case short hex", "0X00ff00,0,0", {Rgb{0, 255, 0}, false, false}},
        {"decimal colour, nonzero flags", "255,7,-2", {Rgb{255, 0, 0}, true, true}},
        {"blanks and tabs before fields", "  0x00000080,\t1, 0", {Rgb{128, 0, 0}, true, false}},
        {"Windows line end", "0x00000080,1,0\r", {Rgb{128, 0, 0}, true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ClrReadResult read = parseClr(withLine(3, c.line));
        ASSERT_EQ(read.status, ClrStatus::Ok);
        EXPECT_EQ(read.entries[2], c.entry);
    }
}

TEST(ClrFile, StopsAtAMalformedLine) {
    const char* const lines[] = {
        "red,0,0", "0x00gg0000,0,0", "0x,0,0", "0xff00000f,0,0", "-1,0,0", "0x000000ff,yes,0",
        "0x000000ff,1", ",1,1", "0x000000ff ,1,1" /* a blank ends the field, the comma an empty one */, "",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        LineStyles styles;
        styles.ChannelColors.fill(kWhite);
        const ClrReadResult read = parseClr(withLine(5, line));
        EXPECT_EQ(read.status, ClrStatus::Malformed);
        EXPECT_EQ(read.lineNumber, 5);
        EXPECT_EQ(applyClr(styles, read), 4);  // channels 1-4 take the file, 5 on keep theirs
        EXPECT_EQ(styles.ChannelColors[4], kWhite);
    }
    EXPECT_EQ(clrReadMessage(parseClr(withLine(3, "x")), "x.clr"),
              "色設定ファイルの第 3 行が正しくありません（0x00bbggrr,太線,記号）\n3 CH 以降は変更していません");
}

TEST(ClrFile, ShortFileLoadsTheLinesItHas) {
    struct Case { std::string content; std::size_t good; ClrStatus status; };
    const Case cases[] = {
        {"", 0, ClrStatus::TooFewLines},
        {"0x000000ff,1,0\n0x0000ff00,0,0\n", 2, ClrStatus::TooFewLines},
        {kDefaultsFile.substr(0, kDefaultsFile.size() - 1), 16, ClrStatus::Ok},  // no final line feed
        // 99 bytes make a line; the rest of a longer line is the next line.
        {"0x000000ff,1,1" + std::string(85, ' ') + kDefaultsFile.substr(15), 16, ClrStatus::Ok},
    };
    for (const auto& c : cases) {
        const ClrReadResult read = parseClr(c.content);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.entries.size(), c.good);
    }
    EXPECT_EQ(clrReadMessage(parseClr(cases[1].content), "x.clr"),
              "色設定ファイルの行数が足りません（2 行）\n3 CH 以降は変更していません");
}

TEST(ClrFile, AppendsTheExtensionOnlyToABareName) {
    EXPECT_EQ(withClrExtension("/d/lines"), "/d/lines.clr");
    EXPECT_EQ(withClrExtension("/d.x/lines"), "/d.x/lines.clr");
    EXPECT_EQ(withClrExtension("/d/lines.txt"), "/d/lines.txt");
}
