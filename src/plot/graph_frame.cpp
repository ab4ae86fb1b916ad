// Frame preparation and drawing.
#include "plot/graph_frame.h"

#include "text/cp932.h"
#include "text/printf.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kvx::plot {
namespace {

constexpr double kStepMantissas[] = {1.0, 1.5, 2.0, 2.5, 5.0};
constexpr int kAngleDenominators[] = {6, 7, 8, 10, 12, 15, 20, 30, 50, 100, 300};

// Truncation toward zero, kept inside int so wild values cannot overflow.
int truncPixel(long double v) {
    if (!(v > -1e9L)) return -1000000000;  // also NaN
    if (v > 1e9L) return 1000000000;
    return static_cast<int>(v);
}

std::string stripLeadingBlanks(const std::string& s) {
    const auto p = s.find_first_not_of(' ');
    return p == std::string::npos ? std::string() : s.substr(p);
}

// The main window's own font, in which some widths are measured.
Font windowFont() {
    Font f;
    f.face = kPGothic;
    f.size = 13;
    f.sizeInPixels = true;
    f.bold = true;
    return f;
}

PixelSize extentIn(Canvas& canvas, const Font& font, std::string_view text, TextEncoding enc) {
    const Font saved = canvas.font();
    canvas.setFont(font);
    const PixelSize s = canvas.textExtent(text, enc);
    canvas.setFont(saved);
    return s;
}

void setFontSize(Canvas& canvas, int size) {
    Font f = canvas.font();
    f.size = size;
    f.sizeInPixels = false;
    canvas.setFont(f);
}

void setPenWidth(Canvas& canvas, int width) {
    Pen p = canvas.pen();
    p.width = width;
    canvas.setPen(p);
}

void line(Canvas& canvas, Pixel a, Pixel b) {
    canvas.moveTo(a);
    canvas.lineTo(b);
}

void drawAngleLabels(const GraphFrame& f, const FrameOptions& o, FramePlacement place, Canvas& canvas) {
    const int left = place.FrameLeft;
    const int bottom = place.FrameBottom;
    const int dw = f.DivisionWidth;
    const long double dh = f.DivisionHeight;
    Pen pen = canvas.pen();
    pen.width = 1;
    pen.style = PenStyle::Dotted;
    canvas.setPen(pen);
    const int savedSize = canvas.font().size;
    const bool savedPixels = canvas.font().sizeInPixels;
    setFontSize(canvas, 10);

    int count = 11;
    if (f.XStep > 0.045) count = 9;
    if (f.XStep > 0.09) count = 8;
    const int origin = o.originCentred ? left + 2 * dw : left;
    const int wd = extentIn(canvas, windowFont(), "-", TextEncoding::Utf8).width;
    const int top = truncPixel(bottom - 3.5L * dh);
    const int foot = truncPixel(bottom - 0.5L * dh);

    const auto label = [&](int x, int n) {
        line(canvas, {x, top}, {x, foot});
        const std::string number = text::format("%d", n);
        const int wn = extentIn(canvas, windowFont(), number, TextEncoding::Utf8).width;
        if (o.angleLabelsBelow) {
            const long double y = bottom - 0.4L * dh;
            canvas.textOut({x - wd / 2, truncPixel(y)}, "1");
            canvas.textOut({x - wd, truncPixel(y + 7)}, "－");
            canvas.textOut({x - wn / 2, truncPixel(y + 14)}, number);
        }
        if (o.angleLabelsAbove) {
            canvas.textOut({x - wd / 2, truncPixel(bottom - 3.7L * dh - 15)}, "1");
            canvas.textOut({x - wd, truncPixel(bottom - 3.7L * dh - 7)}, "－");
            canvas.textOut({x - wn / 2, truncPixel(bottom - 3.7L * dh)}, number);
        }
    };
    for (int k = 0; k < count; ++k) {
        const int n = kAngleDenominators[k];
        const float v = 1.0f / static_cast<float>(n);
        const int x = truncPixel(origin + static_cast<long double>(v) / f.XStep * dw);
        if (x > left + 4 * dw) continue;
        label(x, n);
    }
    if (o.originCentred) {
        for (int k = 0; k < count; ++k) {
            const int n = kAngleDenominators[k];
            const float v = 1.0f / static_cast<float>(n);
            const int x = truncPixel(origin - static_cast<long double>(v) / f.XStep * dw);
            if (x < left) continue;
            label(x, n);
        }
    }
    pen.style = PenStyle::Solid;
    canvas.setPen(pen);
    Font font = canvas.font();
    font.size = savedSize;
    font.sizeInPixels = savedPixels;
    canvas.setFont(font);
}

}  // namespace

Pixel FrameMapping::toPixel(double x, double y) const {
    const long double px = (static_cast<long double>(x) - frame.XStart) / frame.XStep * frame.DivisionWidth +
                           place.FrameLeft;
    const long double py = place.FrameBottom -
                           (static_cast<long double>(y) - frame.YStart) / frame.YStep * frame.DivisionHeight;
    return {truncPixel(px), truncPixel(py)};
}

DataPoint FrameMapping::toData(Pixel p) const {
    const double x = static_cast<double>(p.x - place.FrameLeft) / frame.DivisionWidth * frame.XStep + frame.XStart;
    const double y = static_cast<double>(place.FrameBottom - p.y) / frame.DivisionHeight * frame.YStep + frame.YStart;
    return {x, y};
}

double MaxAbs(std::span<const double> values) {
    double m = 0.0;
    for (double v : values) m = std::max(m, std::fabs(v));
    return m;
}

StepChoice ChooseStep(double maximum, int divisions, ui::Interaction& ia) {
    if (maximum == 0.0) {
        ia.message(text::translate("kvx::plot", "最初のループ判定を誤りました．\n\n次へ進んでください．"
                   "　　　　　　　　　　　"),
                   text::translate("kvx::plot", "ループデータ不正"), ui::Icon::Warning);
        return {1.0, -2.0};
    }
    const double smallest = divisions * kStepMantissas[0] * 1e-10;
    if (maximum <= smallest * 0.5) return {kStepMantissas[0] * 1e-10, 0.0};
    // The decade grows by repeated multiplication, as the stored steps always have.
    for (double decade = 1e-10; std::isfinite(decade); decade *= 10.0) {
        for (double t : kStepMantissas) {
            const double c = divisions * t * decade;
            if (c * 0.5 < maximum && maximum <= c) return {t * decade, 0.0};
        }
    }
    return {1.0, 0.0};  // only for an infinite maximum, which no read data set holds
}

namespace {

/// Largest magnitude of one channel over rows from ... to (0-based, inclusive).
double maxAbsOfRows(const data::MeasurementData& data, int from, int to, int channel) {
    double m = 0.0;
    for (int r = from; r <= to; ++r) m = std::max(m, std::fabs(static_cast<double>(data.value(r, channel))));
    return m;
}

}  // namespace

// All sixteen columns row after row: the table is row-major, so one channel's
// column touches every row's cache line anyway. The magnitudes stay floats:
// converting to double is exact and keeps their order.
void RunningMagnitudes::scan(int from, int to, Largest& largest) const {
    const float* row = m_data.ValueTable.data() + static_cast<std::size_t>(from) * data::kMaxChannels;
    for (int r = from; r < to; ++r, row += data::kMaxChannels)
        for (std::size_t c = 0; c < largest.size(); ++c) largest[c] = std::max(largest[c], std::fabs(row[c]));
}

double RunningMagnitudes::upTo(int channel, int last) {
    if (last < m_rows) {  // a step back: from the first row again
        m_rows = 0;
        m_upTo.fill(0.0f);
    }
    scan(m_rows, last, m_upTo);
    m_rows = std::max(m_rows, last);
    return m_upTo[static_cast<std::size_t>(channel)];
}

double RunningMagnitudes::whole(int channel) {
    if (!m_whole) {
        m_whole.emplace();
        m_whole->fill(0.0f);
        scan(0, m_data.RowCount, *m_whole);
    }
    return (*m_whole)[static_cast<std::size_t>(channel)];
}

double ChannelStep(const data::MeasurementData& data, int first, int last, int channel, bool fullScale,
                   bool originCentred, ui::Interaction& ia, RunningMagnitudes* running) {
    first = std::max(first, 1);
    last = std::min(last, data.RowCount);
    if (first > last) return 1.0;
    // Scanned in place, not on a copy of the column, and with `running` only
    // past the rows scanned before. Dividing the largest magnitude by the scale
    // gives exactly the largest of the divided values, as a correctly rounded
    // division never reverses order.
    double m = running && first == 1 ? running->upTo(channel, last) : maxAbsOfRows(data, first - 1, last - 1, channel);
    if (fullScale) {
        const double largest = running ? running->whole(channel) : maxAbsOfRows(data, 0, data.RowCount - 1, channel);
        const double scale = largest * 0.01 * 1.00001;
        if (scale != 0.0) m /= scale;
    }
    if (m == 0.0) return 1.0;
    return ChooseStep(m, originCentred ? 2 : 4, ia).step;
}

std::string TickLabelFormat(double step) {
    const std::string s = text::format("%10.5f", step);  // grows as needed for large steps
    int blanks = 0;
    while (blanks < 5 && static_cast<std::size_t>(blanks) < s.size() && s[static_cast<std::size_t>(blanks)] == ' ')
        ++blanks;
    int zeros = 0;
    // Positions 10, 9, 8, 7 counted from 1: the last decimals of a ten-character text.
    while (zeros < 4 && s.size() >= 10 && s[static_cast<std::size_t>(9 - zeros)] == '0') ++zeros;
    return text::format("%%%d.%df", (5 - blanks) + (4 - zeros) + 2, (4 - zeros) + 1);
}

std::string formatValue(const std::string& format, double value) {
    char buffer[64];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::snprintf(buffer, sizeof buffer, format.c_str(), value);
#pragma GCC diagnostic pop
    return buffer;
}

void PrepareFrame(GraphFrame& frame, const data::MeasurementData& data, std::span<const int> displayChannels,
                  int first, int last, const FrameOptions& o, FramePlacement place, Canvas& canvas,
                  ui::Interaction& ia, RunningMagnitudes* running) {
    computeFrame(frame, data, displayChannels, first, last, o, ia, running);
    DrawFrame(frame, o, place, canvas);
}

void computeFrame(GraphFrame& frame, const data::MeasurementData& data, std::span<const int> displayChannels, int first,
                  int last, const FrameOptions& o, ui::Interaction& ia, RunningMagnitudes* running) {
    const auto step = [&](int channel) {
        return ChannelStep(data, first, last, channel - 1, o.fullScale, o.originCentred, ia, running);
    };
    double displayStep = 0.0;
    for (int c : displayChannels) displayStep = std::max(displayStep, step(c));

    frame = GraphFrame{};
    const double mainStep = step(o.mainChannel);
    frame.XStep = o.mainOnX ? mainStep : displayStep;
    frame.YStep = o.mainOnX ? displayStep : mainStep;
    if (!o.autoScale) {
        frame.XStep = o.ManualXStep;
        frame.YStep = o.ManualYStep;
    }
    frame.XStart = o.originCentred ? -2.0 * frame.XStep : 0.0;
    frame.YStart = o.originCentred ? -2.0 * frame.YStep : 0.0;

    const data::ChannelHeader& h = data.header;
    const auto at = [](int channel) { return static_cast<std::size_t>(channel - 1); };
    const std::string mainTitle = h.pointNames[at(o.mainChannel)];
    const std::string mainUnit = h.units[at(o.mainChannel)];
    const std::string otherTitle = displayChannels.size() == 1 ? h.pointNames[at(displayChannels[0])] : std::string();
    const std::string otherUnit = displayChannels.empty() ? std::string() : h.units[at(displayChannels[0])];
    frame.XTitle = o.mainOnX ? mainTitle : otherTitle;
    frame.XUnit = o.mainOnX ? mainUnit : otherUnit;
    frame.YTitle = o.mainOnX ? otherTitle : mainTitle;
    frame.YUnit = o.mainOnX ? otherUnit : mainUnit;
    if (o.fullScale) frame.XUnit = frame.YUnit = "%max";
    frame.XFormat = TickLabelFormat(frame.XStep);
    frame.YFormat = TickLabelFormat(frame.YStep);
}

void DrawFrame(const GraphFrame& f, const FrameOptions& o, FramePlacement place, Canvas& canvas) {
    const int left = place.FrameLeft;
    const int bottom = place.FrameBottom;
    const int w = f.width();
    const int h = f.height();

    Font font = canvas.font();
    font.face = kGothic;
    font.bold = true;
    font.escapement = 0;
    font.color = kBlack;
    canvas.setFont(font);

    canvas.setPen({kWhite, 1, PenStyle::Solid, PenMode::Copy});
    canvas.setBrush({kWhite, false});
    canvas.rectangle({left - 100, bottom - h - 50}, {left + w + 100, bottom + h + 50});
    canvas.setPen({kBlack, 1, PenStyle::Solid, PenMode::Copy});

    const int widthDigit = f.XFormat.size() > 1 ? f.XFormat[1] - '0' : 0;
    for (int i = 0; i <= f.XDivisions; ++i) {
        setPenWidth(canvas, i == 0 || i == f.XDivisions ? 2 : 1);
        const int x = left + i * f.DivisionWidth;
        line(canvas, {x, bottom}, {x, bottom - h});
        setFontSize(canvas, 14);
        canvas.textOut({x - ((widthDigit + 2) * 7) / 2, bottom + 8}, formatValue(f.XFormat, f.XStart + i * f.XStep));
    }
    for (int j = 0; j <= f.YDivisions; ++j) {
        setPenWidth(canvas, j == 0 || j == f.YDivisions ? 2 : 1);
        const int y = bottom - j * f.DivisionHeight;
        line(canvas, {left, y}, {left + w, y});
        const std::string label = formatValue(f.YFormat, f.YStart + j * f.YStep);
        const PixelSize s = canvas.textExtent(label);
        canvas.textOut({left - s.width - 3, y - s.height / 2}, label);
    }

    if (o.angleLabels && f.XStep < 0.2) drawAngleLabels(f, o, place, canvas);

    const std::string xTitle = stripLeadingBlanks(o.autoTitle ? f.XTitle : o.manualXTitle);
    const std::string xUnit = stripLeadingBlanks(f.XUnit);
    const std::string yUnit = stripLeadingBlanks(f.YUnit);
    const int wf = extentIn(canvas, windowFont(), xTitle, TextEncoding::Cp932).width;
    canvas.textOut({truncPixel(left + w * 0.5L - wf / 2), bottom + 28}, xTitle, TextEncoding::Cp932);
    canvas.textOut({left + w, bottom + 27}, xUnit, TextEncoding::Cp932);
    canvas.textOut({left, truncPixel(bottom - h - 22.4L)}, yUnit, TextEncoding::Cp932);

    if (o.showTitle) {
        const std::string title = o.autoTitle ? text::utf8ToCp932Lossy(o.dataFileBaseName) : o.manualGraphTitle;
        const int len = static_cast<int>(title.size());
        canvas.textOut({left + w / 2 - 7 * len, bottom - h - 42}, title, TextEncoding::Cp932);
    }

    setPenWidth(canvas, 1);
    const std::string yTitle = o.autoTitle ? f.YTitle : o.manualYTitle;
    const Font saved = canvas.font();
    Font rotated;
    rotated.face = kGothic;
    rotated.size = 22;
    rotated.sizeInPixels = true;
    rotated.cellWidth = 11;
    rotated.bold = true;
    rotated.escapement = 900;
    canvas.setFont(rotated);
    const int len = static_cast<int>(yTitle.size());
    canvas.textOut({5, 11 * (len / 2) + 250}, yTitle, TextEncoding::Cp932);
    canvas.setFont(saved);
}

}  // namespace kvx::plot
