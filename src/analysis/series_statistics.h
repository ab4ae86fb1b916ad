// A set of identically built wall specimens, as the wall result file
// collects them, turned into the short-term allowable shear capacity: per
// index (Py, Pu·0.2/Ds, 2/3 Pmax, the load at the reference angle) the mean,
// the sample standard deviation, the coefficient of variation and the lower
// value mean·(1 − CV·k) with k = t(0.75; n − 1)/√n; the smallest lower value
// P0, Pa = α·P0 and the wall multiplier.
#pragma once

#include "data/measurement_data.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvx::analysis {

/// One row of a wall result file (14 fields), as written by the wall window.
struct SpecimenRow {
    std::string fileName;   // CP932, as written
    bool minus = false;     // "Minus" in the side field
    std::string timeStamp;  // without the leading apostrophe
    double Pmax = 0, gm = 0, PRefer = 0, P23 = 0, Py = 0, Pu = 0, gv = 0, PuDs = 0;
    std::optional<double> Qa, multiplier, multiplierFormer;
    int lineNumber = 0;  // in the file, from 1

    /// Initial stiffness of the bilinear model, Pu/γv (nothing when γv is 0).
    std::optional<double> K() const;
    /// Ductility from the row: Ds = 0.2·Pu/(Pu·0.2/Ds), μ = (1/Ds² + 1)/2.
    std::optional<double> mu() const;
};

/// Rows of a wall result file: the two header lines, then one row per
/// specimen. Rows whose numbers cannot be read are listed with the reason.
struct WallFileRows {
    std::vector<SpecimenRow> rows;
    std::string referenceHeader;  // the sixth header field, e.g. "1/120耐力" (UTF-8)
    std::vector<std::string> refused;  // "第 n 行: ..." (UTF-8)
};
WallFileRows readWallRows(std::string_view bytes);
/// One row as written; nothing (and why, UTF-8) when a value the summary needs is not a number.
std::optional<SpecimenRow> parseWallRow(std::string_view line, std::string* why = nullptr);

enum class SeriesIndex { Py = 0, PuDs = 1, P23 = 2, PRefer = 3 };
inline constexpr std::array<const char*, 4> kSeriesIndexKeys{"Py", "PuDs", "P23", "PRefer"};
/// Japanese names of the indices for tables and reports.
inline constexpr std::array<const char*, 4> kSeriesIndexNames{"降伏耐力 Py", "Pu×0.2/Ds", "2/3 Pmax", "特定変形角時耐力"};

/// k = t(0.75; n − 1)/√n (n = 3: 0.471). Requires n ≥ 2.
double variabilityConstant(int n);

struct IndexStatistics {
    std::vector<double> values;
    double mean = 0, sd = 0, cv = 0, k = 0, factor = 0, lower = 0;
    bool factorNotPositive = false;  // 1 − CV·k ≤ 0 (or a mean ≤ 0): the lower value is 0
};

struct SideSummary {
    int n = 0;
    std::array<IndexStatistics, 4> indices;
    int governing = 0;  // SeriesIndex of P0
    double P0 = 0, alpha = 1, Pa = 0, L = 0, multiplier = 0;
    std::optional<double> Kmean, Kcv, muMean, muCv;
    std::vector<std::string> notes;  // UTF-8: every index whose factor is not positive
};

/// The summary of one side's rows. Nothing with a message (UTF-8) when the
/// set has fewer than two rows or L or α is not positive.
std::optional<SideSummary> summarizeSide(const std::vector<SpecimenRow>& rows, double wallLength, double alpha,
                                         data::ForceUnit unit, std::string* failure = nullptr);

struct SeriesSummary {
    std::optional<SideSummary> plus, minus;
    std::string plusFailure, minusFailure;  // why a side has no summary
};
SeriesSummary summarizeRows(const std::vector<SpecimenRow>& rows, double wallLength, double alpha, data::ForceUnit unit);

/// The summary as CSV (CP932): one block per side, headers in Japanese.
std::string summaryCsv(const SeriesSummary& s, const std::vector<SpecimenRow>& rows, data::ForceUnit unit);

}  // namespace kvx::analysis
