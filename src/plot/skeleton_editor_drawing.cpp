// Skeleton editor drawing.
#include "plot/skeleton_editor_drawing.h"

#include "plot/graph_frame.h"
#include "text/printf.h"

namespace kvx::plot {
namespace {

constexpr Rgb kGreen{0, 128, 0};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kYellow{255, 255, 0};

Pixel at(const analysis::EditorView& v, double x, double y) {
    const auto [px, py] = v.toPixel(x, y);
    return {px, py};
}

void line(Canvas& c, const analysis::EditorView& v, double x0, double y0, double x1, double y1) {
    c.moveTo(at(v, x0, y0));
    c.lineTo(at(v, x1, y1));
}

void label(Canvas& c, const analysis::EditorView& v, double x, double y, const char* text) {
    c.textOut(at(v, x, y), text);
}

void setFontSize(Canvas& c, int size) {
    Font f = c.font();
    f.size = size;
    f.sizeInPixels = false;
    f.escapement = 0;
    c.setFont(f);
}

}  // namespace

void drawEditorView(Canvas& c, const analysis::EditorView& v, std::span<const double> recordX,
                    std::span<const double> recordY, const analysis::PlotUnits& units, bool firstQuadrant) {
    const int w = v.width, h = v.height;
    c.setPen({kWhite, 1, PenStyle::Solid, PenMode::Copy});
    c.setBrush({kWhite, false});
    c.fillRect({0, 0}, {w, h});
    c.setPen({kGreen, 1, PenStyle::Solid, PenMode::Copy});
    c.setBrush({kWhite, true});
    c.rectangle({0, 0}, {w, h});
    c.moveTo({w / 2, 0});
    c.lineTo({w / 2, h});
    c.moveTo({0, h / 2});
    c.lineTo({w, h / 2});

    const std::size_t n = std::min(recordX.size(), recordY.size());
    if (n > 0) {
        c.setPen({kCyan, 1, PenStyle::Solid, PenMode::Copy});
        std::vector<Pixel> points;
        points.reserve(n);
        for (std::size_t i = 0; i < n; ++i) points.push_back(at(v, recordX[i], recordY[i]));
        c.polyline(points);
    }

    // Axis end values with their units, in the axis number format of the graph.
    setFontSize(c, 12);
    Font f = c.font();
    f.color = kBlack;
    c.setFont(f);
    const std::string xf = TickLabelFormat(v.sx), yf = TickLabelFormat(v.sy);
    const double xEnd = v.x0 + (firstQuadrant ? 2 : 4) * v.sx;
    const double yEnd = v.y0 + (firstQuadrant ? 2 : 4) * v.sy;
    const std::string xMin = formatValue(xf, v.x0) + " " + units.deformation;
    const std::string xMax = formatValue(xf, xEnd) + " " + units.deformation;
    const std::string yMin = formatValue(yf, v.y0) + " " + units.load;
    const std::string yMax = formatValue(yf, yEnd) + " " + units.load;
    const PixelSize xs = c.textExtent(xMax, TextEncoding::Cp932), ys = c.textExtent(yMin, TextEncoding::Cp932);
    c.textOut({2, h / 2 + 2}, xMin, TextEncoding::Cp932);
    c.textOut({w - xs.width - 2, h / 2 + 2}, xMax, TextEncoding::Cp932);
    c.textOut({w / 2 + 4, 2}, yMax, TextEncoding::Cp932);
    c.textOut({w / 2 + 4, h - ys.height - 2}, yMin, TextEncoding::Cp932);
}

void selectMarkerPen(Canvas& c) {
    c.setPen({kCyan, 1, PenStyle::Solid, PenMode::Xor});
    c.setBrush({kBlack, false});
}

void drawEditorMarker(Canvas& c, const analysis::EditorView& v, double x, double y) {
    const Pixel p = at(v, x, y);
    const int r = kEditorMarkerRadius;
    c.ellipse({p.x - r, p.y - r}, {p.x + r, p.y + r});
}

void drawEditorMarkers(Canvas& c, const analysis::EditorView& v, const analysis::SkeletonCurve& curve) {
    for (int i = 0; i < curve.count; ++i)
        drawEditorMarker(c, v, curve.X[static_cast<std::size_t>(i)], curve.Y[static_cast<std::size_t>(i)]);
}

void drawPointNumbers(Canvas& c, const analysis::EditorView& v, const analysis::SkeletonCurve& curve) {
    const Brush savedBrush = c.brush();
    const Font savedFont = c.font();
    c.setBrush({kWhite, false});
    setFontSize(c, 7);
    for (int i = 0; i < curve.count; ++i)
        c.textOut(at(v, curve.X[static_cast<std::size_t>(i)], curve.Y[static_cast<std::size_t>(i)]),
                  text::format("%d", i));
    c.setFont(savedFont);
    c.setBrush(savedBrush);
}

void drawEditorEvaluation(Canvas& c, const analysis::EditorView& v, const analysis::EditorEvaluation& e,
                          bool construction) {
    if (e.reached < 5) return;
    const double P = e.Pmax;
    const double du = e.du;
    const Pen saved = c.pen();
    const Brush savedBrush = c.brush();
    c.setBrush({kWhite, true});
    if (construction) {
        c.setPen({kYellow, 1, PenStyle::Solid, PenMode::Copy});
        const auto lineI = [&](double x) { return 0.1 * P + e.k1 * (x - e.X01); };
        const auto lineII = [&](double x) { return 0.4 * P + e.k2 * (x - e.X04); };
        const auto lineIII = [&](double x) { return e.Ty + e.k2 * (x - e.Tx); };
        line(c, v, e.X01 / 2, lineI(e.X01 / 2), 2.5 * e.X04, lineI(2.5 * e.X04));
        line(c, v, 0.4 * e.X04, lineII(0.4 * e.X04), 1.5 * e.X09, lineII(1.5 * e.X09));
        line(c, v, 0.4 * e.X04, lineIII(0.4 * e.X04), 1.5 * e.X09, lineIII(1.5 * e.X09));
        line(c, v, 0, e.Py, 0.01, e.Py);
        label(c, v, 0.01, e.Py - 0.05, "Yield Point Py");
        const double right = 2 * v.sx;
        const struct {
            double load;
            const char* text;
            double textX;
        } levels[] = {{P, "Pmax", 0.024}, {0.1 * P, "0.1Pmax", 0.012}, {0.4 * P, "0.4Pmax", 0.012},
                      {0.9 * P, "0.9Pmax", 0.024}, {0.8 * P, "0.8Pmax", 0.024}};
        for (const auto& l : levels) {
            line(c, v, 0, l.load, right, l.load);
            label(c, v, l.textX, l.load, l.text);
        }
        const struct {
            double x;
            const char* text;
        } verticals[] = {{du, "du"}, {e.gm / 2, "gm/2"}, {e.gm, "gm"}, {e.gy, "dy"}, {e.dv, "dv"}};
        for (const auto& l : verticals) {
            line(c, v, l.x, 0, l.x, 1.1 * P);
            label(c, v, l.x, 1.15 * P, l.text);
        }
        for (const auto& [x, text] : {std::pair{1.0 / 120, "1/120"}, std::pair{1.0 / 30, "1/30"}}) {
            line(c, v, x, 0, x, 1.2 * P);
            label(c, v, x, 1.25 * P, text);
        }
        line(c, v, 0, P * 2 / 3, du, P * 2 / 3);
        label(c, v, du + 0.0005, P * 2 / 3, "2/3Pmax");
    }
    c.setPen({kGreen, 2, PenStyle::Solid, PenMode::Copy});
    c.polyline({at(v, 0, 0), at(v, e.dv, e.Pu), at(v, du, e.Pu)});
    label(c, v, du + 0.0005, e.Pu, "Pu");
    c.setPen(saved);  // back to the one-pixel marker pen
    c.setBrush(savedBrush);
}

void drawEditorTitle(Canvas& c, const std::string& dataFileName, int xChannel, int xSign, int ySign,
                     const std::string& stamp) {
    const char* side = xSign < 1 ? "Minus" : "Plus";
    const Brush saved = c.brush();
    c.setBrush({kWhite, false});  // text on white, not on the black marker brush
    c.textOut({100, 10}, text::format("%s   %dch  %s  x: %+d   y: %+d", dataFileName.c_str(), xChannel, side, xSign, ySign));
    c.textOut({100, 10}, dataFileName);
    c.textOut({100, 30}, stamp);
    c.setBrush(saved);
}

}  // namespace kvx::plot
