// kurvadex-batch option parsing: the names are a contract.
#include "batch/batch_options.h"
#include "batch/batch_run.h"

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
        {"--image", "g.png", "a.csv", "b.csv"},  // one picture, several files
        {"--main", "0", "f.csv"},
        {"--channel", "17", "f.csv"},
        {"--invert", "x", "f.csv"},
        {"--main-axis", "z", "f.csv"},
        {"--smooth", "4", "f.csv"},
        {"--region", "5:5", "f.csv"},
        {"--region", "0:5", "f.csv"},
        {"--region", "5", "f.csv"},
        {"--manual-scale", "0:1", "f.csv"},
        {"--manual-scale", "1:abc", "f.csv"},
        {"--minmax", "5", "f.csv"},
        {"--image"},
        {"--loops", "peaks", "f.csv"},
        {"--out"},
        {"--loops", "zero", "--region", "1:5", "f.csv"},
        {"--approx", "8", "f.csv"},
        {"--approx"},
        {"--wall", "0", "f.csv"},
        {"--wall", "-1.82", "f.csv"},
        {"--wall", "1.82", "--reference", "45", "f.csv"},
        {"--wall-file", "w.txt", "f.csv"},
        {"--dpi", "300", "f.csv"},
        {"--pdf"},
        {"--delimiter", "comma", "f.csv"},  // generic options need --format generic
        {"--format", "generic", "--delimiter", "pipe", "f.csv"},
        {"--format", "generic", "--decimal", "dot", "f.csv"},
        {"--format", "generic", "--encoding", "latin1", "f.csv"},
        {"--format", "generic", "--header-rows", "11", "f.csv"},
        {"--format", "generic", "--units-row", "-1", "f.csv"},
        {"--format", "generic", "--columns", "1,,2", "f.csv"},
        {"--format", "generic", "--columns", "0", "f.csv"},
        {"--format", "generic", "--columns", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17", "f.csv"},
        {"--format", "generic", "--thin", "0", "f.csv"},
        {"--format", "generic", "--thin", "some", "f.csv"},
        {"--save-standard", "s.csv", "a.csv", "b.csv"},
        {"--summary", "s.csv", "a.csv", "b.csv"},  // nothing to summarize without --wall
        {"--alpha", "0", "--wall", "1.82", "a.csv"},
        {"--summarize", "w.csv", "a.csv"},
        {"--report"},
        {"--amplitude-tolerance", "0", "f.csv"},
        {"--amplitude-tolerance", "1.5", "f.csv"},
        {"--cycles", "--loops", "zero", "f.csv"},
    };
    for (const auto& args : bad) {
        const auto p = parseOptions(args);
        EXPECT_FALSE(p.options.has_value());
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(BatchOptions, ParsesTheGraphOptions) {
    const auto p = parseOptions({"--main", "2", "--main-axis", "x", "--channel", "1", "--channel", "3", "--invert", "2",
                                 "--smooth", "15", "--full-scale", "--first-quadrant", "--region", "10:200",
                                 "--manual-scale", "0.005:2.5", "--envelope", "--marks", "--minmax", "1",
                                 "--no-legend", "--image", "g.png", "f.csv"});
    ASSERT_TRUE(p.options.has_value()) << p.error;
    const BatchOptions& o = *p.options;
    EXPECT_EQ(o.mainChannel, 2);
    EXPECT_TRUE(o.mainOnX);
    EXPECT_EQ(o.channels, (std::vector<int>{1, 3}));
    EXPECT_EQ(o.inverted, (std::vector<int>{2}));
    EXPECT_EQ(o.smoothing, 15);
    EXPECT_TRUE(o.fullScale && o.firstQuadrant && o.envelope && o.marks && !o.legend);
    EXPECT_EQ(o.region, (std::pair{10, 200}));
    EXPECT_EQ(o.manualScale, (std::pair{0.005, 2.5}));
    EXPECT_EQ(o.minMax, 1);
    EXPECT_EQ(o.image, "g.png");
}

TEST(BatchOptions, ParsesLoopsAndResultFiles) {
    const auto p = parseOptions({"--loops", "extrema", "--files", "--out", "/tmp/x", "f.csv"});
    ASSERT_TRUE(p.options.has_value()) << p.error;
    EXPECT_EQ(p.options->loops, kvx::plot::LoopJudgment::ExtremaPlus);
    EXPECT_TRUE(p.options->files);
    EXPECT_EQ(p.options->outDirectory, "/tmp/x");
    const auto o = graphOptionsFor(*p.options, 2, "f.csv");
    EXPECT_EQ(o.mode, kvx::plot::DisplayMode::Loop);
    EXPECT_TRUE(o.fileOutput);
}

TEST(BatchOptions, ParsesTheSkeletonOptions) {
    const auto p = parseOptions({"--skeleton", "--approx", "99", "--elasto", "f.csv"});
    ASSERT_TRUE(p.options.has_value()) << p.error;
    const auto o = graphOptionsFor(*p.options, 4, "f.csv");
    EXPECT_TRUE(o.skeleton);
    EXPECT_EQ(o.ApproximationDegree, 99);
    EXPECT_TRUE(o.elastoPlastic);
}

TEST(BatchOptions, ParsesTheGenericTextOptions) {
    const auto p = parseOptions({"--format", "generic", "--delimiter", "semicolon", "--decimal", "comma", "--encoding",
                                 "cp932", "--header-rows", "3", "--names-row", "2", "--units-row", "3", "--columns",
                                 "2,1", "--names", "荷重,変位", "--units", "N,m", "--skip-bad-rows", "--thin", "4",
                                 "--save-standard", "s.csv", "f.txt"});
    ASSERT_TRUE(p.options.has_value()) << p.error;
    const BatchOptions& o = *p.options;
    EXPECT_EQ(o.format, DataFileFormat::Generic);
    EXPECT_EQ(o.generic.delimiter, kvx::data::Delimiter::Semicolon);
    EXPECT_EQ(o.generic.decimal, kvx::data::DecimalMark::Comma);
    EXPECT_EQ(o.generic.encoding, kvx::data::FileEncoding::Cp932);
    EXPECT_EQ(o.generic.headerRows, 3);
    EXPECT_EQ(o.generic.namesRow, 2);
    EXPECT_EQ(o.generic.unitsRow, 3);
    EXPECT_EQ(o.generic.columns, (std::vector<int>{2, 1}));
    EXPECT_EQ(o.generic.names, (std::vector<std::string>{"荷重", "変位"}));
    EXPECT_EQ(o.generic.units, (std::vector<std::string>{"N", "m"}));
    EXPECT_TRUE(o.generic.skipBadRows);
    EXPECT_EQ(o.generic.thinStep, 4);
    EXPECT_EQ(o.saveStandard, "s.csv");
    const auto automatic = parseOptions({"--format", "generic", "--thin", "auto", "f.txt"});
    ASSERT_TRUE(automatic.options);
    EXPECT_EQ(automatic.options->generic.thinStep, 0);

    // Overrides on the detected settings; a header made shorter drops the rows beyond it.
    kvx::data::ImportSettings detected;
    detected.dialect = {kvx::data::Delimiter::Comma, kvx::data::DecimalMark::Point, kvx::data::FileEncoding::Utf8, 4, 3, 4};
    GenericOptions g;
    g.headerRows = 2;
    const auto s = importSettingsFor(g, detected);
    EXPECT_EQ(s.dialect.headerRows, 2);
    EXPECT_EQ(s.dialect.namesRow, 2);
    EXPECT_EQ(s.dialect.unitsRow, 0);
    EXPECT_EQ(importSettingsFor(o.generic, detected).dialect.delimiter, kvx::data::Delimiter::Semicolon);
}

TEST(BatchOptions, ParsesTheSeriesOptions) {
    const auto p = parseOptions({"--wall", "1.82", "--summary", "s.csv", "--alpha", "0.8", "--report", "r.pdf", "a.csv", "b.csv"});
    ASSERT_TRUE(p.options.has_value()) << p.error;
    EXPECT_EQ(p.options->summaryFile, "s.csv");
    EXPECT_EQ(p.options->alpha, 0.8);
    EXPECT_EQ(p.options->reportFile, "r.pdf");
    const auto s = parseOptions({"--summarize", "walls.csv", "--summary", "s.csv"});
    ASSERT_TRUE(s.options.has_value()) << s.error;
    EXPECT_EQ(s.options->summarizeFile, "walls.csv");
    EXPECT_TRUE(s.options->dataFiles.empty());
}

TEST(BatchOptions, ParsesTheCycleOptions) {
    const auto p = parseOptions({"--cycles", "--methods", "--amplitude-tolerance", "0.05", "f.csv"});
    ASSERT_TRUE(p.options.has_value()) << p.error;
    EXPECT_TRUE(p.options->cycles && p.options->methods);
    EXPECT_EQ(p.options->amplitudeTolerance, 0.05);
    EXPECT_EQ(parseOptions({"f.csv"}).options->amplitudeTolerance, 0.1);
}

TEST(BatchOptions, HelpNamesEveryOption) {
    const std::string help = usageText();
    for (const char* option :
         {"--format", "generic", "--delimiter", "--decimal", "--encoding", "--header-rows", "--names-row", "--units-row",
          "--columns", "--names", "--units", "--skip-bad-rows", "--thin", "--save-standard", "--wall-file", "--append",
          "--summary", "--alpha", "--summarize", "--report", "--cycles", "--methods", "--amplitude-tolerance", "--overwrite"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST(BatchOptions, ParsesTheWallOptions) {
    const auto p = parseOptions({"--wall", "0.91", "--reference", "30", "--wall-file", "w.txt", "--append", "f.csv"});
    ASSERT_TRUE(p.options.has_value()) << p.error;
    EXPECT_EQ(p.options->wallLength, "0.91");
    EXPECT_EQ(p.options->reference, 30);
    EXPECT_EQ(p.options->wallFile, "w.txt");
    EXPECT_TRUE(p.options->append);
    EXPECT_TRUE(parseOptions({"--wall", "1.82", "--wall-file", "w.txt", "--overwrite", "f.csv"}).options->overwrite);
    EXPECT_TRUE(graphOptionsFor(*p.options, 4, "f.csv").skeleton);  // the wall needs the skeleton
}
