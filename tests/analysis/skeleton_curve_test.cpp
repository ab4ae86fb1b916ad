// Skeleton extraction: envelope, sort, merge, slope filter, dents, resampling.
#include "analysis/skeleton_curve.h"

#include <gtest/gtest.h>

using namespace kvx::analysis;

namespace {
PointList list(std::vector<double> x, std::vector<double> y) { return {std::move(x), std::move(y)}; }
}  // namespace

TEST(SkeletonEnvelope, TakesNewExtremesWithTheMatchingLoadSign) {
    // Rows: a positive excursion, a positive deformation with a negative load
    // (never taken), a return below the maximum (skipped), a negative excursion.
    const std::vector<double> x{0.5, 1.0, 2.0, 1.5, -1.0, -0.5, -2.0, 3.0}, y{1, 2, -1, 1, -2, -1, -3, 4};
    const PointList p = envelopePoints(x, y);
    // 1.5 is taken: the skipped 2.0 (negative load) did not move the running maximum.
    EXPECT_EQ(p.x, (std::vector<double>{0, 0.5, 1.0, 1.5, -1.0, -2.0, 3.0}));
    EXPECT_EQ(p.y, (std::vector<double>{0, 1, 2, 1, -2, -3, 4}));
}

TEST(SkeletonEnvelope, PositiveOnlyRecordStartsAtTheOrigin) {
    const std::vector<double> x{0.1, 0.2, 0.3}, y{1, 2, 3};
    const PointList p = skeletonPoints(x, y);
    ASSERT_GT(p.size(), 0u);
    EXPECT_EQ(p.x.front(), 0.0);
    EXPECT_EQ(p.y.front(), 0.0);
    for (double v : p.x) EXPECT_GE(v, 0.0);
}

TEST(SkeletonSteps, ExchangeSortAndMergeAverageRepeatedMaxima) {
    PointList p = list({2, 0, 1, 2, -1, 2}, {10, 0, 5, 20, -5, 30});
    exchangeSort(p);
    EXPECT_EQ(p.x, (std::vector<double>{-1, 0, 1, 2, 2, 2}));
    mergeEqualX(p);
    EXPECT_EQ(p.x, (std::vector<double>{-1, 0, 1, 2}));
    EXPECT_EQ(p.y.back(), 20.0);  // mean of 10, 20 and 30
}

TEST(SkeletonSteps, SlopeFilterRemovesASpikeAndGrowsTheThreshold) {
    // Ten points of slope 1 and one spike of slope 1000: the spike goes at threshold 5.
    PointList p;
    for (int i = 0; i <= 10; ++i) p.push(i, i == 5 ? 1000.0 : i);
    slopeFilter(p);
    EXPECT_EQ(p.size(), 10u);
    for (double y : p.y) EXPECT_NE(y, 1000.0);
    // Every segment has slope 30: thresholds 5 and 25 pass nothing, 125 passes all.
    PointList steep;
    for (int i = 0; i <= 10; ++i) steep.push(i, 30.0 * i);
    slopeFilter(steep);
    EXPECT_EQ(steep.size(), 11u);
    // Two points (could never reach 80 %) pass as soon as the threshold allows.
    PointList two = list({0, 1}, {0, 1e6});
    slopeFilter(two);
    EXPECT_EQ(two.size(), 2u);
}

TEST(SkeletonSteps, DentRemovalUntilNoneIsLeft) {
    // Positive dip at x = 2, negative peak at x = -2, x = 0 never removed.
    PointList p = list({-3, -2, -1, 0, 1, 2, 3, 4}, {-3, -1, -2, 0, 2, 1, 3, 2.5});
    removeDents(p);
    EXPECT_EQ(p.x, (std::vector<double>{-3, -1, 0, 1, 3, 4}));
    // x = 3 becomes a dip only once x = 2 is gone: it goes in the next pass.
    PointList q = list({0, 1, 2, 3, 4}, {0, 5, 3, 4, 6});
    removeDents(q);
    EXPECT_EQ(q.x, (std::vector<double>{0, 1, 4}));
}

TEST(SkeletonSteps, ResamplingInto301Bins) {
    // Points at 0, 3.0 (bins of width 0.01): each point falls in its own bin centre.
    PointList p = list({0, 1.5, 1.504, 3.0}, {0, 10, 20, 30});
    resample(p);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p.x[1], 0.01 * 150);
    EXPECT_EQ(p.y[1], 15.0);  // 1.5 and 1.504 share the bin centred at 1.50
    EXPECT_NEAR(p.x[2], 3.0, 1e-12);
    // All X equal: the bins have no width and the skeleton is empty.
    PointList flat = list({1, 1, 1}, {1, 2, 3});
    resample(flat);
    EXPECT_EQ(flat.size(), 0u);
}

TEST(SkeletonSteps, SortedInputTakesTheSameOrderAsTheExchangeSort) {
    // The literal exchange sort, for reference.
    const auto reference = [](PointList p) {
        for (std::size_t j = 0; j + 1 < p.size(); ++j)
            for (std::size_t k = j + 1; k < p.size(); ++k)
                if (p.x[j] >= p.x[k]) std::swap(p.x[j], p.x[k]), std::swap(p.y[j], p.y[k]);
        return p;
    };
    std::uint32_t s = 12345;
    for (int trial = 0; trial < 50; ++trial) {
        PointList p;
        double x = 0;
        for (int i = 0; i < 60; ++i) {
            s = s * 1664525u + 1013904223u;
            if ((s >> 28) % 3 != 0) x += 0.5;  // runs of equal X
            p.push(x, static_cast<double>(s >> 8));
        }
        PointList fast = p;
        exchangeSort(fast);
        const PointList slow = reference(p);
        EXPECT_EQ(fast.x, slow.x);
        EXPECT_EQ(fast.y, slow.y);
    }
}
