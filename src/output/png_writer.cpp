// libpng writer with the chunk, filter and compression choices of the graph files.
#include "output/png_writer.h"

#include "text/replacing_file.h"

#include <png.h>

#include <cstdio>
#include <map>

namespace kvx::output {
namespace {

struct PngFile {
    text::ReplacingFile file;  // the picture replaces an older file only when complete
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngFile() {
        if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    }
};

// Palette of an indexed picture: colours in order of first appearance.
bool buildPalette(const RgbImage& image, int depth, std::vector<png_color>& palette, std::vector<png_byte>& indices) {
    const std::size_t most = std::size_t{1} << depth;
    std::map<std::uint32_t, png_byte> seen;
    indices.reserve(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
        const std::uint32_t key = (std::uint32_t{image.rgb[i]} << 16) | (std::uint32_t{image.rgb[i + 1]} << 8) | image.rgb[i + 2];
        auto it = seen.find(key);
        if (it == seen.end()) {
            if (seen.size() == most) return false;
            it = seen.emplace(key, static_cast<png_byte>(seen.size())).first;
            palette.push_back({image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]});
        }
        indices.push_back(it->second);
    }
    return true;
}

}  // namespace

bool writePng(const std::string& path, const RgbImage& image, int displayDepth) {
    if (image.width <= 0 || image.height <= 0) return false;
    const bool indexed = displayDepth < 16;
    const int depth = displayDepth <= 1 ? 1 : displayDepth <= 2 ? 2 : displayDepth <= 4 ? 4 : 8;
    std::vector<png_color> palette;
    std::vector<png_byte> indices;
    if (indexed && !buildPalette(image, depth, palette, indices)) return false;

    PngFile f;
    if (!f.file.open(path)) return false;
    f.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!f.png) return false;
    f.info = png_create_info_struct(f.png);
    if (!f.info) return false;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wclobbered"
    if (setjmp(png_jmpbuf(f.png))) return false;  // libpng reports write errors by longjmp
#pragma GCC diagnostic pop
    png_init_io(f.png, f.file.stream());
    png_set_IHDR(f.png, f.info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height),
                 indexed ? depth : 8, indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (indexed) png_set_PLTE(f.png, f.info, palette.data(), static_cast<int>(palette.size()));
    png_set_filter(f.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(f.png, 7);
    png_set_compression_buffer_size(f.png, 65535);  // IDAT chunks of at most 65,535 bytes
    png_write_info(f.png, f.info);
    if (indexed) {
        if (depth < 8) png_set_packing(f.png);
        for (int y = 0; y < image.height; ++y)
            png_write_row(f.png, indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width));
    } else {
        for (int y = 0; y < image.height; ++y) png_write_row(f.png, image.row(y));
    }
    png_write_end(f.png, f.info);
    png_destroy_write_struct(&f.png, &f.info);
    f.png = nullptr;
    return f.file.commit();
}

}  // namespace kvx::output
