// Channel correspondence.
#include "data/correspondence.h"

#include "data/standard_csv_writer.h"
#include "text/line_reader.h"
#include "text/printf.h"
#include "text/replacing_file.h"
#include "text/translate.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace kvx::data {

Correspondence Correspondence::identity(int fileChannelCount) {
    Correspondence c;
    for (int k = 0; k < 16; ++k) c.entries[static_cast<std::size_t>(k)] = k + 1;
    c.fileChannelCount = fileChannelCount;
    return c;
}

void Correspondence::renumber(int k, int v) {
    if (k < 1 || k > 16) return;
    for (int g = k; g <= 16; ++g)
        entries[static_cast<std::size_t>(g - 1)] = std::clamp(v + (g - k), 1, std::max(fileChannelCount, 1));
}

int Correspondence::channelsInUse() const {
    const int last = std::clamp(listed, 1, 16);
    for (int k = 1; k <= last; ++k)
        if (entries[static_cast<std::size_t>(k - 1)] >= fileChannelCount) return k;
    return last;
}

namespace {

// text::splitFieldsSkippingBlanks as views into `line`, reusing `fields`: a
// wide file's lines are split once each and only the chosen columns copied.
void splitViewsSkippingBlanks(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        while (start < line.size() && (line[start] == ' ' || line[start] == '\t' || line[start] == '\n')) ++start;
        const std::size_t comma = line.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        fields.push_back(line.substr(start, end - start));
        if (comma == std::string_view::npos) return;
        start = comma + 1;
    }
}

}  // namespace

bool Correspondence::isIdentity(int n) const {
    for (int k = 1; k <= std::min(n, 16); ++k)
        if (entries[static_cast<std::size_t>(k - 1)] != k) return false;
    return true;
}

std::optional<std::string> reduceColumns(std::string_view bytes, const Correspondence& c, ui::Interaction& ia) {
    text::LineSplitter in(bytes);
    const int columns = c.channelsInUse();
    std::string out;
    out.reserve(bytes.size());
    std::vector<std::string_view> fields;
    while (const auto line = in.next()) {
        splitViewsSkippingBlanks(*line, fields);
        for (int k = 1; k <= columns; ++k) {
            const int e = c.entries[static_cast<std::size_t>(k - 1)];
            // A short line would silently lose its columns: refuse the file instead.
            if (e < 1 || static_cast<std::size_t>(e) > fields.size()) {
                ia.message(text::format(text::translate("kvx::data", "データエラー 第 %d 行\n%d チャンネル目のデータがありません．").c_str(), in.lineNumber(), e),
                           text::translate("kvx::data", "データエラー"), ui::Icon::Warning);
                return std::nullopt;
            }
            if (k > 1) out += ',';
            out += fields[static_cast<std::size_t>(e - 1)];
        }
        out += '\n';
    }
    return out;
}

bool buildReducedFile(const std::string& dataFileName, const std::string& reducedPath, const Correspondence& c,
                      ui::Interaction& ia) {
    const auto bytes = text::readFileBytes(dataFileName);
    if (!bytes) {
        ia.message(text::translate("kvx::data", "データファイルを開くことができません\n") + dataFileName, text::translate("kvx::data", "ファイルエラー"), ui::Icon::Warning);
        return false;
    }
    const auto reduced = reduceColumns(*bytes, c, ia);
    if (!reduced) return false;
    if (!text::replaceFile(reducedPath, *reduced)) {
        ia.message(text::translate("kvx::data", "一時ファイルを作成できません（書き込みできないフォルダです）\n") + reducedPath, text::translate("kvx::data", "ファイル出力エラー"),
                   ui::Icon::Warning);
        return false;
    }
    return true;
}

bool saveReducedFile(const std::string& reducedPath, std::string target, const std::string& dataFileName,
                     ui::Interaction& ia) {
    std::error_code ec;
    if (target == dataFileName || std::filesystem::equivalent(target, dataFileName, ec)) {
        ia.message(text::translate("kvx::data", "保存しようとするファイル名はオリジナルのデータファイル名と同一です．\nこの名前では保存することはできません"),
                   text::translate("kvx::data", "ファイル名エラー"), ui::Icon::Warning);
        return false;
    }
    target = withCsvExtension(target);
    std::FILE* in = std::fopen(reducedPath.c_str(), "rb");
    std::string content;
    if (in) {
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) content.append(buffer, n);
        std::fclose(in);
    }
    if (!in || !text::replaceFile(target, content)) {
        ia.message(text::translate("kvx::data", "ファイルを保存できませんでした\n") + target, text::translate("kvx::data", "ファイル出力エラー"), ui::Icon::Warning);
        return false;
    }
    return true;
}

}  // namespace kvx::data
