// The report's pages: the screen's graph placed on paper, the specimen's
// tables, the summary with its star, everything inside the page.
#include "output/report_pages.h"

#include "analysis/code_methods.h"
#include "analysis/cycle_metrics.h"
#include "plot/cycle_plots.h"
#include "plot/null_canvas.h"
#include "plot/recording_canvas.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace kvx::output;
using kvx::plot::Pixel;
using kvx::plot::RecordingCanvas;
using Op = RecordingCanvas::Op;

namespace {

// A4 at 300 dpi, as the PDF pages.
class RecordingPages : public PageDevice {
public:
    std::vector<std::unique_ptr<RecordingCanvas>> pages;
    kvx::plot::PixelSize pageSize() const override { return {2480, 3508}; }
    int resolution() const override { return 300; }
    kvx::plot::Canvas& beginPage() override { return *pages.emplace_back(std::make_unique<RecordingCanvas>()); }
    bool finish() override { return true; }
};

std::vector<RecordingCanvas::Call> textsWith(const RecordingCanvas& c, const std::string& part) {
    std::vector<RecordingCanvas::Call> out;
    for (const auto& call : c.of(Op::TextOut))
        if (call.text.find(part) != std::string::npos) out.push_back(call);
    return out;
}

// Every point, and every text's box, within the paper (texts within its margins).
void expectInsidePage(const RecordingCanvas& c, int margin) {
    for (const auto& call : c.calls) {
        for (const Pixel& p : call.points) {
            EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= 2480 && p.y <= 3508) << call.text << " " << p.x << "," << p.y;
        }
        if (call.op == Op::TextOut && call.font.escapement == 0) {
            const int width = static_cast<int>(call.text.size()) * c.charWidth;
            EXPECT_GE(call.points[0].x, margin) << call.text;
            EXPECT_LE(call.points[0].x + width, 2480 - margin) << call.text;
            EXPECT_LE(call.points[0].y + c.charHeight, 3508 - margin) << call.text;
        }
    }
}

// Pushed to 0.1 rad on both sides along 20 kN·(δ/0.03)·e^(1 − δ/0.03): peak 20 kN at 0.03 rad,
// below 0.8 Pmax from about 0.06 rad, so each side has its bilinear model.
kvx::data::MeasurementData symmetricPush() {
    kvx::data::MeasurementData d;
    d.header.ChannelCount = 2;
    d.header.units[0] = "kN", d.header.units[1] = "rad";
    d.header.pointNames[0] = "P", d.header.pointNames[1] = "gamma";
    const auto load = [](double x) { return std::copysign(20 * std::abs(x) / 0.03 * std::exp(1 - std::abs(x) / 0.03), x); };
    int row = 0;
    const auto add = [&](double x) {
        d.cell(row, 0) = static_cast<float>(load(x));
        d.cell(row, 1) = static_cast<float>(x);
        ++row;
    };
    for (int i = 0; i <= 200; ++i) add(0.1 * i / 200);
    for (int i = 199; i >= -200; --i) add(0.1 * i / 200);
    for (int i = -199; i <= 0; ++i) add(0.1 * i / 200);
    d.RowCount = row;
    return d;
}

kvx::plot::GraphOptions graphOptions() {
    kvx::plot::GraphOptions o;
    o.dataLoaded = true;
    o.channelChecked[1] = true;
    o.frame.dataFileBaseName = "push.csv";
    return o;
}

std::vector<RecordingCanvas::Call> modelLines(const RecordingCanvas& c) {
    std::vector<RecordingCanvas::Call> out;
    for (const auto& call : c.of(Op::Polyline))
        if (call.pen.color == kvx::plot::Rgb{0, 128, 0}) out.push_back(call);
    return out;
}

}  // namespace

TEST(PlacedCanvas, CutsLinesAtThePictureEdge) {
    struct Case {
        const char* name;
        Pixel from, to;
        std::vector<Pixel> drawn;  // page points, none when nothing is drawn
    };
    // Picture (x, y) lands at (100 + 2x, 200 + 2y).
    const Case cases[] = {{"inside", {10, 10}, {100, 50}, {{120, 220}, {300, 300}}},
                          {"out on the right", {500, 100}, {600, 100}, {{1100, 400}, {1188, 400}}},
                          {"in from above", {10, -10}, {10, 10}, {{120, 200}, {120, 220}}},
                          {"across the corner", {-44, 0}, {0, -44}, {}},
                          {"wholly below", {10, 600}, {300, 700}, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas page;
        PlacedCanvas placed(page, {100, 200}, 2.0, 192);
        placed.moveTo(c.from);
        placed.lineTo(c.to);
        std::vector<Pixel> drawn;
        for (const auto& call : page.calls) drawn.insert(drawn.end(), call.points.begin(), call.points.end());
        EXPECT_EQ(drawn, c.drawn);
    }
}

TEST(PlacedCanvas, SplitsAPolylineWhereItLeavesThePicture) {
    RecordingCanvas page;
    PlacedCanvas placed(page, {0, 0}, 1.0, 96);
    placed.polyline({{500, 10}, {600, 10}, {600, 20}, {500, 20}, {400, 20}});
    const auto runs = page.of(Op::Polyline);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].points, (std::vector<Pixel>{{500, 10}, {544, 10}}));
    EXPECT_EQ(runs[1].points, (std::vector<Pixel>{{544, 20}, {500, 20}, {400, 20}}));
}

TEST(PlacedCanvas, ScalesPensAndFontsToThePage) {
    struct Case {
        double scale;
        int dpi;
        int pointSize, pixelSize, cellWidth, thinPen, boldPen;
    };
    // At dpi/96 a point size is the same on paper; pixel cells and pens grow with the picture.
    const Case cases[] = {{3.125, 300, 14, 69, 34, 3, 6}, {2.0, 300, 9, 44, 22, 2, 4}, {1.0, 96, 14, 22, 11, 1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        RecordingCanvas page;
        PlacedCanvas placed(page, {0, 0}, c.scale, c.dpi);
        kvx::plot::Font points;
        points.size = 14;
        placed.setFont(points);
        EXPECT_EQ(page.font().size, c.pointSize);
        kvx::plot::Font cells;
        cells.size = 22, cells.sizeInPixels = true, cells.cellWidth = 11;
        placed.setFont(cells);
        EXPECT_EQ(page.font().size, c.pixelSize);
        EXPECT_EQ(page.font().cellWidth, c.cellWidth);
        EXPECT_EQ(placed.font(), cells);  // the picture's code sees its own font
        placed.setPen({kvx::plot::kBlack, 1});
        EXPECT_EQ(page.pen().width, c.thinPen);
        placed.setPen({kvx::plot::kBlack, 2});
        EXPECT_EQ(page.pen().width, c.boldPen);
    }
}

TEST(PlacedCanvas, KeepsTextsAndShapesInsideThePicture) {
    RecordingCanvas page;
    PlacedCanvas placed(page, {0, 0}, 2.0, 192);
    EXPECT_EQ(placed.textExtent("abcd", kvx::plot::TextEncoding::Utf8).width, 14);  // 28 page pixels
    placed.textOut({535, 10}, "abcd", kvx::plot::TextEncoding::Utf8);
    placed.textOut({0, 0}, std::string(200, 'x'), kvx::plot::TextEncoding::Utf8);  // wider than the picture
    kvx::plot::Font rotated;
    rotated.escapement = 900;
    placed.setFont(rotated);
    placed.textOut({5, 520}, "ab", kvx::plot::TextEncoding::Utf8);  // runs upwards from below the picture
    placed.rectangle({-100, 0}, {700, 900});
    const auto texts = page.of(Op::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0], (Pixel{(544 - 14) * 2, 20}));
    EXPECT_EQ(texts[1].points[0], (Pixel{10, 504 * 2}));
    EXPECT_EQ(page.of(Op::Rectangle)[0].points, (std::vector<Pixel>{{0, 0}, {1088, 1008}}));
}

TEST(FitText, ShortensInTheMiddleAtCharacters) {
    RecordingCanvas c;  // 7 pixels a byte
    EXPECT_EQ(fitText(c, "wall1.csv", 63), "wall1.csv");
    EXPECT_EQ(fitText(c, "specimen-01.csv", 70), "spec…csv");  // "…" is three bytes
    EXPECT_EQ(fitText(c, "試験体壁.csv", 70), "試験…v");     // never half a character
    EXPECT_EQ(fitText(c, "abc", 10), "");
}

TEST(SpecimenPage, ShowsTheHeadingTheGraphAndBothModels) {
    const auto data = symmetricPush();
    SpecimenPage page;
    page.fileName = "push.csv";
    page.path = "/lab/2024/push.csv";
    page.evaluatedAt = "2024/01/02  03:04.05";
    page.data = &data;
    page.options = graphOptions();
    RecordingPages pages;
    drawSpecimenPage(pages, page);
    ASSERT_EQ(pages.pages.size(), 1u);
    const RecordingCanvas& c = *pages.pages[0];
    for (const char* expected : {kReportTitle, "試験体　push.csv", "ファイル　/lab/2024/push.csv",
                                 "評価日時 2024/01/02  03:04.05", "骨格曲線と完全弾塑性モデル", "壁倍率は評価していません"})
        EXPECT_EQ(textsWith(c, expected).size(), 1u) << expected;
    // Peak of the curve: 20 kN at 0.03 rad on either side, in the Pmax row.
    std::vector<RecordingCanvas::Call> peak;
    for (const auto& t : textsWith(c, "20.00"))
        if (t.text == "20.00") peak.push_back(t);
    ASSERT_EQ(peak.size(), 2u);
    EXPECT_EQ(peak[0].points[0].y, textsWith(c, "最大耐力 Pmax")[0].points[0].y);
    EXPECT_EQ(peak[1].points[0].y, peak[0].points[0].y);
    expectInsidePage(c, 177);

    // The Graph command on the screen's picture, for comparison.
    kvx::plot::GraphOptions o = graphOptions();
    o.skeleton = o.elastoPlastic = true;
    kvx::plot::GraphState screenState;
    RecordingCanvas screen;
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullGraphHost host;
    kvx::plot::runGraphCommand(data, o, screenState, screen, ia, host);
    const auto onScreen = modelLines(screen), onPage = modelLines(c);
    ASSERT_EQ(onScreen.size(), 2u);  // each side's bilinear model
    ASSERT_EQ(onPage.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        // The same polyline, only scaled: origin → yield point → ultimate point.
        const auto& s = onScreen[i].points;
        const auto& p = onPage[i].points;
        const double scale = static_cast<double>(p[2].x - p[0].x) / (s[2].x - s[0].x);
        EXPECT_GT(scale, 3.0);
        EXPECT_NEAR(p[1].x - p[0].x, scale * (s[1].x - s[0].x), 1.0);
        EXPECT_NEAR(p[1].y - p[0].y, scale * (s[1].y - s[0].y), 1.0);
        EXPECT_EQ(onPage[i].pen.width, static_cast<int>(std::lround(2 * scale)));
    }
    // The frame's border and the skeleton: as many bold black lines as on screen.
    const auto bold = [](const RecordingCanvas& r, int width) {
        return std::count_if(r.calls.begin(), r.calls.end(), [&](const RecordingCanvas::Call& call) {
            return call.op == Op::LineTo && call.pen.color == kvx::plot::kBlack && call.pen.width == width;
        });
    };
    const double scale = static_cast<double>(onPage[0].pen.width) / 2;
    EXPECT_GT(bold(screen, 2), 100);
    EXPECT_EQ(bold(c, static_cast<int>(std::lround(2 * scale))), bold(screen, 2));
}

TEST(SpecimenPage, LongFileNamesStayOnThePage) {
    const auto data = symmetricPush();
    SpecimenPage page;
    page.fileName = std::string(300, 'w') + ".csv";
    page.path = "/" + std::string(400, 'p') + "/" + page.fileName;
    page.evaluatedAt = "2024/01/02  03:04.05";
    page.data = &data;
    page.options = graphOptions();
    page.options.frame.dataFileBaseName = page.fileName;
    page.wallProblem = "等価完全弾塑性特性が評価されていません．\n" + std::string(500, 'x');
    RecordingPages pages;
    drawSpecimenPage(pages, page);
    const RecordingCanvas& c = *pages.pages[0];
    EXPECT_EQ(textsWith(c, "…").size(), 3u);  // the name, the path, the message's last line
    // The message wrapped into three lines of the right column.
    std::vector<RecordingCanvas::Call> message;
    for (const auto& t : c.of(Op::TextOut))
        if (t.font.color == kvx::plot::Rgb{170, 0, 0}) message.push_back(t);
    ASSERT_EQ(message.size(), 3u);
    EXPECT_EQ(message[0].text, "等価完全弾塑性特性が評価されていません．");
    for (const auto& line : message) EXPECT_LE(static_cast<int>(line.text.size()) * c.charWidth, 2126 / 2);
    expectInsidePage(c, 177);
}

TEST(SpecimenPage, ASideWithoutLoadShowsNoNegativeZero) {
    auto data = symmetricPush();
    data.RowCount = 201;  // the push to the positive side only
    SpecimenPage page;
    page.data = &data;
    page.options = graphOptions();
    RecordingPages pages;
    drawSpecimenPage(pages, page);
    const RecordingCanvas& c = *pages.pages[0];
    EXPECT_TRUE(textsWith(c, "-0.00").empty());
    EXPECT_EQ(textsWith(c, "負側のモデルなし").size(), 1u);
    EXPECT_TRUE(textsWith(c, "正側のモデルなし").empty());
}

TEST(SpecimenPage, StarsTheTermThatDecidesQa) {
    const auto data = symmetricPush();
    kvx::plot::GraphOptions o = graphOptions();
    o.skeleton = true;
    kvx::plot::GraphState state;
    kvx::plot::NullCanvas none;
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullGraphHost host;
    kvx::plot::runGraphCommand(data, o, state, none, ia, host);
    const auto& curve = state.skeleton.curve;
    const auto n = static_cast<std::size_t>(curve.count);
    const auto editor = kvx::analysis::evaluateEditorPoints(std::span<const double>(curve.X).first(n),
                                                            std::span<const double>(curve.Y).first(n), {"kN", "rad"});
    ASSERT_FALSE(editor.failure);
    kvx::analysis::WallEvaluation wall;
    ASSERT_FALSE(wall.copy(curve, editor.handOff, "rad", kvx::data::ForceUnit::kN, {"push.csv", 2, 1, 1}));
    const int star = wall.numbers().starCurrent;
    ASSERT_GE(star, 0);

    SpecimenPage page;
    page.fileName = "push.csv";
    page.evaluatedAt = wall.text("Label76");
    page.data = &data;
    page.options = o;
    page.wall = &wall;
    RecordingPages pages;
    drawSpecimenPage(pages, page);
    const RecordingCanvas& c = *pages.pages[0];
    const auto stars = textsWith(c, "★");
    ASSERT_EQ(stars.size(), 1u);
    const char* labels[] = {"降伏耐力 Py", "1/120 変形角時耐力", "2/3 Pmax", "Pu×0.2/Ds"};
    // Of the wall table, which stands in the right half of the page.
    bool sameRow = false;
    for (const auto& label : textsWith(c, labels[star]))
        sameRow = sameRow || (label.points[0].x > 1240 && label.points[0].y == stars[0].points[0].y);
    EXPECT_TRUE(sameRow) << labels[star];
    EXPECT_EQ(textsWith(c, "短期許容せん断耐力 Qa").size(), 1u);
    expectInsidePage(c, 177);
}

namespace {

kvx::analysis::SpecimenRow specimen(const char* name, bool minus, double Py, double PuDs, double P23, double PRefer) {
    kvx::analysis::SpecimenRow r;
    r.fileName = name;
    r.minus = minus;
    r.Py = Py, r.PuDs = PuDs, r.P23 = P23, r.PRefer = PRefer;
    return r;
}

}  // namespace

TEST(SummaryPage, StarsTheGoverningIndexAndGivesPaAndTheMultiplier) {
    // Pu×0.2/Ds is the same 8 kN in every specimen: its lower value 8 is the smallest
    // (Py: mean 10, SD 0.5, 1 − 0.05·0.471 → 9.76). Multiplier 8 / (1.96 · 1.82) = 2.24.
    const std::vector<kvx::analysis::SpecimenRow> rows = {
        specimen("wall-A.csv", false, 10.0, 8, 12, 11), specimen("wall-B.csv", false, 10.5, 8, 12, 11),
        specimen("wall-C.csv", false, 9.5, 8, 12, 11), specimen("wall-D.csv", true, 9, 9, 9, 9)};
    const auto summary = kvx::analysis::summarizeRows(rows, 1.82, 1.0, kvx::data::ForceUnit::kN);
    RecordingPages pages;
    drawSummaryPages(pages, summary, rows, kvx::data::ForceUnit::kN, "2024/01/02  03:04.05");
    ASSERT_EQ(pages.pages.size(), 1u);
    const RecordingCanvas& c = *pages.pages[0];
    const auto stars = textsWith(c, "★");
    ASSERT_EQ(stars.size(), 3u);  // the column's heading, its lower value and the P0 line
    EXPECT_EQ(stars[0].text, "★ Pu×0.2/Ds");
    EXPECT_EQ(stars[1].text, "★ 8.00");
    // Heading centred, value right-aligned: both within the one column (17 % of 2126 pixels).
    const auto centre = [&](const RecordingCanvas::Call& t) {
        return t.points[0].x + static_cast<int>(t.text.size()) * c.charWidth / 2;
    };
    EXPECT_LT(std::abs(centre(stars[0]) - centre(stars[1])), 2126 * 17 / 200);
    for (const char* expected : {"wall-A.csv", "wall-C.csv", "正側 (Plus)　3 体", "P0 = 8.00 kN（★ Pu×0.2/Ds の下限値）",
                                 "Pa = α × P0 = 1 × 8.00 = 8.00 kN", "壁倍率 = Pa / (1.96 kN/m × L) = 2.24（L = 1.82 m）", "9.76",
                                 "試験体が 1 体です．統計処理には 2 体以上が必要です", "集計日時 2024/01/02  03:04.05"})
        EXPECT_EQ(textsWith(c, expected).size(), 1u) << expected;
    EXPECT_TRUE(textsWith(c, "wall-D.csv").empty());  // the minus side has no table
    expectInsidePage(c, 177);
}

TEST(SummaryPage, ShowsWhyALowerValueIsZero) {
    // PRefer scattered so widely that 1 − CV·k ≤ 0.
    const std::vector<kvx::analysis::SpecimenRow> rows = {specimen("a.csv", false, 10, 8, 12, -10),
                                                          specimen("b.csv", false, 10, 8, 12, 40)};
    const auto summary = kvx::analysis::summarizeRows(rows, 1.82, 1.0, kvx::data::ForceUnit::kN);
    ASSERT_EQ(summary.plus->notes.size(), 1u);
    RecordingPages pages;
    drawSummaryPages(pages, summary, rows, kvx::data::ForceUnit::kN, "");
    EXPECT_EQ(textsWith(*pages.pages[0], summary.plus->notes[0]).size(), 1u);
}

TEST(SummaryPage, ALongSeriesGoesOnToTheNextPageWithItsHeading) {
    std::vector<kvx::analysis::SpecimenRow> rows;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "wall" + std::to_string(i + 1) + ".csv";
        rows.push_back(specimen(name.c_str(), false, 10 + i % 3, 8, 12, 11));
        rows.push_back(specimen(name.c_str(), true, 10 + i % 3, 8, 12, 11));
    }
    const auto summary = kvx::analysis::summarizeRows(rows, 1.82, 1.0, kvx::data::ForceUnit::kN);
    RecordingPages pages;
    drawSummaryPages(pages, summary, rows, kvx::data::ForceUnit::kN, "");
    ASSERT_GE(pages.pages.size(), 2u);
    int specimenRows = 0, headings = 0;
    for (const auto& page : pages.pages) {
        expectInsidePage(*page, 177);
        specimenRows += static_cast<int>(textsWith(*page, ".csv").size());
        headings += static_cast<int>(textsWith(*page, "試験体 / 統計量 [kN]").size());
    }
    EXPECT_EQ(specimenRows, 80);
    EXPECT_GT(headings, 2);  // repeated where a table goes on
    EXPECT_EQ(textsWith(*pages.pages[1], "試験体集計（続き）").size(), 1u);
    EXPECT_EQ(textsWith(*pages.pages.back(), "壁倍率 = ").size(), 1u);  // the minus side ends the report
}

namespace {

// Two cycles at each of 0.01, 0.02, 0.03, 0.05 and 0.08 rad along the push's
// curve, so each side's envelope has five level points for the codes.
kvx::data::MeasurementData cyclicPush() {
    kvx::data::MeasurementData d;
    d.header.ChannelCount = 2;
    d.header.units[0] = "kN", d.header.units[1] = "rad";
    d.header.pointNames[0] = "P", d.header.pointNames[1] = "gamma";
    const auto load = [](double x) { return std::copysign(20 * std::abs(x) / 0.03 * std::exp(1 - std::abs(x) / 0.03), x); };
    int row = 0;
    const auto add = [&](double x) {
        d.cell(row, 0) = static_cast<float>(load(x));
        d.cell(row, 1) = static_cast<float>(x);
        ++row;
    };
    for (const double a : {0.01, 0.02, 0.03, 0.05, 0.08})
        for (int k = 0; k < 2; ++k) {
            for (int i = 0; i < 40; ++i) add(a * i / 40);
            for (int i = 40; i > -40; --i) add(a * i / 40);
            for (int i = -40; i < 0; ++i) add(a * i / 40);
        }
    add(0);
    d.RowCount = row;
    return d;
}

// Lines as tall as 9-point text at 300 dpi, so that the tables take their real room from the graph.
class TallTextPages : public RecordingPages {
public:
    kvx::plot::Canvas& beginPage() override {
        auto& page = *pages.emplace_back(std::make_unique<RecordingCanvas>());
        page.charHeight = 40;
        return page;
    }
};

struct Drawn {
    TallTextPages pages;
    kvx::analysis::CodeEvaluation codes;
};

// The page with the comparison, the codes evaluated on the graph's arrays as the report sink does.
void drawWithCodes(Drawn& out, const kvx::data::MeasurementData& data) {
    kvx::plot::GraphOptions o = graphOptions();
    kvx::plot::GraphState state;
    kvx::plot::NullCanvas none;
    kvx::ui::ScriptedInteraction ia;
    kvx::plot::NullGraphHost host;
    kvx::plot::runGraphCommand(data, o, state, none, ia, host);
    const auto x = std::span<const double>(state.X).first(static_cast<std::size_t>(data.RowCount));
    const auto y = std::span<const double>(state.Y).first(static_cast<std::size_t>(data.RowCount));
    out.codes = kvx::analysis::evaluateCodes(x, y, kvx::analysis::analyzeCycles(x, y));
    SpecimenPage page;
    page.fileName = "cyclic.csv";
    page.data = &data;
    page.options = o;
    page.codes = &out.codes;
    drawSpecimenPage(out.pages, page);
}

int rowOf(const RecordingCanvas& c, const std::string& label, int nth) {
    const auto found = textsWith(c, label);
    return static_cast<std::size_t>(nth) < found.size() ? found[static_cast<std::size_t>(nth)].points[0].y : -1;
}

}  // namespace

TEST(SpecimenPage, ComparesEachSidesModelWithTheCodes) {
    const auto data = cyclicPush();
    Drawn d;
    drawWithCodes(d, data);
    ASSERT_TRUE(d.codes.eeepPlus.value && d.codes.enMinus.value);
    ASSERT_EQ(d.pages.pages.size(), 1u);
    const RecordingCanvas& c = *d.pages.pages[0];
    EXPECT_EQ(textsWith(c, "日本の評価と他の規準（各側の絶対値）").size(), 1u);
    for (const char* heading : {"降伏耐力", "降伏変形", "終局変形", "塑性率", "終局耐力 Pu", "Ds", "[kN]", "[rad]"})
        EXPECT_FALSE(textsWith(c, heading).empty()) << heading;
    for (const char* method : {"日本 (完全弾塑性)", "ASTM E2126 (EEEP)", "EN 12512"})
        EXPECT_EQ(textsWith(c, method).size(), 2u) << method;  // a row per side
    // Each method's values stand in its rows: the ASTM yield load of the plus side,
    // the EN ductility of the minus side.
    const std::string pyield = kvx::plot::significantText(d.codes.eeepPlus.value->Pyield);
    const std::string D = kvx::plot::significantText(d.codes.enMinus.value->D, 3);
    bool pyieldInRow = false, dInRow = false;
    for (const auto& t : textsWith(c, pyield)) pyieldInRow = pyieldInRow || t.points[0].y == rowOf(c, "ASTM E2126 (EEEP)", 0);
    for (const auto& t : textsWith(c, D)) dInRow = dInRow || t.points[0].y == rowOf(c, "EN 12512", 1);
    EXPECT_TRUE(pyieldInRow) << pyield;
    EXPECT_TRUE(dInRow) << D;
    EXPECT_GT(rowOf(c, "日本の評価と他の規準", 0), rowOf(c, "塑性率 μ = δu/δv", 0));  // below the tables
    expectInsidePage(c, 177);

    // The graph made room for it: the same page without the codes draws it larger.
    SpecimenPage plain;
    plain.data = &data;
    plain.options = graphOptions();
    TallTextPages without;
    drawSpecimenPage(without, plain);
    const auto width = [](const RecordingCanvas& r) {
        const auto lines = modelLines(r);
        return lines.empty() ? 0 : lines[0].points[2].x - lines[0].points[0].x;
    };
    EXPECT_GT(width(*without.pages[0]), width(c));
    EXPECT_GT(width(c), 0);
    EXPECT_TRUE(textsWith(*without.pages[0], "日本の評価と他の規準").empty());
}

TEST(SpecimenPage, ARefusedMethodShowsItsMessageAcrossTheValues) {
    // A single push each way: one level point per side, too few for either code.
    const auto data = symmetricPush();
    Drawn d;
    drawWithCodes(d, data);
    ASSERT_FALSE(d.codes.eeepPlus.value);
    const RecordingCanvas& c = *d.pages.pages[0];
    const auto messages = textsWith(c, d.codes.eeepPlus.error);
    ASSERT_EQ(messages.size(), 4u);  // both codes, both sides
    for (const auto& m : messages) EXPECT_EQ(m.font.color, (kvx::plot::Rgb{170, 0, 0}));
    // The Japanese model of each side is there: its yield loads stand in their rows.
    EXPECT_EQ(rowOf(c, "日本 (完全弾塑性)", 1) - rowOf(c, "日本 (完全弾塑性)", 0),
              rowOf(c, "ASTM E2126 (EEEP)", 0) - rowOf(c, "日本 (完全弾塑性)", 1));
    expectInsidePage(c, 177);
}
