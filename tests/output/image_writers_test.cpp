// PNG and BMP files of the picture: chunks, filters, compression, exact pixels.
#include "output/bmp_writer.h"
#include "output/png_writer.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>

using namespace kvx::output;

namespace {

struct Chunk {
    std::string type;
    std::size_t length;
    std::string data;
};

std::uint32_t be32(const std::string& s, std::size_t at) {
    return (std::uint32_t{static_cast<unsigned char>(s[at])} << 24) | (std::uint32_t{static_cast<unsigned char>(s[at + 1])} << 16) |
           (std::uint32_t{static_cast<unsigned char>(s[at + 2])} << 8) | static_cast<unsigned char>(s[at + 3]);
}

std::vector<Chunk> chunks(const std::string& png) {
    std::vector<Chunk> out;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::size_t length = be32(png, at);
        out.push_back({png.substr(at + 4, 4), length, png.substr(at + 8, length)});
        at += 12 + length;
    }
    return out;
}

// A picture like a graph: white, a frame, coloured lines, a gradient corner.
RgbImage picture(int w = 544, int h = 504) {
    RgbImage img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = img.row(y) + 3 * x;
            if (x == 100 || y == 450 || (x > 300 && y < 40)) p[0] = static_cast<std::uint8_t>(x), p[1] = static_cast<std::uint8_t>(y), p[2] = 7;
            if ((x - y) % 37 == 0) p[0] = 255, p[1] = 0, p[2] = 0;
        }
    return img;
}

RgbImage decodePng(const std::string& path, int& colorType, int& bitDepth, int& interlace) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    RgbImage out;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
    image.format = PNG_FORMAT_RGB;
    out = RgbImage(static_cast<int>(image.width), static_cast<int>(image.height));
    png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr);
    // Header fields straight from IHDR.
    const std::string bytes = kvx::test::readBytes(path);
    const auto c = chunks(bytes);
    bitDepth = static_cast<unsigned char>(c[0].data[8]);
    colorType = static_cast<unsigned char>(c[0].data[9]);
    interlace = static_cast<unsigned char>(c[0].data[12]);
    return out;
}

}  // namespace

TEST(PngWriter, TruecolourSubFilteredLevel7AndExactPixels) {
    kvx::test::TempDir dir;
    const RgbImage img = picture();
    ASSERT_TRUE(writePng(dir.file("g.png"), img));
    const std::string bytes = kvx::test::readBytes(dir.file("g.png"));
    const auto c = chunks(bytes);
    ASSERT_GE(c.size(), 3u);
    EXPECT_EQ(c.front().type, "IHDR");
    EXPECT_EQ(be32(c.front().data, 0), 544u);
    EXPECT_EQ(be32(c.front().data, 4), 504u);
    EXPECT_EQ(c.back().type, "IEND");
    std::string idat;
    for (std::size_t i = 1; i + 1 < c.size(); ++i) {
        EXPECT_EQ(c[i].type, "IDAT");  // no PLTE, tRNS, gAMA or tEXt between
        EXPECT_LE(c[i].length, 65535u);
        idat += c[i].data;
    }
    // Every row starts with filter byte 1 ("Sub").
    std::vector<unsigned char> raw(504 * (1 + 544 * 3));
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, reinterpret_cast<const Bytef*>(idat.data()), idat.size()), Z_OK);
    ASSERT_EQ(rawSize, raw.size());
    for (int y = 0; y < 504; ++y) EXPECT_EQ(raw[static_cast<std::size_t>(y) * (1 + 544 * 3)], 1) << "row " << y;
    // zlib header: deflate, and the level-7 band (FLEVEL 2, "default" group of levels 6 ... 9 -> 2 or 3).
    EXPECT_EQ(static_cast<unsigned char>(idat[0]) & 0x0F, 8);
    int colorType = 0, depth = 0, interlace = 0;
    const RgbImage back = decodePng(dir.file("g.png"), colorType, depth, interlace);
    EXPECT_EQ(colorType, 2);
    EXPECT_EQ(depth, 8);
    EXPECT_EQ(interlace, 0);
    EXPECT_EQ(back.rgb, img.rgb);
}

TEST(PngWriter, LargePicturesSplitImageDataAt65535Bytes) {
    kvx::test::TempDir dir;
    RgbImage noisy(600, 600);
    std::uint32_t s = 1;
    for (auto& v : noisy.rgb) v = static_cast<std::uint8_t>(s = s * 1664525u + 1013904223u, s >> 24);
    ASSERT_TRUE(writePng(dir.file("n.png"), noisy));
    const auto c = chunks(kvx::test::readBytes(dir.file("n.png")));
    std::size_t idatChunks = 0;
    for (const auto& chunk : c)
        if (chunk.type == "IDAT") {
            ++idatChunks;
            EXPECT_LE(chunk.length, 65535u);
        }
    EXPECT_GT(idatChunks, 1u);
}

TEST(PngWriter, PaletteForLowDepthDisplays) {
    kvx::test::TempDir dir;
    const RgbImage img = picture(64, 64);
    ASSERT_TRUE(writePng(dir.file("p.png"), img, 8));
    const auto c = chunks(kvx::test::readBytes(dir.file("p.png")));
    ASSERT_GE(c.size(), 4u);
    EXPECT_EQ(c[1].type, "PLTE");
    int colorType = 0, depth = 0, interlace = 0;
    EXPECT_EQ(decodePng(dir.file("p.png"), colorType, depth, interlace).rgb, img.rgb);
    EXPECT_EQ(colorType, 3);
    EXPECT_EQ(depth, 8);
}

TEST(ImageWriters, ReportFilesThatCannotBeWritten) {
    const RgbImage img = picture(8, 8);
    EXPECT_FALSE(writePng("/nonexistent/dir/g.png", img));
    EXPECT_FALSE(writeBmp("/nonexistent/dir/g.bmp", img));
    EXPECT_FALSE(writePng("/tmp/x.png", RgbImage{}));
}

TEST(BmpWriter, HeaderAndBottomUpRows) {
    kvx::test::TempDir dir;
    RgbImage img(3, 2);
    img.row(0)[0] = 10, img.row(0)[1] = 20, img.row(0)[2] = 30;  // top-left pixel
    for (const int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        ASSERT_TRUE(writeBmp(dir.file("g.bmp"), img, bits));
        const std::string b = kvx::test::readBytes(dir.file("g.bmp"));
        const std::size_t stride = 12;  // 3 x 3 = 9 padded to 12; 3 x 4 = 12
        ASSERT_EQ(b.size(), 54 + stride * 2);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(static_cast<unsigned char>(b[28]), bits);
        // The top row is stored last, blue-green-red.
        EXPECT_EQ(static_cast<unsigned char>(b[54 + stride]), 30);
        EXPECT_EQ(static_cast<unsigned char>(b[54 + stride + 2]), 10);
    }
}
