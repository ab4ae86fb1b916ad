// What the skeleton editor draws on its picture: the view (frame, centre
// lines, the record in cyan, axis end values), the XOR point markers, point
// numbers, the evaluation's construction lines and bilinear model with the
// title lines; and the edited skeleton with its model on the main graph.
#pragma once

#include "analysis/skeleton_editor.h"
#include "plot/canvas.h"
#include "plot/graph_frame.h"

#include <span>
#include <string>
#include <vector>

namespace kvx::plot {

inline constexpr int kEditorMarkerRadius = 4;

/// Construction lines and their texts: a dark yellow, because the plain yellow
/// of old vanishes on the white picture.
inline constexpr Rgb kConstructionColor{170, 125, 0};

/// Where a text stands on a picture: its top-left corner and extent in pixels.
struct TextBox {
    Pixel topLeft;
    PixelSize size;

    int right() const { return topLeft.x + size.width; }    // exclusive
    int bottom() const { return topLeft.y + size.height; }  // exclusive
    bool overlaps(const TextBox& other) const {
        return topLeft.x < other.right() && other.topLeft.x < right() && topLeft.y < other.bottom() &&
               other.topLeft.y < bottom();
    }
};

/// A text on a picture and where it stands.
struct PictureText {
    TextBox box;
    std::string text;
    TextEncoding encoding = TextEncoding::Utf8;
};

/// Steps 1-3 of showing the editor: white picture, green frame and centre
/// lines, the record as a cyan polyline, the axis end values with units (font
/// 12). Returns the axis end values, so that later texts keep clear of them.
std::vector<PictureText> drawEditorView(Canvas& canvas, const analysis::EditorView& view,
                                        std::span<const double> recordX, std::span<const double> recordY,
                                        const analysis::PlotUnits& units, bool firstQuadrant);

/// Sets the exclusive-or cyan pen and black brush the markers are drawn with.
void selectMarkerPen(Canvas& canvas);
/// One marker (a circle of radius 4) at a data point; drawing it twice removes it.
void drawEditorMarker(Canvas& canvas, const analysis::EditorView& view, double x, double y);
/// Every point of the store (the first `count`).
void drawEditorMarkers(Canvas& canvas, const analysis::EditorView& view, const analysis::SkeletonCurve& curve);
/// The index of each point beside it (white brush, font size 7).
void drawPointNumbers(Canvas& canvas, const analysis::EditorView& view, const analysis::SkeletonCurve& curve);

/// The lines written at the top left after an evaluation.
struct EditorTitle {
    std::string dataFileName;
    int xChannel = 1;
    int xSign = 1, ySign = 1;  // polarity factors of the X and Y channels
    std::string stamp;         // analysis::timeStamp() of the evaluation
};

/// What a completed evaluation of the points of `curve` adds to the picture:
/// the construction lines (when `construction`), the green bilinear model,
/// then the title lines at (100, 10) and (100, 30). Nothing for an evaluation
/// that stopped before its model.
///
/// Each text is wanted at the data point the evaluation names for it; where
/// that runs off the picture or onto another text, it slides along its own
/// line to the nearest free place, so that every text stays inside the view
/// and clear of the others, of `viewTexts` and of the title; it also keeps
/// off the point markers and the model where its line leaves room. An axis end
/// value the title would cover is written again just below the title.
void drawEditorEvaluation(Canvas& canvas, const analysis::EditorView& view, const analysis::EditorEvaluation& e,
                          const analysis::SkeletonCurve& curve, bool construction, const EditorTitle& title,
                          std::span<const PictureText> viewTexts);

/// The edited points drawn as the main graph draws a skeleton (black, width
/// 2) and the editor's bilinear model (green, width 2), through the main
/// graph's mapping.
void drawEditedSkeleton(Canvas& canvas, const FrameMapping& mapping, const analysis::SkeletonCurve& curve,
                        const analysis::EditorEvaluation& e);

}  // namespace kvx::plot
