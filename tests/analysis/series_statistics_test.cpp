// Series statistics: hand-computed sets, the t constant, wall file rows.
#include "analysis/series_statistics.h"

#include "text/cp932.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx::analysis;
using kvx::data::ForceUnit;

namespace {

SpecimenRow row(double Py, double PuDs, double P23, double PRefer, bool minus = false) {
    SpecimenRow r;
    r.Py = Py, r.PuDs = PuDs, r.P23 = P23, r.PRefer = PRefer, r.minus = minus;
    r.Pu = 16, r.gv = 0.014;
    return r;
}

}  // namespace

TEST(SeriesStatistics, VariabilityConstantFollowsTheTDistribution) {
    // t(0.75; 1) = tan(π/4) = 1; t(0.75; 2) = 1/√1.5 (closed forms); 4 and 9
    // degrees of freedom from the published tables (0.7407, 0.7027).
    struct Case {
        int n;
        double k, tolerance;
    };
    const Case cases[] = {{2, 1 / std::sqrt(2.0), 1e-12}, {3, std::sqrt(2.0 / 3.0) / std::sqrt(3.0), 1e-12},
                          {5, 0.7407 / std::sqrt(5.0), 5e-5}, {10, 0.7027 / std::sqrt(10.0), 5e-5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_NEAR(variabilityConstant(c.n), c.k, c.tolerance);
    }
    EXPECT_NEAR(variabilityConstant(3), 0.471, 5e-4);
}

TEST(SeriesStatistics, HandComputedSets) {
    struct Case {
        const char* name;
        std::vector<double> values;
        double mean, sd, cv, factor, lower;
        bool notPositive;
    };
    const Case cases[] = {
        // n = 2: sd = √2, CV·k = (√2/10)(1/√2) = 0.1 exactly.
        {"two", {9, 11}, 10, std::sqrt(2.0), std::sqrt(2.0) / 10, 0.9, 9.0, false},
        {"three", {10, 11, 12}, 11, 1, 1.0 / 11, 1 - (1.0 / 11) * std::sqrt(2.0 / 9.0), 11 * (1 - (1.0 / 11) * std::sqrt(2.0 / 9.0)), false},
        {"five", {8, 9, 10, 11, 12}, 10, std::sqrt(2.5), std::sqrt(2.5) / 10, 1 - std::sqrt(2.5) / 10 * 0.740697 / std::sqrt(5.0),
         10 * (1 - std::sqrt(2.5) / 10 * 0.740697 / std::sqrt(5.0)), false},
        {"no scatter", {5, 5, 5}, 5, 0, 0, 1, 5, false},
        {"factor below zero", {-5, 20}, 7.5, std::sqrt(312.5), std::sqrt(312.5) / 7.5, 1 - std::sqrt(312.5) / 7.5 / std::sqrt(2.0), 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<SpecimenRow> rows;
        for (double v : c.values) rows.push_back(row(v, 100, 100, 100));
        const auto s = summarizeSide(rows, 1.82, 1.0, ForceUnit::kN);
        ASSERT_TRUE(s);
        const IndexStatistics& py = s->indices[0];
        EXPECT_NEAR(py.mean, c.mean, 1e-12);
        EXPECT_NEAR(py.sd, c.sd, 1e-12);
        EXPECT_NEAR(py.cv, c.cv, 1e-12);
        EXPECT_NEAR(py.factor, c.factor, 1e-6);
        EXPECT_NEAR(py.lower, c.lower, 1e-5);
        EXPECT_EQ(py.factorNotPositive, c.notPositive);
        EXPECT_EQ(s->notes.size(), c.notPositive ? 1u : 0u);
        EXPECT_GE(py.lower, 0.0);
        EXPECT_EQ(s->governing, 0);  // the other indices are 100
    }
}

TEST(SeriesStatistics, GoverningIndexPaAndMultiplier) {
    const std::vector<SpecimenRow> rows{row(12, 9, 12, 12), row(12, 11, 12, 12)};
    // Pu·0.2/Ds governs with the lower value 9 (the "two" set above).
    const auto kn = summarizeSide(rows, 1.82, 1.0, ForceUnit::kN);
    ASSERT_TRUE(kn);
    EXPECT_EQ(kn->governing, static_cast<int>(SeriesIndex::PuDs));
    EXPECT_NEAR(kn->P0, 9.0, 1e-12);
    EXPECT_NEAR(kn->multiplier, 9.0 / (1.96 * 1.82), 1e-12);
    const auto reduced = summarizeSide(rows, 0.91, 0.8, ForceUnit::kg);
    ASSERT_TRUE(reduced);
    EXPECT_NEAR(reduced->Pa, 7.2, 1e-12);
    EXPECT_NEAR(reduced->multiplier, 7.2 / (200 * 0.91), 1e-12);
    EXPECT_NEAR(*kn->Kmean, 16 / 0.014, 1e-9);
    EXPECT_NEAR(*kn->Kcv, 0.0, 1e-12);
    // μ from the row: Ds = 0.2·16/9, μ = (1/Ds² + 1)/2, and likewise for 11.
    const auto mu = [](double puDs) {
        const double Ds = 0.2 * 16 / puDs;
        return (1 / (Ds * Ds) + 1) / 2;
    };
    EXPECT_NEAR(*kn->muMean, (mu(9) + mu(11)) / 2, 1e-12);
}

TEST(SeriesStatistics, RefusesSetsItCannotRate) {
    std::string why;
    EXPECT_FALSE(summarizeSide({row(1, 1, 1, 1)}, 1.82, 1, ForceUnit::kN, &why));
    EXPECT_EQ(why, "試験体が 1 体です．統計処理には 2 体以上が必要です");
    EXPECT_FALSE(summarizeSide({row(1, 1, 1, 1), row(2, 2, 2, 2)}, 0, 1, ForceUnit::kN, &why));
    EXPECT_FALSE(summarizeSide({row(1, 1, 1, 1), row(2, 2, 2, 2)}, 1.82, -1, ForceUnit::kN, &why));
    // Each side on its own.
    const SeriesSummary s = summarizeRows({row(1, 1, 1, 1), row(2, 2, 2, 2), row(3, 3, 3, 3, true)}, 1.82, 1, ForceUnit::kN);
    EXPECT_TRUE(s.plus);
    EXPECT_FALSE(s.minus);
    EXPECT_FALSE(s.minusFailure.empty());
}

TEST(SeriesStatistics, WallFileRowsAsTheWindowWritesThem) {
    const std::string header = kvx::text::utf8ToCp932Lossy(
        "ファイル名,領域,解析時,最大耐力,最大耐力時変形角,1/60耐力,2/3最大耐力,降伏耐力,終局耐力,弾塑性変形角,構造特性耐力,最小値,"
        "壁倍率,旧壁倍率\nfilename,+/-,日付,Pmax,γm,PRefer,2/3×Pmax,Py,Pu,γv,Pu×0.2/Ds,Qa,Kabe\n");
    const std::string bytes = header +
                              "a.csv,Plus,'2026/12/08  10:00.00,17.739,0.033163,12.1,11.826,10.12,16.53,0.014251,6.1,6.1,    1.71,    2.10\n"
                              "b,c.csv,Minus,'2026/12/08  10:01.00,17.5,0.03,12,11.6,10,16,0.014,6,6,    1.68,    2.00\r\n"
                              "short,Plus,1,2\n"
                              "d.csv,Plus,'x,17,0.03,12,11,10,16,0.014,,,,\n"
                              "e.csv,Left,'x,17,0.03,12,11,10,16,0.014,6,6,1,1\n";
    const WallFileRows w = readWallRows(bytes);
    EXPECT_EQ(w.referenceHeader, "1/60耐力");
    ASSERT_EQ(w.rows.size(), 2u);
    EXPECT_EQ(w.rows[0].fileName, "a.csv");
    EXPECT_FALSE(w.rows[0].minus);
    EXPECT_EQ(w.rows[0].timeStamp, "2026/12/08  10:00.00");
    EXPECT_EQ(w.rows[0].Py, 10.12);
    EXPECT_EQ(w.rows[0].PRefer, 12.1);
    EXPECT_EQ(*w.rows[0].multiplier, 1.71);
    EXPECT_EQ(w.rows[0].lineNumber, 3);
    EXPECT_EQ(w.rows[1].fileName, "b,c.csv");  // a name with a comma
    EXPECT_TRUE(w.rows[1].minus);
    EXPECT_EQ(*w.rows[1].multiplierFormer, 2.0);
    ASSERT_EQ(w.refused.size(), 3u);
    EXPECT_EQ(w.refused[0], "第 5 行: 項目が 4 個しかありません（14 個のはずです）");
    EXPECT_EQ(w.refused[1], "第 6 行: 構造特性耐力「」が数値ではありません");
    EXPECT_EQ(w.refused[2], "第 7 行: 領域が Plus でも Minus でもありません");
}

TEST(SeriesStatistics, SummaryCsvHasOneBlockPerSide) {
    std::vector<SpecimenRow> rows{row(10, 9, 12, 12), row(11, 11, 12, 12), row(12, 10, 13, 13)};
    rows[0].fileName = "a.csv", rows[1].fileName = "b.csv", rows[2].fileName = "c.csv";
    const std::string csv = kvx::text::cp932ToUtf8Lossy(summaryCsv(summarizeRows(rows, 1.82, 1, ForceUnit::kN), rows, ForceUnit::kN));
    EXPECT_NE(csv.find("正側 (Plus)\n指標,単位,a.csv,b.csv,c.csv,平均,標準偏差,変動係数,k,ばらつき係数,下限値\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("降伏耐力 Py,kN,10,11,12,11,1,0.0909091,0.471405,0.957145,10.5286\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("Pu×0.2/Ds★,kN,9,11,10,"), std::string::npos) << csv;
    EXPECT_NE(csv.find("負側 (Minus)\n試験体が 0 体です"), std::string::npos) << csv;
}
