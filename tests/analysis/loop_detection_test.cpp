// Loop boundaries: window sums, zero-level crossings, peaks, the 300 limit.
#include "analysis/loop_detection.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx::analysis;

namespace {
std::vector<double> sine(int rows, double period, double phase = 0.0) {
    std::vector<double> v;
    for (int i = 0; i < rows; ++i) v.push_back(std::sin(2 * M_PI * (i - phase) / period));
    return v;
}
}  // namespace

TEST(LoopDetection, WindowCentresNeedSixRows) {
    // Six rows: one centre (j = 2); five rows: none.
    EXPECT_EQ(zeroLevelBoundaries(std::vector<double>{-1, -1, -1, -1, -1, 5}), std::vector<int>{});
    EXPECT_EQ(zeroLevelBoundaries(std::vector<double>{0, 0, 0, 0, 0}), std::vector<int>{});
    EXPECT_EQ(extremaBoundaries(std::vector<double>{1, 2, 3, 2, 1}), std::vector<int>{});
    EXPECT_EQ(windowSum(std::vector<double>{1, 2, 3, 4, 5, 6}, 2), 15.0);
}

TEST(LoopDetection, ZeroLevelFindsUpwardCrossings) {
    struct Case {
        const char* name;
        std::vector<double> v;
        std::vector<int> boundaries;
    };
    const Case cases[] = {
        // Starts at zero (S <= 0 arms), the next centre with S >= 0 completes: the second centre.
        {"starts at zero and rises", {0, 0, 0, 0, 0, 1, 2, 3, 4}, {3}},
        {"two zero sums give a boundary at the second", {0, 0, 0, 0, 0, 0, 0}, {3}},
        {"positive start counts as positive", {1, 1, 1, 1, 1, -5, -5, -5, -5, -5, 5, 5, 5, 5, 5, 5, 5}, {10}},
        {"negative start: first upward crossing", {-1, -1, -1, -1, -1, -1, 1, 1, 1, 1, 1, 1, 1}, {6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(zeroLevelBoundaries(c.v), c.boundaries);
    }
}

TEST(LoopDetection, ExtremaBoundariesOneRowAfterEachPeak) {
    // Peaks at rows 100, 300, 500 (period 200, sine peak a quarter period after its zero).
    const auto v = sine(600, 200, 50);
    EXPECT_EQ(extremaBoundaries(v), (std::vector<int>{101, 301, 501}));
    EXPECT_EQ(loopBoundaries(v, LoopMethod::Extrema), extremaBoundaries(v));
}

TEST(LoopDetection, ExtremaEdgeCases) {
    // First non-negative window on a falling slope: boundary at the very next centre.
    EXPECT_EQ(extremaBoundaries(std::vector<double>{9, 8, 7, 6, 5, 4, 3, 2, 1}), std::vector<int>{3});
    // A plateau of equal sums: the boundary is the first centre where the sum falls.
    EXPECT_EQ(extremaBoundaries(std::vector<double>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0}),
              std::vector<int>{11});
    // No non-negative window at all: no boundaries, and nothing read before row 0.
    EXPECT_EQ(extremaBoundaries(std::vector<double>(50, -1.0)), std::vector<int>{});
}

TEST(LoopDetection, SignInversionMovesZeroCrossingsHalfACycle) {
    const auto v = sine(1000, 200);
    std::vector<double> inverted;
    for (double x : v) inverted.push_back(-x);
    const auto up = zeroLevelBoundaries(v);
    const auto down = zeroLevelBoundaries(inverted);
    ASSERT_FALSE(up.empty());
    ASSERT_FALSE(down.empty());
    EXPECT_NEAR(up[0] - down[0], 100, 2);  // half a period apart
}

TEST(LoopDetection, AtMost300Boundaries) {
    const auto v = sine(30000, 40);
    EXPECT_EQ(zeroLevelBoundaries(v).size(), 300u);
    EXPECT_EQ(extremaBoundaries(v).size(), 300u);
    EXPECT_EQ(zeroLevelBoundaries(sine(30000, 400)).size(), 74u);
}
