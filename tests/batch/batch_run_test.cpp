// kurvadex-batch on real files: the JSON keys and values, failures.
#include "batch/batch_run.h"

#include "plot/null_canvas.h"
#include "support/temp_dir.h"
#include "text/cp932.h"
#include "ui/scripted_interaction.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

using namespace kvx::batch;
using kvx::test::TempDir;

namespace {

QJsonObject parse(const std::string& json) {
    QJsonParseError error;
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
    return d.object();
}

/// A push stopped before the load fell: rises to about 19.5 kN at 0.03 rad, no 0.8 Pmax point.
std::string stoppedEarlyRecord() {
    std::string bytes = "1,2\nP,D\n,\nkN,rad\n";
    for (int i = 0; i <= 300; ++i) {
        const double x = 0.03 * i / 300;
        bytes += std::to_string(20 * (1 - std::exp(-x / 0.008))) + "," + std::to_string(x) + "\n";
    }
    return bytes;
}

}  // namespace

TEST(BatchRun, ReportsTheDataSetAsJson) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.file = dir.write("w.csv", " 1CH, 2CH\n\x89\xD7\x8F\x64,D\nLC,DG\nkg,mm\n1,2\n3,4\n5,6\n");
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    ASSERT_EQ(r.exitCode, 0);
    const std::string expected = "{\n  \"file\": \"" + o.file +
                                 "\",\n  \"rows\": 3,\n  \"channels\": 2,\n  \"channel_numbers\": [\n    1,\n    2\n  ],\n"
                                 "  \"names\": [\n    \"荷重\",\n    \"D\"\n  ],\n"
                                 "  \"instruments\": [\n    \"LC\",\n    \"DG\"\n  ],\n"
                                 "  \"units\": [\n    \"kN\",\n    \"mm\"\n  ],\n"
                                 "  \"file_channels\": 2,\n  \"correspondence\": [\n    1,\n    2,\n";
    EXPECT_EQ(r.output.substr(0, expected.size()), expected);
    EXPECT_NE(r.output.find("    16\n  ],\n  \"force_channel\": 0,\n  \"force_factor\": 0.009800000116229057,\n"),
              std::string::npos);
    // Load 5 kgf = 0.049 kN at displacement 6 is the largest Y; the X step for 6 mm centred is 5.
    EXPECT_NE(r.output.find("\"XStep\": 5,"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("\"Ymax_x\": 6,"), std::string::npos);
    EXPECT_NE(r.output.find("\"XTitle\": \"D\""), std::string::npos);
    EXPECT_NE(r.output.find("\"YUnit\": \"kN\""), std::string::npos);
    ASSERT_EQ(ia.shown.size(), 1u);  // the kg -> kN notice
}

TEST(BatchRun, FailedReadExitsNonZeroWithoutOutput) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.file = dir.write("bad.csv", "1\nP\nL\nkN\n1,2\n");
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.output.empty());
    EXPECT_EQ(ia.texts(), std::vector<std::string>{"データエラー 第 5 行"});
}

TEST(BatchRun, GraphRefusalsExitNonZero) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.file = dir.write("w.csv", "1,2,3\nP,D,A\n,,\nkN,mm,rad\n1,2,3\n3,4,5\n");
    o.channels = {2, 3};  // different units
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    EXPECT_EQ(runBatch(o, ia, canvas).exitCode, 1);
    EXPECT_EQ(ia.texts().back(), "表示しようとするデータの単位が一致しておりません");
    o.channels = {2};
    o.region = std::pair{1, 3};  // beyond the two rows
    EXPECT_EQ(runBatch(o, ia, canvas).exitCode, 1);
    EXPECT_EQ(ia.texts().back(), "データ範囲の指定が正しくありません");
}

TEST(BatchRun, OptionsBecomeTheWindowsControls) {
    BatchOptions b;
    b.channels = {3, 5};
    b.inverted = {1};
    b.smoothing = 5;
    b.firstQuadrant = true;
    b.manualScale = std::pair{0.01, 20.0};
    b.minMax = 2;
    b.mainOnX = true;
    b.mainChannel = 2;
    const auto o = graphOptionsFor(b, 6, "w.csv");
    EXPECT_TRUE(o.channelChecked[2] && o.channelChecked[4] && !o.channelChecked[1]);
    EXPECT_TRUE(o.signInverted[0]);
    EXPECT_TRUE(o.smooth);
    EXPECT_EQ(o.SmoothingSize, 5);
    EXPECT_FALSE(o.frame.originCentred);
    EXPECT_FALSE(o.frame.autoScale);
    EXPECT_EQ(o.frame.ManualXStep, 0.01);
    EXPECT_EQ(o.minMax, (std::array<bool, 4>{false, true, false, false}));
    EXPECT_TRUE(o.frame.mainOnX && o.mainOnX);
    EXPECT_EQ(o.frame.mainChannel, 2);
    // Default display channel as the open command checks it.
    EXPECT_TRUE(graphOptionsFor(BatchOptions{}, 1, "").channelChecked[0]);
    EXPECT_TRUE(graphOptionsFor(BatchOptions{}, 4, "").channelChecked[1]);
}

TEST(BatchRun, LoopsGoToJsonAndLoopCsvInTheOutFolder) {
    TempDir dir;
    std::string bytes = "1,2\nP,D\n,\nkN,mm\n";
    for (int i = 0; i < 700; ++i) {
        const double t = 2 * M_PI * (i - 100.5) / 200.0;
        bytes += std::to_string(10 * std::sin(t)) + "," + std::to_string(3 * std::sin(t + 0.3)) + "\n";
    }
    BatchOptions o;
    o.json = true;
    o.file = dir.write("c.csv", bytes);
    o.loops = kvx::plot::LoopJudgment::ZeroLevel;
    o.files = true;
    o.outDirectory = dir.file("out/sub");
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_NE(r.output.find("\"loops\": [\n    {\n      \"from\": 1,\n      \"to\": 101,"), std::string::npos) << r.output;
    const std::string csv = kvx::test::readBytes(dir.file("out/sub/LOOP.CSV"));
    EXPECT_NE(csv.find("\n1,101,"), std::string::npos);
    EXPECT_NE(csv.find("\n102,301,"), std::string::npos);
    EXPECT_NE(csv.find("\n302,501,"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4 + 3);
}

TEST(BatchRun, SkeletonJsonAndFilesMatchTheLabels) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.file = std::string(SAMPLES_DIR) + "/racking-test.csv";
    o.skeleton = true;
    o.elasto = true;
    o.approximation = 7;
    o.files = true;
    o.outDirectory = dir.file("out");
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    ASSERT_EQ(r.exitCode, 0);
    for (const char* key : {"\"skeleton\"", "\"record\"", "\"measured\"", "\"approx\"", "\"elasto\"", "\"labels\"",
                            "\"Pmax\": \"     17.74kN (   0.033rad)\"", "\"coefficients\""})
        EXPECT_NE(r.output.find(key), std::string::npos) << key;
    const std::string elasto = kvx::test::readBytes(dir.file("out/ELASTO.CSV"));
    EXPECT_EQ(std::count(elasto.begin(), elasto.end(), '\n'), 2);
    EXPECT_NE(elasto.find("racking-test.csv,2,1,17.740000,15.710000,16.720000,"), std::string::npos) << elasto;
    const std::string skeleton = kvx::test::readBytes(dir.file("out/SKELTON.CSV"));
    EXPECT_EQ(std::count(skeleton.begin(), skeleton.end(), '\n'), 4 + 300);
}

TEST(BatchRun, WallRowsCollectInOneFile) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.file = std::string(SAMPLES_DIR) + "/racking-test.csv";
    o.wallLength = "1.82";
    o.wallFile = dir.file("walls.txt");
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto first = runBatch(o, ia, canvas);
    ASSERT_EQ(first.exitCode, 0) << (ia.shown.empty() ? "" : ia.shown.back().text);
    EXPECT_NE(first.output.find("\"editor\""), std::string::npos);
    EXPECT_NE(first.output.find("\"Qa_current\": 9.03"), std::string::npos) << first.output;
    EXPECT_NE(first.output.find("\"star_current\": 3"), std::string::npos);
    o.append = true;
    o.wallLength = "0.91";
    ASSERT_EQ(runBatch(o, ia, canvas).exitCode, 0);
    const std::string text = kvx::test::readBytes(dir.file("walls.txt"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 2);  // one header, two rows
    EXPECT_NE(text.find(",    2.53,    3.11\n"), std::string::npos) << text;
    EXPECT_NE(text.find(",    5.06,    6.23\n"), std::string::npos) << text;
}

TEST(BatchRun, ApproximatedCurveIsEvaluatedWhole) {
    // The sample's skeleton has 220 points and the curve's 300 samples reach
    // 0.0664 rad; the editor and the wall once read only the first 220
    // samples (cut at 0.043 rad) and found no 0.8 Pmax point.
    for (int degree : {7, 99}) {
        SCOPED_TRACE(degree);
        BatchOptions o;
        o.json = true;
        o.file = std::string(SAMPLES_DIR) + "/racking-test.csv";
        o.approximation = degree;
        o.wallLength = "1.82";
        kvx::ui::ScriptedInteraction ia;
        kvx::plot::NullCanvas canvas;
        const auto r = runBatch(o, ia, canvas);
        ASSERT_EQ(r.exitCode, 0) << (ia.shown.empty() ? "" : ia.shown.back().text);
        const QJsonObject j = parse(r.output);
        const QJsonArray x = j["skeleton"].toObject()["x"].toArray();
        ASSERT_EQ(x.size(), 300);
        EXPECT_FALSE(j["editor"].toObject().contains("error"));
        EXPECT_GT(j["editor"].toObject()["du"].toDouble(), 0.04);
        const QJsonObject wall = j["wall"].toObject();
        EXPECT_FALSE(wall.contains("error"));
        EXPECT_EQ(wall["gend"].toDouble(), static_cast<double>(static_cast<float>(x[299].toDouble())));
        EXPECT_GT(wall["multiplier_current"].toDouble(), 2.0);
    }
}

TEST(BatchRun, EveryRefusedStageCarriesAnError) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.file = dir.write("early.csv", stoppedEarlyRecord());
    o.skeleton = true;
    o.wallLength = "1.82";
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    EXPECT_EQ(r.exitCode, 1);
    const QJsonObject j = parse(r.output);
    EXPECT_EQ(j["editor"].toObject()["error"].toString(), QStringLiteral("0.8Pmaxの点が見つけられない"));
    EXPECT_FALSE(j["editor"].toObject()["message"].toString().isEmpty());
    const QJsonObject wall = j["wall"].toObject();
    EXPECT_EQ(wall["error"].toString(), QStringLiteral("壁倍率評価"));
    EXPECT_FALSE(wall["message"].toString().isEmpty());
    // What the window would still show beside the refusal stays.
    EXPECT_GT(wall["Pmax"].toDouble(), 19.0);
    EXPECT_TRUE(j["skeleton"].isObject());
}

TEST(BatchRun, CyclesAndCodeMethodsInJsonAndFiles) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.cycles = true;
    o.methods = true;
    o.files = true;
    o.outDirectory = dir.file("out");
    o.file = std::string(SAMPLES_DIR) + "/racking-test.csv";
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    ASSERT_EQ(r.exitCode, 0) << (ia.shown.empty() ? "" : ia.shown.back().text);
    const QJsonObject j = parse(r.output);
    const QJsonArray cycles = j["cycles"].toArray();
    ASSERT_GT(cycles.size(), 5);
    double cumulative = 0;
    for (const auto& value : cycles) {
        const QJsonObject c = value.toObject();
        for (const char* key : {"from", "to", "x_plus", "x_minus", "f_plus", "d_plus", "f_minus", "d_minus", "Ed", "Ed_cum",
                                "Ks", "nu_eq", "level"})
            EXPECT_TRUE(c.contains(key)) << key;
        cumulative += c["Ed"].toDouble();
        EXPECT_NEAR(c["Ed_cum"].toDouble(), cumulative, 1e-9 * cumulative);
    }
    EXPECT_EQ(cycles[0].toObject()["from"].toInt(), 1);
    const QJsonArray levels = j["levels"].toArray();
    ASSERT_FALSE(levels.isEmpty());
    EXPECT_TRUE(levels[0].toObject().contains("dF_plus"));
    const QJsonArray plus = j["envelope"].toObject()["plus"].toArray();
    EXPECT_EQ(plus[0].toArray(), (QJsonArray{0, 0}));
    EXPECT_GT(plus.size(), 2);
    for (const char* method : {"eeep", "en12512"})
        for (const char* side : {"plus", "minus"}) {
            const QJsonObject m = j[method].toObject()[side].toObject();
            EXPECT_TRUE(m.contains("error") || m.contains(QString::fromLatin1(std::string(method) == "eeep" ? "Pyield" : "Fy")))
                << method << side;
        }
    EXPECT_GT(j["eeep"].toObject()["plus"].toObject()["Pyield"].toDouble(), 0);
    // The files: a header and a line per cycle; a row per side and method.
    const std::string cyclesCsv = kvx::test::readBytes(dir.file("out/CYCLES.CSV"));
    EXPECT_EQ(std::count(cyclesCsv.begin(), cyclesCsv.end(), '\n'), 1 + cycles.size());
    const std::string methods = kvx::text::cp932ToUtf8Lossy(kvx::test::readBytes(dir.file("out/METHODS.CSV")));
    EXPECT_EQ(std::count(methods.begin(), methods.end(), '\n'), 1 + 4);
    EXPECT_NE(methods.find("ASTM E2126 EEEP,正,"), std::string::npos) << methods;
    EXPECT_NE(methods.find("EN 12512,負,"), std::string::npos);
}

TEST(BatchRun, AnExistingWallFileIsReplacedOnlyWhenAsked) {
    TempDir dir;
    const std::string previous = "rows of an earlier test series\n";
    BatchOptions o;
    o.file = std::string(SAMPLES_DIR) + "/racking-test.csv";
    o.wallLength = "1.82";
    o.wallFile = dir.write("walls.txt", previous);
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    EXPECT_EQ(runBatch(o, ia, canvas).exitCode, 1);
    EXPECT_EQ(kvx::test::readBytes(o.wallFile), previous);
    EXPECT_EQ(ia.shown.front().caption, "ファイル出力エラー");
    // A series refuses before it evaluates anything.
    o.dataFiles = {o.file, o.file};
    TempDir progressDir;
    std::FILE* progress = std::fopen(progressDir.file("p.txt").c_str(), "w+");
    EXPECT_EQ(runSeries(o, ia, progress).exitCode, 1);
    std::fclose(progress);
    EXPECT_EQ(kvx::test::readBytes(o.wallFile), previous);
    o.dataFiles = {o.file};
    o.overwrite = true;
    EXPECT_EQ(runBatch(o, ia, canvas).exitCode, 0);
    EXPECT_NE(kvx::test::readBytes(o.wallFile), previous);
}

TEST(BatchRun, PlainSummaryShowsTheResultsAsked) {
    BatchOptions o;
    o.file = std::string(SAMPLES_DIR) + "/racking-test.csv";
    o.wallLength = "1.82";
    o.elasto = true;
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    for (const char* expected : {"最大荷重: 正側 Pmax = 17.739 kN", "正側完全弾塑性モデル: Py = ", ", Ds = ",
                                 "負側完全弾塑性モデル: 0.8Pmaxの点が見つけられない", "壁倍率 (新基準): Qa = 9.03",
                                 "壁倍率 (旧基準): Qa = "})
        EXPECT_NE(r.output.find(expected), std::string::npos) << expected << "\n" << r.output;
    // The messages name the side they concern.
    EXPECT_EQ(ia.shown.front().text.rfind("負側: ", 0), 0u) << ia.shown.front().text;
}

TEST(BatchRun, BundledSampleRatesBothSides) {
    // The sample a new user opens first must show every evaluation working:
    // both bilinear models, and the wall of each side (the negative side by
    // inverting the load and the angle, as a lab does).
    for (bool inverted : {false, true}) {
        SCOPED_TRACE(inverted);
        BatchOptions o;
        o.json = true;
        o.elasto = true;
        o.file = BUNDLED_SAMPLE;
        o.wallLength = "1.82";
        if (inverted) o.inverted = {1, 2};
        kvx::ui::ScriptedInteraction ia;
        kvx::plot::NullCanvas canvas;
        const auto r = runBatch(o, ia, canvas);
        ASSERT_EQ(r.exitCode, 0) << (ia.shown.empty() ? "" : ia.shown.back().text);
        EXPECT_TRUE(ia.shown.empty());
        const QJsonObject j = parse(r.output);
        EXPECT_GT(j["elasto"].toObject()["plus"].toObject()["Py"].toDouble(), 5);
        EXPECT_GT(j["elasto"].toObject()["minus"].toObject()["Py"].toDouble(), 5);
        EXPECT_GT(j["wall"].toObject()["multiplier_current"].toDouble(), 1.5);
        EXPECT_NE(r.wallRow.find(inverted ? ",Minus," : ",Plus,"), std::string::npos);
    }
}

TEST(BatchRun, WallNeedsARadRecord) {
    TempDir dir;
    std::string bytes = "1,2\nP,D\n,\nkN,mm\n";
    for (int i = 0; i < 400; ++i) bytes += std::to_string(10 * std::sin(i * 0.05)) + "," + std::to_string(i * 0.01) + "\n";
    BatchOptions o;
    o.json = true;
    o.file = dir.write("mm.csv", bytes);
    o.wallLength = "1.82";
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ia.count("X軸の単位が'rad'でありませんので，壁倍率を評価することはできません"), 1);
    EXPECT_NE(r.output.find("\"error\": \"X軸データエラー\""), std::string::npos);
}

TEST(BatchRun, WideFilesFollowTheMap) {
    TempDir dir;
    std::string bytes;
    for (int line = 0; line < 6; ++line) {
        for (int c = 1; c <= 20; ++c) {
            if (c > 1) bytes += ",";
            if (line == 0) bytes += std::to_string(c);
            else if (line == 1) bytes += "P" + std::to_string(c);
            else if (line == 2) bytes += "";
            else if (line == 3) bytes += c == 1 ? "kN" : "mm";
            else bytes += std::to_string(c * 10 + line);
        }
        bytes += "\n";
    }
    BatchOptions o;
    o.json = true;
    o.file = dir.write("wide.csv", bytes);
    o.map = {3, 19};
    o.channels = {1};
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    ASSERT_EQ(r.exitCode, 0) << (ia.shown.empty() ? "" : ia.shown.back().text);
    EXPECT_NE(r.output.find("\"file_channels\": 20"), std::string::npos);
    EXPECT_NE(r.output.find("\"channel_numbers\": [\n    3,\n    19\n  ],"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("\"channels\": 2,"), std::string::npos);
    o.map = {21};
    EXPECT_EQ(runBatch(o, ia, canvas).exitCode, 1);
    EXPECT_EQ(ia.shown.back().caption, "チャンネル対応エラー");
}

TEST(BatchRun, RealRecordsOpenAsGenericTextLikeTheirConversions) {
    // The published files as they are: no header / names and units rows /
    // metadata rows with bracketed units; the same frame, record values and
    // skeleton as their standard-layout conversions.
    const std::string real = std::string(SHARED_DATA_DIR) + "/real/";
    if (!std::filesystem::exists(real + "clt_rocking_wall_TS1_shear.csv"))
        GTEST_SKIP() << "the lab records are not checked out beside the project";
    struct Case {
        const char* original;
        const char* converted;
        std::vector<int> columns;
        std::vector<std::string> units;
    };
    const Case cases[] = {
        {"clt_rocking_wall_TS1_shear.csv", "clt_rocking_wall_TS1.kvx.csv", {2, 1}, {"N", "m"}},
        {"stone_masonry_wall_sample_test.csv", "stone_masonry_wall.kvx.csv", {2, 3, 1}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.original);
        BatchOptions o;
        o.json = true;
        o.skeleton = true;
        o.elasto = true;
        kvx::ui::ScriptedInteraction ia;
        kvx::plot::NullCanvas canvas;
        o.file = real + c.converted;
        const QJsonObject standard = parse(runBatch(o, ia, canvas).output);
        o.file = real + c.original;
        o.format = kvx::data::DataFileFormat::Generic;
        o.generic.columns = c.columns;
        if (!c.units.empty()) o.generic.units = c.units;
        const QJsonObject generic = parse(runBatch(o, ia, canvas).output);
        ASSERT_FALSE(generic.isEmpty());
        EXPECT_EQ(generic["rows"], standard["rows"]);
        EXPECT_EQ(generic["units"], standard["units"]);
        for (const char* key : {"XStep", "YStep", "XStart", "YStart", "XFormat", "YFormat", "XUnit", "YUnit"})
            EXPECT_EQ(generic["frame"].toObject()[key], standard["frame"].toObject()[key]) << key;
        const QJsonObject gr = generic["record"].toObject(), sr = standard["record"].toObject();
        for (const QString& key : sr.keys())
            EXPECT_NEAR(gr[key].toDouble(), sr[key].toDouble(), 1e-5 * std::fabs(sr[key].toDouble())) << key.toStdString();
        EXPECT_EQ(generic["skeleton"].toObject()["count"], standard["skeleton"].toObject()["count"]);
        EXPECT_EQ(generic["import"].toObject()["step"].toInt(), 1);
        EXPECT_TRUE(generic["import"].toObject()["thinned_from"].isNull());
    }
}

TEST(BatchRun, LongGenericRecordIsThinnedAndSavedAsStandard) {
    TempDir dir;
    std::string bytes = "Force;Disp\n[N];[m]\n";
    for (int i = 0; i < 31000; ++i) {
        const double x = 0.05 * (1 + i / 10000.0) * std::sin(i * 0.01);
        bytes += std::to_string(20000 * std::tanh(x / 0.02)) + ";" + std::to_string(x) + "\n";
    }
    for (char& ch : bytes)
        if (ch == '.') ch = ',';
    BatchOptions o;
    o.json = true;
    o.format = kvx::data::DataFileFormat::Generic;
    o.file = dir.write("long.txt", bytes);
    o.saveStandard = dir.file("long.csv");
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullCanvas canvas;
    const auto r = runBatch(o, ia, canvas);
    ASSERT_EQ(r.exitCode, 0) << (ia.shown.empty() ? "" : ia.shown.back().text);
    const QJsonObject import = parse(r.output)["import"].toObject();
    EXPECT_EQ(import["delimiter"].toString(), QStringLiteral("semicolon"));
    EXPECT_EQ(import["decimal"].toString(), QStringLiteral("comma"));
    EXPECT_EQ(import["header_rows"].toInt(), 2);
    EXPECT_EQ(import["units_from"].toArray()[0].toString(), QStringLiteral("N"));
    EXPECT_EQ(import["units_to"].toArray()[1].toString(), QStringLiteral("mm"));
    EXPECT_EQ(import["factors"].toArray()[0].toDouble(), 0.001);
    EXPECT_EQ(import["rows_in_file"].toInt(), 31000);
    EXPECT_EQ(import["thinned_from"].toInt(), 31000);
    EXPECT_EQ(import["step"].toInt(), 2);
    EXPECT_LE(import["rows_read"].toInt(), 30000);
    EXPECT_EQ(ia.shown.front().caption, "間引き");
    // The saved file reads back as a standard file with the same rows.
    BatchOptions again;
    again.json = true;
    again.file = o.saveStandard;
    const QJsonObject back = parse(runBatch(again, ia, canvas).output);
    EXPECT_EQ(back["rows"].toInt(), import["rows_read"].toInt());
    EXPECT_EQ(back["units"].toArray()[0].toString(), QStringLiteral("kN"));
}

TEST(BatchSeries, EvaluatesEveryFileAndSkipsTheBrokenOne) {
    TempDir dir;
    const std::string sample = kvx::test::readBytes(std::string(SAMPLES_DIR) + "/racking-test.csv");
    BatchOptions o;
    o.json = true;
    o.skeleton = true;
    o.elasto = true;
    o.files = true;
    o.wallLength = "1.82";
    o.wallFile = dir.file("series.csv");
    o.outDirectory = dir.file("out");
    for (int i = 1; i <= 3; ++i) o.dataFiles.push_back(dir.write("wall" + std::to_string(i) + ".csv", sample));
    o.dataFiles.insert(o.dataFiles.begin() + 1, dir.write("broken.csv", "1,2\nP,D\n,\nkN,rad\n1,2,3\n"));
    o.file = o.dataFiles.front();
    kvx::ui::ScriptedInteraction ia;
    kvx::test::TempDir progressDir;
    std::FILE* progress = std::fopen(progressDir.file("progress.txt").c_str(), "w+");
    const auto r = runSeries(o, ia, progress);
    std::fclose(progress);
    EXPECT_EQ(r.exitCode, 1);  // one file failed
    const std::string lines = kvx::test::readBytes(progressDir.file("progress.txt"));
    EXPECT_NE(lines.find("[2/4] " + o.dataFiles[1] + ": 失敗 (データエラー: データエラー 第 5 行)"), std::string::npos) << lines;
    EXPECT_NE(lines.find("[4/4] " + o.dataFiles[3] + ": 完了"), std::string::npos);
    EXPECT_NE(lines.find("シリーズ評価: 4 ファイル中 3 完了, 1 失敗"), std::string::npos);
    // One ELASTO.CSV row and one wall row per evaluated file, under one header each.
    const std::string elasto = kvx::test::readBytes(dir.file("out/ELASTO.CSV"));
    EXPECT_EQ(std::count(elasto.begin(), elasto.end(), '\n'), 1 + 3);
    const std::string walls = kvx::test::readBytes(dir.file("series.csv"));
    EXPECT_EQ(std::count(walls.begin(), walls.end(), '\n'), 2 + 3);
    EXPECT_NE(r.output.find("\"failed\": [\n    {\n      \"file\": \"" + o.dataFiles[1]), std::string::npos) << r.output;
}

namespace {

/// The sample with its load scaled by `strength` and its deformation by `softness`.
std::string sampleVariant(double strength, double softness) {
    const std::string sample = kvx::test::readBytes(std::string(SAMPLES_DIR) + "/racking-test.csv");
    std::string out;
    std::size_t start = 0;
    for (int line = 1; start < sample.size(); ++line) {
        std::size_t end = sample.find('\n', start);
        if (end == std::string::npos) end = sample.size();
        std::string text = sample.substr(start, end - start);
        start = end + 1;
        if (line > 4) {
            const std::size_t c1 = text.find(','), c2 = text.find(',', c1 + 1);
            char scaled[96];
            std::snprintf(scaled, sizeof scaled, "%.6f,%.8f", std::stod(text.substr(0, c1)) * strength,
                          std::stod(text.substr(c1 + 1, c2 - c1 - 1)) * softness);
            text = scaled + text.substr(c2);
        }
        out += text + "\n";
    }
    return out;
}

}  // namespace

TEST(BatchSeries, SummaryOfTheRowsEqualsTheSummaryOfTheWallFile) {
    TempDir dir;
    BatchOptions o;
    o.json = true;
    o.wallLength = "1.82";
    o.alpha = 0.9;
    o.wallFile = dir.file("walls.csv");
    o.summaryFile = dir.file("summary.csv");
    o.dataFiles = {dir.write("w1.csv", sampleVariant(1.0, 1.0)), dir.write("w2.csv", sampleVariant(0.92, 1.1)),
                   dir.write("w3.csv", sampleVariant(1.07, 0.95))};
    o.file = o.dataFiles.front();
    kvx::ui::ScriptedInteraction ia;
    TempDir progressDir;
    std::FILE* progress = std::fopen(progressDir.file("progress.txt").c_str(), "w+");
    const auto r = runSeries(o, ia, progress);
    std::fclose(progress);
    ASSERT_EQ(r.exitCode, 0) << kvx::test::readBytes(progressDir.file("progress.txt"));
    const QJsonObject series = parse(r.output)["series"].toObject();
    const QJsonObject plus = series["plus"].toObject();
    ASSERT_EQ(plus["n"].toInt(), 3) << r.output;
    EXPECT_EQ(plus["alpha"].toDouble(), 0.9);
    EXPECT_EQ(plus["L"].toDouble(), 1.82);
    const QJsonObject py = plus["indices"].toObject()["Py"].toObject();
    EXPECT_EQ(py["values"].toArray().size(), 3);
    EXPECT_NEAR(py["k"].toDouble(), 0.4714, 1e-4);
    EXPECT_NEAR(plus["Pa"].toDouble(), plus["P0"].toDouble() * 0.9, 1e-12);
    EXPECT_NEAR(plus["multiplier"].toDouble(), plus["Pa"].toDouble() / (1.96 * 1.82), 1e-12);
    EXPECT_TRUE(series["minus"].toObject().contains("error"));  // no Minus rows
    // The stronger specimen has the larger Py: the values follow the records.
    const QJsonArray values = py["values"].toArray();
    EXPECT_LT(values[1].toDouble(), values[0].toDouble());
    EXPECT_GT(values[2].toDouble(), values[0].toDouble());
    EXPECT_FALSE(kvx::test::readBytes(o.summaryFile).empty());

    // The same set read back from the wall result file.
    BatchOptions again;
    again.json = true;
    again.summarizeFile = o.wallFile;
    again.wallLength = "1.82";
    again.alpha = 0.9;
    const auto back = runSummarize(again, ia);
    ASSERT_EQ(back.exitCode, 0);
    const QJsonObject fromFile = parse(back.output);
    EXPECT_EQ(fromFile["rows"].toInt(), 3);
    EXPECT_EQ(fromFile["series"].toObject()["plus"], series["plus"]);
}

TEST(BatchSeries, KeepsThePartialResultOfALateRefusal) {
    TempDir dir;
    const std::string sample = kvx::test::readBytes(std::string(SAMPLES_DIR) + "/racking-test.csv");
    BatchOptions o;
    o.json = true;
    o.skeleton = true;
    o.wallLength = "1.82";
    o.dataFiles = {dir.write("a.csv", sample), dir.write("early.csv", stoppedEarlyRecord()),
                   dir.write("broken.csv", "1,2\nP,D\n,\nkN,rad\n1,2,3\n")};
    o.file = o.dataFiles.front();
    kvx::ui::ScriptedInteraction ia;
    TempDir progressDir;
    std::FILE* progress = std::fopen(progressDir.file("progress.txt").c_str(), "w+");
    const auto r = runSeries(o, ia, progress);
    std::fclose(progress);
    EXPECT_EQ(r.exitCode, 1);
    const QJsonObject j = parse(r.output);
    const QJsonArray results = j["results"].toArray();
    ASSERT_EQ(results.size(), 2);  // the unreadable file has nothing to keep
    const QJsonObject early = results[1].toObject();
    EXPECT_EQ(early["file"].toString().toStdString(), o.dataFiles[1]);
    EXPECT_TRUE(early["skeleton"].isObject());
    EXPECT_TRUE(early["record"].isObject());
    EXPECT_EQ(early["editor"].toObject()["error"].toString(), QStringLiteral("0.8Pmaxの点が見つけられない"));
    const QJsonArray failed = j["failed"].toArray();
    ASSERT_EQ(failed.size(), 2);
    EXPECT_EQ(failed[0].toObject()["file"].toString().toStdString(), o.dataFiles[1]);
    EXPECT_FALSE(failed[0].toObject()["message"].toString().isEmpty());
    EXPECT_EQ(failed[1].toObject()["file"].toString().toStdString(), o.dataFiles[2]);
}
