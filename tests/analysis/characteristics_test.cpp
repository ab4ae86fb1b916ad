// Characteristic values, their label texts and the ELASTO.CSV row.
#include "analysis/characteristics.h"

#include <gtest/gtest.h>

using namespace kvx::analysis;

namespace {
const PlotUnits kRad{"kN", "rad"};
const PlotUnits kMm{"kN", "mm"};
}  // namespace

TEST(RecordValues, PeaksBothSidesAndTheirTexts) {
    const std::vector<double> x{0, 0.01, 0.03, -0.02, -0.01}, y{0, 8, 12, -9, -4};
    CharacteristicLabels labels;
    const RecordValues r = recordValues(x, y, kRad, labels);
    EXPECT_EQ(r.Pmax, 12);
    EXPECT_EQ(r.PmaxX, 0.03);
    EXPECT_EQ(r.Pmin, 9);  // shown as a magnitude
    EXPECT_EQ(r.PminX, 0.02);
    EXPECT_EQ(r.Pave, 10.5);
    EXPECT_EQ(r.MaxD, 0.03);
    EXPECT_EQ(r.MinD, 0.02);
    EXPECT_EQ(labels.text("Pmax"), "     12.00kN (   0.030rad)");
    EXPECT_EQ(labels.text("Pmin"), "      9.00kN (   0.020rad)");
    EXPECT_EQ(labels.text("MaxD"), "     0.030rad");
    EXPECT_EQ(labels.text("Pave"), "     10.50kN");
    EXPECT_EQ(labels.text("PP23"), "      8.00");
    EXPECT_EQ(labels.text("AVP23"), "      7.00");
}

TEST(RecordValues, WithoutNegativeLoadsPminFallsBackToTheLastRow) {
    // No mirrored load above -1e-10: index 0 of the mirrored curve, the negated last row.
    const std::vector<double> x{0.5, 1, 2}, y{1, 5, 3};
    CharacteristicLabels labels;
    const RecordValues r = recordValues(x, y, kMm, labels);
    EXPECT_EQ(r.Pmin, -3);
    EXPECT_EQ(r.PminX, -2);
}

TEST(MeasuredValues, LoadsAt120AndHalfPeakWithRadMinimum) {
    // Skeleton: linear to (0.02, 10), then flat at 10 to 0.04; mirrored side half as strong.
    const std::vector<double> x{-0.04, -0.02, 0, 0.02, 0.04}, y{-5, -5, 0, 10, 10};
    CharacteristicLabels labels;
    recordValues(x, y, kRad, labels);  // 2/3 values for the minimum column
    MeasuredValues m;
    ASSERT_FALSE(measuredValues(x, y, kRad, labels, m).has_value());
    EXPECT_NEAR(*m.at120.plus, 10.0 * (1.0 / 120) / 0.02, 1e-12);
    EXPECT_NEAR(*m.at120.minus, 5.0 * (1.0 / 120) / 0.02, 1e-12);
    EXPECT_EQ(*m.halfPeak.plus, 5.0);   // peak at 0.02 (the first of the equal maxima)
    EXPECT_EQ(*m.halfPeak.minus, 2.5);  // mirrored peak at 0.02 too
    EXPECT_EQ(labels.text("PP120"), "      4.17");
    // Minimum of the displayed numbers: P(1/120) 4.17, 2/3 Pmax 6.67, P(1/2γ) 5.00.
    EXPECT_EQ(labels.text("minPP"), "      4.17");
    EXPECT_EQ(labels.text("minMP"), "      2.08");
}

TEST(MeasuredValues, MillimetreRecordsClearTheMinimumAndTheApproximationGroup) {
    const std::vector<double> x{-4, 0, 2, 4}, y{-5, 0, 10, 10};
    CharacteristicLabels labels;
    labels.set("minPP", "old");
    labels.set("APP120", "old");
    MeasuredValues m;
    ASSERT_FALSE(measuredValues(x, y, kMm, labels, m).has_value());
    EXPECT_EQ(labels.text("minPP"), "");
    // P(1/120) is still computed at 1/120 of a millimetre.
    EXPECT_NEAR(*m.at120.plus, 10.0 / 2 / 120, 1e-12);
    MeasuredValues a;
    ASSERT_FALSE(approximationValues(x, y, kMm, labels, a).has_value());
    EXPECT_EQ(labels.text("APP120"), "");
    EXPECT_FALSE(a.at120.plus.has_value());
}

TEST(MeasuredValues, BeyondTheCurveIsEmptyNotGarbage) {
    // Skeleton ends before 1/120 rad on the positive side.
    const std::vector<double> x{-0.02, 0, 0.005}, y{-4, 0, 3};
    CharacteristicLabels labels;
    MeasuredValues m;
    ASSERT_FALSE(measuredValues(x, y, kRad, labels, m).has_value());
    EXPECT_FALSE(m.at120.plus.has_value());
    EXPECT_EQ(labels.text("PP120"), "");
    EXPECT_EQ(labels.text("AVP120"), "");
    EXPECT_TRUE(m.at120.minus.has_value());
}

TEST(ModelLabels, FormatsFollowTheDeformationUnit) {
    ElastoPlastic m;
    m.K = 1272.26;
    m.Pu = 16.263;
    m.dv = 0.0127828;
    m.du = 0.0577979f;
    CharacteristicLabels labels;
    setModelLabels(m, false, kRad, labels);
    EXPECT_EQ(labels.text("PK"), "       1272kN/rad");
    EXPECT_EQ(labels.text("YP"), "      16.26kN");
    EXPECT_EQ(labels.text("Dv"), "     0.0128rad");
    EXPECT_EQ(labels.text("Du"), "     0.0578rad");
    setModelLabels(m, true, kMm, labels);
    EXPECT_EQ(labels.text("MPK"), "    1272.26kN/mm");
    EXPECT_EQ(labels.text("MDv"), "       0.01mm");
    EXPECT_EQ(labels.text("PK"), "       1272kN/rad");  // the positive side keeps its text
}

TEST(ElastoRow, ReadsTheDisplayedNumbersBack) {
    CharacteristicLabels labels;
    labels.set("Pmax", "     17.74kN (   0.033rad)");
    labels.set("PK", "       1272kN/rad");
    labels.set("Du", "     0.0578rad");
    labels.set("MPK", "no number");
    const std::string row = elastoRow("C:/data/wall.csv", 2, 1, labels);
    std::string expected = "C:/data/wall.csv,2,1,17.740000";
    for (int i = 0; i < 28; ++i) expected += ",0.000000";
    expected += ",1272.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.057800,0.000000\n";
    EXPECT_EQ(row, expected);
}

TEST(ElastoRow, AUnitThatLooksLikeANumberNeverRunsIntoTheValue) {
    // "%10.2f" then the unit: "917.00" and "1e999kN" would read back as
    // 917.001e999, an infinity in ELASTO.CSV; "e3kN" would read as 917000.
    const std::vector<double> x{0, 1, 2, -1, -2}, y{0, 900, 917, -800, -850};
    for (const char* unit : {"1e999kN", "e3kN", "kN"}) {
        CharacteristicLabels labels;
        const RecordValues r = recordValues(x, y, {unit, "rad"}, labels);
        EXPECT_EQ(labels.text("Pmax"), std::string("    917.00") + unit + " (   2.000rad)");
        EXPECT_EQ(labels.number("Pmax"), 917.0) << unit;
        EXPECT_EQ(labels.number("Pave"), (r.Pmax + r.Pmin) / 2) << unit;
        ElastoPlastic m;
        m.K = 1272.26, m.Pu = 16.263, m.dv = 0.0127828, m.du = 0.0577979f;
        setModelLabels(m, false, {unit, "5rad"}, labels);
        EXPECT_EQ(labels.number("YP"), 16.26) << unit;
        EXPECT_EQ(labels.number("Dv"), 0.01) << unit;  // mm formats: the deformation unit is not "rad"
        // A text set whole is read whole, as before.
        labels.set("Du", "     0.0578rad");
        EXPECT_EQ(labels.number("Du"), 0.0578);
    }
}
