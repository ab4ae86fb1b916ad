// The cycle evaluation's texts, small plots and overlay: readable numbers,
// the comparison of methods with refusals and marks, points where the axes
// say they are, and nothing outside a plot's box.
#include "plot/cycle_plots.h"

#include "plot/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

using namespace kvx::plot;
using kvx::analysis::Cycle;
using kvx::analysis::CycleAnalysis;
using Op = RecordingCanvas::Op;

namespace {

Cycle cycle(int from, int to, double amplitude, double load, double Ed, double cumulative, std::optional<double> Ks,
            std::optional<double> nu, int level) {
    Cycle c;
    c.from = from, c.to = to;
    c.xPlus = amplitude, c.xMinus = -amplitude;
    c.fPlus = load, c.dPlus = amplitude, c.fMinus = -load, c.dMinus = -amplitude;
    c.Ed = Ed, c.EdCumulative = cumulative;
    c.Ks = Ks, c.nuEq = nu;
    c.level = level;
    return c;
}

// Four cycles at two amplitudes: cumulative energy 1, 2, 3, 4; stiffness and damping at 0.01 and 0.02 rad.
CycleAnalysis fourCycles() {
    CycleAnalysis a;
    a.cycles = {cycle(0, 78, 0.01, 10, 1, 1, 1000, 0.1, 1), cycle(78, 150, 0.01, 9, 1, 2, 800, 0.1, 1),
                cycle(150, 230, 0.02, 15, 1, 3, 600, 0.2, 2), cycle(230, 300, 0.02, 14, 1, 4, std::nullopt, std::nullopt, 2)};
    return a;
}

const CycleUnits kRad{"kN", "rad"};

std::vector<RecordingCanvas::Call> textsEqual(const RecordingCanvas& c, const std::string& text) {
    std::vector<RecordingCanvas::Call> out;
    for (const auto& call : c.of(Op::TextOut))
        if (call.text == text) out.push_back(call);
    return out;
}

Pixel centre(const RecordingCanvas::Call& ellipse) {
    return {(ellipse.points[0].x + ellipse.points[1].x - 1) / 2, (ellipse.points[0].y + ellipse.points[1].y - 1) / 2};
}

void expectInside(const RecordingCanvas& c, ChartBox box) {
    const int right = box.topLeft.x + box.size.width, bottom = box.topLeft.y + box.size.height;
    for (const auto& call : c.calls) {
        for (const Pixel& p : call.points) {
            EXPECT_GE(p.x, box.topLeft.x) << call.text;
            EXPECT_GE(p.y, box.topLeft.y) << call.text;
            EXPECT_LE(p.x, right) << call.text;
            EXPECT_LE(p.y, bottom) << call.text;
        }
        if (call.op == Op::TextOut) {
            const PixelSize e = c.textExtent(call.text, TextEncoding::Utf8);
            EXPECT_LE(call.points[0].x + e.width, right) << call.text;
            EXPECT_LE(call.points[0].y + e.height, bottom) << call.text;
        }
    }
}

}  // namespace

TEST(SignificantText, ShowsEveryValueWithItsDigits) {
    struct Case {
        const char* name;
        double value;
        const char* text;
    };
    // From the sample record's first cycle (CYCLES.CSV: 0.002222, 1741.697645, 0.001063).
    const Case cases[] = {{"small angle", 0.00222152, "0.002222"},
                          {"negative angle", -0.00222215, "-0.002222"},
                          {"stiffness", 1741.6976, "1742"},
                          {"load", 17.739, "17.74"},
                          {"energy in kN·rad", 0.00106259, "0.001063"},
                          {"large energy in kN·mm", 5286.98, "5287"},
                          {"below a millionth", 3.2e-7, "0.0000003200"},
                          {"tiny", 1e-12, "1.000e-12"},
                          {"zero", 0.0, "0"},
                          {"not a number", NAN, "-"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(significantText(c.value), c.text);
    }
}

TEST(SignificantText, NeverRoundsARealValueAway) {
    for (int e = -8; e <= 5; ++e) {
        for (const double m : {1.0, 1.23456, 4.99999, 9.87654}) {
            const double v = m * std::pow(10.0, e);
            const std::string t = significantText(v, 4);
            SCOPED_TRACE(t);
            EXPECT_NEAR(std::strtod(t.c_str(), nullptr), v, std::fabs(v) * 5e-4);
        }
    }
}

TEST(CycleTable, RowsHoldTheCycleAndBlankMissingValues) {
    const CycleAnalysis a = fourCycles();
    const auto headings = cycleHeadings(kRad);
    ASSERT_EQ(headings.size(), 13u);
    EXPECT_EQ(headings[3], "X⁺ [rad]");
    EXPECT_EQ(headings[9], "E_d [kN·rad]");
    EXPECT_EQ(headings[11], "K_s [kN/rad]");

    const auto first = cycleRowTexts(a.cycles[0], 0);
    EXPECT_EQ(first[0], "1");
    EXPECT_EQ(first[1], "1～78");  // rows from 1, the last one inclusive
    EXPECT_EQ(first[2], "1");
    EXPECT_EQ(first[3], "0.01000");
    EXPECT_EQ(first[4], "-0.01000");
    EXPECT_EQ(first[11], "1000");
    EXPECT_EQ(first[12], "0.100");
    const auto last = cycleRowTexts(a.cycles[3], 3);
    EXPECT_EQ(last[0], "4");
    EXPECT_EQ(last[11], "");
    EXPECT_EQ(last[12], "");
}

TEST(CycleTable, TextHasTheHeadingsAndATabSeparatedLinePerCycle) {
    const std::string t = cycleTableText(fourCycles(), kRad);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < t.size();) {
        const std::size_t end = t.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(t.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("番号\t行\tレベル\tX⁺ [rad]", 0), 0u);
    EXPECT_EQ(lines[1].rfind("1\t1～78\t1\t0.01000\t", 0), 0u);
    for (const auto& l : lines) EXPECT_EQ(std::count(l.begin(), l.end(), '\t'), 12) << l;
    EXPECT_EQ(lines[4].substr(lines[4].size() - 2), "\t\t");  // K_s and ν_eq left blank
}

TEST(LevelTable, StrengthLossInPercentOnlyWithAThirdCycle) {
    kvx::analysis::Level three;
    three.xPlus = 0.00222152, three.xMinus = -0.00222215, three.cycles = 3;
    three.F1plus = 3.96098, three.F3plus = 3.75813, three.dFplus = 0.051212;
    three.F1minus = -3.77855, three.F3minus = -3.59918, three.dFminus = 0.047471;
    const auto t = levelRowTexts(three, 0);
    EXPECT_EQ(t, (std::vector<std::string>{"1", "0.002222", "-0.002222", "3", "3.961", "3.758", "5.12", "-3.779",
                                           "-3.599", "4.75"}));
    kvx::analysis::Level one;
    one.xPlus = 0.02, one.xMinus = -0.02, one.cycles = 1, one.F1plus = 14.25, one.F1minus = -13.69;
    const auto u = levelRowTexts(one, 6);
    EXPECT_EQ(u[0], "7");
    EXPECT_EQ(u[5], "");
    EXPECT_EQ(u[6], "");
    EXPECT_EQ(levelHeadings(kRad)[6], "ΔF⁺ [%]");
}

namespace {

kvx::analysis::ElastoResult model(double Py, double xc, float du, double dv, double Pu) {
    kvx::analysis::ElastoPlastic m;
    m.Py = Py, m.xc = xc, m.du = du, m.dv = dv, m.Pu = Pu;
    return {m, {}};
}

kvx::analysis::CodeEvaluation codes() {
    kvx::analysis::CodeEvaluation e;
    kvx::analysis::Eeep plus;
    plus.Pyield = 16.13, plus.dyield = 0.01025, plus.du = 0.06026, plus.mu = 5.881;
    e.eeepPlus.value = plus;
    e.eeepMinus.error = "振幅レベルの点が 1 点しかありません（2 点以上が必要です）";
    kvx::analysis::En12512 en;
    en.Fy = 12.81, en.vy = 0.008419, en.vu = 0.02, en.D = 2.376, en.vuAtLastPoint = true;
    e.enPlus.value = en;
    e.enMinus.value = en;
    return e;
}

}  // namespace

TEST(MethodComparison, RowsPerMethodWithRefusalsAndMarks) {
    // Py 10.1, δy 0.0068, δu 0.0603, δv 0.0107: μ = 5.626, Ds = 1/√(2μ − 1) = 1/√10.25 = 0.3123.
    const auto plus = model(10.124, 0.006782, 0.0603f, 0.010719, 16.0);
    kvx::analysis::ElastoResult refused;
    refused.failure = {"最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.\n該当する点を追加してください．",
                       "0.8Pmaxの点が見つけられない", false};
    const MethodComparison c = compareMethods(plus, refused, nullptr, codes());
    ASSERT_EQ(c.rows.size(), 3u);
    EXPECT_EQ(c.rows[0].method, "日本 (完全弾塑性)");
    EXPECT_EQ(c.rows[1].method, "ASTM E2126 (EEEP)");
    EXPECT_EQ(c.rows[2].method, "EN 12512");

    const MethodSide& jp = c.rows[0].sides[0];
    const std::vector<std::string> jpCells = {comparisonCell(jp, kYieldLoad),   comparisonCell(jp, kYieldDeformation),
                                              comparisonCell(jp, kUltimateDeformation), comparisonCell(jp, kDuctility),
                                              comparisonCell(jp, kUltimateLoad), comparisonCell(jp, kDs)};
    EXPECT_EQ(jpCells, (std::vector<std::string>{"10.12", "0.006782", "0.06030", "5.63", "16.00", "0.312"}));
    EXPECT_EQ(singleLine(c.rows[0].sides[1].message),
              "最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.該当する点を追加してください．");
    EXPECT_EQ(comparisonCell(c.rows[0].sides[1], kYieldLoad), "");

    // The codes have neither Pu nor Ds; a refused side shows its message only.
    EXPECT_EQ(comparisonCell(c.rows[1].sides[0], kYieldLoad), "16.13");
    EXPECT_EQ(comparisonCell(c.rows[1].sides[0], kUltimateLoad), "");
    EXPECT_EQ(comparisonCell(c.rows[1].sides[0], kDs), "");
    EXPECT_EQ(c.rows[1].sides[1].message, "振幅レベルの点が 1 点しかありません（2 点以上が必要です）");
    EXPECT_EQ(comparisonCell(c.rows[2].sides[1], kUltimateDeformation), "0.02000*");
    EXPECT_EQ(comparisonCell(c.rows[2].sides[1], kDuctility), "2.38");
    ASSERT_EQ(c.notes.size(), 1u);
    EXPECT_EQ(c.notes[0].rfind("* ", 0), 0u);
}

TEST(MethodComparison, UnevaluatedSidesEditorRowAndSmallDuctility) {
    // μ = 0.0004 / 0.001 = 0.4: no Ds.
    const auto low = model(5, 0.001, 0.0004f, 0.001, 4);
    kvx::analysis::EditorEvaluation editor;
    editor.Py = 9.5, editor.gy = 0.0065, editor.du = 0.059f, editor.mu = 5.4, editor.Pu = 15.5, editor.Ds = 0.32;
    auto withFallback = codes();
    withFallback.eeepPlus.value->pyieldFallback = true;
    withFallback.enPlus.value->vuAtLastPoint = false;
    withFallback.enMinus.error = "最大荷重が正になりません";
    withFallback.enMinus.value.reset();
    const MethodComparison c = compareMethods(low, std::nullopt, &editor, withFallback);
    ASSERT_EQ(c.rows.size(), 4u);
    EXPECT_EQ(comparisonCell(c.rows[0].sides[0], kDuctility), "0.400");
    EXPECT_EQ(comparisonCell(c.rows[0].sides[0], kDs), "");
    EXPECT_NE(c.rows[0].sides[1].message.find("評価していません"), std::string::npos);
    EXPECT_EQ(c.rows[1].method, "日本 (骨格編集)");
    EXPECT_EQ(comparisonCell(c.rows[1].sides[0], kDs), "0.320");
    EXPECT_FALSE(c.rows[1].sides[1].message.empty());
    EXPECT_EQ(comparisonCell(c.rows[2].sides[0], kYieldLoad), "16.13†");
    ASSERT_EQ(c.notes.size(), 1u);  // no side left at its last point
    EXPECT_EQ(c.notes[0].rfind("† ", 0), 0u);
    EXPECT_EQ(comparisonHeadings(kRad)[0], "降伏耐力 [kN]");
    EXPECT_EQ(comparisonHeadings({"kN", "mm"})[2], "終局変形 [mm]");
}

TEST(CyclePlot, PointsStandWhereTheAxesSay) {
    struct Case {
        const char* name;
        CyclePlot plot;
        std::vector<std::pair<std::string, std::string>> atTicks;  // (x tick, y tick) of each point
    };
    const CycleAnalysis a = fourCycles();
    const Case cases[] = {{"energy", cumulativeEnergyPlot(a, kRad), {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}}},
                          {"stiffness", secantStiffnessPlot(a, kRad),
                           {{"0.010", "1000"}, {"0.010", "800"}, {"0.020", "600"}}},
                          {"damping", dampingPlot(a, kRad), {{"0.010", "0.10"}, {"0.010", "0.10"}, {"0.020", "0.20"}}}};
    const ChartBox box{{20, 30}, {340, 230}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas;
        drawCyclePlot(canvas, c.plot, box);
        const auto circles = canvas.of(Op::Ellipse);
        ASSERT_EQ(circles.size(), c.atTicks.size());
        const int lineHeight = canvas.charHeight;
        for (std::size_t i = 0; i < circles.size(); ++i) {
            const auto& [xTick, yTick] = c.atTicks[i];
            SCOPED_TRACE(xTick + " " + yTick);
            // Y tick labels are centred on their grid line, X ones below theirs.
            const auto xs = textsEqual(canvas, xTick), ys = textsEqual(canvas, yTick);
            ASSERT_FALSE(xs.empty());
            ASSERT_FALSE(ys.empty());
            const auto& yLabel = *std::min_element(ys.begin(), ys.end(),
                                                   [](const auto& p, const auto& q) { return p.points[0].x < q.points[0].x; });
            const auto& xLabel = *std::max_element(xs.begin(), xs.end(),
                                                   [](const auto& p, const auto& q) { return p.points[0].y < q.points[0].y; });
            const Pixel at = centre(circles[i]);
            EXPECT_NEAR(at.y, yLabel.points[0].y + lineHeight / 2, 1);
            EXPECT_NEAR(at.x, xLabel.points[0].x + static_cast<int>(xTick.size()) * canvas.charWidth / 2, 4);
        }
        EXPECT_EQ(textsEqual(canvas, c.plot.title).size(), 1u);
        EXPECT_EQ(textsEqual(canvas, c.plot.xLabel).size(), 1u);
        expectInside(canvas, box);
    }
}

TEST(CyclePlot, EnergyIsJoinedInCycleOrder) {
    RecordingCanvas canvas;
    drawCyclePlot(canvas, cumulativeEnergyPlot(fourCycles(), kRad), {{0, 0}, {300, 200}});
    std::vector<RecordingCanvas::Call> joined;
    for (const auto& p : canvas.of(Op::Polyline))
        if (p.pen.color == cumulativeEnergyPlot(fourCycles(), kRad).color) joined.push_back(p);
    ASSERT_EQ(joined.size(), 1u);
    ASSERT_EQ(joined[0].points.size(), 4u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_GT(joined[0].points[i].x, joined[0].points[i - 1].x);
        EXPECT_LT(joined[0].points[i].y, joined[0].points[i - 1].y);  // rising energy: upwards
    }
    RecordingCanvas scatter;
    drawCyclePlot(scatter, secantStiffnessPlot(fourCycles(), kRad), {{0, 0}, {300, 200}});
    for (const auto& p : scatter.of(Op::Polyline)) EXPECT_NE(p.pen.color, secantStiffnessPlot(fourCycles(), kRad).color);
}

TEST(CyclePlot, StaysInsideSmallBoxesAndSaysWhenThereIsNothing) {
    struct Case {
        const char* name;
        CyclePlot plot;
        ChartBox box;
    };
    CyclePlot longTitle = secantStiffnessPlot(fourCycles(), {"kN", "mm"});
    longTitle.title += std::string(40, 'x');
    CyclePlot wide = cumulativeEnergyPlot(fourCycles(), kRad);
    for (auto& [x, y] : wide.points) y *= 123456.0;  // wide tick labels
    const Case cases[] = {{"long title", longTitle, {{5, 5}, {200, 150}}},
                          {"wide ticks", wide, {{0, 0}, {160, 120}}},
                          {"tiny box", cumulativeEnergyPlot(fourCycles(), kRad), {{10, 10}, {60, 40}}},
                          {"no cycles", cumulativeEnergyPlot(CycleAnalysis{}, kRad), {{0, 0}, {300, 200}}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas;
        drawCyclePlot(canvas, c.plot, c.box);
        expectInside(canvas, c.box);
    }
    RecordingCanvas none;
    drawCyclePlot(none, dampingPlot(CycleAnalysis{}, kRad), {{0, 0}, {300, 200}});
    EXPECT_EQ(textsEqual(none, "サイクルがありません").size(), 1u);
    EXPECT_TRUE(none.of(Op::Ellipse).empty());
}

TEST(CodeOverlay, DrawsTheEnvelopeAndBothBilinearCurvesThroughTheMapping) {
    GraphFrame frame;
    frame.XStart = -0.1, frame.XStep = 0.05, frame.YStart = -20, frame.YStep = 10;
    const FrameMapping mapping{frame, {}};
    kvx::analysis::CodeEvaluation e = codes();
    e.envelope.plus = {{0, 0}, {0.01, 10}, {0.02, 15}, {0.03, 12}};
    e.envelope.minus = {{0, 0}, {-0.01, -9}, {-0.02, -12.81 / 0.8}};
    e.enPlus.value->Fmax = e.enMinus.value->Fmax = 16;
    e.enPlus.value->k1 = e.enMinus.value->k1 = 1500;
    e.enPlus.value->v01 = e.enMinus.value->v01 = 0.001;
    e.enPlus.value->vt = e.enMinus.value->vt = 0.02;
    e.enPlus.value->Ft = e.enMinus.value->Ft = 15;

    RecordingCanvas c;
    drawCodeOverlay(c, mapping, e, true, true);
    const auto lines = c.of(Op::Polyline);
    std::vector<RecordingCanvas::Call> envelope, eeep, en;
    for (const auto& l : lines) {
        EXPECT_EQ(l.pen.width, 2);
        (l.pen.color == kEnvelopeOverlay ? envelope : l.pen.color == kEeepOverlay ? eeep : en).push_back(l);
    }
    ASSERT_EQ(envelope.size(), 2u);
    EXPECT_EQ(envelope[0].points[2], mapping.toPixel(0.02, 15));
    EXPECT_EQ(envelope[1].points[1], mapping.toPixel(-0.01, -9));
    ASSERT_EQ(eeep.size(), 1u);  // the negative side was refused
    EXPECT_EQ(eeep[0].points, (std::vector<Pixel>{mapping.toPixel(0, 0), mapping.toPixel(0.01025, 16.13),
                                                  mapping.toPixel(0.06026, 16.13)}));
    ASSERT_EQ(en.size(), 2u);
    EXPECT_EQ(en[0].pen.color, kEnOverlay);
    // Line I meets the axis at v01 − 0.1 Fmax/k1 = 0.001 − 1.6/1500.
    EXPECT_EQ(en[1].points[0], mapping.toPixel(-(0.001 - 1.6 / 1500), 0));
    EXPECT_EQ(en[1].points[1], mapping.toPixel(-0.008419, -12.81));
    // The ultimate point: at the envelope's last point (vu = 0.02, F = 16) on both sides here.
    const auto circles = c.of(Op::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    const Pixel expected = mapping.toPixel(-0.02, -12.81 / 0.8);
    EXPECT_EQ(centre(circles[1]), expected);

    RecordingCanvas onlyEnvelope;
    drawCodeOverlay(onlyEnvelope, mapping, e, true, false);
    EXPECT_EQ(onlyEnvelope.of(Op::Polyline).size(), 2u);
    EXPECT_TRUE(onlyEnvelope.of(Op::Ellipse).empty());
    RecordingCanvas nothing;
    drawCodeOverlay(nothing, mapping, e, false, false);
    EXPECT_TRUE(nothing.calls.empty());
}

TEST(SameRecord, TellsTheSkeletonsRecordFromAnotherChannelsGraph) {
    const std::vector<double> x = {0, 0.01, 0.02, 0.01, 0, -0.01, -0.02, -0.01, 0};
    const std::vector<double> y = {0, 8, 12, 5, 0, -7, -11, -4, 0};
    kvx::analysis::CharacteristicLabels labels;
    const auto evaluated = kvx::analysis::recordValues(x, y, {"kN", "rad"}, labels);
    EXPECT_TRUE(sameRecord(evaluated, x, y));
    // Another displacement channel under the same load: the peak load stands at another X.
    std::vector<double> otherX = x;
    for (double& v : otherX) v *= 1.5;
    EXPECT_FALSE(sameRecord(evaluated, otherX, y));
    std::vector<double> otherY = y;
    otherY[6] = -11.5;
    EXPECT_FALSE(sameRecord(evaluated, x, otherY));
    EXPECT_FALSE(sameRecord(evaluated, {}, {}));
}
