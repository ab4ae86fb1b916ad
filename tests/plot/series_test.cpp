// Series helpers: pens, smoothing, marks, envelope, extreme points, labels, legend.
#include "plot/series.h"

#include "plot/recording_canvas.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

using namespace kvx::plot;
using Op = RecordingCanvas::Op;

TEST(Smooth, MovingAverageWithMirroredEnds) {
    struct Case {
        const char* name;
        std::vector<double> in;
        int window;
        std::vector<double> out;
    };
    const Case cases[] = {
        // Worked example: 1..5 with 3 gives 5/3, 2, 3, 4, 14/3.
        {"1..5 window 3", {1, 2, 3, 4, 5}, 3, {5.0 / 3, 2, 3, 4, 14.0 / 3}},
        {"constant stays", {7, 7, 7, 7, 7, 7}, 5, {7, 7, 7, 7, 7, 7}},
        // Window 5: front pad v2, v1; back pad v[N-2], v[N-3].
        {"1..6 window 5", {1, 2, 3, 4, 5, 6}, 5, {(3 + 2 + 1 + 2 + 3) / 5.0, (2 + 1 + 2 + 3 + 4) / 5.0, 3, 4,
                                                  (3 + 4 + 5 + 6 + 5) / 5.0, (4 + 5 + 6 + 5 + 4) / 5.0}},
        // Fewer rows than the padding needs: clamped to the ends, no reading outside.
        {"two rows window 31", {0, 31}, 31, {}},
        {"one row", {4}, 9, {4}},
        {"no rows", {}, 3, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> v = c.in;
        Smooth(v, c.window);
        if (c.out.empty() && !c.in.empty()) {
            for (double x : v) EXPECT_TRUE(x >= 0 && x <= 31);
            continue;
        }
        ASSERT_EQ(v.size(), c.out.size());
        for (std::size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i], c.out[i], 1e-12) << i;
    }
}

TEST(SeriesPen, ColourBoldAndColourOff) {
    LineStyles styles;
    styles.ChannelBold[2] = 1;
    EXPECT_EQ(seriesPen(2, styles, true, false), (Pen{Rgb::fromHex(0xFF0000), 1}));
    EXPECT_EQ(seriesPen(3, styles, true, false).width, 2);
    EXPECT_EQ(seriesPen(2, styles, true, true).width, 2);
    EXPECT_EQ(seriesPen(2, styles, false, false).color, kBlack);
}

TEST(Marks, ShapesAroundThePointThenBackToIt) {
    RecordingCanvas c;
    drawMark(c, {50, 60}, markShapeOf(0));
    drawMark(c, {50, 60}, markShapeOf(1));
    drawMark(c, {50, 60}, markShapeOf(2));
    drawMark(c, {50, 60}, markShapeOf(3));  // the fourth channel gets circles again
    std::vector<std::pair<Op, std::vector<Pixel>>> got;
    for (const auto& call : c.calls) got.push_back({call.op, call.points});
    const std::vector<std::pair<Op, std::vector<Pixel>>> expected = {
        {Op::Ellipse, {{46, 56}, {54, 64}}}, {Op::MoveTo, {{50, 60}}},
        {Op::MoveTo, {{46, 56}}}, {Op::LineTo, {{54, 64}}}, {Op::MoveTo, {{54, 56}}}, {Op::LineTo, {{46, 64}}},
        {Op::MoveTo, {{50, 60}}},
        {Op::MoveTo, {{50, 55}}}, {Op::LineTo, {{46, 62}}}, {Op::LineTo, {{54, 62}}}, {Op::LineTo, {{50, 55}}},
        {Op::MoveTo, {{50, 60}}},
        {Op::Ellipse, {{46, 56}, {54, 64}}}, {Op::MoveTo, {{50, 60}}},
    };
    EXPECT_EQ(got, expected);
}

TEST(Envelope, UpperAndLowerOutline) {
    // A V-shaped band: y in [-x, x] sampled densely.
    std::vector<double> x, y;
    for (int i = 0; i <= 1000; ++i) {
        x.push_back(i / 1000.0);
        y.push_back(i % 2 ? i / 1000.0 : -i / 1000.0);
    }
    const auto poly = envelopePolygon(x, y, 0, static_cast<int>(x.size()));
    ASSERT_EQ(poly.size(), 512u);
    EXPECT_EQ(poly[0].x, 0.0);
    EXPECT_EQ(poly[255].x, 255.0 / 256);
    EXPECT_EQ(poly[256].x, poly[255].x);  // lower outline runs back from the right
    EXPECT_EQ(poly[511].x, 0.0);
    for (int j = 0; j < 256; ++j) {
        EXPECT_GE(poly[static_cast<std::size_t>(j)].y, poly[static_cast<std::size_t>(511 - j)].y);
        // The bin's reach is 3 bins: the upper value is within 3/256 of x_j.
        EXPECT_NEAR(poly[static_cast<std::size_t>(j)].y, std::min(1.0, poly[static_cast<std::size_t>(j)].x + 3.0 / 256),
                    0.0025);
    }
}

TEST(Envelope, EqualXFindsAllRowsAndEmptyRangeEnds) {
    const std::vector<double> x(5, 2.0), y{1, -3, 4, 0, 2};
    const auto poly = envelopePolygon(x, y, 0, 5);
    ASSERT_EQ(poly.size(), 512u);
    for (int j = 0; j < 256; ++j) {
        EXPECT_EQ(poly[static_cast<std::size_t>(j)].y, 4);
        EXPECT_EQ(poly[static_cast<std::size_t>(256 + j)].y, -3);
    }
    EXPECT_TRUE(envelopePolygon(x, y, 3, 3).empty());
    // Sparse rows far apart: the search widens until it finds one.
    const std::vector<double> sx{0, 100}, sy{1, 2};
    EXPECT_EQ(envelopePolygon(sx, sy, 0, 2)[128].y, 2);
}

namespace {

// Bit for bit: -0.0 and 0.0 differ, NaN equals NaN.
bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

::testing::AssertionResult samePolygon(const std::vector<DataPoint>& got, const std::vector<DataPoint>& want) {
    if (got.size() != want.size())
        return ::testing::AssertionFailure() << got.size() << " vertices, not " << want.size();
    for (std::size_t i = 0; i < got.size(); ++i)
        if (!sameBits(got[i].x, want[i].x) || !sameBits(got[i].y, want[i].y))
            return ::testing::AssertionFailure() << "vertex " << i << ": (" << got[i].x << ", " << got[i].y << ") not ("
                                                 << want[i].x << ", " << want[i].y << ")";
    return ::testing::AssertionSuccess();
}

}  // namespace

// The fast envelope reads whole bins from their extremes and compares only the
// rows at a window's edges; it must give the scan's polygon value for value.
TEST(Envelope, BinnedSearchGivesTheScansPolygon) {
    struct Case {
        std::string name;
        std::vector<double> x, y;
        int from, to;
    };
    std::vector<Case> cases;
    const auto add = [&](std::string name, std::vector<double> x, std::vector<double> y) {
        const int n = static_cast<int>(x.size());
        cases.push_back({std::move(name), std::move(x), std::move(y), 0, n});
    };
    {
        std::vector<double> x, y;
        for (int i = 0; i < 6000; ++i) {
            x.push_back(std::sin(i * 0.01) * (1 + i / 3000.0));
            y.push_back(10 * std::tanh(x.back()) + std::cos(i * 0.07));
        }
        add("growing loops", x, y);
        cases.push_back({"rows 1000 to 4000 of them", x, y, 1000, 4000});
    }
    {
        // x on the bin edges themselves (3/256 apart), equal loads of both signs of zero.
        std::vector<double> x, y;
        for (int i = 0; i < 3000; ++i) {
            x.push_back((i * 37 % 257) * (3.0 / 256) - 1.5);
            y.push_back(i % 3 == 0 ? 0.0 : i % 3 == 1 ? -0.0 : (i % 5) - 2.0);
        }
        add("bin edges, ties, signed zeros", x, y);
    }
    {
        // Two clusters: windows in the gap between them widen until they reach a row.
        std::vector<double> x, y;
        for (int i = 0; i < 400; ++i) {
            x.push_back(i % 2 ? 0.9 + i * 1e-4 : i * 1e-4);
            y.push_back(std::sin(i * 0.3));
        }
        add("two clusters", x, y);
    }
    add("one row", {0.25}, {-1.0});
    add("two rows", {1e-3, -1e-3}, {2.0, -2.0});
    add("a range lost in rounding", {1e9, 1e9 + 1e-6, 1e9 + 2e-6, 1e9}, {1, 3, 2, 0});
    add("a NaN load", {0, 1, 2, 3, 4}, {1, std::nan(""), 2, 0, 5});
    add("an infinite deformation", {0, 1, INFINITY, 3}, {1, 2, 3, 4});
    std::mt19937 random(20240918);
    for (int k = 0; k < 300; ++k) {
        const int n = 1 + static_cast<int>(random() % 400);
        const int kind = k % 3;
        std::vector<double> x, y;
        for (int i = 0; i < n; ++i) {
            const double u = std::uniform_real_distribution<double>(-50, 50)(random);
            // whole numbers (many equal x), uniform, and a cluster with outliers
            x.push_back(kind == 0 ? std::round(u / 5) : kind == 1 ? u : (i % 17 == 0 ? u * 40 : u / 1000));
            y.push_back(std::round(std::uniform_real_distribution<double>(-4, 4)(random)) * 0.5);
        }
        add("random " + std::to_string(k), x, y);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(samePolygon(envelopePolygon(c.x, c.y, c.from, c.to),
                                envelopePolygonByScanning(c.x, c.y, c.from, c.to)));
    }
}

TEST(ExtremePoints, FirstRowWinsAmongEquals) {
    const std::vector<double> x{0, 5, -2, 5, -2}, y{1, 3, -4, 3, -4};
    const Extremes e = extremePoints(x, y, 0, 4);
    EXPECT_EQ(e.Ymax_x, 5);
    EXPECT_EQ(e.Ymax_y, 3);
    EXPECT_EQ(e.Ymin_x, -2);
    EXPECT_EQ(e.Xmax_y, 3);
    EXPECT_EQ(e.Xmin_y, -4);
    EXPECT_EQ(e.Yave_y, 3.5);
    EXPECT_EQ(e.Xave_x, 3.5);
    // Rows 0 ... 1 only.
    EXPECT_EQ(extremePoints(x, y, 0, 1).Ymin_y, 1);
}

TEST(MinMaxLabels, SixLinesAtTheOffset) {
    RecordingCanvas c;
    Extremes e;
    e.Ymax_x = 1.5;
    e.Ymax_y = -12.25;
    drawMinMaxLabels(c, e, {0, 0}, GraphFrame{}, {});  // CBMax3
    const auto t = c.of(Op::TextOut);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].points[0], (Pixel{110, 355}));
    EXPECT_EQ(t[0].text, "Ymax (   1.500, -12.250 )");
    EXPECT_EQ(t[5].points[0], (Pixel{110, 430}));
    EXPECT_EQ(t[5].text.substr(0, 4), "Xave");
    EXPECT_EQ(t[0].font.size, 12);
    const auto white = c.of(Op::LineTo);
    ASSERT_EQ(white.size(), 1u);
    EXPECT_EQ(white[0].pen.color, kWhite);
    EXPECT_EQ(white[0].points[0], (Pixel{200, 355}));
}

TEST(Legend, BoxEntriesAndMarks) {
    kvx::data::ChannelHeader h;
    h.pointNames[0] = "P";
    h.pointNames[1] = "disp";
    h.pointNames[3] = "D4";
    LineStyles styles;
    RecordingCanvas c;
    const int channels[] = {2, 4};
    const LegendBox box = drawLegend(c, channels, h, {350, 80}, styles, true, false, true);
    // "        disp " is 13 bytes x 7 = 91 pixels, + 15.
    EXPECT_EQ(box.size, (PixelSize{106, 50}));
    EXPECT_EQ(box.position, (Pixel{350, 80}));
    EXPECT_EQ(c.calls[0].op, Op::Rectangle);
    EXPECT_EQ(c.calls[0].points, (std::vector<Pixel>{{350, 80}, {456, 130}}));
    const auto t = c.of(Op::TextOut);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].points[0], (Pixel{360, 106}));
    EXPECT_EQ(t[1].text, "        D4 ");
    const auto lines = c.of(Op::LineTo);
    EXPECT_EQ(lines[0].points[0], (Pixel{410, 92}));
    EXPECT_EQ(lines[0].pen.color, Rgb::fromHex(0xFF0000));
    const auto circles = c.of(Op::Ellipse);
    ASSERT_EQ(circles.size(), 1u);  // entry 0 circle, entry 1 cross
    EXPECT_EQ(circles[0].points[0], (Pixel{381, 89}));
}

// Texts that would run past the picture's right edge move left just enough;
// texts that fit keep their place.
TEST(RightEdge, LegendMovesLeftOnlyWhenItWouldNotFit) {
    struct Case {
        const char* name;
        std::string pointName;
        int requestedX;
        int expectedX;
    };
    // Box width: ("        " + name + " ") x 7 pixels + 15.
    const Case cases[] = {
        {"short name at the default place", "disp", 350, 350},
        {"20 characters at the default place", "ABCDEFGHIJKLMNOPQRST", 350, 544 - (29 * 7 + 15)},
        {"ends exactly at the edge", "ABCDEFGHIJKLMNOPQRST", 544 - (29 * 7 + 15), 544 - (29 * 7 + 15)},
        {"dragged to the left", "ABCDEFGHIJKLMNOPQRST", 20, 20},
        {"wider than the picture", std::string(80, 'W'), 350, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        kvx::data::ChannelHeader h;
        h.pointNames[1] = k.pointName;
        RecordingCanvas c;
        const int channels[] = {2};
        const LegendBox box = drawLegend(c, channels, h, {k.requestedX, 80}, LineStyles{}, true, false, false);
        EXPECT_EQ(box.position, (Pixel{k.expectedX, 80}));
        EXPECT_EQ(c.of(Op::Rectangle)[0].points[0], box.position);
        const auto text = c.of(Op::TextOut)[0];
        EXPECT_EQ(text.points[0].x, k.expectedX + 10);
        if (box.size.width <= kPictureWidth) {
            EXPECT_LE(box.position.x + box.size.width, kPictureWidth);
        }
    }
}

TEST(RightEdge, MinMaxBlockMovesLeftOnlyWhenItWouldNotFit) {
    struct Case {
        const char* name;
        Pixel offset;
        double value;
        int charWidth;
        int expectedX;
    };
    // A line is 25 characters for values up to 9999.999, 27 for 999999.999.
    const Case cases[] = {{"CBMax3, small values", {0, 0}, 17.7, 7, 110},
                          {"CBMax4, small values", {200, 0}, 17.7, 7, 310},
                          {"CBMax4, wide font", {200, 0}, 17.7, 10, 544 - 25 * 10},
                          {"CBMax2, large values", {200, -300}, 123456.5, 9, 544 - 27 * 9},
                          {"CBMax1, large values", {0, -300}, 123456.5, 9, 110}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        RecordingCanvas c;
        c.charWidth = k.charWidth;
        Extremes e;
        e.Ymax_y = k.value;
        e.Xmin_x = k.value;
        drawMinMaxLabels(c, e, k.offset, GraphFrame{}, {});
        const auto texts = c.of(Op::TextOut);
        ASSERT_EQ(texts.size(), 6u);
        for (const auto& t : texts) {
            EXPECT_EQ(t.points[0].x, k.expectedX);
            EXPECT_LE(t.points[0].x + static_cast<int>(t.text.size()) * k.charWidth, kPictureWidth) << t.text;
        }
        EXPECT_EQ(texts[0].points[0].y, 450 + k.offset.y - 95);
    }
}
