// kurvadex-batch option parsing: the names are a contract.
#include "batch/batch_options.h"

#include <gtest/gtest.h>

using namespace kvx::batch;
using kvx::data::DataFileFormat;
using kvx::data::ForceUnit;

TEST(BatchOptions, ParsesEveryOption) {
    const auto p = parseOptions({"--format", "tcsv", "--force-unit", "kg", "--continue-without-force", "--json", "f.csv"});
    ASSERT_TRUE(p.options.has_value()) << p.error;
    EXPECT_EQ(p.options->format, DataFileFormat::SokkiCsv);
    EXPECT_EQ(p.options->forceUnit, ForceUnit::kg);
    EXPECT_TRUE(p.options->continueWithoutForce);
    EXPECT_TRUE(p.options->json);
    EXPECT_EQ(p.options->file, "f.csv");
}

TEST(BatchOptions, Defaults) {
    const auto p = parseOptions({"f.csv"});
    ASSERT_TRUE(p.options.has_value());
    EXPECT_EQ(p.options->format, DataFileFormat::StandardCsv);
    EXPECT_EQ(p.options->forceUnit, ForceUnit::kN);
    EXPECT_FALSE(p.options->continueWithoutForce);
    EXPECT_FALSE(p.options->json);
}

TEST(BatchOptions, RefusesWhatItDoesNotKnow) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--json"},
        {"--format", "xls", "f.csv"},
        {"--format"},
        {"--force-unit", "KN", "f.csv"},
        {"--force-unit"},
        {"--frobnicate", "f.csv"},
        {"a.csv", "b.csv"},
    };
    for (const auto& args : bad) {
        const auto p = parseOptions(args);
        EXPECT_FALSE(p.options.has_value());
        EXPECT_FALSE(p.error.empty());
    }
}
