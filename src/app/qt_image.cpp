// QImage -> RgbImage.
#include "app/qt_image.h"

#include <cstring>

namespace kvx::app {

output::RgbImage toRgbImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    output::RgbImage out(rgb.width(), rgb.height());
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y) std::memcpy(out.row(y), rgb.constScanLine(y), rowBytes);
    return out;
}

}  // namespace kvx::app
