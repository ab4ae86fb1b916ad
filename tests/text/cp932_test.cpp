// CP932 conversion at the file and widget edges.
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <thread>

using namespace kvx::text;

TEST(Cp932, RoundTripsJapaneseTexts) {
    struct Case {
        const char* utf8;
        const char* cp932;
    };
    // Byte values from the CP932 code table.
    const Case cases[] = {
        {"荷重", "\x89\xD7\x8F\x64"},
        {"㎏", "\x87\x73"},
        {"ｼﾞ", "\xBC\xDE"},  // half-width katakana are single bytes
        {"kN", "kN"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf8ToCp932(c.utf8), std::string(c.cp932));
        EXPECT_EQ(cp932ToUtf8(c.cp932), std::string(c.utf8));
    }
}

TEST(Cp932, StrictConversionRefusesWhatCannotBeConverted) {
    EXPECT_FALSE(cp932ToUtf8("\x89").has_value());       // lead byte without its pair
    EXPECT_FALSE(utf8ToCp932("\xF0\x9F\x98\x80").has_value());  // emoji has no CP932 code
    EXPECT_FALSE(utf8ToCp932("\xC3").has_value());       // cut UTF-8 sequence
}

TEST(Cp932, LossyConversionsReplaceAndContinue) {
    EXPECT_EQ(cp932ToUtf8Lossy("a\x89\xD7\x8F\x64\xFF" "b"), "a荷重\xEF\xBF\xBD" "b");
    EXPECT_EQ(utf8ToCp932Lossy("x\xF0\x9F\x98\x80y"), "x?y");
}

TEST(Cp932, TruncationNeverSplitsATwoByteCharacter) {
    const std::string kaju = "\x89\xD7\x8F\x64";  // two two-byte characters
    EXPECT_EQ(truncateCp932(kaju, 4), kaju);
    EXPECT_EQ(truncateCp932(kaju, 3), "\x89\xD7");
    EXPECT_EQ(truncateCp932("a" + kaju, 2), "a");
    EXPECT_EQ(truncateCp932("abc", 2), "ab");
}

// The converters are kept between calls and ASCII skips them: every ASCII byte
// (NUL, backslash and tilde too) must pass unchanged, and a conversion that
// failed half way must leave nothing behind for the next one.
TEST(Cp932, KeptConvertersStartEachTextAfresh) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c) ascii += static_cast<char>(c);
    EXPECT_EQ(cp932ToUtf8(ascii), ascii);
    EXPECT_EQ(utf8ToCp932(ascii), ascii);
    EXPECT_EQ(cp932ToUtf8Lossy(ascii), ascii);
    EXPECT_EQ(utf8ToCp932Lossy(ascii), ascii);
    for (int round = 0; round < 3; ++round) {
        EXPECT_FALSE(utf8ToCp932("荷\xE9\x87").has_value());  // stops inside a character
        EXPECT_EQ(utf8ToCp932("重"), "\x8F\x64");
        EXPECT_FALSE(cp932ToUtf8("\x89\xD7\x89").has_value());
        EXPECT_EQ(cp932ToUtf8("\x89\xD7"), "荷");
    }
    std::string fromOtherThread;
    std::thread([&] { fromOtherThread = cp932ToUtf8Lossy("\x89\xD7\x8F\x64"); }).join();
    EXPECT_EQ(fromOtherThread, "荷重");
}

// Checked in blocks of 32 bytes and then byte by byte: a byte of 0x80 or more
// must be found at every position of every length around the blocks.
TEST(Cp932, AsciiIsFoundByteForByte) {
    for (std::size_t length = 0; length <= 70; ++length) {
        const std::string ascii(length, '\x7F');
        EXPECT_TRUE(isAscii(ascii)) << length;
        for (std::size_t at = 0; at < length; ++at) {
            std::string s = ascii;
            s[at] = '\x80';
            EXPECT_FALSE(isAscii(s)) << length << " " << at;
        }
    }
}
