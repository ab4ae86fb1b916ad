// What the main window holds besides its controls: the data sets and the
// option values that live as long as the process.
#pragma once

#include "data/measurement_data.h"
#include "plot/canvas.h"
#include "plot/graph_command.h"
#include "plot/line_styles.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kvx::app {

/// Channel numbers of the last read file (entries 0-15) and, in entry 16, the
/// number of fields in line 1 of the chosen file.
using ChannelNumberList = std::array<int, data::kMaxChannels + 1>;

inline ChannelNumberList identityChannelNumbers() {
    ChannelNumberList list{};
    for (int k = 0; k < data::kMaxChannels; ++k) list[static_cast<std::size_t>(k)] = k + 1;
    return list;
}

struct OpeningState {
    data::MeasurementData data;           // the current data set
    data::MeasurementData convertedData;  // deformation-angle channels
    /// Which data set `data` is: changes with every read, correction and row
    /// deletion, so that results taken from it can tell it from another data
    /// set of the same size.
    std::uint64_t dataIdentity = 0;
    // The Graph command's memory: the region rows (DisplayRange), the frame,
    // the work arrays of the last pass, the legend box, the pause flags.
    plot::GraphState graph;

    std::string DataDirectory;  // folder of the data file, ending in '/'; empty before the first open
    std::string DataFileName;   // full path of the standard file that was read
    std::string baseName;       // file name and extension of DataFileName
    bool DataLoaded = false;
    int shownChannelCount = 0;  // channel boxes in use
    ChannelNumberList channelNumbers = identityChannelNumbers();
    int FileChannelCount = 0;

    int SmoothingSize = 3;
    int StepSize = 200;      // rows per step
    int MarkInterval = 20;   // points between marks
    int PrinterDpi = 600;
    int ApproximationDegree = 0;  // 0 none, 7/9/11/13 polynomial, 99 exponential
    data::ForceUnit forceUnit = data::ForceUnit::kN;
    float ForceFactor = data::kKgfToKn;

    bool ColorDisplay = true;
    bool originCentred = true;
    bool automaticScale = true;
    bool automaticTitle = true;
    plot::Pixel LegendPosition{350, 80};
    plot::LineStyles lineStyles;
    std::array<double, 2> scaleValues{50.0, 50.0};  // the scale dialog's two values
    std::array<std::string, 3> manualTitles;        // graph, X axis, Y axis (CP932), from the title dialog
};

}  // namespace kvx::app
