// The graph's Canvas drawn with QPainter: on the 544 x 504 picture of the main
// window, or on any other paint device (a printer page, a larger image).
#pragma once

#include "plot/canvas.h"

#include <QFont>
#include <QImage>
#include <QLine>
#include <QList>
#include <QPainter>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace kvx::app {

/// Size of the graph picture `Image1`.
inline constexpr int kImageWidth = 544;
inline constexpr int kImageHeight = 504;

/// Maps the Windows font faces of the graph to installed Japanese faces:
/// "ＭＳ ゴシック" (either space) -> IPAGothic, "ＭＳ Ｐゴシック" -> IPAPGothic, falling
/// back to an installed Japanese Gothic face of the same pitch; other names
/// pass through. The same face in every locale; the name returned is the one
/// the font database lists it under (localized under ja_JP).
QString fontFamilyFor(const std::string& face);

/// A QFont that renders like the GDI font the graph asks for: point sizes at
/// 96 dpi (pixel em height = round(size * 96 / 72)), pixel sizes as cell heights,
/// no antialiasing, full hinting. Bold only where the family has a bold face
/// (never emboldened outlines). Rotation (escapement) is applied when drawing.
QFont qtFontFor(const plot::Font& font, int dpi = 96);

class QtCanvas : public plot::Canvas {
public:
    /// Owns a white picture of `width` x `height` pixels.
    explicit QtCanvas(int width = kImageWidth, int height = kImageHeight);
    /// Draws on `device`, which must outlive the canvas. Call finish() before
    /// the device is used elsewhere (a printer prints its page on finish()).
    explicit QtCanvas(QPaintDevice& device);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    /// The owned picture with everything drawn so far (ends the open painter,
    /// so the picture can be shown, copied or saved). Empty for a device canvas.
    const QImage& image();
    /// Ends the painter opened by the last drawing calls; the next call opens it again.
    void finish();
    /// Opens the painter now; false when the device cannot be painted on.
    bool begin() { return painter().isActive(); }
    /// Resolution point sizes are converted at: 96 on screen, the printer's on paper.
    void setDpi(int dpi);

    void setPen(const plot::Pen& pen) override;
    plot::Pen pen() const override { return m_pen; }
    void setBrush(const plot::Brush& brush) override { m_brush = brush; }
    plot::Brush brush() const override { return m_brush; }
    void setFont(const plot::Font& font) override;
    plot::Font font() const override { return m_font; }

    void moveTo(plot::Pixel p) override { m_position = p; }
    void lineTo(plot::Pixel p) override;
    void rectangle(plot::Pixel topLeft, plot::Pixel bottomRight) override;
    void ellipse(plot::Pixel topLeft, plot::Pixel bottomRight) override;
    void polyline(const std::vector<plot::Pixel>& points) override;
    void polylineTo(const std::vector<plot::Pixel>& points) override;
    void fillRect(plot::Pixel topLeft, plot::Pixel bottomRight) override;
    void textOut(plot::Pixel p, std::string_view text, plot::TextEncoding encoding) override;
    plot::PixelSize textExtent(std::string_view text, plot::TextEncoding encoding) const override;

    /// Current position of moveTo/lineTo (a Windows DC's pen position).
    plot::Pixel position() const { return m_position; }

private:
    QPainter& painter();
    void applyPen(QPainter& p);
    void applyBrush(QPainter& p) const;
    /// Whether one-pixel lines are set pixel by pixel: solid copy pens on the owned
    /// picture (an RGB32 image nothing else paints on). Other devices get QPainter.
    bool setsThinLinePixels() const;
    void drawThinLines(QPainter& p, plot::Pixel from, std::span<const plot::Pixel> to);
    void drawWideSegments(QPainter& p, plot::Pixel from, std::span<const plot::Pixel> to);

    /// The pixels QPainter sets for an ellipse of one size with the one-pixel pen,
    /// by kind, in a box `kMargin` pixels larger on every side.
    struct EllipseStamp {
        static constexpr int kMargin = 2;
        static constexpr std::uint8_t kOutline = 1, kInside = 2;
        int width = 0, height = 0;
        bool filled = false;
        bool usable = true;  // false when QPainter reached the margin's outer ring
        std::vector<std::uint8_t> kinds;
    };
    bool stampEllipse(plot::Pixel topLeft, int w, int h);
    const EllipseStamp& ellipseStamp(int w, int h, bool filled);

    QImage m_image;
    QPaintDevice* m_device = nullptr;
    std::unique_ptr<QPainter> m_painter;
    plot::Pen m_pen;
    bool m_penApplied = false;  // the painter holds m_pen (a graph is hundreds of thousands of lines)
    plot::Brush m_brush;
    plot::Font m_font;
    QFont m_qfont;
    int m_dpi = 96;
    plot::Pixel m_position;
    QList<QLine> m_lines;  // the wide segments being drawn, kept to reuse their memory
    std::vector<EllipseStamp> m_stamps;  // one per ellipse size drawn so far
};

}  // namespace kvx::app
