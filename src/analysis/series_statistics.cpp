// Series statistics of a set of specimens.
#include "analysis/series_statistics.h"

#include "text/cp932.h"
#include "text/number.h"
#include "text/printf.h"

#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kvx::analysis {
namespace {

constexpr std::size_t kRowFields = 14;

std::vector<std::string_view> splitCommas(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::optional<double> number(std::string_view field) {
    const std::string_view s = trimmed(field);
    if (s.empty() || text::leadingNumberLength(s) != s.size()) return std::nullopt;
    const double v = text::parseLeadingDouble(s);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

struct MeanAndSpread {
    double mean = 0, sd = 0;
};
MeanAndSpread meanAndSd(const std::vector<double>& v) {
    MeanAndSpread m;
    const double n = static_cast<double>(v.size());
    m.mean = std::accumulate(v.begin(), v.end(), 0.0) / n;
    double squares = 0;
    for (double x : v) squares += (x - m.mean) * (x - m.mean);
    m.sd = v.size() > 1 ? std::sqrt(squares / (n - 1)) : 0.0;
    return m;
}

}  // namespace

std::optional<double> SpecimenRow::K() const {
    if (gv == 0) return std::nullopt;
    return Pu / gv;
}

std::optional<double> SpecimenRow::mu() const {
    if (Pu == 0 || PuDs == 0) return std::nullopt;
    const double Ds = 0.2 * Pu / PuDs;
    if (!(Ds > 0) || !std::isfinite(Ds)) return std::nullopt;
    return (1.0 / (Ds * Ds) + 1.0) / 2.0;
}

std::optional<SpecimenRow> parseWallRow(std::string_view line, std::string* why) {
    const auto refuse = [&](std::string reason) {
        if (why) *why = std::move(reason);
        return std::nullopt;
    };
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    auto fields = splitCommas(line);
    if (fields.size() < kRowFields) return refuse(text::format("項目が %zu 個しかありません（14 個のはずです）", fields.size()));
    // A file name may hold commas: everything before the last 13 fields is the name.
    const std::size_t nameFields = fields.size() - (kRowFields - 1);
    SpecimenRow r;
    for (std::size_t i = 0; i < nameFields; ++i) {
        if (i > 0) r.fileName += ',';
        r.fileName += fields[i];
    }
    const auto at = [&](std::size_t k) { return fields[nameFields + k - 1]; };
    const std::string_view side = trimmed(at(1));
    if (side != "Plus" && side != "Minus") return refuse("領域が Plus でも Minus でもありません");
    r.minus = side == "Minus";
    std::string_view stamp = trimmed(at(2));
    if (!stamp.empty() && stamp.front() == '\'') stamp.remove_prefix(1);
    r.timeStamp = std::string(stamp);
    struct Needed {
        std::size_t field;
        double* target;
        const char* name;
    };
    const Needed needed[] = {{3, &r.Pmax, "最大耐力"}, {4, &r.gm, "最大耐力時変形角"}, {5, &r.PRefer, "特定変形角時耐力"},
                             {6, &r.P23, "2/3最大耐力"}, {7, &r.Py, "降伏耐力"},   {8, &r.Pu, "終局耐力"},
                             {9, &r.gv, "弾塑性変形角"},  {10, &r.PuDs, "構造特性耐力"}};
    for (const Needed& n : needed) {
        const auto v = number(at(n.field));
        if (!v)
            return refuse(text::format("%s「%s」が数値ではありません", n.name,
                                       text::cp932ToUtf8Lossy(trimmed(at(n.field))).c_str()));
        *n.target = *v;
    }
    r.Qa = number(at(11));
    r.multiplier = number(at(12));
    r.multiplierFormer = number(at(13));
    return r;
}

WallFileRows readWallRows(std::string_view bytes) {
    WallFileRows out;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (lineNumber == 1) {
            const auto header = splitCommas(line);
            if (header.size() >= 6) out.referenceHeader = text::cp932ToUtf8Lossy(trimmed(header[5]));
            continue;
        }
        if (lineNumber == 2 || trimmed(line).empty()) continue;
        std::string why;
        if (auto row = parseWallRow(line, &why)) {
            row->lineNumber = lineNumber;
            out.rows.push_back(std::move(*row));
        } else {
            out.refused.push_back(text::format("第 %d 行: ", lineNumber) + why);
        }
    }
    return out;
}

double variabilityConstant(int n) {
    const boost::math::students_t t(static_cast<double>(n - 1));
    return boost::math::quantile(t, 0.75) / std::sqrt(static_cast<double>(n));
}

std::optional<SideSummary> summarizeSide(const std::vector<SpecimenRow>& rows, double wallLength, double alpha,
                                         data::ForceUnit unit, std::string* failure) {
    const auto refuse = [&](std::string why) {
        if (failure) *failure = std::move(why);
        return std::nullopt;
    };
    if (rows.size() < 2)
        return refuse(text::format("試験体が %zu 体です．統計処理には 2 体以上が必要です", rows.size()));
    if (!(wallLength > 0) || !std::isfinite(wallLength)) return refuse("壁長さ L は正の数を入力してください");
    if (!(alpha > 0) || !std::isfinite(alpha)) return refuse("低減係数 α は正の数を入力してください");

    SideSummary s;
    s.n = static_cast<int>(rows.size());
    s.alpha = alpha;
    s.L = wallLength;
    const double k = variabilityConstant(s.n);
    for (std::size_t i = 0; i < 4; ++i) {
        IndexStatistics& st = s.indices[i];
        for (const SpecimenRow& r : rows) {
            const double v = i == 0 ? r.Py : i == 1 ? r.PuDs : i == 2 ? r.P23 : r.PRefer;
            st.values.push_back(v);
        }
        const MeanAndSpread m = meanAndSd(st.values);
        st.mean = m.mean;
        st.sd = m.sd;
        st.k = k;
        // A mean of zero or less has no coefficient of variation: nothing to rate on.
        if (st.mean > 0) {
            st.cv = st.sd / st.mean;
            st.factor = 1.0 - st.cv * k;
        }
        st.factorNotPositive = !(st.factor > 0);
        st.lower = st.factorNotPositive ? 0.0 : st.mean * st.factor;
        if (st.factorNotPositive)
            s.notes.push_back(text::format("%s: ばらつき係数 1 − CV·k が %.3f で 0 以下のため、下限値を 0 としました",
                                           kSeriesIndexNames[i], st.factor));
    }
    s.governing = 0;
    for (int i = 1; i < 4; ++i)
        if (s.indices[static_cast<std::size_t>(i)].lower < s.indices[static_cast<std::size_t>(s.governing)].lower)
            s.governing = i;
    s.P0 = s.indices[static_cast<std::size_t>(s.governing)].lower;
    s.Pa = s.P0 * alpha;
    s.multiplier = unit == data::ForceUnit::kN ? s.Pa / (1.96 * wallLength) : s.Pa / (200.0 * wallLength);

    std::vector<double> K, mu;
    for (const SpecimenRow& r : rows) {
        if (const auto v = r.K()) K.push_back(*v);
        if (const auto v = r.mu()) mu.push_back(*v);
    }
    if (K.size() == rows.size()) {
        const MeanAndSpread m = meanAndSd(K);
        s.Kmean = m.mean;
        if (m.mean != 0) s.Kcv = m.sd / m.mean;
    }
    if (mu.size() == rows.size()) {
        const MeanAndSpread m = meanAndSd(mu);
        s.muMean = m.mean;
        if (m.mean != 0) s.muCv = m.sd / m.mean;
    }
    return s;
}

SeriesSummary summarizeRows(const std::vector<SpecimenRow>& rows, double wallLength, double alpha, data::ForceUnit unit) {
    SeriesSummary s;
    std::vector<SpecimenRow> plus, minus;
    for (const SpecimenRow& r : rows) (r.minus ? minus : plus).push_back(r);
    s.plus = summarizeSide(plus, wallLength, alpha, unit, &s.plusFailure);
    s.minus = summarizeSide(minus, wallLength, alpha, unit, &s.minusFailure);
    return s;
}

std::string summaryCsv(const SeriesSummary& s, const std::vector<SpecimenRow>& rows, data::ForceUnit unit) {
    const std::string load = unit == data::ForceUnit::kN ? "kN" : "kg";
    std::string out;
    const auto side = [&](const char* title, bool minus, const std::optional<SideSummary>& sum, const std::string& why) {
        out += text::format("%s\n", title);
        if (!sum) {
            out += why + "\n\n";
            return;
        }
        out += "指標,単位";
        for (const SpecimenRow& r : rows)
            if (r.minus == minus) out += "," + text::cp932ToUtf8Lossy(r.fileName);
        out += ",平均,標準偏差,変動係数,k,ばらつき係数,下限値\n";
        for (std::size_t i = 0; i < 4; ++i) {
            const IndexStatistics& st = sum->indices[i];
            out += text::format("%s%s,%s", kSeriesIndexNames[i], static_cast<int>(i) == sum->governing ? "★" : "",
                                load.c_str());
            for (double v : st.values) out += text::format(",%.6g", v);
            out += text::format(",%.6g,%.6g,%.6g,%.6g,%.6g,%.6g\n", st.mean, st.sd, st.cv, st.k, st.factor, st.lower);
        }
        out += text::format("試験体数,,%d\n", sum->n);
        out += text::format("P0 (%s),%s,%.6g\n", kSeriesIndexNames[static_cast<std::size_t>(sum->governing)], load.c_str(), sum->P0);
        out += text::format("低減係数 α,,%.6g\n", sum->alpha);
        out += text::format("短期許容せん断耐力 Pa,%s,%.6g\n", load.c_str(), sum->Pa);
        out += text::format("壁長さ L,m,%.6g\n", sum->L);
        out += text::format("壁倍率,,%.6g\n", sum->multiplier);
        if (sum->Kmean) out += text::format("平均初期剛性 K,%s/rad,%.6g,変動係数,%.6g\n", load.c_str(), *sum->Kmean, sum->Kcv.value_or(0));
        if (sum->muMean) out += text::format("平均塑性率 μ,,%.6g,変動係数,%.6g\n", *sum->muMean, sum->muCv.value_or(0));
        for (const std::string& note : sum->notes) out += note + "\n";
        out += "\n";
    };
    side("正側 (Plus)", false, s.plus, s.plusFailure);
    side("負側 (Minus)", true, s.minus, s.minusFailure);
    return text::utf8ToCp932Lossy(out);
}

}  // namespace kvx::analysis
