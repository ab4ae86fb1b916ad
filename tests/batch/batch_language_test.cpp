// The batch and the core under another language: what is shown goes through
// the catalogue, what is written into files and the answers to the core's
// questions do not depend on it.
#include "analysis/elasto_plastic.h"
#include "analysis/series_statistics.h"
#include "batch/batch_interaction.h"
#include "batch/batch_options.h"
#include "batch/series_messages.h"
#include "data/open_data_file.h"
#include "support/temp_dir.h"
#include "text/translate.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

using namespace kvx;

namespace {

// Every text of the core and the batch becomes "EN[source]", so a text that
// went through the catalogue is recognised wherever it ends up.
class EnglishCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        text::setCatalogue([](const char*, const char* source) { return "EN[" + std::string(source) + "]"; });
    }
    void TearDown() override { text::setCatalogue({}); }
};

TEST_F(EnglishCatalogue, BatchAnswersTheCoresTranslatedQuestions) {
    // The captions reach the batch translated; the flags must still decide.
    struct Case {
        const char* caption;
        bool continueWithoutForce;
        ui::Buttons buttons;
        ui::Answer expected;
    };
    const std::string force = text::translate("kvx::data", "加力単位エラー");
    const std::string format = text::translate("kvx::data", "データ形式");
    const Case cases[] = {
        {force.c_str(), true, ui::Buttons::OkCancel, ui::Answer::Ok},
        {force.c_str(), false, ui::Buttons::OkCancel, ui::Answer::Cancel},
        {format.c_str(), true, ui::Buttons::YesNo, ui::Answer::No},
        {"加力単位エラー", true, ui::Buttons::OkCancel, ui::Answer::Cancel},  // the source is not the shown caption
    };
    for (const Case& c : cases) {
        batch::BatchInteraction ia(c.continueWithoutForce);
        EXPECT_EQ(ia.ask("?", c.caption, c.buttons, ui::Icon::Warning), c.expected) << c.caption;
    }
}

TEST_F(EnglishCatalogue, UsageKeepsTheOptionColumn) {
    const std::string english = batch::usageText();
    text::setCatalogue({});
    const std::string japanese = batch::usageText();
    std::istringstream e(english), j(japanese);
    std::string el, jl;
    int lines = 0;
    while (std::getline(e, el) && std::getline(j, jl)) {
        ++lines;
        // Up to the description the lines are the same: option names and their column.
        const std::size_t cut = el.find("EN[");
        ASSERT_NE(cut, std::string::npos) << el;
        EXPECT_EQ(el.substr(0, cut), jl.substr(0, cut));
    }
    EXPECT_GT(lines, 60);
    EXPECT_FALSE(std::getline(e, el)) << "the languages differ in lines";
}

TEST_F(EnglishCatalogue, MessagesAreTranslatedAndFilesAreNot) {
    test::TempDir dir;
    const std::string broken = (dir.path() / "broken.csv").string();
    std::ofstream(broken) << "1,2\nP,D\n,\nkN,rad\n1\n";
    ui::ScriptedInteraction ia;
    EXPECT_FALSE(data::openDataFile(broken, data::DataFileFormat::StandardCsv, data::ForceUnit::kN, ia, {}, {}));
    ASSERT_EQ(ia.shown.size(), 1u);
    EXPECT_EQ(ia.shown[0].caption, "EN[データエラー]");
    EXPECT_EQ(ia.shown[0].text, "EN[データエラー 第 5 行]");  // the format translated, then filled

    // Texts the files and the report keep: a refused summary and a model's failure.
    const analysis::SeriesSummary summary = analysis::summarizeRows({}, 1.82, 1.0, data::ForceUnit::kN);
    EXPECT_EQ(summary.plusFailure.find("EN["), std::string::npos) << summary.plusFailure;
    EXPECT_EQ(analysis::summaryCsv(summary, {}, data::ForceUnit::kN).find("EN["), std::string::npos);
    const double x[] = {0.01}, y[] = {1.0};
    const analysis::ElastoResult model = analysis::elastoPlastic(x, y);
    ASSERT_FALSE(model.model);
    EXPECT_EQ(model.failure.message.find("EN["), std::string::npos) << model.failure.message;
}

}  // namespace

TEST_F(EnglishCatalogue, SeriesRefusalsAndNotesAreShownFromTheirTranslatedFormats) {
    // The core words them once, in Japanese, for the summary CSV; the batch
    // shows the translated format filled with the same values.
    const std::pair<const char*, const char*> cases[] = {
        {"第 3 行: 最大耐力「x1」が数値ではありません",
         "EN[第 %d 行: ]3EN[%s「%s」が数値ではありません]EN[最大耐力]x1"},
        {"第 12 行: 項目が 9 個しかありません（14 個のはずです）",
         "EN[第 %d 行: ]12EN[項目が %zu 個しかありません（14 個のはずです）]9"},
        {"試験体が 1 体です．統計処理には 2 体以上が必要です", "EN[試験体が %zu 体です．統計処理には 2 体以上が必要です]1"},
        {"降伏耐力 Py: ばらつき係数 1 − CV·k が -0.125 で 0 以下のため、下限値を 0 としました",
         "EN[%s: ばらつき係数 1 − CV·k が %.3f で 0 以下のため、下限値を 0 としました]EN[降伏耐力 Py]-0.125"},
        {"振幅レベルの点が 1 点しかありません（2 点以上が必要です）",
         "EN[振幅レベルの点が %d 点しかありません（2 点以上が必要です）]1"},
        {"なにか別の文", "EN[なにか別の文]"},  // a fixed text marked in the core
    };
    // The stand-in catalogue puts the values after the format, where they were
    // filled in: "EN[fmt]" + values shows which format and which values were used.
    text::setCatalogue([](const char*, const char* source) {
        std::string s = source;
        std::string out = "EN[";
        for (char c : s) out += c == '%' ? '\x01' : c;
        return out + (s.find('%') != std::string::npos ? "]%s%s%s" : "]");
    });
    for (const auto& [japanese, expected] : cases) {
        std::string shown = batch::shownSeriesText(japanese);
        for (char& c : shown)
            if (c == '\x01') c = '%';
        EXPECT_EQ(shown, expected) << japanese;
    }
    text::setCatalogue({});
    for (const auto& [japanese, expected] : cases) EXPECT_EQ(batch::shownSeriesText(japanese), japanese);
}
