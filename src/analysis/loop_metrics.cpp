// Loop metrics.
#include "analysis/loop_metrics.h"

#include "text/printf.h"

#include <algorithm>
#include <cmath>

namespace kvx::analysis {
namespace {

constexpr double kOneOverFourPi = 0.07957747154594767;

}  // namespace

LoopExtent loopExtent(std::span<const double> x, std::span<const double> y, int s, int e) {
    LoopExtent ext;
    const int end = std::min(e, static_cast<int>(std::min(x.size(), y.size())));
    for (int i = std::max(s + 1, 0); i < end; ++i) {
        const auto xi = static_cast<float>(x[static_cast<std::size_t>(i)]);
        const auto yi = static_cast<float>(y[static_cast<std::size_t>(i)]);
        if (xi > ext.Xmax) ext.Xmax = xi;
        if (xi < ext.Xmin) ext.Xmin = xi;
        if (yi > ext.Ymax) ext.Ymax = yi;
        if (yi < ext.Ymin) ext.Ymin = yi;
    }
    return ext;
}

double loopArea(std::span<const double> x, std::span<const double> y, int s, int e) {
    double area = 0.0;
    const int end = std::min(e, static_cast<int>(std::min(x.size(), y.size())));
    for (int i = std::max(s + 1, 1); i < end; ++i) {
        const auto at = static_cast<std::size_t>(i);
        area += (y[at] - y[at - 1]) * x[at];
    }
    return area;
}

LoopValues loopValues(std::span<const double> x, std::span<const double> y, int s, int e, double signedArea) {
    LoopValues v;
    v.from = s + 1;
    v.to = e;
    v.area = std::fabs(signedArea);
    const LoopExtent ext = loopExtent(x, y, s, e);
    v.W = static_cast<float>(static_cast<double>(ext.Xmax - ext.Xmin) * static_cast<double>(ext.Ymax - ext.Ymin) * 0.125);
    // A loop without extent has no elastic energy to compare with: no ratio.
    if (v.W != 0.0f) v.heq = static_cast<float>(v.area / static_cast<double>(v.W) * kOneOverFourPi);
    v.extremes = extremePoints(x, y, std::max(s - 1, 0), e - 1);
    const Extremes& p = v.extremes;
    if (p.Ymax_x != p.Ymin_x) v.K = static_cast<float>((p.Ymax_y - p.Ymin_y) / (p.Ymax_x - p.Ymin_x));
    return v;
}

std::string fixedText(double value, int precision, int digits) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0) return text::format("%.*f", digits, 0.0);
    const double rounded = std::stod(text::format("%.*e", precision - 1, value));
    const int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(rounded)))) + 1;
    if (integerDigits > precision) return text::format("%.*E", precision - 1, rounded);
    return text::format("%.*f", digits, rounded);
}

std::string areaText(const LoopValues& v) {
    // Loops in kN·rad enclose 0.0002–0.0007: two decimals would show 0.00 for
    // every one of them. At least three significant digits, never fewer than two decimals.
    int digits = 2;
    if (std::isfinite(v.area) && v.area > 0.0) {
        const int integerDigits = static_cast<int>(std::floor(std::log10(v.area))) + 1;
        digits = std::max(digits, 3 - integerDigits);
    }
    return fixedText(v.area, 6, digits);
}

std::string dampingText(const LoopValues& v) { return v.heq ? fixedText(*v.heq, 6, 3) : std::string(); }

std::string stiffnessText(const LoopValues& v) { return v.K ? fixedText(*v.K, 9, 6) : std::string(); }

}  // namespace kvx::analysis
