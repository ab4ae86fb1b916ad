// Field splitting: every comma separates, 99-byte fields, blank skipping.
#include "text/fields.h"

#include <gtest/gtest.h>

using kvx::text::splitFields;
using Fields = std::vector<std::string>;

TEST(SplitFields, CutsAtEveryComma) {
    struct Case {
        const char* name;
        std::string line;
        Fields fields;
    };
    const Case cases[] = {
        {"plain", "a,b,c", {"a", "b", "c"}},
        {"empty line is one empty field", "", {""}},
        {"trailing comma adds an empty field", "1,2,", {"1", "2", ""}},
        {"leading comma", ",x", {"", "x"}},
        {"blanks belong to the field", " 1CH, 2CH ,10CH", {" 1CH", " 2CH ", "10CH"}},
        {"no quoting", "\"a,b\"", {"\"a", "b\""}},
        {"CP932 bytes kept", "\x89\xD7\x8F\x64,mm", {"\x89\xD7\x8F\x64", "mm"}},
        {"99-byte field is allowed", std::string(99, 'x') + ",1", {std::string(99, 'x'), "1"}},
        {"100-byte field yields nothing", "1," + std::string(100, 'x'), {}},
        {"100-byte field first", std::string(100, 'x'), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitFields(c.line), c.fields);
    }
}

TEST(CountFields, CountsEmptyFieldsAndIgnoresTheLengthLimit) {
    EXPECT_EQ(kvx::text::countFields(""), 1u);
    EXPECT_EQ(kvx::text::countFields(",,"), 3u);
    EXPECT_EQ(kvx::text::countFields(std::string(300, 'x') + ",1"), 2u);
}

TEST(SplitFieldsSkippingBlanks, SkipsBlanksTabsAndLineFeedsBeforeEachField) {
    EXPECT_EQ(kvx::text::splitFieldsSkippingBlanks("  1, \t2007/05/21 10:00 ,\n3"),
              (Fields{"1", "2007/05/21 10:00 ", "3"}));
    EXPECT_EQ(kvx::text::splitFieldsSkippingBlanks(""), (Fields{""}));
}
