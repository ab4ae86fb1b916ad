// Skeleton extraction: envelope, sort, merge, slope filter, dents, resampling.
#include "analysis/skeleton_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

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

TEST(SkeletonSteps, DentRemovalRemovesWhatWholePassesRemove) {
    // The literal passes, for reference.
    const auto reference = [](PointList p) {
        for (bool removed = true; removed && p.size() >= 3;) {
            PointList out;
            out.push(p.x[0], p.y[0]);
            for (std::size_t j = 1; j + 1 < p.size(); ++j) {
                const bool dip = p.x[j] > 0 && p.y[j] < p.y[j - 1] && p.y[j] < p.y[j + 1];
                const bool peak = p.x[j] < 0 && p.y[j] > p.y[j - 1] && p.y[j] > p.y[j + 1];
                if (!dip && !peak) out.push(p.x[j], p.y[j]);
            }
            out.push(p.x.back(), p.y.back());
            removed = out.size() < p.size();
            p = std::move(out);
        }
        return p;
    };
    std::uint32_t s = 777;
    const auto next = [&s] { return s = s * 1664525u + 1013904223u; };
    for (int trial = 0; trial < 300; ++trial) {
        PointList p;
        const int n = static_cast<int>(next() >> 26);  // 0..63 points
        double x = -static_cast<double>(n / 2);
        for (int i = 0; i < n; ++i, x += 1.0) p.push(x, static_cast<double>((next() >> 24) % 7));
        PointList fast = p;
        removeDents(fast);
        const PointList slow = reference(p);
        EXPECT_EQ(fast.x, slow.x) << "trial " << trial;
    }
    // A staircase that loses one point per pass: 10, 1, 2, ..., 9, 11.
    PointList stair;
    stair.push(0, 0);
    stair.push(1, 10);
    for (int i = 1; i <= 9; ++i) stair.push(1 + i, i);
    stair.push(11, 11);
    removeDents(stair);
    EXPECT_EQ(stair.x, (std::vector<double>{0, 1, 11}));
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

TEST(SkeletonSteps, ResamplingTakesWhatAScanOfEveryBinTakes) {
    // The literal scan, for reference.
    const auto reference = [](const PointList& p) {
        const double x0 = p.x.front(), w = (p.x.back() - x0) / 300;
        PointList out;
        for (int b = 0; b <= 300; ++b) {
            const double c = x0 + w * b;
            double sum = 0.0;
            int count = 0;
            for (std::size_t i = 0; i < p.size(); ++i)
                if (c - w / 2 <= p.x[i] && p.x[i] < c + w / 2) sum += p.y[i], ++count;
            if (count > 0) out.push(c, sum / count);
        }
        return out;
    };
    // Points on and beside the bin edges, bins narrow against the magnitude
    // of X (where rounding decides), and a subnormal width.
    std::uint32_t s = 4242;
    const auto next = [&s] { return s = s * 1664525u + 1013904223u; };
    const std::vector<std::pair<double, double>> ranges{
        {0.0, 3.0}, {-0.0664, 0.0712}, {-17.5, 123.25}, {1e6, 1e6 + 3e-7}, {1.0, 1.0 + 1e-13}, {0.0, 1e-310}};
    for (const auto& [from, to] : ranges) {
        for (int trial = 0; trial < 20; ++trial) {
            PointList p;
            const int n = 2 + static_cast<int>(next() >> 24);
            for (int i = 0; i < n; ++i) {
                const double t = static_cast<double>(i) / (n - 1);
                // Every third point on an exact bin edge of the nominal width.
                const double edge = from + (to - from) / 300 * (std::floor(t * 300) + 0.5);
                p.push(i % 3 == 0 && i + 1 < n ? edge : from + (to - from) * t, static_cast<double>(next() >> 8));
            }
            p.x.front() = from, p.x.back() = to;
            std::sort(p.x.begin(), p.x.end());
            const PointList slow = reference(p);
            resample(p);
            EXPECT_EQ(p.x, slow.x) << from << ".." << to;
            EXPECT_EQ(p.y, slow.y) << from << ".." << to;
        }
    }
}

TEST(SkeletonSteps, TakesTheSameOrderAsTheExchangeSort) {
    // The literal exchange sort, for reference.
    const auto reference = [](PointList p) {
        for (std::size_t j = 0; j + 1 < p.size(); ++j)
            for (std::size_t k = j + 1; k < p.size(); ++k)
                if (p.x[j] >= p.x[k]) std::swap(p.x[j], p.x[k]), std::swap(p.y[j], p.y[k]);
        return p;
    };
    // Sorted records with runs of equal X, and shuffled ones drawn from a few
    // values (many ties, both zeros, infinities) as cyclic envelopes give.
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> values{-inf, -2.0, -0.5, -0.0, 0.0, 0.5, 2.0, inf};
    std::uint32_t s = 12345;
    const auto next = [&s] { return s = s * 1664525u + 1013904223u; };
    for (int trial = 0; trial < 200; ++trial) {
        const bool sorted = trial % 2 == 0;
        PointList p;
        double x = 0;
        const int n = static_cast<int>(next() >> 27);  // 0..31 points
        for (int i = 0; i < n; ++i) {
            next();
            if (sorted) {
                if ((s >> 28) % 3 != 0) x += 0.5;
            } else {
                x = values[(s >> 24) % values.size()];
            }
            p.push(x, static_cast<double>(s >> 8));
        }
        PointList fast = p;
        exchangeSort(fast);
        const PointList slow = reference(p);
        ASSERT_EQ(fast.y, slow.y) << "trial " << trial;
        for (std::size_t i = 0; i < slow.size(); ++i)
            EXPECT_EQ(std::signbit(fast.x[i]), std::signbit(slow.x[i])) << "trial " << trial;
    }
}
