// Line reading: text-mode CR/LF, the 2047-byte limit, NUL ends a C string.
#include "text/line_reader.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using kvx::text::LineReader;
using kvx::text::LineSplitter;

namespace {
std::vector<std::string> readAll(const std::string& bytes) {
    kvx::test::TempDir dir;
    LineReader r(dir.write("f.txt", bytes));
    std::vector<std::string> lines;
    while (auto l = r.next()) lines.push_back(*l);
    // The buffer splitter, which the readers use, cuts the same lines.
    LineSplitter s(bytes);
    std::vector<std::string> split;
    while (auto l = s.next()) split.emplace_back(*l);
    EXPECT_EQ(split, lines);
    EXPECT_EQ(s.lineNumber(), r.lineNumber());
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

TEST(LineReader, LinesAcrossBlockBoundariesAreWhole) {
    // Lines of every length up to the limit, CR LF pairs and lone CRs, so that
    // every kind of line break and cut falls on a 64 KiB block boundary somewhere.
    std::string bytes;
    for (int i = 0; bytes.size() < 400000; ++i) {
        bytes += std::string(static_cast<std::size_t>((i * 37) % 2100), static_cast<char>('a' + i % 26));
        bytes += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r";
    }
    const auto lines = readAll(bytes);  // compares with the splitter
    EXPECT_GT(lines.size(), 300u);
}

TEST(LineReader, MissingFileIsNotOpen) {
    LineReader r("/nonexistent/dir/file.csv");
    EXPECT_FALSE(r.isOpen());
    EXPECT_FALSE(r.next().has_value());
}
