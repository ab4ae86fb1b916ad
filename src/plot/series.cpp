// Series drawing helpers.
#include "plot/series.h"

#include "text/printf.h"

#include <algorithm>
#include <cmath>

namespace kvx::plot {

Pen seriesPen(int channel, const LineStyles& styles, bool colorDisplay, bool boldAll) {
    const auto i = static_cast<std::size_t>(channel - 1);
    Pen p;
    p.color = colorDisplay ? styles.ChannelColors[i] : kBlack;
    p.width = styles.ChannelBold[i] != 0 || boldAll ? 2 : 1;
    return p;
}

void Smooth(std::span<double> v, int window) {
    const int n = static_cast<int>(v.size());
    if (n == 0 || window < 2) return;
    const int h = (window - 1) / 2;
    const auto at = [&](int i) { return v[static_cast<std::size_t>(std::clamp(i, 0, n - 1))]; };
    std::vector<double> p(static_cast<std::size_t>(n + window), 0.0);
    const auto put = [&](int i, double value) { p[static_cast<std::size_t>(i)] = value; };
    for (int i = 0; i < n; ++i) put(h + i, v[static_cast<std::size_t>(i)]);
    for (int i = 0; i < h; ++i) {
        put(i, at(h - i));
        put(n + h + i, at(n - h - i));
    }
    for (int i = 0; i < n; ++i) {
        double sum = 0.0;
        for (int k = 0; k < window; ++k) sum += p[static_cast<std::size_t>(i + k)];
        v[static_cast<std::size_t>(i)] = sum / window;
    }
}

void drawMark(Canvas& canvas, Pixel p, MarkShape shape) {
    switch (shape) {
    case MarkShape::Circle: canvas.ellipse({p.x - 4, p.y - 4}, {p.x + 4, p.y + 4}); break;
    case MarkShape::Cross:
        canvas.moveTo({p.x - 4, p.y - 4});
        canvas.lineTo({p.x + 4, p.y + 4});
        canvas.moveTo({p.x + 4, p.y - 4});
        canvas.lineTo({p.x - 4, p.y + 4});
        break;
    case MarkShape::Triangle:
        canvas.moveTo({p.x, p.y - 5});
        canvas.lineTo({p.x - 4, p.y + 2});
        canvas.lineTo({p.x + 4, p.y + 2});
        canvas.lineTo({p.x, p.y - 5});
        break;
    }
    canvas.moveTo(p);
}

namespace {

constexpr int kEnvelopeBins = 256;
// The widening stops by itself once the window spans the whole range; the
// cap only guards against values that compare false with everything.
constexpr int kMaxReach = kEnvelopeBins + 8;

// The highest and lowest value of the rows a window holds, each from the first
// row that has it: scanning the rows in order, a later equal value (0.0 after
// -0.0) does not replace an earlier one.
struct WindowExtremes {
    bool found = false;
    double hi = 0.0, lo = 0.0;
    int hiRow = 0, loRow = 0;
    void add(double hiValue, int hiAt, double loValue, int loAt) {
        if (!found || hiValue > hi || (hiValue == hi && hiAt < hiRow)) hi = hiValue, hiRow = hiAt;
        if (!found || loValue < lo || (loValue == lo && loAt < loRow)) lo = loValue, loRow = loAt;
        found = true;
    }
};

std::vector<DataPoint> joinSides(const std::vector<DataPoint>& upper, const std::vector<DataPoint>& lower) {
    std::vector<DataPoint> polygon(upper);
    polygon.insert(polygon.end(), lower.rbegin(), lower.rend());
    return polygon;
}

}  // namespace

std::vector<DataPoint> envelopePolygonByScanning(std::span<const double> x, std::span<const double> y, int from,
                                                 int to) {
    from = std::max(from, 0);
    to = std::min(to, static_cast<int>(std::min(x.size(), y.size())));
    if (from >= to) return {};
    const auto rows = [&](auto f) {
        for (int i = from; i < to; ++i) f(x[static_cast<std::size_t>(i)], y[static_cast<std::size_t>(i)]);
    };
    double xmin = x[static_cast<std::size_t>(from)], xmax = xmin;
    rows([&](double xi, double) {
        xmin = std::min(xmin, xi);
        xmax = std::max(xmax, xi);
    });
    const double g = (xmax - xmin) / 256;
    std::vector<DataPoint> upper(kEnvelopeBins), lower(kEnvelopeBins);
    for (int j = 0; j < kEnvelopeBins; ++j) {
        const double xj = xmin + j * g;
        double hi = 0.0, lo = 0.0;
        bool found = false;
        for (int r = 3; !found && r <= kMaxReach; ++r) {
            const double a = xj - r * g, b = xj + r * g;
            rows([&](double xi, double yi) {
                if (xi >= a && xi <= b) {
                    if (!found || yi > hi) hi = yi;
                    if (!found || yi < lo) lo = yi;
                    found = true;
                }
            });
        }
        upper[static_cast<std::size_t>(j)] = {xj, hi};
        lower[static_cast<std::size_t>(j)] = {xj, lo};
    }
    return joinSides(upper, lower);
}

std::vector<DataPoint> envelopePolygon(std::span<const double> x, std::span<const double> y, int from, int to) {
    from = std::max(from, 0);
    to = std::min(to, static_cast<int>(std::min(x.size(), y.size())));
    if (from >= to) return {};
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    double xmin = x[at(from)], xmax = xmin;
    bool finite = true;
    for (int i = from; i < to; ++i) {
        xmin = std::min(xmin, x[at(i)]);
        xmax = std::max(xmax, x[at(i)]);
        finite = finite && std::isfinite(x[at(i)]) && std::isfinite(y[at(i)]);
    }
    const double g = (xmax - xmin) / 256;
    // Rows are sorted into bins of width g, so a window of whole bins is read
    // from each bin's extremes, and only the rows of the bins at its two edges
    // are compared with the window as the scan compares them. The bin of a row
    // is then off by far less than one bin, which needs a width well above the
    // rounding of the values; NaN, infinity or a range lost in rounding take
    // the scan itself.
    const double magnitude = std::max(std::fabs(xmin), std::fabs(xmax));
    if (!finite || !(g > std::ldexp(magnitude, -40))) return envelopePolygonByScanning(x, y, from, to);

    constexpr int kBins = kEnvelopeBins + 1;  // the largest x lands in bin 256
    const int n = to - from;
    std::vector<int> binOf(at(n)), first(at(kBins + 1), 0), order(at(n));
    for (int i = 0; i < n; ++i) {
        const double t = std::floor((x[at(from + i)] - xmin) / g);
        const int k = static_cast<int>(std::clamp(t, 0.0, static_cast<double>(kEnvelopeBins)));
        binOf[at(i)] = k;
        ++first[at(k + 1)];
    }
    for (int k = 0; k < kBins; ++k) first[at(k + 1)] += first[at(k)];
    std::vector<int> fill(first.begin(), first.end() - 1);
    for (int i = 0; i < n; ++i) order[at(fill[at(binOf[at(i)])]++)] = from + i;  // rows ascending in each bin
    std::vector<WindowExtremes> bins(at(kBins));
    for (int k = 0; k < kBins; ++k)
        for (int q = first[at(k)]; q < first[at(k + 1)]; ++q) {
            const int row = order[at(q)];
            bins[at(k)].add(y[at(row)], row, y[at(row)], row);
        }

    std::vector<DataPoint> upper(kEnvelopeBins), lower(kEnvelopeBins);
    for (int j = 0; j < kEnvelopeBins; ++j) {
        const double xj = xmin + j * g;
        WindowExtremes w;
        for (int r = 3; !w.found && r <= kMaxReach; ++r) {
            const double a = xj - r * g, b = xj + r * g;
            // Bins j-r+1 ... j+r-2 lie inside [a, b], bins from j+r+1 on and
            // up to j-r-2 outside it; the four between are read row by row.
            for (int k = std::max(j - r + 1, 0); k <= std::min(j + r - 2, kEnvelopeBins); ++k)
                if (bins[at(k)].found) w.add(bins[at(k)].hi, bins[at(k)].hiRow, bins[at(k)].lo, bins[at(k)].loRow);
            for (const int k : {j - r - 1, j - r, j + r - 1, j + r}) {
                if (k < 0 || k > kEnvelopeBins) continue;
                for (int q = first[at(k)]; q < first[at(k + 1)]; ++q) {
                    const int row = order[at(q)];
                    const double xi = x[at(row)];
                    if (xi >= a && xi <= b) w.add(y[at(row)], row, y[at(row)], row);
                }
            }
        }
        upper[at(j)] = {xj, w.found ? y[at(w.hiRow)] : 0.0};
        lower[at(j)] = {xj, w.found ? y[at(w.loRow)] : 0.0};
    }
    return joinSides(upper, lower);
}

void drawEnvelope(Canvas& canvas, const FrameMapping& mapping, const std::vector<DataPoint>& polygon, Rgb color) {
    if (polygon.empty()) return;
    Pen pen = canvas.pen();
    pen.color = color;
    pen.width = 2;
    canvas.setPen(pen);
    std::vector<Pixel> points;
    points.reserve(polygon.size() + 1);
    for (const DataPoint& d : polygon) points.push_back(mapping.toPixel(d.x, d.y));
    points.push_back(points.front());
    canvas.polyline(points);
    pen.width = 1;
    canvas.setPen(pen);
}

int leftToFit(int x, int width) { return std::max(0, std::min(x, kPictureWidth - width)); }

void drawMinMaxLabels(Canvas& canvas, const Extremes& e, Pixel offset, const GraphFrame& frame, FramePlacement place) {
    const Pen saved = canvas.pen();
    Pen white = saved;
    white.color = kWhite;
    canvas.setPen(white);
    const int x = place.FrameLeft + offset.x + frame.DivisionWidth;
    canvas.moveTo({x, place.FrameBottom + offset.y - 5});
    canvas.lineTo({x, place.FrameBottom + offset.y - frame.DivisionHeight + 5});
    canvas.setPen(saved);

    Font font = canvas.font();
    font.size = 12;
    font.sizeInPixels = false;
    canvas.setFont(font);
    const std::string lines[] = {text::format("Ymax (%8.3f,%8.3f )", e.Ymax_x, e.Ymax_y),
                                 text::format("Ymin (%8.3f,%8.3f )", e.Ymin_x, e.Ymin_y),
                                 text::format("Yave (%8.3f,%8.3f )", e.Yave_x, e.Yave_y),
                                 text::format("Xmax (%8.3f,%8.3f )", e.Xmax_x, e.Xmax_y),
                                 text::format("Xmin (%8.3f,%8.3f )", e.Xmin_x, e.Xmin_y),
                                 text::format("Xave (%8.3f,%8.3f )", e.Xave_x, e.Xave_y)};
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, canvas.textExtent(line).width);
    // The right-hand boxes start 210 pixels right of the frame: large values
    // or a wider face would run past the picture.
    const int tx = leftToFit(place.FrameLeft + offset.x + 10, widest);
    const int by = place.FrameBottom + offset.y;
    int y = by - 95;
    for (const std::string& line : lines) {
        canvas.textOut({tx, y}, line);
        y += 15;
    }
}

LegendBox drawLegend(Canvas& canvas, std::span<const int> displayChannels, const data::ChannelHeader& header,
                     Pixel position, const LineStyles& styles, bool colorDisplay, bool boldAll, bool marks) {
    Font font = canvas.font();
    font.size = 12;
    font.sizeInPixels = false;
    font.color = kBlack;
    canvas.setFont(font);
    std::vector<std::string> entries;
    int widest = 0;
    for (int c : displayChannels) {
        entries.push_back("        " + header.pointNames[static_cast<std::size_t>(c - 1)] + " ");
        widest = std::max(widest, canvas.textExtent(entries.back(), TextEncoding::Cp932).width);
    }
    const PixelSize size{widest + 15, 20 * static_cast<int>(displayChannels.size()) + 10};
    // Long point names at the default position would run off the picture.
    position.x = leftToFit(position.x, size.width);

    canvas.setPen({kBlack, 1, PenStyle::Solid, PenMode::Copy});
    canvas.rectangle(position, {position.x + size.width, position.y + size.height});
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const int x0 = position.x + 10;
        const int y = position.y + 6 + 20 * static_cast<int>(k);
        canvas.textOut({x0, y}, entries[k], TextEncoding::Cp932);
        canvas.setPen(seriesPen(displayChannels[k], styles, colorDisplay, boldAll));
        canvas.moveTo({x0, y + 6});
        canvas.lineTo({x0 + 50, y + 6});
        if (marks) drawMark(canvas, {x0 + 25, y + 7}, markShapeOf(static_cast<int>(k)));
    }
    return {position, size};
}

}  // namespace kvx::plot
