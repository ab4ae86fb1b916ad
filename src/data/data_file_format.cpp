// Format recognition by the dates the loggers write ("2007/05/21").
#include "data/data_file_format.h"

#include "text/fields.h"
#include "text/line_reader.h"

namespace kvx::data {
namespace {

bool hasDateSlashes(std::string_view s) { return s.size() > 7 && s[4] == '/' && s[7] == '/'; }

}  // namespace

std::optional<DataFileFormat> detectFormat(const std::string& path) {
    text::LineReader reader(path);
    if (!reader.isOpen()) return std::nullopt;
    std::string lines[4];
    for (auto& line : lines) line = reader.next().value_or(std::string());
    if (hasDateSlashes(lines[2])) return DataFileFormat::SokkiCsv;
    const auto fields = text::splitFieldsSkippingBlanks(lines[3]);
    if (fields.size() >= 2 && hasDateSlashes(fields[1])) return DataFileFormat::SokkiTxt;
    return DataFileFormat::StandardCsv;
}

bool looksLikeStandardHeader(const std::string& path) {
    text::LineReader reader(path);
    auto line = reader.next();
    if (!line) return false;
    std::string_view first = *line;
    if (first.starts_with("\xEF\xBB\xBF")) first.remove_prefix(3);
    const auto fields = text::splitFields(first);
    if (fields.empty()) return false;
    for (const auto& f : fields) {
        std::size_t i = f.find_first_not_of(' ');
        if (i == std::string::npos || f[i] < '0' || f[i] > '9') return false;
        while (i < f.size() && f[i] >= '0' && f[i] <= '9') ++i;
        if (i < f.size() && (f[i] == '.' || f[i] == 'e' || f[i] == 'E')) return false;
    }
    return true;
}

int fileChannelCount(const std::string& path) {
    text::LineReader reader(path);
    const auto line = reader.next();
    return line ? static_cast<int>(text::countFields(*line)) : 0;
}

}  // namespace kvx::data
