// The extreme points of a range of rows: highest, lowest, rightmost and
// leftmost point and their averages (min/max labels, loop values).
#pragma once

#include <span>

namespace kvx::analysis {

struct Extremes {
    double Ymax_x = 0, Ymax_y = 0, Ymin_x = 0, Ymin_y = 0;
    double Xmax_x = 0, Xmax_y = 0, Xmin_x = 0, Xmin_y = 0;
    double Yave_x = 0, Yave_y = 0, Xave_x = 0, Xave_y = 0;
};

/// Rows first ... last, both included (row indices from 0, clamped to the
/// arrays). Among equal values the first row wins.
Extremes extremePoints(std::span<const double> x, std::span<const double> y, int first, int last);

}  // namespace kvx::analysis
