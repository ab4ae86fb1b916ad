// A Canvas that records every call with its coordinates, for tests.
#pragma once

#include "plot/canvas.h"

#include <string>
#include <vector>

namespace kvx::plot {

class RecordingCanvas : public CanvasWithState {
public:
    enum class Op { MoveTo, LineTo, Rectangle, Ellipse, Polyline, PolylineTo, FillRect, TextOut };
    struct Call {
        Op op;
        std::vector<Pixel> points;
        std::string text;
        Pen pen;
        Brush brush;
        Font font;
    };

    /// Text extents are a fixed cell per byte, so tests can compute positions by hand.
    int charWidth = 7;
    int charHeight = 14;

    std::vector<Call> calls;

    void moveTo(Pixel p) override { record(Op::MoveTo, {p}); }
    void lineTo(Pixel p) override { record(Op::LineTo, {p}); }
    void rectangle(Pixel a, Pixel b) override { record(Op::Rectangle, {a, b}); }
    void ellipse(Pixel a, Pixel b) override { record(Op::Ellipse, {a, b}); }
    void polyline(const std::vector<Pixel>& points) override { record(Op::Polyline, points); }
    void polylineTo(const std::vector<Pixel>& points) override { record(Op::PolylineTo, points); }
    void fillRect(Pixel a, Pixel b) override { record(Op::FillRect, {a, b}); }
    void textOut(Pixel p, std::string_view text, TextEncoding) override {
        record(Op::TextOut, {p});
        calls.back().text = std::string(text);
    }
    PixelSize textExtent(std::string_view text, TextEncoding) const override {
        return {static_cast<int>(text.size()) * charWidth, charHeight};
    }

    /// The calls of one kind, in order.
    std::vector<Call> of(Op op) const {
        std::vector<Call> out;
        for (const auto& c : calls)
            if (c.op == op) out.push_back(c);
        return out;
    }

private:
    void record(Op op, std::vector<Pixel> points) { calls.push_back({op, std::move(points), {}, pen(), brush(), font()}); }
};

}  // namespace kvx::plot
