// The picture of a QImage as the image writers take it.
#pragma once

#include "output/raster.h"

#include <QImage>

namespace kvx::app {

output::RgbImage toRgbImage(const QImage& image);

}  // namespace kvx::app
