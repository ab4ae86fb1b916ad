// Point picking: pixel to values through the frame's inverse mapping, the
// value and angle texts, and the search for a shown row near the click.
#include "plot/point_picking.h"

#include "text/printf.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>

namespace kvx::plot {
namespace {

std::string withoutLeadingBlanks(const std::string& s) {
    const auto p = s.find_first_not_of(' ');
    return p == std::string::npos ? std::string() : s.substr(p);
}

}  // namespace

std::string pickValueText(double value) {
    std::string s = text::format("%.6f", value);
    if (s.find('.') == std::string::npos) return s;  // inf, nan
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

std::string angleText(double value, const std::string& unit) {
    if (unit != "rad") return " ";
    if (value == 0.0) return {};
    const double n = 1.0 / value;
    if (n > 0) return text::format(" 1/%.2f %s", n, unit.c_str());
    return text::format("-1/%.2f %s", -n, unit.c_str());
}

std::optional<int> findRowNear(std::span<const double> X, std::span<const double> Y, int first, int end,
                               DataPoint at, double xStep, double yStep) {
    const double tx = xStep / 30.0;
    const double ty = yStep / 30.0;
    const int available = static_cast<int>(std::min(X.size(), Y.size()));
    const int from = std::max(first, 0);
    const int to = std::min(end, available);
    for (int i = from; i < to; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (std::fabs(at.x - X[k]) < tx && std::fabs(at.y - Y[k]) < ty) return i;
    }
    return std::nullopt;
}

bool insideLegend(Pixel p, Pixel legendTopLeft, PixelSize legendSize) {
    return legendTopLeft.x < p.x && p.x < legendTopLeft.x + legendSize.width && legendTopLeft.y < p.y &&
           p.y < legendTopLeft.y + legendSize.height;
}

Pixel legendDragPosition(Pixel pointer, PixelSize legendSize, PixelSize picture) {
    // The mouse keeps reporting beyond the picture while a button is held; a
    // legend left there could never be grabbed again in this session.
    const int maxX = std::max(picture.width - legendSize.width, 0);
    const int maxY = std::max(picture.height - legendSize.height, 0);
    return {std::clamp(pointer.x, 0, maxX), std::clamp(pointer.y, 0, maxY)};
}

PickedPoint pickPoint(const GraphState& state, Pixel p, int rowCount) {
    PickedPoint picked;
    const GraphFrame& frame = state.frame;
    // The frame's own inverse: with the 100-pixel division and the axes starting
    // at -2 steps (centred) or 0 this is (p - FrameLeft) x step x 0.01 + start.
    picked.value = FrameMapping{frame, state.place}.toData(p);
    picked.valuex = pickValueText(picked.value.x) + " " + withoutLeadingBlanks(frame.XUnit);
    picked.valuey = pickValueText(picked.value.y) + " " + withoutLeadingBlanks(frame.YUnit);
    picked.radx = angleText(picked.value.x, frame.XUnit);
    picked.rady = angleText(picked.value.y, frame.YUnit);

    const std::size_t shown = static_cast<std::size_t>(std::max(rowCount, 0));
    const auto rows = [shown](const std::vector<double>& values) {
        return std::span<const double>(values).first(std::min(shown, values.size()));
    };
    picked.rowIndex = findRowNear(rows(state.X), rows(state.Y), state.regionStart, state.regionEnd, picked.value,
                                  frame.XStep, frame.YStep);
    picked.rowMessage = picked.rowIndex
                            ? text::format(text::translate("kvx::plot", "クリックした位置のデータ番号は %d です").c_str(), *picked.rowIndex + 1)
                            : std::string(text::translate("kvx::plot", "クリックした位置に該当するデータはありません"));
    return picked;
}

}  // namespace kvx::plot
