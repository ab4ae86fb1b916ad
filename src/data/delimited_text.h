// Delimited text files of any lab: the dialect (delimiter, decimal mark,
// encoding, header rows), its detection, and the parse of the whole file into
// header texts and a table of numbers. Works on bytes, so fuzzers and tests
// need no files; nothing here asks or tells the user.
#pragma once

#include "text/stretches.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvx::data {

enum class Delimiter { Comma, Semicolon, Tab, Blanks };
enum class DecimalMark { Point, Comma };
enum class FileEncoding { Utf8, Cp932 };

/// At most this many header rows precede the numbers.
inline constexpr int kMaxHeaderRows = 10;

/// How a delimited file is laid out. Rows are counted from 1 among the
/// file's non-blank lines.
struct TextDialect {
    Delimiter delimiter = Delimiter::Comma;
    DecimalMark decimal = DecimalMark::Point;
    FileEncoding encoding = FileEncoding::Utf8;
    int headerRows = 0;  // 0 ... 10 leading rows that are not numbers
    int namesRow = 0;    // header row holding the column names; 0: none
    int unitsRow = 0;    // header row holding the units; 0: none
    friend bool operator==(const TextDialect&, const TextDialect&) = default;
};

/// The dialect the first lines suggest: the delimiter and decimal mark under
/// which the most lines are all numbers, UTF-8 when the bytes are valid UTF-8
/// (or start with a byte order mark) and not plain ASCII, header rows as the
/// leading rows that are not all numbers, and the last header row whose
/// fields look like units as the units row, the row above it the names.
TextDialect detectDialect(std::string_view bytes);

/// Splits one line (without its line break) by the dialect's delimiter:
/// double-quoted fields may hold delimiters and "" for a quote; trailing
/// empty fields are dropped.
std::vector<std::string> splitDelimited(std::string_view line, Delimiter delimiter);

/// A field as a number under the decimal mark: the whole field (blanks
/// around it allowed) must be a finite decimal number.
std::optional<double> parseDecimal(std::string_view field, DecimalMark decimal);

/// A unit text as it looks in a header, without blanks and without the
/// brackets "[kN]" or "(kN)" around it.
std::string bareUnit(std::string_view field);
/// True for the units a units row is recognised by (kN, N, kgf, kg, lbf,
/// mm, m, cm, in, rad, %, deg), bare or bracketed.
bool looksLikeUnit(std::string_view field);

/// One line of the file for the preview: as read and as split (UTF-8).
struct PreviewLine {
    int lineNumber = 0;  // in the file, from 1
    std::string text;
    std::vector<std::string> fields;
};
/// The first `count` non-blank lines.
std::vector<PreviewLine> previewLines(std::string_view bytes, const TextDialect& dialect, int count = 30);

/// The whole file split by a dialect.
struct ParsedText {
    std::vector<std::vector<std::string>> header;  // the header rows' fields, UTF-8
    int columnCount = 0;                           // numbers per data row
    int rows = 0;                                  // data rows kept
    std::vector<double> values;                    // rows x columnCount, row-major
    std::vector<int> lineNumbers;                  // file line of each kept row, from 1
    int rowsInFile = 0;                            // non-blank lines after the header
    int skippedRows = 0;                           // rows refused and skipped
    std::vector<int> skippedLines;                 // the first few of them
    /// The line that stopped the parse and why (Japanese); 0 when it went through.
    int failureLine = 0;
    std::string failure;

    double value(int row, int column) const {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount) +
                      static_cast<std::size_t>(column)];
    }
};

/// Parses `bytes`. A data row with another count of numbers than the first,
/// or a field that is not a number, stops the parse with its line number,
/// unless `skipBadRows`: then it is counted and left out. The data lines of a
/// large file are parsed in stretches side by side (`reading`), with the same
/// outcome as one parse.
ParsedText parseDelimitedText(std::string_view bytes, const TextDialect& dialect, bool skipBadRows,
                              const text::StretchReading& reading = {});

const char* delimiterName(Delimiter d);      // "comma", "semicolon", "tab", "space"
const char* decimalName(DecimalMark m);      // "point", "comma"
const char* encodingName(FileEncoding e);    // "utf8", "cp932"

}  // namespace kvx::data
