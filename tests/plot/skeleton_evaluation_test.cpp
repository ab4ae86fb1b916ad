// The skeleton evaluation: order of steps, hand-off, files, drawing, the model.
#include "plot/skeleton_evaluation.h"

#include "plot/recording_canvas.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx::plot;
using kvx::test::TempDir;
using kvx::ui::ScriptedInteraction;
using Op = RecordingCanvas::Op;

namespace {

struct Evaluation {
    RecordingCanvas canvas;
    ScriptedInteraction ia;
    NullSkeletonHost host;
    SkeletonState state;
    GraphFrame frame;
    kvx::analysis::ElastoFile elasto;
};

SkeletonOptions options(const std::string& dir) {
    SkeletonOptions o;
    o.xName = "D";
    o.yName = "P";
    o.units = {"kN", "mm"};
    o.resultDirectory = dir;
    o.dataFileName = dir + "wall.csv";
    o.xChannel = 2;
    o.yChannel = 1;
    return o;
}

void run(Evaluation& e, std::span<const double> x, std::span<const double> y, const SkeletonOptions& o) {
    runSkeletonEvaluation(x, y, o, e.state, e.canvas, FrameMapping{e.frame, {}}, e.ia, e.host,
                          e.elasto.isOpen() ? &e.elasto : nullptr);
}

// A racking record in rad: three growing cycles, then a push past the peak.
void rackingRecord(std::vector<double>& x, std::vector<double>& y) {
    const auto load = [](double g) {
        const double a = std::fabs(g), s = g < 0 ? -1 : 1;
        double p = 20 * (1 - std::exp(-a / 0.01));
        if (a > 0.04) p -= 5000 * (a - 0.04) * (a - 0.04);
        return s * p;
    };
    for (double amp : {0.005, 0.01, 0.02, 0.03})
        for (int i = 0; i < 200; ++i) {
            const double g = amp * std::sin(2 * M_PI * i / 200);
            x.push_back(g);
            // Loading branches (growing magnitude) carry the full load, unloading 60 %.
            const double growing = std::sin(2 * M_PI * i / 200) * std::cos(2 * M_PI * i / 200);
            y.push_back(load(g) * (growing >= 0 ? 1.0 : 0.6));
        }
    for (int i = 0; i <= 300; ++i) x.push_back(i * 0.0003), y.push_back(load(i * 0.0003));
    for (int i = 0; i <= 300; ++i) x.push_back(-i * 0.0003), y.push_back(load(-i * 0.0003));
}

}  // namespace

TEST(SkeletonEvaluation, SkeletonCsvByteForByte) {
    TempDir dir;
    Evaluation e;
    const std::vector<double> x{0, 1, 2, 3}, y{0, 10, 20, 25};
    SkeletonOptions o = options(dir.dir());
    o.fileOutput = true;
    ASSERT_TRUE(e.elasto.open(dir.dir()));
    run(e, x, y, o);
    EXPECT_EQ(kvx::test::readBytes(dir.file("SKELTON.CSV")),
              "1CH,2Ch\nP,D\n,\nkN,mm\n"
              "       0.000000,       0.000000\n"
              "      10.000000,       1.000000\n"
              "      20.000000,       2.000000\n"
              "      25.000000,       3.000000\n");
    EXPECT_EQ(e.ia.texts().front(), "骨格曲線データSkelton.csvに出力しました");
    EXPECT_EQ(e.ia.shown.front().caption, "骨格曲線データファイル出力");
    EXPECT_TRUE(e.host.fileOutputCleared);
    // The ELASTO.CSV row: path, channels, the record values as displayed.
    e.elasto.close();
    const std::string elasto = kvx::test::readBytes(dir.file("ELASTO.CSV"));
    EXPECT_NE(elasto.find("\n" + dir.dir() + "wall.csv,2,1,25.000000,"), std::string::npos) << elasto;
    // Drawn in black, two pixels wide, through the four points.
    int black = 0;
    for (const auto& c : e.canvas.of(Op::LineTo)) black += c.pen.color == kBlack && c.pen.width == 2;
    EXPECT_EQ(black, 3);
}

TEST(SkeletonEvaluation, ApproximationStoresThreeHundredSamples) {
    TempDir dir;
    std::vector<double> x, y;
    rackingRecord(x, y);
    for (int degree : {7, 99}) {
        SCOPED_TRACE(degree);
        Evaluation e;
        SkeletonOptions o = options(dir.dir());
        o.units = {"kN", "rad"};
        o.fileOutput = true;
        o.approximationDegree = degree;
        run(e, x, y, o);
        EXPECT_TRUE(e.state.curve.approximated);
        // The store is evaluated whole by the editor and the wall: its count
        // is the samples', the skeleton's own count is kept beside it.
        EXPECT_EQ(e.state.curve.count, 300);
        EXPECT_GT(e.state.curve.skeletonPoints, 0);
        EXPECT_LT(e.state.curve.skeletonPoints, 302);
        const std::string csv = kvx::test::readBytes(dir.file("SKELTON.CSV"));
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4 + 300);
        EXPECT_EQ(e.state.coefficientRows.size(), degree == 99 ? 5u : 8u);
        // The samples stop one step short of the last skeleton point.
        const double last = e.state.curve.X[299];
        EXPECT_LT(last, e.state.record.MaxD);
        EXPECT_FALSE(e.state.labels.text("APP120").empty());
    }
}

TEST(SkeletonEvaluation, EditorAndWallEndBeforeDrawingAndFiles) {
    TempDir dir;
    Evaluation e;
    std::vector<double> x, y;
    rackingRecord(x, y);
    SkeletonOptions o = options(dir.dir());
    o.editSkeleton = true;
    o.wallEvaluation = true;
    o.fileOutput = true;
    run(e, x, y, o);
    EXPECT_TRUE(e.host.editorShown);
    EXPECT_FALSE(e.host.wallButton);
    EXPECT_TRUE(e.canvas.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("SKELTON.CSV")));
    EXPECT_FALSE(e.host.fileOutputCleared);
    EXPECT_GT(e.state.curve.count, 0);  // the editor gets the skeleton
    // Without the wall option the evaluation goes on after opening the editor.
    Evaluation g;
    o.wallEvaluation = false;
    o.fileOutput = false;
    run(g, x, y, o);
    EXPECT_TRUE(g.host.editorShown);
    EXPECT_FALSE(g.canvas.calls.empty());
}

TEST(SkeletonEvaluation, ElastoPlasticModelOfBothSides) {
    TempDir dir;
    std::vector<double> x, y;
    rackingRecord(x, y);
    Evaluation e;
    SkeletonOptions o = options(dir.dir());
    o.units = {"kN", "rad"};
    o.elastoPlastic = true;
    run(e, x, y, o);
    ASSERT_TRUE(e.state.plus && e.state.plus->model);
    ASSERT_TRUE(e.state.minus && e.state.minus->model) << (e.state.minus ? e.state.minus->failure.caption : "none");
    EXPECT_TRUE(e.host.characteristicsShown);
    EXPECT_FALSE(e.state.labels.text("PK").empty());
    EXPECT_FALSE(e.state.labels.text("MDu").empty());
    int green = 0;
    for (const auto& c : e.canvas.of(Op::Polyline)) green += c.pen.color == Rgb{0, 128, 0};
    EXPECT_EQ(green, 2);
    // First quadrant: the negative side is not evaluated and keeps its texts.
    Evaluation q;
    q.state.labels.set("MPK", "older");
    o.firstQuadrant = true;
    run(q, x, y, o);
    EXPECT_FALSE(q.state.minus.has_value());
    EXPECT_EQ(q.state.labels.text("MPK"), "older");
}

TEST(SkeletonEvaluation, EarlyStoppedTestIsToldAndKeepsTheLabels) {
    TempDir dir;
    // Rising only: no fall to 0.8 Pmax after the peak.
    std::vector<double> x, y;
    for (int i = 0; i <= 200; ++i) x.push_back(i * 0.0002), y.push_back(20 * (1 - std::exp(-i * 0.0002 / 0.01)));
    Evaluation e;
    e.state.labels.set("PK", "older");
    SkeletonOptions o = options(dir.dir());
    o.elastoPlastic = true;
    o.firstQuadrant = true;
    run(e, x, y, o);
    ASSERT_EQ(e.ia.shown.size(), 1u);
    EXPECT_EQ(e.ia.shown[0].caption, "0.8Pmaxの点が見つけられない");
    EXPECT_EQ(e.ia.shown[0].icon, kvx::ui::Icon::Exclamation);
    EXPECT_EQ(e.state.labels.text("PK"), "older");
}

TEST(SkeletonEvaluation, UncreatableSkeletonCsvIsTold) {
    Evaluation e;
    SkeletonOptions o = options("/nonexistent/dir/");
    o.fileOutput = true;
    const std::vector<double> x{0, 1, 2, 3}, y{0, 10, 20, 25};
    run(e, x, y, o);
    ASSERT_FALSE(e.ia.shown.empty());
    EXPECT_EQ(e.ia.shown[0].caption, "ファイル出力エラー");
    EXPECT_EQ(e.ia.count("骨格曲線データSkelton.csvに出力しました"), 0);
}

TEST(SkeletonEvaluation, FlatRecordGivesAnEmptySkeleton) {
    TempDir dir;
    Evaluation e;
    const std::vector<double> x(10, 0.0), y(10, 1.0);
    run(e, x, y, options(dir.dir()));
    EXPECT_EQ(e.state.curve.count, 0);
}
