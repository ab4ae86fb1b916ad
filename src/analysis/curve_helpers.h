// Small rules on a load-deformation curve (ascending X) shared by the
// characteristic values, the elasto-plastic model and the wall evaluation.
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace kvx::analysis {

/// First index whose value is strictly larger than every value before it,
/// searching from -1e-10 (so all values <= -1e-10 give index 0). 0 for no values.
std::size_t indexOfMax(std::span<const double> v);
/// The same with strictly smaller, searching from 1e-10.
std::size_t indexOfMin(std::span<const double> v);

/// Index of the first point with Y >= level, or nothing.
std::optional<std::size_t> levelCrossing(std::span<const double> y, double level);

/// Deformation where the curve first reaches `level`, interpolated on the
/// crossing segment (i-1, i). Nothing when no point reaches it, when the very
/// first point already does (no segment), or when the segment is flat.
std::optional<double> deformationAtLevel(std::span<const double> x, std::span<const double> y, double level);

/// The curve seen from the negative side: X'[i] = -X[N-1-i], Y'[i] = -Y[N-1-i].
struct Curve {
    std::vector<double> x, y;
};
Curve mirrored(std::span<const double> x, std::span<const double> y);

/// Load at deformation `at`: interpolated on (i-1, i) with i the first point
/// with X[i] >= at.
struct LoadAt {
    enum class Status { Ok, Beyond, SameX } status = Status::Ok;
    double load = 0.0;
};
/// Beyond: no such point, or the first point already lies at or past `at`
/// (no segment to interpolate on). SameX: the two points share their X.
LoadAt loadAtDeformation(std::span<const double> x, std::span<const double> y, double at);

}  // namespace kvx::analysis
