// Dividing a cyclic record into hysteresis loops: the row at which each new
// loop begins, by upward zero crossings or by peaks of a five-row window sum.
#pragma once

#include <span>
#include <vector>

namespace kvx::analysis {

/// At most this many boundaries are found; the rest of the record is one tail.
inline constexpr std::size_t kMaxLoopBoundaries = 300;

enum class LoopMethod { ZeroLevel, Extrema };

/// S(j) = v[j-2] + ... + v[j+2] for centres j = 2 ... N-4.
double windowSum(std::span<const double> v, std::size_t centre);

/// Rows (from 0) where a loop begins: the first centre back at or above zero
/// after having been at or below zero.
std::vector<int> zeroLevelBoundaries(std::span<const double> v);

/// Rows (from 0) one centre after each maximum of the window sum, starting at
/// the first centre with a non-negative sum. None when no sum is non-negative.
std::vector<int> extremaBoundaries(std::span<const double> v);

std::vector<int> loopBoundaries(std::span<const double> v, LoopMethod method);

}  // namespace kvx::analysis
