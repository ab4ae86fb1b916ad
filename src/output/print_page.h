// The printed page: the graph drawn again at printer resolution (frame, grid,
// labels, titles, one series per display channel with optional marks), not a
// copy of the screen picture. Legend, envelope, skeleton, min/max and 1/n
// labels are not printed.
#pragma once

#include "data/measurement_data.h"
#include "plot/canvas.h"
#include "plot/graph_command.h"
#include "ui/interaction.h"

#include <optional>
#include <string>

namespace kvx::output {

inline constexpr int kPrintMagnification = 5;

/// Resolution factor of a declared printer resolution: 1.5, 1.0, 0.9 for 600, 400, 360 dpi.
constexpr double printFactor(int dpi) { return dpi * 0.0025; }

struct PrintRefusal {
    std::string message;
    std::string caption;
};

/// The refusals before a print job: no data read (before the dialog), no
/// display channel, different units (after it). Messages as shown to the user.
std::optional<PrintRefusal> refuseBeforeDialog(const plot::GraphOptions& options);
std::optional<PrintRefusal> refuseBeforeJob(const data::MeasurementData& data, const plot::GraphOptions& options);

/// Draws the page on `canvas` (printer dots) for the declared `dpi`, over the
/// row range of the last Graph command (`firstRow` ... `lastRow`, from 1).
/// The screen's frame is not touched.
void drawPrintedPage(plot::Canvas& canvas, const data::MeasurementData& data, const plot::GraphOptions& options,
                     int firstRow, int lastRow, int dpi, ui::Interaction& ia);

}  // namespace kvx::output
