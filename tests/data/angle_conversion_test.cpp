// Deformation-angle conversion: the formulas, refusals, slots, and the two
// saves' files byte for byte.
#include "data/angle_conversion.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace kvx::data;
using kvx::test::readBytes;
using kvx::test::TempDir;

namespace {

const std::string kKaju = "\x89\xD7\x8F\x64";                // 荷重
const std::string kHenkeikaku = "\x95\xCF\x8C\x60\x8A\x70";  // 変形角
const ConvertedChannelTexts kAngle{kHenkeikaku, "rad"};

// Load (kN) and two displacements (mm), three rows.
MeasurementData record() {
    MeasurementData d;
    d.header.ChannelCount = 3;
    d.header.channelNumbers = {1, 2, 3};
    d.header.pointNames = {kKaju, "D1", "D2"};
    d.header.instrumentNames = {"LC", "DG1", "DG2"};
    d.header.units = {"kN", "mm", "mm"};
    d.ForceChannel = 0;
    d.RowCount = 3;
    const float rows[3][3] = {{0.5f, 2.73f, -2.73f}, {1.25f, 15.0f, 5.0f}, {-3.0f, -27.3f, 0.0f}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) d.cell(r, c) = rows[r][c];
    return d;
}

AngleFormulaSettings formulaB(float d, int divisor) {
    AngleFormulaSettings s;
    s.formula = AngleFormula::B;
    s.offsetD = d;
    s.divisorB = divisor;
    return s;
}

}  // namespace

TEST(AngleConversion, ComputesBothFormulas) {
    const MeasurementData d = record();
    EXPECT_FLOAT_EQ(convertedValue(d, AngleFormulaSettings{}, 0), 0.002f);  // (2.73 + 2.73) / 2730
    EXPECT_EQ(convertedValue(d, formulaB(5.0f, 100), 1), 0.2f);             // (15 + 5) / 100
    AngleFormulaSettings negative = formulaB(5.0f, 100);
    negative.signC = -1;
    EXPECT_EQ(convertedValue(d, negative, 1), -0.1f);
}

TEST(AngleConversion, RefusesWhatCannotBeComputed) {
    AngleFormulaSettings zeroA, zeroB = formulaB(0, 0), beyondB, beyondC = formulaB(0, 1);
    zeroA.divisorA = 0;
    beyondB.channelB = 4;
    beyondC.channelC = 0;
    struct Case { AngleFormulaSettings settings; int force; std::string message; };
    const Case cases[] = {
        {zeroA, 0, "変換式の L に 0 は指定できません"},
        {zeroB, 0, "変換式の L に 0 は指定できません"},
        {beyondB, 0, "チャンネル 4 はデータにありません（1 ～ 3 CH）"},
        {beyondC, 0, "チャンネル 0 はデータにありません（1 ～ 3 CH）"},
        {AngleFormulaSettings{}, -1, "力の単位 (kN / kg) のチャンネルがないため変換できません"},
        {AngleFormulaSettings{}, 0, ""},
    };
    for (const auto& c : cases) {
        MeasurementData d = record();
        d.ForceChannel = c.force;
        EXPECT_EQ(conversionRefusal(d, c.settings).value_or(""), c.message);
    }
}

TEST(ConversionSlots, FillInOrderAndShowTheirStatus) {
    ConversionSlots slots;
    EXPECT_EQ(slots.statusText(), "XXXXXXXXXXXXXXXX");
    EXPECT_EQ(slots.selectableSlots(), 1);
    slots.mark(1);
    slots.mark(2);
    EXPECT_EQ(slots.statusText(), "OOXXXXXXXXXXXXXX");
    EXPECT_EQ(slots.selectableSlots(), 3);
    slots.mark(1);  // converting slot 1 again opens no further slot
    EXPECT_EQ(slots.selectableSlots(), 3);
    for (int k = 3; k <= kMaxConversionSlot; ++k) slots.mark(k);
    EXPECT_EQ(slots.selectableSlots(), 15);  // column 16 would be beyond the table
    slots.reset();
    EXPECT_EQ(slots.statusText(), "XXXXXXXXXXXXXXXX");
}

TEST(AngleConversion, IndividualSaveWritesForceAndSlotsInOrder) {
    const MeasurementData d = record();
    MeasurementData converted;
    ConversionSlots slots;
    // Slot 2 first: the channel count must still cover both slots afterwards.
    convertIntoSlot(d, formulaB(5.0f, 100), 2, {"B", "rad"}, converted, slots);
    convertIntoSlot(d, AngleFormulaSettings{}, 1, kAngle, converted, slots);
    EXPECT_EQ(converted.header.ChannelCount, 3);
    TempDir dir;
    ASSERT_TRUE(writeConvertedData(dir.file("one.csv"), individualSaveColumns(converted, slots), converted.RowCount));
    // Expected by hand: "%f" for the force, "%.5e" for the angles.
    const std::string expected = "1ch,2ch,3ch\n" + kKaju + "," + kHenkeikaku + ",B\nLC,,\nkN,rad,rad\n"
                                 "0.500000,2.00000e-03,7.73000e-02\n"
                                 "1.250000,3.66300e-03,2.00000e-01\n"
                                 "-3.000000,-1.00000e-02,-2.23000e-01\n";
    EXPECT_EQ(readBytes(dir.file("one.csv")), expected);
}

TEST(AngleConversion, AppendSaveKeepsTheDataSetsTexts) {
    const MeasurementData d = record();
    MeasurementData converted;
    ConversionSlots slots;
    convertIntoSlot(d, AngleFormulaSettings{}, 1, kAngle, converted, slots);
    TempDir dir;
    ASSERT_TRUE(writeConvertedData(dir.file("all.csv"), appendSaveColumns(d, converted, slots), d.RowCount));
    const std::string expected = "1ch,2ch,3ch,4ch\n" + kKaju + ",D1,D2," + kHenkeikaku + "\nLC,DG1,DG2,\nkN,mm,mm,rad\n"
                                 "0.500000,2.73000e+00,-2.73000e+00,2.00000e-03\n"
                                 "1.250000,1.50000e+01,5.00000e+00,3.66300e-03\n"
                                 "-3.000000,-2.73000e+01,0.00000e+00,-1.00000e-02\n";
    EXPECT_EQ(readBytes(dir.file("all.csv")), expected);
}
