// Point picking on the graph: a clicked pixel read back as data values, their
// texts for the point value window, the deformation angle as "1/n", the row
// shown near the click, and the legend box that a click may grab instead.
#pragma once

#include "plot/canvas.h"
#include "plot/graph_command.h"
#include "plot/graph_frame.h"

#include <optional>
#include <span>
#include <string>

namespace kvx::plot {

/// A value as the point value window shows it: "%.6f" without trailing zeros
/// and without a trailing point (12.5 -> "12.5", 3 -> "3").
std::string pickValueText(double value);

/// The "1/n" text of `value` on an axis whose unit is `unit` (CP932 bytes).
/// A single blank unless the unit is exactly "rad"; empty for 0;
/// otherwise " 1/200.00 rad" or "-1/100.00 rad".
std::string angleText(double value, const std::string& unit);

/// The first row index i in [first, end) (indices from 0) whose work-array point
/// lies within xStep/30 and yStep/30 of `at`, both strictly. The range is cut to
/// the arrays, so a stale region cannot read past them.
std::optional<int> findRowNear(std::span<const double> X, std::span<const double> Y, int first, int end,
                               DataPoint at, double xStep, double yStep);

/// True when `p` lies strictly inside the legend box: a click on its border is a pick, not a drag.
bool insideLegend(Pixel p, Pixel legendTopLeft, PixelSize legendSize);

/// Where a dragged legend box goes for the pointer at `pointer`: its top-left
/// corner at the pointer, kept on the picture so it can always be grabbed again.
Pixel legendDragPosition(Pixel pointer, PixelSize legendSize, PixelSize picture);

/// What a pick shows.
struct PickedPoint {
    DataPoint value;
    std::string valuex;  // value text, one blank, the X unit without leading blanks (CP932 bytes)
    std::string valuey;
    std::string radx;    // angleText of x on the X unit
    std::string rady;
    std::optional<int> rowIndex;  // the row found, from 0
    std::string rowMessage;       // the window's row line (UTF-8)
};

/// Reads a click at `p` against what the last Graph command left in `state`: its
/// frame and placement, its work arrays and the rows it showed last (region
/// start ... region end - 1 as indices). `rowCount` bounds the search.
PickedPoint pickPoint(const GraphState& state, Pixel p, int rowCount);

}  // namespace kvx::plot
