// The skeleton curve: for each deformation reached for the first time, the
// load carried there, cleaned into a list ascending in X.
#pragma once

#include <span>
#include <vector>

namespace kvx::analysis {

/// The store every later evaluation reads: 1500 slots. `count` is always the
/// number of points the store holds: the skeleton points, or the 300 samples
/// of the fitted curve once an approximation has replaced them. Counting the
/// skeleton points over the samples would make the editor and the wall
/// evaluation read a truncated curve (or a leftover skeleton point as a sample).
struct SkeletonCurve {
    static constexpr int kSlots = 1500;
    static constexpr int kApproximationSamples = 300;
    std::vector<double> X = std::vector<double>(kSlots, 0.0);
    std::vector<double> Y = std::vector<double>(kSlots, 0.0);
    int count = 0;
    /// The skeleton points the approximation was fitted to (equal to `count` without one).
    int skeletonPoints = 0;
    bool approximated = false;

    int stored() const { return count; }
    std::span<const double> storedX() const { return std::span<const double>(X).first(static_cast<std::size_t>(count)); }
    std::span<const double> storedY() const { return std::span<const double>(Y).first(static_cast<std::size_t>(count)); }
};

/// A list of points being reduced step by step.
struct PointList {
    std::vector<double> x, y;
    std::size_t size() const { return x.size(); }
    void push(double px, double py) { x.push_back(px), y.push_back(py); }
};

/// Envelope: the origin, then every row that reaches a new largest positive X
/// with a load >= 0 or a new smallest negative X with a load <= 0, in record order.
PointList envelopePoints(std::span<const double> x, std::span<const double> y);
/// Ascending X, each run of equal X in reverse order: the result of the exchange
/// sort that swaps whenever X[j] >= X[k] for j < k. X holds no NaN (the envelope
/// never takes one).
void exchangeSort(PointList& p);
/// Collapses runs of equal X into one point with the mean load of the run.
void mergeEqualX(PointList& p);
/// Drops steep points: thresholds 5, 25, 125, ... until 80 % of the points pass.
void slopeFilter(PointList& p);
/// Removes local dips in magnitude (positive side dips, negative side peaks) until none is left.
void removeDents(PointList& p);
/// 301 bins of equal width between the first and last X; each non-empty bin
/// gives its centre and the mean load of its points.
void resample(PointList& p);

/// All five steps from the record's rows.
PointList skeletonPoints(std::span<const double> x, std::span<const double> y);

}  // namespace kvx::analysis
