// Skeleton editor drawing, and the placing of the evaluation's texts.
#include "plot/skeleton_editor_drawing.h"

#include "text/printf.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace kvx::plot {
namespace {

constexpr Rgb kGreen{0, 128, 0};
constexpr Rgb kCyan{0, 255, 255};

Pixel at(const analysis::EditorView& v, double x, double y) {
    const auto [px, py] = v.toPixel(x, y);
    return {px, py};
}

void line(Canvas& c, const analysis::EditorView& v, double x0, double y0, double x1, double y1) {
    c.moveTo(at(v, x0, y0));
    c.lineTo(at(v, x1, y1));
}

void setFontSize(Canvas& c, int size) {
    Font f = c.font();
    f.size = size;
    f.sizeInPixels = false;
    f.escapement = 0;
    c.setFont(f);
}

// Texts keep off the green frame at the picture's edge, and apart: side by
// side by about half a character, so that two texts never read as one word.
constexpr int kInset = 2;
constexpr int kGap = 1;
constexpr int kSideGap = 4;

// The direction of the line a text belongs to, which is the way it may slide.
enum class Along { Vertical, Horizontal };

// Places texts one after another so that none leaves the picture or touches
// one placed before. A text is wanted with its top-left corner on the data
// point it names; when that is outside or taken, it slides along its line (a
// vertical line's text up and down, a horizontal line's text left and right)
// to the nearest free place, on its own side of the line or the other. Texts
// must not touch each other; the markers and the model only make a text hard
// to read, so a text goes over them when its line has no other room, and to
// the nearest free place anywhere only when the whole line is taken by texts.
class TextPlacer {
public:
    TextPlacer(const Canvas& c, int width, int height, std::vector<TextBox> texts, std::vector<TextBox> drawing)
        : m_canvas(c), m_width(width), m_height(height), m_texts(std::move(texts)), m_drawing(std::move(drawing)) {}

    Pixel place(std::string_view text, Pixel wanted, Along along) {
        const PixelSize size = m_canvas.textExtent(text);
        const Pixel p = best(size, wanted, along);
        m_texts.push_back({p, size});
        return p;
    }

private:
    struct Found {
        Pixel at;
        int distance;
    };

    Pixel inside(Pixel p, PixelSize s) const {
        return {std::clamp(p.x, kInset, std::max(kInset, m_width - kInset - s.width)),
                std::clamp(p.y, kInset, std::max(kInset, m_height - kInset - s.height))};
    }

    bool isFree(Pixel p, PixelSize s, bool clearOfDrawing) const {
        const TextBox apart{{p.x - kSideGap, p.y - kGap}, {s.width + 2 * kSideGap, s.height + 2 * kGap}};
        const TextBox clear{{p.x - kGap, p.y - kGap}, {s.width + 2 * kGap, s.height + 2 * kGap}};
        return std::none_of(m_texts.begin(), m_texts.end(), [&](const TextBox& b) { return b.overlaps(apart); }) &&
               (!clearOfDrawing ||
                std::none_of(m_drawing.begin(), m_drawing.end(), [&](const TextBox& b) { return b.overlaps(clear); }));
    }

    // The free place nearest to `start` along the line, forward (down, right) first on a tie.
    std::optional<Found> slide(Pixel start, PixelSize s, Along along, bool clearOfDrawing) const {
        const int reach = along == Along::Vertical ? m_height : m_width;
        for (int d = 0; d < reach; ++d) {
            for (const int sign : {1, -1}) {
                Pixel p = start;
                (along == Along::Vertical ? p.y : p.x) += sign * d;
                if (inside(p, s) == p && isFree(p, s, clearOfDrawing)) return Found{p, d};
                if (d == 0) break;
            }
        }
        return std::nullopt;
    }

    // Rings of growing distance around `start`.
    std::optional<Pixel> nearestFree(Pixel start, PixelSize s) const {
        for (int r = 1; r < std::max(m_width, m_height); ++r) {
            for (int d = -r; d <= r; ++d) {
                for (const Pixel p : {Pixel{start.x + d, start.y - r}, Pixel{start.x + d, start.y + r},
                                      Pixel{start.x - r, start.y + d}, Pixel{start.x + r, start.y + d}}) {
                    if (inside(p, s) == p && isFree(p, s, false)) return p;
                }
            }
        }
        return std::nullopt;
    }

    Pixel best(PixelSize s, Pixel wanted, Along along) const {
        // The other side of a vertical line is its left, of a horizontal line above it.
        const Pixel here = inside(wanted, s);
        const Pixel there = inside(along == Along::Vertical ? Pixel{wanted.x - s.width - 2 * kGap, wanted.y}
                                                            : Pixel{wanted.x, wanted.y - s.height - kGap},
                                   s);
        for (const bool clearOfDrawing : {true, false}) {
            const std::optional<Found> a = slide(here, s, along, clearOfDrawing);
            const std::optional<Found> b = slide(there, s, along, clearOfDrawing);
            // Crossing the line is worth a slide of about one text height.
            if (a && (!b || a->distance <= b->distance + s.height)) return a->at;
            if (b) return b->at;
        }
        if (const std::optional<Pixel> p = nearestFree(here, s)) return *p;
        return here;  // a picture full of text: overlap rather than lose the text
    }

    const Canvas& m_canvas;
    int m_width, m_height;
    std::vector<TextBox> m_texts;    // texts already on the picture or placed
    std::vector<TextBox> m_drawing;  // markers and the model line
};

// Small boxes along a line from a to b, one every two pixels. Only the part
// near the picture matters; far-off ends are pulled in so that the count stays small.
void addLineBoxes(std::vector<TextBox>& boxes, Pixel a, Pixel b, const analysis::EditorView& v) {
    const auto pulledIn = [&](Pixel p) {
        return Pixel{std::clamp(p.x, -kInset, v.width + kInset), std::clamp(p.y, -kInset, v.height + kInset)};
    };
    a = pulledIn(a), b = pulledIn(b);
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) / 2 + 1;
    for (int i = 0; i <= steps; ++i) {
        const int x = a.x + (b.x - a.x) * i / steps, y = a.y + (b.y - a.y) * i / steps;
        boxes.push_back({{x - 1, y - 1}, {3, 3}});
    }
}

struct TextAt {
    Pixel at;
    std::string text;
};

// The file name goes once more over the start of the first line, as it always has.
std::vector<TextAt> titleLines(const EditorTitle& t) {
    const char* side = t.xSign < 1 ? "Minus" : "Plus";
    const std::string first =
        text::format("%s   %dch  %s  x: %+d   y: %+d", t.dataFileName.c_str(), t.xChannel, side, t.xSign, t.ySign);
    return {{{100, 10}, first},
            {{100, 10}, t.dataFileName},
            {{100, 30}, t.stamp}};
}

}  // namespace

std::vector<PictureText> drawEditorView(Canvas& c, const analysis::EditorView& v, std::span<const double> recordX,
                                        std::span<const double> recordY, const analysis::PlotUnits& units,
                                        bool firstQuadrant) {
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
    const TextAt ends[] = {{{2, h / 2 + 2}, xMin},
                              {{w - xs.width - 2, h / 2 + 2}, xMax},
                              {{w / 2 + 4, 2}, yMax},
                              {{w / 2 + 4, h - ys.height - 2}, yMin}};
    std::vector<PictureText> texts;
    for (const auto& [p, text] : ends) {
        c.textOut(p, text, TextEncoding::Cp932);
        texts.push_back({{p, c.textExtent(text, TextEncoding::Cp932)}, text, TextEncoding::Cp932});
    }
    return texts;
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
                          const analysis::SkeletonCurve& curve, bool construction, const EditorTitle& title,
                          std::span<const PictureText> viewTexts) {
    if (e.reached < 5) return;
    const double P = e.Pmax;
    const double du = e.du;
    const Pen saved = c.pen();
    const Brush savedBrush = c.brush();
    const Font savedFont = c.font();

    // The title is written last (on white, over the lines) at its fixed place.
    // It covers the top of the load axis, so an axis end value under it moves
    // along the top edge to the left of the title (or, when too wide for
    // that, below it); the old place is cleared so no half-covered glyphs stay.
    const std::vector<TextAt> titles = titleLines(title);
    std::vector<TextBox> texts;
    for (const TextAt& t : titles) texts.push_back({t.at, c.textExtent(t.text)});
    const std::size_t titleCount = texts.size();
    const auto underTitle = [&](const TextBox& b) {
        return std::any_of(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(titleCount),
                           [&](const TextBox& t) { return t.overlaps(b); });
    };
    std::vector<PictureText> movedTexts;
    c.setBrush({kWhite, false});
    for (const PictureText& t : viewTexts) {
        TextBox box = t.box;
        if (underTitle(box)) box.topLeft.x = std::max(kInset, titles.front().at.x - 4 - box.size.width);
        while (underTitle(box)) ++box.topLeft.y;
        if (box.topLeft != t.box.topLeft) {
            c.fillRect(t.box.topLeft, {t.box.right(), t.box.bottom()});
            movedTexts.push_back({box, t.text, t.encoding});
        }
        texts.push_back(box);
    }
    c.setBrush({kWhite, true});

    std::vector<TextBox> drawing;
    const int n = std::clamp(curve.count, 0, analysis::SkeletonCurve::kSlots);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        const Pixel p = at(v, curve.X[i], curve.Y[i]);
        drawing.push_back({{p.x - kEditorMarkerRadius, p.y - kEditorMarkerRadius},
                           {2 * kEditorMarkerRadius + 1, 2 * kEditorMarkerRadius + 1}});
    }
    const std::vector<Pixel> model{at(v, 0, 0), at(v, e.dv, e.Pu), at(v, du, e.Pu)};
    addLineBoxes(drawing, model[0], model[1], v);
    addLineBoxes(drawing, model[1], model[2], v);

    TextPlacer placer(c, v.width, v.height, std::move(texts), std::move(drawing));
    const auto label = [&](double x, double y, const char* text, Along along) {
        c.textOut(placer.place(text, at(v, x, y), along), text);
    };

    if (construction) {
        c.setPen({kConstructionColor, 1, PenStyle::Solid, PenMode::Copy});
        Font f = savedFont;
        f.color = kConstructionColor;
        c.setFont(f);
        const auto lineI = [&](double x) { return 0.1 * P + e.k1 * (x - e.X01); };
        const auto lineII = [&](double x) { return 0.4 * P + e.k2 * (x - e.X04); };
        const auto lineIII = [&](double x) { return e.Ty + e.k2 * (x - e.Tx); };
        line(c, v, e.X01 / 2, lineI(e.X01 / 2), 2.5 * e.X04, lineI(2.5 * e.X04));
        line(c, v, 0.4 * e.X04, lineII(0.4 * e.X04), 1.5 * e.X09, lineII(1.5 * e.X09));
        line(c, v, 0.4 * e.X04, lineIII(0.4 * e.X04), 1.5 * e.X09, lineIII(1.5 * e.X09));
        line(c, v, 0, e.Py, 0.01, e.Py);
        label(0.01, e.Py - 0.05, "Yield Point Py", Along::Horizontal);
        const double right = 2 * v.sx;
        const struct {
            double load;
            const char* text;
            double textX;
        } levels[] = {{P, "Pmax", 0.024}, {0.1 * P, "0.1Pmax", 0.012}, {0.4 * P, "0.4Pmax", 0.012},
                      {0.9 * P, "0.9Pmax", 0.024}, {0.8 * P, "0.8Pmax", 0.024}};
        for (const auto& l : levels) {
            line(c, v, 0, l.load, right, l.load);
            label(l.textX, l.load, l.text, Along::Horizontal);
        }
        const struct {
            double x;
            const char* text;
        } verticals[] = {{du, "du"}, {e.gm / 2, "gm/2"}, {e.gm, "gm"}, {e.gy, "dy"}, {e.dv, "dv"}};
        for (const auto& l : verticals) {
            line(c, v, l.x, 0, l.x, 1.1 * P);
            label(l.x, 1.15 * P, l.text, Along::Vertical);
        }
        for (const auto& [x, text] : {std::pair{1.0 / 120, "1/120"}, std::pair{1.0 / 30, "1/30"}}) {
            line(c, v, x, 0, x, 1.2 * P);
            label(x, 1.25 * P, text, Along::Vertical);
        }
        line(c, v, 0, P * 2 / 3, du, P * 2 / 3);
        label(du + 0.0005, P * 2 / 3, "2/3Pmax", Along::Horizontal);
        c.setFont(savedFont);
    }
    c.setPen({kGreen, 2, PenStyle::Solid, PenMode::Copy});
    c.polyline(model);
    label(du + 0.0005, e.Pu, "Pu", Along::Horizontal);
    c.setPen(saved);  // back to the one-pixel marker pen

    c.setBrush({kWhite, false});  // the title on white, not on the black marker brush
    for (const TextAt& t : titles) c.textOut(t.at, t.text);
    c.setBrush({kWhite, true});
    for (const PictureText& t : movedTexts) c.textOut(t.box.topLeft, t.text, t.encoding);
    c.setBrush(savedBrush);
}

void drawEditedSkeleton(Canvas& c, const FrameMapping& map, const analysis::SkeletonCurve& curve,
                        const analysis::EditorEvaluation& e) {
    const Pen saved = c.pen();
    const int n = std::clamp(curve.count, 0, analysis::SkeletonCurve::kSlots);
    if (n > 0) {
        c.setPen({kBlack, 2, PenStyle::Solid, PenMode::Copy});
        std::vector<Pixel> points;
        points.reserve(static_cast<std::size_t>(n));
        for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
            points.push_back(map.toPixel(curve.X[i], curve.Y[i]));
        c.polyline(points);
    }
    c.setPen({kGreen, 2, PenStyle::Solid, PenMode::Copy});
    c.polyline({map.toPixel(0, 0), map.toPixel(e.dv, e.Pu), map.toPixel(e.du, e.Pu)});
    c.setPen(saved);
}

}  // namespace kvx::plot
