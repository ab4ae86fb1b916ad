// Arbitrary bytes as another lab's delimited text file: detection, preview,
// parse (also cut into stretches, which must not change it), plan and import
// under the detected dialect and under settings the first byte picks (other
// delimiters, reordered columns, thinning steps).
#include "data/delimited_import.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t pick = data[0];
    const std::string_view bytes = kvx::fuzz::bytesOf(data + 1, size - 1);
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
    // Cut into stretches (as large files are), one after another on this
    // thread: the same parse to the last line number.
    const kvx::data::ParsedText split =
        kvx::data::parseDelimitedText(bytes, s.dialect, s.skipBadRows, {1, 2 + static_cast<int>(size % 4), false});
    if (split.header != parsed.header || split.columnCount != parsed.columnCount || split.rows != parsed.rows ||
        split.values.size() != parsed.values.size() ||
        !std::equal(split.values.begin(), split.values.end(), parsed.values.begin(),
                    [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }) ||
        split.lineNumbers != parsed.lineNumbers || split.rowsInFile != parsed.rowsInFile ||
        split.skippedRows != parsed.skippedRows || split.skippedLines != parsed.skippedLines ||
        split.failureLine != parsed.failureLine || split.failure != parsed.failure)
        __builtin_trap();
    for (double v : parsed.values)
        if (!std::isfinite(v)) __builtin_trap();
    const kvx::data::ImportPlan plan = kvx::data::planImport(parsed, s);
    if (plan.failure.empty() && plan.keptRows.size() > static_cast<std::size_t>(kvx::data::kMaxRows)) __builtin_trap();

    auto& d = kvx::fuzz::sharedDataSet();
    const kvx::fuzz::ReadGuard guard(d);
    const auto report = kvx::data::importDelimitedText(bytes, s, kvx::data::ForceUnit::kN, ia, d);
    guard.check(report ? report->rowsRead : 0);
    return 0;
}
