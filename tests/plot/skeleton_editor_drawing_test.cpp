// The skeleton editor's evaluation picture: every text readable (inside the
// view, apart from every other text), texts with room at the points they
// name, and construction lines in a colour that shows on white.
#include "plot/skeleton_editor_drawing.h"

#include "analysis/skeleton_curve.h"
#include "data/standard_csv_reader.h"
#include "plot/recording_canvas.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace kvx::plot;
using kvx::analysis::EditorEvaluation;
using kvx::analysis::EditorView;
using kvx::analysis::SkeletonCurve;
using Op = RecordingCanvas::Op;

namespace {

constexpr int kWidth = 544, kHeight = 504;  // the editor's picture

const char* const kEvaluationTexts[] = {"Yield Point Py", "Pmax", "0.1Pmax", "0.4Pmax", "0.9Pmax",
                                        "0.8Pmax",        "du",   "gm/2",    "gm",      "dy",
                                        "dv",             "1/120", "1/30",   "2/3Pmax", "Pu"};

struct Record {
    std::vector<double> x, y;
};

// The bundled racking test: load kN in channel 1, deformation angle in channel 2.
Record sampleRecord() {
    kvx::ui::ScriptedInteraction ia;
    ia.defaultAnswer = kvx::ui::Answer::Ok;
    kvx::data::MeasurementData d;
    Record r;
    if (kvx::data::readStandardCsv(SAMPLES_DIR "/racking-test.csv", kvx::data::ForceUnit::kN, ia, d).rows == 0)
        return r;
    for (int i = 0; i < d.RowCount; ++i) {
        r.x.push_back(d.value(i, 1));
        r.y.push_back(d.value(i, 0));
    }
    return r;
}

SkeletonCurve storeOf(const kvx::analysis::PointList& p) {
    SkeletonCurve c;
    c.count = static_cast<int>(std::min<std::size_t>(p.size(), SkeletonCurve::kSlots));
    std::copy_n(p.x.begin(), c.count, c.X.begin());
    std::copy_n(p.y.begin(), c.count, c.Y.begin());
    return c;
}

double largest(const std::vector<double>& v) {
    double m = 0;
    for (double d : v) m = std::max(m, std::fabs(d));
    return m;
}

struct Picture {
    RecordingCanvas canvas;
    EditorView view;
};

// Shows the record as the editor does, then draws the evaluation over it.
void draw(Picture& p, const Record& r, const EditorEvaluation& e, const SkeletonCurve& curve, bool firstQuadrant,
          bool construction = true) {
    p.view = EditorView::make(kWidth, kHeight, *kvx::analysis::editorScale(largest(r.x)),
                              *kvx::analysis::editorScale(largest(r.y)), firstQuadrant);
    const auto viewTexts = drawEditorView(p.canvas, p.view, r.x, r.y, {"kN", "rad"}, firstQuadrant);
    selectMarkerPen(p.canvas);
    drawEditorMarkers(p.canvas, p.view, curve);
    const EditorTitle title{"racking-test.csv", 2, 1, 1, "2024/05/17  14:03.21"};
    drawEditorEvaluation(p.canvas, p.view, e, curve, construction, title, viewTexts);
}

struct PlacedText {
    std::string text;
    TextBox box;
};

// The texts still to be seen: a text that a later white fill covers is gone.
std::vector<PlacedText> visibleTexts(const RecordingCanvas& c) {
    std::vector<PlacedText> out;
    for (std::size_t i = 0; i < c.calls.size(); ++i) {
        const auto& call = c.calls[i];
        if (call.op != Op::TextOut) continue;
        const TextBox box{call.points[0], c.textExtent(call.text, TextEncoding::Utf8)};
        const bool erased = std::any_of(c.calls.begin() + static_cast<std::ptrdiff_t>(i) + 1, c.calls.end(),
                                        [&](const RecordingCanvas::Call& later) {
                                            return later.op == Op::FillRect && !later.brush.clear &&
                                                   later.points[0].x <= box.topLeft.x &&
                                                   later.points[0].y <= box.topLeft.y &&
                                                   later.points[1].x >= box.right() &&
                                                   later.points[1].y >= box.bottom();
                                        });
        if (!erased) out.push_back({call.text, box});
    }
    return out;
}

std::string describe(const PlacedText& t) {
    return "\"" + t.text + "\" at (" + std::to_string(t.box.topLeft.x) + ", " + std::to_string(t.box.topLeft.y) +
           ") size " + std::to_string(t.box.size.width) + "x" + std::to_string(t.box.size.height);
}

void expectReadable(const Picture& p) {
    const std::vector<PlacedText> texts = visibleTexts(p.canvas);
    for (const char* expected : kEvaluationTexts) {
        const auto n =
            std::count_if(texts.begin(), texts.end(), [&](const PlacedText& t) { return t.text == expected; });
        EXPECT_EQ(n, 1) << expected;
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const TextBox& b = texts[i].box;
        EXPECT_TRUE(b.topLeft.x >= 0 && b.topLeft.y >= 0 && b.right() <= kWidth && b.bottom() <= kHeight)
            << describe(texts[i]) << " leaves the view";
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            // The title writes the file name once more over the start of its first line.
            const bool titleRepeat = texts[i].box.topLeft == texts[j].box.topLeft &&
                                     texts[i].text.rfind(texts[j].text, 0) == 0;
            if (!titleRepeat) {
                EXPECT_FALSE(b.overlaps(texts[j].box)) << describe(texts[i]) << " overlaps " << describe(texts[j]);
            }
        }
    }
}

// Where an evaluation's lines stand (loads in kN, deformations in the record's unit).
struct Lines {
    double Pmax, gm, gy, dv, du, Pu;
};

// A completed evaluation with those lines; the lines through the curve follow from them.
EditorEvaluation evaluationWith(const Lines& l) {
    EditorEvaluation e;
    e.reached = 8;
    e.Pmax = l.Pmax;
    e.gm = l.gm;
    e.gy = l.gy;
    e.dv = l.dv;
    e.du = static_cast<float>(l.du);
    e.Pu = l.Pu;
    e.Py = 0.55 * l.Pmax;
    e.X01 = 0.1 * l.gy / 0.55, e.X04 = 0.4 * l.gy / 0.55, e.X09 = 0.3 * l.gm;
    e.k1 = 0.3 * l.Pmax / (e.X04 - e.X01);
    e.k2 = 0.5 * l.Pmax / (e.X09 - e.X04);
    e.Tx = 0.8 * e.X09, e.Ty = 0.8 * l.Pmax;
    return e;
}

// A record that reaches `peak` kN at `reach` rad both ways, so the view's scales follow from them.
Record spanning(double reach, double peak) { return {{-reach, 0, reach}, {-peak, 0, peak}}; }

}  // namespace

TEST(EditorEvaluationTexts, SampleRecordTextsAreInsideAndApart) {
    const Record r = sampleRecord();
    ASSERT_GT(r.x.size(), 1000u);
    const SkeletonCurve curve = storeOf(kvx::analysis::skeletonPoints(r.x, r.y));
    const EditorEvaluation e =
        kvx::analysis::evaluateEditorPoints(curve.storedX(), curve.storedY(), {"kN", "rad"});
    ASSERT_FALSE(e.failure) << e.failure->message;
    // 1.15 Pmax (20.4 kN) is above the view's 20 kN: the old texts left the picture.
    ASSERT_GT(1.15 * e.Pmax, 20.0);
    // The recording canvas's cell, and one about the size of the screen's bold 12-point Gothic.
    const struct {
        int charWidth, charHeight;
        bool firstQuadrant;
    } cases[] = {{7, 14, false}, {10, 17, false}, {10, 17, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.charWidth) + "x" + std::to_string(c.charHeight) +
                     (c.firstQuadrant ? ", first quadrant" : ", both sides"));
        Picture p;
        p.canvas.charWidth = c.charWidth, p.canvas.charHeight = c.charHeight;
        draw(p, r, e, curve, c.firstQuadrant);
        expectReadable(p);
    }
}

TEST(EditorEvaluationTexts, CloseLinesAndAPeakAtTheTopStayReadable) {
    const SkeletonCurve none;
    const struct {
        const char* name;
        Record record;
        Lines lines;
    } cases[] = {
        // dy, dv and 1/120 within a pixel or two, gm on 1/30, du just beyond: every vertical text on one spot.
        {"lines on top of each other", spanning(0.07, 19), {19, 1.0 / 30, 1.0 / 120, 1.0 / 120 + 0.0001, 0.035, 18}},
        {"peak at the top of the view", spanning(0.07, 19.9), {19.9, 0.03, 0.006, 0.008, 0.06, 18.5}},
        // Small loads on a large scale: the horizontal lines a few pixels apart.
        {"load levels close together", spanning(0.07, 19), {3, 0.02, 0.005, 0.006, 0.05, 2.8}},
        // The plateau ends a pixel before the right edge, where "Pu" is wanted.
        {"ultimate point at the right edge", spanning(0.07, 19), {19, 0.03, 0.006, 0.008, 0.0995, 18}},
        // A deformation record in mm: 1/120 and 1/30 are on the load axis, the other lines far right.
        {"deformations in mm", spanning(70, 19), {19, 30, 6, 8, 60, 18}},
    };
    for (const auto& c : cases) {
        for (const bool firstQuadrant : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (firstQuadrant ? ", first quadrant" : ", both sides"));
            Picture p;
            draw(p, c.record, evaluationWith(c.lines), none, firstQuadrant);
            expectReadable(p);
        }
    }
}

TEST(EditorEvaluationTexts, TextsWithRoomStayAtTheirPoints) {
    // Load levels 19 pixels apart and vertical lines far apart below the title:
    // these texts need not move from the points the evaluation names.
    Picture p;
    draw(p, spanning(0.07, 19), evaluationWith({15, 0.04, 0.002, 0.012, 0.06, 9.75}), SkeletonCurve{}, false);
    const auto texts = visibleTexts(p.canvas);
    const struct {
        const char* text;
        double x, load;
    } cases[] = {{"0.1Pmax", 0.012, 1.5},
                 {"0.4Pmax", 0.012, 6},
                 {"0.8Pmax", 0.024, 12},
                 {"gm", 0.04, 1.15 * 15},
                 {"du", 0.06, 1.15 * 15}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto [px, py] = p.view.toPixel(c.x, c.load);
        const auto t = std::find_if(texts.begin(), texts.end(), [&](const PlacedText& v) { return v.text == c.text; });
        ASSERT_NE(t, texts.end());
        EXPECT_EQ(t->box.topLeft, (Pixel{px, py}));
    }
}

TEST(EditorEvaluationTexts, ConstructionLinesAndTextsShowOnWhite) {
    // WCAG contrast against white; plain yellow (255, 255, 0) has 1.07.
    const auto contrastOnWhite = [](Rgb c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        const double l = 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
        return 1.05 / (l + 0.05);
    };
    Picture p;
    draw(p, spanning(0.07, 19), evaluationWith({10, 0.03, 0.005, 0.012, 0.06, 9.5}), SkeletonCurve{}, false);
    int lines = 0, texts = 0;
    for (const auto& call : p.canvas.calls) {
        const bool construction =
            std::find(std::begin(kEvaluationTexts), std::end(kEvaluationTexts) - 1, call.text) !=
            std::end(kEvaluationTexts) - 1;  // every evaluation text but the model's "Pu"
        if (call.op == Op::TextOut && construction) {
            ++texts;
            EXPECT_GE(contrastOnWhite(call.font.color), 3.0) << call.text;
        }
        if (call.op == Op::LineTo && call.pen.mode == PenMode::Copy && call.pen.color != Rgb{0, 128, 0} &&
            call.pen.color != Rgb{0, 255, 255}) {
            ++lines;
            EXPECT_GE(contrastOnWhite(call.pen.color), 3.0);
        }
    }
    EXPECT_EQ(texts, 14);
    EXPECT_GE(lines, 14);
}
