// The Graph command as the main window runs it: the controls become options,
// step mode pauses in TForm1, and the window's labels follow the passes.
#include "app/t_coeff.h"
#include "app/t_form1.h"
#include "window_fixture.h"

#include "app/graph_image.h"
#include "app/qt_canvas.h"
#include "app/radio_group.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include <cmath>

namespace {

// 450 rows of a load-displacement record, two channels.
QByteArray steppedFile() {
    QByteArray bytes("1,2\nP,D\n,\nkN,mm\n");
    for (int i = 0; i < 450; ++i) bytes += QByteArray::number(i % 37) + "," + QByteArray::number(i % 11) + "\n";
    return bytes;
}

int nonWhite(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

void mouse(QWidget* image, QEvent::Type type, QPoint at) {
    const bool held = type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, QPointF(at), image->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(image, &event);
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT
private slots:
    void stepModePausesAndLabelsTheRows() {
        kvx::test::WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("s.csv"), steppedFile())));
        f.find<QCheckBox>("CBEnvelope")->setChecked(true);
        f.find<QCheckBox>("SkeltonCheck")->setChecked(true);
        f.find<kvx::app::RadioGroup>("RGStep")->setItemIndex(1);
        f.interaction.pauseAnswers = {kvx::ui::PauseAnswer::Next, kvx::ui::PauseAnswer::Next};
        f.find<QPushButton>("Button4")->click();
        QCOMPARE(f.interaction.pauses.size(), std::size_t{2});
        QCOMPARE(f.interaction.pauses[1].rows, std::string("201～400"));
        QCOMPARE(f.find<QLabel>("Label5")->text(), QStringLiteral("201 ～ 400"));
        QCOMPARE(f.window->state().graph.regionStart, 400);
        QCOMPARE(f.window->state().graph.regionEnd, 450);
        // Step mode turns the envelope and the skeleton off, without a second graph.
        QVERIFY(!f.find<QCheckBox>("CBEnvelope")->isChecked());
        QVERIFY(!f.find<QCheckBox>("SkeltonCheck")->isChecked());
    }

    void optionControlsReachTheGraph() {
        kvx::test::WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("s.csv"), steppedFile())));
        // First quadrant: axes from 0.
        f.find<QCheckBox>("CheckBox33")->click();
        QCOMPARE(f.window->state().graph.frame.XStart, 0.0);
        QCOMPARE(f.window->state().graph.frame.YStep, 10.0);  // 36 over 4 divisions
        // Main channel on X exchanges the axes.
        f.find<kvx::app::RadioGroup>("RGmainaxis")->setItemIndex(0);
        f.find<QPushButton>("Button4")->click();
        QCOMPARE(f.window->state().graph.frame.XStep, 10.0);
        QCOMPARE(f.window->state().graph.frame.XUnit, std::string("kN"));
        // Sign inversion of the display channel: every X value is negated.
        f.window->signBox(2)->setChecked(true);
        f.find<QPushButton>("Button4")->click();
        QCOMPARE(f.window->state().graph.Y[5], -5.0);
        // Two min/max boxes are refused.
        f.takeShown();
        f.find<QCheckBox>("CBMax1")->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"MinMax表示位置を選択できるのは1個までです"});
    }

    void legendAndTitleOnThePicture() {
        kvx::test::WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("s.csv"), steppedFile())));
        const QImage withLegend = f.find<QWidget>("Image1")->grab().toImage();
        QVERIFY(f.window->state().graph.legendShown);
        const QSize legend(f.window->state().graph.legendSize.width, f.window->state().graph.legendSize.height);
        QVERIFY(nonWhite(withLegend, QRect(QPoint(350, 80), legend)) > 0);
        // The graph title (the file name) stands above the frame.
        QVERIFY(nonWhite(withLegend, QRect(250, 10, 100, 20)) > 0);
        f.find<QCheckBox>("CBTitle")->click();
        QCOMPARE(nonWhite(f.find<QWidget>("Image1")->grab().toImage(), QRect(250, 10, 100, 20)), 0);
    }

    // Long point names push the legend left of the place asked for, so that it
    // fits the picture; it is grabbed where it is drawn.
    void legendOfLongNamesFitsThePictureAndIsGrabbedWhereItIsDrawn() {
        kvx::test::WindowFixture f;
        QByteArray bytes("1,2\nP,LONG-CHANNEL-NAME-02\n,\nkN,mm\n");
        for (int i = 0; i < 50; ++i) bytes += QByteArray::number(i % 9) + "," + QByteArray::number(i % 5) + "\n";
        QVERIFY(f.window->openFile(f.write(QStringLiteral("long.csv"), bytes)));
        const auto& state = f.window->state();
        const kvx::plot::Pixel drawn = state.graph.legendPosition;
        const kvx::plot::PixelSize size = state.graph.legendSize;
        QCOMPARE(state.LegendPosition, (kvx::plot::Pixel{350, 80}));
        QVERIFY(drawn.x < 350);
        QCOMPARE(drawn.x + size.width, kvx::app::kImageWidth);
        auto* image = f.find<kvx::app::GraphImage>("Image1");
        QCOMPARE(image->image().pixel(kvx::app::kImageWidth - 1, drawn.y + size.height / 2), qRgb(0, 0, 0));

        mouse(image, QEvent::MouseButtonPress, {drawn.x + 5, drawn.y + 5});  // left of the place asked for
        mouse(image, QEvent::MouseMove, {100, 300});
        mouse(image, QEvent::MouseButtonRelease, {100, 300});
        QCOMPARE(state.LegendPosition, (kvx::plot::Pixel{100, 300}));
        QCOMPARE(state.graph.legendPosition, (kvx::plot::Pixel{100, 300}));
    }

    void loopModeWritesLoopCsvBesideTheData() {
        kvx::test::WindowFixture f;
        // A load that changes sign every 100 rows around a displacement: 4 loops.
        QByteArray bytes("1,2\nP,D\n,\nkN,mm\n");
        for (int i = 0; i < 900; ++i) {
            const double t = 2 * M_PI * (i - 100.5) / 200.0;
            bytes += QByteArray::number(10 * std::sin(t)) + "," + QByteArray::number(3 * std::sin(t + 0.3)) + "\n";
        }
        const QString path = f.write(QStringLiteral("c.csv"), bytes, QStringLiteral("run"));
        QVERIFY(f.window->openFile(path));
        f.find<QCheckBox>("CBFile")->setChecked(true);
        f.find<kvx::app::RadioGroup>("RGStep")->setItemIndex(2);
        f.interaction.pauseAnswers = {kvx::ui::PauseAnswer::Next, kvx::ui::PauseAnswer::Stop};
        f.takeShown();
        f.find<QPushButton>("Button4")->click();
        QCOMPARE(f.interaction.pauses.size(), std::size_t{2});
        QCOMPARE(f.interaction.pauses[0].rows, std::string("1～101"));
        QVERIFY(!f.interaction.pauses[0].damping.empty());
        QCOMPARE(f.takeShown(), std::vector<std::string>{"ループ情報をLoop.csvに出力しました"});
        QVERIFY(!f.find<QCheckBox>("CBFile")->isChecked());
        QFile loops(f.dir() + QStringLiteral("/run/LOOP.CSV"));
        QVERIFY(loops.open(QIODevice::ReadOnly));
        QCOMPARE(loops.readAll().count('\n'), 4 + 2);
    }

    void skeletonEvaluationFillsTheCharacteristicsWindow() {
        kvx::test::WindowFixture f;
        QFile sample(QStringLiteral(SAMPLES_DIR "/racking-test.csv"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QString path = f.write(QStringLiteral("wall.csv"), sample.readAll(), QStringLiteral("test1"));
        QVERIFY(f.window->openFile(path));
        f.find<QCheckBox>("PFPCheck")->setChecked(true);
        f.find<QCheckBox>("CBFile")->setChecked(true);
        f.action("N991")->trigger();  // exponential approximation; redraws
        f.takeShown();
        f.find<QCheckBox>("SkeltonCheck")->click();
        const auto shown = f.takeShown();
        QVERIFY(std::find(shown.begin(), shown.end(), "骨格曲線データSkelton.csvに出力しました") != shown.end());
        QVERIFY(!f.find<QCheckBox>("CBFile")->isChecked());
        QVERIFY(QFile::exists(f.dir() + QStringLiteral("/test1/SKELTON.CSV")));
        auto* coeff = f.window->characteristicsWindow();
        QVERIFY(coeff->isVisible());
        QCOMPARE(coeff->windowTitle(), QStringLiteral("復元力特性"));
        QCOMPARE(coeff->valueLabel("Pmax")->text(), QStringLiteral("     17.74kN (   0.033rad)"));
        QVERIFY(coeff->valueLabel("PK")->text().endsWith(QStringLiteral("kN/rad")));
        QCOMPARE(coeff->StringGrid1->item(0, 0)->text(), QStringLiteral("a[ 0]"));
        QVERIFY(coeff->StringGrid1->item(4, 0) != nullptr);
        QVERIFY(coeff->StringGrid1->item(5, 0) == nullptr);
        // ELASTO.CSV in the start folder got the row.
        QFile elasto(f.dir() + QStringLiteral("/ELASTO.CSV"));
        QVERIFY(elasto.open(QIODevice::ReadOnly));
        QCOMPARE(elasto.readAll().count('\n'), 2);
        // "Line Mark" redraws with the guide lines.
        coeff->LineCheck->click();
        QVERIFY(f.window->state().graph.skeleton.evaluated);
    }

    void pauseWindowButtonsAnswer() {
        kvx::app::TForm1 window;
        struct Case {
            const char* button;
            kvx::ui::PauseAnswer answer;
        };
        const Case cases[] = {{"BitBtn2", kvx::ui::PauseAnswer::Next},
                              {"BitBtn3", kvx::ui::PauseAnswer::Back},
                              {"BitBtn1", kvx::ui::PauseAnswer::Stop}};
        for (const auto& c : cases) {
            kvx::test::WhenModal press(window, [&] { window.findChild<QPushButton*>(QLatin1String(c.button))->click(); });
            kvx::ui::PauseInfo info;
            info.rows = "1～200";
            QCOMPARE(window.showPause(info), c.answer);
            QVERIFY(press.acted());
            QCOMPARE(window.Label2->text(), QStringLiteral("1～200"));
            QVERIFY(window.Label4->text().isEmpty());
        }
        kvx::test::WhenModal close(window, [&] { window.reject(); });  // closed by its frame
        QCOMPARE(window.showPause({}), kvx::ui::PauseAnswer::Closed);
        QVERIFY(close.acted());
        QCOMPARE(window.windowTitle(), QStringLiteral("一時停止"));
        QCOMPARE(window.CheckBox1->toolTip(), QStringLiteral("常にクリップボードへコピー"));
    }
};

KVX_REGISTER_TEST(GraphWindowTest);
#include "graph_window_test.moc"
