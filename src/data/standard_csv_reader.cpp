// The one reader of the standard CSV format.
#include "data/standard_csv_reader.h"

#include "data/force_unit.h"
#include "text/cp932.h"
#include "text/fields.h"
#include "text/line_reader.h"
#include "text/number.h"
#include "text/printf.h"
#include "text/stretches.h"
#include "text/translate.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <optional>
#include <vector>

namespace kvx::data {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

void dataError(ui::Interaction& ia, int lineNumber) {
    ia.message(text::format(text::translate("kvx::data", "データエラー 第 %d 行").c_str(), lineNumber), text::translate("kvx::data", "データエラー"), ui::Icon::Warning);
}

// Channel numbers are truncated toward zero; absurd values (1e300) must not overflow.
int channelNumberOf(std::string_view field) {
    const double v = std::trunc(text::parseLeadingDouble(field));
    if (!(v > static_cast<double>(INT_MIN) && v < static_cast<double>(INT_MAX))) return 0;
    return static_cast<int>(v);
}

std::string stripLeadingBlanks(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

std::string fitted(std::string_view s, std::size_t bytes) { return std::string(text::truncateCp932(s, bytes)); }

// Header lines of a file saved as UTF-8 with a byte order mark (spreadsheets do
// that) are turned into CP932 so the names and units read as intended.
class HeaderLines {
public:
    explicit HeaderLines(text::LineSplitter& lines) : m_lines(lines) {}

    std::optional<std::string> next() {
        const auto view = m_lines.next();
        if (!view) return std::nullopt;
        std::string line(*view);
        if (m_lines.lineNumber() == 1 && line.starts_with(kUtf8Bom)) {
            m_utf8 = true;
            line.erase(0, kUtf8Bom.size());
        }
        if (m_utf8) line = text::utf8ToCp932Lossy(line);
        return line;
    }

private:
    text::LineSplitter& m_lines;
    bool m_utf8 = false;
};

void tooManyRows(ui::Interaction& ia) {
    ia.message(text::format(text::translate("kvx::data", "データが %d 行を超えています（第 %d 行）．\n"
                            "%d 行までのファイルに分けてから読み込んでください．").c_str(),
                            kMaxRows, kMaxRows + 5, kMaxRows),
               text::translate("kvx::data", "データエラー"), ui::Icon::Warning);
}

// The rows of one stretch of the data lines, read on their own.
struct RowStretch {
    std::vector<float> values;  // the stretch's rows up to its first refused line, n values each
    int lines = 0;              // lines taken, a refused one included
    int failedLine = -1;        // the first refused line, counted from the stretch's first; -1 for none
    bool fieldsWrong = false;   // refused for its field count (else for a number)
};

// At most kMaxRows + 1 lines: wherever the stretch starts, a file that long is
// refused by then.
RowStretch readStretch(std::string_view bytes, int n, const ForceUnitDecision& force) {
    RowStretch stretch;
    // Each value takes two bytes at least ("0,"); more than enough room, and
    // pages never written are never taken from the system.
    stretch.values.reserve(std::min(bytes.size() / 2, static_cast<std::size_t>(kMaxRows + 1) * static_cast<std::size_t>(n)));
    text::LineSplitter lines(bytes);
    std::vector<std::string_view> fields;
    while (stretch.lines <= kMaxRows) {
        const auto line = lines.next();
        if (!line) break;
        const int index = stretch.lines++;
        text::splitFieldViews(*line, fields);
        if (static_cast<int>(fields.size()) != n) {
            stretch.failedLine = index;
            stretch.fieldsWrong = true;
            break;
        }
        for (int c = 0; c < n; ++c) {
            const double v = text::parseLeadingDouble(fields[static_cast<std::size_t>(c)]);
            const float stored = c == force.forceChannel ? scaleForce(v, force.forceFactor) : static_cast<float>(v);
            // A number beyond the single-precision range would become infinity
            // and poison every graph and result: refuse the row instead.
            if (!std::isfinite(stored)) {
                stretch.values.resize(static_cast<std::size_t>(index) * static_cast<std::size_t>(n));
                stretch.failedLine = index;
                return stretch;
            }
            stretch.values.push_back(stored);
        }
    }
    return stretch;
}

}  // namespace

ReadResult readStandardCsv(const std::string& path, ForceUnit forceUnit, ui::Interaction& ia,
                           MeasurementData& target) {
    const auto bytes = text::readFileBytes(path);
    if (!bytes) {
        ia.message(text::format(text::translate("kvx::data", "データファイルを開くことができません\n%s").c_str(), path.c_str()), text::translate("kvx::data", "ファイルエラー"),
                   ui::Icon::Warning);
        return {};
    }
    return readStandardCsvBytes(*bytes, forceUnit, ia, target);
}

ReadResult readStandardCsvBytes(std::string_view bytes, ForceUnit forceUnit, ui::Interaction& ia,
                                MeasurementData& target, const text::StretchReading& reading) {
    text::LineSplitter reader(bytes);
    ChannelHeader h;
    HeaderLines header(reader);
    std::string lines[4];
    for (int i = 0; i < 4; ++i) {
        auto line = header.next();
        if (!line) {
            dataError(ia, i + 1);
            return {.headerFailureLine = i + 1};
        }
        lines[i] = std::move(*line);
    }

    ReadResult result;
    const auto numbers = text::splitFields(lines[0]);
    for (std::size_t i = 0; i < numbers.size() && i < kMaxChannels; ++i)
        h.channelNumbers[i] = channelNumberOf(numbers[i]);
    result.channelNumberCount = static_cast<int>(std::min<std::size_t>(numbers.size(), kMaxChannels));

    const auto names = text::splitFields(lines[1]);
    for (std::size_t i = 0; i < names.size() && i < kMaxChannels; ++i) h.pointNames[i] = fitted(names[i], kNameBytes);
    const auto instruments = text::splitFields(lines[2]);
    for (std::size_t i = 0; i < instruments.size() && i < kMaxChannels; ++i)
        h.instrumentNames[i] = fitted(instruments[i], kNameBytes);

    auto units = text::splitFields(lines[3]);
    if (units.empty()) {  // a field over 99 bytes: the line has no channels at all
        dataError(ia, 4);
        return {.headerFailureLine = 4};
    }
    if (units.size() > static_cast<std::size_t>(kMaxChannels)) {
        ia.message(text::format(text::translate("kvx::data", "第 4 行（単位）のチャンネル数が %zu あり、上限の 16 を超えています．\n"
                                "このファイルは読み込めません．").c_str(),
                                units.size()),
                   text::translate("kvx::data", "データエラー"), ui::Icon::Warning);
        return {.headerFailureLine = 4};
    }
    for (auto& u : units) u = fitted(stripLeadingBlanks(std::move(u)), kUnitBytes);
    const int n = static_cast<int>(units.size());
    h.ChannelCount = n;

    const ForceUnitDecision force = applyForceUnitRule(units, forceUnit, ia);
    if (!force.proceed) return {};
    for (int c = 0; c < n; ++c) h.units[static_cast<std::size_t>(c)] = units[static_cast<std::size_t>(c)];

    // The rows go to tables of their own first: the data set changes only
    // when the whole file was read.
    // Read in stretches side by side on a large file, where the numbers are
    // most of the time, and judged here in file order.
    const std::vector<RowStretch> stretches = text::readInStretches(
        reader.rest(), reading, [n, &force](std::string_view part) { return readStretch(part, n, force); });
    int r = 0;  // lines before the stretch in hand: its first line's index among the data lines
    for (const RowStretch& stretch : stretches) {
        if (stretch.failedLine >= 0) {
            const int failed = r + stretch.failedLine;
            // The row limit is judged after the field count and before the numbers.
            if (failed > kMaxRows || (failed == kMaxRows && !stretch.fieldsWrong))
                tooManyRows(ia);
            else
                dataError(ia, failed + 5);
            return {};
        }
        r += stretch.lines;
        if (r > kMaxRows) {
            tooManyRows(ia);
            return {};
        }
    }
    if (r == 0) {
        dataError(ia, 5);
        return {};
    }
    // Filled in place: a read must not cost a fresh 30,000-row table.
    target.clearValues();
    auto row = target.ValueTable.begin();
    for (const RowStretch& stretch : stretches)
        for (auto v = stretch.values.begin(); v != stretch.values.end(); v += n, row += kMaxChannels)
            std::copy_n(v, n, row);
    target.header = std::move(h);
    target.RowCount = r;
    target.ForceChannel = force.forceChannel;
    target.ForceFactor = force.forceFactor;
    result.rows = r;
    return result;
}

}  // namespace kvx::data
