// Wall multiplier evaluation: copy, re-evaluation, Qa, multipliers, result file.
#include "analysis/wall_evaluation.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx::analysis;
using kvx::data::ForceUnit;

namespace {

// Positive-side skeleton points at every 1/600 rad, with a negative branch before them.
SkeletonCurve skeleton(double lastAngle) {
    SkeletonCurve c;
    const auto push = [&](double x, double y) {
        c.X[static_cast<std::size_t>(c.count)] = x, c.Y[static_cast<std::size_t>(c.count)] = y;
        ++c.count;
    };
    push(-0.02, -10);
    for (double g = 0; g <= lastAngle + 1e-12; g += 1.0 / 600) push(g, 20 * (1 - std::exp(-g / 0.01)));
    return c;
}

WallHandOff model() { return {true, 9.0, 0.005, 16.0, 0.008, 0.05}; }

const WallSource kSource{"wall.csv", 2, 1, 1};

}  // namespace

TEST(WallEvaluation, CopyReadsThePositiveSideAndTheModel) {
    WallEvaluation w;
    ASSERT_FALSE(w.copy(skeleton(0.07), model(), "rad", ForceUnit::kN, kSource).has_value());
    const auto& n = w.numbers();
    EXPECT_EQ(n.Pend, static_cast<float>(20 * (1 - std::exp(-0.07 / 0.01))));
    EXPECT_EQ(w.text("Label22"), "原点から 43 点目");
    EXPECT_EQ(n.Pmax, n.Pend);  // rising curve: the last point is the largest
    // 1/120 = 5/600 lies exactly on a point: its own load.
    EXPECT_EQ(n.P120, static_cast<float>(20 * (1 - std::exp(-(5.0 / 600) / 0.01))));
    EXPECT_EQ(w.text("Edit16"), w.text("Edit26"));  // the reference row shows P120 by default
    EXPECT_EQ(w.text("Edit5"), "9");
    EXPECT_EQ(w.text("Edit30"), "1999.9999");  // K = Pu / γv in single precision
    EXPECT_EQ(w.text("Label75"), "wall.csv   2ch  Plus  x: +1   y: +1");
    EXPECT_EQ(w.text("Label51"), "評価終了");
    EXPECT_FALSE(w.canReevaluate());
    EXPECT_EQ(w.text("RowCurrent"), "1/120変形角時耐力　P120");
    EXPECT_EQ(w.text("RowFormer"), "1/120変形角時耐力　 P120");
}

TEST(WallEvaluation, RefusesNonRadRecordsAndTellsOfAMissingModel) {
    WallEvaluation w;
    const auto failure = w.copy(skeleton(0.07), model(), "mm", ForceUnit::kN, kSource);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->caption, "X軸データエラー");
    EXPECT_TRUE(w.text("Edit1").empty());  // nothing changed
    const auto none = w.copy(skeleton(0.07), WallHandOff{}, "rad", ForceUnit::kN, kSource);
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(w.text("Edit5").empty());
    EXPECT_TRUE(w.text("Edit18").empty());  // no current-rule Qa, and no NaN
    EXPECT_EQ(w.text("Edit14").find("nan"), std::string::npos);
}

TEST(WallEvaluation, NeverReachedReferenceAngleGivesZeroQa) {
    // The skeleton ends before 1/15 rad: P15 = 0, and with 1/15 as reference Qa = 0 by both rules.
    WallEvaluation w;
    w.copy(skeleton(0.05), model(), "rad", ForceUnit::kN, kSource);
    EXPECT_EQ(w.numbers().P15, 0.0f);
    w.setReference(0);
    EXPECT_TRUE(w.canReevaluate());
    EXPECT_EQ(w.text("Label51"), "再評価をしてください");
    EXPECT_EQ(w.text("RowCurrent"), "1/15変形角時耐力　 P15");
    ASSERT_FALSE(w.reevaluate().has_value());
    EXPECT_EQ(*w.numbers().QaCurrent, 0.0f);
    EXPECT_EQ(*w.numbers().QaFormer, 0.0f);
    EXPECT_EQ(w.numbers().starCurrent, 1);
    EXPECT_EQ(w.text("StarCurrent1"), "★");
    EXPECT_EQ(w.text("StarCurrent0"), "");
}

TEST(WallEvaluation, MultiplierOneAt200kgOr196kNPerMetre) {
    struct Case {
        ForceUnit unit;
        const char* qa;
        const char* current;
        const char* former;
    };
    // Qa from the smallest term (Py); L = 2 m. Former: 0.75 Qa / (130 L), in kN with 130 x 0.0098.
    const Case cases[] = {{ForceUnit::kg, "400", "    1.00", "    1.15"}, {ForceUnit::kN, "3.92", "    1.00", "    1.15"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.qa);
        WallEvaluation w;
        w.copy(skeleton(0.07), model(), "rad", c.unit, kSource);
        for (const char* name : {"Edit7", "Edit11", "Edit8"}) w.edit(name, "100000");
        w.edit("Edit1", "1000000");
        w.edit("Edit5", c.qa);
        w.edit("Edit10", "2");
        EXPECT_EQ(w.text("Label51"), "再評価をしてください");
        ASSERT_FALSE(w.reevaluate().has_value());
        EXPECT_EQ(w.text("Edit18"), c.qa);
        EXPECT_EQ(w.text("Edit21"), c.current);
        EXPECT_EQ(w.numbers().starCurrent, 0);
    }
}

TEST(WallEvaluation, LengthOnlyChangesTheMultipliers) {
    WallEvaluation w;
    w.copy(skeleton(0.07), model(), "rad", ForceUnit::kN, kSource);
    const std::string qa = w.text("Edit18"), qaFormer = w.text("Edit19"), m = w.text("Edit21");
    w.edit("Edit10", "0.91");
    ASSERT_FALSE(w.reevaluate().has_value());
    EXPECT_EQ(w.text("Edit18"), qa);
    EXPECT_EQ(w.text("Edit19"), qaFormer);
    EXPECT_NE(w.text("Edit21"), m);
    EXPECT_NEAR(w.numbers().multiplierCurrent.value(), std::stof(m) * 2, 0.01);
}

TEST(WallEvaluation, BadInputIsToldNotComputed) {
    WallEvaluation w;
    w.copy(skeleton(0.07), model(), "rad", ForceUnit::kN, kSource);
    w.edit("Edit10", "abc");
    const auto failure = w.reevaluate();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->caption, "入力エラー");
    w.edit("Edit10", "0");
    ASSERT_TRUE(w.reevaluate().has_value());
    EXPECT_TRUE(w.text("Edit21").empty());
    w.edit("Edit10", "1.82");
    w.edit("Edit9", "0.002");  // μ = 0.25: Ds does not exist
    const auto mu = w.reevaluate();
    ASSERT_TRUE(mu.has_value());
    EXPECT_EQ(mu->caption, "再評価エラー");
    EXPECT_TRUE(w.text("Edit14").empty());
    EXPECT_TRUE(w.text("Edit18").empty());
    EXPECT_FALSE(w.text("Edit19").empty());  // the former rule needs no Ds
}

TEST(WallEvaluation, ResultFileByteForByte) {
    kvx::test::TempDir dir;
    WallEvaluation w;
    w.copy(skeleton(0.07), model(), "rad", ForceUnit::kN, kSource);
    ASSERT_TRUE(w.openResultFile(dir.file("result.txt")));
    EXPECT_TRUE(w.canWrite());
    ASSERT_TRUE(w.writeRow());
    EXPECT_FALSE(w.canWrite());  // one row per re-evaluation
    EXPECT_FALSE(w.writeRow());
    ASSERT_FALSE(w.reevaluate().has_value());
    ASSERT_TRUE(w.writeRow());
    w.closeResultFile();
    const std::string header =
        "\x83t\x83@\x83""C\x83\x8b\x96\xbc,\x97\xcc\x88\xe6,\x89\xf0\x90\xcd\x8e\x9e,\x8d\xc5\x91\xe5\x91\xcf\x97\xcd,"
        "\x8d\xc5\x91\xe5\x91\xcf\x97\xcd\x8e\x9e\x95\xcf\x8c`\x8ap,1/120\x91\xcf\x97\xcd,2/3\x8d\xc5\x91\xe5\x91\xcf"
        "\x97\xcd,\x8d~\x95\x9a\x91\xcf\x97\xcd,\x8fI\x8b\xc7\x91\xcf\x97\xcd,\x92""e\x91Y\x90\xab\x95\xcf\x8c`\x8ap,"
        "\x8d\\\x91\xa2\x93\xc1\x90\xab\x91\xcf\x97\xcd,\x8d\xc5\x8f\xac\x92l,\x95\xc7\x94{\x97\xa6,\x8b\x8c\x95\xc7"
        "\x94{\x97\xa6\n"
        "filename,+/-,\x93\xfa\x95t,Pmax,\x83\xc1m,PRefer,2/3\x81~Pmax,Py,Pu,\x83\xc1v,Pu\x81~0.2/Ds,Qa,Kabe\n";
    const std::string text = kvx::test::readBytes(dir.file("result.txt"));
    ASSERT_EQ(text.substr(0, header.size()), header);
    const std::string row = "wall.csv,Plus,'" + w.text("Label76") + "," + w.text("Edit1") + "," + w.text("Edit2") +
                            "," + w.text("Edit7") + "," + w.text("Edit12") + "," + w.text("Edit5") + "," +
                            w.text("Edit8") + "," + w.text("Edit29") + "," + w.text("Edit15") + "," +
                            w.text("Edit18") + "," + w.text("Edit21") + "," + w.text("Edit20") + "\n";
    EXPECT_EQ(text.substr(header.size() + row.size()), row);
    // 13 names in the second header line, 14 fields in every row.
    EXPECT_EQ(std::count(row.begin(), row.end(), ','), 13);
    EXPECT_FALSE(w.openResultFile("/nonexistent/dir/result.txt"));
    EXPECT_FALSE(w.fileOpen());
}

TEST(GeneralText, ShortestSinglePrecisionText) {
    EXPECT_EQ(generalText(1.82f), "1.82");
    EXPECT_EQ(generalText(0.0f), "0");
    EXPECT_EQ(generalText(2000.0f), "2000");
    EXPECT_EQ(generalText(std::nan("")), "");
}
