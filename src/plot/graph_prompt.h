// The prompt drawn in the graph area when there is nothing to draw yet.
#pragma once

#include "plot/canvas.h"

namespace kvx::plot {

/// Where the frame's lower-left corner stands on the picture (screen values).
inline constexpr int kFrameLeft = 100;
inline constexpr int kFrameBottom = 450;

/// Clears the graph area and asks for the next step: the Graph button once a
/// file has been read, the File button before.
void drawGraphPrompt(Canvas& canvas, bool dataLoaded, int frameLeft = kFrameLeft, int frameBottom = kFrameBottom);

}  // namespace kvx::plot
