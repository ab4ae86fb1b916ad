// Logger file conversion: only text is rearranged; the standard reader parses the numbers.
#include "data/sokki_import.h"

#include "data/open_data_file.h"
#include "text/fields.h"
#include "text/line_reader.h"
#include "text/printf.h"
#include "text/replacing_file.h"
#include "text/translate.h"

#include <array>

namespace kvx::data {
namespace {

void tellCannotOpen(ui::Interaction& ia, const std::string& path) {
    ia.message(text::translate("kvx::data", "データファイルを開くことができません\n") + path, text::translate("kvx::data", "ファイルエラー"), ui::Icon::Warning);
}

void tellCannotWrite(ui::Interaction& ia, const std::string& path) {
    ia.message(text::translate("kvx::data", "一時ファイルを作成できません（書き込みできないフォルダです）\n") + path, text::translate("kvx::data", "ファイル出力エラー"),
               ui::Icon::Warning);
}

std::optional<std::string_view> viewAfterComma(std::string_view line, int k) {
    std::size_t at = 0;
    for (int i = 0; i < k; ++i) {
        const std::size_t comma = line.find(',', at);
        if (comma == std::string_view::npos) return std::nullopt;
        at = comma + 1;
    }
    return line.substr(at);
}

// Appends the rest of `line` after its k-th comma, with a line feed.
void appendRest(std::string& out, std::string_view line, int k) {
    if (const auto rest = viewAfterComma(line, k)) {
        out += *rest;
        out += '\n';
    }
}

bool tooFewChannels(int m, int lineNumber, ui::Interaction& ia, const std::string& format) {
    if (m >= 1) return false;
    ia.message(text::format(format.c_str(), lineNumber), text::translate("kvx::data", "データエラー"), ui::Icon::Warning);
    return true;
}

}  // namespace

std::string sokkiChannelLine(int channels) {
    std::string line = "  1 CH";
    for (int c = 2; c <= channels; ++c) line += text::format(",%3d CH", c);
    return line + "\n";
}

std::optional<std::string> restAfterComma(std::string_view line, int k) {
    const auto rest = viewAfterComma(line, k);
    if (!rest) return std::nullopt;
    return std::string(*rest);
}

namespace {

// Where the two logger layouts keep their channel names and units, and how
// many leading fields (record number, date) each line carries.
struct LoggerLayout {
    int headerLines;  // lines before the data
    int namesLine;    // from 1; its field count minus 2 is the channel count
    int unitsLine;    // from 1; 0 when the layout has no units
    int leading;      // fields before the first channel on every line
    std::string (*noChannels)();  // a printf format of the line number, translated when used
};

constexpr LoggerLayout kTextLayout{
    3, 2, 3, 2, [] { return text::translate("kvx::data", "東京測器txt形式の第 %d 行にチャンネル名がありません"); }};
constexpr LoggerLayout kCsvLayout{
    1, 1, 0, 1, [] { return text::translate("kvx::data", "東京測器csv形式の第 %d 行にチャンネル名がありません"); }};

std::optional<std::string> convertLogger(std::string_view bytes, const LoggerLayout& layout, ui::Interaction& ia) {
    text::LineSplitter in(bytes);
    std::array<std::string_view, 3> header;
    for (int i = 0; i < layout.headerLines; ++i) {
        const auto line = in.next();
        if (!line) {
            ia.message(text::format(text::translate("kvx::data", "データエラー 第 %d 行").c_str(), in.lineNumber() + 1), text::translate("kvx::data", "データエラー"), ui::Icon::Warning);
            return std::nullopt;
        }
        header[static_cast<std::size_t>(i)] = *line;
    }
    const std::string_view names = header[static_cast<std::size_t>(layout.namesLine - 1)];
    const int m = static_cast<int>(text::countFields(names)) - 2;
    if (tooFewChannels(m, layout.namesLine, ia, layout.noChannels())) return std::nullopt;
    const std::string empty = std::string(static_cast<std::size_t>(m - 1), ',') + "\n";
    std::string out = sokkiChannelLine(m);
    // Rows only lose their leading fields: the text is about the input's size.
    out.reserve(out.size() + 2 * empty.size() + bytes.size() + 1);
    appendRest(out, names, layout.leading);
    out += empty;  // no instrument names
    if (layout.unitsLine > 0)
        appendRest(out, header[static_cast<std::size_t>(layout.unitsLine - 1)], layout.leading);
    else
        out += empty;  // no units either: the reader will ask about the force unit
    while (const auto line = in.next()) appendRest(out, *line, layout.leading);
    return out;
}

// The file entries: the converted text replaces the previous _tmp.csv only when complete.
std::optional<std::string> convertLoggerFile(const std::string& path, const LoggerLayout& layout,
                                             ui::Interaction& ia) {
    const auto bytes = text::readFileBytes(path);
    if (!bytes) {
        tellCannotOpen(ia, path);
        return std::nullopt;
    }
    const auto converted = convertLogger(*bytes, layout, ia);
    if (!converted) return std::nullopt;
    const std::string tmp = directoryOf(path) + "_tmp.csv";
    if (!text::replaceFile(tmp, *converted)) {
        tellCannotWrite(ia, tmp);
        return std::nullopt;
    }
    return tmp;
}

}  // namespace

std::optional<std::string> convertSokkiText(std::string_view bytes, ui::Interaction& ia) {
    return convertLogger(bytes, kTextLayout, ia);
}

std::optional<std::string> convertSokkiCsv(std::string_view bytes, ui::Interaction& ia) {
    return convertLogger(bytes, kCsvLayout, ia);
}

std::optional<std::string> importSokkiText(const std::string& path, ui::Interaction& ia) {
    return convertLoggerFile(path, kTextLayout, ia);
}

std::optional<std::string> importSokkiCsv(const std::string& path, ui::Interaction& ia) {
    return convertLoggerFile(path, kCsvLayout, ia);
}

}  // namespace kvx::data
