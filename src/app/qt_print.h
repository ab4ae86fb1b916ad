// The printed page on any Qt paint device: a printer, or a PDF writer.
#pragma once

#include "data/measurement_data.h"
#include "plot/graph_command.h"
#include "ui/interaction.h"

#include <QPaintDevice>

namespace kvx::app {

/// Draws the printed page for the declared `dpi` on `device` (whose resolution
/// should be that dpi). False when the device cannot be painted on.
bool printPage(QPaintDevice& device, int dpi, const data::MeasurementData& data, const plot::GraphOptions& options,
               int firstRow, int lastRow, ui::Interaction& ia);

}  // namespace kvx::app
