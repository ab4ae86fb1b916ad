// PNG files of the graph picture: truecolour 8-bit RGB for displays of 16 or
// more bits (an indexed image with a palette otherwise), not interlaced, no
// transparency, gamma or text chunks, every row filtered with "Sub", deflate
// level 7, image data in IDAT chunks of at most 65,535 bytes.
#pragma once

#include "output/raster.h"

#include <string>

namespace kvx::output {

/// Writes `image` to `path`. `displayDepth` is the bits per pixel of the
/// display the picture was made on: below 16 the PNG is indexed with the
/// display's depth (the picture must then hold at most 2^depth colours).
/// False when the file cannot be created or written.
bool writePng(const std::string& path, const RgbImage& image, int displayDepth = 24);

}  // namespace kvx::output
