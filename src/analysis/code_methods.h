// The evaluations of other codes on the same record: the envelope built from
// the first cycle of each amplitude level and the final excursion, the
// equivalent energy elastic-plastic curve of ASTM E2126 and the yield point
// and ductility of EN 12512 (the method for curves without two clear linear
// parts). Each side on its own; a side a method cannot rate is refused with
// a message, never a NaN.
#pragma once

#include "analysis/cycle_metrics.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kvx::analysis {

using EnvelopePoint = std::pair<double, double>;  // (X, F)

struct CodeEnvelope {
    std::vector<EnvelopePoint> plus, minus;  // from the origin, signed as measured
    int plusLevelPoints = 0, minusLevelPoints = 0;
};

/// Per side: the origin; the peak point of the first cycle of each level
/// (with that side's sign in both values, |F| ≥ 5 % of the largest |Y|, |X|
/// beyond the last point kept); then the rows after the last cycle whose X
/// goes beyond every amplitude a cycle reached and every row taken before.
CodeEnvelope codeEnvelope(std::span<const double> x, std::span<const double> y, const CycleAnalysis& cycles);

/// An envelope side folded to (|X|, |F|).
std::vector<EnvelopePoint> folded(const std::vector<EnvelopePoint>& side);

struct Eeep {
    double Ppeak = 0, dpeak = 0, d04 = 0, ke = 0, du = 0, A = 0, Pyield = 0, dyield = 0, mu = 0;
    bool duAtLastPoint = false, pyieldFallback = false;
};

struct En12512 {
    double Fmax = 0, v01 = 0, v04 = 0, k1 = 0, vt = 0, Ft = 0, vy = 0, Fy = 0, vu = 0, D = 0;
    bool vuAtLastPoint = false;
};

template <typename T>
struct MethodResult {
    std::optional<T> value;
    std::string error;  // UTF-8, when there is no value
};

/// ASTM E2126 EEEP on a folded side with `levelPoints` level points.
MethodResult<Eeep> eeep(const std::vector<EnvelopePoint>& foldedSide, int levelPoints);
/// EN 12512 on a folded side.
MethodResult<En12512> en12512(const std::vector<EnvelopePoint>& foldedSide, int levelPoints);

struct CodeEvaluation {
    CodeEnvelope envelope;
    MethodResult<Eeep> eeepPlus, eeepMinus;
    MethodResult<En12512> enPlus, enMinus;
};
CodeEvaluation evaluateCodes(std::span<const double> x, std::span<const double> y, const CycleAnalysis& cycles);

/// METHODS.CSV (CP932): one row per side and method.
std::string methodsCsv(const CodeEvaluation& e);

}  // namespace kvx::analysis
