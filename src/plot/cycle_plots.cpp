// Texts, plots and the overlay of the cycle evaluation.
#include "plot/cycle_plots.h"

#include "text/printf.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>

namespace kvx::plot {
namespace {

constexpr Rgb kGrid{0xD0, 0xD0, 0xD0};
constexpr Rgb kFrameGrey{0xA0, 0xA0, 0xA0};

std::string optionalText(const std::optional<double>& v, int significant = 4) {
    return v ? significantText(*v, significant) : std::string();
}

std::string energyUnit(const CycleUnits& u) { return u.load + "·" + u.deformation; }
std::string bracketed(const std::string& unit) { return unit.empty() ? std::string() : " [" + unit + "]"; }

// UTF-8 text cut at a character and ended with "…" so that it is at most `width` wide.
std::string fitted(const Canvas& c, const std::string& s, int width) {
    if (c.textExtent(s).width <= width) return s;
    std::string cut = s;
    while (!cut.empty()) {
        std::size_t end = cut.size() - 1;
        while (end > 0 && (static_cast<unsigned char>(cut[end]) & 0xC0) == 0x80) --end;
        cut.erase(end);
        if (c.textExtent(cut + "…").width <= width) return cut + "…";
    }
    return {};
}

void writeText(Canvas& c, Pixel p, const std::string& s) {
    c.setBrush({kWhite, true});
    c.textOut(p, s);
}

void line(Canvas& c, Pixel a, Pixel b) {
    c.moveTo(a);
    c.lineTo(b);
}

struct Axis {
    double lo = 0, hi = 1, step = 1;
    int decimals = 0;
    int ticks() const { return static_cast<int>(std::lround((hi - lo) / step)); }
    double at(int t) const { return lo + t * step; }
};

// About `divisions` steps of 1, 2, 2.5 or 5 × 10^k from zero (or below it)
// to the largest value; whole steps for counts.
Axis niceAxis(double lo, double hi, int divisions, bool integer) {
    Axis a;
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    double span = hi - lo;
    if (!(span > 0) || !std::isfinite(span)) span = hi = 1;
    const double raw = span / std::max(divisions, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        a.step = m * decade;
        if (a.step >= raw * (1 - 1e-9)) break;
    }
    if (integer) a.step = std::max(1.0, std::ceil(a.step));
    a.lo = std::floor(lo / a.step + 1e-9) * a.step;
    a.hi = std::ceil(hi / a.step - 1e-9) * a.step;
    while (a.decimals < 9) {
        const double scaled = a.step * std::pow(10.0, a.decimals);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6) break;
        ++a.decimals;
    }
    return a;
}

std::string tickText(const Axis& a, int t) {
    std::string s = text::format("%.*f", a.decimals, a.at(t));
    if (s.find_first_of("123456789") == std::string::npos && s[0] == '-') s.erase(0, 1);
    return s;
}

double amplitude(const analysis::Cycle& c) { return (c.xPlus - c.xMinus) / 2; }

MethodSide japaneseSide(const std::optional<analysis::ElastoResult>& r) {
    MethodSide s;
    if (!r) {
        s.message = "このグラフでは評価していません（「骨格曲線」と「完全弾塑性」を選んでグラフを描くと求めます）";
        return s;
    }
    if (!r->model) {
        s.message = r->failure.message;
        return s;
    }
    const analysis::ElastoPlastic& m = *r->model;
    s.values[kYieldLoad] = m.Py;
    s.values[kYieldDeformation] = m.xc;
    s.values[kUltimateDeformation] = static_cast<double>(m.du);
    s.values[kUltimateLoad] = m.Pu;
    if (m.dv > 0) {
        const double mu = static_cast<double>(m.du) / m.dv;
        s.values[kDuctility] = mu;
        // Ds needs 2μ − 1 > 0: a smaller μ has no Ds, not a NaN.
        if (mu > 0.5) s.values[kDs] = 1 / std::sqrt(2 * mu - 1);
    }
    return s;
}

MethodSide editorSide(const analysis::EditorEvaluation& e) {
    MethodSide s;
    s.values[kYieldLoad] = e.Py;
    s.values[kYieldDeformation] = e.gy;
    s.values[kUltimateDeformation] = static_cast<double>(e.du);
    s.values[kDuctility] = e.mu;
    s.values[kUltimateLoad] = e.Pu;
    s.values[kDs] = e.Ds;
    return s;
}

MethodSide eeepSide(const analysis::MethodResult<analysis::Eeep>& r) {
    MethodSide s;
    if (!r.value) {
        s.message = r.error;
        return s;
    }
    const analysis::Eeep& e = *r.value;
    s.values[kYieldLoad] = e.Pyield;
    s.values[kYieldDeformation] = e.dyield;
    s.values[kUltimateDeformation] = e.du;
    s.values[kDuctility] = e.mu;
    s.ultimateAtLastPoint = e.duAtLastPoint;
    s.yieldFallback = e.pyieldFallback;
    return s;
}

MethodSide enSide(const analysis::MethodResult<analysis::En12512>& r) {
    MethodSide s;
    if (!r.value) {
        s.message = r.error;
        return s;
    }
    const analysis::En12512& e = *r.value;
    s.values[kYieldLoad] = e.Fy;
    s.values[kYieldDeformation] = e.vy;
    s.values[kUltimateDeformation] = e.vu;
    s.values[kDuctility] = e.D;
    s.ultimateAtLastPoint = e.vuAtLastPoint;
    return s;
}

// The load of a folded envelope at |X| = `at` (the last point's beyond it).
double envelopeLoadAt(const std::vector<analysis::EnvelopePoint>& folded, double at) {
    for (std::size_t i = 1; i < folded.size(); ++i) {
        const auto& [x0, f0] = folded[i - 1];
        const auto& [x1, f1] = folded[i];
        if (at >= x0 && at <= x1) return x1 > x0 ? f0 + (f1 - f0) * (at - x0) / (x1 - x0) : f1;
    }
    return folded.empty() ? 0.0 : folded.back().second;
}

}  // namespace

std::string significantText(double value, int significant) {
    if (!std::isfinite(value)) return "-";
    if (value == 0) return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    if (magnitude < -9) return text::format("%.*e", std::max(significant - 1, 0), value);
    const int decimals = std::clamp(significant - 1 - magnitude, 0, 12);
    return text::format("%.*f", decimals, value);
}

std::vector<std::string> cycleHeadings(const CycleUnits& u) {
    const std::string x = bracketed(u.deformation), f = bracketed(u.load);
    // Shown in the window and copied to the clipboard only (CYCLES.CSV has its
    // own header): in the language in use.
    return {text::translate("kvx::plot", "番号"), text::translate("kvx::plot", "行"), text::translate("kvx::plot", "レベル"),
            "X⁺" + x,        "X⁻" + x,    "F⁺" + f,
            "d⁺" + x,        "F⁻" + f,    "d⁻" + x,
            "E_d" + bracketed(energyUnit(u)), text::translate("kvx::plot", "累積") + bracketed(energyUnit(u)),
            "K_s" + bracketed(u.load + "/" + u.deformation), "ν_eq"};
}

std::vector<std::string> cycleRowTexts(const analysis::Cycle& c, int index) {
    return {std::to_string(index + 1),
            text::format(text::translate("kvx::plot", "%d～%d").c_str(), c.from + 1, c.to),
            std::to_string(c.level),
            significantText(c.xPlus),
            significantText(c.xMinus),
            significantText(c.fPlus),
            significantText(c.dPlus),
            significantText(c.fMinus),
            significantText(c.dMinus),
            significantText(c.Ed),
            significantText(c.EdCumulative),
            optionalText(c.Ks),
            optionalText(c.nuEq, 3)};
}

std::string cycleTableText(const analysis::CycleAnalysis& a, const CycleUnits& units) {
    const auto join = [](const std::vector<std::string>& cells) {
        std::string out;
        for (std::size_t i = 0; i < cells.size(); ++i) out += (i ? "\t" : "") + cells[i];
        return out + "\n";
    };
    std::string out = join(cycleHeadings(units));
    for (std::size_t i = 0; i < a.cycles.size(); ++i) out += join(cycleRowTexts(a.cycles[i], static_cast<int>(i)));
    return out;
}

std::vector<std::string> levelHeadings(const CycleUnits& u) {
    const std::string x = bracketed(u.deformation), f = bracketed(u.load);
    return {text::translate("kvx::plot", "レベル"), text::translate("kvx::plot", "振幅 X⁺") + x,
            text::translate("kvx::plot", "振幅 X⁻") + x, text::translate("kvx::plot", "サイクル数"), "F1⁺" + f, "F3⁺" + f, "ΔF⁺ [%]",
            "F1⁻" + f,  "F3⁻" + f,       "ΔF⁻ [%]"};
}

std::vector<std::string> levelRowTexts(const analysis::Level& l, int index) {
    const auto percent = [](const std::optional<double>& v) {
        return v ? significantText(*v * 100, 3) : std::string();
    };
    return {std::to_string(index + 1),   significantText(l.xPlus), significantText(l.xMinus),
            std::to_string(l.cycles),    optionalText(l.F1plus),   optionalText(l.F3plus),
            percent(l.dFplus),           optionalText(l.F1minus),  optionalText(l.F3minus),
            percent(l.dFminus)};
}

bool sameRecord(const analysis::RecordValues& r, std::span<const double> x, std::span<const double> y) {
    if (x.empty() || y.empty()) return false;
    analysis::CharacteristicLabels scratch;
    const analysis::RecordValues now = analysis::recordValues(x, y, {}, scratch);
    return now.Pmax == r.Pmax && now.PmaxX == r.PmaxX && now.Pmin == r.Pmin && now.PminX == r.PminX &&
           now.MaxD == r.MaxD && now.MinD == r.MinD;
}

MethodComparison compareMethods(const std::optional<analysis::ElastoResult>& japanesePlus,
                                const std::optional<analysis::ElastoResult>& japaneseMinus,
                                const analysis::EditorEvaluation* editor, const analysis::CodeEvaluation& codes) {
    MethodComparison c;
    c.rows.push_back({"日本 (完全弾塑性)", {japaneseSide(japanesePlus), japaneseSide(japaneseMinus)}});
    if (editor) {
        MethodSide minus;
        minus.message = "骨格曲線の編集では正側だけを評価します";
        c.rows.push_back({"日本 (骨格編集)", {editorSide(*editor), minus}});
    }
    c.rows.push_back({"ASTM E2126 (EEEP)", {eeepSide(codes.eeepPlus), eeepSide(codes.eeepMinus)}});
    c.rows.push_back({"EN 12512", {enSide(codes.enPlus), enSide(codes.enMinus)}});
    bool atLast = false, fallback = false;
    for (const ComparisonRow& r : c.rows)
        for (const MethodSide& s : r.sides) {
            atLast = atLast || s.ultimateAtLastPoint;
            fallback = fallback || s.yieldFallback;
        }
    if (atLast) c.notes.push_back("* 荷重が最大の 8 割まで下がらないため、包絡線の最後の点を終局変形としています");
    if (fallback) c.notes.push_back("† 等しいエネルギーの解がないため、Pyield = 0.85 Ppeak としています");
    return c;
}

std::array<std::string, kComparisonColumns> comparisonHeadings(const CycleUnits& u) {
    const std::string x = bracketed(u.deformation), f = bracketed(u.load);
    return {"降伏耐力" + f, "降伏変形" + x, "終局変形" + x, "塑性率", "終局耐力 Pu" + f, "Ds"};
}

std::string comparisonCell(const MethodSide& side, int column) {
    if (!side.message.empty() || column < 0 || column >= kComparisonColumns) return {};
    const auto& v = side.values[static_cast<std::size_t>(column)];
    if (!v) return {};
    const bool ratio = column == kDuctility || column == kDs;
    std::string t = significantText(*v, ratio ? 3 : 4);
    if (column == kUltimateDeformation && side.ultimateAtLastPoint) t += "*";
    if (column == kYieldLoad && side.yieldFallback) t += "†";
    return t;
}

std::string singleLine(const std::string& message) {
    std::string out;
    for (const char ch : message)
        if (ch != '\n' && ch != '\r') out += ch;
    return out;
}

CyclePlot cumulativeEnergyPlot(const analysis::CycleAnalysis& a, const CycleUnits& units) {
    CyclePlot p;
    p.title = text::translate("kvx::plot", "累積吸収エネルギー") + bracketed(energyUnit(units));
    p.xLabel = text::translate("kvx::plot", "サイクル番号");
    p.joined = true;
    p.integerX = true;
    for (std::size_t i = 0; i < a.cycles.size(); ++i)
        p.points.emplace_back(static_cast<double>(i + 1), a.cycles[i].EdCumulative);
    return p;
}

CyclePlot secantStiffnessPlot(const analysis::CycleAnalysis& a, const CycleUnits& units) {
    CyclePlot p;
    p.title = text::translate("kvx::plot", "割線剛性 K_s") + bracketed(units.load + "/" + units.deformation);
    p.xLabel = text::translate("kvx::plot", "振幅") + bracketed(units.deformation);
    p.color = Rgb{0x22, 0x88, 0x33};
    for (const analysis::Cycle& c : a.cycles)
        if (c.Ks) p.points.emplace_back(amplitude(c), *c.Ks);
    return p;
}

CyclePlot dampingPlot(const analysis::CycleAnalysis& a, const CycleUnits& units) {
    CyclePlot p;
    p.title = text::translate("kvx::plot", "等価粘性減衰定数 ν_eq");
    p.xLabel = text::translate("kvx::plot", "振幅") + bracketed(units.deformation);
    p.color = Rgb{0xAA, 0x33, 0x77};
    for (const analysis::Cycle& c : a.cycles)
        if (c.nuEq) p.points.emplace_back(amplitude(c), *c.nuEq);
    return p;
}

void drawCyclePlot(Canvas& c, const CyclePlot& p, ChartBox box) {
    const int left = box.topLeft.x, top = box.topLeft.y;
    const int right = left + box.size.width, bottom = top + box.size.height;
    c.setBrush({kWhite, false});
    c.fillRect(box.topLeft, {right, bottom});
    c.setPen({kFrameGrey, 1});
    c.setBrush({kWhite, true});
    c.rectangle(box.topLeft, {right, bottom});
    constexpr int margin = 6;
    const int inner = box.size.width - 2 * margin;
    if (inner <= 0) return;
    c.setFont(seriesFont(9, true));
    const int lineHeight = c.textExtent("0").height;
    if (box.size.height < 2 * margin + lineHeight) return;
    writeText(c, {left + margin, top + margin}, fitted(c, p.title, inner));
    c.setFont(seriesFont(9));

    const int plotTop = top + margin + lineHeight + 4 + lineHeight / 2;
    const int plotBottom = bottom - margin - 2 * lineHeight - 6;
    if (p.points.empty() || plotBottom - plotTop < lineHeight) {
        const std::string none = fitted(c, "サイクルがありません", inner);
        const PixelSize e = c.textExtent(none);
        writeText(c, {left + (box.size.width - e.width) / 2, std::max(top + margin + lineHeight + 4, (top + bottom - e.height) / 2)},
                  none);
        return;
    }

    double xlo = 0, xhi = 0, ylo = 0, yhi = 0;
    for (const auto& [x, y] : p.points) {
        xlo = std::min(xlo, x), xhi = std::max(xhi, x);
        ylo = std::min(ylo, y), yhi = std::max(yhi, y);
    }
    const Axis ya = niceAxis(ylo, yhi, 5, false);
    int tickWidth = 0;
    for (int t = 0; t <= ya.ticks(); ++t) tickWidth = std::max(tickWidth, c.textExtent(tickText(ya, t)).width);
    const int plotLeft = left + margin + tickWidth + 4;

    // As many X divisions as their labels leave room for.
    Axis xa;
    int plotRight = right - margin;
    for (int divisions = 5; divisions >= 1; --divisions) {
        xa = niceAxis(xlo, xhi, divisions, p.integerX);
        int widest = 0;
        for (int t = 0; t <= xa.ticks(); ++t) widest = std::max(widest, c.textExtent(tickText(xa, t)).width);
        plotRight = right - margin - (c.textExtent(tickText(xa, xa.ticks())).width + 1) / 2;
        if (xa.ticks() <= 1 || (plotRight - plotLeft) / xa.ticks() >= widest + 6) break;
    }
    if (plotRight - plotLeft < 20) return;

    const auto xOf = [&](double v) {
        return plotLeft + static_cast<int>(std::lround((v - xa.lo) / (xa.hi - xa.lo) * (plotRight - plotLeft)));
    };
    const auto yOf = [&](double v) {
        return plotBottom - static_cast<int>(std::lround((v - ya.lo) / (ya.hi - ya.lo) * (plotBottom - plotTop)));
    };
    for (int t = 0; t <= ya.ticks(); ++t) {
        const int ty = yOf(ya.at(t));
        c.setPen({kGrid, 1});
        if (t > 0) line(c, {plotLeft + 1, ty}, {plotRight, ty});
        const std::string label = tickText(ya, t);
        writeText(c, {plotLeft - 4 - c.textExtent(label).width, ty - lineHeight / 2}, label);
    }
    for (int t = 0; t <= xa.ticks(); ++t) {
        const int tx = xOf(xa.at(t));
        c.setPen({kGrid, 1});
        if (t > 0) line(c, {tx, plotTop}, {tx, plotBottom});
        const std::string label = tickText(xa, t);
        const int w = c.textExtent(label).width;
        writeText(c, {std::clamp(tx - w / 2, left + margin, right - margin - w), plotBottom + 3}, label);
    }
    {
        const std::string label = fitted(c, p.xLabel, inner);
        const int w = c.textExtent(label).width;
        writeText(c, {std::clamp((plotLeft + plotRight - w) / 2, left + margin, right - margin - w),
                      plotBottom + 3 + lineHeight + 2},
                  label);
    }
    c.setPen({kBlack, 1});
    line(c, {plotLeft, plotTop}, {plotLeft, plotBottom + 1});
    line(c, {plotLeft, yOf(0)}, {plotRight + 1, yOf(0)});

    std::vector<Pixel> pixels;
    for (const auto& [x, y] : p.points) pixels.push_back({xOf(x), yOf(y)});
    c.setPen({p.color, 1});
    if (p.joined && pixels.size() >= 2) c.polyline(pixels);
    constexpr int r = 2;
    c.setBrush({p.color, false});
    for (const Pixel& q : pixels) c.ellipse({q.x - r, q.y - r}, {q.x + r + 1, q.y + r + 1});
}

void drawCodeOverlay(Canvas& c, const FrameMapping& m, const analysis::CodeEvaluation& codes, bool envelope,
                     bool bilinear) {
    const auto draw = [&](std::initializer_list<std::pair<double, double>> points) {
        std::vector<Pixel> pixels;
        for (const auto& [x, y] : points) pixels.push_back(m.toPixel(x, y));
        c.polyline(pixels);
    };
    if (envelope) {
        c.setPen({kEnvelopeOverlay, 2});
        for (const auto* side : {&codes.envelope.plus, &codes.envelope.minus}) {
            if (side->size() < 2) continue;
            std::vector<Pixel> pixels;
            for (const auto& [x, y] : *side) pixels.push_back(m.toPixel(x, y));
            c.polyline(pixels);
        }
    }
    if (!bilinear) return;
    c.setPen({kEeepOverlay, 2});
    for (const auto& [sign, r] : {std::pair{1.0, &codes.eeepPlus}, std::pair{-1.0, &codes.eeepMinus}}) {
        if (!r->value) continue;
        const analysis::Eeep& e = *r->value;
        draw({{0, 0}, {sign * e.dyield, sign * e.Pyield}, {sign * e.du, sign * e.Pyield}});
    }
    c.setPen({kEnOverlay, 2});
    c.setBrush({kWhite, true});
    const auto plusFolded = analysis::folded(codes.envelope.plus), minusFolded = analysis::folded(codes.envelope.minus);
    for (const auto& [sign, r, folded] : {std::tuple{1.0, &codes.enPlus, &plusFolded}, std::tuple{-1.0, &codes.enMinus, &minusFolded}}) {
        if (!r->value) continue;
        const analysis::En12512& e = *r->value;
        // Line I through (v01, 0.1 Fmax) with slope k1, from where it meets the axis.
        const double x0 = e.v01 - 0.1 * e.Fmax / e.k1;
        draw({{sign * x0, 0}, {sign * e.vy, sign * e.Fy}, {sign * e.vt, sign * e.Ft}});
        const double fu = e.vuAtLastPoint ? envelopeLoadAt(*folded, e.vu) : 0.8 * e.Fmax;
        const Pixel u = m.toPixel(sign * e.vu, sign * fu);
        constexpr int radius = 4;
        c.ellipse({u.x - radius, u.y - radius}, {u.x + radius + 1, u.y + radius + 1});
    }
}

}  // namespace kvx::plot
