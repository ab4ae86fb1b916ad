// The graph's coordinate model: divisions, steps, starts, label formats, titles,
// the data <-> pixel mapping, and the drawing of the frame.
//
//   pixel y grows downwards:  data y ↑  =  pixel y ↓
//   FrameLeft, FrameBottom = the frame's lower-left corner on the picture.
#pragma once

#include "data/measurement_data.h"
#include "plot/canvas.h"
#include "ui/interaction.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvx::plot {

/// The frame of the current graph, rebuilt by every PrepareFrame.
/// Texts are CP932 bytes.
struct GraphFrame {
    int XDivisions = 4;
    int YDivisions = 4;
    int DivisionWidth = 100;   // pixels per X division
    int DivisionHeight = 100;  // pixels per Y division
    double XStart = 0.0;       // data value at the frame's left edge
    double YStart = 0.0;       // data value at the frame's bottom edge
    double XStep = 2.0;        // data value of one X division
    double YStep = 5.0;
    std::string XFormat = "%5.1f";  // printf format of the X tick labels
    std::string YFormat = "%5.1f";
    std::string XTitle;
    std::string YTitle;
    std::string XUnit = "[mm]";
    std::string YUnit = "[kg]";

    int width() const { return XDivisions * DivisionWidth; }
    int height() const { return YDivisions * DivisionHeight; }
};

/// Where the frame stands on the picture: screen values, magnified for printing.
struct FramePlacement {
    int FrameLeft = 100;
    int FrameBottom = 450;
};

struct DataPoint {
    double x = 0.0;
    double y = 0.0;
};

/// The one data <-> pixel rule of every drawing and every pick.
struct FrameMapping {
    const GraphFrame& frame;
    FramePlacement place;

    /// Computed in extended precision and truncated toward zero.
    Pixel toPixel(double x, double y) const;
    /// Exact inverse of the formula (no rounding).
    DataPoint toData(Pixel p) const;
};

/// Largest absolute value; 0 for no values.
double MaxAbs(std::span<const double> values);

struct StepChoice {
    double step = 1.0;
    double marker = 0.0;  // -2.0 when the maximum was zero
};

/// Smallest step of {1, 1.5, 2, 2.5, 5} x 10^k (k >= -10) with divisions x step >= maximum.
/// A zero maximum is told to the user and gives step 1 and marker -2. A positive
/// maximum below the smallest candidate gets the smallest candidate.
StepChoice ChooseStep(double maximum, int divisions, ui::Interaction& ia);

/// The largest magnitudes of a data set's channels, over the first rows and
/// over the whole column, carried from one frame to the next: a graph of loops
/// or steps asks for rows 1 ... end once per loop with the end moving forward,
/// and scanning from the first row every time made the graph quadratic in its rows.
class RunningMagnitudes {
public:
    explicit RunningMagnitudes(const data::MeasurementData& data) : m_data(data) {}
    /// Largest magnitude of a channel (0-based) over rows 1 ... last (1 <= last <= RowCount).
    double upTo(int channel, int last);
    /// Largest magnitude of a channel over all rows.
    double whole(int channel);

private:
    using Largest = std::array<float, data::kMaxChannels>;
    void scan(int from, int to, Largest& largest) const;

    const data::MeasurementData& m_data;
    int m_rows = 0;  // rows folded into m_upTo
    Largest m_upTo{};
    std::optional<Largest> m_whole;
};

/// Automatic step of one channel (0-based) over rows first ... last (1-based,
/// inclusive). With full scale the column is first turned into percent of its
/// largest magnitude (x 1.00001, so the largest value is 99.999 %). `running`,
/// when given, remembers the scans for the next call on the same data set.
double ChannelStep(const data::MeasurementData& data, int first, int last, int channel, bool fullScale,
                   bool originCentred, ui::Interaction& ia, RunningMagnitudes* running = nullptr);

/// printf format of tick labels for an axis with this step (2 -> "%4.1f", 0.25 -> "%5.2f").
std::string TickLabelFormat(double step);

/// The options the frame reads (copied from the main window's controls).
struct FrameOptions {
    bool originCentred = true;
    bool autoScale = true;
    double ManualXStep = 50.0;
    double ManualYStep = 50.0;
    bool autoTitle = true;
    std::string manualGraphTitle;  // CP932, at most 49 bytes
    std::string manualXTitle;
    std::string manualYTitle;
    bool showTitle = true;         // CBTitle
    bool fullScale = false;        // CBScaled
    bool angleLabels = false;      // CBRad
    bool angleLabelsBelow = true;  // CheckBox36
    bool angleLabelsAbove = false; // CheckBox37
    bool mainOnX = false;          // RGmainaxis item 0
    int mainChannel = 1;           // 1-based
    std::string dataFileBaseName;  // file name of the data file (UTF-8 path text)
};

/// Fills `frame` for the display channels (1-based, ascending) over rows
/// first ... last (1-based): steps, starts, titles, units, label formats.
void computeFrame(GraphFrame& frame, const data::MeasurementData& data, std::span<const int> displayChannels, int first,
                  int last, const FrameOptions& options, ui::Interaction& ia, RunningMagnitudes* running = nullptr);

/// computeFrame, then DrawFrame.
void PrepareFrame(GraphFrame& frame, const data::MeasurementData& data, std::span<const int> displayChannels,
                  int first, int last, const FrameOptions& options, FramePlacement place, Canvas& canvas,
                  ui::Interaction& ia, RunningMagnitudes* running = nullptr);

/// Background, grid, tick labels, 1/n labels, titles and units.
void DrawFrame(const GraphFrame& frame, const FrameOptions& options, FramePlacement place, Canvas& canvas);

/// printf of one double with a format held as data (tick label formats).
std::string formatValue(const std::string& format, double value);

}  // namespace kvx::plot
