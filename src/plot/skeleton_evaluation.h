// The skeleton evaluation that follows an all-data or region plot with the
// skeleton option: skeleton curve, characteristic values, editor hand-off,
// approximation, drawing, SKELTON.CSV, the elasto-plastic model of each side,
// the characteristics window and the ELASTO.CSV row, in this order.
#pragma once

#include "analysis/approximation.h"
#include "analysis/characteristics.h"
#include "analysis/elasto_file.h"
#include "analysis/elasto_plastic.h"
#include "analysis/skeleton_curve.h"
#include "plot/canvas.h"
#include "plot/graph_frame.h"
#include "ui/interaction.h"

#include <optional>
#include <string>
#include <vector>

namespace kvx::plot {

struct SkeletonOptions {
    bool editSkeleton = false;    // SKEdit "データ編集"
    bool wallEvaluation = false;  // CBKabe "壁倍率"
    bool fileOutput = false;      // CBFile: SKELTON.CSV and the ELASTO.CSV row
    bool elastoPlastic = false;   // PFPCheck "完全弾塑性"
    bool firstQuadrant = false;   // CheckBox33: the positive side only
    bool guideLines = false;      // the characteristics window's "Line Mark"
    int approximationDegree = 0;  // 0, 7, 9, 11, 13 or 99
    int xChannel = 1, yChannel = 1;  // graph channels of the plot
    std::string xName, yName;     // point names of the X and Y channels (CP932)
    analysis::PlotUnits units;    // as shown on the axes
    std::string resultDirectory;  // where SKELTON.CSV goes, ending in '/'
    std::string dataFileName;     // the data file as opened (UTF-8 path), for the ELASTO.CSV row
};

/// What the last skeleton evaluation left (held by the main window; the
/// editor and the wall evaluation work on it).
struct SkeletonState {
    analysis::SkeletonCurve curve;
    analysis::CharacteristicLabels labels;  // the characteristics window's texts
    analysis::Approximation approximation;
    std::vector<std::pair<std::string, std::string>> coefficientRows;
    analysis::RecordValues record;
    analysis::MeasuredValues measured, approximated;
    std::optional<analysis::ElastoResult> plus, minus;  // sides evaluated by the last run
    int xChannel = 0, yChannel = 0;  // graph channels the skeleton was taken from
    bool evaluated = false;
};

/// The windows the evaluation hands over to.
class SkeletonHost {
public:
    virtual ~SkeletonHost() = default;
    virtual void setEditorWallButton(bool enabled) = 0;  // the editor's "壁倍率"
    virtual void showEditor() = 0;                       // the skeleton editor, non-modal
    virtual void showCharacteristics() = 0;              // TCoeff
    virtual void uncheckFileOutput() = 0;                // CBFile
    /// The store was rebuilt or replaced by the curve's samples: an editor on
    /// screen must show (and so evaluate) what the store now holds.
    virtual void storeReplaced() {}
};

class NullSkeletonHost : public SkeletonHost {
public:
    bool editorShown = false, characteristicsShown = false, fileOutputCleared = false;
    bool wallButton = false;
    void setEditorWallButton(bool enabled) override { wallButton = enabled; }
    void showEditor() override { editorShown = true; }
    void showCharacteristics() override { characteristicsShown = true; }
    void uncheckFileOutput() override { fileOutputCleared = true; }
};

/// SKELTON.CSV's text for the stored points (load first), or nothing when a
/// value is not a finite number.
std::optional<std::string> skeletonFileText(const analysis::SkeletonCurve& curve, const SkeletonOptions& o);

/// Runs the evaluation over the plotted series `x`, `y` (rows from 0).
/// `elasto` is the open ELASTO.CSV (may be null when it is not open).
void runSkeletonEvaluation(std::span<const double> x, std::span<const double> y, const SkeletonOptions& options,
                           SkeletonState& state, Canvas& canvas, const FrameMapping& mapping, ui::Interaction& ia,
                           SkeletonHost& host, analysis::ElastoFile* elasto);

}  // namespace kvx::plot
