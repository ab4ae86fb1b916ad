// BMP writer: BITMAPFILEHEADER + BITMAPINFOHEADER, rows bottom-up, padded to 4 bytes.
#include "output/bmp_writer.h"

#include "text/replacing_file.h"

#include <string_view>
#include <vector>

namespace kvx::output {
namespace {

void put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

}  // namespace

bool writeBmp(const std::string& path, const RgbImage& image, int bitsPerPixel) {
    if (image.width <= 0 || image.height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32)) return false;
    const auto w = static_cast<std::uint32_t>(image.width), h = static_cast<std::uint32_t>(image.height);
    const std::uint32_t bytesPerPixel = static_cast<std::uint32_t>(bitsPerPixel) / 8;
    const std::uint32_t stride = (w * bytesPerPixel + 3) & ~3u;
    const std::uint32_t dataSize = stride * h;
    std::vector<std::uint8_t> b;
    b.reserve(54 + dataSize);
    b.push_back('B'), b.push_back('M');
    put32(b, 54 + dataSize);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, w);
    put32(b, h);  // positive: bottom-up
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(bitsPerPixel));
    put32(b, 0);  // BI_RGB
    put32(b, dataSize);
    put32(b, 3780), put32(b, 3780);  // 96 dpi
    put32(b, 0), put32(b, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* p = image.row(y);
        for (std::uint32_t x = 0; x < w; ++x, p += 3) {
            b.push_back(p[2]), b.push_back(p[1]), b.push_back(p[0]);
            if (bytesPerPixel == 4) b.push_back(0);
        }
        for (std::uint32_t pad = w * bytesPerPixel; pad < stride; ++pad) b.push_back(0);
    }
    return text::replaceFile(path, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

}  // namespace kvx::output
