// Line reading: text-mode CR/LF, the 2047-byte limit, NUL ends a C string.
#include "text/line_reader.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using kvx::text::LineReader;

namespace {
std::vector<std::string> readAll(const std::string& bytes) {
    kvx::test::TempDir dir;
    LineReader r(dir.write("f.txt", bytes));
    std::vector<std::string> lines;
    while (auto l = r.next()) lines.push_back(*l);
    return lines;
}
}  // namespace

TEST(LineReader, SplitsLikeTextModeFgets) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"last line without line feed", "a\nb", {"a", "b"}},
        {"trailing line feed adds nothing", "a\n", {"a"}},
        {"blank line at the end", "a\n\n", {"a", ""}},
        {"CRLF", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR kept", "a\rb\n", {"a\rb"}},
        {"NUL ends the line's text", std::string("ab\0cd\nx\n", 8), {"ab", "x"}},
        {"2046 bytes and LF fit", std::string(2046, 'x') + "\ny", {std::string(2046, 'x'), "y"}},
        {"2047 bytes leave the LF as an empty line", std::string(2047, 'x') + "\ny",
         {std::string(2047, 'x'), "", "y"}},
        {"3000-byte line continues as the next line", std::string(3000, 'x') + "\n",
         {std::string(2047, 'x'), std::string(953, 'x')}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readAll(c.bytes), c.lines);
    }
}

TEST(LineReader, MissingFileIsNotOpen) {
    LineReader r("/nonexistent/dir/file.csv");
    EXPECT_FALSE(r.isOpen());
    EXPECT_FALSE(r.next().has_value());
}
