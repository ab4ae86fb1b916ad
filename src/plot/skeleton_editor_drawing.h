// What the skeleton editor draws on its picture: the view (frame, centre
// lines, the record in cyan, axis end values), the XOR point markers, point
// numbers, the evaluation's construction lines and bilinear model, and the
// title lines.
#pragma once

#include "analysis/skeleton_editor.h"
#include "plot/canvas.h"

#include <span>
#include <string>

namespace kvx::plot {

inline constexpr int kEditorMarkerRadius = 4;

/// Steps 1-3 of showing the editor: white picture, green frame and centre
/// lines, the record as a cyan polyline, the axis end values with units (font 12).
void drawEditorView(Canvas& canvas, const analysis::EditorView& view, std::span<const double> recordX,
                    std::span<const double> recordY, const analysis::PlotUnits& units, bool firstQuadrant);

/// Sets the exclusive-or cyan pen and black brush the markers are drawn with.
void selectMarkerPen(Canvas& canvas);
/// One marker (a circle of radius 4) at a data point; drawing it twice removes it.
void drawEditorMarker(Canvas& canvas, const analysis::EditorView& view, double x, double y);
/// Every point of the store (the first `count`).
void drawEditorMarkers(Canvas& canvas, const analysis::EditorView& view, const analysis::SkeletonCurve& curve);
/// The index of each point beside it (white brush, font size 7).
void drawPointNumbers(Canvas& canvas, const analysis::EditorView& view, const analysis::SkeletonCurve& curve);

/// Construction lines (when `construction`) and the green bilinear model of a
/// completed evaluation; nothing for an evaluation that stopped before its model.
void drawEditorEvaluation(Canvas& canvas, const analysis::EditorView& view, const analysis::EditorEvaluation& e,
                          bool construction);

/// The data-file line and the time stamp at (100, 10) and (100, 30).
void drawEditorTitle(Canvas& canvas, const std::string& dataFileName, int xChannel, int xSign, int ySign,
                     const std::string& stamp);

}  // namespace kvx::plot
