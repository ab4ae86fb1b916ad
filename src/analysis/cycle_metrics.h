// Per-cycle metrics of a cyclic record: the loops of the zero-level
// judgment over the whole record, each with its amplitudes, peak loads,
// dissipated energy (trapezoid rule, closed), secant stiffness and equivalent
// viscous damping ratio; cycles of about the same amplitude grouped into
// levels with the strength impairment between the first and the third cycle.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvx::analysis {

struct Cycle {
    int from = 0, to = 0;           // rows from 0, `to` exclusive (rows from 1: from + 1 ... to)
    double xPlus = 0, xMinus = 0;   // largest and smallest X, signed
    double fPlus = 0, dPlus = 0;    // largest load (first of equal ones) and its X
    double fMinus = 0, dMinus = 0;  // smallest load and its X
    double Ed = 0, EdCumulative = 0;
    std::optional<double> Ks;    // (F⁺ − F⁻)/(d⁺ − d⁻); none when d⁺ = d⁻
    std::optional<double> nuEq;  // Ed/(π(F⁺d⁺ + F⁻d⁻)); none when that is not positive
    int level = 0;               // from 1
};

struct Level {
    double xPlus = 0, xMinus = 0;  // of its first cycle
    int firstCycle = 0;            // index into the cycles
    int cycles = 0;
    std::optional<double> F1plus, F3plus, dFplus, F1minus, F3minus, dFminus;
};

struct CycleAnalysis {
    std::vector<Cycle> cycles;
    std::vector<Level> levels;
    int tailStart = 0;   // first row after the last cycle (0 without cycles)
    double largestX = 0; // largest |X| of the record
    double largestY = 0; // largest |Y| of the record
};

/// |Σ (X[i] − X[i−1])(Y[i] + Y[i−1])/2| over rows from … to−1, closed from the
/// last row back to the first.
double closedLoopEnergy(std::span<const double> x, std::span<const double> y, int from, int to);

/// The cycles of the record (loops of the zero-level judgment of `y`) and
/// their levels; a side of a level whose first amplitude is below 1 % of the
/// largest |X| is not compared.
CycleAnalysis analyzeCycles(std::span<const double> x, std::span<const double> y, double amplitudeTolerance = 0.1);

/// CYCLES.CSV (CP932): a header, one line per cycle with "%f" values.
std::string cyclesCsv(const CycleAnalysis& a);

}  // namespace kvx::analysis
