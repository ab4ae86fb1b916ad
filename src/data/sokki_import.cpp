// Logger file conversion: only text is rearranged; the standard reader parses the numbers.
#include "data/sokki_import.h"

#include "data/open_data_file.h"
#include "text/fields.h"
#include "text/line_reader.h"
#include "text/printf.h"
#include "text/replacing_file.h"

#include <cstdio>
#include <vector>

namespace kvx::data {
namespace {

// The converted file replaces the previous _tmp.csv only when complete.
class TempWriter {
public:
    explicit TempWriter(const std::string& path) : m_file(path) {}
    bool ok() const { return m_file.ok(); }
    void write(const std::string& s) { m_file.write(s); }
    bool close() { return m_file.commit(); }

private:
    text::ReplacingFile m_file;
};

void tellCannotOpen(ui::Interaction& ia, const std::string& path) {
    ia.message("データファイルを開くことができません\n" + path, "ファイルエラー", ui::Icon::Warning);
}

void tellCannotWrite(ui::Interaction& ia, const std::string& path) {
    ia.message("一時ファイルを作成できません（書き込みできないフォルダです）\n" + path, "ファイル出力エラー",
               ui::Icon::Warning);
}

// Writes the rest of `line` after its k-th comma, with the line's line feed.
void writeRest(TempWriter& out, const std::string& line, int k) {
    if (const auto rest = restAfterComma(line, k)) out.write(*rest + "\n");
}

std::optional<std::string> finish(TempWriter& out, const std::string& tmp, ui::Interaction& ia) {
    if (!out.close()) {
        tellCannotWrite(ia, tmp);
        return std::nullopt;
    }
    return tmp;
}

bool tooFewChannels(int m, int lineNumber, ui::Interaction& ia, const char* format) {
    if (m >= 1) return false;
    ia.message(text::format(format, lineNumber), "データエラー", ui::Icon::Warning);
    return true;
}

}  // namespace

std::string sokkiChannelLine(int channels) {
    std::string line = "  1 CH";
    for (int c = 2; c <= channels; ++c) line += text::format(",%3d CH", c);
    return line + "\n";
}

std::optional<std::string> restAfterComma(const std::string& line, int k) {
    std::size_t at = 0;
    for (int i = 0; i < k; ++i) {
        const std::size_t comma = line.find(',', at);
        if (comma == std::string::npos) return std::nullopt;
        at = comma + 1;
    }
    return line.substr(at);
}

namespace {

// Where the two logger layouts keep their channel names and units, and how
// many leading fields (record number, date) each line carries.
struct LoggerLayout {
    int headerLines;  // lines before the data
    int namesLine;    // from 1; its field count minus 2 is the channel count
    int unitsLine;    // from 1; 0 when the layout has no units
    int leading;      // fields before the first channel on every line
    const char* noChannels;
};

constexpr LoggerLayout kTextLayout{3, 2, 3, 2, "東京測器txt形式の第 %d 行にチャンネル名がありません"};
constexpr LoggerLayout kCsvLayout{1, 1, 0, 1, "東京測器csv形式の第 %d 行にチャンネル名がありません"};

std::optional<std::string> convertLogger(const std::string& path, const LoggerLayout& layout, ui::Interaction& ia) {
    text::LineReader in(path);
    if (!in.isOpen()) {
        tellCannotOpen(ia, path);
        return std::nullopt;
    }
    std::vector<std::string> header;
    for (int i = 0; i < layout.headerLines; ++i) {
        auto line = in.next();
        if (!line) {
            ia.message(text::format("データエラー 第 %d 行", in.lineNumber() + 1), "データエラー", ui::Icon::Warning);
            return std::nullopt;
        }
        header.push_back(std::move(*line));
    }
    const std::string& names = header[static_cast<std::size_t>(layout.namesLine - 1)];
    const int m = static_cast<int>(text::countFields(names)) - 2;
    if (tooFewChannels(m, layout.namesLine, ia, layout.noChannels)) return std::nullopt;
    const std::string tmp = directoryOf(path) + "_tmp.csv";
    TempWriter out(tmp);
    if (!out.ok()) {
        tellCannotWrite(ia, tmp);
        return std::nullopt;
    }
    const std::string empty = std::string(static_cast<std::size_t>(m - 1), ',') + "\n";
    out.write(sokkiChannelLine(m));
    writeRest(out, names, layout.leading);
    out.write(empty);  // no instrument names
    if (layout.unitsLine > 0)
        writeRest(out, header[static_cast<std::size_t>(layout.unitsLine - 1)], layout.leading);
    else
        out.write(empty);  // no units either: the reader will ask about the force unit
    while (const auto line = in.next()) writeRest(out, *line, layout.leading);
    return finish(out, tmp, ia);
}

}  // namespace

std::optional<std::string> importSokkiText(const std::string& path, ui::Interaction& ia) {
    return convertLogger(path, kTextLayout, ia);
}

std::optional<std::string> importSokkiCsv(const std::string& path, ui::Interaction& ia) {
    return convertLogger(path, kCsvLayout, ia);
}

}  // namespace kvx::data
