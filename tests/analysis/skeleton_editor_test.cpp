// Skeleton editor operations and its evaluation.
#include "analysis/skeleton_editor.h"

#include "analysis/elasto_plastic.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx::analysis;

namespace {

SkeletonCurve curveOf(std::vector<double> x, std::vector<double> y) {
    SkeletonCurve c;
    for (std::size_t i = 0; i < x.size(); ++i) c.X[i] = x[i], c.Y[i] = y[i];
    c.count = static_cast<int>(x.size());
    return c;
}

std::vector<double> xs(const SkeletonCurve& c) { return {c.X.begin(), c.X.begin() + c.count}; }

// A wall's skeleton in rad: 20 (1 - e^(-x/0.01)), falling after 0.04 rad.
SkeletonCurve wall(double endX) {
    SkeletonCurve c;
    for (double x = 0; x <= endX + 1e-12; x += 0.0005) {
        double p = 20 * (1 - std::exp(-x / 0.01));
        if (x > 0.04) p -= 5000 * (x - 0.04) * (x - 0.04);
        c.X[static_cast<std::size_t>(c.count)] = x;
        c.Y[static_cast<std::size_t>(c.count)] = p;
        ++c.count;
    }
    return c;
}

const PlotUnits kRad{"kN", "rad"};

}  // namespace

TEST(EditorScale, FirstScaleWhoseDoubleHoldsTheMaximum) {
    const std::pair<double, double> cases[] = {{100, 50}, {0.07, 0.05}, {1, 0.5}, {3, 1.5}, {3.1, 2}, {17.7, 10}, {0.0667, 0.05}};
    for (const auto& [maximum, scale] : cases) {
        SCOPED_TRACE(maximum);
        EXPECT_NEAR(*editorScale(maximum), scale, scale * 1e-12);
    }
    EXPECT_FALSE(editorScale(0.0).has_value());
}

TEST(EditorView, MappingAndInverse) {
    const EditorView v = EditorView::make(544, 504, 0.05, 10, false);
    EXPECT_EQ(v.toPixel(-0.1, -20), (std::pair<int, int>{0, 504}));
    EXPECT_EQ(v.toPixel(0, 0), (std::pair<int, int>{272, 252}));
    const auto [x, y] = v.toData(272, 252);
    EXPECT_NEAR(x, 0, 1e-15);
    EXPECT_NEAR(y, 0, 1e-12);
    const EditorView q = EditorView::make(544, 504, 0.05, 10, true);
    EXPECT_EQ(q.toPixel(0.1, 20), (std::pair<int, int>{544, 0}));
}

TEST(EditorPoints, AddInFrontAtTheEndAndBetween) {
    struct Case {
        const char* name;
        double x;
        std::vector<double> result;
    };
    const Case cases[] = {
        {"left of the first", -1, {-1, 0, 1, 2}},
        {"right of the last", 5, {0, 1, 2, 5}},
        {"between", 1.5, {0, 1, 1.5, 2}},
        {"on an existing X: after it", 1, {0, 1, 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SkeletonCurve curve = curveOf({0, 1, 2}, {0, 5, 6});
        EXPECT_EQ(addEditorPoint(curve, c.x, 3), AddResult::Added);
        EXPECT_EQ(xs(curve), c.result);
    }
    SkeletonCurve full;
    full.count = SkeletonCurve::kSlots;
    EXPECT_EQ(addEditorPoint(full, 1, 1), AddResult::StoreFull);
    EXPECT_EQ(full.count, SkeletonCurve::kSlots);
}

TEST(EditorPoints, PickTheFirstInStoreOrderDeleteAndMove) {
    // A crowd: points 1 and 2 are both within the box; 2 is nearer, 1 comes first.
    SkeletonCurve c = curveOf({0, 1.0, 1.01, 3}, {0, 5, 5, 6});
    EXPECT_EQ(pickEditorPoint(c, 1.02, 5, 0.05, 0.5), 1);
    EXPECT_FALSE(pickEditorPoint(c, 2.0, 5, 0.05, 0.5).has_value());
    deleteEditorPoint(c, 1);
    EXPECT_EQ(xs(c), (std::vector<double>{0, 1.01, 3}));
    moveEditorPoint(c, 1, 2.5, 7);
    EXPECT_EQ(c.X[1], 2.5);
    EXPECT_EQ(c.Y[1], 7);
    deleteEditorPoint(c, 9);  // outside: nothing happens
    EXPECT_EQ(c.count, 3);
    c.X[0] = 4;
    sortEditorPoints(c);
    EXPECT_EQ(xs(c), (std::vector<double>{2.5, 3, 4}));
}

TEST(EditorPoints, ThinningKeepsTheLargestLoadPerInterval) {
    // 300 points thinned to 25 intervals: first, at most one per interval, last.
    SkeletonCurve c;
    for (int i = 0; i < 300; ++i) c.X[static_cast<std::size_t>(i)] = i, c.Y[static_cast<std::size_t>(i)] = std::sin(i * 0.1) * i;
    c.count = 300;
    thinEditorPoints(c, 25);
    EXPECT_LE(c.count, 27);
    EXPECT_EQ(c.X[0], 0);
    EXPECT_EQ(c.X[static_cast<std::size_t>(c.count - 1)], 299);
    // Interval 1 spans 11.96 ... 23.92: the point of largest |load| there.
    double best = 12;
    for (int i = 12; i <= 23; ++i)
        if (std::fabs(std::sin(i * 0.1) * i) > std::fabs(std::sin(best * 0.1) * best)) best = i;
    EXPECT_EQ(c.X[1], best);
}

TEST(EditorEvaluation, LabelsAndTheWallHandOff) {
    const SkeletonCurve c = wall(0.08);
    const auto x = std::span<const double>(c.X).first(static_cast<std::size_t>(c.count));
    const auto y = std::span<const double>(c.Y).first(static_cast<std::size_t>(c.count));
    const EditorEvaluation e = evaluateEditorPoints(x, y, kRad);
    ASSERT_FALSE(e.failure.has_value()) << e.failure->caption;
    EXPECT_EQ(e.labels.at("Label5").rfind("Max  ", 0), 0u);
    EXPECT_EQ(e.labels.at("Label20").rfind("gm  0.0", 0), 0u);
    EXPECT_EQ(e.labels.at("Label18").substr(e.labels.at("Label18").size() - 4), " rad");
    EXPECT_EQ(e.labels.at("Label10").substr(e.labels.at("Label10").size() - 7), " kN/rad");
    EXPECT_EQ(e.labels.at("Label15").rfind("\x83\xca = du/dv =", 0), 0u);  // μ in CP932
    ASSERT_TRUE(e.handOff.evaluated);
    EXPECT_EQ(e.handOff.Py, e.Py);
    EXPECT_EQ(e.handOff.gv, e.dv);
    EXPECT_EQ(e.handOff.gu, static_cast<double>(e.du));
    // The editor's K is Py over the deformation where the curve reaches Py,
    // not over the cross point as in the characteristics window's model.
    EXPECT_DOUBLE_EQ(e.K, e.Py / e.gy);
    const ElastoResult model = elastoPlastic(x, y);
    ASSERT_TRUE(model.model.has_value());
    EXPECT_NE(e.K, model.model->K);
    EXPECT_DOUBLE_EQ(model.model->K, model.model->Py / model.model->xc);
    // The bilinear model absorbs the same energy with the editor's K.
    const double du = e.du;
    EXPECT_NEAR(e.Pu * du - e.Pu * e.Pu / (2 * e.K), e.S, 1e-9 * e.S);
}

TEST(EditorEvaluation, AddingAPointMakesAnEarlyStoppedTestEvaluable) {
    SkeletonCurve c = wall(0.045);  // stopped before the load fell to 0.8 Pmax
    const auto eval = [&] {
        return evaluateEditorPoints(std::span<const double>(c.X).first(static_cast<std::size_t>(c.count)),
                                    std::span<const double>(c.Y).first(static_cast<std::size_t>(c.count)), kRad);
    };
    const EditorEvaluation before = eval();
    ASSERT_TRUE(before.failure.has_value());
    EXPECT_EQ(before.failure->caption, "0.8Pmaxの点が見つけられない");
    EXPECT_TRUE(before.exclamation);
    EXPECT_EQ(before.reached, 3);
    EXPECT_FALSE(before.labels.at("Label19").empty());  // labels made before the stop stay
    ASSERT_EQ(addEditorPoint(c, 0.06, 12.0), AddResult::Added);
    const EditorEvaluation after = eval();
    ASSERT_FALSE(after.failure.has_value()) << after.failure->caption;
    EXPECT_GT(after.du, 0.045f);
    EXPECT_LT(after.du, 0.06f);
}

TEST(EditorEvaluation, TimeStampFormat) {
    const std::string s = timeStamp();
    ASSERT_EQ(s.size(), 20u);  // "2026/12/07  21:35.12"
    EXPECT_EQ(s[4], '/');
    EXPECT_EQ(s.substr(10, 2), "  ");
    EXPECT_EQ(s[14], ':');
    EXPECT_EQ(s[17], '.');
}
