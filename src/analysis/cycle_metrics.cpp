// Per-cycle metrics.
#include "analysis/cycle_metrics.h"

#include "analysis/loop_detection.h"
#include "text/cp932.h"
#include "text/printf.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kvx::analysis {
namespace {

constexpr double kUncomparedSide = 0.01;  // of the largest |X|: a one-sided record's other side

Cycle measure(std::span<const double> x, std::span<const double> y, int from, int to) {
    Cycle c;
    c.from = from;
    c.to = to;
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    c.xPlus = c.xMinus = x[at(from)];
    int iPlus = from, iMinus = from;
    for (int i = from; i < to; ++i) {
        c.xPlus = std::max(c.xPlus, x[at(i)]);
        c.xMinus = std::min(c.xMinus, x[at(i)]);
        if (y[at(i)] > y[at(iPlus)]) iPlus = i;
        if (y[at(i)] < y[at(iMinus)]) iMinus = i;
    }
    c.fPlus = y[at(iPlus)], c.dPlus = x[at(iPlus)];
    c.fMinus = y[at(iMinus)], c.dMinus = x[at(iMinus)];
    c.Ed = closedLoopEnergy(x, y, from, to);
    if (c.dPlus != c.dMinus) c.Ks = (c.fPlus - c.fMinus) / (c.dPlus - c.dMinus);
    const double strain = c.fPlus * c.dPlus + c.fMinus * c.dMinus;
    if (strain > 0) c.nuEq = c.Ed / (std::numbers::pi * strain);
    return c;
}

bool within(double value, double reference, double tolerance) {
    return std::fabs(value - reference) <= tolerance * std::fabs(reference);
}

}  // namespace

double closedLoopEnergy(std::span<const double> x, std::span<const double> y, int from, int to) {
    if (to - from < 2) return 0.0;
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    double sum = 0;
    for (int i = from + 1; i < to; ++i) sum += (x[at(i)] - x[at(i - 1)]) * (y[at(i)] + y[at(i - 1)]) / 2;
    sum += (x[at(from)] - x[at(to - 1)]) * (y[at(from)] + y[at(to - 1)]) / 2;
    return std::fabs(sum);
}

CycleAnalysis analyzeCycles(std::span<const double> x, std::span<const double> y, double tolerance) {
    CycleAnalysis a;
    const std::size_t rows = std::min(x.size(), y.size());
    x = x.first(rows), y = y.first(rows);
    for (std::size_t i = 0; i < rows; ++i)
        a.largestX = std::max(a.largestX, std::fabs(x[i])), a.largestY = std::max(a.largestY, std::fabs(y[i]));

    const std::vector<int> boundaries = loopBoundaries(y, LoopMethod::ZeroLevel);
    int start = 0;
    double cumulative = 0;
    for (int b : boundaries) {
        const int end = std::min(b, static_cast<int>(rows));
        if (end - start >= 2) {
            Cycle c = measure(x, y, start, end);
            cumulative += c.Ed;
            c.EdCumulative = cumulative;
            a.cycles.push_back(c);
        }
        start = end;
    }
    a.tailStart = a.cycles.empty() ? 0 : a.cycles.back().to;

    // Levels: consecutive cycles within the tolerance of the level's first
    // cycle on every side that cycle reaches.
    const double small = kUncomparedSide * a.largestX;
    for (std::size_t i = 0; i < a.cycles.size(); ++i) {
        Cycle& c = a.cycles[i];
        bool joins = !a.levels.empty();
        if (joins) {
            const Cycle& first = a.cycles[static_cast<std::size_t>(a.levels.back().firstCycle)];
            const bool plus = first.xPlus >= small, minus = -first.xMinus >= small;
            if (plus && !within(c.xPlus, first.xPlus, tolerance)) joins = false;
            if (minus && !within(-c.xMinus, -first.xMinus, tolerance)) joins = false;
            // Noise cycles around zero stay together, but a real cycle starts a level.
            if (!plus && !minus && (c.xPlus >= small || -c.xMinus >= small)) joins = false;
        }
        if (!joins) {
            Level l;
            l.xPlus = c.xPlus, l.xMinus = c.xMinus;
            l.firstCycle = static_cast<int>(i);
            a.levels.push_back(l);
        }
        Level& l = a.levels.back();
        ++l.cycles;
        c.level = static_cast<int>(a.levels.size());
    }
    for (Level& l : a.levels) {
        const Cycle& first = a.cycles[static_cast<std::size_t>(l.firstCycle)];
        l.F1plus = first.fPlus, l.F1minus = first.fMinus;
        if (l.cycles >= 3) {
            const Cycle& third = a.cycles[static_cast<std::size_t>(l.firstCycle + 2)];
            l.F3plus = third.fPlus, l.F3minus = third.fMinus;
            if (first.fPlus != 0) l.dFplus = (first.fPlus - third.fPlus) / first.fPlus;
            if (first.fMinus != 0) l.dFminus = (first.fMinus - third.fMinus) / first.fMinus;
        }
    }
    return a;
}

std::string cyclesCsv(const CycleAnalysis& a) {
    std::string out =
        "サイクル,開始行,終了行,レベル,正最大変形,負最大変形,正最大荷重,正最大荷重時変形,負最大荷重,負最大荷重時変形,"
        "吸収エネルギー,累積吸収エネルギー,割線剛性,等価粘性減衰定数\n";
    const auto optional = [](const std::optional<double>& v) { return v ? text::format("%f", *v) : std::string(); };
    for (std::size_t i = 0; i < a.cycles.size(); ++i) {
        const Cycle& c = a.cycles[i];
        out += text::format("%zu,%d,%d,%d,%f,%f,%f,%f,%f,%f,%f,%f,", i + 1, c.from + 1, c.to, c.level, c.xPlus, c.xMinus,
                            c.fPlus, c.dPlus, c.fMinus, c.dMinus, c.Ed, c.EdCumulative);
        out += optional(c.Ks) + "," + optional(c.nuEq) + "\n";
    }
    return text::utf8ToCp932Lossy(out);
}

}  // namespace kvx::analysis
