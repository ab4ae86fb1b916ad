// kurvadex-batch on real files: the JSON keys and values, failures.
#include "batch/batch_run.h"

#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

using namespace kvx::batch;
using kvx::test::TempDir;

TEST(BatchRun, ReportsTheDataSetAsJson) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.file = dir.write("w.csv", " 1CH, 2CH\n\x89\xD7\x8F\x64,D\nLC,DG\nkg,mm\n1,2\n3,4\n5,6\n");
    kvx::ui::ScriptedInteraction ia;
    const auto r = runBatch(o, ia);
    ASSERT_EQ(r.exitCode, 0);
    const std::string expected = "{\n  \"file\": \"" + o.file +
                                 "\",\n  \"rows\": 3,\n  \"channels\": 2,\n  \"channel_numbers\": [\n    1,\n    2\n  ],\n"
                                 "  \"names\": [\n    \"荷重\",\n    \"D\"\n  ],\n"
                                 "  \"instruments\": [\n    \"LC\",\n    \"DG\"\n  ],\n"
                                 "  \"units\": [\n    \"kN\",\n    \"mm\"\n  ],\n"
                                 "  \"force_channel\": 0,\n  \"force_factor\": 0.009800000116229057\n}\n";
    EXPECT_EQ(r.output, expected);
    ASSERT_EQ(ia.shown.size(), 1u);  // the kg -> kN notice
}

TEST(BatchRun, FailedReadExitsNonZeroWithoutOutput) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.file = dir.write("bad.csv", "1\nP\nL\nkN\n1,2\n");
    kvx::ui::ScriptedInteraction ia;
    const auto r = runBatch(o, ia);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.output.empty());
    EXPECT_EQ(ia.texts(), std::vector<std::string>{"データエラー 第 5 行"});
}
