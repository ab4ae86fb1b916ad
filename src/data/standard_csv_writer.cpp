// Standard CSV writers. Files are written whole and checked, so a full disk is
// reported rather than leaving a silently cut file.
#include "data/standard_csv_writer.h"

#include "text/printf.h"
#include "text/replacing_file.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace kvx::data {
namespace {

bool writeFile(const std::string& path, const std::string& content) { return text::replaceFile(path, content); }

template <typename Field>
void appendLine(std::string& out, int count, Field field) {
    for (int c = 0; c < count; ++c) {
        if (c > 0) out += ',';
        out += field(c);
    }
    out += '\n';
}

}  // namespace

bool writeDataSet(const std::string& path, const MeasurementData& data) {
    const ChannelHeader& h = data.header;
    const int n = h.ChannelCount;
    const auto at = [](int c) { return static_cast<std::size_t>(c); };
    std::string out;
    appendLine(out, n, [&](int c) { return text::format("%2dCH", h.channelNumbers[at(c)]); });
    appendLine(out, n, [&](int c) { return h.pointNames[at(c)]; });
    appendLine(out, n, [&](int c) { return h.instrumentNames[at(c)]; });
    appendLine(out, n, [&](int c) { return h.units[at(c)]; });
    for (int r = 0; r < data.RowCount; ++r)
        appendLine(out, n, [&](int c) { return text::format("%12.5e", static_cast<double>(data.value(r, c))); });
    return writeFile(path, out);
}

bool writeConvertedData(const std::string& path, const std::vector<ConvertedColumn>& columns, int rowCount) {
    if (columns.empty()) throw std::invalid_argument("writeConvertedData: no columns");
    const int n = static_cast<int>(columns.size());
    const auto col = [&](int c) -> const ConvertedColumn& { return columns[static_cast<std::size_t>(c)]; };
    const auto header = [&](int c) -> const ChannelHeader& { return col(c).table->header; };
    const auto at = [&](int c) { return static_cast<std::size_t>(col(c).column); };
    std::string out;
    appendLine(out, n, [](int c) { return text::format("%dch", c + 1); });
    appendLine(out, n, [&](int c) { return header(c).pointNames[at(c)]; });
    // Only the first column keeps its instrument name, and columns that ask to
    // (the data set's own channels in the conversion's append save).
    appendLine(out, n, [&](int c) {
        return c == 0 || col(c).keepsInstrumentName ? header(c).instrumentNames[at(c)] : std::string();
    });
    appendLine(out, n, [&](int c) { return header(c).units[at(c)]; });
    for (int r = 0; r < rowCount; ++r)
        appendLine(out, n, [&](int c) {
            const double v = col(c).table->value(r, col(c).column);
            return text::format(c == 0 ? "%f" : "%.5e", v);
        });
    return writeFile(path, out);
}

std::string withCsvExtension(const std::string& path) {
    return std::filesystem::path(path).has_extension() ? path : path + ".csv";
}

}  // namespace kvx::data
