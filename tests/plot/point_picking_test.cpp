// Point picking: pixel to values, the value and "1/n" texts, the row search
// over the rows last shown, and the legend box.
#include "plot/point_picking.h"

#include <gtest/gtest.h>

using namespace kvx::plot;

namespace {

// A screen frame as PrepareFrame leaves it: 100-pixel divisions at FrameLeft 100,
// FrameBottom 450, axes from -2 steps (centred) or 0 (first quadrant).
GraphState stateWith(double xStep, double yStep, bool centred) {
    GraphState s;
    s.frame.XStep = xStep;
    s.frame.YStep = yStep;
    s.frame.XStart = centred ? -2 * xStep : 0.0;
    s.frame.YStart = centred ? -2 * yStep : 0.0;
    return s;
}

}  // namespace

TEST(PointPicking, PixelsReadBackAsValues) {
    struct Case {
        bool centred;
        Pixel click;
        double x, y;
    };
    // Hand-worked with x = (X - 100) x XStep x 0.01 + x0, y = (450 - Y) x YStep x 0.01 + y0,
    // XStep 10 and YStep 5: x0 = -20, y0 = -10 centred, both 0 in the first quadrant.
    const Case cases[] = {{true, {300, 250}, 0.0, 0.0},
                          {false, {300, 250}, 20.0, 10.0},
                          {true, {50, 480}, -25.0, -11.5}};  // outside the frame reads on
    for (const auto& c : cases) {
        const PickedPoint p = pickPoint(stateWith(10, 5, c.centred), c.click, 0);
        EXPECT_NEAR(p.value.x, c.x, 1e-12) << c.click.x;
        EXPECT_NEAR(p.value.y, c.y, 1e-12) << c.click.y;
    }
}

TEST(PointPicking, ValueAndAngleTexts) {
    const std::pair<double, const char*> values[] = {
        {12.5, "12.5"}, {3.0, "3"}, {0.0, "0"}, {-0.25, "-0.25"}, {100.0, "100"}, {1.0 / 3, "0.333333"}};
    for (const auto& [v, text] : values) EXPECT_EQ(pickValueText(v), text) << v;

    struct Case {
        double value;
        const char* unit;
        const char* text;
    };
    const Case angles[] = {{-0.01, "rad", "-1/100.00 rad"}, {0.005, "rad", " 1/200.00 rad"}, {0.0, "rad", ""},
                           {0.01, "mm", " "},               {0.0, "mm", " "},
                           {0.01, " rad", " "}};  // the unit must be exactly "rad"
    for (const auto& c : angles) EXPECT_EQ(angleText(c.value, c.unit), c.text) << c.value << " " << c.unit;
}

TEST(PointPicking, RowSearchOverTheRowsLastShown) {
    // XStep = YStep = 30: tolerance 1 on both axes; the click at (300, 250) reads (0, 0).
    GraphState s = stateWith(30, 30, true);
    for (std::size_t i = 0; i < 10; ++i) s.X[i] = s.Y[i] = 50.0;  // far away
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::pair<double, double>>> near;  // row index, (x, y)
        int regionStart, regionEnd, rowCount;
        std::optional<int> found;
    };
    const Case cases[] = {
        {"two within tolerance: the smaller row wins", {{6, {0.5, -0.5}}, {3, {0.9, 0.9}}}, 0, 10, 10, 3},
        {"strict on x", {{2, {1.0, 0.0}}}, 0, 10, 10, std::nullopt},
        {"strict on y", {{2, {0.0, -1.0}}}, 0, 10, 10, std::nullopt},
        {"rows before the region start are not searched", {{1, {0, 0}}, {5, {0, 0}}}, 2, 8, 10, 5},
        {"the region end is exclusive", {{8, {0, 0}}}, 2, 8, 10, std::nullopt},
        {"a stale region stops at the last row of the data", {{9, {0, 0}}}, 5, 400, 9, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GraphState t = s;
        for (const auto& [row, xy] : c.near) {
            t.X[static_cast<std::size_t>(row)] = xy.first;
            t.Y[static_cast<std::size_t>(row)] = xy.second;
        }
        t.regionStart = c.regionStart;
        t.regionEnd = c.regionEnd;
        const PickedPoint p = pickPoint(t, {300, 250}, c.rowCount);
        EXPECT_EQ(p.rowIndex, c.found);
        EXPECT_EQ(p.rowMessage, c.found ? "クリックした位置のデータ番号は " + std::to_string(*c.found + 1) + " です"
                                        : std::string("クリックした位置に該当するデータはありません"));
    }
}

TEST(PointPicking, LegendBox) {
    // Grabbed only strictly inside: the border picks a point.
    const Pixel legend{350, 80};
    const PixelSize size{120, 60};
    const std::pair<Pixel, bool> clicks[] = {{{351, 81}, true},   {{469, 139}, true},  {{350, 100}, false},
                                             {{470, 100}, false}, {{400, 80}, false},  {{400, 140}, false}};
    for (const auto& [at, inside] : clicks) EXPECT_EQ(insideLegend(at, legend, size), inside) << at.x << "," << at.y;

    // Dragged, it follows the pointer but stays on the 544 x 504 picture.
    const std::pair<Pixel, Pixel> drags[] = {
        {{120, 300}, {120, 300}}, {{-40, -5}, {0, 0}}, {{600, 900}, {424, 444}}};
    for (const auto& [pointer, at] : drags) EXPECT_EQ(legendDragPosition(pointer, size, {544, 504}), at) << pointer.x;
}
