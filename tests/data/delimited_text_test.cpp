// Dialect detection and parsing of delimited text from other labs' files.
#include "data/delimited_text.h"

#include <gtest/gtest.h>

using namespace kvx::data;

namespace {

std::string rows(const std::string& header, const std::string& row, int count, const std::string& eol = "\n") {
    std::string s = header;
    for (int i = 0; i < count; ++i) s += row + eol;
    return s;
}

}  // namespace

TEST(DelimitedText, DetectsTheDialect) {
    struct Case {
        const char* name;
        std::string bytes;
        Delimiter delimiter;
        DecimalMark decimal;
        FileEncoding encoding;
        int headerRows, namesRow, unitsRow, columns;
    };
    const std::string cp932Names = "\x89\xD7\x8F\x64,\x95\xCF\x88\xCA\n";  // 荷重,変位
    const Case cases[] = {
        {"comma, point, no header", rows("", "1.5,-2.25", 5), Delimiter::Comma, DecimalMark::Point, FileEncoding::Utf8, 0, 0, 0, 2},
        {"semicolon, comma", rows("Kraft;Weg\nkN;mm\n", "1,5;-2,25", 5), Delimiter::Semicolon, DecimalMark::Comma,
         FileEncoding::Utf8, 2, 1, 2, 2},
        {"tab, comma", rows("F\td\n", "1,5\t2,25\t3", 5), Delimiter::Tab, DecimalMark::Comma, FileEncoding::Utf8, 1, 1, 0, 3},
        {"tab, point", rows("", "1.5\t2.25", 5), Delimiter::Tab, DecimalMark::Point, FileEncoding::Utf8, 0, 0, 0, 2},
        {"blank separated", rows("  force   disp\n", "  1.5   -2.25  3e-3", 5), Delimiter::Blanks, DecimalMark::Point,
         FileEncoding::Utf8, 1, 1, 0, 3},
        {"quoted names", rows("\"Force, lead\",\"Disp\"\n\"(kN)\",\"(mm)\"\n", "1,2", 5), Delimiter::Comma,
         DecimalMark::Point, FileEncoding::Utf8, 2, 1, 2, 2},
        {"BOM, CRLF", rows("\xEF\xBB\xBFP,D\r\nkN,mm\r\n", "1,2", 5, "\r\n"), Delimiter::Comma, DecimalMark::Point,
         FileEncoding::Utf8, 2, 1, 2, 2},
        {"UTF-8 names", rows("荷重,変位\n[kN],[mm]\n", "1,2", 5), Delimiter::Comma, DecimalMark::Point, FileEncoding::Utf8,
         2, 1, 2, 2},
        {"CP932 names", rows(cp932Names + "kN,mm\n", "1,2", 5), Delimiter::Comma, DecimalMark::Point, FileEncoding::Cp932,
         2, 1, 2, 2},
        {"three header rows, units last", rows("Test unit,Sample,\nname a,name b,\n[mm],[kN]\n", "1,2,3", 5),
         Delimiter::Comma, DecimalMark::Point, FileEncoding::Utf8, 3, 2, 3, 3},
        {"scientific", rows("", "-3.131820000000000003e-03,7.124894999999999357e+01", 5), Delimiter::Comma,
         DecimalMark::Point, FileEncoding::Utf8, 0, 0, 0, 2},
        {"trailing commas", rows("a,b,\n", "1,2,,", 5), Delimiter::Comma, DecimalMark::Point, FileEncoding::Utf8, 1, 1, 0, 2},
        {"one column", rows("load\n", "1.5", 5), Delimiter::Comma, DecimalMark::Point, FileEncoding::Utf8, 1, 1, 0, 1},
        {"whole numbers", "Kraft,Weg\nkN,mm\n1,2\n3,4\n6,7\n8,9\n10,11\n", Delimiter::Comma, DecimalMark::Point,
         FileEncoding::Utf8, 2, 1, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextDialect d = detectDialect(c.bytes);
        EXPECT_EQ(d.delimiter, c.delimiter);
        EXPECT_EQ(d.decimal, c.decimal);
        EXPECT_EQ(d.encoding, c.encoding);
        EXPECT_EQ(d.headerRows, c.headerRows);
        EXPECT_EQ(d.namesRow, c.namesRow);
        EXPECT_EQ(d.unitsRow, c.unitsRow);
        const ParsedText t = parseDelimitedText(c.bytes, d, false);
        EXPECT_EQ(t.failure, "");
        EXPECT_EQ(t.columnCount, c.columns);
        EXPECT_EQ(t.rows, 5);
    }
}

TEST(DelimitedText, AShortRowDoesNotTurnWholeNumbersIntoDecimals) {
    // Read with ";" and a decimal comma every line is one number ("1,2" = 1.2);
    // read with "," four lines are two numbers: more numbers win.
    const TextDialect d = detectDialect("Kraft,Weg\nkN,mm\n1,2\n3,4\n5\n6,7\n8,9\n");
    EXPECT_EQ(d.delimiter, Delimiter::Comma);
    EXPECT_EQ(d.decimal, DecimalMark::Point);
}

TEST(DelimitedText, SplitsQuotedFields) {
    struct Case {
        const char* line;
        Delimiter d;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"a,b", Delimiter::Comma, {"a", "b"}},
        {"\"a,1\",b", Delimiter::Comma, {"a,1", "b"}},
        {"\"say \"\"hi\"\"\",x", Delimiter::Comma, {"say \"hi\"", "x"}},
        {",a", Delimiter::Comma, {"", "a"}},
        {"a,,", Delimiter::Comma, {"a"}},
        {"a;b;", Delimiter::Semicolon, {"a", "b"}},
        {"  a   \"b c\"  d ", Delimiter::Blanks, {"a", "b c", "d"}},
        {"a\tb\r", Delimiter::Tab, {"a", "b"}},
        {"\"unterminated,x", Delimiter::Comma, {"unterminated,x"}},
        {"", Delimiter::Comma, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(splitDelimited(c.line, c.d), c.fields);
    }
}

TEST(DelimitedText, NumbersAreWholeFields) {
    struct Case {
        const char* field;
        DecimalMark m;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"1.5", DecimalMark::Point, 1.5},  {" -2.25 ", DecimalMark::Point, -2.25}, {"+3", DecimalMark::Point, 3.0},
        {"1e-3", DecimalMark::Point, 1e-3}, {"1,5", DecimalMark::Comma, 1.5},     {"1,5", DecimalMark::Point, std::nullopt},
        {"1.5", DecimalMark::Comma, std::nullopt}, {"inf", DecimalMark::Point, std::nullopt},
        {"nan", DecimalMark::Point, std::nullopt}, {"0x10", DecimalMark::Point, std::nullopt},
        {"1e999", DecimalMark::Point, std::nullopt}, {"12abc", DecimalMark::Point, std::nullopt},
        {"", DecimalMark::Point, std::nullopt},     {"+-1", DecimalMark::Point, std::nullopt},
        {"1.2.3", DecimalMark::Point, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(parseDecimal(c.field, c.m), c.value);
    }
}

TEST(DelimitedText, BadRowsStopWithTheirLineOrAreSkipped) {
    std::string bytes = "F,d\nkN,mm\n";
    for (int i = 1; i <= 6000; ++i) bytes += i == 5000 ? "1.0,x2\n" : std::to_string(i) + ",0.5\n";
    bytes += "\n\n7,8,9\n";  // blank lines do not count, a row of three numbers does
    const TextDialect d = detectDialect(bytes);
    ASSERT_EQ(d.headerRows, 2);
    const ParsedText stopped = parseDelimitedText(bytes, d, false);
    EXPECT_EQ(stopped.failureLine, 5002);
    EXPECT_EQ(stopped.failure, "第 5002 行: 2 列目「x2」は数値ではありません");

    const ParsedText skipped = parseDelimitedText(bytes, d, true);
    EXPECT_EQ(skipped.failure, "");
    EXPECT_EQ(skipped.rows, 5999);
    EXPECT_EQ(skipped.skippedRows, 2);
    EXPECT_EQ(skipped.skippedLines, (std::vector<int>{5002, 6005}));
    EXPECT_EQ(skipped.rowsInFile, 6001);
    EXPECT_EQ(skipped.lineNumbers.back(), 6002);

    // The bad field of a quoted line is named after the line's split is gone.
    const ParsedText quoted = parseDelimitedText("1,2\n\"3\",\"four, five\"\n", TextDialect{}, false);
    EXPECT_EQ(quoted.failure, "第 2 行: 2 列目「four, five」は数値ではありません");

    const ParsedText wide = parseDelimitedText("1,2\n3,4,5\n", TextDialect{}, false);
    EXPECT_EQ(wide.failure, "第 2 行: 数値が 3 個あります（2 個のはずです）");
    // Rows of separators alone are a spreadsheet's empty rows: skipped as blank
    // lines, also before the first row, which alone sets the column count.
    for (const bool skip : {false, true}) {
        const ParsedText separators = parseDelimitedText(",\n, ,\n1,2\n,,\n3,4\n", TextDialect{}, skip);
        EXPECT_EQ(separators.failure, "");
        EXPECT_EQ(separators.rows, 2);
        EXPECT_EQ(separators.columnCount, 2);
        EXPECT_EQ(separators.values, (std::vector<double>{1, 2, 3, 4}));
        EXPECT_EQ(separators.lineNumbers, (std::vector<int>{3, 5}));
        EXPECT_EQ(separators.rowsInFile, 2);
    }
    const ParsedText empty = parseDelimitedText("a,b\n", TextDialect{.headerRows = 1}, false);
    EXPECT_FALSE(empty.failure.empty());
}

TEST(DelimitedText, PreviewShowsLinesAsReadAndSplit) {
    const std::string bytes = "\x89\xD7\x8F\x64;x\n\n1,5;2\n";
    const TextDialect d = detectDialect(bytes);
    const auto lines = previewLines(bytes, d, 30);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "荷重;x");
    EXPECT_EQ(lines[0].fields, (std::vector<std::string>{"荷重", "x"}));
    EXPECT_EQ(lines[1].lineNumber, 3);
    EXPECT_EQ(lines[1].fields, (std::vector<std::string>{"1,5", "2"}));
}

TEST(DelimitedText, UnitsAreRecognisedBareOrBracketed) {
    for (const char* u : {"kN", "[kN]", "(mm)", " rad ", "%", "[%]", "deg", "lbf", "N", "m", "cm", "in", "kgf", "kg"})
        EXPECT_TRUE(looksLikeUnit(u)) << u;
    for (const char* u : {"Force", "[kN", "kNm", "", "mm/s"}) EXPECT_FALSE(looksLikeUnit(u)) << u;
    EXPECT_EQ(bareUnit(" [ kN ] "), "kN");
}

// Large files are parsed in stretches side by side; wherever the stretches
// are cut, the parse must be the one parse: the same rows, values, line
// numbers, counts, skipped lines and first refusal.
TEST(DelimitedText, StretchesParseAsOneParse) {
    std::string mixed = "Kraft;Weg\r\nkN;mm\r\n";
    for (int i = 0; i < 300; ++i) {
        if (i % 37 == 5) mixed += "\r\n \r\n";                      // blank lines
        if (i % 53 == 7) mixed += ";;\r\n";                          // separators alone
        if (i % 41 == 9) mixed += "1,5;\"zwei, drei\"\r\n";          // a quoted bad field
        if (i % 23 == 3) mixed += "1;2;3\r\n";                       // a row too wide
        mixed += std::to_string(i) + "," + std::to_string(i % 7) + ";-" + std::to_string(i) + "e-3\r\n";
    }
    std::string crOnly = rows("F,d\r", "1.5,2", 200, "\r");
    crOnly += "x,1\r" + rows("", "3,4", 100, "\r");
    const std::string ufeff = "\xEF\xBB\xBF";
    const struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"every kind of row, CR LF", mixed},
        {"CR alone", crOnly},
        // 798 bytes: two stretches are cut right before the mark, which only a
        // file's first byte may carry.
        {"a byte order mark inside the file", rows("", "1,2", 100) + ufeff + "5,6\n" + rows("", "7,8", 97) + "9,0"},
        {"no line feed at the end", rows("", "1,2", 150) + "3,4"},
        {"rows of one number", rows("", "1", 500)},
        {"no rows", rows("a,b\n", "", 200)},
    };
    ASSERT_EQ(cases[2].bytes.size(), 798u);
    for (const auto& c : cases) {
        const TextDialect d = detectDialect(c.bytes);
        for (const bool skip : {false, true}) {
            const ParsedText one = parseDelimitedText(c.bytes, d, skip, {SIZE_MAX, 1});
            for (const int stretches : {2, 3, 7}) {
                SCOPED_TRACE(testing::Message() << c.name << (skip ? ", skipping" : "") << ", " << stretches);
                const ParsedText split = parseDelimitedText(c.bytes, d, skip, {1, stretches});
                EXPECT_EQ(split.header, one.header);
                EXPECT_EQ(split.columnCount, one.columnCount);
                EXPECT_EQ(split.rows, one.rows);
                EXPECT_EQ(split.values, one.values);
                EXPECT_EQ(split.lineNumbers, one.lineNumbers);
                EXPECT_EQ(split.rowsInFile, one.rowsInFile);
                EXPECT_EQ(split.skippedRows, one.skippedRows);
                EXPECT_EQ(split.skippedLines, one.skippedLines);
                EXPECT_EQ(split.failureLine, one.failureLine);
                EXPECT_EQ(split.failure, one.failure);
            }
        }
    }
    // The one parse itself, on the mixed file: the first refusal is the wide
    // row of line 6, and skipping counts all 21 bad rows but keeps the first
    // twenty lines.
    const TextDialect d = detectDialect(mixed);
    EXPECT_EQ(parseDelimitedText(mixed, d, false).failure, "第 6 行: 数値が 3 個あります（2 個のはずです）");
    const ParsedText skipped = parseDelimitedText(mixed, d, true);
    EXPECT_EQ(skipped.rows, 300);
    EXPECT_EQ(skipped.skippedRows, 21);
    EXPECT_EQ(skipped.skippedLines.size(), 20u);
    EXPECT_EQ(parseDelimitedText(crOnly, detectDialect(crOnly), false).failureLine, 202);
}
