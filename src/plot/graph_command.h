// The Graph command: the program's single redraw path. It validates the channel
// choice and runs one plot pass per display channel, in the display mode chosen.
#pragma once

#include "analysis/loop_metrics.h"
#include "data/measurement_data.h"
#include "plot/canvas.h"
#include "plot/graph_frame.h"
#include "plot/line_styles.h"
#include "plot/series.h"
#include "plot/skeleton_evaluation.h"
#include "ui/interaction.h"

#include <array>
#include <string>
#include <vector>

namespace kvx::plot {

enum class DisplayMode { All = 0, Step = 1, Loop = 2, Region = 3 };  // RGStep items
enum class LoopJudgment { ZeroLevel, ExtremaPlus, ExtremaMinus };

/// Everything the command reads from the main window's controls, copied right before it runs.
struct GraphOptions {
    bool dataLoaded = false;
    DisplayMode mode = DisplayMode::All;
    int mainChannel = 1;                    // RGmainch item + 1
    bool mainOnX = false;                   // RGmainaxis item 0 ("X 軸")
    std::array<bool, 16> channelChecked{};  // CheckBox1 ... CheckBox16
    std::array<bool, 16> signInverted{};    // CheckBox17 ... CheckBox32
    bool smooth = false;                    // CBSmooth
    int SmoothingSize = 3;
    int StepSize = 200;
    int MarkInterval = 20;
    bool marks = false;                     // CBCircle
    bool envelope = false;                  // CBEnvelope
    bool fixedAxes = false;                 // CBFixed
    bool fileOutput = false;                // CBFile
    bool skeleton = false;                  // SkeltonCheck
    bool legend = true;                     // CBExp
    std::array<bool, 4> minMax{false, false, false, true};  // CBMax1 ... CBMax4
    bool colorDisplay = true;               // CBColor
    bool boldAll = false;                   // CBBold
    LoopJudgment judgment = LoopJudgment::ZeroLevel;
    FrameOptions frame;                     // origin, scale, titles, full scale, 1/n labels, axes
    LineStyles styles;
    Pixel legendPosition{350, 80};
    std::string resultDirectory;            // where LOOP.CSV and SKELTON.CSV go (the data file's folder), ending in '/'
    std::string dataFileName;               // the data file as opened (for the ELASTO.CSV row)
    // The skeleton evaluation (all-data and region modes with `skeleton`).
    bool editSkeleton = false;              // SKEdit
    bool wallEvaluation = false;            // CBKabe
    bool elastoPlastic = false;             // PFPCheck
    bool guideLines = false;                // the characteristics window's LineCheck
    int ApproximationDegree = 0;
};

/// What the command keeps between runs (held by the main window).
struct GraphState {
    int regionStart = 1;  // the region rows (DisplayRange); each pass overwrites them
    int regionEnd = 200;
    int lastFirst = 1;    // last plotted row range, numbered from 1 (read by printing)
    int lastLast = 0;
    GraphFrame frame;
    FramePlacement place;
    bool angleGraph = false;  // X unit of the frame is "rad"
    Pixel legendPosition;     // where the legend was drawn: left of the requested place when that would not fit
    PixelSize legendSize;
    bool legendShown = false;
    int continueFlag = 0;     // set by the pause window's buttons only
    int backFlag = 0;
    std::vector<double> X = std::vector<double>(data::kMaxRows, 0.0);  // work arrays of the last pass
    std::vector<double> Y = std::vector<double>(data::kMaxRows, 0.0);
    Extremes firstPassExtremes;  // of the shown rows of the first pass
    std::vector<analysis::LoopValues> loops;  // loop mode: every loop the first pass showed, in order
    SkeletonState skeleton;                   // what the last skeleton evaluation left
    bool drewSomething = false;
};

/// The window around the picture, as far as the command needs it.
class GraphHost : public SkeletonHost {
public:
    virtual void setBusy(bool busy) = 0;                  // hourglass cursor
    virtual void showRowLabel(const std::string& text) = 0;  // Label5
    virtual void uncheckForStepAndLoop() = 0;  // CBEnvelope, SkeltonCheck, SKEdit, PFPCheck, without redrawing
    virtual void uncheckFileOutput() = 0;      // CBFile
    virtual void pictureChanged() = 0;         // show the picture as drawn so far (before a pause)
    virtual bool alwaysCopyOnPause() const = 0;   // the pause window's "コピー" box
    virtual void copyPictureToClipboard() = 0;
    virtual analysis::ElastoFile* elastoFile() = 0;  // ELASTO.CSV, open while the program runs
};

/// A host that ignores everything (batch, tests that do not care).
class NullGraphHost : public GraphHost {
public:
    std::string rowLabel;
    analysis::ElastoFile* elasto = nullptr;
    analysis::ElastoFile* elastoFile() override { return elasto; }
    void setEditorWallButton(bool) override {}
    void showEditor() override {}
    void showCharacteristics() override {}
    void setBusy(bool) override {}
    void showRowLabel(const std::string& text) override { rowLabel = text; }
    void uncheckForStepAndLoop() override {}
    void uncheckFileOutput() override {}
    void pictureChanged() override {}
    bool alwaysCopyOnPause() const override { return false; }
    void copyPictureToClipboard() override {}
};

/// The light grey of the faint trace under an envelope (the window's button face).
inline constexpr Rgb kButtonFace{240, 240, 240};

/// Runs the Graph command over `data` with `options`, drawing on `canvas`.
/// Messages and pauses go through `ia`; window updates through `host`.
void runGraphCommand(const data::MeasurementData& data, const GraphOptions& options, GraphState& state,
                     Canvas& canvas, ui::Interaction& ia, GraphHost& host);

}  // namespace kvx::plot
