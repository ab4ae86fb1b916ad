// Standard CSV writers, byte for byte, and the round trip through the reader.
#include "data/standard_csv_writer.h"

#include "data/standard_csv_reader.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

using namespace kvx::data;
using kvx::test::readBytes;
using kvx::test::TempDir;

namespace {

const std::string kKaju = "\x89\xD7\x8F\x64";  // 荷重
const std::string kHenkei = "\x95\xCF\x8C\x60";  // 変形

MeasurementData sample() {
    MeasurementData d;
    d.header.ChannelCount = 3;
    d.header.channelNumbers = {1, 2, 12};
    d.header.pointNames[0] = kKaju;
    d.header.pointNames[1] = kHenkei;
    d.header.pointNames[2] = "D3";
    d.header.instrumentNames = {"LC", "", "DG"};
    d.header.units = {"kN", "rad", "mm"};
    d.RowCount = 2;
    d.cell(0, 0) = 12.345f;
    d.cell(0, 1) = -0.001f;
    d.cell(0, 2) = 0.0f;
    d.cell(1, 0) = -1234567.0f;
    d.cell(1, 1) = 0.0333333f;
    d.cell(1, 2) = 1e-7f;
    return d;
}

}  // namespace

TEST(StandardCsvWriter, WritesTheDataSetByteForByte) {
    TempDir dir;
    ASSERT_TRUE(writeDataSet(dir.file("out.csv"), sample()));
    // Expected text worked out by hand from "%2dCH" and "%12.5e".
    const std::string expected = " 1CH, 2CH,12CH\n" + kKaju + "," + kHenkei + ",D3\nLC,,DG\nkN,rad,mm\n"
                                 " 1.23450e+01,-1.00000e-03, 0.00000e+00\n"
                                 "-1.23457e+06, 3.33333e-02, 1.00000e-07\n";
    EXPECT_EQ(readBytes(dir.file("out.csv")), expected);
}

TEST(StandardCsvWriter, OneChannelLinesHaveOneField) {
    MeasurementData d;
    d.header.ChannelCount = 1;
    d.header.channelNumbers[0] = 5;
    d.header.units[0] = "kN";
    d.RowCount = 1;
    d.cell(0, 0) = 1.0f;
    TempDir dir;
    ASSERT_TRUE(writeDataSet(dir.file("one.csv"), d));
    EXPECT_EQ(readBytes(dir.file("one.csv")), " 5CH\n\n\nkN\n 1.00000e+00\n");
}

TEST(StandardCsvWriter, WritesConvertedDataByteForByte) {
    const MeasurementData main = sample();
    MeasurementData converted;
    converted.header.pointNames[3] = "angle";
    converted.header.instrumentNames[3] = "ignored";
    converted.header.units[3] = "rad";
    converted.cell(0, 3) = 0.5f;
    converted.cell(1, 3) = -0.25f;
    TempDir dir;
    ASSERT_TRUE(writeConvertedData(dir.file("c.csv"), {{&main, 0}, {&converted, 3}, {&main, 2}}, 2));
    const std::string expected = "1ch,2ch,3ch\n" + kKaju + ",angle,D3\nLC,,\nkN,rad,mm\n"
                                 "12.345000,5.00000e-01,0.00000e+00\n"
                                 "-1234567.000000,-2.50000e-01,1.00000e-07\n";
    EXPECT_EQ(readBytes(dir.file("c.csv")), expected);
}

TEST(StandardCsvWriter, ReadingBackGivesTheSameData) {
    TempDir dir;
    const MeasurementData original = sample();
    ASSERT_TRUE(writeDataSet(dir.file("rt.csv"), original));
    kvx::ui::ScriptedInteraction ia;
    MeasurementData back;
    ASSERT_EQ(readStandardCsv(dir.file("rt.csv"), ForceUnit::kN, ia, back).rows, 2);
    EXPECT_EQ(back.header.channelNumbers, original.header.channelNumbers);
    EXPECT_EQ(back.header.pointNames, original.header.pointNames);
    EXPECT_EQ(back.header.units, original.header.units);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(back.value(r, c), original.value(r, c), std::abs(original.value(r, c)) * 1e-5);
}

TEST(StandardCsvWriter, ReportsAFileThatCannotBeCreated) {
    EXPECT_FALSE(writeDataSet("/nonexistent/dir/out.csv", sample()));
    const MeasurementData d = sample();
    EXPECT_FALSE(writeConvertedData("/nonexistent/dir/out.csv", {{&d, 0}}, 1));
}

TEST(StandardCsvWriter, AppendsCsvOnlyWithoutExtension) {
    EXPECT_EQ(withCsvExtension("/a/b/data"), "/a/b/data.csv");
    EXPECT_EQ(withCsvExtension("/a/b/data.txt"), "/a/b/data.txt");
    EXPECT_EQ(withCsvExtension("/a.b/data"), "/a.b/data.csv");
}
