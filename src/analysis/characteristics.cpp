// Characteristic values and their label texts.
#include "analysis/characteristics.h"

#include "analysis/curve_helpers.h"
#include "text/number.h"
#include "text/printf.h"
#include "text/translate.h"

#include <algorithm>

namespace kvx::analysis {
namespace {

std::string gammaPointMessage() { return text::translate("kvx::analysis", "対応する座標点を見いだすことができません"); }

std::string fixed2(const std::optional<double>& v) { return v ? text::format("%10.2f", *v) : std::string(); }

std::optional<double> mean(const std::optional<double>& a, const std::optional<double>& b) {
    if (!a || !b) return std::nullopt;
    return (*a + *b) / 2;
}

// Load at `at`, empty beyond the curve; a flat pair of points is the
// program's "gamma_point error".
std::optional<double> loadAt(std::span<const double> x, std::span<const double> y, double at, bool& sameX) {
    const LoadAt r = loadAtDeformation(x, y, at);
    if (r.status == LoadAt::Status::SameX) sameX = true;
    if (r.status != LoadAt::Status::Ok) return std::nullopt;
    return r.load;
}

std::optional<double> halfPeakLoad(std::span<const double> x, std::span<const double> y, bool& sameX) {
    if (x.empty()) return std::nullopt;
    return loadAt(x, y, x[indexOfMax(y)] / 2, sameX);
}

// The loads at 1/120 rad and at half the peak's angle on both sides of the
// curve (neg is its mirror). False when a point falls where two stored points
// share an X, which leaves the load there undefined.
bool angleLoads(std::span<const double> x, std::span<const double> y, const Curve& neg, MeasuredValues& out) {
    bool sameX = false;
    out.at120.plus = loadAt(x, y, 1.0 / 120, sameX);
    out.at120.minus = loadAt(neg.x, neg.y, 1.0 / 120, sameX);
    out.at120.average = mean(out.at120.plus, out.at120.minus);
    out.halfPeak.plus = halfPeakLoad(x, y, sameX);
    out.halfPeak.minus = halfPeakLoad(neg.x, neg.y, sameX);
    out.halfPeak.average = mean(out.halfPeak.plus, out.halfPeak.minus);
    return !sameX;
}

// The smallest of the numbers shown in three labels, read back from their texts.
std::optional<double> minimumOf(const CharacteristicLabels& labels, const char* a, const char* b, const char* c) {
    return std::min({labels.number(a), labels.number(b), labels.number(c)});
}

void setColumn(CharacteristicLabels& labels, const std::string& plus, const std::string& minus,
               const std::string& average, const SideValues& v) {
    labels.set(plus, fixed2(v.plus));
    labels.set(minus, fixed2(v.minus));
    labels.set(average, fixed2(v.average));
}

}  // namespace

const std::vector<std::string>& CharacteristicLabels::names() {
    static const std::vector<std::string> all = {
        "Pmax",   "Pmin",    "Pave",    "MaxD",   "MinD",   "PP120",  "MP120",   "AVP120", "PP23",  "MP23",
        "AVP23",  "PP2G",    "MP2G",    "AVP2G",  "minPP",  "minMP",  "minAVP",  "APP120", "AMP120", "AAVP120",
        "APP23",  "AMP23",   "AAVP23",  "APP2G",  "AMP2G",  "AAVP2G", "minAPP",  "minAMP", "minAAVP", "PK",
        "MPK",    "YP",      "MYP",     "Dv",     "MDv",    "Du",     "MDu"};
    return all;
}

const std::string& CharacteristicLabels::text(const std::string& name) const {
    static const std::string empty;
    const auto it = m_texts.find(name);
    return it == m_texts.end() ? empty : it->second;
}

void CharacteristicLabels::set(const std::string& name, std::string t) {
    m_texts[name] = std::move(t);
    m_valueLengths.erase(name);
}

void CharacteristicLabels::set(const std::string& name, const std::string& value, const std::string& unit) {
    m_texts[name] = value + unit;
    m_valueLengths[name] = value.size();
}

double CharacteristicLabels::number(const std::string& name) const {
    const std::string& t = text(name);
    const auto it = m_valueLengths.find(name);
    return text::parseLeadingDouble(it == m_valueLengths.end() ? std::string_view(t) : std::string_view(t).substr(0, it->second));
}

RecordValues recordValues(std::span<const double> x, std::span<const double> y, const PlotUnits& u,
                          CharacteristicLabels& labels) {
    RecordValues r;
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0) return r;
    x = x.first(n), y = y.first(n);
    const Curve neg = mirrored(x, y);
    const std::size_t iMax = indexOfMax(y);
    const std::size_t iMin = indexOfMax(neg.y);
    r.Pmax = y[iMax], r.PmaxX = x[iMax];
    r.Pmin = neg.y[iMin], r.PminX = neg.x[iMin];
    r.Pave = (r.Pmax + r.Pmin) / 2;
    r.MaxD = x[indexOfMax(x)];
    r.MinD = neg.x[indexOfMax(neg.x)];
    r.PP23 = r.Pmax * 2 / 3;
    r.MP23 = r.Pmin * 2 / 3;
    r.AVP23 = (r.Pmax + r.Pmin) * 2 / 6;
    const char* lu = u.load.c_str();
    const char* du = u.deformation.c_str();
    labels.set("Pmax", text::format("%10.2f", r.Pmax), text::format("%s (%8.3f%s)", lu, r.PmaxX, du));
    labels.set("Pmin", text::format("%10.2f", r.Pmin), text::format("%s (%8.3f%s)", lu, r.PminX, du));
    labels.set("MaxD", text::format("%10.3f", r.MaxD), du);
    labels.set("MinD", text::format("%10.3f", r.MinD), du);
    labels.set("Pave", text::format("%10.2f", r.Pave), lu);
    labels.set("PP23", text::format("%10.2f", r.PP23));
    labels.set("MP23", text::format("%10.2f", r.MP23));
    labels.set("AVP23", text::format("%10.2f", r.AVP23));
    return r;
}

std::optional<StepFailure> measuredValues(std::span<const double> x, std::span<const double> y, const PlotUnits& u,
                                          CharacteristicLabels& labels, MeasuredValues& out) {
    if (!angleLoads(x, y, mirrored(x, y), out)) return StepFailure{gammaPointMessage(), "gamma_point error"};
    setColumn(labels, "PP120", "MP120", "AVP120", out.at120);
    setColumn(labels, "PP2G", "MP2G", "AVP2G", out.halfPeak);
    out.twoThirds = {labels.number("PP23"), labels.number("MP23"), labels.number("AVP23")};
    if (u.rad()) {
        out.minimum = {minimumOf(labels, "PP120", "PP23", "PP2G"), minimumOf(labels, "MP120", "MP23", "MP2G"),
                       minimumOf(labels, "AVP120", "AVP23", "AVP2G")};
        setColumn(labels, "minPP", "minMP", "minAVP", out.minimum);
    } else {
        out.minimum = {};
        for (const char* name : {"minPP", "minMP", "minAVP"}) labels.clear(name);
    }
    return std::nullopt;
}

std::optional<StepFailure> approximationValues(std::span<const double> x, std::span<const double> y,
                                               const PlotUnits& u, CharacteristicLabels& labels, MeasuredValues& out) {
    out = {};
    if (!u.rad()) {
        for (const char* name : {"APP120", "AMP120", "AAVP120", "APP23", "AMP23", "AAVP23", "APP2G", "AMP2G",
                                 "AAVP2G", "minAPP", "minAMP", "minAAVP"})
            labels.clear(name);
        return std::nullopt;
    }
    const Curve neg = mirrored(x, y);
    if (!x.empty()) {
        out.twoThirds.plus = y[indexOfMax(y)] * 2 / 3;
        out.twoThirds.minus = neg.y[indexOfMax(neg.y)] * 2 / 3;
        out.twoThirds.average = mean(out.twoThirds.plus, out.twoThirds.minus);
    }
    if (!angleLoads(x, y, neg, out)) return StepFailure{gammaPointMessage(), "gamma_point error"};
    setColumn(labels, "APP120", "AMP120", "AAVP120", out.at120);
    setColumn(labels, "APP23", "AMP23", "AAVP23", out.twoThirds);
    setColumn(labels, "APP2G", "AMP2G", "AAVP2G", out.halfPeak);
    out.minimum = {minimumOf(labels, "APP120", "APP23", "APP2G"), minimumOf(labels, "AMP120", "AMP23", "AMP2G"),
                   minimumOf(labels, "AAVP120", "AAVP23", "AAVP2G")};
    setColumn(labels, "minAPP", "minAMP", "minAAVP", out.minimum);
    return std::nullopt;
}

void setModelLabels(const ElastoPlastic& m, bool negative, const PlotUnits& u, CharacteristicLabels& labels) {
    const char* deformation = u.rad() ? "%11.4f" : "%11.2f";
    const char* stiffness = u.rad() ? "%11.0f" : "%11.2f";
    const std::string prefix = negative ? "M" : "";
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    labels.set(negative ? "MPK" : "PK", text::format(stiffness, m.K), u.load + "/" + u.deformation);
    labels.set(prefix + "YP", text::format("%11.2f", m.Pu), u.load);
    labels.set(prefix + "Dv", text::format(deformation, m.dv), u.deformation);
    labels.set(prefix + "Du", text::format(deformation, static_cast<double>(m.du)), u.deformation);
#pragma GCC diagnostic pop
}

std::string elastoRow(const std::string& dataFileCp932, int xChannel, int yChannel, const CharacteristicLabels& labels) {
    std::string row = text::format("%s,%d,%d,", dataFileCp932.c_str(), xChannel, yChannel);
    const auto& names = CharacteristicLabels::names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        row += text::format("%f", labels.number(names[i]));
        row += i + 1 < names.size() ? "," : "\n";
    }
    return row;
}

}  // namespace kvx::analysis
