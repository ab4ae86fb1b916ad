// The drawing vocabulary of the graph: pens, brushes, fonts, lines, shapes, text.
// QtCanvas draws it on an image or a printer; RecordingCanvas records it for tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvx::plot {

struct Pixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    static constexpr Rgb fromHex(std::uint32_t rrggbb) {
        return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
                static_cast<std::uint8_t>(rrggbb)};
    }
    constexpr std::uint32_t hex() const { return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b; }
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

enum class PenStyle { Solid, Dotted };
enum class PenMode { Copy, Xor };

struct Pen {
    Rgb color = kBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Rgb color = kWhite;
    bool clear = false;  // clear: shapes are not filled and text has no background
    friend bool operator==(const Brush&, const Brush&) = default;
};

/// Faces are the design's names (UTF-8), e.g. "ＭＳ ゴシック"; the Qt canvas maps
/// them to an installed Japanese Gothic face.
inline constexpr const char* kGothic = "ＭＳ ゴシック";
inline constexpr const char* kPGothic = "ＭＳ Ｐゴシック";

struct Font {
    std::string face = kGothic;
    int size = 14;             // points, or the cell height in pixels when sizeInPixels
    bool sizeInPixels = false;
    int cellWidth = 0;         // average character width in pixels; 0 = natural
    bool bold = true;
    int escapement = 0;        // tenths of a degree, counter-clockwise
    Rgb color = kBlack;
    friend bool operator==(const Font&, const Font&) = default;
};

/// Text is CP932 bytes (file texts) or UTF-8 (program texts); see TextEncoding.
enum class TextEncoding { Utf8, Cp932 };

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void setPen(const Pen& pen) = 0;
    virtual Pen pen() const = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual Brush brush() const = 0;
    virtual void setFont(const Font& font) = 0;
    virtual Font font() const = 0;

    virtual void moveTo(Pixel p) = 0;
    virtual void lineTo(Pixel p) = 0;
    /// Outline with the pen, inside with the brush; right and bottom edges exclusive.
    virtual void rectangle(Pixel topLeft, Pixel bottomRight) = 0;
    virtual void ellipse(Pixel topLeft, Pixel bottomRight) = 0;
    /// One connected line through the points (its joins are the pen's); the pen
    /// position is left where it was.
    virtual void polyline(const std::vector<Pixel>& points) = 0;
    /// lineTo(p) for each point in turn, from the pen position, in one call: the
    /// plot pass hands the rows of a series over this way, not one call per row.
    /// Draws exactly what those lineTo calls draw and leaves the pen on the last point.
    virtual void polylineTo(const std::vector<Pixel>& points) {
        for (const Pixel& p : points) lineTo(p);
    }
    /// Fills with the brush only; right and bottom edges exclusive.
    virtual void fillRect(Pixel topLeft, Pixel bottomRight) = 0;
    /// Text with its top-left corner at `p` in the current font.
    virtual void textOut(Pixel p, std::string_view text, TextEncoding encoding = TextEncoding::Utf8) = 0;
    virtual PixelSize textExtent(std::string_view text, TextEncoding encoding = TextEncoding::Utf8) const = 0;
};

/// A Canvas that keeps its pen, brush and font and leaves the drawing to subclasses.
class CanvasWithState : public Canvas {
public:
    void setPen(const Pen& p) override { m_pen = p; }
    Pen pen() const override { return m_pen; }
    void setBrush(const Brush& b) override { m_brush = b; }
    Brush brush() const override { return m_brush; }
    void setFont(const Font& f) override { m_font = f; }
    Font font() const override { return m_font; }

private:
    Pen m_pen;
    Brush m_brush;
    Font m_font;
};

}  // namespace kvx::plot
