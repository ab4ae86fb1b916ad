// Per-cycle metrics: hand-computed loops, levels, and the real records.
#include "analysis/cycle_metrics.h"

#include "analysis/loop_metrics.h"
#include "data/standard_csv_reader.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

using namespace kvx::analysis;

namespace {

constexpr double kPi = std::numbers::pi;

/// Cycles of y = F sin t with the deformation x = A sin(t + lead) ahead of
/// it, `rows` rows per cycle: the load starts at zero and rises, as a test
/// does, so every loop of the zero-level judgment is one whole cycle.
void appendCycles(std::vector<double>& x, std::vector<double>& y, double amplitude, const std::vector<double>& loads,
                  double lead, int rows = 100) {
    for (double load : loads)
        for (int i = 0; i < rows; ++i) {
            const double t = 2 * kPi * i / rows;
            x.push_back(amplitude * std::sin(t + lead));
            y.push_back(load * std::sin(t));
        }
}

}  // namespace

TEST(CycleMetrics, SquareLoopEnergyIsExact) {
    const std::vector<double> x{0, 2, 2, 0, 0}, y{0, 0, 1, 1, 0};
    EXPECT_EQ(closedLoopEnergy(x, y, 0, 5), 2.0);
    // Traversed the other way, and without the repeated first point: the
    // closing segment makes up for it.
    const std::vector<double> xr{0, 0, 2, 2}, yr{0, 1, 1, 0};
    EXPECT_EQ(closedLoopEnergy(xr, yr, 0, 4), 2.0);
    EXPECT_EQ(closedLoopEnergy(x, y, 2, 3), 0.0);  // one row encloses nothing
}

TEST(CycleMetrics, EllipseEnergyWithinAThousandthWhereTheRectangleRuleIsNot) {
    // The loop area of the pause window (X·dY, not closed) stays for LOOP.CSV;
    // this is why the cycle energy uses the closed trapezoid rule instead.
    const double a = 3, b = 2;
    std::vector<double> x, y;
    for (int i = 0; i < 200; ++i) {
        const double t = 2 * kPi * i / 200;
        x.push_back(a * std::cos(t));
        y.push_back(b * std::sin(t));
    }
    const double exact = kPi * a * b;
    const double trapezoid = closedLoopEnergy(x, y, 0, 200);
    EXPECT_LT(std::fabs(trapezoid - exact) / exact, 0.001);
    const double rectangle = std::fabs(loopArea(x, y, 0, 200));
    EXPECT_GT(std::fabs(rectangle - exact) / exact, 10 * std::fabs(trapezoid - exact) / exact);
}

TEST(CycleMetrics, PeaksEnergyStiffnessAndDamping) {
    std::vector<double> x, y;
    appendCycles(x, y, 10, {50, 50}, 0.3, 400);
    const CycleAnalysis a = analyzeCycles(x, y);
    ASSERT_GE(a.cycles.size(), 1u);
    const Cycle& c = a.cycles[0];
    EXPECT_EQ(c.from, 0);
    EXPECT_NEAR(c.xPlus, 10, 1e-3);
    EXPECT_NEAR(c.xMinus, -10, 1e-3);
    EXPECT_NEAR(c.fPlus, 50, 1e-3);
    EXPECT_NEAR(c.fMinus, -50, 1e-3);
    // An ellipse x = A sin(t + φ), y = F sin t encloses π A F sin φ.
    EXPECT_NEAR(c.Ed, kPi * 10 * 50 * std::sin(0.3), 0.01 * kPi * 10 * 50 * std::sin(0.3));
    EXPECT_NEAR(*c.Ks, (c.fPlus - c.fMinus) / (c.dPlus - c.dMinus), 1e-12);
    EXPECT_NEAR(*c.nuEq, c.Ed / (kPi * (c.fPlus * c.dPlus + c.fMinus * c.dMinus)), 1e-12);
    EXPECT_GT(*c.nuEq, 0.02);
    EXPECT_EQ(c.EdCumulative, c.Ed);
}

TEST(CycleMetrics, ThreeCyclesPerLevelGiveTheStrengthImpairment) {
    std::vector<double> x, y;
    appendCycles(x, y, 2, {20, 18, 17}, 0.2);
    appendCycles(x, y, 4, {40, 36, 34}, 0.2);
    appendCycles(x, y, 8, {60, 50}, 0.2);  // only two cycles: no impairment
    for (int i = 0; i < 50; ++i) x.push_back(0), y.push_back(1);  // a last, unfinished half
    const CycleAnalysis a = analyzeCycles(x, y);
    ASSERT_EQ(a.levels.size(), 3u);
    EXPECT_EQ(a.levels[0].cycles, 3);
    EXPECT_EQ(a.levels[1].cycles, 3);
    EXPECT_EQ(a.levels[2].cycles, 2);
    // The load peaks are sampled exactly (t = π/2 and 3π/2 are rows 25 and 75).
    EXPECT_NEAR(*a.levels[1].F1plus, 40, 1e-9);
    EXPECT_NEAR(*a.levels[1].F3plus, 34, 1e-9);
    EXPECT_NEAR(*a.levels[1].dFplus, (40.0 - 34.0) / 40.0, 1e-12);
    EXPECT_NEAR(*a.levels[1].F1minus, -40, 1e-9);
    EXPECT_NEAR(*a.levels[1].dFminus, (40.0 - 34.0) / 40.0, 1e-12);
    EXPECT_LT(*a.levels[1].F1minus, 0);
    EXPECT_FALSE(a.levels[2].dFplus);
    EXPECT_NEAR(a.levels[2].xPlus, 8, 0.02);
    for (std::size_t i = 1; i < a.cycles.size(); ++i) {
        EXPECT_GE(a.cycles[i].EdCumulative, a.cycles[i - 1].EdCumulative);
        EXPECT_EQ(a.cycles[i].from, a.cycles[i - 1].to);
    }
    EXPECT_EQ(a.tailStart, a.cycles.back().to);
}

TEST(CycleMetrics, OneSidedRecordsCompareOnlyTheSideTheyReach) {
    // Pushes to the positive side only: the negative amplitudes are noise.
    std::vector<double> x, y;
    for (double amplitude : {2.0, 2.0, 2.1, 5.0, 5.0, 5.0}) {
        for (int i = 0; i < 100; ++i) {
            const double t = kPi * i / 100;
            x.push_back(amplitude * std::sin(t) - (i % 7 == 0 ? 0.001 * amplitude : 0.0));
            y.push_back(10 * amplitude * std::sin(t));
        }
        for (int i = 0; i < 20; ++i) x.push_back(-0.0005 * i), y.push_back(-0.5);
    }
    const CycleAnalysis a = analyzeCycles(x, y);
    ASSERT_EQ(a.levels.size(), 2u);
    EXPECT_EQ(a.levels[0].cycles, 3);
    EXPECT_EQ(a.levels[1].cycles, 2);
}

TEST(CycleMetrics, RealRecordsArePhysicallySensible) {
    const std::string real = std::string(SHARED_DATA_DIR) + "/real/";
    if (!std::filesystem::exists(real + "clt_rocking_wall_TS1.kvx.csv"))
        GTEST_SKIP() << "the lab records are not checked out beside the project";
    struct Record {
        const char* file;
        int deformationChannel;  // from 0, in mm
    };
    for (const Record& r : {Record{"clt_connection_SPC1_half.kvx.csv", 1}, Record{"clt_rocking_wall_TS1.kvx.csv", 1},
                            Record{"stone_masonry_wall.kvx.csv", 2}}) {
        SCOPED_TRACE(r.file);
        kvx::ui::ScriptedInteraction ia;
        kvx::data::MeasurementData d;
        ASSERT_GT(kvx::data::readStandardCsv(real + r.file, kvx::data::ForceUnit::kN, ia, d).rows, 0);
        std::vector<double> x, y;
        for (int row = 0; row < d.RowCount; ++row) x.push_back(d.value(row, r.deformationChannel)), y.push_back(d.value(row, 0));
        const CycleAnalysis a = analyzeCycles(x, y);
        int rated = 0;
        for (const Cycle& c : a.cycles) {
            // Cycles of the test itself: both peak loads beyond the idle
            // noise before it, and through both quadrants (a loop left of the
            // origin by an offset has no strain energy to compare with).
            if (c.fPlus < 0.05 * a.largestY || -c.fMinus < 0.05 * a.largestY) continue;
            if (c.dPlus <= 0 || c.dMinus >= 0) continue;
            ++rated;
            EXPECT_GT(c.Ed, 0) << c.from;
            ASSERT_TRUE(c.nuEq) << c.from;
            EXPECT_GT(*c.nuEq, 0.02) << c.from;
            EXPECT_LT(*c.nuEq, 0.5) << c.from;
        }
        EXPECT_GT(rated, 5);
        for (std::size_t i = 1; i < a.cycles.size(); ++i) EXPECT_GE(a.cycles[i].EdCumulative, a.cycles[i - 1].EdCumulative);
    }
}
