// Frame: step choice, label formats, mapping, preparation and drawing positions.
#include "plot/graph_frame.h"

#include "plot/recording_canvas.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

using namespace kvx::plot;
using kvx::data::MeasurementData;
using kvx::ui::ScriptedInteraction;
using Op = RecordingCanvas::Op;

TEST(ChooseStep, PicksTheSmallestStepThatHoldsTheMaximum) {
    struct Case {
        double maximum;
        int divisions;
        double step;
    };
    // Worked examples: 100 over 4 gives 25, just above gives 50; 0.07 centred gives 0.05.
    const Case cases[] = {
        {100, 4, 25},   {100.0001, 4, 50}, {100, 2, 50},  {0.07, 2, 0.05}, {0.07, 4, 0.02},
        {37.2, 4, 10},  {80, 4, 20},       {1, 2, 0.5},   {3, 2, 1.5},     {2.1, 2, 1.5},
        {99.999, 2, 50}, {99.999, 4, 25},  {1e-12, 2, 1e-10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maximum << " over " << c.divisions);
        ScriptedInteraction ia;
        const auto r = ChooseStep(c.maximum, c.divisions, ia);
        EXPECT_NEAR(r.step, c.step, c.step * 1e-12);
        EXPECT_EQ(r.marker, 0.0);
        EXPECT_TRUE(ia.shown.empty());
    }
}

TEST(ChooseStep, ZeroMaximumIsToldAndGivesOne) {
    ScriptedInteraction ia;
    const auto r = ChooseStep(0.0, 2, ia);
    EXPECT_EQ(r.step, 1.0);
    EXPECT_EQ(r.marker, -2.0);
    ASSERT_EQ(ia.shown.size(), 1u);
    EXPECT_EQ(ia.shown[0].text, "最初のループ判定を誤りました．\n\n次へ進んでください．　　　　　　　　　　　");
    EXPECT_EQ(ia.shown[0].caption, "ループデータ不正");
}

TEST(TickLabelFormat, FollowsTheStepsDigits) {
    const std::pair<double, const char*> cases[] = {
        {2, "%4.1f"}, {0.25, "%5.2f"}, {0.005, "%6.3f"}, {0.0015, "%7.4f"}, {50, "%5.1f"}, {2500, "%7.1f"},
        {0.05, "%5.2f"}, {25000, "%7.1f"},
    };
    for (const auto& [step, format] : cases) {
        SCOPED_TRACE(step);
        EXPECT_EQ(TickLabelFormat(step), format);
    }
}

TEST(FrameMapping, TruncatesTowardZeroAndInvertsExactly) {
    GraphFrame f;
    f.XStart = -100;
    f.XStep = 50;
    f.YStart = -0.1;
    f.YStep = 0.05;
    const FrameMapping m{f, {}};
    EXPECT_EQ(m.toPixel(-100, -0.1), (Pixel{100, 450}));
    EXPECT_EQ(m.toPixel(100, 0.1), (Pixel{500, 50}));
    EXPECT_EQ(m.toPixel(0.9, 0), (Pixel{301, 250}));
    EXPECT_EQ(m.toPixel(-100.9, 0), (Pixel{98, 250}));  // 98.2 truncates to 98
    for (const Pixel p : {Pixel{100, 450}, Pixel{321, 77}, Pixel{0, 0}, Pixel{543, 503}}) {
        const DataPoint d = m.toData(p);
        EXPECT_EQ(m.toPixel(d.x, d.y).x, p.x);
        EXPECT_NEAR(m.toPixel(d.x, d.y).y, p.y, 1);
    }
    // Far outside values stay representable instead of overflowing int.
    EXPECT_EQ(m.toPixel(1e300, -1e300).x, 1000000000);
}

namespace {

MeasurementData twoChannels(double maxLoad, double maxDisp) {
    MeasurementData d;
    d.header.ChannelCount = 3;
    d.header.pointNames = {"P", "D", "D2"};
    d.header.units = {"kN", "mm", "mm"};
    d.RowCount = 3;
    d.cell(0, 0) = 0.0f;
    d.cell(1, 0) = static_cast<float>(maxLoad);
    d.cell(2, 0) = static_cast<float>(-maxLoad / 2);
    d.cell(1, 1) = static_cast<float>(-maxDisp);
    d.cell(2, 1) = static_cast<float>(maxDisp / 3);
    d.cell(1, 2) = 37.2f;
    return d;
}

std::vector<std::string> texts(const RecordingCanvas& c) {
    std::vector<std::string> out;
    for (const auto& call : c.of(Op::TextOut)) out.push_back(call.text);
    return out;
}

}  // namespace

TEST(PrepareFrame, CentredAndFirstQuadrantSteps) {
    const MeasurementData d = twoChannels(100, 0.07);
    const int display[] = {2};
    struct Case {
        bool centred;
        double xStep, yStep, xStart, yStart;
        const char* xFormat;
    };
    const Case cases[] = {{true, 0.05, 50, -0.1, -100, "%5.2f"}, {false, 0.02, 25, 0, 0, "%5.2f"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.centred);
        GraphFrame f;
        FrameOptions o;
        o.originCentred = c.centred;
        RecordingCanvas canvas;
        ScriptedInteraction ia;
        PrepareFrame(f, d, display, 1, 3, o, {}, canvas, ia);
        EXPECT_NEAR(f.XStep, c.xStep, 1e-15);
        EXPECT_EQ(f.YStep, c.yStep);
        EXPECT_NEAR(f.XStart, c.xStart, 1e-15);
        EXPECT_EQ(f.YStart, c.yStart);
        EXPECT_EQ(f.XFormat, c.xFormat);
        EXPECT_EQ(f.YTitle, "P");  // main channel on Y by default
        EXPECT_EQ(f.YUnit, "kN");
        EXPECT_EQ(f.XTitle, "D");
        EXPECT_EQ(f.XUnit, "mm");
    }
}

TEST(PrepareFrame, SeveralDisplayChannelsTakeTheLargestStepAndNoTitle) {
    MeasurementData d = twoChannels(100, 80);
    const int display[] = {2, 3};
    GraphFrame f;
    FrameOptions o;
    o.originCentred = false;
    o.mainOnX = true;
    RecordingCanvas canvas;
    ScriptedInteraction ia;
    PrepareFrame(f, d, display, 1, 3, o, {}, canvas, ia);
    EXPECT_EQ(f.YStep, 20);  // 37.2 -> 10, 80 -> 20
    EXPECT_EQ(f.XStep, 25);
    EXPECT_EQ(f.YTitle, "");
    EXPECT_EQ(f.XTitle, "P");
}

TEST(PrepareFrame, FullScaleAndManualScale) {
    const MeasurementData d = twoChannels(37, 0.3);
    const int display[] = {2};
    {
        GraphFrame f;
        FrameOptions o;
        o.fullScale = true;
        o.originCentred = false;
        RecordingCanvas canvas;
        ScriptedInteraction ia;
        PrepareFrame(f, d, display, 1, 3, o, {}, canvas, ia);
        EXPECT_EQ(f.XStep, 25);
        EXPECT_EQ(f.YStep, 25);
        EXPECT_EQ(f.XUnit, "%max");
        EXPECT_EQ(f.YUnit, "%max");
    }
    {
        GraphFrame f;
        FrameOptions o;
        o.autoScale = false;
        o.ManualXStep = 0.5;
        o.ManualYStep = 20;
        RecordingCanvas canvas;
        ScriptedInteraction ia;
        PrepareFrame(f, d, display, 1, 3, o, {}, canvas, ia);
        EXPECT_EQ(f.XStart, -1.0);
        EXPECT_EQ(f.YStart, -40.0);
        EXPECT_EQ(f.YFormat, "%5.1f");
    }
}

TEST(DrawFrame, GridLabelsAndTitlesStandWhereTheyShould) {
    GraphFrame f;
    f.XStart = -100;
    f.XStep = 50;
    f.YStart = -0.1;
    f.YStep = 0.05;
    f.XFormat = "%5.1f";
    f.YFormat = "%5.2f";
    f.XTitle = "  disp";
    f.XUnit = " mm";
    f.YTitle = "load";
    f.YUnit = "kN";
    FrameOptions o;
    o.dataFileBaseName = "wall.csv";
    RecordingCanvas c;  // 7 x 14 pixels per byte
    DrawFrame(f, o, {}, c);

    // Background covers the picture.
    EXPECT_EQ(c.calls[0].op, Op::Rectangle);
    EXPECT_EQ(c.calls[0].points, (std::vector<Pixel>{{0, 0}, {600, 900}}));
    // Five vertical and five horizontal grid lines, outer ones 2 pixels wide.
    const auto lines = c.of(Op::LineTo);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0].points[0], (Pixel{100, 50}));
    EXPECT_EQ(lines[0].pen.width, 2);
    EXPECT_EQ(lines[1].pen.width, 1);
    EXPECT_EQ(lines[4].pen.width, 2);
    EXPECT_EQ(lines[9].points[0], (Pixel{500, 50}));

    const auto t = c.of(Op::TextOut);
    const std::vector<std::string> expectedTexts = {"-100.0", "-50.0", "  0.0", " 50.0", "100.0",
                                                    "-0.10", "-0.05", " 0.00", " 0.05", " 0.10",
                                                    "disp", "mm", "kN", "wall.csv", "load"};
    EXPECT_EQ(texts(c), expectedTexts);
    EXPECT_EQ(t[0].points[0], (Pixel{100 - (7 * 7) / 2, 458}));  // width digit 5: (5+2)*7/2
    EXPECT_EQ(t[5].points[0], (Pixel{100 - 5 * 7 - 3, 450 - 7}));
    EXPECT_EQ(t[10].points[0], (Pixel{300 - 28 / 2, 478}));  // wf measured in the canvas: 4 bytes x 7
    EXPECT_EQ(t[11].points[0], (Pixel{500, 477}));
    EXPECT_EQ(t[12].points[0], (Pixel{100, 27}));  // trunc(450 - 400 - 22.4)
    EXPECT_EQ(t[13].points[0], (Pixel{300 - 7 * 8, 8}));
    EXPECT_EQ(t[14].points[0], (Pixel{5, 11 * 2 + 250}));
    EXPECT_EQ(t[14].font.escapement, 900);
    EXPECT_EQ(t[14].font.size, 22);
    EXPECT_TRUE(t[14].font.sizeInPixels);
}

TEST(DrawFrame, ManualTitlesAndNoGraphTitle) {
    GraphFrame f;
    FrameOptions o;
    o.autoTitle = false;
    o.showTitle = false;
    o.manualXTitle = "X";
    o.manualYTitle = "Y";
    o.manualGraphTitle = "G";
    RecordingCanvas c;
    DrawFrame(f, o, {}, c);
    const auto all = texts(c);
    EXPECT_EQ(std::count(all.begin(), all.end(), "X"), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), "Y"), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), "G"), 0);
}

TEST(DrawFrame, AngleLabelsOnlyInsideTheFrame) {
    struct Case {
        double xStep;
        bool centred;
        std::vector<std::string> denominators;
    };
    // XStep 0.01 centred: only 1/50, 1/100, 1/300 fall inside on each side.
    const Case cases[] = {
        {0.01, true, {"50", "100", "300", "50", "100", "300"}},
        {0.2, true, {}},
        {0.1, false, {"6", "7", "8", "10", "12", "15", "20", "30"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xStep);
        GraphFrame f;
        f.XStep = c.xStep;
        f.XStart = c.centred ? -2 * c.xStep : 0;
        FrameOptions o;
        o.originCentred = c.centred;
        o.angleLabels = true;
        o.autoTitle = false;
        o.showTitle = false;
        RecordingCanvas canvas;
        DrawFrame(f, o, {}, canvas);
        std::vector<std::string> numbers;
        std::vector<Pixel> dotted;
        for (const auto& call : canvas.calls) {
            if (call.op == Op::TextOut && call.font.size == 10 && call.text != "1" && call.text != "－")
                numbers.push_back(call.text);
            if (call.op == Op::LineTo && call.pen.style == PenStyle::Dotted) dotted.push_back(call.points[0]);
        }
        EXPECT_EQ(numbers, c.denominators);
        EXPECT_EQ(dotted.size(), c.denominators.size());
        for (const Pixel p : dotted) EXPECT_EQ(p.y, 400);  // from 3.5 divisions down to 0.5
    }
}

TEST(DrawFrame, AngleLabelPositionsBelowAndAbove) {
    GraphFrame f;
    f.XStep = 0.01;
    f.XStart = -0.02;
    FrameOptions o;
    o.angleLabels = true;
    o.angleLabelsAbove = true;
    RecordingCanvas c;
    DrawFrame(f, o, {}, c);
    // 1/50 on the positive side: x = trunc(300 + 0.02 / 0.01 * 100) = 500 (float 1/50 is just above 0.02).
    std::vector<RecordingCanvas::Call> fraction;
    for (const auto& call : c.of(Op::TextOut))
        if (call.font.size == 10) fraction.push_back(call);
    ASSERT_GE(fraction.size(), 6u);
    const int x = fraction[0].points[0].x + 3;  // "1" at x - wd/2 with wd = 7
    EXPECT_EQ(fraction[0].points[0], (Pixel{x - 3, 410}));
    EXPECT_EQ(fraction[1].points[0], (Pixel{x - 7, 417}));
    EXPECT_EQ(fraction[2].points[0], (Pixel{x - 7, 424}));  // "50": wn = 14
    EXPECT_EQ(fraction[3].points[0], (Pixel{x - 3, 65}));
    EXPECT_EQ(fraction[4].points[0], (Pixel{x - 7, 73}));
    EXPECT_EQ(fraction[5].points[0], (Pixel{x - 7, 80}));
}

TEST(ChannelStep, AllZeroChannelGetsOneSilently) {
    MeasurementData d;
    d.header.ChannelCount = 1;
    d.RowCount = 4;
    for (const bool full : {false, true}) {
        ScriptedInteraction ia;
        EXPECT_EQ(ChannelStep(d, 1, 4, 0, full, true, ia), 1.0);
        EXPECT_TRUE(ia.shown.empty());
    }
}

// The step scanned in place, and carried from call to call, must equal the
// one from a scaled copy of the column, with and without full scale.
TEST(ChannelStep, EqualsTheStepOfTheScaledColumn) {
    const auto literal = [](const MeasurementData& d, int first, int last, int channel, bool full) {
        std::vector<double> column;
        for (int r = 0; r < d.RowCount; ++r) column.push_back(d.value(r, channel));
        if (full) {
            const double scale = MaxAbs(column) * 0.01 * 1.00001;
            if (scale != 0.0)
                for (double& v : column) v /= scale;
        }
        first = std::max(first, 1);
        last = std::min(last, d.RowCount);
        const double m = first <= last ? MaxAbs(std::span<const double>(column).subspan(
                                             static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)))
                                       : 0.0;
        ScriptedInteraction ia;
        return m == 0.0 ? 1.0 : ChooseStep(m, 2, ia).step;
    };
    MeasurementData d;
    d.header.ChannelCount = 2;
    d.RowCount = 60;
    unsigned seed = 12345;
    for (int r = 0; r < d.RowCount; ++r) {
        seed = seed * 1103515245u + 12345u;
        const float magnitude = static_cast<float>((seed >> 8) % 100000) / 997.0f;
        d.cell(r, 0) = (r % 3 == 0 ? -1.0f : 1.0f) * magnitude;
        d.cell(r, 1) = r == 17 ? 3.0e-40f : (r == 40 ? -3.4e38f : 1.0e-30f * static_cast<float>(r));  // subnormal, near the float limit
    }
    // One RunningMagnitudes over the calls of a graph of loops: ends moving
    // forward, a step back, and ranges not from the first row in between.
    const std::pair<int, int> ranges[] = {{1, 3},  {1, 16}, {0, 17}, {1, 39}, {18, 39}, {1, 12},
                                          {7, 7},  {1, 41}, {41, 99}, {1, 60}, {30, 10}, {0, 5}};
    for (int channel : {0, 1})
        for (const bool full : {false, true}) {
            RunningMagnitudes running(d);
            for (const auto& [first, last] : ranges) {
                SCOPED_TRACE(testing::Message() << channel << " " << full << " " << first << "-" << last);
                ScriptedInteraction ia;
                const double expected = literal(d, first, last, channel, full);
                EXPECT_EQ(ChannelStep(d, first, last, channel, full, true, ia), expected);
                EXPECT_EQ(ChannelStep(d, first, last, channel, full, true, ia, &running), expected);
            }
        }
}
