// Dialect detection and parsing of delimited text.
#include "data/delimited_text.h"

#include "text/cp932.h"
#include "text/number.h"
#include "text/printf.h"
#include "text/stretches.h"
#include "text/translate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>

namespace kvx::data {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr int kSampleLines = 200;
constexpr std::size_t kSkippedLinesKept = 20;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool isBlankLine(std::string_view line) { return trimmed(line).empty(); }

/// Walks the lines of `bytes` (LF, CRLF or CR), the byte order mark at the
/// start of a file removed.
class Lines {
public:
    explicit Lines(std::string_view bytes, bool fileStart = true) : m_rest(bytes) {
        if (fileStart && m_rest.starts_with(kUtf8Bom)) m_rest.remove_prefix(kUtf8Bom.size());
    }
    /// The next line without its break; false at the end.
    bool next(std::string_view& line) {
        if (m_rest.empty()) return false;
        ++m_number;
        const std::size_t end = lineBreak(m_rest);
        if (end == std::string_view::npos) {
            line = m_rest;
            m_rest = {};
            return true;
        }
        line = m_rest.substr(0, end);
        const std::size_t breakLength = m_rest[end] == '\r' && end + 1 < m_rest.size() && m_rest[end + 1] == '\n' ? 2 : 1;
        m_rest.remove_prefix(end + breakLength);
        return true;
    }
    /// The next line that holds something.
    bool nextNonBlank(std::string_view& line) {
        while (next(line))
            if (!isBlankLine(line)) return true;
        return false;
    }
    int lineNumber() const { return m_number; }
    /// The bytes not yet cut into lines.
    std::string_view rest() const { return m_rest; }

private:
    // The first CR or LF of `s` (the rest): the next line feed found with
    // memchr and kept until passed (a file of CR alone has none, and must not
    // be searched to its end for every line), then a carriage return looked
    // for only before it. A byte loop over both was a sixth of the parse.
    std::size_t lineBreak(std::string_view s) {
        const char* const end = s.data() + s.size();
        if (!m_feed || m_feed < s.data()) {
            const auto* feed = static_cast<const char*>(std::memchr(s.data(), '\n', s.size()));
            m_feed = feed ? feed : end;
        }
        const auto* ret = static_cast<const char*>(std::memchr(s.data(), '\r', static_cast<std::size_t>(m_feed - s.data())));
        if (ret) return static_cast<std::size_t>(ret - s.data());
        return m_feed != end ? static_cast<std::size_t>(m_feed - s.data()) : std::string_view::npos;
    }

    std::string_view m_rest;
    const char* m_feed = nullptr;  // the next line feed at or after the rest's start, or the end
    int m_number = 0;
};

char delimiterChar(Delimiter d) {
    switch (d) {
    case Delimiter::Comma: return ',';
    case Delimiter::Semicolon: return ';';
    case Delimiter::Tab: return '\t';
    case Delimiter::Blanks: return ' ';
    }
    return ',';
}

/// Calls `field` for each field of a line, trailing empty fields dropped;
/// returns the count. Unquoted lines are cut in place (the common case and
/// the fast one); lines with quotes go through splitDelimited.
template <typename Field>
int forEachField(std::string_view line, Delimiter d, Field&& field) {
    if (line.find('"') != std::string_view::npos) {
        const auto fields = splitDelimited(line, d);
        for (const auto& f : fields) field(std::string_view(f));
        return static_cast<int>(fields.size());
    }
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (d == Delimiter::Blanks) {
        int n = 0;
        std::size_t i = 0;
        while (true) {
            while (i < line.size() && isBlank(line[i])) ++i;
            if (i >= line.size()) break;
            const std::size_t start = i;
            while (i < line.size() && !isBlank(line[i])) ++i;
            field(line.substr(start, i - start));
            ++n;
        }
        return n;
    }
    const char c = delimiterChar(d);
    // Drop trailing fields that hold nothing but blanks.
    while (true) {
        const std::size_t last = line.rfind(c);
        if (last == std::string_view::npos || !trimmed(line.substr(last + 1)).empty()) break;
        line = line.substr(0, last);
    }
    if (trimmed(line).empty()) return 0;
    int n = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = line.find(c, start);
        if (at == std::string_view::npos) {
            field(line.substr(start));
            return n + 1;
        }
        field(line.substr(start, at - start));
        ++n;
        start = at + 1;
    }
}

bool validUtf8(std::string_view s) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(s[at]); };
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = byte(i);
        std::size_t more = 0;
        unsigned char low = 0x80, high = 0xBF;  // range of the second byte
        if (c < 0x80) more = 0;
        else if (c >= 0xC2 && c <= 0xDF) more = 1;
        else if (c == 0xE0) more = 2, low = 0xA0;
        else if (c == 0xED) more = 2, high = 0x9F;  // no surrogates
        else if (c >= 0xE1 && c <= 0xEF) more = 2;
        else if (c == 0xF0) more = 3, low = 0x90;
        else if (c == 0xF4) more = 3, high = 0x8F;
        else if (c >= 0xF1 && c <= 0xF3) more = 3;
        else return false;
        if (i + more >= s.size() + (more == 0 ? 1 : 0)) return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const unsigned char b = byte(i + k);
            if (k == 1 ? (b < low || b > high) : (b & 0xC0) != 0x80) return false;
        }
        i += more + 1;
    }
    return true;
}

FileEncoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) return FileEncoding::Utf8;
    if (text::isAscii(bytes)) return FileEncoding::Utf8;
    return validUtf8(bytes) ? FileEncoding::Utf8 : FileEncoding::Cp932;
}

std::string toUtf8(std::string_view s, FileEncoding e) {
    if (e == FileEncoding::Cp932) return text::cp932ToUtf8Lossy(s);
    // A stray invalid byte in a UTF-8 file must not reach the widgets or JSON.
    return validUtf8(s) ? std::string(s) : text::cp932ToUtf8Lossy(text::utf8ToCp932Lossy(s));
}

bool allNumbers(std::string_view line, Delimiter d, DecimalMark m, int* count = nullptr) {
    bool numeric = true;
    const int n = forEachField(line, d, [&](std::string_view f) {
        if (numeric && !parseDecimal(f, m)) numeric = false;
    });
    if (count) *count = n;
    return numeric && n > 0;
}

}  // namespace

const char* delimiterName(Delimiter d) {
    switch (d) {
    case Delimiter::Comma: return "comma";
    case Delimiter::Semicolon: return "semicolon";
    case Delimiter::Tab: return "tab";
    case Delimiter::Blanks: return "space";
    }
    return "comma";
}

const char* decimalName(DecimalMark m) { return m == DecimalMark::Comma ? "comma" : "point"; }
const char* encodingName(FileEncoding e) { return e == FileEncoding::Cp932 ? "cp932" : "utf8"; }

std::vector<std::string> splitDelimited(std::string_view line, Delimiter d) {
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const char c = delimiterChar(d);
    const std::size_t n = line.size();
    const auto separator = [&](std::size_t at) { return d == Delimiter::Blanks ? isBlank(line[at]) : line[at] == c; };
    std::vector<std::string> fields;
    std::size_t i = 0;
    if (d == Delimiter::Blanks)
        while (i < n && isBlank(line[i])) ++i;
    if (i == n) return fields;
    while (true) {
        std::string field;
        std::size_t j = i;
        while (j < n && line[j] == ' ' && !separator(j)) ++j;
        if (j < n && line[j] == '"') {
            // "..." with "" for a quote; what follows the closing quote up to
            // the separator belongs to the field too.
            for (++j; j < n; ++j) {
                if (line[j] != '"') {
                    field += line[j];
                } else if (j + 1 < n && line[j + 1] == '"') {
                    field += '"';
                    ++j;
                } else {
                    ++j;
                    break;
                }
            }
        } else {
            j = i;
        }
        while (j < n && !separator(j)) field += line[j++];
        fields.push_back(std::move(field));
        if (j >= n) break;
        if (d == Delimiter::Blanks) {
            while (j < n && isBlank(line[j])) ++j;
            if (j >= n) break;
        } else if (++j == n) {
            fields.emplace_back();
            break;
        }
        i = j;
    }
    while (!fields.empty() && trimmed(fields.back()).empty()) fields.pop_back();
    return fields;
}

std::optional<double> parseDecimal(std::string_view field, DecimalMark decimal) {
    std::string_view s = trimmed(field);
    if (s.empty()) return std::nullopt;
    if (s.front() == '+') {
        s.remove_prefix(1);
        if (s.empty() || s.front() == '-' || s.front() == '+') return std::nullopt;
    }
    const char point = decimal == DecimalMark::Comma ? ',' : '.';
    if (const auto exact = text::exactWholeDecimal(s, point)) return exact;  // the usual field, in a few steps
    // Digits, sign, point or exponent only: no "inf", "nan" or hexadecimal.
    for (char ch : s)
        if (!((ch >= '0' && ch <= '9') || ch == '-' || ch == '+' || ch == 'e' || ch == 'E' ||
              ch == point))
            return std::nullopt;
    std::array<char, 64> buffer{};
    if (s.size() >= buffer.size()) {
        // Very long digit strings still are numbers; strtod-like prefix parsing is not used here.
        std::string copy(s);
        if (decimal == DecimalMark::Comma) std::replace(copy.begin(), copy.end(), ',', '.');
        double v = 0;
        const auto r = std::from_chars(copy.data(), copy.data() + copy.size(), v);
        if (r.ec != std::errc() || r.ptr != copy.data() + copy.size() || !std::isfinite(v)) return std::nullopt;
        return v;
    }
    std::copy(s.begin(), s.end(), buffer.begin());
    if (decimal == DecimalMark::Comma) std::replace(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(s.size()), ',', '.');
    double v = 0;
    const auto r = std::from_chars(buffer.data(), buffer.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != buffer.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string bareUnit(std::string_view field) {
    std::string_view s = trimmed(field);
    if (s.size() >= 2 && ((s.front() == '[' && s.back() == ']') || (s.front() == '(' && s.back() == ')'))) {
        s = trimmed(s.substr(1, s.size() - 2));
    }
    return std::string(s);
}

bool looksLikeUnit(std::string_view field) {
    static const std::array<std::string_view, 14> known{"kN", "KN", "N",  "kgf", "kg", "Kg", "lbf",
                                                        "mm", "m",  "cm", "in",  "rad", "%",  "deg"};
    const std::string u = bareUnit(field);
    return std::find(known.begin(), known.end(), u) != known.end();
}

TextDialect detectDialect(std::string_view bytes) {
    TextDialect d;
    d.encoding = detectEncoding(bytes);

    std::vector<std::string_view> sample;
    Lines lines(bytes);
    std::string_view line;
    while (static_cast<int>(sample.size()) < kSampleLines && lines.nextNonBlank(line)) sample.push_back(line);

    struct Candidate {
        Delimiter delimiter;
        DecimalMark decimal;
    };
    // In order of preference when two read the sample equally well (a file
    // of one column reads the same under every delimiter).
    static const Candidate candidates[] = {
        {Delimiter::Comma, DecimalMark::Point},     {Delimiter::Semicolon, DecimalMark::Point},
        {Delimiter::Semicolon, DecimalMark::Comma}, {Delimiter::Tab, DecimalMark::Point},
        {Delimiter::Tab, DecimalMark::Comma},       {Delimiter::Blanks, DecimalMark::Point},
        {Delimiter::Blanks, DecimalMark::Comma},
    };
    int bestLines = 0, bestColumns = 0;
    for (const Candidate& c : candidates) {
        std::map<int, int> counts;  // numbers per line -> lines
        for (std::string_view l : sample) {
            int n = 0;
            if (allNumbers(l, c.delimiter, c.decimal, &n)) ++counts[n];
        }
        int modal = 0, modalLines = 0;
        for (const auto& [n, linesWithN] : counts)
            if (linesWithN > modalLines || (linesWithN == modalLines && n > modal)) modal = n, modalLines = linesWithN;
        // The reading that finds the most numbers in rows of one width wins: a
        // lone short row must not turn "1,2" into the single number 1.2. On a
        // tie, more columns, then the order above.
        const int numbers = modalLines * modal, best = bestLines * bestColumns;
        if (numbers > best || (numbers == best && numbers > 0 && modal > bestColumns)) {
            bestLines = modalLines;
            bestColumns = modal;
            d.delimiter = c.delimiter;
            d.decimal = c.decimal;
        }
    }

    for (std::string_view l : sample) {
        if (d.headerRows >= kMaxHeaderRows || allNumbers(l, d.delimiter, d.decimal)) break;
        ++d.headerRows;
    }
    for (int row = d.headerRows; row >= 1; --row) {
        const auto fields = splitDelimited(sample[static_cast<std::size_t>(row - 1)], d.delimiter);
        int nonEmpty = 0, units = 0;
        for (const auto& f : fields) {
            if (trimmed(f).empty()) continue;
            ++nonEmpty;
            units += looksLikeUnit(f);
        }
        if (units > 0 && 2 * units >= nonEmpty) {
            d.unitsRow = row;
            d.namesRow = row - 1;
            break;
        }
    }
    if (d.unitsRow == 0) d.namesRow = d.headerRows;
    return d;
}

std::vector<PreviewLine> previewLines(std::string_view bytes, const TextDialect& dialect, int count) {
    std::vector<PreviewLine> out;
    Lines lines(bytes);
    std::string_view line;
    while (static_cast<int>(out.size()) < count && lines.nextNonBlank(line)) {
        PreviewLine p;
        p.lineNumber = lines.lineNumber();
        p.text = toUtf8(line, dialect.encoding);
        for (const auto& f : splitDelimited(line, dialect.delimiter)) p.fields.push_back(toUtf8(f, dialect.encoding));
        out.push_back(std::move(p));
    }
    return out;
}

namespace {

// The rows of one stretch of data lines, parsed on their own; judged in file
// order afterwards, as the column count is set by the file's first good row.
struct ParsedStretch {
    struct Row {
        std::size_t first = 0;  // its numbers in `values` (none for a row with a bad field)
        int fields = 0;         // fields in the line
        int line = 0;           // line in the stretch, from 1
        int bad = -1;           // its entry in `bad`, -1 when every field is a number
    };
    struct BadField {
        int column = 0;  // from 1
        std::string text;
    };
    std::vector<double> values;
    std::vector<Row> rows;  // the stretch's non-blank lines
    std::vector<BadField> bad;
    int lines = 0;
};

ParsedStretch parseStretch(std::string_view bytes, const TextDialect& dialect) {
    ParsedStretch p;
    // Most numbers take eight bytes or more with their separator: room enough
    // that the values are seldom copied to a larger place.
    p.values.reserve(bytes.size() / 8);
    p.rows.reserve(bytes.size() / 64);
    Lines lines(bytes, false);
    std::string_view line;
    while (lines.nextNonBlank(line)) {
        ParsedStretch::Row row;
        row.first = p.values.size();
        row.line = lines.lineNumber();
        int badColumn = 0;
        std::string badField;  // a copy: a quoted line's fields do not outlive the split
        row.fields = forEachField(line, dialect.delimiter, [&](std::string_view f) {
            if (badColumn) return;
            if (const auto v = parseDecimal(f, dialect.decimal)) {
                p.values.push_back(*v);
            } else {
                badColumn = static_cast<int>(p.values.size() - row.first) + 1;
                badField = std::string(trimmed(f).substr(0, 40));
            }
        });
        if (badColumn) {
            p.values.resize(row.first);
            row.bad = static_cast<int>(p.bad.size());
            p.bad.push_back({badColumn, std::move(badField)});
        }
        p.rows.push_back(row);
    }
    p.lines = lines.lineNumber();
    return p;
}

}  // namespace

ParsedText parseDelimitedText(std::string_view bytes, const TextDialect& dialect, bool skipBadRows,
                              const text::StretchReading& reading) {
    ParsedText t;
    Lines lines(bytes);
    std::string_view line;
    const int headerRows = std::clamp(dialect.headerRows, 0, kMaxHeaderRows);
    while (static_cast<int>(t.header.size()) < headerRows && lines.nextNonBlank(line)) {
        std::vector<std::string> fields;
        for (const auto& f : splitDelimited(line, dialect.delimiter)) fields.push_back(toUtf8(f, dialect.encoding));
        t.header.push_back(std::move(fields));
    }

    // Parsed in stretches side by side on a large file, judged here in file order.
    std::vector<ParsedStretch> stretches = text::readInStretches(
        lines.rest(), reading, [&dialect](std::string_view part) { return parseStretch(part, dialect); });
    // While every row with numbers is kept, the values read are the stretches'
    // values end to end: taken over in one go (the first stretch's without a
    // copy) when the judging ends or first leaves such a row out.
    bool joined = false;
    const auto join = [&](std::size_t upToStretch, std::size_t upToValue) {
        joined = true;
        for (std::size_t k = 0; k <= upToStretch && k < stretches.size(); ++k) {
            std::vector<double>& v = stretches[k].values;
            const std::size_t end = k == upToStretch ? std::min(upToValue, v.size()) : v.size();
            // Moved only when no row of it is still to be judged.
            if (k == 0 && (k < upToStretch || upToValue == SIZE_MAX)) {
                v.resize(end);
                t.values = std::move(v);
            } else {
                t.values.insert(t.values.end(), v.begin(), v.begin() + static_cast<std::ptrdiff_t>(end));
            }
        }
    };
    int lineOffset = lines.lineNumber();  // lines before the stretch in hand
    for (std::size_t k = 0; k < stretches.size(); ++k) {
        const ParsedStretch& p = stretches[k];
        for (const ParsedStretch::Row& row : p.rows) {
            const int n = row.fields;
            // A spreadsheet writes an empty row as separators alone (",,,"): no
            // fields, so a blank line. Counted as a row it would have fixed the
            // column count at 0 and let the next row set it again.
            if (n == 0) continue;
            const int lineNumber = lineOffset + row.line;
            ++t.rowsInFile;
            if (t.columnCount == 0 && row.bad < 0) t.columnCount = n;
            std::string why;
            if (row.bad >= 0) {
                const ParsedStretch::BadField& bad = p.bad[static_cast<std::size_t>(row.bad)];
                const std::string shown = toUtf8(bad.text, dialect.encoding);
                why = text::format(text::translate("kvx::data", "%d 列目「%s」は数値ではありません").c_str(), bad.column, shown.c_str());
            } else if (n != t.columnCount) {
                why = text::format(text::translate("kvx::data", "数値が %d 個あります（%d 個のはずです）").c_str(), n, t.columnCount);
            }
            if (!why.empty()) {
                if (!joined) join(k, row.first);
                if (!skipBadRows) {
                    t.failureLine = lineNumber;
                    t.failure = text::format(text::translate("kvx::data", "第 %d 行: ").c_str(), t.failureLine) + why;
                    return t;
                }
                ++t.skippedRows;
                if (t.skippedLines.size() < kSkippedLinesKept) t.skippedLines.push_back(lineNumber);
                continue;
            }
            if (joined) {
                const auto first = p.values.begin() + static_cast<std::ptrdiff_t>(row.first);
                t.values.insert(t.values.end(), first, first + n);
            }
            t.lineNumbers.push_back(lineNumber);
            ++t.rows;
        }
        lineOffset += p.lines;
    }
    if (!joined) join(stretches.size() - 1, SIZE_MAX);
    if (t.rows == 0) {
        t.failureLine = std::max(lineOffset, 1);
        t.failure = text::format(text::translate("kvx::data", "第 %d 行: 数値の行がありません").c_str(), t.failureLine);
    }
    return t;
}

}  // namespace kvx::data
