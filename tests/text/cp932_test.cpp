// CP932 conversion at the file and widget edges.
#include "text/cp932.h"

#include <gtest/gtest.h>

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
