// What the cycle evaluation shows: the texts of the cycle, level and method
// comparison tables, the three small plots of the cycles (cumulative energy,
// secant stiffness, equivalent damping) and the code methods' envelope and
// bilinear curves drawn over the main graph. The window and the report take
// their texts from here, so that both show the same numbers.
#pragma once

#include "analysis/characteristics.h"
#include "analysis/code_methods.h"
#include "analysis/cycle_metrics.h"
#include "analysis/elasto_plastic.h"
#include "analysis/skeleton_editor.h"
#include "plot/canvas.h"
#include "plot/graph_frame.h"
#include "plot/series_chart.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kvx::plot {

/// Units as the graph's axes show them, UTF-8 without brackets ("kN", "rad").
struct CycleUnits {
    std::string load = "kN";
    std::string deformation = "mm";
};

/// `value` with at least `significant` significant digits and no exponent for
/// the magnitudes of a test (0.0333 rad reads "0.03333", never "0.03" or
/// "0.00"; 1741.7 kN/rad reads "1742"). "0" for zero, "-" for a non-number.
std::string significantText(double value, int significant = 4);

// Tables ------------------------------------------------------------------------------

/// Headings of the cycle table: 番号, 行, レベル, X⁺, X⁻, F⁺, d⁺, F⁻, d⁻, E_d, 累積, K_s, ν_eq (with units).
std::vector<std::string> cycleHeadings(const CycleUnits& units);
/// One cycle (`index` from 0) as its table row; a value that does not exist is empty.
std::vector<std::string> cycleRowTexts(const analysis::Cycle& c, int index);
/// The cycle table as text: the headings, then a line per cycle, cells separated by tabs.
std::string cycleTableText(const analysis::CycleAnalysis& a, const CycleUnits& units);

/// Headings of the level table: レベル, 振幅 X⁺, 振幅 X⁻, サイクル数, F1, F3, ΔF of each side.
std::vector<std::string> levelHeadings(const CycleUnits& units);
/// One level (`index` from 0); ΔF as a percentage of F1.
std::vector<std::string> levelRowTexts(const analysis::Level& l, int index);

// The comparison of methods --------------------------------------------------------------

enum ComparisonColumn { kYieldLoad, kYieldDeformation, kUltimateDeformation, kDuctility, kUltimateLoad, kDs };
inline constexpr int kComparisonColumns = 6;

/// One method on one side: its values, or the message that refused it.
struct MethodSide {
    std::array<std::optional<double>, kComparisonColumns> values{};
    bool ultimateAtLastPoint = false;  // the load never fell to 0.8 of the peak: δu is the envelope's last point
    bool yieldFallback = false;        // ASTM: no equal-energy solution, Pyield = 0.85 Ppeak
    std::string message;               // UTF-8; when not empty the side has no values
};

struct ComparisonRow {
    std::string method;  // UTF-8
    std::array<MethodSide, 2> sides;  // plus, minus
};

struct MethodComparison {
    std::vector<ComparisonRow> rows;
    std::vector<std::string> notes;  // what the marks in the cells mean (only the marks used)
};

/// Whether a skeleton evaluation whose record values are `r` ran on this
/// record: its largest and smallest loads, their deformations and the
/// largest deformations of each side are the same to the bit. The main
/// window keeps its last skeleton evaluation through later graphs of other
/// channels, whose arrays it must not be compared with.
bool sameRecord(const analysis::RecordValues& r, std::span<const double> x, std::span<const double> y);

/// The Japanese bilinear model of each side (none: not evaluated), the
/// skeleton editor's evaluation of the positive side (when there is one)
/// and the code methods, as rows: 日本 (完全弾塑性), [日本 (骨格編集)],
/// ASTM E2126 (EEEP), EN 12512. Japanese: Py, δy, δu, μ = δu/δv, Pu, Ds =
/// 1/√(2μ − 1); ASTM: Pyield, Δyield, Δu, μ; EN: Fy, vy, vu, D.
MethodComparison compareMethods(const std::optional<analysis::ElastoResult>& japanesePlus,
                                const std::optional<analysis::ElastoResult>& japaneseMinus,
                                const analysis::EditorEvaluation* editor, const analysis::CodeEvaluation& codes);

/// Headings of the six value columns, with units.
std::array<std::string, kComparisonColumns> comparisonHeadings(const CycleUnits& units);
/// A value cell: the number, with "*" when δu is the envelope's last point and
/// "†" for the ASTM fallback yield load; empty when the value does not exist.
std::string comparisonCell(const MethodSide& side, int column);
/// The message of a refused side on one line.
std::string singleLine(const std::string& message);

// Plots --------------------------------------------------------------------------------

struct CyclePlot {
    std::string title;   // UTF-8, with the unit of the values
    std::string xLabel;  // UTF-8, with the unit
    std::vector<std::pair<double, double>> points;
    bool joined = false;          // a line through the points in order
    bool integerX = false;        // cycle numbers: ticks on whole numbers
    Rgb color{0x44, 0x77, 0xAA};
};

/// Σ E_d against the cycle number (from 1).
CyclePlot cumulativeEnergyPlot(const analysis::CycleAnalysis& a, const CycleUnits& units);
/// K_s against the amplitude (X⁺ − X⁻)/2 of the cycles that have one.
CyclePlot secantStiffnessPlot(const analysis::CycleAnalysis& a, const CycleUnits& units);
/// ν_eq against the amplitude of the cycles that have one.
CyclePlot dampingPlot(const analysis::CycleAnalysis& a, const CycleUnits& units);

/// The plot inside `box` (96 dpi pixels): white background, grey border, the
/// title at the top, value ticks on the left, the X ticks and label below,
/// the points as small circles. Both axes start at zero. Without points the
/// box says so. Nothing is drawn outside `box`.
void drawCyclePlot(Canvas& c, const CyclePlot& plot, ChartBox box);

// Over the main graph --------------------------------------------------------------------

inline constexpr Rgb kEnvelopeOverlay{0xE0, 0x70, 0x00};  // orange: no channel's default colour
inline constexpr Rgb kEeepOverlay{0xC8, 0x00, 0x5A};      // crimson
inline constexpr Rgb kEnOverlay{0x5A, 0x3C, 0xC8};        // violet

/// Over the graph through its mapping: the code envelope of each side
/// (`envelope`), and (`bilinear`) the ASTM E2126 EEEP bilinear
/// (0,0)–(Δyield, Pyield)–(Δu, Pyield) and the EN 12512 construction (line I
/// from the axis to the yield point, line II on to its tangent point, a
/// circle at the ultimate point), each side with its sign. Pens 2 wide.
void drawCodeOverlay(Canvas& c, const FrameMapping& mapping, const analysis::CodeEvaluation& codes, bool envelope,
                     bool bilinear);

}  // namespace kvx::plot
