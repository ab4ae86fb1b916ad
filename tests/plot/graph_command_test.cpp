// The Graph command: validation order, display modes, pauses, row labels, regions.
#include "plot/graph_command.h"

#include "plot/recording_canvas.h"
#include "analysis/loop_file.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <sstream>

using namespace kvx::plot;
using kvx::data::MeasurementData;
using kvx::ui::PauseAnswer;
using kvx::ui::ScriptedInteraction;
using Op = RecordingCanvas::Op;

namespace {

class RecordingHost : public NullGraphHost {
public:
    std::vector<std::string> labels;
    int unchecks = 0;
    int busyDepth = 0;
    int busyCalls = 0;
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1, ++busyCalls; }
    void showRowLabel(const std::string& text) override { labels.push_back(text); }
    void uncheckForStepAndLoop() override { ++unchecks; }
    void uncheckFileOutput() override {}
    void pictureChanged() override {}
    bool alwaysCopyOnPause() const override { return false; }
    void copyPictureToClipboard() override {}
};

// Channel 1: load (kN), channel 2: displacement (mm), channel 3: another mm channel.
MeasurementData record(int rows) {
    MeasurementData d;
    d.header.ChannelCount = 3;
    d.header.pointNames = {"P", "D", "D2"};
    d.header.units = {"kN", "mm", "mm"};
    d.RowCount = rows;
    for (int i = 0; i < rows; ++i) {
        d.cell(i, 0) = static_cast<float>(10 * std::sin(i * 0.05));
        d.cell(i, 1) = static_cast<float>(5 * std::sin(i * 0.05 + 0.3));
        d.cell(i, 2) = static_cast<float>(i % 7);
    }
    return d;
}

GraphOptions options(DisplayMode mode = DisplayMode::All) {
    GraphOptions o;
    o.dataLoaded = true;
    o.mode = mode;
    o.channelChecked[1] = true;  // channel 2 against the main channel 1 (on Y)
    o.frame.dataFileBaseName = "wall.csv";
    return o;
}

struct Session {
    RecordingCanvas canvas;
    ScriptedInteraction ia;
    RecordingHost host;
    GraphState state;
};

// The recording with each polylineTo written out as the lineTo calls it
// stands for, so a test can follow the series row by row.
RecordingCanvas asLines(const RecordingCanvas& recorded) {
    RecordingCanvas out;
    for (const auto& c : recorded.calls) {
        if (c.op != Op::PolylineTo) {
            out.calls.push_back(c);
            continue;
        }
        auto call = c;
        call.op = Op::LineTo;
        for (const Pixel& p : c.points) {
            call.points = {p};
            out.calls.push_back(call);
        }
    }
    return out;
}

}  // namespace

TEST(GraphCommand, RefusesInTheDesignedOrder) {
    struct Case {
        const char* name;
        GraphOptions options;
        std::string message, caption;
    };
    GraphOptions noFile = options();
    noFile.dataLoaded = false;
    GraphOptions twoMinMax = options();
    twoMinMax.minMax = {true, false, true, false};
    GraphOptions noChannel = options();
    noChannel.channelChecked = {};
    noChannel.channelChecked[5] = true;  // beyond the file's three channels: ignored
    GraphOptions units = options();
    units.channelChecked = {true, true, false};
    GraphOptions mainBeyond = options();
    mainBeyond.mainChannel = 4;
    const Case cases[] = {
        {"no file", noFile, "ファイルの選択がされていません", "ファイル選択エラー"},
        {"two min/max boxes", twoMinMax, "MinMax表示位置を選択できるのは1個までです", "選択エラー"},
        {"no display channel", noChannel, "チャンネルの選択がされていません", "チャンネル選択エラー"},
        {"different units", units, "表示しようとするデータの単位が一致しておりません", "単位不一致エラー"},
        {"main channel beyond the file", mainBeyond, "このチャンネルは選択できません", "チャンネル選択エラー"},
    };
    const MeasurementData d = record(50);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session r;
        runGraphCommand(d, c.options, r.state, r.canvas, r.ia, r.host);
        ASSERT_EQ(r.ia.shown.size(), 1u);
        EXPECT_EQ(r.ia.shown[0].text, c.message);
        EXPECT_EQ(r.ia.shown[0].caption, c.caption);
        EXPECT_TRUE(r.canvas.calls.empty());
        EXPECT_EQ(r.host.busyDepth, 0);
    }
}

TEST(GraphCommand, FullScaleAllowsDifferentUnits) {
    const MeasurementData d = record(50);
    GraphOptions o = options();
    o.channelChecked = {true, true, false};
    o.frame.fullScale = true;
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    EXPECT_TRUE(r.ia.shown.empty());
    EXPECT_EQ(r.state.frame.XUnit, "%max");
    EXPECT_NEAR(MaxAbs(std::span<const double>(r.state.Y).first(50)), 100.0, 1e-9);
}

// Full scale divides each series by a hundredth of its largest magnitude,
// taken from the channel (sign and all) unless smoothing changed the values:
// the work arrays must be exactly the literal division.
TEST(GraphCommand, FullScaleDividesByTheSeriesOwnLargestMagnitude) {
    MeasurementData d = record(60);
    d.cell(17, 1) = -7.75f;  // the largest magnitude, negative, of the inverted channel
    for (const bool smooth : {false, true}) {
        SCOPED_TRACE(smooth);
        GraphOptions o = options();
        o.frame.fullScale = true;
        o.signInverted[1] = true;
        o.smooth = smooth;
        Session r;
        runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
        ASSERT_TRUE(r.ia.shown.empty());
        std::vector<double> x(60), y(60);
        for (int i = 0; i < 60; ++i) {
            x[static_cast<std::size_t>(i)] = -1.0 * static_cast<double>(d.value(i, 1));
            y[static_cast<std::size_t>(i)] = static_cast<double>(d.value(i, 0));
        }
        if (smooth) {
            Smooth(x, o.SmoothingSize);
            Smooth(y, o.SmoothingSize);
        }
        const double mx = 0.01 * MaxAbs(x), my = 0.01 * MaxAbs(y);
        for (std::size_t i = 0; i < 60; ++i) {
            ASSERT_EQ(r.state.X[i], x[i] / mx) << i;
            ASSERT_EQ(r.state.Y[i], y[i] / my) << i;
        }
    }
}

TEST(GraphCommand, FullScaleOfAZeroChannelIsToldNotDividedByZero) {
    MeasurementData d = record(50);
    for (int i = 0; i < 50; ++i) d.cell(i, 1) = 0.0f;
    GraphOptions o = options();
    o.frame.fullScale = true;
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    ASSERT_EQ(r.ia.shown.size(), 1u);
    EXPECT_EQ(r.ia.shown[0].caption, "フルスケールエラー");
    EXPECT_TRUE(asLines(r.canvas).of(Op::LineTo).empty());
}

TEST(GraphCommand, AllModeDrawsEveryRowAndLeavesTheRegion) {
    const MeasurementData d = record(120);
    Session r;
    runGraphCommand(d, options(), r.state, r.canvas, r.ia, r.host);
    EXPECT_EQ(r.host.labels, std::vector<std::string>{"1 ～ 120"});
    EXPECT_EQ(r.state.regionStart, 0);
    EXPECT_EQ(r.state.regionEnd, 120);
    EXPECT_EQ(r.state.lastLast, 120);
    EXPECT_EQ(r.host.busyDepth, 0);
    EXPECT_EQ(r.host.busyCalls, 2);
    EXPECT_TRUE(r.ia.pauses.empty());
    // The series: one move to row 0, then lines to rows 1 ... 119 (all inside the frame).
    int seriesLines = 0;
    for (const auto& c : asLines(r.canvas).of(Op::LineTo))
        if (c.pen.color == Rgb::fromHex(0xFF0000)) ++seriesLines;
    EXPECT_EQ(seriesLines, 119 + 1);  // + the legend line
    // X is channel 2 (display), Y is channel 1 (main).
    EXPECT_EQ(r.state.X[10], static_cast<double>(d.value(10, 1)));
    EXPECT_EQ(r.state.Y[10], static_cast<double>(d.value(10, 0)));
}

TEST(GraphCommand, StepModeWalksTheRecordWithPauses) {
    // 450 rows, steps of 200: 1-200, pause, 201-400, pause, 401-450 without a pause.
    const MeasurementData d = record(450);
    Session r;
    runGraphCommand(d, options(DisplayMode::Step), r.state, r.canvas, r.ia, r.host);
    ASSERT_EQ(r.ia.pauses.size(), 2u);
    EXPECT_EQ(r.ia.pauses[0].rows, "1～200");
    EXPECT_EQ(r.ia.pauses[1].rows, "201～400");
    EXPECT_TRUE(r.ia.pauses[1].area.empty());
    EXPECT_EQ(r.host.labels.back(), "201 ～ 400");
    EXPECT_EQ(r.state.regionStart, 400);
    EXPECT_EQ(r.state.regionEnd, 450);
    EXPECT_EQ(r.host.unchecks, 1);
    // Without fixed axes the frame of the last step covers rows 1 ... 450 only because it is the last.
    EXPECT_EQ(r.canvas.of(Op::Rectangle).size(), 3u + 1u);  // three frames and the legend
}

TEST(GraphCommand, BackAfterTheFirstStepDrawsItAgain) {
    const MeasurementData d = record(450);
    Session r;
    r.ia.pauseAnswers = {PauseAnswer::Back, PauseAnswer::Next, PauseAnswer::Stop};
    runGraphCommand(d, options(DisplayMode::Step), r.state, r.canvas, r.ia, r.host);
    std::vector<std::string> rows;
    for (const auto& p : r.ia.pauses) rows.push_back(p.rows);
    EXPECT_EQ(rows, (std::vector<std::string>{"1～200", "1～200", "201～400"}));
    EXPECT_EQ(r.state.continueFlag, 0);
}

TEST(GraphCommand, ClosingThePauseWindowKeepsTheLastButtonsEffect) {
    const MeasurementData d = record(450);
    Session r;
    r.ia.pauseAnswers = {PauseAnswer::Closed};  // nothing pressed before: the flags are 0, so it stops
    runGraphCommand(d, options(DisplayMode::Step), r.state, r.canvas, r.ia, r.host);
    EXPECT_EQ(r.ia.pauses.size(), 1u);
    Session again;
    again.state.continueFlag = 1;  // "次へ" pressed in an earlier command
    again.ia.pauseAnswers = {PauseAnswer::Closed, PauseAnswer::Closed};
    runGraphCommand(d, options(DisplayMode::Step), again.state, again.canvas, again.ia, again.host);
    EXPECT_EQ(again.ia.pauses.size(), 2u);
}

TEST(GraphCommand, RegionModeStartsAtTheRowAfterTheRegionStart) {
    const MeasurementData d = record(300);
    Session r;
    r.state.regionStart = 1;
    r.state.regionEnd = 100;
    runGraphCommand(d, options(DisplayMode::Region), r.state, r.canvas, r.ia, r.host);
    const FrameMapping map{r.state.frame, r.state.place};
    // The series begins with a move to row index 1 and draws rows 2 ... 99.
    const auto& X = r.state.X;
    const auto& Y = r.state.Y;
    const Pixel first = map.toPixel(X[1], Y[1]);
    std::vector<Pixel> series;
    bool started = false;
    for (const auto& c : asLines(r.canvas).calls) {
        if (c.op == Op::MoveTo && c.points[0] == first && c.pen.color == Rgb::fromHex(0xFF0000)) started = true;
        if (started && c.op == Op::LineTo && c.pen.color == Rgb::fromHex(0xFF0000)) series.push_back(c.points[0]);
        if (started && c.op == Op::TextOut) break;
    }
    ASSERT_EQ(series.size(), 98u);
    EXPECT_EQ(series.front(), map.toPixel(X[2], Y[2]));
    EXPECT_EQ(series.back(), map.toPixel(X[99], Y[99]));
    EXPECT_EQ(r.host.labels.back(), "1 ～ 100");
    EXPECT_EQ(r.state.lastFirst, 1);
    EXPECT_EQ(r.state.lastLast, 100);
    // The min/max search takes rows 0 ... 99.
    const Extremes e = extremePoints(std::span<const double>(X).first(300), std::span<const double>(Y).first(300), 0, 99);
    EXPECT_EQ(r.state.firstPassExtremes.Ymax_y, e.Ymax_y);
}

TEST(GraphCommand, PointsRightOfTheFrameAreSkipped) {
    MeasurementData d;
    d.header.ChannelCount = 2;
    d.header.units = {"kN", "mm"};
    d.RowCount = 4;
    // X (channel 2): 0, 1, 5, 1 with manual scale 1 per division centred: right edge at x = 2.
    const float xs[] = {0, 1, 5, 1}, ys[] = {0, 1, 1, 0};
    for (int i = 0; i < 4; ++i) d.cell(i, 1) = xs[i], d.cell(i, 0) = ys[i];
    GraphOptions o = options();
    o.frame.autoScale = false;
    o.frame.ManualXStep = 1;
    o.frame.ManualYStep = 1;
    o.legend = false;
    o.minMax = {};
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    std::vector<Pixel> series;
    for (const auto& c : asLines(r.canvas).of(Op::LineTo))
        if (c.pen.color == Rgb::fromHex(0xFF0000)) series.push_back(c.points[0]);
    // Row 2 (x = 5) is beyond the right edge: no line to it; row 3 joins row 1.
    EXPECT_EQ(series, (std::vector<Pixel>{{400, 150}, {400, 250}}));
}

TEST(GraphCommand, MarksOnEveryIntervalRowWithThePassShape) {
    const MeasurementData d = record(100);
    GraphOptions o = options();
    o.marks = true;
    o.MarkInterval = 20;
    o.legend = false;
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    EXPECT_EQ(r.canvas.of(Op::Ellipse).size(), 4u);  // rows 20, 40, 60, 80
}

// Each step starts its own count, but the marks stay on the rows numbered as
// multiples of the interval: rows 7 ... 49, 56 ... 98 and 105 ... 119.
TEST(GraphCommand, MarksStayOnMultiplesOfTheIntervalInEveryStep) {
    const MeasurementData d = record(120);
    GraphOptions o = options(DisplayMode::Step);
    o.StepSize = 50;
    o.marks = true;
    o.MarkInterval = 7;
    o.legend = false;
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    ASSERT_EQ(r.ia.pauses.size(), 2u);
    const FrameMapping map{r.state.frame, r.state.place};
    std::vector<Pixel> expected;
    for (std::size_t i = 7; i < 120; i += 7) {
        const Pixel p = map.toPixel(r.state.X[i], r.state.Y[i]);  // one frame: the load peaks in the first step
        expected.push_back({p.x - 4, p.y - 4});
    }
    std::vector<Pixel> corners;
    for (const auto& c : r.canvas.of(Op::Ellipse)) corners.push_back(c.points[0]);
    EXPECT_EQ(corners, expected);
}

// The rows reach the canvas in runs, one call per run, not one per row. A
// mark ends a run: a circle is filled white over the lines before it and
// under the lines after it, so the order of the calls decides the picture.
TEST(GraphCommand, RowsGoOverInRunsThatMarksInterrupt) {
    const MeasurementData d = record(100);
    GraphOptions o = options();
    o.legend = false;
    o.minMax = {};
    Session plain;
    runGraphCommand(d, o, plain.state, plain.canvas, plain.ia, plain.host);
    const FrameMapping map{plain.state.frame, plain.state.place};
    std::vector<Pixel> rows;
    for (std::size_t i = 0; i < 100; ++i) rows.push_back(map.toPixel(plain.state.X[i], plain.state.Y[i]));
    const auto slice = [&](std::size_t from, std::size_t to) {
        return std::vector<Pixel>(rows.begin() + static_cast<std::ptrdiff_t>(from),
                                  rows.begin() + static_cast<std::ptrdiff_t>(to) + 1);
    };
    std::vector<RecordingCanvas::Call> series;
    for (const auto& c : plain.canvas.calls)
        if (c.op != Op::TextOut && c.pen.color == Rgb::fromHex(0xFF0000)) series.push_back(c);
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].op, Op::MoveTo);
    EXPECT_EQ(series[0].points, slice(0, 0));
    EXPECT_EQ(series[1].op, Op::PolylineTo);
    EXPECT_EQ(series[1].points, slice(1, 99));

    o.marks = true;
    o.MarkInterval = 20;
    Session marked;
    runGraphCommand(d, o, marked.state, marked.canvas, marked.ia, marked.host);
    series.clear();
    for (const auto& c : marked.canvas.calls)
        if ((c.op == Op::PolylineTo || c.op == Op::Ellipse) && c.pen.color == Rgb::fromHex(0xFF0000))
            series.push_back(c);
    ASSERT_EQ(series.size(), 9u);
    for (std::size_t k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(series[2 * k].op, Op::PolylineTo);
        EXPECT_EQ(series[2 * k].points, slice(20 * k + 1, std::min<std::size_t>(20 * k + 20, 99)));
        if (k == 4) break;
        const Pixel m = rows[20 * k + 20];
        EXPECT_EQ(series[2 * k + 1].op, Op::Ellipse);
        EXPECT_EQ(series[2 * k + 1].points, (std::vector<Pixel>{{m.x - 4, m.y - 4}, {m.x + 4, m.y + 4}}));
    }
}

TEST(GraphCommand, EnvelopeOverAFaintTrace) {
    const MeasurementData d = record(200);
    GraphOptions o = options();
    o.envelope = true;
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    const auto polys = r.canvas.of(Op::Polyline);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points.size(), 513u);
    EXPECT_EQ(polys[0].pen.color, Rgb::fromHex(0xFF0000));
    EXPECT_EQ(polys[0].pen.width, 2);
    int faint = 0;
    for (const auto& c : asLines(r.canvas).of(Op::LineTo)) faint += c.pen.color == kButtonFace;
    EXPECT_EQ(faint, 199);
    // In step mode the envelope is off.
    Session step;
    runGraphCommand(d, [&] { auto s = o; s.mode = DisplayMode::Step; return s; }(), step.state, step.canvas, step.ia,
                    step.host);
    EXPECT_TRUE(step.canvas.of(Op::Polyline).empty());
}

TEST(GraphCommand, LoopModeWithoutBoundariesDrawsNothing) {
    const MeasurementData d = record(100);
    Session r;
    runGraphCommand(d, options(DisplayMode::Loop), r.state, r.canvas, r.ia, r.host);
    EXPECT_TRUE(asLines(r.canvas).of(Op::LineTo).size() <= 1u);  // at most the legend line
    EXPECT_TRUE(r.ia.pauses.empty());
    EXPECT_TRUE(r.canvas.of(Op::Rectangle).size() <= 1u);  // no frame
}

TEST(GraphCommand, MinMaxLabelsOnlyInTheFirstPass) {
    const MeasurementData d = record(60);
    GraphOptions o = options();
    o.channelChecked = {false, true, true};  // channels 2 and 3, both mm
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    int ymax = 0;
    for (const auto& c : r.canvas.of(Op::TextOut)) ymax += c.text.rfind("Ymax", 0) == 0;
    EXPECT_EQ(ymax, 1);
}

// The first pass draws the frame with a 1-pixel black pen before its series;
// the series must still get its own width, in every display mode.
TEST(GraphCommand, BoldLinesInEveryModeAndEveryPass) {
    const MeasurementData d = record(450);  // the load crosses zero every 63 rows: loops
    const Rgb red = Rgb::fromHex(0xFF0000), magenta = Rgb::fromHex(0xFF00FF);  // channels 2 and 3
    struct Style {
        const char* name;
        bool boldAll;
        std::array<std::uint8_t, 16> bold;
        int redWidth, magentaWidth;
    };
    const Style styles[] = {{"太線(すべて)", true, {}, 2, 2},
                            {"thick line for both channels", false, {0, 1, 1}, 2, 2},
                            {"thick line for the first channel only", false, {0, 1, 0}, 2, 1},
                            {"thick line for the second channel only", false, {0, 0, 1}, 1, 2},
                            {"no thick line", false, {}, 1, 1}};
    for (const DisplayMode mode : {DisplayMode::All, DisplayMode::Step, DisplayMode::Loop, DisplayMode::Region}) {
        for (const Style& style : styles) {
            SCOPED_TRACE(testing::Message() << "mode " << static_cast<int>(mode) << ", " << style.name);
            GraphOptions o = options(mode);
            o.channelChecked = {false, true, true};
            o.boldAll = style.boldAll;
            o.styles.ChannelBold = style.bold;
            o.legend = false;
            Session r;
            r.state.regionStart = 1;
            r.state.regionEnd = 100;
            runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
            int redLines = 0, magentaLines = 0;
            for (const auto& c : asLines(r.canvas).of(Op::LineTo)) {
                if (c.pen.color == red) {
                    ++redLines;
                    ASSERT_EQ(c.pen.width, style.redWidth);
                } else if (c.pen.color == magenta) {
                    ++magentaLines;
                    ASSERT_EQ(c.pen.width, style.magentaWidth);
                }
            }
            EXPECT_GT(redLines, 50);
            EXPECT_GT(magentaLines, 50);
        }
    }
}

TEST(GraphCommand, TextsOfLongNamesAndLargeValuesStayInsideThePicture) {
    MeasurementData d = record(300);
    d.header.pointNames = {"LOAD-CELL-CHANNEL-01", "DISPLACEMENT-GAUGE-2", "DISPLACEMENT-GAUGE-3"};
    for (int i = 0; i < d.RowCount; ++i) d.cell(i, 1) *= 20000.0f;  // values of 100000 and more
    for (std::size_t box = 0; box < 4; ++box) {
        SCOPED_TRACE(testing::Message() << "CBMax" << box + 1);
        GraphOptions o = options();
        o.channelChecked = {false, true, true};
        o.frame.fullScale = true;  // channels 2 and 3 differ in size
        o.minMax = {};
        o.minMax[box] = true;
        Session r;
        r.canvas.charWidth = 8;  // the Gothic face's half-width cell at 12 points
        runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
        ASSERT_TRUE(r.ia.shown.empty());
        int texts = 0;
        for (const auto& c : r.canvas.of(Op::TextOut)) {
            ++texts;
            EXPECT_LE(c.points[0].x + r.canvas.textExtent(c.text, TextEncoding::Utf8).width, kPictureWidth) << c.text;
        }
        EXPECT_GT(texts, 6 + 2);
        EXPECT_EQ(r.state.legendPosition.x + r.state.legendSize.width, kPictureWidth);
    }
}

namespace {

// Load (channel 1) crossing zero upwards between rows 100 and 101, 300 and 301, ... (period 200).
MeasurementData cyclic(int rows) {
    MeasurementData d;
    d.header.ChannelCount = 2;
    d.header.pointNames = {"P", "D"};
    d.header.units = {"kN", "mm"};
    d.RowCount = rows;
    for (int i = 0; i < rows; ++i) {
        d.cell(i, 0) = static_cast<float>(10 * std::sin(2 * M_PI * (i - 100.5) / 200.0));
        d.cell(i, 1) = static_cast<float>(3 * std::sin(2 * M_PI * (i - 90) / 200.0));
    }
    return d;
}

std::vector<std::string> dataLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(kvx::test::readBytes(path));
    std::string line;
    for (int n = 0; std::getline(in, line); ++n)
        if (n >= 4) lines.push_back(line.substr(0, line.find(',', line.find(',') + 1)));
    return lines;
}

class FileHost : public RecordingHost {
public:
    int fileUnchecks = 0;
    void uncheckFileOutput() override { ++fileUnchecks; }
};

}  // namespace

TEST(GraphCommandLoops, NextBackStopWriteEachShownLoop) {
    const MeasurementData d = cyclic(700);
    kvx::test::TempDir dir;
    GraphOptions o = options(DisplayMode::Loop);
    o.fileOutput = true;
    o.resultDirectory = dir.dir();
    RecordingCanvas canvas;
    ScriptedInteraction ia;
    FileHost host;
    GraphState state;
    // Boundaries 101, 301, 501 (one row after the window sum crosses): loops 1-101, 102-301, 302-501.
    ia.pauseAnswers = {PauseAnswer::Next, PauseAnswer::Back, PauseAnswer::Next, PauseAnswer::Stop};
    runGraphCommand(d, o, state, canvas, ia, host);
    std::vector<std::string> rows;
    for (const auto& p : ia.pauses) rows.push_back(p.rows);
    EXPECT_EQ(rows, (std::vector<std::string>{"1～101", "102～301", "1～101", "102～301"}));
    EXPECT_FALSE(ia.pauses[0].area.empty());
    EXPECT_FALSE(ia.pauses[0].stiffness.empty());
    EXPECT_EQ(dataLines(dir.file("LOOP.CSV")), (std::vector<std::string>{"1,101", "102,301", "1,101", "102,301"}));
    EXPECT_EQ(state.loops.size(), 4u);
    EXPECT_EQ(ia.texts().back(), "ループ情報をLoop.csvに出力しました");
    EXPECT_EQ(ia.shown.back().caption, "ループ情報ファイル出力");
    EXPECT_EQ(host.fileUnchecks, 1);
    // Each loop is drawn with its start circle.
    EXPECT_EQ(canvas.of(Op::Ellipse).size(), 4u);
}

TEST(GraphCommandLoops, WithoutBoundariesOnlyTheHeaderAndTheMessage) {
    MeasurementData d = cyclic(700);
    for (int i = 0; i < 700; ++i) d.cell(i, 0) = 5.0f;  // the load never returns below zero
    kvx::test::TempDir dir;
    GraphOptions o = options(DisplayMode::Loop);
    o.fileOutput = true;
    o.resultDirectory = dir.dir();
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    EXPECT_TRUE(dataLines(dir.file("LOOP.CSV")).empty());
    EXPECT_EQ(kvx::test::readBytes(dir.file("LOOP.CSV")).size(), kvx::analysis::LoopFile::header().size());
    EXPECT_EQ(r.ia.texts(), std::vector<std::string>{"ループ情報をLoop.csvに出力しました"});
}

TEST(GraphCommandLoops, OneBoundaryOneLine) {
    const MeasurementData d = cyclic(250);  // one upward crossing before the end
    kvx::test::TempDir dir;
    GraphOptions o = options(DisplayMode::Loop);
    o.fileOutput = true;
    o.resultDirectory = dir.dir();
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    EXPECT_EQ(dataLines(dir.file("LOOP.CSV")), std::vector<std::string>{"1,101"});
    EXPECT_EQ(r.ia.pauses.size(), 1u);
}

TEST(GraphCommandLoops, LaterChannelsDoNotWriteTheClosedFile) {
    MeasurementData d = cyclic(700);
    d.header.ChannelCount = 3;
    d.header.units[2] = "mm";
    for (int i = 0; i < 700; ++i) d.cell(i, 2) = d.value(i, 1) * 2;
    kvx::test::TempDir dir;
    GraphOptions o = options(DisplayMode::Loop);
    o.channelChecked = {false, true, true};
    o.fileOutput = true;
    o.resultDirectory = dir.dir();
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    EXPECT_EQ(dataLines(dir.file("LOOP.CSV")).size(), 3u);  // the first channel's three loops only
    EXPECT_EQ(r.ia.pauses.size(), 6u);
    EXPECT_EQ(r.ia.count("ループ情報をLoop.csvに出力しました"), 1);
}

TEST(GraphCommandLoops, UncreatableLoopFileIsTold) {
    GraphOptions o = options(DisplayMode::Loop);
    o.fileOutput = true;
    o.resultDirectory = "/nonexistent/dir/";
    Session r;
    runGraphCommand(cyclic(700), o, r.state, r.canvas, r.ia, r.host);
    ASSERT_FALSE(r.ia.shown.empty());
    EXPECT_EQ(r.ia.shown[0].caption, "ファイル出力エラー");
    EXPECT_EQ(r.ia.count("ループ情報をLoop.csvに出力しました"), 0);
    EXPECT_EQ(r.ia.pauses.size(), 3u);  // the loops are still shown
}

TEST(GraphCommandLoops, ExtremaJudgmentScansTheOtherChannel) {
    const MeasurementData d = cyclic(700);
    GraphOptions o = options(DisplayMode::Loop);
    o.judgment = LoopJudgment::ExtremaPlus;
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    // Displacement peaks at rows 140, 340, 540: boundaries one row later.
    ASSERT_FALSE(r.ia.pauses.empty());
    EXPECT_EQ(r.ia.pauses[0].rows, "1～141");
    GraphOptions minus = o;
    minus.judgment = LoopJudgment::ExtremaMinus;
    Session m;
    runGraphCommand(d, minus, m.state, m.canvas, m.ia, m.host);
    EXPECT_EQ(m.ia.pauses[0].rows, "1～141");
}

TEST(GraphCommandLoops, SignInversionOfTheMainChannelMovesTheBoundaries) {
    const MeasurementData d = cyclic(700);
    GraphOptions o = options(DisplayMode::Loop);
    o.signInverted[0] = true;
    Session r;
    runGraphCommand(d, o, r.state, r.canvas, r.ia, r.host);
    ASSERT_FALSE(r.ia.pauses.empty());
    EXPECT_EQ(r.ia.pauses[0].rows, "1～201");
}
