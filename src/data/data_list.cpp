// Data list texts and corrections.
#include "data/data_list.h"

#include "text/cp932.h"
#include "text/number.h"
#include "text/printf.h"
#include "text/translate.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>

namespace kvx::data {
namespace {

std::string columnCaption(int gridRow) {
    // CP932: the captions share the grid with the file's CP932 texts. In the
    // language in use; the list is never written to a file.
    switch (gridRow) {
    case 0: return text::utf8ToCp932Lossy(text::translate("kvx::data", "　ｸﾞﾗﾌCH"));
    case 1: return text::utf8ToCp932Lossy(text::translate("kvx::data", "　計測CH"));
    case 2: return text::utf8ToCp932Lossy(text::translate("kvx::data", "　計測点"));
    default: return text::utf8ToCp932Lossy(text::translate("kvx::data", "ｽﾃｯﾌﾟ/単位"));
    }
}

}  // namespace

std::string formatListValue(float value) {
    // Compared in single precision: 0.00095 read into the table is a hair
    // below the double 0.00095 and must still show in fixed form.
    if (std::fabs(value) >= 0.00095f || value == 0.0f) return text::format("%11.3f ", static_cast<double>(value));
    return text::format("%+8.3e ", static_cast<double>(value));
}

std::string listCellText(const MeasurementData& d, int gridRow, int gridColumn) {
    if (gridRow < 0 || gridRow >= listGridRows(d) || gridColumn < 0 || gridColumn >= listGridColumns(d)) return {};
    if (gridColumn == 0)
        return gridRow < kListHeaderRows ? columnCaption(gridRow) : text::format("%9d", gridRow - kListHeaderRows + 1);
    const auto channel = static_cast<std::size_t>(gridColumn - 1);
    const ChannelHeader& h = d.header;
    switch (gridRow) {
    case 0: return text::format("  NO. %d", gridColumn);
    case 1: return text::format("  CH. %d", h.channelNumbers[channel]);
    case 2: return " " + h.pointNames[channel];
    case 3: return "  " + h.units[channel];
    default: return formatListValue(d.value(gridRow - kListHeaderRows, gridColumn - 1));
    }
}

std::optional<int> parseWholeNumber(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    std::size_t end = text.find_last_not_of(" \t") + 1;
    if (text[start] == '+') {  // from_chars takes '-' but not '+'
        ++start;
        if (start < end && text[start] == '-') return std::nullopt;
    }
    int value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + end;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || first == last) return std::nullopt;
    return value;
}

bool isValidDeleteRange(int firstRow, int lastRow, int rowCount) {
    return firstRow > 0 && lastRow > 0 && lastRow <= rowCount && lastRow >= firstRow;
}

void deleteRows(MeasurementData& d, int firstRow, int lastRow) {
    assert(isValidDeleteRange(firstRow, lastRow, d.RowCount));
    const int removed = lastRow - firstRow + 1;
    for (int i = firstRow - 1; i + removed < d.RowCount; ++i)
        for (int c = 0; c < d.channelCount(); ++c) d.cell(i, c) = d.value(i + removed, c);
    d.RowCount -= removed;
}

std::optional<float> parseCellValue(std::string_view text) {
    const double value = text::parseLeadingDouble(text);
    // A float cell cannot hold it; storing infinity would poison every later
    // scale, sum and written file.
    if (!(std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max()))) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace kvx::data
