// Arbitrary bytes as another lab's delimited text file: detection, preview,
// parse, plan and import under the detected dialect and under settings the
// first byte picks (other delimiters, reordered columns, thinning steps).
#include "data/delimited_import.h"
#include "fuzz_support.h"

#include <cmath>
#include <string_view>

namespace {

void check(const kvx::data::MeasurementData& d) {
    if (d.RowCount < 0 || d.RowCount > kvx::data::kMaxRows) __builtin_trap();
    if (d.header.ChannelCount < 0 || d.header.ChannelCount > kvx::data::kMaxChannels) __builtin_trap();
    for (int c = 0; c < d.header.ChannelCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (d.header.units[i].size() > kvx::data::kUnitBytes || d.header.pointNames[i].size() > kvx::data::kNameBytes)
            __builtin_trap();
    }
    for (int row = 0; row < d.RowCount; ++row)
        for (int c = 0; c < d.header.ChannelCount; ++c)
            if (!std::isfinite(d.value(row, c))) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t pick = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    kvx::fuzz::QuietInteraction ia;

    kvx::data::ImportSettings s;
    s.dialect = kvx::data::detectDialect(bytes);
    (void)kvx::data::previewLines(bytes, s.dialect, 30);
    if (pick & 1) s.dialect.delimiter = static_cast<kvx::data::Delimiter>((pick >> 1) % 4);
    if (pick & 8) s.dialect.decimal = kvx::data::DecimalMark::Comma;
    if (pick & 16) s.dialect.headerRows = (pick >> 5) % 11, s.dialect.unitsRow = pick % 3, s.dialect.namesRow = pick % 5;
    if (pick & 32) s.columns = {2, 1, 1};
    if (pick & 64) s.thinStep = 1 + pick % 7;
    s.skipBadRows = (pick & 128) != 0;

    const kvx::data::ParsedText parsed = kvx::data::parseDelimitedText(bytes, s.dialect, s.skipBadRows);
    if (parsed.values.size() != static_cast<std::size_t>(parsed.rows) * static_cast<std::size_t>(parsed.columnCount))
        __builtin_trap();
    for (double v : parsed.values)
        if (!std::isfinite(v)) __builtin_trap();
    const kvx::data::ImportPlan plan = kvx::data::planImport(parsed, s);
    if (plan.failure.empty() && plan.keptRows.size() > static_cast<std::size_t>(kvx::data::kMaxRows)) __builtin_trap();

    kvx::data::MeasurementData d;
    const auto report = kvx::data::importDelimitedText(bytes, s, kvx::data::ForceUnit::kN, ia, d);
    if (report && report->rowsRead != d.RowCount) __builtin_trap();
    check(d);
    return 0;
}
