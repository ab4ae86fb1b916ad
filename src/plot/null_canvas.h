// A Canvas that draws nothing: for running the Graph command only for its numbers.
#pragma once

#include "plot/canvas.h"

namespace kvx::plot {

class NullCanvas : public CanvasWithState {
public:
    void moveTo(Pixel) override {}
    void lineTo(Pixel) override {}
    void rectangle(Pixel, Pixel) override {}
    void ellipse(Pixel, Pixel) override {}
    void polyline(const std::vector<Pixel>&) override {}
    void polylineTo(const std::vector<Pixel>&) override {}
    void fillRect(Pixel, Pixel) override {}
    void textOut(Pixel, std::string_view, TextEncoding) override {}
    PixelSize textExtent(std::string_view text, TextEncoding) const override {
        return {static_cast<int>(text.size()) * 7, 14};
    }
};

}  // namespace kvx::plot
