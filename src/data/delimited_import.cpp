// Column mapping, unit conversion and thinning of a delimited text import.
#include "data/delimited_import.h"

#include "data/force_unit.h"
#include "text/cp932.h"
#include "text/printf.h"
#include "text/translate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kvx::data {
namespace {

struct KnownUnit {
    std::string_view from, to;
    double factor;
};

// kgf stays kg: the force-unit rule of the main window then converts it.
constexpr std::array<KnownUnit, 15> kKnownUnits{{
    {"N", "kN", 0.001},
    {"kN", "kN", 1.0},
    {"KN", "kN", 1.0},
    {"lbf", "kN", 0.00444822},
    {"kgf", "kg", 1.0},
    {"kg", "kg", 1.0},
    {"Kg", "kg", 1.0},
    {"mm", "mm", 1.0},
    {"m", "mm", 1000.0},
    {"cm", "mm", 10.0},
    {"in", "mm", 25.4},
    {"rad", "rad", 1.0},
    {"%", "rad", 0.01},
    {"deg", "rad", std::numbers::pi / 180.0},
    {"㎏", "kg", 1.0},
}};

/// A header text as the data set keeps it: CP932, cut to its field size. The
/// standard file has no quoting, so a comma (a quoted name like "Force, lead")
/// becomes a full-width one; else a saved file would read back as two channels.
std::string stored(std::string_view utf8, std::size_t bytes) {
    std::string s(utf8);
    for (std::size_t at = s.find(','); at != std::string::npos; at = s.find(',', at)) s.replace(at, 1, "，");
    return std::string(text::truncateCp932(text::utf8ToCp932Lossy(s), bytes));
}

std::string headerField(const ParsedText& parsed, int row, int column) {
    if (row < 1 || row > static_cast<int>(parsed.header.size())) return {};
    const auto& fields = parsed.header[static_cast<std::size_t>(row - 1)];
    if (column < 1 || column > static_cast<int>(fields.size())) return {};
    std::string f = fields[static_cast<std::size_t>(column - 1)];
    // Names often carry blanks at their ends ("Lead Actuator Force ").
    f.erase(0, f.find_first_not_of(" \t"));
    f.erase(f.find_last_not_of(" \t") + 1);
    return f;
}

bool isLengthOrAngle(const std::string& unit) { return unit == "mm" || unit == "rad"; }

std::vector<double> columnValues(const ParsedText& parsed, int column) {
    std::vector<double> v(static_cast<std::size_t>(parsed.rows));
    for (int r = 0; r < parsed.rows; ++r) v[static_cast<std::size_t>(r)] = parsed.value(r, column - 1);
    return v;
}

/// Rows kept with step k besides the `essential` ones, counted without building them.
std::size_t keptCount(int rows, int k, const std::vector<int>& essential) {
    std::size_t n = static_cast<std::size_t>((rows + k - 1) / k);
    for (int r : essential) n += r % k != 0;
    return n;
}

}  // namespace

UnitConversion unitConversion(std::string_view unit) {
    const std::string bare = bareUnit(unit);
    for (const KnownUnit& k : kKnownUnits)
        if (bare == k.from) return {bare, std::string(k.to), k.factor};
    return {bare, bare, 1.0};
}

std::vector<int> reversalRows(const std::vector<double>& values) {
    std::vector<int> rows;
    const int n = static_cast<int>(values.size());
    if (n == 0) return rows;
    rows.push_back(0);
    int direction = 0;   // of the last change: +1 rising, -1 falling
    int extremeRow = 0;  // first row that reached the value held now
    for (int i = 1; i < n; ++i) {
        const double change = values[static_cast<std::size_t>(i)] - values[static_cast<std::size_t>(i - 1)];
        if (change == 0) continue;
        const int now = change > 0 ? 1 : -1;
        if (direction != 0 && now != direction && extremeRow != 0) rows.push_back(extremeRow);
        direction = now;
        extremeRow = i;
    }
    if (rows.back() != n - 1) rows.push_back(n - 1);
    return rows;
}

ImportPlan planImport(const ParsedText& parsed, const ImportSettings& settings) {
    ImportPlan plan;
    if (parsed.rows == 0 || parsed.columnCount == 0) {
        plan.failure = parsed.failure.empty() ? text::translate("kvx::data", "数値の行がありません") : parsed.failure;
        return plan;
    }
    plan.columns = settings.columns;
    if (plan.columns.empty())
        for (int c = 1; c <= std::min(parsed.columnCount, kMaxChannels); ++c) plan.columns.push_back(c);
    if (static_cast<int>(plan.columns.size()) > kMaxChannels) {
        plan.failure = text::format(text::translate("kvx::data", "チャンネルは %d までです（%zu 列が選ばれています）").c_str(), kMaxChannels, plan.columns.size());
        return plan;
    }
    for (int c : plan.columns)
        if (c < 1 || c > parsed.columnCount) {
            plan.failure = text::format(text::translate("kvx::data", "%d 列目はファイルにありません（1 ～ %d 列）").c_str(), c, parsed.columnCount);
            return plan;
        }

    const TextDialect& d = settings.dialect;
    for (std::size_t i = 0; i < plan.columns.size(); ++i) {
        const int column = plan.columns[i];
        std::string name = i < settings.names.size() ? settings.names[i] : std::string();
        if (name.empty()) name = headerField(parsed, d.namesRow, column);
        if (name.empty()) name = text::format("列%d", column);
        plan.names.push_back(std::move(name));
        const std::string unit = i < settings.units.size() ? settings.units[i] : headerField(parsed, d.unitsRow, column);
        plan.units.push_back(unitConversion(unit));
    }
    for (std::size_t i = 0; i < plan.units.size() && plan.forceChannel < 0; ++i)
        if (isForceUnit(plan.units[i].to)) plan.forceChannel = static_cast<int>(i);
    for (std::size_t i = 0; i < plan.units.size() && plan.reversalChannel < 0; ++i)
        if (static_cast<int>(i) != plan.forceChannel && isLengthOrAngle(plan.units[i].to))
            plan.reversalChannel = static_cast<int>(i);
    for (std::size_t i = 0; i < plan.units.size() && plan.reversalChannel < 0; ++i)
        if (static_cast<int>(i) != plan.forceChannel) plan.reversalChannel = static_cast<int>(i);

    // Rows no thinning may drop: every reversal of the deformation, and the
    // rows of the largest and smallest load, so that the peaks, the skeleton
    // and Pmax come through unchanged.
    const int rows = parsed.rows;
    const bool wantThinning = settings.thinStep > 1 || (settings.thinStep == 0 && rows > kMaxRows);
    if (wantThinning) {
        std::vector<int> essential;
        if (plan.reversalChannel >= 0)
            essential = reversalRows(columnValues(parsed, plan.columns[static_cast<std::size_t>(plan.reversalChannel)]));
        if (plan.forceChannel >= 0) {
            const auto load = columnValues(parsed, plan.columns[static_cast<std::size_t>(plan.forceChannel)]);
            essential.push_back(static_cast<int>(std::max_element(load.begin(), load.end()) - load.begin()));
            essential.push_back(static_cast<int>(std::min_element(load.begin(), load.end()) - load.begin()));
        }
        std::sort(essential.begin(), essential.end());
        essential.erase(std::unique(essential.begin(), essential.end()), essential.end());
        int k = settings.thinStep;
        if (k == 0) {
            if (static_cast<int>(essential.size()) >= kMaxRows) {
                plan.failure = text::format(text::translate("kvx::data", "反転点だけで %zu 行あり、%d 行に間引けません").c_str(), essential.size(), kMaxRows);
                return plan;
            }
            k = 2;
            while (keptCount(rows, k, essential) > static_cast<std::size_t>(kMaxRows)) ++k;
        }
        plan.step = k;
        plan.thinned = true;
        std::vector<int> kept;
        kept.reserve(keptCount(rows, k, essential));
        std::size_t e = 0;
        for (int r = 0; r < rows; ++r) {
            while (e < essential.size() && essential[e] < r) ++e;
            if (r % k == 0 || (e < essential.size() && essential[e] == r)) kept.push_back(r);
        }
        plan.keptRows = std::move(kept);
    } else {
        plan.keptRows.resize(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r) plan.keptRows[static_cast<std::size_t>(r)] = r;
    }
    if (static_cast<int>(plan.keptRows.size()) > kMaxRows)
        plan.failure = text::format(text::translate("kvx::data", "データが %zu 行あり、%d 行を超えています．間引きの間隔を大きくしてください").c_str(),
                                    plan.keptRows.size(), kMaxRows);
    return plan;
}

std::optional<ImportReport> importDelimitedText(std::string_view bytes, const ImportSettings& settings,
                                                ForceUnit forceUnit, ui::Interaction& ia, MeasurementData& target) {
    const auto refuse = [&](const std::string& why) {
        ia.message(why, text::translate("kvx::data", "データエラー"), ui::Icon::Warning);
        return std::nullopt;
    };
    const ParsedText parsed = parseDelimitedText(bytes, settings.dialect, settings.skipBadRows);
    if (!parsed.failure.empty()) return refuse(parsed.failure);
    ImportReport report;
    report.dialect = settings.dialect;
    report.plan = planImport(parsed, settings);
    const ImportPlan& plan = report.plan;
    if (!plan.failure.empty()) return refuse(plan.failure);

    ChannelHeader h;
    const int channels = static_cast<int>(plan.columns.size());
    h.ChannelCount = channels;
    std::vector<std::string> units;
    for (int c = 0; c < channels; ++c) {
        const auto i = static_cast<std::size_t>(c);
        h.channelNumbers[i] = plan.columns[i];
        h.pointNames[i] = stored(plan.names[i], kNameBytes);
        units.push_back(stored(plan.units[i].to, kUnitBytes));
    }
    const ForceUnitDecision force = applyForceUnitRule(units, forceUnit, ia);
    if (!force.proceed) return std::nullopt;
    for (int c = 0; c < channels; ++c) h.units[static_cast<std::size_t>(c)] = units[static_cast<std::size_t>(c)];

    // The rows go to a table of their own first: the data set changes only
    // when every value was converted.
    std::vector<float> values(plan.keptRows.size() * static_cast<std::size_t>(channels));
    std::array<std::size_t, kMaxChannels> column{};
    std::array<double, kMaxChannels> factor{};
    for (std::size_t i = 0; i < static_cast<std::size_t>(channels); ++i) {
        column[i] = static_cast<std::size_t>(plan.columns[i] - 1);
        factor[i] = plan.units[i].factor;
    }
    const auto width = static_cast<std::size_t>(parsed.columnCount);
    auto out = values.begin();
    for (int row : plan.keptRows) {
        const double* in = parsed.values.data() + static_cast<std::size_t>(row) * width;
        for (int c = 0; c < channels; ++c, ++out) {
            const auto i = static_cast<std::size_t>(c);
            const double v = in[column[i]] * factor[i];
            const float value = c == force.forceChannel ? scaleForce(v, force.forceFactor) : static_cast<float>(v);
            // Beyond the single-precision range a value would become infinity
            // and poison every graph and result.
            if (!std::isfinite(value))
                return refuse(text::format(text::translate("kvx::data", "第 %d 行: %d 列目の値 %g は大きすぎます").c_str(), parsed.lineNumbers[static_cast<std::size_t>(row)],
                                           plan.columns[i], v));
            *out = value;
        }
    }
    // Filled in place: an import must not cost a fresh 30,000-row table.
    const int r = static_cast<int>(plan.keptRows.size());
    target.clearValues();
    for (int row = 0; row < r; ++row)
        std::copy_n(values.begin() + static_cast<std::ptrdiff_t>(row) * channels, channels,
                    target.ValueTable.begin() + static_cast<std::ptrdiff_t>(row) * kMaxChannels);
    target.header = std::move(h);
    target.RowCount = r;
    target.ForceChannel = force.forceChannel;
    target.ForceFactor = force.forceFactor;

    report.rowsInFile = parsed.rowsInFile;
    report.rowsRead = r;
    report.skippedRows = parsed.skippedRows;
    report.skippedLines = parsed.skippedLines;
    report.thinnedFrom = plan.thinned ? parsed.rows : 0;
    return report;
}

}  // namespace kvx::data
