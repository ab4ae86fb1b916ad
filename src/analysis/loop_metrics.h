// What one hysteresis loop measures: its area (dissipated energy), the elastic
// energy of its extent, the equivalent damping ratio and stiffness, and its
// extreme points.
#pragma once

#include "analysis/extreme_points.h"

#include <optional>
#include <span>
#include <string>

namespace kvx::analysis {

/// Extent over rows s+1 ... e-1, single precision as the loop values have
/// always been kept; starts at -+1,000,000.
struct LoopExtent {
    float Xmax = -1000000.0f, Xmin = 1000000.0f, Ymax = -1000000.0f, Ymin = 1000000.0f;
};

LoopExtent loopExtent(std::span<const double> x, std::span<const double> y, int s, int e);

/// Sum over i = s+1 ... e-1 of (Y[i] - Y[i-1]) * X[i]: signed by the sense of
/// traversal, not closed back to row s.
double loopArea(std::span<const double> x, std::span<const double> y, int s, int e);

struct LoopValues {
    int from = 0;          // first row, numbered from 1 (s + 1)
    int to = 0;            // last row, numbered from 1 (e)
    double area = 0.0;     // |dW|
    float W = 0.0f;        // elastic energy of the extent
    std::optional<float> heq;  // nothing when W is 0
    std::optional<float> K;    // nothing when the highest and lowest points share their X
    Extremes extremes;     // over rows max(s-1, 0) ... e-1
};

/// Values of the loop of rows s ... e-1 (row indices from 0) given the area
/// accumulated while it was drawn.
LoopValues loopValues(std::span<const double> x, std::span<const double> y, int s, int e, double signedArea);

/// The pause window's texts: area with 2 decimals or as many as give 3
/// significant digits, damping ratio with 3, stiffness with 6 (empty where the
/// value does not exist).
std::string areaText(const LoopValues& v);
std::string dampingText(const LoopValues& v);
std::string stiffnessText(const LoopValues& v);

/// Fixed notation with `digits` decimals after rounding to `precision`
/// significant digits; scientific when the integer part has more digits.
std::string fixedText(double value, int precision, int digits);

}  // namespace kvx::analysis
