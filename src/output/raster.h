// A picture as the image writers take it: 8-bit RGB pixels, row by row from the top.
#pragma once

#include <cstdint>
#include <vector>

namespace kvx::output {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes per pixel, rows top to bottom, no padding

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3, 255) {}
    const std::uint8_t* row(int y) const { return rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3; }
    std::uint8_t* row(int y) { return rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3; }
};

}  // namespace kvx::output
