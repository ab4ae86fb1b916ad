// Skeleton extraction, step by step.
#include "analysis/skeleton_curve.h"

#include <algorithm>
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
    const std::size_t n = p.size();
    // A monotonic record's envelope arrives sorted already. On sorted input
    // the exchange sort only swaps equal X, and its passes leave each run of
    // equal X reversed: do exactly that in one pass instead of n^2 / 2 compares.
    if (std::is_sorted(p.x.begin(), p.x.end())) {
        for (std::size_t i = 0; i < n;) {
            std::size_t k = i + 1;
            while (k < n && p.x[k] == p.x[i]) ++k;
            std::reverse(p.y.begin() + static_cast<std::ptrdiff_t>(i), p.y.begin() + static_cast<std::ptrdiff_t>(k));
            i = k;
        }
        return;
    }
    // Quadratic, but kept: the order of equal X decides the order in which
    // their loads are averaged, and cyclic envelopes hold hundreds, not thousands.
    for (std::size_t j = 0; j + 1 < n; ++j)
        for (std::size_t k = j + 1; k < n; ++k)
            if (p.x[j] >= p.x[k]) {
                std::swap(p.x[j], p.x[k]);
                std::swap(p.y[j], p.y[k]);
            }
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
    for (;;) {
        const std::size_t n = p.size();
        if (n < 3) return;
        PointList out;
        out.push(p.x[0], p.y[0]);
        for (std::size_t j = 1; j + 1 < n; ++j) {
            const bool dip = p.x[j] > 0 && p.y[j] < p.y[j - 1] && p.y[j] < p.y[j + 1];
            const bool peak = p.x[j] < 0 && p.y[j] > p.y[j - 1] && p.y[j] > p.y[j + 1];
            if (!dip && !peak) out.push(p.x[j], p.y[j]);
        }
        out.push(p.x[n - 1], p.y[n - 1]);
        const bool removed = out.size() < n;
        p = std::move(out);
        if (!removed) return;
    }
}

void resample(PointList& p) {
    if (p.size() == 0) return;
    const double x0 = p.x.front();
    const double w = (p.x.back() - x0) / 300;
    PointList out;
    for (int b = 0; b <= 300; ++b) {
        const double c = x0 + w * b;
        double sum = 0.0;
        int count = 0;
        for (std::size_t i = 0; i < p.size(); ++i)
            if (c - w / 2 <= p.x[i] && p.x[i] < c + w / 2) sum += p.y[i], ++count;
        if (count > 0) out.push(c, sum / count);
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
