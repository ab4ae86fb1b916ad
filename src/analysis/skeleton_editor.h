// The skeleton editor's operations on the skeleton store: its own view
// scales, sorting, adding, picking, deleting, moving and thinning points, and
// the elasto-plastic evaluation of the edited points with its label texts.
#pragma once

#include "analysis/characteristics.h"
#include "analysis/skeleton_curve.h"

#include <map>
#include <optional>
#include <span>
#include <string>

namespace kvx::analysis {

/// Scale of an editor axis for the largest magnitude `maximum`: the first
/// s = m 10^k (k = -10, -9, ...; m = 1, 1.5, 2, 2.5, 5) with maximum <= 2 s
/// and maximum > s. Nothing for a maximum of exactly 0 (the caller warns and uses 1).
std::optional<double> editorScale(double maximum);

/// The editor's picture: W x H pixels showing -2 sx ... 2 sx (or 0 ... 2 sx in
/// the first quadrant) and likewise in Y.
struct EditorView {
    int width = 0, height = 0;
    double sx = 1, sy = 1, x0 = 0, y0 = 0;
    double px = 0, py = 0;  // pixels per scale unit

    static EditorView make(int width, int height, double sx, double sy, bool firstQuadrant);
    /// Truncated toward zero.
    std::pair<int, int> toPixel(double x, double y) const;
    std::pair<double, double> toData(int pixelX, int pixelY) const;
};

/// Exchange sort by X that swaps when X[i] > X[j] (equal X keep their order), first `count` points.
void sortEditorPoints(SkeletonCurve& curve);

enum class AddResult { Added, StoreFull, SameX };
/// Inserts (x, y) in front, at the end or between the first neighbours with
/// X[j] < x < X[j+1]. A point on the X of an existing point goes right after
/// the last point with that X (no gap exists there otherwise).
AddResult addEditorPoint(SkeletonCurve& curve, double x, double y, int* insertedAt = nullptr);

/// The first point in store order whose X and Y both lie within +-dx, +-dy of (x, y).
std::optional<int> pickEditorPoint(const SkeletonCurve& curve, double x, double y, double dx, double dy);
void deleteEditorPoint(SkeletonCurve& curve, int index);
void moveEditorPoint(SkeletonCurve& curve, int index, double x, double y);

/// Thinning to N = 25, 50, 75 or 100 intervals: the first point, per interval
/// the point of largest |load| (first of equals), the last point.
void thinEditorPoints(SkeletonCurve& curve, int intervals);

/// What the editor's evaluation hands to the wall evaluation (all zero before one).
struct WallHandOff {
    bool evaluated = false;
    double Py = 0, gy = 0, Pu = 0, gv = 0, gu = 0;
};

/// The editor's elasto-plastic evaluation of the first `count` points (positive side).
struct EditorEvaluation {
    int reached = 0;  // the last step completed (1 ... 8); construction lines need 4
    double Pmax = 0, gm = 0, X01 = 0, X04 = 0, X09 = 0, k1 = 0, k2 = 0, Tx = 0, Ty = 0;
    double xc = 0, Py = 0, gy = 0, K = 0;
    float du = 0;
    double P8x = 0, P8y = 0, S = 0, dv = 0, Pu = 0;
    std::optional<double> mu, Ds;  // Ds only for mu > 0.5
    /// Label texts by name ("Label5" ... "Label21"), CP932 (units come from the file).
    std::map<std::string, std::string> labels;
    /// The message that stopped the evaluation, if any.
    std::optional<StepFailure> failure;
    bool exclamation = false;  // the failure's icon
    WallHandOff handOff;       // filled when the evaluation completed
};

EditorEvaluation evaluateEditorPoints(std::span<const double> x, std::span<const double> y, const PlotUnits& units);

/// The label names the evaluation writes (Label5 ... Label21), for clearing.
const std::vector<std::string>& editorResultLabels();

/// "%d/%02d/%02d  %02d:%02d.%02d" of the local time now.
std::string timeStamp();

}  // namespace kvx::analysis
