// Extreme point search.
#include "analysis/extreme_points.h"

#include <algorithm>
#include <cmath>

namespace kvx::analysis {

Extremes extremePoints(std::span<const double> x, std::span<const double> y, int first, int last) {
    Extremes e;
    double ymax = -1e20, ymin = 1e20, xmax = -1e20, xmin = 1e20;
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(std::min(x.size(), y.size())) - 1);
    for (int i = first; i <= last; ++i) {
        const double xi = x[static_cast<std::size_t>(i)], yi = y[static_cast<std::size_t>(i)];
        if (yi > ymax) ymax = yi, e.Ymax_x = xi, e.Ymax_y = yi;
        if (yi < ymin) ymin = yi, e.Ymin_x = xi, e.Ymin_y = yi;
        if (xi > xmax) xmax = xi, e.Xmax_x = xi, e.Xmax_y = yi;
        if (xi < xmin) xmin = xi, e.Xmin_x = xi, e.Xmin_y = yi;
    }
    e.Yave_x = (std::fabs(e.Ymax_x) + std::fabs(e.Ymin_x)) * 0.5;
    e.Yave_y = (std::fabs(e.Ymax_y) + std::fabs(e.Ymin_y)) * 0.5;
    e.Xave_x = (std::fabs(e.Xmax_x) + std::fabs(e.Xmin_x)) * 0.5;
    e.Xave_y = (std::fabs(e.Xmax_y) + std::fabs(e.Xmin_y)) * 0.5;
    return e;
}

}  // namespace kvx::analysis
