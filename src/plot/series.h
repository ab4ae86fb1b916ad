// What a plot pass draws along a channel's polyline: its pen, smoothing, marks,
// envelope, extreme points with their labels, and the legend.
#pragma once

#include "analysis/extreme_points.h"
#include "data/measurement_data.h"
#include "plot/canvas.h"
#include "plot/graph_frame.h"
#include "plot/line_styles.h"

#include <span>
#include <vector>

namespace kvx::plot {

/// The series pen of a channel (1-based): its colour (black with colour display
/// off), 2 pixels wide when its style or "bold (all)" says so.
Pen seriesPen(int channel, const LineStyles& styles, bool colorDisplay, bool boldAll);

/// Centred moving average with window `window` (odd), padded at both ends by
/// the values mirrored about the first and last value. Fewer rows than the
/// padding needs: the padding is clamped to the ends.
void Smooth(std::span<double> values, int window);

enum class MarkShape { Circle = 0, Cross = 1, Triangle = 2 };
/// Mark shape of the plot pass with this index (position in the display list).
constexpr MarkShape markShapeOf(int passIndex) { return static_cast<MarkShape>(passIndex % 3); }

/// Draws a mark around p with the current pen, then moves back to p.
void drawMark(Canvas& canvas, Pixel p, MarkShape shape);

/// The envelope polygon of rows from ... to-1: 256 upper vertices left to right,
/// then 256 lower vertices right to left (data coordinates). Empty for an empty range.
std::vector<DataPoint> envelopePolygon(std::span<const double> x, std::span<const double> y, int from, int to);
/// The same polygon by its definition: every window scans every row. Slow (256 scans
/// of the rows at least); envelopePolygon falls back to it for NaN and infinities.
std::vector<DataPoint> envelopePolygonByScanning(std::span<const double> x, std::span<const double> y, int from,
                                                 int to);

/// Draws the closed envelope polygon in `color`, 2 pixels wide, then sets the width back to 1.
void drawEnvelope(Canvas& canvas, const FrameMapping& mapping, const std::vector<DataPoint>& polygon, Rgb color);

using analysis::Extremes;
using analysis::extremePoints;

/// Width of the graph picture (Image1) in pixels: texts drawn on it must end left of it.
inline constexpr int kPictureWidth = 544;

/// The left edge for a block `width` pixels wide that should start at `x`:
/// `x` when the block fits into the picture, else as far left as it must go
/// to end at the picture's right edge (never left of 0).
int leftToFit(int x, int width);

/// The six "Ymax (...)" lines at the label offset of the checked min/max box,
/// moved left when the longest line would pass the picture's right edge.
void drawMinMaxLabels(Canvas& canvas, const Extremes& e, Pixel offset, const GraphFrame& frame, FramePlacement place);

struct LegendBox {
    Pixel position;  // top-left corner as drawn
    PixelSize size;
};

/// The legend: a box at `position` with one line per display channel (1-based),
/// moved left when it would pass the picture's right edge. Returns where it
/// was drawn and its size, kept for dragging.
LegendBox drawLegend(Canvas& canvas, std::span<const int> displayChannels, const data::ChannelHeader& header,
                     Pixel position, const LineStyles& styles, bool colorDisplay, bool boldAll, bool marks);

}  // namespace kvx::plot
