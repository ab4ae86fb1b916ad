// Delimited text into the data set: columns, units, the force-unit rule,
// thinning of long records, and the three real lab records as published.
#include "data/delimited_import.h"

#include "data/force_unit.h"
#include "data/standard_csv_reader.h"
#include "data/standard_csv_writer.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace kvx::data;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string realRecord(const char* name) { return std::string(SHARED_DATA_DIR) + "/real/" + name; }

ImportSettings detected(const std::string& bytes) {
    ImportSettings s;
    s.dialect = detectDialect(bytes);
    return s;
}

}  // namespace

TEST(DelimitedImport, ConvertsUnitsWhileReading) {
    struct Case {
        const char* unit;
        const char* to;
        double factor;
    };
    const Case cases[] = {
        {"N", "kN", 0.001},     {"kN", "kN", 1},     {"[kN]", "kN", 1},   {"kgf", "kg", 1},  {"kg", "kg", 1},
        {"lbf", "kN", 0.00444822}, {"m", "mm", 1000}, {"(cm)", "mm", 10}, {"in", "mm", 25.4}, {"mm", "mm", 1},
        {"rad", "rad", 1},      {"%", "rad", 0.01},  {"deg", "rad", 0.017453292519943295},
        {"μm", "μm", 1},         {"", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        const UnitConversion u = unitConversion(c.unit);
        EXPECT_EQ(u.to, c.to);
        EXPECT_DOUBLE_EQ(u.factor, c.factor);
    }
}

TEST(DelimitedImport, ColumnsNamesUnitsAndTheForceChannel) {
    // Deformation in %, displacement in m, force in N (third): every value
    // lands converted, the force channel is the load whatever its column.
    const std::string bytes = "drift;top;\"Force, lead\"\n[%];m;N\n0,5;0,002;1500\n-1,0;-0,004;-2500\n";
    kvx::ui::ScriptedInteraction ia;
    MeasurementData d;
    ImportSettings s = detected(bytes);
    s.columns = {3, 1, 2};
    const auto report = importDelimitedText(bytes, s, ForceUnit::kN, ia, d);
    ASSERT_TRUE(report) << (ia.shown.empty() ? "" : ia.shown.back().text);
    EXPECT_TRUE(ia.shown.empty());
    EXPECT_EQ(d.channelCount(), 3);
    EXPECT_EQ(d.RowCount, 2);
    EXPECT_EQ(d.ForceChannel, 0);
    EXPECT_EQ(d.header.pointNames[0], "Force\x81\x43 lead");  // a full-width comma: the standard file has no quotes
    EXPECT_EQ(d.header.units[0], "kN");
    EXPECT_EQ(d.header.units[1], "rad");
    EXPECT_EQ(d.header.units[2], "mm");
    EXPECT_EQ(d.header.channelNumbers[1], 1);
    EXPECT_EQ(d.value(0, 0), 1.5f);
    EXPECT_EQ(d.value(1, 1), static_cast<float>(-1.0 * 0.01));
    EXPECT_EQ(d.value(0, 2), 2.0f);
    EXPECT_EQ(report->plan.units[0], (UnitConversion{"N", "kN", 0.001}));
    // Saved as a standard file and read back: still three channels, same name.
    kvx::test::TempDir dir;
    ASSERT_TRUE(writeDataSet(dir.file("saved.csv"), d));
    MeasurementData back;
    ASSERT_EQ(readStandardCsv(dir.file("saved.csv"), ForceUnit::kN, ia, back).rows, 2);
    EXPECT_EQ(back.channelCount(), 3);
    EXPECT_EQ(back.header.pointNames[0], d.header.pointNames[0]);

    // Names and units given by the user win over the header rows; kgf goes
    // through the force-unit rule as a standard file's kg column does.
    s.columns = {1, 3};
    s.names = {"変形角", ""};
    s.units = {"rad", "kgf"};
    const auto kg = importDelimitedText(bytes, s, ForceUnit::kN, ia, d);
    ASSERT_TRUE(kg);
    EXPECT_EQ(d.header.pointNames[0], "\x95\xCF\x8C\x60\x8A\x70");  // 変形角 in CP932
    EXPECT_EQ(d.header.pointNames[1], "Force\x81\x43 lead");
    EXPECT_EQ(d.ForceChannel, 1);
    EXPECT_EQ(d.value(0, 1), scaleForce(1500, kKgfToKn));
    EXPECT_EQ(ia.count("ファイルデータの加力の単位はkgになっています．\n力の単位をkNに変更しました．"), 1);
}

TEST(DelimitedImport, RefusalsLeaveTheDataSetAsItWas) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<int> columns;
        std::string message;
    };
    const Case cases[] = {
        {"bad field", "F,d\n1,2\n3,x\n", {}, "第 3 行: 2 列目「x」は数値ではありません"},
        {"column beyond the file", "1,2\n3,4\n", {1, 3}, "3 列目はファイルにありません（1 ～ 2 列）"},
        {"seventeen channels", "1,2\n3,4\n", std::vector<int>(17, 1), "チャンネルは 16 までです（17 列が選ばれています）"},
        {"beyond single precision", "1,1e300\n", {}, "第 1 行: 2 列目の値 1e+300 は大きすぎます"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MeasurementData d;
        d.RowCount = 7;
        kvx::ui::ScriptedInteraction ia;
        ImportSettings s = detected(c.bytes);
        s.columns = c.columns;
        s.units = {"kN"};
        EXPECT_FALSE(importDelimitedText(c.bytes, s, ForceUnit::kN, ia, d));
        EXPECT_EQ(d.RowCount, 7);
        ASSERT_FALSE(ia.shown.empty());
        EXPECT_EQ(ia.shown.back().text, c.message);
        EXPECT_EQ(ia.shown.back().caption, "データエラー");
    }
}

TEST(DelimitedImport, ReversalsAreLocalExtremesOfTheDeformation) {
    const std::vector<double> v{0, 1, 2, 2, 2, 1, 0, -1, -1, 0, 3};
    EXPECT_EQ(reversalRows(v), (std::vector<int>{0, 2, 7, 10}));
    EXPECT_EQ(reversalRows({5, 5, 5}), (std::vector<int>{0, 2}));
    EXPECT_TRUE(reversalRows({}).empty());
}

TEST(DelimitedImport, LongRecordsAreThinnedKeepingReversalsAndPeakLoads) {
    // 45,000 rows of a growing cyclic push: too long for the table.
    std::string bytes = "F,d\nkN,mm\n";
    std::vector<double> d, f;
    for (int i = 0; i < 45000; ++i) {
        const double x = (1 + i / 3000.0) * std::sin(i * 0.00731);
        const double load = 10 * std::tanh(x) + (i == 31337 ? 0.5 : 0.0);
        d.push_back(x), f.push_back(load);
        char line[64];
        std::snprintf(line, sizeof line, "%.6f,%.6f\n", load, x);
        bytes += line;
    }
    kvx::ui::ScriptedInteraction ia;
    MeasurementData data;
    const auto report = importDelimitedText(bytes, detected(bytes), ForceUnit::kN, ia, data);
    ASSERT_TRUE(report) << (ia.shown.empty() ? "" : ia.shown.back().text);
    EXPECT_EQ(report->thinnedFrom, 45000);
    EXPECT_EQ(report->plan.step, 2);
    EXPECT_LE(data.RowCount, kMaxRows);
    EXPECT_EQ(data.RowCount, report->rowsRead);
    // Every reversal of the deformation and both peak loads are among the rows.
    const ParsedText parsed = parseDelimitedText(bytes, detectDialect(bytes), false);
    const auto& kept = report->plan.keptRows;
    std::vector<double> column(static_cast<std::size_t>(parsed.rows));
    for (int r = 0; r < parsed.rows; ++r) column[static_cast<std::size_t>(r)] = parsed.value(r, 1);
    for (int r : reversalRows(column)) EXPECT_TRUE(std::binary_search(kept.begin(), kept.end(), r)) << r;
    float largest = -1e30f, smallest = 1e30f;
    for (int r = 0; r < data.RowCount; ++r) largest = std::max(largest, data.value(r, 0)), smallest = std::min(smallest, data.value(r, 0));
    EXPECT_EQ(largest, static_cast<float>(parsed.value(31337, 0)));
    EXPECT_EQ(smallest, static_cast<float>(*std::min_element(f.begin(), f.end())));

    // A step of the user's: every k-th row, reversals still kept.
    ImportSettings every5 = detected(bytes);
    every5.thinStep = 5;
    const auto five = importDelimitedText(bytes, every5, ForceUnit::kN, ia, data);
    ASSERT_TRUE(five);
    EXPECT_EQ(five->plan.step, 5);
    EXPECT_GT(data.RowCount, 9000);
    EXPECT_LT(data.RowCount, 9500);
    // Step 1 of a long record does not fit.
    ImportSettings none = detected(bytes);
    none.thinStep = 1;
    EXPECT_FALSE(importDelimitedText(bytes, none, ForceUnit::kN, ia, data));
}

namespace {

struct RealRecord {
    const char* original;
    const char* converted;  // the same record in the standard layout
    std::vector<int> columns;
    std::vector<std::string> units;
};

}  // namespace

TEST(DelimitedImport, RealRecordsReadAsTheirStandardConversions) {
    if (!std::filesystem::exists(realRecord("clt_rocking_wall_TS1_shear.csv")))
        GTEST_SKIP() << "the lab records are not checked out beside the project";
    const RealRecord records[] = {
        // No header at all: deformation [m], force [N]; the units must be given.
        {"clt_rocking_wall_TS1_shear.csv", "clt_rocking_wall_TS1.kvx.csv", {2, 1}, {"N", "m"}},
        // Two metadata rows, names, units in brackets; drift % becomes rad.
        {"stone_masonry_wall_sample_test.csv", "stone_masonry_wall.kvx.csv", {2, 3, 1}, {}},
        // Names and units rows, force first; 33,028 rows thinned.
        {"clt_connection_SPC1.csv", "clt_connection_SPC1_half.kvx.csv", {}, {}},
    };
    for (const RealRecord& r : records) {
        SCOPED_TRACE(r.original);
        const std::string bytes = readFile(realRecord(r.original));
        ImportSettings s = detected(bytes);
        s.columns = r.columns;
        s.units = r.units;
        kvx::ui::ScriptedInteraction ia;
        MeasurementData imported, standard;
        const auto report = importDelimitedText(bytes, s, ForceUnit::kN, ia, imported);
        ASSERT_TRUE(report) << (ia.shown.empty() ? "" : ia.shown.back().text);
        ASSERT_GT(readStandardCsv(realRecord(r.converted), ForceUnit::kN, ia, standard).rows, 0);
        ASSERT_EQ(imported.channelCount(), standard.channelCount());
        for (int c = 0; c < standard.channelCount(); ++c)
            EXPECT_EQ(imported.header.units[static_cast<std::size_t>(c)], standard.header.units[static_cast<std::size_t>(c)]);
        EXPECT_EQ(imported.ForceChannel, 0);
        // Extremes of every channel are those of the file, exactly (thinning
        // keeps the peak loads and the reversals), and agree with the
        // converted files to their 6 digits.
        const ParsedText original = parseDelimitedText(bytes, s.dialect, false);
        const auto extremes = [](const MeasurementData& d, int c) {
            float high = -1e30f, low = 1e30f;
            for (int row = 0; row < d.RowCount; ++row) high = std::max(high, d.value(row, c)), low = std::min(low, d.value(row, c));
            return std::pair{high, low};
        };
        for (int c = 0; c < standard.channelCount(); ++c) {
            SCOPED_TRACE(c);
            const auto column = report->plan.columns[static_cast<std::size_t>(c)];
            const double factor = report->plan.units[static_cast<std::size_t>(c)].factor;
            double high = -1e300, low = 1e300;
            for (int row = 0; row < original.rows; ++row)
                high = std::max(high, original.value(row, column - 1) * factor),
                low = std::min(low, original.value(row, column - 1) * factor);
            const auto [iMax, iMin] = extremes(imported, c);
            if (c == 0 || report->thinnedFrom == 0) {  // loads always; every channel when nothing was dropped
                EXPECT_EQ(iMax, static_cast<float>(high));
                EXPECT_EQ(iMin, static_cast<float>(low));
            }
            if (report->thinnedFrom == 0) {
                const auto [sMax, sMin] = extremes(standard, c);
                const double tolerance = 1e-5 * std::max(std::fabs(sMax), std::fabs(sMin));
                EXPECT_NEAR(iMax, sMax, tolerance);
                EXPECT_NEAR(iMin, sMin, tolerance);
            }
        }
        if (report->thinnedFrom == 0) {
            EXPECT_EQ(imported.RowCount, standard.RowCount);
        } else {
            EXPECT_EQ(report->thinnedFrom, 33028);
            EXPECT_LE(imported.RowCount, kMaxRows);
        }
    }
}
