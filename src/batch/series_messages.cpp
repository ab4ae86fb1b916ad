#include "batch/series_messages.h"

#include "text/translate.h"

#include <regex>
#include <string_view>
#include <utility>
#include <vector>

namespace kvx::batch {
namespace {

const std::regex& conversion() {
    static const std::regex r(R"(%[-+ #0]*[0-9]*(?:\.[0-9]+)?(?:zu|ld|d|f|g|s))");
    return r;
}

// The texts of these formats' %s: wall-file fields and index names.
std::string shownName(const std::string& name) {
    const std::pair<const char*, std::string> names[] = {
        {"最大耐力", text::translate("kvx::batch", "最大耐力")},
        {"最大耐力時変形角", text::translate("kvx::batch", "最大耐力時変形角")},
        {"特定変形角時耐力", text::translate("kvx::batch", "特定変形角時耐力")},
        {"2/3最大耐力", text::translate("kvx::batch", "2/3最大耐力")},
        {"降伏耐力", text::translate("kvx::batch", "降伏耐力")},
        {"終局耐力", text::translate("kvx::batch", "終局耐力")},
        {"弾塑性変形角", text::translate("kvx::batch", "弾塑性変形角")},
        {"構造特性耐力", text::translate("kvx::batch", "構造特性耐力")},
        {"降伏耐力 Py", text::translate("kvx::batch", "降伏耐力 Py")},
    };
    for (const auto& [japanese, shown] : names)
        if (name == japanese) return shown;
    return name;
}

// Fills `format` (translated) with the texts the Japanese one was filled with.
std::string refilled(const std::string& format, const std::vector<std::string>& values) {
    std::string out;
    std::size_t next = 0;
    auto at = std::sregex_iterator(format.begin(), format.end(), conversion());
    std::size_t copied = 0;
    for (; at != std::sregex_iterator(); ++at) {
        const auto position = static_cast<std::size_t>(at->position());
        out += format.substr(copied, position - copied);
        out += next < values.size() ? values[next++] : std::string();
        copied = position + static_cast<std::size_t>(at->length());
    }
    return out + format.substr(copied);
}

// `japanese` against the Japanese `format`: the values in order, or nothing.
bool matches(const std::string& format, const std::string& japanese, std::vector<std::string>& values) {
    std::string pattern = "^";
    std::size_t copied = 0;
    for (auto at = std::sregex_iterator(format.begin(), format.end(), conversion()); at != std::sregex_iterator(); ++at) {
        const auto position = static_cast<std::size_t>(at->position());
        for (char c : format.substr(copied, position - copied)) {
            if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
            pattern += c;
        }
        pattern += "(.*?)";
        copied = position + static_cast<std::size_t>(at->length());
    }
    for (char c : format.substr(copied)) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
        pattern += c;
    }
    pattern += "$";
    std::smatch m;
    if (!std::regex_match(japanese, m, std::regex(pattern))) return false;
    values.clear();
    for (std::size_t i = 1; i < m.size(); ++i) values.push_back(shownName(m[i].str()));
    return true;
}

}  // namespace

std::string shownSeriesText(const std::string& japanese) {
    // A refused wall-file row: "第 N 行: " and the reason.
    static const std::regex row(R"(^第 ([0-9]+) 行: ([\s\S]*)$)");
    std::smatch m;
    if (std::regex_match(japanese, m, row))
        return refilled(text::translate("kvx::batch", "第 %d 行: "), {m[1].str()}) + shownSeriesText(m[2].str());
    // Each Japanese format beside its translation (literal calls: lupdate collects them).
    const std::pair<const char*, std::string> formats[] = {
        {"項目が %zu 個しかありません（14 個のはずです）",
         text::translate("kvx::batch", "項目が %zu 個しかありません（14 個のはずです）")},
        {"領域が Plus でも Minus でもありません", text::translate("kvx::batch", "領域が Plus でも Minus でもありません")},
        {"%s「%s」が数値ではありません", text::translate("kvx::batch", "%s「%s」が数値ではありません")},
        {"試験体が %zu 体です．統計処理には 2 体以上が必要です",
         text::translate("kvx::batch", "試験体が %zu 体です．統計処理には 2 体以上が必要です")},
        {"壁長さ L は正の数を入力してください", text::translate("kvx::batch", "壁長さ L は正の数を入力してください")},
        {"低減係数 α は正の数を入力してください", text::translate("kvx::batch", "低減係数 α は正の数を入力してください")},
        {"%s: ばらつき係数 1 − CV·k が %.3f で 0 以下のため、下限値を 0 としました",
         text::translate("kvx::batch", "%s: ばらつき係数 1 − CV·k が %.3f で 0 以下のため、下限値を 0 としました")},
        {"振幅レベルの点が %d 点しかありません（2 点以上が必要です）",
         text::translate("kvx::batch", "振幅レベルの点が %d 点しかありません（2 点以上が必要です）")},
    };
    std::vector<std::string> values;
    for (const auto& [source, shown] : formats)
        if (matches(source, japanese, values)) return refilled(shown, values);
    // Fixed texts the core marked for translation.
    return text::translate("kvx::analysis", japanese.c_str());
}

}  // namespace kvx::batch
