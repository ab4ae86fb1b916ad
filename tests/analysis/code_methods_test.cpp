// ASTM E2126 EEEP and EN 12512 on hand-worked envelopes, and the envelope
// built from levels and the final excursion.
#include "analysis/code_methods.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kvx::analysis;

TEST(Eeep, ElasticPerfectlyPlasticEnvelopeYieldsAtItsPlateau) {
    // ke = 0.4·10/0.4 = 10; A = 5 + 40 = 45; Δu = 5 (the last point):
    // Pyield = (5 − √(25 − 2·45/10))·10 = 10, the plateau.
    const auto r = eeep({{0, 0}, {1, 10}, {5, 10}}, 2);
    ASSERT_TRUE(r.value) << r.error;
    EXPECT_DOUBLE_EQ(r.value->Ppeak, 10);
    EXPECT_DOUBLE_EQ(r.value->dpeak, 1);
    EXPECT_DOUBLE_EQ(r.value->d04, 0.4);
    EXPECT_DOUBLE_EQ(r.value->ke, 10);
    EXPECT_DOUBLE_EQ(r.value->A, 45);
    EXPECT_NEAR(r.value->Pyield, 10, 1e-12);
    EXPECT_NEAR(r.value->dyield, 1, 1e-12);
    EXPECT_NEAR(r.value->mu, 5, 1e-12);
    EXPECT_TRUE(r.value->duAtLastPoint);
    EXPECT_FALSE(r.value->pyieldFallback);
}

TEST(Eeep, UltimatePointOnTheDescendingBranchAndTheFallback) {
    // Δu where the envelope falls to 8 between (3, 10) and (4, 7): 3 + 2/3.
    const auto drop = eeep({{0, 0}, {1, 10}, {3, 10}, {4, 7}}, 3);
    ASSERT_TRUE(drop.value);
    EXPECT_NEAR(drop.value->du, 3 + 2.0 / 3, 1e-12);
    EXPECT_FALSE(drop.value->duAtLastPoint);
    EXPECT_NEAR(drop.value->A, 5 + 20 + (2.0 / 3) * 9, 1e-12);  // the last segment cut at Δu
    // A soft start: 2A/ke = 30 > Δu² = 25, so Pyield = 0.85 Ppeak.
    const auto soft = eeep({{0, 0}, {4, 4}, {5, 10}}, 2);
    ASSERT_TRUE(soft.value);
    EXPECT_TRUE(soft.value->pyieldFallback);
    EXPECT_DOUBLE_EQ(soft.value->Pyield, 8.5);
    EXPECT_NEAR(soft.value->mu, 5 / 8.5, 1e-12);
}

TEST(En12512Method, BilinearWithHardening) {
    // k1 = 0.3·14/(0.56 − 0.14) = 10; the tangent point of slope 10/6 is the
    // knee (1, 10); the two lines meet at the knee: vy = 1, Fy = 10.
    const auto r = en12512({{0, 0}, {1, 10}, {5, 14}}, 2);
    ASSERT_TRUE(r.value) << r.error;
    EXPECT_DOUBLE_EQ(r.value->Fmax, 14);
    EXPECT_NEAR(r.value->v01, 0.14, 1e-12);
    EXPECT_NEAR(r.value->v04, 0.56, 1e-12);
    EXPECT_NEAR(r.value->k1, 10, 1e-12);
    EXPECT_DOUBLE_EQ(r.value->vt, 1);
    EXPECT_DOUBLE_EQ(r.value->Ft, 10);
    EXPECT_NEAR(r.value->vy, 1, 1e-12);
    EXPECT_NEAR(r.value->Fy, 10, 1e-12);
    EXPECT_DOUBLE_EQ(r.value->vu, 5);
    EXPECT_TRUE(r.value->vuAtLastPoint);
    EXPECT_NEAR(r.value->D, 5, 1e-12);
}

TEST(CodeMethods, DegenerateSidesAreRefusedWithAMessage) {
    struct Case {
        const char* name;
        std::vector<EnvelopePoint> points;
        int levels;
    };
    const Case cases[] = {
        {"one level", {{0, 0}, {1, 10}}, 1},
        {"no load", {{0, 0}, {1, 0}, {2, 0}}, 2},
        {"vertical start", {{0, 0}, {0, 10}, {1, 12}}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto e = eeep(c.points, c.levels);
        const auto en = en12512(c.points, c.levels);
        EXPECT_FALSE(e.value);
        EXPECT_FALSE(e.error.empty());
        EXPECT_FALSE(en.value);
        EXPECT_FALSE(en.error.empty());
    }
}

TEST(CodeMethods, EnvelopeFromLevelsAndTheFinalExcursion) {
    // Two levels of two cycles each, then a push to failure on the positive side.
    std::vector<double> x, y;
    for (double amplitude : {1.0, 1.0, 2.0, 2.0})
        for (int i = 0; i < 100; ++i) {
            const double t = 2 * std::numbers::pi * i / 100;
            x.push_back(amplitude * std::sin(t));
            y.push_back(10 * std::tanh(amplitude) * std::sin(t - 0.1));
        }
    for (int i = 0; i <= 60; ++i) {
        const double d = 2.0 * i / 20;  // up to 6, beyond every cycle
        x.push_back(d);
        y.push_back(d <= 4 ? 10 * std::tanh(d) : 10 * std::tanh(4) - 4 * (d - 4));
    }
    const CycleAnalysis a = analyzeCycles(x, y);
    ASSERT_EQ(a.levels.size(), 2u);
    const CodeEnvelope e = codeEnvelope(x, y, a);
    EXPECT_EQ(e.plusLevelPoints, 2);
    EXPECT_EQ(e.minusLevelPoints, 2);
    EXPECT_EQ(e.plus.front(), (EnvelopePoint{0, 0}));
    // Strictly outward on both sides.
    for (std::size_t i = 1; i < e.plus.size(); ++i) EXPECT_GT(e.plus[i].first, e.plus[i - 1].first);
    for (std::size_t i = 1; i < e.minus.size(); ++i) EXPECT_LT(e.minus[i].first, e.minus[i - 1].first);
    EXPECT_DOUBLE_EQ(e.plus.back().first, 6.0);
    EXPECT_EQ(e.minus.size(), 3u);  // the origin and two level points: no excursion to the minus side

    const CodeEvaluation c = evaluateCodes(x, y, a);
    ASSERT_TRUE(c.eeepPlus.value) << c.eeepPlus.error;
    EXPECT_FALSE(c.eeepPlus.value->duAtLastPoint);  // the push falls below 0.8 Ppeak
    ASSERT_TRUE(c.enPlus.value) << c.enPlus.error;
    EXPECT_GT(c.enPlus.value->D, 1);
    EXPECT_TRUE(c.eeepMinus.value);
}
