// Series chart, table texts and the printed summary page.
#include "plot/series_chart.h"

#include "text/printf.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kvx::plot {
namespace {

// Told apart by colour-blind readers, and none of them black: black is the
// lower-value line. A series rarely has more than twelve specimens.
constexpr std::array<Rgb, 12> kSpecimenColors{
    Rgb::fromHex(0x4477AA), Rgb::fromHex(0xEE6677), Rgb::fromHex(0x228833), Rgb::fromHex(0xCCBB44),
    Rgb::fromHex(0x66CCEE), Rgb::fromHex(0xAA3377), Rgb::fromHex(0xBBBBBB), Rgb::fromHex(0xEE7733),
    Rgb::fromHex(0x999933), Rgb::fromHex(0x882255), Rgb::fromHex(0x44AA99), Rgb::fromHex(0x332288)};
constexpr Rgb kGrid{0xD0, 0xD0, 0xD0};
constexpr Rgb kRed{0xC0, 0x00, 0x00};

struct Scale {
    int dpi;
    int operator()(int at96) const { return std::max(1, at96 * dpi / 96); }
};

std::string loadUnitOf(data::ForceUnit unit) { return unit == data::ForceUnit::kN ? "kN" : "kg"; }

// CP932 lead bytes: the next byte belongs to the same character.
bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

struct Axis {
    double lo = 0, hi = 1, step = 1;
    int decimals = 0;
};

// About five divisions of 1, 2, 2.5 or 5 × 10^k from zero (or below it) to the largest value.
Axis axisFor(double lo, double hi) {
    Axis a;
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    const double span = hi - lo;
    if (!(span > 0) || !std::isfinite(span)) return a;
    const double raw = span / 5;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        a.step = m * decade;
        if (a.step >= raw * (1 - 1e-9)) break;
    }
    a.lo = std::floor(lo / a.step + 1e-9) * a.step;
    a.hi = std::ceil(hi / a.step - 1e-9) * a.step;
    while (a.decimals < 6) {
        const double scaled = a.step * std::pow(10.0, a.decimals);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6) break;
        ++a.decimals;
    }
    return a;
}

// Texts go over the grid and beside the bars: never on a box of the last fill colour.
void writeText(Canvas& c, Pixel p, std::string_view s, TextEncoding e = TextEncoding::Utf8) {
    c.setBrush({kWhite, true});
    c.textOut(p, s, e);
}

void line(Canvas& c, Pixel a, Pixel b) {
    c.moveTo(a);
    c.lineTo(b);
}

}  // namespace

Font seriesFont(int points, bool bold, Rgb color) {
    Font f;
    f.face = kGothic;
    f.size = points;
    f.bold = bold;
    f.color = color;
    return f;
}

std::string fittedName(const Canvas& c, const std::string& name, int width) {
    if (c.textExtent(name, TextEncoding::Cp932).width <= width) return name;
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < name.size();) {
        i += isLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size() ? 2u : 1u;
        ends.push_back(i);
    }
    for (auto it = ends.rbegin(); it != ends.rend(); ++it) {
        const std::string cut = name.substr(0, *it) + "..";
        if (c.textExtent(cut, TextEncoding::Cp932).width <= width) return cut;
    }
    return "..";
}

Rgb specimenColor(int index) {
    return kSpecimenColors[static_cast<std::size_t>(std::max(index, 0)) % kSpecimenColors.size()];
}

std::string readableNumber(double value, int decimals) {
    if (!std::isfinite(value)) return "-";
    const auto significant = [](const std::string& fixed) {
        int n = 0;
        bool leading = true;
        for (const char ch : fixed) {
            if (ch < '0' || ch > '9' || (leading && ch == '0')) continue;
            leading = false;
            ++n;
        }
        return n;
    };
    std::string fixed = text::format("%.*f", decimals, value);
    if (value == 0 || significant(fixed) >= 2) return fixed;
    // More decimals until two digits show; zeros past the usual decimals say nothing.
    int more = decimals;
    while (more < 12 && significant(fixed) < 2) fixed = text::format("%.*f", ++more, value);
    if (significant(fixed) < 2) return text::format("%.2e", value);
    while (more > decimals && fixed.back() == '0') {
        fixed.pop_back();
        --more;
    }
    return fixed;
}

std::vector<std::string> indexRowTexts(const analysis::IndexStatistics& st) {
    std::vector<std::string> out;
    for (const double v : st.values) out.push_back(readableNumber(v, 2));
    out.push_back(readableNumber(st.mean, 2));
    out.push_back(readableNumber(st.sd, 2));
    out.push_back(readableNumber(st.cv, 3));
    out.push_back(readableNumber(st.k, 3));
    out.push_back(readableNumber(st.factor, 3));
    out.push_back(readableNumber(st.lower, 2));
    return out;
}

const std::array<const char*, 6>& statisticsHeadings() {
    static const std::array<const char*, 6> headings{"平均", "標準偏差", "変動係数", "k", "1−CV·k", "下限値"};
    return headings;
}

std::vector<std::pair<std::string, std::string>> resultTexts(const analysis::SideSummary& s, data::ForceUnit unit) {
    const std::string load = loadUnitOf(unit);
    const bool kN = unit == data::ForceUnit::kN;
    std::vector<std::pair<std::string, std::string>> out;
    out.emplace_back("試験体数 n", text::format("%d 体", s.n));
    out.emplace_back("短期基準せん断耐力 P0",
                     readableNumber(s.P0, 2) + " " + load + "（" +
                         analysis::kSeriesIndexNames[static_cast<std::size_t>(std::clamp(s.governing, 0, 3))] + "）");
    out.emplace_back("短期許容せん断耐力 Pa = α·P0",
                     readableNumber(s.Pa, 2) + " " + load + "（α = " + text::format("%.3g", s.alpha) + "）");
    out.emplace_back(kN ? "壁倍率 Pa/(1.96·L)" : "壁倍率 Pa/(200·L)",
                     readableNumber(s.multiplier, 2) + "（L = " + text::format("%.4g", s.L) + " m）");
    if (s.Kmean)
        out.emplace_back("平均初期剛性 K", readableNumber(*s.Kmean, 1) + " " + load + "/rad（変動係数 " +
                                               (s.Kcv ? readableNumber(*s.Kcv, 3) : std::string("-")) + "）");
    if (s.muMean)
        out.emplace_back("平均塑性率 μ", readableNumber(*s.muMean, 2) + "（変動係数 " +
                                             (s.muCv ? readableNumber(*s.muCv, 3) : std::string("-")) + "）");
    return out;
}

void drawSeriesChart(Canvas& c, const analysis::SideSummary& s, const std::vector<std::string>& names,
                     const std::array<std::string, 4>& captions, ChartBox box, data::ForceUnit unit, int dpi,
                     const std::string& lowerBound) {
    const Scale px{dpi};
    const int left = box.topLeft.x, top = box.topLeft.y;
    const int right = left + box.size.width, bottom = top + box.size.height;
    c.setBrush({kWhite, false});
    c.fillRect(box.topLeft, {right, bottom});
    c.setPen({kGrid, 1});
    c.setBrush({kWhite, true});
    c.rectangle(box.topLeft, {right, bottom});
    c.setFont(seriesFont(9));
    const int lineHeight = c.textExtent("0").height;
    const int margin = px(6);
    const int inner = box.size.width - 2 * margin;
    if (inner <= 0) return;

    // Legend: a swatch and the name of each specimen, then the lower-value line, wrapped.
    const int swatch = std::max(2, lineHeight * 2 / 3);
    const int itemGap = px(12);
    int x = left + margin, y = top + margin;
    const auto place = [&](int width) {
        if (x > left + margin && x + width > right - margin) {
            x = left + margin;
            y += lineHeight + px(2);
        }
        const Pixel at{x, y};
        x += width + itemGap;
        return at;
    };
    const int markWidth = swatch + px(4);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = fittedName(c, names[i], inner - markWidth);
        const Pixel at = place(markWidth + c.textExtent(name, TextEncoding::Cp932).width);
        const int swatchTop = at.y + (lineHeight - swatch) / 2;
        c.setPen({kBlack, 1});
        c.setBrush({specimenColor(static_cast<int>(i)), false});
        c.rectangle({at.x, swatchTop}, {at.x + swatch, swatchTop + swatch});
        writeText(c, {at.x + markWidth, at.y}, name, TextEncoding::Cp932);
    }
    {
        const std::string& lowerText = lowerBound;
        const int lineMark = px(18);
        const Pixel at = place(lineMark + px(4) + c.textExtent(lowerText).width);
        c.setPen({kBlack, px(2)});
        line(c, {at.x + px(1), at.y + lineHeight / 2}, {at.x + lineMark - px(1), at.y + lineHeight / 2});
        writeText(c, {at.x + lineMark + px(4), at.y}, lowerText);
    }

    // The value axis: from zero (or the smallest value) to the largest value or lower value.
    double lo = 0, hi = 0;
    for (const auto& st : s.indices) {
        for (const double v : st.values) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        hi = std::max(hi, st.lower);
    }
    const Axis axis = axisFor(lo, hi);
    const int ticks = static_cast<int>(std::lround((axis.hi - axis.lo) / axis.step));
    std::vector<std::string> tickTexts;
    int tickWidth = 0;
    for (int t = 0; t <= ticks; ++t) {
        tickTexts.push_back(text::format("%.*f", axis.decimals, axis.lo + t * axis.step));
        tickWidth = std::max(tickWidth, c.textExtent(tickTexts.back()).width);
    }
    const std::string unitText = "[" + loadUnitOf(unit) + "]";
    const int unitTop = y + lineHeight + px(6);
    const int plotTop = unitTop + lineHeight + lineHeight / 2;
    const int plotLeft = left + margin + std::max(tickWidth, c.textExtent(unitText).width) + px(6);
    const int plotRight = right - margin;
    const double groupWidth = static_cast<double>(plotRight - plotLeft) / 4;

    // Captions under their groups; captions wider than a group take turns on two rows.
    std::array<std::string, 4> captionTexts;
    std::array<int, 4> captionWidths{};
    bool staggered = false;
    for (std::size_t g = 0; g < 4; ++g) {
        const bool governing = static_cast<int>(g) == s.governing;
        captionTexts[g] = (governing ? "★" : "") + captions[g];
        c.setFont(seriesFont(9, governing));
        captionWidths[g] = c.textExtent(captionTexts[g]).width;
        staggered = staggered || captionWidths[g] > groupWidth - px(4);
    }
    c.setFont(seriesFont(9));
    const int captionTop = bottom - margin - (staggered ? 2 : 1) * lineHeight;
    const int plotBottom = captionTop - px(6);
    if (plotBottom - plotTop < 2 * lineHeight || plotRight - plotLeft < 40) return;
    const auto yOf = [&](double v) {
        return plotBottom - static_cast<int>(std::lround((v - axis.lo) / (axis.hi - axis.lo) * (plotBottom - plotTop)));
    };
    writeText(c, {left + margin, unitTop}, unitText);
    for (int t = 0; t <= ticks; ++t) {
        const int ty = yOf(axis.lo + t * axis.step);
        if (t > 0) {
            c.setPen({kGrid, 1});
            line(c, {plotLeft + 1, ty}, {plotRight, ty});
        }
        const std::string& label = tickTexts[static_cast<std::size_t>(t)];
        writeText(c, {plotLeft - px(6) - c.textExtent(label).width, ty - lineHeight / 2}, label);
    }

    // A group per index: the bars, then the lower value across them.
    const int zeroY = yOf(0);
    for (int g = 0; g < 4; ++g) {
        const analysis::IndexStatistics& st = s.indices[static_cast<std::size_t>(g)];
        const double groupLeft = plotLeft + g * groupWidth;
        const double barsLeft = groupLeft + 0.14 * groupWidth;
        const double barWidth = 0.72 * groupWidth / static_cast<double>(std::max<std::size_t>(st.values.size(), 1));
        const int gap = barWidth > 8 * dpi / 96 ? px(2) : 0;
        for (std::size_t i = 0; i < st.values.size(); ++i) {
            const int x0 = static_cast<int>(std::lround(barsLeft + static_cast<double>(i) * barWidth));
            const int x1 = static_cast<int>(std::lround(barsLeft + static_cast<double>(i + 1) * barWidth)) - gap;
            const int vy = yOf(st.values[i]);
            c.setPen({kBlack, 1});
            c.setBrush({specimenColor(static_cast<int>(i)), false});
            c.rectangle({x0, std::min(vy, zeroY)}, {std::max(x1, x0 + 1), std::max(vy, zeroY) + 1});
        }
        c.setPen({kBlack, px(2)});
        const int ly = yOf(st.lower);
        line(c, {static_cast<int>(std::lround(groupLeft + 0.06 * groupWidth)), ly},
             {static_cast<int>(std::lround(groupLeft + 0.94 * groupWidth)), ly});

        const bool governing = g == s.governing;
        c.setFont(seriesFont(9, governing, governing ? kRed : kBlack));
        const int w = captionWidths[static_cast<std::size_t>(g)];
        const int cx = static_cast<int>(std::lround(groupLeft + groupWidth / 2)) - w / 2;
        const int cy = captionTop + (staggered && g % 2 == 1 ? lineHeight : 0);
        writeText(c, {std::clamp(cx, left + margin, std::max(left + margin, right - margin - w)), cy},
                  captionTexts[static_cast<std::size_t>(g)]);
        c.setFont(seriesFont(9));
    }
    c.setPen({kBlack, 1});
    line(c, {plotLeft, plotTop}, {plotLeft, plotBottom + 1});
    line(c, {plotLeft, zeroY}, {plotRight, zeroY});
}

}  // namespace kvx::plot
