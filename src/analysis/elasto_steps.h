// The construction steps shared by the elasto-plastic model and the skeleton
// editor's evaluation of it.
#pragma once

#include <optional>
#include <span>

namespace kvx::analysis {

/// Deformations at 0.1, 0.4 and 0.9 Pmax, when X01 < X04 < X09.
struct LevelDeformations {
    double X01 = 0, X04 = 0, X09 = 0;
};
std::optional<LevelDeformations> levelDeformations(std::span<const double> x, std::span<const double> y, double Pmax);

/// The point touched by line III: line II (slope k2 through X04, 0.4 Pmax)
/// raised in steps of (0.9 - 0.4) Pmax / 20 while a candidate still lies above it.
struct TangentPoint {
    double x = 0, y = 0;
};
std::optional<TangentPoint> tangentPoint(std::span<const double> x, std::span<const double> y, double Pmax, double X04,
                                         double k2);

/// The fall through 0.8 Pmax after the 0.98 Pmax point, and the area up to it.
struct UltimatePoint {
    float du = 0;           // single precision
    std::size_t index = 0;  // the segment (index, index + 1)
    double S = 0;           // area under the curve from deformation 0 to du
};
std::optional<UltimatePoint> ultimatePoint(std::span<const double> x, std::span<const double> y, double Pmax);

}  // namespace kvx::analysis
