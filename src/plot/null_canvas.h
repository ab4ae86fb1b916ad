// A Canvas that draws nothing: for running the Graph command only for its numbers.
#pragma once

#include "plot/canvas.h"

namespace kvx::plot {

class NullCanvas : public Canvas {
public:
    void setPen(const Pen& p) override { m_pen = p; }
    Pen pen() const override { return m_pen; }
    void setBrush(const Brush& b) override { m_brush = b; }
    Brush brush() const override { return m_brush; }
    void setFont(const Font& f) override { m_font = f; }
    Font font() const override { return m_font; }
    void moveTo(Pixel) override {}
    void lineTo(Pixel) override {}
    void rectangle(Pixel, Pixel) override {}
    void ellipse(Pixel, Pixel) override {}
    void polyline(const std::vector<Pixel>&) override {}
    void fillRect(Pixel, Pixel) override {}
    void textOut(Pixel, std::string_view, TextEncoding) override {}
    PixelSize textExtent(std::string_view text, TextEncoding) const override {
        return {static_cast<int>(text.size()) * 7, 14};
    }

private:
    Pen m_pen;
    Brush m_brush;
    Font m_font;
};

}  // namespace kvx::plot
