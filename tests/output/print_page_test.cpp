// The printed page: geometry at each resolution, series colours and marks, refusals.
#include "output/print_page.h"

#include "plot/recording_canvas.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx::output;
using Op = kvx::plot::RecordingCanvas::Op;
using kvx::plot::Pixel;
using kvx::plot::RecordingCanvas;
using kvx::plot::Rgb;

namespace {

kvx::data::MeasurementData record(int channels = 10) {
    kvx::data::MeasurementData d;
    d.header.ChannelCount = channels;
    for (int c = 0; c < channels; ++c) {
        d.header.units[static_cast<std::size_t>(c)] = c == 0 ? "kN" : "mm";
        d.header.pointNames[static_cast<std::size_t>(c)] = "P" + std::to_string(c + 1);
    }
    d.RowCount = 40;
    for (int i = 0; i < 40; ++i)
        for (int c = 0; c < channels; ++c) d.cell(i, c) = static_cast<float>((c + 1) * std::sin(i * 0.3));
    return d;
}

kvx::plot::GraphOptions options(std::initializer_list<int> channels) {
    kvx::plot::GraphOptions o;
    o.dataLoaded = true;
    for (int c : channels) o.channelChecked[static_cast<std::size_t>(c - 1)] = true;
    o.frame.dataFileBaseName = "wall.csv";
    return o;
}

std::vector<RecordingCanvas::Call> gridLines(const RecordingCanvas& c) {
    std::vector<RecordingCanvas::Call> out;
    for (const auto& call : c.of(Op::LineTo))
        if (call.pen.color == kvx::plot::kBlack && (call.pen.width == 10 || call.pen.width == 5)) out.push_back(call);
    return out;
}

}  // namespace

TEST(PrintedPage, FrameGeometryAtEachResolution) {
    struct Case {
        int dpi;
        int left, bottom, size;
    };
    const Case cases[] = {{600, 750, 3375, 3000}, {400, 500, 2250, 2000}, {360, 450, 2025, 1800}};
    const auto d = record();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        RecordingCanvas canvas;
        kvx::ui::ScriptedInteraction ia;
        drawPrintedPage(canvas, d, options({2}), 1, 40, c.dpi, ia);
        const auto lines = gridLines(canvas);
        ASSERT_GE(lines.size(), 10u);
        // First vertical line, 10 dots wide, from the lower-left corner up the frame.
        EXPECT_EQ(lines[0].pen.width, 10);
        EXPECT_EQ(lines[0].points[0], (Pixel{c.left, c.bottom - c.size}));
        EXPECT_EQ(lines[1].pen.width, 5);
        EXPECT_EQ(lines[4].points[0], (Pixel{c.left + c.size, c.bottom - c.size}));
        EXPECT_EQ(lines[9].points[0], (Pixel{c.left + c.size, c.bottom - c.size}));  // the top horizontal
        // The background covers the frame with its margins.
        const auto background = canvas.of(Op::Rectangle).front();
        EXPECT_EQ(background.points[0].x, c.left - static_cast<int>(80 * printFactor(c.dpi)));
    }
}

TEST(PrintedPage, LabelsStandAt72DotsPerByte) {
    RecordingCanvas canvas;
    kvx::ui::ScriptedInteraction ia;
    drawPrintedPage(canvas, record(), options({2}), 1, 40, 600, ia);
    const auto texts = canvas.of(Op::TextOut);
    // X labels: centred under the grid line, 72 dots below the frame.
    EXPECT_EQ(texts[0].points[0], (Pixel{750 - (static_cast<int>(texts[0].text.size()) * 72) / 2, 3375 + 72}));
    EXPECT_EQ(texts[0].font.size, 18);
    // Y labels: (len + 1) x 72 left of the frame, 72 above the line.
    EXPECT_EQ(texts[5].points[0], (Pixel{750 - (static_cast<int>(texts[5].text.size()) + 1) * 72, 3375 - 72}));
    bool title = false;
    for (const auto& t : texts) title = title || (t.text == "wall.csv" && t.points[0] == Pixel{750 + 1500 - 8 * 72 / 2, 3375 - 3000 - 288});
    EXPECT_TRUE(title);
}

TEST(PrintedPage, MarksCycleAndChannelsNineToSixteenKeepThePen) {
    RecordingCanvas canvas;
    kvx::ui::ScriptedInteraction ia;
    auto o = options({2, 3, 4, 5, 9});
    o.marks = true;
    drawPrintedPage(canvas, record(), o, 1, 40, 400, ia);
    // Per series the first mark: circle (ellipse), cross, triangle, circle again.
    std::vector<Rgb> ellipseColours;
    for (const auto& call : canvas.of(Op::Ellipse)) ellipseColours.push_back(call.pen.color);
    ASSERT_EQ(ellipseColours.size(), 39u * 2);  // series 1 and 4 (channels 2 and 5)
    EXPECT_EQ(ellipseColours.front(), Rgb::fromHex(0xFF0000));
    EXPECT_EQ(ellipseColours.back(), Rgb::fromHex(0x00FFFF));
    EXPECT_EQ(canvas.of(Op::Ellipse).front().pen.width, 10);
    const int c = static_cast<int>(15 * printFactor(400));
    EXPECT_EQ(canvas.of(Op::Ellipse).front().points[1].x - canvas.of(Op::Ellipse).front().points[0].x, 2 * c);
    // Channel 9 follows channel 5 and keeps its aqua; after channel 2 it would be red.
    RecordingCanvas second;
    auto two = options({2, 9});
    drawPrintedPage(second, record(), two, 1, 40, 400, ia);
    const auto lines = second.of(Op::LineTo);
    EXPECT_EQ(lines.back().pen.color, Rgb::fromHex(0xFF0000));
    // Colour display off: black.
    RecordingCanvas black;
    two.colorDisplay = false;
    drawPrintedPage(black, record(), two, 1, 40, 400, ia);
    EXPECT_EQ(black.of(Op::LineTo).back().pen.color, kvx::plot::kBlack);
}

TEST(PrintedPage, PrintingTwiceDrawsTheSamePage) {
    RecordingCanvas a, b;
    kvx::ui::ScriptedInteraction ia;
    const auto d = record();
    drawPrintedPage(a, d, options({2, 3}), 1, 40, 600, ia);
    drawPrintedPage(b, d, options({2, 3}), 1, 40, 600, ia);
    ASSERT_EQ(a.calls.size(), b.calls.size());
    for (std::size_t i = 0; i < a.calls.size(); ++i) EXPECT_EQ(a.calls[i].points, b.calls[i].points);
}

TEST(PrintedPage, RefusalsBeforeTheJob) {
    auto none = options({});
    none.dataLoaded = false;
    EXPECT_EQ(refuseBeforeDialog(none)->message, "印刷するグラフが描かれていません");
    EXPECT_FALSE(refuseBeforeDialog(options({2})).has_value());
    const auto d = record();
    EXPECT_EQ(refuseBeforeJob(d, options({}))->caption, "チャンネル選択エラー");
    EXPECT_EQ(refuseBeforeJob(d, options({1, 2}))->caption, "単位不一致エラー");
    auto full = options({1, 2});
    full.frame.fullScale = true;
    EXPECT_FALSE(refuseBeforeJob(d, full).has_value());
}

TEST(PrintedPage, FullScaleSeriesFollowThePercentAxes) {
    // Channel 2 peaks at 2 x its unit: in percent its largest point lies on the +100 line.
    RecordingCanvas canvas;
    kvx::ui::ScriptedInteraction ia;
    auto o = options({2});
    o.frame.fullScale = true;
    o.mainOnX = true;  // main channel 1 on X, channel 2 on Y
    drawPrintedPage(canvas, record(), o, 1, 40, 400, ia);
    int top = 1 << 30;
    for (const auto& call : canvas.of(Op::LineTo))
        if (call.pen.color == Rgb::fromHex(0xFF0000)) top = std::min(top, call.points[0].y);
    // Centred with steps of 50 %: +100 % is the top edge of the 2000-dot frame.
    EXPECT_NEAR(top, 2250 - 2000, 2);
}
