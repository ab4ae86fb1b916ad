// Printed page layout, in printer dots.
#include "output/print_page.h"

#include "plot/graph_frame.h"
#include "plot/series.h"
#include "text/cp932.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kvx::output {
namespace {

using plot::Pixel;

int trunc(double v) {
    if (!(v > -1e9)) return -1000000000;
    if (v > 1e9) return 1000000000;
    return static_cast<int>(v);
}

std::vector<int> displayChannels(const data::MeasurementData& data, const plot::GraphOptions& o) {
    std::vector<int> list;
    for (int k = 1; k <= std::min(data.header.ChannelCount, data::kMaxChannels); ++k)
        if (o.channelChecked[static_cast<std::size_t>(k - 1)]) list.push_back(k);
    return list;
}

std::string withoutLeadingBlanks(const std::string& s) {
    const auto p = s.find_first_not_of(' ');
    return p == std::string::npos ? std::string() : s.substr(p);
}

int len(const std::string& s) { return static_cast<int>(s.size()); }

// Channels 1 ... 8 have their printing colours; 9 ... 16 keep the pen's colour.
std::optional<plot::Rgb> printColour(int channel) {
    static const std::uint32_t colours[] = {0x0000FF, 0xFF0000, 0xFF00FF, 0x008000, 0x00FFFF, 0xFFFF00, 0x000000, 0x800080};
    if (channel < 1 || channel > 8) return std::nullopt;
    return plot::Rgb::fromHex(colours[channel - 1]);
}

void setWidth(plot::Canvas& c, int width) {
    plot::Pen p = c.pen();
    p.width = width;
    c.setPen(p);
}

}  // namespace

std::optional<PrintRefusal> refuseBeforeDialog(const plot::GraphOptions& o) {
    if (!o.dataLoaded) return PrintRefusal{text::translate("kvx::output", "印刷するグラフが描かれていません"), text::translate("kvx::output", "印刷エラー")};
    return std::nullopt;
}

std::optional<PrintRefusal> refuseBeforeJob(const data::MeasurementData& data, const plot::GraphOptions& o) {
    const auto list = displayChannels(data, o);
    if (list.empty()) return PrintRefusal{text::translate("kvx::output", "チャンネルの選択がされていません"), text::translate("kvx::output", "チャンネル選択エラー")};
    if (list.size() > 1 && !o.frame.fullScale) {
        const std::string& unit = data.header.units[static_cast<std::size_t>(list[0] - 1)];
        for (int c : list)
            if (data.header.units[static_cast<std::size_t>(c - 1)] != unit)
                return PrintRefusal{text::translate("kvx::output", "表示しようとするデータの単位が一致しておりません"), text::translate("kvx::output", "単位不一致エラー")};
    }
    return std::nullopt;
}

void drawPrintedPage(plot::Canvas& c, const data::MeasurementData& data, const plot::GraphOptions& o, int firstRow,
                     int lastRow, int dpi, ui::Interaction& ia) {
    const auto list = displayChannels(data, o);
    if (list.empty()) return;
    // Titles are always the automatic ones on paper.
    plot::FrameOptions fo = o.frame;
    fo.autoTitle = true;
    plot::GraphFrame frame;
    plot::computeFrame(frame, data, list, firstRow, lastRow, fo, ia);

    const double f = printFactor(dpi);
    const plot::FramePlacement screen;
    const int left = screen.FrameLeft * kPrintMagnification, bottom = screen.FrameBottom * kPrintMagnification;
    const int divisionWidth = frame.DivisionWidth * kPrintMagnification;
    const int divisionHeight = frame.DivisionHeight * kPrintMagnification;
    const int X0 = trunc(left * f), Y0 = trunc(bottom * f);
    const int dx = trunc(divisionWidth * f), dy = trunc(divisionHeight * f);
    const int W = 4 * dx, H = 4 * dy;

    c.setPen({plot::kWhite, 1, plot::PenStyle::Solid, plot::PenMode::Copy});
    c.setBrush({plot::kWhite, false});
    c.rectangle({X0 - trunc(80 * f), Y0 - H - trunc(50 * f)}, {X0 + W + trunc(80 * f), Y0 + trunc(50 * f)});
    c.setPen({plot::kBlack, 1, plot::PenStyle::Solid, plot::PenMode::Copy});
    plot::Font font;
    font.size = 18;
    font.bold = false;
    c.setFont(font);

    for (int i = 0; i <= 4; ++i) {
        setWidth(c, i == 0 || i == 4 ? 10 : 5);
        const int x = X0 + i * dx;
        c.moveTo({x, Y0});
        c.lineTo({x, Y0 - H});
        const std::string label = plot::formatValue(frame.XFormat, frame.XStart + i * frame.XStep);
        c.textOut({x - (len(label) * 72) / 2, Y0 + 72}, label);
    }
    for (int j = 0; j <= 4; ++j) {
        setWidth(c, j == 0 || j == 4 ? 10 : 5);
        const int y = Y0 - j * dy;
        c.moveTo({X0, y});
        c.lineTo({X0 + W, y});
        const std::string label = plot::formatValue(frame.YFormat, frame.YStart + j * frame.YStep);
        c.textOut({X0 - (len(label) + 1) * 72, y - 72}, label);
    }
    const std::string xTitle = withoutLeadingBlanks(frame.XTitle), yTitle = withoutLeadingBlanks(frame.YTitle);
    const std::string xUnit = withoutLeadingBlanks(frame.XUnit), yUnit = withoutLeadingBlanks(frame.YUnit);
    using plot::TextEncoding;
    c.textOut({trunc(X0 + W * 0.5 - (len(xTitle) * 72) / 2), Y0 + 360}, xTitle, TextEncoding::Cp932);
    c.textOut({X0 + W - len(xUnit) * 72, Y0 + 216}, xUnit, TextEncoding::Cp932);
    c.textOut({X0 - (len(yUnit) * 72) / 2, Y0 - H - 216}, yUnit, TextEncoding::Cp932);
    if (o.frame.showTitle) {
        const std::string title = text::utf8ToCp932Lossy(o.frame.dataFileBaseName);
        c.textOut({X0 + W / 2 - (len(title) * 72) / 2, Y0 - H - 288}, title, TextEncoding::Cp932);
    }
    setWidth(c, 5);
    {
        // The Y-axis title, rotated, bold Gothic, centred beside the axis.
        const plot::Font saved = c.font();
        plot::Font rotated;
        rotated.face = plot::kGothic;
        rotated.size = 24;
        rotated.bold = true;
        rotated.escapement = 900;
        c.setFont(rotated);
        const plot::PixelSize extent = c.textExtent(yTitle, TextEncoding::Cp932);
        // Left of the Y labels (at most six characters wide), kept on the page.
        c.textOut({std::max(0, X0 - 7 * 72 - extent.height), Y0 - H / 2 + extent.width / 2}, yTitle, TextEncoding::Cp932);
        c.setFont(saved);
    }

    // Series over all rows, whatever the display mode.
    const int n = data.RowCount;
    const int mark = trunc(15 * f);
    int seriesCounter = 0;
    std::vector<double> X(static_cast<std::size_t>(n)), Y(static_cast<std::size_t>(n));
    for (int d : list) {
        const int xChannel = o.mainOnX ? o.mainChannel : d;
        const int yChannel = o.mainOnX ? d : o.mainChannel;
        const auto sign = [&](int ch) { return o.signInverted[static_cast<std::size_t>(ch - 1)] ? -1.0 : 1.0; };
        for (int i = 0; i < n; ++i) {
            X[static_cast<std::size_t>(i)] = sign(xChannel) * static_cast<double>(data.value(i, xChannel - 1));
            Y[static_cast<std::size_t>(i)] = sign(yChannel) * static_cast<double>(data.value(i, yChannel - 1));
        }
        if (o.smooth) {
            plot::Smooth(X, o.SmoothingSize);
            plot::Smooth(Y, o.SmoothingSize);
        }
        // The axes are in percent with full scale on: so must the series be
        // (plotting raw values on percent axes would print a wrong graph).
        if (o.frame.fullScale) {
            for (std::vector<double>* v : {&X, &Y}) {
                const double m = 0.01 * plot::MaxAbs(*v);
                if (m != 0.0)
                    for (double& value : *v) value /= m;
            }
        }
        plot::Pen pen = c.pen();
        if (!o.colorDisplay) pen.color = plot::kBlack;
        else if (const auto colour = printColour(d)) pen.color = *colour;
        c.setPen(pen);
        const auto at = [&](int i) {
            const double x = X[static_cast<std::size_t>(i)], y = Y[static_cast<std::size_t>(i)];
            return Pixel{trunc(X0 + f * ((x - frame.XStart) / frame.XStep * divisionWidth)),
                         trunc(Y0 - f * ((y - frame.YStart) / frame.YStep * divisionHeight))};
        };
        if (n > 0) c.moveTo(at(0));
        for (int i = 1; i < n; ++i) {
            const Pixel p = at(i);
            c.lineTo(p);
            if (!o.marks) continue;
            setWidth(c, 10);
            switch (seriesCounter % 3) {
            case 0: c.ellipse({p.x - mark, p.y - mark}, {p.x + mark, p.y + mark}); break;
            case 1:
                c.moveTo({p.x - mark, p.y - mark});
                c.lineTo({p.x + mark, p.y + mark});
                c.moveTo({p.x + mark, p.y - mark});
                c.lineTo({p.x - mark, p.y + mark});
                break;
            default:
                c.moveTo({p.x, p.y + mark});
                c.lineTo({p.x - mark, p.y - mark});
                c.lineTo({p.x + mark, p.y - mark});
                c.lineTo({p.x, p.y + mark});
                break;
            }
            c.moveTo(p);
            setWidth(c, 5);
        }
        ++seriesCounter;
    }
}

}  // namespace kvx::output
