// Line-colour files: writing, reading line by line, applying to the styles.
#include "plot/clr_file.h"

#include "text/replacing_file.h"

#include "text/printf.h"
#include "text/translate.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace kvx::plot {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Lines as the reader takes them: at most 99 bytes with the line feed, a CR
// right before the line feed dropped (files edited on Windows), the rest of
// a longer line returned as the next line.
std::vector<std::string_view> clrLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t feed = content.find('\n', pos);
        const std::size_t lineEnd = feed == std::string_view::npos ? content.size() : feed + 1;
        const std::size_t end = std::min(lineEnd, pos + kClrLineBytes);
        std::string_view line = content.substr(pos, end - pos);
        if (line.ends_with('\n')) line.remove_suffix(1);
        if (line.ends_with('\r') && end == lineEnd) line.remove_suffix(1);
        lines.push_back(line);
        pos = end;
    }
    return lines;
}

std::optional<long long> parseInteger(std::string_view field, int base) {
    if (field.empty()) return std::nullopt;
    bool negative = false;
    if (base == 10 && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty() || field.size() > 18) return std::nullopt;  // keeps long long from overflowing
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value, base);
    if (ec != std::errc() || ptr != field.data() + field.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<Rgb> parseColor(std::string_view field) {
    const bool hex = field.size() > 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X');
    const auto value = hex ? parseInteger(field.substr(2), 16) : parseInteger(field, 10);
    // The high byte would name a system colour the drawing cannot use.
    if (!value || *value < 0 || *value > 0x00FFFFFF) return std::nullopt;
    return fromColorRef(static_cast<std::uint32_t>(*value));
}

std::optional<ClrEntry> parseLine(std::string_view line) {
    const std::vector<std::string> fields = splitClrFields(line);
    if (fields.size() < 3) return std::nullopt;
    const auto color = parseColor(fields[0]);
    const auto bold = parseInteger(fields[1], 10);
    const auto mark = parseInteger(fields[2], 10);
    if (!color || !bold || !mark) return std::nullopt;
    return ClrEntry{*color, *bold != 0, *mark != 0};
}

std::size_t at(int channelIndex) { return static_cast<std::size_t>(channelIndex); }

}  // namespace

std::string formatClr(const LineStyles& styles) {
    std::string out;
    for (int i = 0; i < kClrLines; ++i)
        out += text::format("0x%08x,%d,%d\n", toColorRef(styles.ChannelColors[at(i)]), styles.ChannelBold[at(i)],
                            styles.ChannelMarks[at(i)]);
    return out;
}

std::vector<std::string> splitClrFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        if (pos == line.size()) return fields;
        if (line[pos] == ',') {
            fields.emplace_back();
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < line.size() && !isBlank(line[pos]) && line[pos] != ',') ++pos;
        fields.emplace_back(line.substr(start, pos - start));
        if (pos < line.size() && line[pos] == ',') ++pos;
    }
}

ClrReadResult parseClr(std::string_view content) {
    ClrReadResult result;
    const std::vector<std::string_view> lines = clrLines(content);
    for (int i = 0; i < kClrLines; ++i) {
        if (at(i) >= lines.size()) {
            result.status = ClrStatus::TooFewLines;
            return result;
        }
        const auto entry = parseLine(lines[at(i)]);
        if (!entry) {
            result.status = ClrStatus::Malformed;
            result.lineNumber = i + 1;
            return result;
        }
        result.entries.push_back(*entry);
    }
    return result;
}

ClrReadResult readClrFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {{}, ClrStatus::CannotOpen, 0};
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return {{}, ClrStatus::CannotOpen, 0};
    return parseClr(content);
}

int applyClr(LineStyles& styles, const ClrReadResult& read) {
    int channel = 0;
    for (const ClrEntry& e : read.entries) {
        if (channel == kClrLines) break;
        styles.ChannelColors[at(channel)] = e.color;
        styles.ChannelBold[at(channel)] = e.bold ? 1 : 0;
        styles.ChannelMarks[at(channel)] = e.mark ? 1 : 0;
        ++channel;
    }
    return channel;
}

std::string clrReadMessage(const ClrReadResult& read, const std::string& path) {
    const int good = static_cast<int>(read.entries.size());
    switch (read.status) {
    case ClrStatus::Ok: return {};
    case ClrStatus::CannotOpen: return text::translate("kvx::plot", "色設定ファイルを開けませんでした\n") + path;
    case ClrStatus::Malformed:
        return text::format(text::translate("kvx::plot", "色設定ファイルの第 %d 行が正しくありません（0x00bbggrr,太線,記号）\n"
                            "%d CH 以降は変更していません").c_str(),
                            read.lineNumber, read.lineNumber);
    case ClrStatus::TooFewLines:
        return text::format(text::translate("kvx::plot", "色設定ファイルの行数が足りません（%d 行）\n%d CH 以降は変更していません").c_str(), good,
                            good + 1);
    }
    return {};
}

bool writeClrFile(const std::string& path, const LineStyles& styles) {
    return text::replaceFile(path, formatClr(styles));
}

std::string withClrExtension(const std::string& path) {
    return std::filesystem::path(path).has_extension() ? path : path + ".clr";
}

}  // namespace kvx::plot
