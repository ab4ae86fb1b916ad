// What the skeleton editor and the wall evaluation read from the main window:
// the skeleton store they work on, the record of the last plot pass, and what
// the last skeleton evaluation knew about that record.
#pragma once

#include "analysis/characteristics.h"
#include "analysis/skeleton_curve.h"
#include "analysis/wall_evaluation.h"
#include "data/measurement_data.h"

#include <span>

namespace kvx::app {

/// Taken when a skeleton evaluation runs, so that the editor and the wall
/// evaluation describe the record the skeleton came from even when the
/// controls have changed since.
struct SkeletonContext {
    analysis::PlotUnits units;    // the plot's Y (load) and X units, CP932, leading blanks stripped
    bool firstQuadrant = false;   // CheckBox33 "第一象限"
    analysis::WallSource source;  // data file name, X channel, polarity factors
    data::ForceUnit forceUnit = data::ForceUnit::kN;
};

class SkeletonSource {
public:
    virtual ~SkeletonSource() = default;
    /// The main window's store; both windows change it in place.
    virtual analysis::SkeletonCurve& skeletonCurve() = 0;
    /// The work arrays of the last plot pass (one value per data row).
    virtual std::span<const double> recordX() const = 0;
    virtual std::span<const double> recordY() const = 0;
    virtual const SkeletonContext& skeletonContext() const = 0;
};

}  // namespace kvx::app
