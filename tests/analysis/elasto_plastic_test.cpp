// The bilinear model: construction steps, failures, and its defining property.
#include "analysis/elasto_plastic.h"

#include "analysis/curve_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx::analysis;

namespace {

// A racking-test-like skeleton: P = 20 (1 - e^(-x/0.01)) rising, then falling after x = 0.04.
Curve wall(double endX, double fall = 50) {
    Curve c;
    for (double x = 0; x <= endX + 1e-12; x += 0.0005) {
        double p = 20 * (1 - std::exp(-x / 0.01));
        if (x > 0.04) p -= fall * (x - 0.04) * (x - 0.04) * 100;
        c.x.push_back(x);
        c.y.push_back(p);
    }
    return c;
}

}  // namespace

TEST(ElastoPlastic, BilinearModelAbsorbsTheSameEnergy) {
    const Curve c = wall(0.08);
    const ElastoResult r = elastoPlastic(c.x, c.y);
    ASSERT_TRUE(r.model.has_value()) << r.failure.caption;
    const ElastoPlastic& m = *r.model;
    EXPECT_EQ(m.Pmax, c.y[indexOfMax(c.y)]);
    EXPECT_LT(m.X01, m.X04);
    EXPECT_LT(m.X04, m.X09);
    // Line III through T with slope k2 meets line I at (xc, Py); K = Py / xc.
    EXPECT_NEAR(m.Py, m.Ty + m.k2 * (m.xc - m.Tx), 1e-9);
    EXPECT_DOUBLE_EQ(m.K, m.Py / m.xc);
    // du lies where the falling branch crosses 0.8 Pmax.
    EXPECT_GT(m.du, 0.04f);
    EXPECT_LE(m.P8y, c.y[indexOfMax(c.y)]);
    // Energy: Pu du - Pu^2 / (2K) = S.
    const double du = m.du;
    EXPECT_NEAR(m.Pu * du - m.Pu * m.Pu / (2 * m.K), m.S, 1e-9 * m.S);
    EXPECT_NEAR(m.Pu, m.K * m.dv, 1e-12);
    EXPECT_LT(m.Pu, m.Pmax);
}

TEST(ElastoPlastic, FailuresAndTheirCaptions) {
    struct Case {
        const char* name;
        Curve curve;
        const char* caption;
    };
    Curve firstAtLevel;  // the very first point already reaches 0.1 Pmax
    firstAtLevel.x = {0, 1, 2};
    firstAtLevel.y = {5, 10, 8};
    Curve straight;  // a straight line has no point above line II: no tangent
    for (int i = 0; i <= 40; ++i) straight.x.push_back(i * 0.001), straight.y.push_back(i * 0.5);
    const Case cases[] = {
        {"test stopped before 0.8 Pmax", wall(0.045), "0.8Pmaxの点が見つけられない"},
        {"first point at the level", firstAtLevel, "gamma_number error"},
        {"no tangent above line II", straight, "Pararel_point error"},
        {"no points", Curve{}, "gamma_number error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ElastoResult r = elastoPlastic(c.curve.x, c.curve.y);
        EXPECT_FALSE(r.model.has_value());
        EXPECT_EQ(r.failure.caption, c.caption);
    }
}

TEST(ElastoPlastic, ADipBeforeTheNearPeakDoesNotEndTheSearch) {
    Curve c = wall(0.08);
    // An early excursion: up to 0.95 Pmax and down to 0.7 Pmax before the real peak.
    Curve dip;
    for (std::size_t i = 0; i < c.x.size(); ++i) {
        double y = c.y[i];
        if (c.x[i] > 0.02 && c.x[i] < 0.025) y = 0.7 * 20;
        dip.x.push_back(c.x[i]);
        dip.y.push_back(y);
    }
    const ElastoResult plain = elastoPlastic(c.x, c.y), dipped = elastoPlastic(dip.x, dip.y);
    ASSERT_TRUE(plain.model && dipped.model);
    EXPECT_EQ(plain.model->du, dipped.model->du);
}

TEST(ElastoPlastic, SymmetricCurveGivesEqualSides) {
    const Curve half = wall(0.08);
    Curve full;
    for (std::size_t i = half.x.size(); i-- > 1;) full.x.push_back(-half.x[i]), full.y.push_back(-half.y[i]);
    for (std::size_t i = 0; i < half.x.size(); ++i) full.x.push_back(half.x[i]), full.y.push_back(half.y[i]);
    const Curve negative = mirrored(full.x, full.y);
    const ElastoResult plus = elastoPlastic(full.x, full.y), minus = elastoPlastic(negative.x, negative.y);
    ASSERT_TRUE(plus.model.has_value()) << plus.failure.caption;
    ASSERT_TRUE(minus.model.has_value()) << minus.failure.caption;
    EXPECT_EQ(plus.model->Pu, minus.model->Pu);
    EXPECT_EQ(plus.model->du, minus.model->du);
    EXPECT_EQ(plus.model->K, minus.model->K);
}

TEST(CurveHelpers, IndexRulesAndLevels) {
    EXPECT_EQ(indexOfMax(std::vector<double>{1, 3, 3, 2}), 1u);
    EXPECT_EQ(indexOfMax(std::vector<double>{-1, -3}), 0u);  // all below -1e-10: index 0
    EXPECT_EQ(indexOfMin(std::vector<double>{1, -3, -3}), 1u);
    // An early excursion above the level counts as the crossing.
    const std::vector<double> x{0, 1, 2, 3, 4}, y{0, 5, 1, 3, 6};
    EXPECT_EQ(levelCrossing(y, 4), 1u);
    EXPECT_DOUBLE_EQ(*deformationAtLevel(x, y, 4), 0.8);
    const Curve m = mirrored(x, y);
    EXPECT_EQ(m.x, (std::vector<double>{-4, -3, -2, -1, 0}));
    EXPECT_EQ(m.y, (std::vector<double>{-6, -3, -1, -5, 0}));
}

TEST(CurveHelpers, LoadAtDeformation) {
    const std::vector<double> x{0, 1, 1, 2}, y{0, 10, 12, 20};
    EXPECT_EQ(loadAtDeformation(x, y, 0.5).load, 5.0);
    EXPECT_EQ(loadAtDeformation(x, y, 0.0).load, 0.0);  // exactly at the first point
    EXPECT_EQ(loadAtDeformation(x, y, 1.5).load, 16.0);
    EXPECT_EQ(loadAtDeformation(x, y, 3.0).status, LoadAt::Status::Beyond);
    EXPECT_EQ(loadAtDeformation(x, y, -1.0).status, LoadAt::Status::Beyond);
}
