// Channel correspondence.
#include "data/correspondence.h"

#include "data/standard_csv_writer.h"
#include "text/fields.h"
#include "text/line_reader.h"
#include "text/printf.h"
#include "text/replacing_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

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

bool Correspondence::isIdentity(int n) const {
    for (int k = 1; k <= std::min(n, 16); ++k)
        if (entries[static_cast<std::size_t>(k - 1)] != k) return false;
    return true;
}

bool buildReducedFile(const std::string& dataFileName, const std::string& reducedPath, const Correspondence& c,
                      ui::Interaction& ia) {
    text::LineReader in(dataFileName);
    if (!in.isOpen()) {
        ia.message("データファイルを開くことができません\n" + dataFileName, "ファイルエラー", ui::Icon::Warning);
        return false;
    }
    std::string out;
    while (const auto line = in.next()) {
        const auto fields = text::splitFieldsSkippingBlanks(*line);
        for (int k = 1; k <= c.channelsInUse(); ++k) {
            const int e = c.entries[static_cast<std::size_t>(k - 1)];
            // A short line would silently lose its columns: refuse the file instead.
            if (e < 1 || static_cast<std::size_t>(e) > fields.size()) {
                ia.message(text::format("データエラー 第 %d 行\n%d チャンネル目のデータがありません．", in.lineNumber(), e),
                           "データエラー", ui::Icon::Warning);
                return false;
            }
            if (k > 1) out += ',';
            out += fields[static_cast<std::size_t>(e - 1)];
        }
        out += '\n';
    }
    if (!text::replaceFile(reducedPath, out)) {
        ia.message("一時ファイルを作成できません（書き込みできないフォルダです）\n" + reducedPath, "ファイル出力エラー",
                   ui::Icon::Warning);
        return false;
    }
    return true;
}

bool saveReducedFile(const std::string& reducedPath, std::string target, const std::string& dataFileName,
                     ui::Interaction& ia) {
    std::error_code ec;
    if (target == dataFileName || std::filesystem::equivalent(target, dataFileName, ec)) {
        ia.message("保存しようとするファイル名はオリジナルのデータファイル名と同一です．\nこの名前では保存することはできません",
                   "ファイル名エラー", ui::Icon::Warning);
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
        ia.message("ファイルを保存できませんでした\n" + target, "ファイル出力エラー", ui::Icon::Warning);
        return false;
    }
    return true;
}

}  // namespace kvx::data
