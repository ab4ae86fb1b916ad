// The series chart and page: bars in proportion to the values, the lower value
// of each index across its group, everything inside its box and readable, and
// table texts that never show a real value as 0.00.
#include "plot/series_chart.h"
#include "plot/series_page.h"

#include "plot/recording_canvas.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace kvx::plot;
using kvx::analysis::SideSummary;
using kvx::analysis::SpecimenRow;
using kvx::data::ForceUnit;
using Op = RecordingCanvas::Op;

namespace {

SpecimenRow row(const char* name, bool minus, double py, double puDs, double p23, double pRefer) {
    SpecimenRow r;
    r.fileName = name;
    r.minus = minus;
    r.Py = py;
    r.PuDs = puDs;
    r.P23 = p23;
    r.PRefer = pRefer;
    r.Pu = puDs * 2;
    r.gv = 0.01;
    return r;
}

// Three specimens of realistic loads (kN); 2/3 Pmax scatters most, so its lower value is smallest.
std::vector<SpecimenRow> threeSpecimens() {
    return {row("a.csv", false, 10.1, 9.2, 11.5, 10.4), row("b.csv", false, 10.8, 9.6, 9.1, 10.9),
            row("c.csv", false, 10.4, 9.9, 12.6, 11.2)};
}

SideSummary summaryOf(const std::vector<SpecimenRow>& rows) {
    auto s = kvx::analysis::summarizeSide(rows, 1.82, 1.0, ForceUnit::kN);
    return s ? *s : SideSummary{};
}

std::vector<std::string> namesOf(const std::vector<SpecimenRow>& rows) {
    std::vector<std::string> names;
    for (const auto& r : rows) names.push_back(r.fileName);
    return names;
}

// The recording canvas counts bytes; at 5 pixels a byte a Japanese character
// (3 bytes in UTF-8) is 15 pixels and a digit 5, about the Gothic face at
// 9 to 10 points on an A4 page of 96 dpi.
constexpr int kPageCharWidth = 5;

const std::array<std::string, 4> kCaptions{"Py", "Pu×0.2/Ds", "2/3Pmax", "P120"};

struct Box {
    int left, top, right, bottom;
    bool contains(Pixel p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

struct TextBox {
    Pixel at;
    PixelSize size;
    std::string text;
    bool overlaps(const TextBox& o) const {
        return at.x < o.at.x + o.size.width && o.at.x < at.x + size.width && at.y < o.at.y + o.size.height &&
               o.at.y < at.y + size.height;
    }
};

std::vector<TextBox> textsOf(const RecordingCanvas& c) {
    std::vector<TextBox> out;
    for (const auto& call : c.of(Op::TextOut))
        out.push_back({call.points[0], c.textExtent(call.text, TextEncoding::Utf8), call.text});
    return out;
}

// Everything drawn lies in `box`, no two texts share a pixel, and no text
// sits on a box of whatever colour was filled last.
void expectTidy(const RecordingCanvas& c, Box box) {
    for (const auto& call : c.of(Op::TextOut)) EXPECT_TRUE(call.brush.clear) << call.text;
    for (const auto& call : c.calls)
        for (const Pixel p : call.points)
            EXPECT_TRUE(box.contains(p)) << "op " << static_cast<int>(call.op) << " at " << p.x << "," << p.y;
    const auto texts = textsOf(c);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(box.contains({texts[i].at.x + texts[i].size.width, texts[i].at.y + texts[i].size.height}))
            << texts[i].text;
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(texts[i].overlaps(texts[j])) << texts[i].text << " / " << texts[j].text;
    }
}

bool isSpecimenColor(Rgb c) {
    for (int i = 0; i < 12; ++i)
        if (specimenColor(i) == c) return true;
    return false;
}

}  // namespace

TEST(SeriesChart, BarsAndLowerValuesInProportionInsideTheBox) {
    struct Case {
        const char* name;
        ChartBox box;
        int dpi;
        std::vector<SpecimenRow> rows;
    };
    std::vector<SpecimenRow> seven = threeSpecimens();
    for (const char* n : {"long-specimen-name-d.csv", "e.csv", "f.csv", "g.csv"})
        seven.push_back(row(n, false, 10.5, 9.4, 10.2, 10.8));
    const Case cases[] = {{"window", {{0, 0}, {400, 420}}, 96, threeSpecimens()},
                          {"offset and small", {{30, 50}, {300, 260}}, 96, threeSpecimens()},
                          {"seven specimens, legend wraps", {{0, 0}, {400, 420}}, 96, seven},
                          {"printer", {{100, 200}, {3000, 1500}}, 600, threeSpecimens()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SideSummary s = summaryOf(c.rows);
        ASSERT_EQ(s.n, static_cast<int>(c.rows.size()));
        RecordingCanvas canvas;
        drawSeriesChart(canvas, s, namesOf(c.rows), kCaptions, c.box, ForceUnit::kN, c.dpi);
        const Box box{c.box.topLeft.x, c.box.topLeft.y, c.box.topLeft.x + c.box.size.width,
                      c.box.topLeft.y + c.box.size.height};
        expectTidy(canvas, box);

        // The legend's swatches come first, then the bars group by group.
        std::vector<RecordingCanvas::Call> filled;
        for (const auto& call : canvas.of(Op::Rectangle))
            if (!call.brush.clear && isSpecimenColor(call.brush.color)) filled.push_back(call);
        const std::size_t n = c.rows.size();
        ASSERT_EQ(filled.size(), n + 4 * n);
        const std::vector<RecordingCanvas::Call> bars(filled.begin() + static_cast<long>(n), filled.end());
        const int base = bars[0].points[1].y;  // exclusive bottom: one below the zero line
        double largest = 0;
        int tallest = 0;
        for (std::size_t b = 0; b < bars.size(); ++b) {
            EXPECT_EQ(bars[b].points[1].y, base);
            EXPECT_EQ(bars[b].brush.color, specimenColor(static_cast<int>(b % n)));
            largest = std::max(largest, s.indices[b / n].values[b % n]);
            tallest = std::max(tallest, base - 1 - bars[b].points[0].y);
        }
        const double scale = tallest / largest;
        for (std::size_t b = 0; b < bars.size(); ++b) {
            const double v = s.indices[b / n].values[b % n];
            EXPECT_NEAR(base - 1 - bars[b].points[0].y, v * scale, 1.0) << b;
            if (b + 1 < bars.size()) {
                EXPECT_LE(bars[b].points[1].x, bars[b + 1].points[0].x);
            }
        }

        // Bold lines (a move and a line): the legend's sample, then one lower
        // value per group, across its bars.
        std::vector<std::pair<Pixel, Pixel>> bold;
        for (std::size_t k = 1; k < canvas.calls.size(); ++k)
            if (canvas.calls[k].op == Op::LineTo && canvas.calls[k].pen.width > 1 &&
                canvas.calls[k - 1].op == Op::MoveTo)
                bold.emplace_back(canvas.calls[k - 1].points[0], canvas.calls[k].points[0]);
        ASSERT_EQ(bold.size(), 5u);
        for (std::size_t g = 0; g < 4; ++g) {
            const auto [from, to] = bold[g + 1];
            EXPECT_EQ(from.y, to.y);
            EXPECT_NEAR(base - 1 - to.y, s.indices[g].lower * scale, 1.0) << g;
            EXPECT_LT(from.x, bars[g * n].points[0].x);
            EXPECT_GT(to.x, bars[g * n + n - 1].points[1].x);
        }

        // Only the governing index is starred.
        int stars = 0;
        for (const auto& t : textsOf(canvas))
            if (t.text.starts_with("★")) {
                ++stars;
                EXPECT_EQ(t.text, "★" + kCaptions[static_cast<std::size_t>(s.governing)]);
            }
        EXPECT_EQ(stars, 1);
    }
}

TEST(SeriesChart, ZeroAndNonPositiveFactorsDrawAtTheAxis) {
    // All loads zero: no scale to divide by. A wild scatter below zero: factor ≤ 0, lower value 0.
    const std::vector<SpecimenRow> zero{row("a", false, 0, 0, 0, 0), row("b", false, 0, 0, 0, 0)};
    const std::vector<SpecimenRow> wild{row("a", false, -2, 9, 10, 10), row("b", false, 20, 10, 10.5, 10.2)};
    for (const auto* rows : {&zero, &wild}) {
        const SideSummary s = summaryOf(*rows);
        RecordingCanvas canvas;
        drawSeriesChart(canvas, s, namesOf(*rows), kCaptions, {{0, 0}, {400, 300}}, ForceUnit::kg);
        expectTidy(canvas, {0, 0, 400, 300});
        std::vector<int> lowerYs;
        for (const auto& call : canvas.of(Op::LineTo))
            if (call.pen.width > 1) lowerYs.push_back(call.points[0].y);
        ASSERT_EQ(lowerYs.size(), 5u);
        const int zeroY = canvas.of(Op::LineTo).back().points[0].y;  // the horizontal axis
        EXPECT_TRUE(s.indices[0].factorNotPositive);
        EXPECT_EQ(lowerYs[1], zeroY);  // Py: lower value 0 in both sets
    }
}

TEST(SeriesTexts, NumbersAreNeverShownAsZeroWhenTheyAreNot) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {{12.3456, 2, "12.35"},  {0.004, 2, "0.004"},    {0.0123, 2, "0.012"},   {0.05, 2, "0.05"},
                          {0.0412, 3, "0.041"},   {0.4708, 3, "0.471"},   {0, 2, "0.00"},         {-0.004, 2, "-0.004"},
                          {1234.56, 1, "1234.6"}, {0.5, 2, "0.50"},       {3.8e-5, 3, "0.000038"}, {0.0405, 2, "0.041"},
                          {1e-14, 2, "1.00e-14"}, {std::nan(""), 2, "-"}};
    for (const auto& c : cases) EXPECT_EQ(readableNumber(c.value, c.decimals), c.text) << c.value;
}

TEST(SeriesTexts, ResultsNameTheGoverningIndexAndTheUnitsRule) {
    const SideSummary s = summaryOf(threeSpecimens());
    const auto kN = resultTexts(s, ForceUnit::kN);
    ASSERT_GE(kN.size(), 6u);  // n, P0, Pa, multiplier, K, μ
    EXPECT_EQ(kN[0].second, "3 体");
    EXPECT_NE(kN[1].second.find(kvx::analysis::kSeriesIndexNames[static_cast<std::size_t>(s.governing)]),
              std::string::npos);
    EXPECT_EQ(kN[3].first, "壁倍率 Pa/(1.96·L)");
    EXPECT_EQ(resultTexts(s, ForceUnit::kg)[3].first, "壁倍率 Pa/(200·L)");
    // Without γv the rows have no stiffness: no K row, rather than a K of 0.
    auto rows = threeSpecimens();
    for (auto& r : rows) r.gv = 0;
    const auto noK = resultTexts(summaryOf(rows), ForceUnit::kN);
    EXPECT_TRUE(std::none_of(noK.begin(), noK.end(), [](const auto& p) { return p.first == "平均初期剛性 K"; }));
}

TEST(SeriesTexts, LongNamesAreCutBetweenCharacters) {
    RecordingCanvas c;  // 7 pixels a byte
    const std::string name = kvx::text::utf8ToCp932Lossy("試験体Ａ長い名前.csv");
    EXPECT_EQ(fittedName(c, name, 1000), name);
    for (int width = 14; width < 7 * static_cast<int>(name.size()); width += 7) {
        const std::string cut = fittedName(c, name, width);
        EXPECT_LE(c.textExtent(cut, TextEncoding::Cp932).width, width);
        ASSERT_TRUE(cut.ends_with(".."));
        // Cut after a whole character: the kept bytes are a prefix that converts back whole.
        const std::string kept = cut.substr(0, cut.size() - 2);
        EXPECT_EQ(name.compare(0, kept.size(), kept), 0);
        EXPECT_EQ(kvx::text::cp932ToUtf8Lossy(kept).find("\xEF\xBF\xBD"), std::string::npos) << width;
    }
}

TEST(SeriesPage, BothSidesOnOnePageWithTheFailureOfAThinSide) {
    auto rows = threeSpecimens();
    rows.push_back(row("m.csv", true, 9.0, 8.0, 9.5, 9.1));  // one Minus row: no summary there
    const auto s = kvx::analysis::summarizeRows(rows, 1.82, 0.8, ForceUnit::kN);
    ASSERT_TRUE(s.plus && !s.minus);
    const SeriesPageInfo info{"壁.txt", kCaptions};
    struct Case {
        const char* name;
        PixelSize page;
        int dpi;
    };
    for (const Case& c : {Case{"96 dpi A4", {718, 1047}, 96}, Case{"600 dpi A4", {4488, 6545}, 600}}) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas;
        canvas.charWidth = kPageCharWidth;
        drawSeriesSummaryPage(canvas, s, rows, ForceUnit::kN, info, c.page, c.dpi);
        expectTidy(canvas, {0, 0, c.page.width, c.page.height});
        const auto texts = textsOf(canvas);
        const auto shown = [&](const std::string& t) {
            return std::any_of(texts.begin(), texts.end(), [&](const TextBox& b) { return b.text == t; });
        };
        EXPECT_TRUE(shown(s.minusFailure));
        EXPECT_TRUE(shown(std::string(kvx::analysis::kSeriesIndexNames[static_cast<std::size_t>(s.plus->governing)]) +
                          " ★"));
        for (const auto& t : indexRowTexts(s.plus->indices[0])) EXPECT_TRUE(shown(t)) << t;
        for (const auto& [caption, value] : resultTexts(*s.plus, ForceUnit::kN)) EXPECT_TRUE(shown(value)) << value;
        EXPECT_EQ(canvas.of(Op::Rectangle).size() > 12u, true);  // the chart came with the table
    }
}

TEST(SeriesPage, ManySpecimensWithLongNamesStayOnThePage) {
    // Eleven specimens whose names alone are wider than the page: the names
    // are cut, and the columns that do not fit go on below the first ones.
    std::vector<SpecimenRow> rows;
    std::vector<std::string> names;
    for (int i = 0; i < 11; ++i) {
        names.push_back(kvx::text::utf8ToCp932Lossy("CLT壁試験体-長い名前-" + std::to_string(i) + ".csv"));
        rows.push_back(row(names.back().c_str(), false, 8.0 + 0.2 * i, 8.7, 9.6, 10.1));
    }
    const auto s = kvx::analysis::summarizeRows(rows, 1.82, 1.0, ForceUnit::kN);
    ASSERT_TRUE(s.plus);
    RecordingCanvas canvas;
    canvas.charWidth = kPageCharWidth;
    drawSeriesSummaryPage(canvas, s, rows, ForceUnit::kN, {"壁.txt", kCaptions}, {718, 1047}, 96);
    expectTidy(canvas, {0, 0, 718, 1047});
    const auto texts = textsOf(canvas);
    const auto count = [&](const std::string& t) {
        return std::count_if(texts.begin(), texts.end(), [&](const TextBox& b) { return b.text == t; });
    };
    EXPECT_EQ(count(readableNumber(10.0, 2)), 1);  // the last specimen's Py, whole
    EXPECT_GE(count("特定変形角時耐力"), 2);       // the first column again in the band below
    // The Minus side has no rows: its reason in two lines, and the Plus side's chart in the room it leaves.
    EXPECT_EQ(count("下限値"), 2);  // the table's heading and the chart's legend
}
