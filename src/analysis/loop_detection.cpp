// Loop boundaries. Both judgments see the record through the same five-row
// window, which keeps a single noisy row from starting a loop.
#include "analysis/loop_detection.h"

namespace kvx::analysis {
namespace {

// Window centres run from 2 while j < N - 3 (the last value read is v[N-2]).
std::size_t centreEnd(std::span<const double> v) { return v.size() > 3 ? v.size() - 3 : 0; }

}  // namespace

double windowSum(std::span<const double> v, std::size_t j) { return v[j - 2] + v[j - 1] + v[j] + v[j + 1] + v[j + 2]; }

std::vector<int> zeroLevelBoundaries(std::span<const double> v) {
    std::vector<int> b;
    bool waitingForNonPositive = true;
    for (std::size_t j = 2; j < centreEnd(v); ++j) {
        const double s = windowSum(v, j);
        if (waitingForNonPositive) {
            if (s <= 0) waitingForNonPositive = false;
        } else if (s >= 0) {
            b.push_back(static_cast<int>(j));
            waitingForNonPositive = true;
            if (b.size() == kMaxLoopBoundaries) break;
        }
    }
    return b;
}

std::vector<int> extremaBoundaries(std::span<const double> v) {
    std::vector<int> b;
    const std::size_t end = centreEnd(v);
    std::size_t j = 2;
    while (j < end && windowSum(v, j) < 0) ++j;
    if (j >= end) return b;
    double previous = windowSum(v, j);
    bool rising = true;
    for (; j < end; ++j) {
        const double s = windowSum(v, j);
        if (rising) {
            if (previous > s) {
                b.push_back(static_cast<int>(j));
                rising = false;
                if (b.size() == kMaxLoopBoundaries) break;
            }
        } else if (previous < s) {
            rising = true;
        }
        previous = s;
    }
    return b;
}

std::vector<int> loopBoundaries(std::span<const double> v, LoopMethod method) {
    return method == LoopMethod::ZeroLevel ? zeroLevelBoundaries(v) : extremaBoundaries(v);
}

}  // namespace kvx::analysis
