// The force-unit rule: which column is the force, the factor, the questions and messages.
#include "data/force_unit.h"

#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

using namespace kvx::data;
using kvx::ui::Answer;
using kvx::ui::ScriptedInteraction;

namespace {
const std::string kToKn = "ファイルデータの加力の単位はkgになっています．\n力の単位をkNに変更しました．";
const std::string kToKg = "ファイルデータの加力の単位はkNになっています．\n力の単位をkgに変更しました．";
const std::string kNoForce =
    "重大なエラー\n\n力の単位が kg または kN のデータがありません．\nこのまま続行しますか？　　";
}  // namespace

TEST(ForceUnitRule, ChoosesColumnFactorAndMessages) {
    struct Case {
        const char* name;
        std::vector<std::string> units;
        ForceUnit chosen;
        int forceChannel;
        float factor;
        std::vector<std::string> shown;
        std::vector<std::string> unitsAfter;
    };
    const Case cases[] = {
        {"kN file, kN chosen", {"kN", "mm"}, ForceUnit::kN, 0, 1.0f, {}, {"kN", "mm"}},
        {"kg file, kN chosen", {"mm", "kg"}, ForceUnit::kN, 1, 0.0098f, {kToKn}, {"mm", "kN"}},
        {"Kg spelling", {"Kg"}, ForceUnit::kN, 0, 0.0098f, {kToKn}, {"kN"}},
        {"㎏ in CP932", {"\x87\x73"}, ForceUnit::kN, 0, 0.0098f, {kToKn}, {"kN"}},
        {"KN spelling", {"mm", "KN"}, ForceUnit::kN, 1, 1.0f, {}, {"mm", "kN"}},
        // The kg test looks at every column, not only the force column.
        {"kN in 3, kg in 5", {"mm", "mm", "kN", "mm", "kg"}, ForceUnit::kN, 2, 0.0098f, {kToKn},
         {"mm", "mm", "kN", "mm", "kg"}},
        {"kN file, kg chosen", {"kN", "mm"}, ForceUnit::kg, 0, 102.04082f, {kToKg}, {"kg", "mm"}},
        {"kg file, kg chosen", {"kg", "mm"}, ForceUnit::kg, 0, 1.0f, {}, {"kg", "mm"}},
        {"KG is not a force unit", {"KG", "mm"}, ForceUnit::kN, -1, 1.0f, {kNoForce}, {"KG", "mm"}},
        {"kg with a trailing blank is not", {"kg ", "mm"}, ForceUnit::kN, -1, 1.0f, {kNoForce}, {"kg ", "mm"}},
        {"no force unit, kg chosen still tells", {"mm"}, ForceUnit::kg, -1, 102.04082f, {kNoForce, kToKg}, {"mm"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction ia;
        auto units = c.units;
        const auto d = applyForceUnitRule(units, c.chosen, ia);
        EXPECT_TRUE(d.proceed);
        EXPECT_EQ(d.forceChannel, c.forceChannel);
        EXPECT_EQ(d.forceFactor, c.factor);
        EXPECT_EQ(ia.texts(), c.shown);
        EXPECT_EQ(units, c.unitsAfter);
    }
}

TEST(ForceUnitRule, CancellingTheNoForceQuestionStops) {
    ScriptedInteraction ia;
    ia.answers = {Answer::Cancel};
    std::vector<std::string> units{"mm", "rad"};
    const auto d = applyForceUnitRule(units, ForceUnit::kN, ia);
    EXPECT_FALSE(d.proceed);
    ASSERT_EQ(ia.shown.size(), 1u);
    EXPECT_EQ(ia.shown[0].caption, "加力単位エラー");
    EXPECT_TRUE(ia.shown[0].question);
}

TEST(ForceUnitRule, FactorsAreTheSinglePrecisionValues) {
    // The stored factors, as doubles, are what the tables are scaled by.
    EXPECT_NEAR(static_cast<double>(kKgfToKn), 0.0098000001162, 1e-13);
    EXPECT_NEAR(static_cast<double>(kKnToKgf), 102.040817261, 1e-9);
    // Product in double, rounded once: 1000 kgf is 9.8000001162 kN, stored as the float nearest to it.
    EXPECT_EQ(scaleForce(1000.0, kKgfToKn), static_cast<float>(1000.0 * static_cast<double>(kKgfToKn)));
}
