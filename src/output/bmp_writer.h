// Windows bitmap files of the graph picture, in the picture's pixel depth.
#pragma once

#include "output/raster.h"

#include <string>

namespace kvx::output {

/// Writes an uncompressed bottom-up BMP of 24 or 32 bits per pixel.
/// False when the file cannot be created or written (or for another depth).
bool writeBmp(const std::string& path, const RgbImage& image, int bitsPerPixel = 24);

}  // namespace kvx::output
