// Skeleton extraction, step by step.
#include "analysis/skeleton_curve.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace kvx::analysis {

PointList envelopePoints(std::span<const double> x, std::span<const double> y) {
    PointList p;
    p.push(0.0, 0.0);
    double runningMax = -1e-20, runningMin = 1e20;
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (x[i] >= 0) {
            if (x[i] >= runningMax && y[i] >= 0) {
                p.push(x[i], y[i]);
                runningMax = x[i];
            }
        } else if (x[i] <= runningMin && y[i] <= 0) {
            p.push(x[i], y[i]);
            runningMin = x[i];
        }
    }
    return p;
}

void exchangeSort(PointList& p) {
    // The exchange sort (swap whenever x[j] >= x[k]) ends in ascending X with
    // each run of equal X in reverse row order; that order decides the order
    // in which the merge adds their loads. A stable sort of the reversed rows
    // gives the same permutation in n log n: a hostile record of ten thousand
    // alternating extremes took seconds with the n^2 / 2 compares.
    const std::size_t n = p.size();
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = n - 1 - i;
    std::stable_sort(order.begin(), order.end(), [&p](std::size_t a, std::size_t b) { return p.x[a] < p.x[b]; });
    PointList sorted;
    sorted.x.reserve(n);
    sorted.y.reserve(n);
    for (std::size_t i : order) sorted.push(p.x[i], p.y[i]);
    p = std::move(sorted);
}

void mergeEqualX(PointList& p) {
    PointList out;
    std::size_t i = 0;
    while (i < p.size()) {
        double sum = p.y[i];
        std::size_t runLength = 1;
        std::size_t k = i + 1;
        while (k < p.size() && p.x[k] == p.x[i]) sum += p.y[k++], ++runLength;
        out.push(p.x[i], runLength == 1 ? p.y[i] : sum / static_cast<double>(runLength));
        i = k;
    }
    p = std::move(out);
}

void slopeFilter(PointList& p) {
    const std::size_t n = p.size();
    // Fewer than five points can never reach 80 % (the first is not counted):
    // then stop as soon as every point passes, instead of growing forever.
    if (n < 2) return;
    PointList kept;
    for (double threshold = 5.0; std::isfinite(threshold); threshold *= 5.0) {
        kept = PointList{};
        kept.push(p.x[0], p.y[0]);
        std::size_t passed = 0;
        for (std::size_t i = 1; i < n; ++i) {
            const double slope = (p.y[i] - kept.y.back()) / (p.x[i] - kept.x.back());
            if (std::fabs(slope) <= threshold) {
                kept.push(p.x[i], p.y[i]);
                ++passed;
            }
        }
        if (static_cast<double>(passed) / static_cast<double>(n) >= 0.8 || passed == n - 1) break;
    }
    p = std::move(kept);
}

void removeDents(PointList& p) {
    // Pass after pass, every dip (X > 0) and every peak (X < 0) of the points
    // left is removed at once, until a pass removes none. Only a removed
    // point's neighbours can turn into a dent, so each pass looks at those
    // alone: the same points go as with whole passes, but a staircase that
    // loses one point per pass costs n, not n^2.
    const std::size_t n = p.size();
    if (n < 3) return;
    std::vector<std::size_t> prev(n), next(n);
    for (std::size_t i = 0; i < n; ++i) prev[i] = i - 1, next[i] = i + 1;
    std::vector<char> alive(n, 1), queued(n, 0);
    const auto isDent = [&](std::size_t j) {
        const double y = p.y[j], before = p.y[prev[j]], after = p.y[next[j]];
        return (p.x[j] > 0 && y < before && y < after) || (p.x[j] < 0 && y > before && y > after);
    };
    std::vector<std::size_t> candidates, removed;
    for (std::size_t j = 1; j + 1 < n; ++j) candidates.push_back(j);
    while (!candidates.empty()) {
        removed.clear();
        // Judged against the points as they stand before this pass.
        for (std::size_t j : candidates) {
            queued[j] = 0;
            if (alive[j] && isDent(j)) removed.push_back(j);
        }
        for (std::size_t j : removed) alive[j] = 0;
        candidates.clear();
        for (std::size_t j : removed) {
            std::size_t before = prev[j], after = next[j];
            while (!alive[before]) before = prev[before];
            while (!alive[after]) after = next[after];
            next[before] = after, prev[after] = before;
            for (std::size_t k : {before, after})
                if (k != 0 && k != n - 1 && !queued[k]) queued[k] = 1, candidates.push_back(k);
        }
    }
    PointList out;
    for (std::size_t i = 0; i < n; ++i)
        if (alive[i]) out.push(p.x[i], p.y[i]);
    p = std::move(out);
}

void resample(PointList& p) {
    if (p.size() == 0) return;
    const double x0 = p.x.front();
    const double w = (p.x.back() - x0) / 300;
    // Bin b takes the points with c - w/2 <= x < c + w/2, c = x0 + w b, as
    // rounded: a point belongs to the bin nearest its X or to a neighbour
    // (scanning 301 bins for each point cost 301 n).
    // Each bin's loads are added in point order, as a scan per bin would.
    std::array<double, 301> sum{};
    std::array<int, 301> count{};
    const auto inBin = [&](int b, double x) {
        const double c = x0 + w * b;
        return c - w / 2 <= x && x < c + w / 2;
    };
    // Only where the bins are far wider than the rounding of X: otherwise a
    // point may fall in bins anywhere, and every bin is scanned for it.
    const double magnitude = std::max(std::fabs(x0), std::fabs(p.x.back()));
    const bool direct = std::isfinite(w) && std::isnormal(w) && w > 1e-9 * magnitude;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const double x = p.x[i];
        int from = 0, to = 300;
        if (direct) {
            const double nearest = std::round((x - x0) / w);
            if (!(nearest >= -1 && nearest <= 301)) continue;  // far outside, or NaN
            from = std::max(0, static_cast<int>(nearest) - 1);
            to = std::min(300, static_cast<int>(nearest) + 1);
        }
        for (int b = from; b <= to; ++b)
            if (inBin(b, x)) sum[static_cast<std::size_t>(b)] += p.y[i], ++count[static_cast<std::size_t>(b)];
    }
    PointList out;
    for (int b = 0; b <= 300; ++b) {
        const auto k = static_cast<std::size_t>(b);
        if (count[k] > 0) out.push(x0 + w * b, sum[k] / count[k]);
    }
    p = std::move(out);
}

PointList skeletonPoints(std::span<const double> x, std::span<const double> y) {
    PointList p = envelopePoints(x, y);
    exchangeSort(p);
    mergeEqualX(p);
    slopeFilter(p);
    removeDents(p);
    resample(p);
    return p;
}

}  // namespace kvx::analysis
