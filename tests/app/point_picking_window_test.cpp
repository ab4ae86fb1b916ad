// Clicks on the graph picture: the point value window, the row handed to the
// data list, dragging the legend, and the pause window brought back.
#include "app/graph_image.h"
#include "app/radio_group.h"
#include "app/t_data_list.h"
#include "app/t_form1.h"
#include "app/t_value.h"
#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using kvx::test::WindowFixture;

namespace {

// X (display channel 2) = row index x `xScale`, Y (main channel 1) = half the
// row index. Centred steps for mm: X 50, Y 25; tolerances 50/30 and 25/30.
QByteArray lineFile(const char* xUnit = "mm", double xScale = 1.0) {
    QByteArray bytes = QByteArray("1,2\nP,D\n,\nkN,") + xUnit + "\n";
    for (int i = 0; i < 100; ++i) bytes += QByteArray::number(0.5 * i) + "," + QByteArray::number(xScale * i, 'f', 6) + "\n";
    return bytes;
}

void mouse(QWidget* image, QEvent::Type type, QPoint at) {
    const bool held = type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, QPointF(at), image->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(image, &event);
}

void click(QWidget* image, QPoint at) {
    mouse(image, QEvent::MouseButtonPress, at);
    mouse(image, QEvent::MouseButtonRelease, at);
}

}  // namespace

class PointPickingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void clickShowsTheValuesAndTheRowNearIt() {
        WindowFixture f;
        auto* image = f.find<kvx::app::GraphImage>("Image1");
        kvx::app::TValue* value = f.window->pointValueWindow();
        click(image, {300, 250});  // before any file: ignored
        QVERIFY(!value->isVisible());

        QVERIFY(f.window->openFile(f.write(QStringLiteral("line.csv"), lineFile())));
        // (40, 20) is row index 40, at pixel (380, 170); rows 39 ... 41 are all
        // within the tolerance and the first of them wins.
        click(image, {380, 170});
        QVERIFY(value->isVisible());
        QCOMPARE(value->valuex->text(), QStringLiteral("40 mm"));
        QCOMPARE(value->valuey->text(), QStringLiteral("20 kN"));
        QCOMPARE(value->radx->text() + value->rady->text(), QStringLiteral("  "));
        QCOMPARE(value->Label4->text(), QStringLiteral("クリックした位置のデータ番号は 40 です"));
        QCOMPARE(f.window->dataListWindow()->Edit1->text(), QStringLiteral("40"));

        click(image, {380, 400});  // far from the record: the data list stays
        QCOMPARE(value->Label4->text(), QStringLiteral("クリックした位置に該当するデータはありません"));
        QCOMPARE(f.window->dataListWindow()->Edit1->text(), QStringLiteral("40"));
    }

    void radAxisReadsAsOneOverN() {
        WindowFixture f;
        // X up to 0.0099 rad: centred step 0.005, so the frame spans -0.01 ... 0.01.
        QVERIFY(f.window->openFile(f.write(QStringLiteral("rad.csv"), lineFile("rad", 0.0001))));
        auto* image = f.find<kvx::app::GraphImage>("Image1");
        kvx::app::TValue* value = f.window->pointValueWindow();
        const std::pair<int, const char*> cases[] = {{400, " 1/200.00 rad"}, {200, "-1/200.00 rad"}, {300, ""}};
        for (const auto& [x, text] : cases) {
            click(image, {x, 250});
            QCOMPARE(value->radx->text(), QString::fromUtf8(text));
        }
        QCOMPARE(value->valuex->text(), QStringLiteral("0 rad"));
    }

    void legendIsDraggedFromInsideAndPickedOnItsBorder() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("line.csv"), lineFile())));
        auto* image = f.find<kvx::app::GraphImage>("Image1");
        kvx::app::TValue* value = f.window->pointValueWindow();
        const auto& state = f.window->state();
        const kvx::plot::Pixel legend = state.LegendPosition;
        const kvx::plot::PixelSize size = state.graph.legendSize;
        const QRect inner(legend.x + 2, legend.y + 2, size.width - 4, size.height - 4);

        click(image, {legend.x, legend.y + size.height / 2});  // on the border: a pick
        QVERIFY(value->isVisible());
        value->Button1->click();

        const QImage before = image->image().copy();
        mouse(image, QEvent::MouseButtonPress, {legend.x + 5, legend.y + 5});
        mouse(image, QEvent::MouseMove, {120, 300});
        QVERIFY(!value->isVisible());
        QCOMPARE(state.LegendPosition, (kvx::plot::Pixel{120, 300}));
        // An XOR outline (cyan on white shows red) at the pointer; the legend not yet moved.
        QCOMPARE(image->image().pixelColor(120 + size.width / 2, 300), QColor(255, 0, 0));
        QCOMPARE(image->image().copy(inner), before.copy(inner));
        mouse(image, QEvent::MouseButtonRelease, {120, 300});  // drawn again, legend at its new place
        QCOMPARE(image->image().copy(inner.translated(120 - legend.x, 300 - legend.y)), before.copy(inner));

        mouse(image, QEvent::MouseButtonPress, {125, 305});
        mouse(image, QEvent::MouseMove, {-80, 900});  // past the picture's edge: kept on it
        mouse(image, QEvent::MouseButtonRelease, {-80, 900});
        QCOMPARE(state.LegendPosition, (kvx::plot::Pixel{0, 504 - size.height}));
    }

    void closingThePointValueWindowBringsBackThePause() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("line.csv"), lineFile())));
        auto* image = f.find<kvx::app::GraphImage>("Image1");
        kvx::app::TValue* value = f.window->pointValueWindow();
        kvx::app::TForm1* pause = f.window->pauseWindow();
        const auto pickAndClose = [&] {
            click(image, {300, 250});
            value->Button1->click();
            return pause->isVisible();
        };
        QVERIFY(!pickAndClose());  // no pause yet

        f.action("N502")->trigger();  // steps of 50 rows, "次へ" after the first
        f.find<kvx::app::RadioGroup>("RGStep")->setItemIndex(1);
        f.interaction.pauseAnswers = {kvx::ui::PauseAnswer::Next};
        f.find<QPushButton>("Button4")->click();
        QVERIFY(pickAndClose());

        pause->BitBtn1->click();  // "中止" there: not brought back again
        QCOMPARE(f.window->state().graph.continueFlag, 0);
        QVERIFY(!pickAndClose());
    }
};

KVX_REGISTER_TEST(PointPickingWindowTest);
#include "point_picking_window_test.moc"
