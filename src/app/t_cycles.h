// The cycle evaluation window "サイクル評価": the cycles and amplitude levels
// of the main graph's record, three small plots of them, the Japanese, ASTM
// E2126 and EN 12512 values of each side side by side, and the envelope and
// bilinear curves of the codes drawn over the main graph. The numbers come
// from analysis::analyzeCycles / evaluateCodes, the texts and pictures from
// plot/cycle_plots; the files are those of kurvadex-batch --cycles --methods.
#pragma once

#include "analysis/code_methods.h"
#include "analysis/cycle_metrics.h"
#include "analysis/elasto_plastic.h"
#include "analysis/skeleton_editor.h"
#include "plot/cycle_plots.h"
#include "plot/graph_frame.h"
#include "ui/interaction.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QImage;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kvx::app {

class CyclePlotView;

/// What the window reads from the main window each time it evaluates.
struct CycleRecord {
    bool drawn = false;            // a graph of the current data has been drawn
    std::span<const double> x, y;  // the work arrays of the last plot pass, one value per row
    plot::CycleUnits units;
    /// The last skeleton evaluation's models, only when it ran on this record.
    std::optional<analysis::ElastoResult> japanesePlus, japaneseMinus;
    std::optional<analysis::EditorEvaluation> editor;  // the skeleton editor's, likewise
    std::string folder;  // the data file's folder, ending in '/' (empty before a file)
};

class TCycles : public QDialog {
    Q_OBJECT
public:
    TCycles(std::function<CycleRecord()> record, ui::Interaction& interaction, QWidget* parent = nullptr);

    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }

    /// After a Graph command: when the graph shows the record this window
    /// evaluated, the envelope and bilinear curves the boxes ask for go over
    /// it through `mapping`. `canvas` is null for a graph that is not of the
    /// whole record (step and loop modes). A graph of another record is told
    /// on the window and gets no curves until "再計算".
    void graphDrawn(plot::Canvas* canvas, const plot::FrameMapping& mapping);
    /// Either box is checked.
    bool overlayWanted() const;

    /// Whether the window holds an evaluation (a graph was there to evaluate).
    bool evaluated() const { return m_evaluated; }
    const analysis::CycleAnalysis& cycles() const { return m_cycles; }
    const analysis::CodeEvaluation& codes() const { return m_codes; }
    const plot::MethodComparison& comparison() const { return m_comparison; }
    /// The pictures of the three plots: 0 energy, 1 stiffness, 2 damping.
    const QImage& plotImage(int index) const;

    QDoubleSpinBox* EditTolerance = nullptr;  // "振幅の許容差": cycles within it of a level's first amplitude belong to it
    QPushButton* Button1 = nullptr;           // "再計算"
    QLabel* StatusLabel = nullptr;            // what was evaluated, or that the graph has changed since
    QTableWidget* CycleTable = nullptr;       // a row per cycle
    QTableWidget* LevelTable = nullptr;       // a row per amplitude level
    QTableWidget* ComparisonTable = nullptr;  // row 0 the sides, then a row per method
    QLabel* Notes = nullptr;                  // what the marks in the comparison mean
    QCheckBox* CheckEnvelope = nullptr;       // "包絡線": the codes' envelope over the main graph
    QCheckBox* CheckBilinear = nullptr;       // "等価バイリニア": EEEP and EN 12512 over the main graph
    QPushButton* Button2 = nullptr;           // "コピー": the cycle table to the clipboard
    QPushButton* Button3 = nullptr;           // "ファイル保存": CYCLES.CSV and METHODS.CSV
    QPushButton* Button4 = nullptr;           // "閉じる"

signals:
    /// A box was checked or unchecked, or a new evaluation replaced what the
    /// curves show: the main graph is to be drawn again.
    void overlayChanged();

public slots:
    void Button1Click();  // evaluates the record as the main window has it now
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void render();
    void renderComparison();
    void showStatus();
    /// Told when there is nothing to copy or save; true when there is.
    bool haveEvaluation();

    std::function<CycleRecord()> m_record;
    ui::Interaction* m_interaction;
    std::array<CyclePlotView*, 3> m_plots{};

    bool m_evaluated = false;
    bool m_stale = false;  // a graph of another record was drawn since
    std::vector<double> m_x, m_y;  // the record evaluated
    plot::CycleUnits m_units;
    std::string m_folder;
    analysis::CycleAnalysis m_cycles;
    analysis::CodeEvaluation m_codes;
    plot::MethodComparison m_comparison;
};

}  // namespace kvx::app
