// Curve helpers.
#include "analysis/curve_helpers.h"

#include <algorithm>

namespace kvx::analysis {

std::size_t indexOfMax(std::span<const double> v) {
    std::size_t index = 0;
    double best = -1e-10;
    for (std::size_t i = 0; i < v.size(); ++i)
        if (v[i] > best) best = v[i], index = i;
    return index;
}

std::size_t indexOfMin(std::span<const double> v) {
    std::size_t index = 0;
    double best = 1e-10;
    for (std::size_t i = 0; i < v.size(); ++i)
        if (v[i] < best) best = v[i], index = i;
    return index;
}

std::optional<std::size_t> levelCrossing(std::span<const double> y, double level) {
    for (std::size_t i = 0; i < y.size(); ++i)
        if (y[i] >= level) return i;
    return std::nullopt;
}

std::optional<double> deformationAtLevel(std::span<const double> x, std::span<const double> y, double level) {
    const auto i = levelCrossing(y, level);
    if (!i || *i == 0 || *i >= x.size()) return std::nullopt;
    const double dy = y[*i] - y[*i - 1];
    if (dy == 0.0) return std::nullopt;
    return x[*i - 1] + (x[*i] - x[*i - 1]) / dy * (level - y[*i - 1]);
}

Curve mirrored(std::span<const double> x, std::span<const double> y) {
    Curve c;
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        c.x.push_back(-x[n - 1 - i]);
        c.y.push_back(-y[n - 1 - i]);
    }
    return c;
}

LoadAt loadAtDeformation(std::span<const double> x, std::span<const double> y, double at) {
    const std::size_t n = std::min(x.size(), y.size());
    std::size_t i = 0;
    while (i < n && !(x[i] >= at)) ++i;
    if (i == 0 && n > 0 && x[0] == at) return {LoadAt::Status::Ok, y[0]};
    if (i == n || i == 0) return {LoadAt::Status::Beyond, 0.0};
    if (x[i] == x[i - 1]) return {LoadAt::Status::SameX, 0.0};
    return {LoadAt::Status::Ok, y[i - 1] + (y[i] - y[i - 1]) / (x[i] - x[i - 1]) * (at - x[i - 1])};
}

}  // namespace kvx::analysis
