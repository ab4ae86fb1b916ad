// The skeleton editor as a user drives it: opened by a skeleton evaluation,
// points added, deleted and moved with the mouse on its picture, thinned,
// evaluated into the result labels and the wall evaluation's button, and
// closed with its result shown on the main graph.
#include "app/graph_image.h"
#include "app/radio_group.h"
#include "skeleton_fixture.h"

#include <QLabel>
#include <QPushButton>

#include <functional>
#include <optional>

using kvx::app::TSkelton_edit;
using kvx::test::curveOf;
using kvx::test::openEditor;
using kvx::test::sampleFile;
using kvx::test::WindowFixture;

namespace {

QPoint pixelOf(const TSkelton_edit* editor, double x, double y) {
    const auto [px, py] = editor->view().toPixel(x, y);
    return {px, py};
}

void clickAt(TSkelton_edit* editor, QPoint p) { QTest::mouseClick(editor->Image1, Qt::LeftButton, {}, p); }

int greenPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(0, 128, 0);
    return n;
}

// Whether a pixel of `color` lies within one pixel of `p` (lines are two pixels wide).
bool colorNear(const QImage& image, QPoint p, QRgb color) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(p + QPoint(dx, dy)) && image.pixel(p + QPoint(dx, dy)) == color) return true;
    return false;
}

QImage mainGraph(const WindowFixture& f) {
    for (auto* image : f.window->findChildren<kvx::app::GraphImage*>())
        if (image->window() == f.window.get()) return image->image().copy();
    return {};
}

bool resultsCleared(const TSkelton_edit* editor) {
    for (int n = 5; n <= 21; ++n)
        if (!editor->label(n)->text().isEmpty()) return false;
    return true;
}

bool sortedByX(const kvx::analysis::SkeletonCurve& c) {
    for (int i = 1; i < c.count; ++i)
        if (c.X[static_cast<std::size_t>(i - 1)] > c.X[static_cast<std::size_t>(i)]) return false;
    return true;
}

}  // namespace

class SkeletonEditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void skeletonEvaluationOpensTheEditor() {
        WindowFixture f;
        TSkelton_edit* editor = openEditor(f, sampleFile());
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Skelton Curve Edit"));
        QVERIFY(f.interaction.shown.empty());
        QCOMPARE(editor->Label1->text(), QStringLiteral("Skelton Points %1").arg(curveOf(f).count));
        QVERIFY(sortedByX(curveOf(f)));
        // Largest |X| 0.067 rad and |Y| 17.7 kN: scales 0.05 and 10, both sides shown.
        QCOMPARE(editor->view().sx, 0.05);
        QCOMPARE(editor->view().sy, 10.0);
        QCOMPARE(editor->view().x0, -0.1);
        QCOMPARE(editor->pointMode(), TSkelton_edit::PointMode::None);
        QCOMPARE(editor->thinningCount(), 75);
        // Opening the editor takes the wall evaluation away until the edited points are evaluated.
        QVERIFY(!editor->Button4->isEnabled());
        for (int n = 5; n <= 21; ++n) QVERIFY(editor->label(n)->text().isEmpty());
        // The mouse position in data units and the plot's units.
        QTest::mouseMove(editor->Image1, pixelOf(editor, 0.05, 10));
        QCOMPARE(editor->Label2->text(), QStringLiteral("X: 0.05rad"));
        QCOMPARE(editor->Label4->text(), QStringLiteral("Y: 10kN"));

        // First quadrant: the view starts at the origin.
        f.find<QCheckBox>("CheckBox33")->click();
        QCOMPARE(editor->view().x0, 0.0);
        QCOMPARE(editor->view().px, 272.0);
    }

    void addInsertsWhereTheOrderStays() {
        WindowFixture f;
        TSkelton_edit* editor = openEditor(f, sampleFile());
        QVERIFY(editor);
        editor->RadioGroup2->item(1)->click();  // 追加する
        const auto& c = curveOf(f);
        const struct {
            const char* name;
            QPoint pixel;
        } cases[] = {{"left of the first point", {3, 300}},
                     {"right of the last point", {540, 200}},
                     {"between two points", pixelOf(editor, 0.012, 14)}};
        for (const auto& k : cases) {
            const int before = c.count;
            const auto [x, y] = editor->view().toData(k.pixel.x(), k.pixel.y());
            int expectedAt = 0;
            while (expectedAt < before && c.X[static_cast<std::size_t>(expectedAt)] < x) ++expectedAt;
            clickAt(editor, k.pixel);
            QVERIFY2(c.count == before + 1, k.name);
            QVERIFY2(c.X[static_cast<std::size_t>(expectedAt)] == x && c.Y[static_cast<std::size_t>(expectedAt)] == y,
                     k.name);
            QVERIFY2(sortedByX(c), k.name);
            QCOMPARE(editor->Label1->text(), QStringLiteral("Skelton Points %1").arg(before + 1));
        }
        QCOMPARE(curveOf(f).X[0], editor->view().toData(3, 300).first);
    }

    void deleteAndMoveWorkOnTheMarkerUnderTheMouse() {
        WindowFixture f;
        TSkelton_edit* editor = openEditor(f, sampleFile());
        QVERIFY(editor);
        const auto& c = curveOf(f);
        const int original = c.count;
        const QImage untouched = editor->Image1->image().copy();

        // A point in the empty lower right quarter, then deleted by a click 2 pixels off.
        editor->RadioGroup2->item(1)->click();
        const QPoint lonely = pixelOf(editor, 0.06, -15);
        clickAt(editor, lonely);
        QCOMPARE(c.count, original + 1);
        QVERIFY(editor->Image1->image() != untouched);
        editor->RadioGroup2->item(2)->click();  // 削除する
        clickAt(editor, lonely + QPoint(2, -2));
        QCOMPARE(c.count, original);
        QCOMPARE(editor->Image1->image(), untouched);  // the XOR marker is gone without a trace
        // Nothing within 4 pixels: nothing selected, nothing deleted.
        clickAt(editor, lonely);
        QCOMPARE(c.count, original);
        QCOMPARE(editor->Label3->text(), QStringLiteral("Selected point "));

        // Move: press on the point, drag, release elsewhere.
        editor->RadioGroup2->item(1)->click();
        clickAt(editor, lonely);
        const auto [lx, ly] = editor->view().toData(lonely.x(), lonely.y());
        int index = 0;
        while (index < c.count && c.X[static_cast<std::size_t>(index)] != lx) ++index;
        QCOMPARE(c.Y[static_cast<std::size_t>(index)], ly);
        editor->RadioGroup2->item(0)->click();  // 移動する
        const QPoint target = lonely + QPoint(-40, 30);
        QTest::mousePress(editor->Image1, Qt::LeftButton, {}, lonely);
        QCOMPARE(editor->Label3->text(), QStringLiteral("Selected point %1").arg(index));
        const QPoint halfway = lonely + QPoint(-20, 15);
        QTest::mouseMove(editor->Image1, halfway);
        QTest::mouseMove(editor->Image1, target);
        QTest::mouseRelease(editor->Image1, Qt::LeftButton, {}, target);
        const auto [tx, ty] = editor->view().toData(target.x(), target.y());
        QCOMPARE(c.X[static_cast<std::size_t>(index)], tx);
        QCOMPARE(c.Y[static_cast<std::size_t>(index)], ty);
        const QImage moved = editor->Image1->image();
        const auto spot = [](QPoint p) { return QRect(p - QPoint(5, 5), QSize(11, 11)); };
        const QRect newSpot = spot(target);
        for (const QPoint left : {lonely, halfway}) QCOMPARE(moved.copy(spot(left)), untouched.copy(spot(left)));
        QVERIFY(moved.copy(newSpot) != untouched.copy(newSpot));
        // Closing sorts the store; the moved point left its place in the order.
        QVERIFY(!sortedByX(c));
        editor->Button1->click();
        QVERIFY(sortedByX(c));
        QVERIFY(!editor->isVisible());
    }

    void countChangeAndButtonThinTheStore() {
        WindowFixture f;
        TSkelton_edit* editor = openEditor(f, sampleFile());
        QVERIFY(editor);
        const auto& c = curveOf(f);
        const double first = c.X[0], last = c.X[static_cast<std::size_t>(c.count - 1)];
        QVERIFY(c.count > 100);
        editor->RadioGroup1->item(1)->click();  // 50: a change thins at once
        QVERIFY(c.count <= 50 + 2);
        editor->RadioGroup1->setItemIndex(0);  // 25, without a click: only the button thins
        editor->Button2->click();
        QVERIFY(c.count <= 25 + 2);
        QCOMPARE(c.X[0], first);
        QCOMPARE(c.X[static_cast<std::size_t>(c.count - 1)], last);
        QCOMPARE(editor->Label1->text(), QStringLiteral("Skelton Points %1").arg(c.count));
    }

    void anAddedPointMakesAStoppedTestEvaluable() {
        WindowFixture f;
        TSkelton_edit* editor = openEditor(f, kvx::test::stoppedEarlyFile());
        QVERIFY(editor);
        editor->CheckBox1->setChecked(true);
        editor->Button3->click();
        QCOMPARE(f.interaction.shown.size(), std::size_t{1});
        QCOMPARE(f.interaction.shown[0].caption, std::string("0.8Pmaxの点が見つけられない"));
        QCOMPARE(f.interaction.shown[0].icon, kvx::ui::Icon::Exclamation);
        QVERIFY(!editor->label(5)->text().isEmpty());  // the steps reached keep their labels
        QVERIFY(editor->label(10)->text().isEmpty());
        QVERIFY(!editor->Button4->isEnabled());

        editor->RadioGroup2->item(1)->click();
        clickAt(editor, pixelOf(editor, 0.036, 8));
        const QImage before = editor->Image1->image().copy();
        f.takeShown();
        editor->Button3->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        QVERIFY(editor->label(10)->text().endsWith(QStringLiteral("kN/rad")));
        QVERIFY(editor->label(13)->text().startsWith(QStringLiteral("Pu = ")));
        QVERIFY(editor->Button4->isEnabled());
        QVERIFY(greenPixels(editor->Image1->image()) > greenPixels(before) + 100);  // the bilinear model
        // "骨格曲線近似" clears every result label.
        editor->Button7->click();
        for (int n = 5; n <= 21; ++n) QVERIFY(editor->label(n)->text().isEmpty());
        // The next skeleton evaluation opens the editor again with the wall button off.
        f.find<QCheckBox>("SkeltonCheck")->click();
        f.find<QCheckBox>("SkeltonCheck")->click();
        QVERIFY(!editor->Button4->isEnabled());
    }

    void thinningClearsTheResults() {
        WindowFixture f;
        TSkelton_edit* editor = openEditor(f, sampleFile());
        QVERIFY(editor);
        const struct {
            const char* name;
            std::function<void()> thin;
        } cases[] = {{"点整理", [&] { editor->Button2->click(); }},
                     {"点数変更", [&] { editor->RadioGroup1->item(3)->click(); }}};
        for (const auto& c : cases) {
            editor->Button3->click();
            QVERIFY2(f.takeShown().empty(), c.name);
            QVERIFY2(!resultsCleared(editor) && editor->evaluation(), c.name);
            c.thin();
            // The values were those of the points before thinning.
            QVERIFY2(resultsCleared(editor), c.name);
            QVERIFY2(!editor->evaluation(), c.name);
        }
    }

    void closeShowsTheEditedSkeletonAndItsModelOnTheGraph() {
        const struct {
            const char* name;
            bool evaluate, thinAfterwards, shown;
        } cases[] = {{"evaluated", true, false, true},
                     {"not evaluated", false, false, false},
                     {"thinned after the evaluation", true, true, false}};
        for (const auto& c : cases) {
            WindowFixture f;
            TSkelton_edit* editor = openEditor(f, kvx::test::stoppedEarlyFile());
            QVERIFY2(editor, c.name);
            // The test stopped at 0.03 rad; a point after the fall makes it evaluable.
            editor->RadioGroup2->item(1)->click();
            const QPoint addedAt = pixelOf(editor, 0.036, 8);
            clickAt(editor, addedAt);
            const auto [addedX, addedY] = editor->view().toData(addedAt.x(), addedAt.y());
            const int count = curveOf(f).count;
            if (c.evaluate) editor->Button3->click();
            if (c.thinAfterwards) editor->RadioGroup1->item(3)->click();
            QVERIFY2(f.takeShown().empty(), c.name);
            const std::optional<kvx::analysis::EditorEvaluation> e = editor->evaluation();
            QCOMPARE(e.has_value(), c.shown);
            const QImage before = mainGraph(f);
            QVERIFY2(!before.isNull(), c.name);

            editor->Button1->click();
            QVERIFY2(!editor->isVisible(), c.name);
            const QImage after = mainGraph(f);
            if (!c.shown) {
                QVERIFY2(after == before, c.name);
                continue;
            }
            // No new skeleton from the record: the added point is still there, and drawn.
            QCOMPARE(curveOf(f).count, count);
            const auto& state = f.window->state().graph;
            const kvx::plot::FrameMapping map{state.frame, state.place};
            const auto pixel = [&](double x, double y) {
                const kvx::plot::Pixel p = map.toPixel(x, y);
                return QPoint(p.x, p.y);
            };
            const auto& curve = curveOf(f);
            const QPoint lastMeasured = pixel(curve.X[static_cast<std::size_t>(count - 2)],
                                              curve.Y[static_cast<std::size_t>(count - 2)]);
            const QPoint added = pixel(addedX, addedY);
            const QPoint toTheAddedPoint = (lastMeasured + added) / 2;
            QVERIFY(before.rect().contains(added));
            QVERIFY(!colorNear(before, toTheAddedPoint, qRgb(0, 0, 0)));
            QVERIFY(colorNear(after, toTheAddedPoint, qRgb(0, 0, 0)));
            // The editor's model (0,0)-(dv,Pu)-(du,Pu) in green.
            const QPoint rising = pixel(e->dv / 2, e->Pu / 2), plateau = pixel((e->dv + e->du) / 2, e->Pu);
            for (const QPoint p : {rising, plateau}) {
                QVERIFY(!colorNear(before, p, qRgb(0, 128, 0)));
                QVERIFY(colorNear(after, p, qRgb(0, 128, 0)));
            }
        }
    }
};

KVX_REGISTER_TEST(SkeletonEditorWindowTest);
#include "skeleton_editor_window_test.moc"
