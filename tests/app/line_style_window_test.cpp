// The line style window driven as a user would: rows of the file's channels,
// the colour chooser and thick lines, .clr files, defaults; the main window's
// channel boxes and the next graph follow.
#include "app/graph_image.h"
#include "app/t_settei.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

struct StyleFixture : kvx::test::WindowFixture {
    StyleFixture() {
        window->openFile(write(QStringLiteral("two.csv"), "1,2\nP,D\n,\nkN,mm\n0,0\n1,2\n2,1\n-1,-2\n"));
        find<QPushButton>("Button9")->click();
        settei = window->lineStyleWindow();
    }
    const kvx::plot::LineStyles& styles() const { return window->state().lineStyles; }
    QRgb samplePixel(int channel, int y) const { return settei->sample(channel)->pixmap().toImage().pixel(35, y); }
    std::string path(const char* name) const { return (dir() + QLatin1Char('/') + QLatin1String(name)).toStdString(); }
    bool graphHolds(QRgb color) const {
        const QImage image = find<kvx::app::GraphImage>("Image1")->image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) return true;
        return false;
    }

    kvx::app::TSettei* settei = nullptr;
};

}  // namespace

class LineStyleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheFilesChannelsCanBeChanged() {
        StyleFixture f;
        QVERIFY(f.settei->isVisible());
        for (int k = 1; k <= 16; ++k) {
            QCOMPARE(f.settei->colorButton(k)->isEnabled(), k <= 2);
            QCOMPARE(f.settei->boldBox(k)->isEnabled(), k <= 2);
            QCOMPARE(f.settei->sample(k)->isVisible(), k <= 2);
        }
        QCOMPARE(f.samplePixel(2, 8), qRgb(255, 0, 0));  // channel 2 is red by default
    }

    void colourAndThickLineReachBoxesSampleAndNextGraph() {
        StyleFixture f;
        f.interaction.colors = {0x123456};
        f.settei->colorButton(2)->click();
        QCOMPARE(f.interaction.colorRequests, std::vector<std::uint32_t>{0xFF0000});
        QCOMPARE(f.styles().ChannelColors[1], (kvx::plot::Rgb{0x12, 0x34, 0x56}));
        QCOMPARE(f.samplePixel(2, 8), qRgb(0x12, 0x34, 0x56));
        QCOMPARE(f.window->channelBox(2)->background(), QColor(0x12, 0x34, 0x56));
        QVERIFY(!f.graphHolds(qRgb(0x12, 0x34, 0x56)));  // nothing redraws from here
        f.find<QPushButton>("Button4")->click();
        QVERIFY(f.graphHolds(qRgb(0x12, 0x34, 0x56)));
        f.settei->colorButton(1)->click();  // cancelled: nothing changes
        QCOMPARE(f.styles().ChannelColors[0], kvx::plot::kDefaultChannelColors[0]);

        QCOMPARE(f.samplePixel(1, 9), qRgb(255, 255, 255));
        f.settei->boldBox(1)->click();
        QCOMPARE(f.styles().ChannelBold[0], 1);
        QVERIFY(f.samplePixel(1, 7) == qRgb(0, 0, 255) || f.samplePixel(1, 9) == qRgb(0, 0, 255));
    }

    void savesLoadsAndRestoresDefaults() {
        StyleFixture f;
        f.interaction.saveFiles = {f.path("lines")};
        f.settei->Button18->click();
        QFile saved(f.dir() + QStringLiteral("/lines.clr"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QByteArray file = saved.readAll();
        QCOMPARE(file.left(30), QByteArray("0x00ff0000,0,0\n0x000000ff,0,0\n"));

        file.replace(0, 15, "0x000000ff,1,1\n");  // channel 1 red, thick, marked
        f.interaction.openFiles = {f.write(QStringLiteral("red.clr"), file).toStdString()};
        f.settei->Button20->click();
        QVERIFY(f.takeShown().empty());
        QCOMPARE(f.styles().ChannelColors[0], (kvx::plot::Rgb{255, 0, 0}));
        QCOMPARE(f.styles().ChannelMarks[0], 1);
        QVERIFY(f.settei->boldBox(1)->isChecked());
        QVERIFY(!f.settei->markBox(1)->isChecked());  // loading leaves the mark boxes
        QCOMPARE(f.window->channelBox(1)->background(), QColor(255, 0, 0));

        f.window->channelBox(1)->setChecked(true);
        f.settei->Button19->click();
        QCOMPARE(f.styles().ChannelColors, kvx::plot::kDefaultChannelColors);
        QCOMPARE(f.styles().ChannelBold[0], 1);  // the defaults keep thick lines
        QCOMPARE(f.window->channelBox(1)->background(), QColor(0, 0, 255));
        QVERIFY(!f.window->channelBox(1)->isChecked());  // the channel boxes start afresh

        f.interaction.saveFiles = {f.path("no/dir/x.clr")};
        f.settei->Button18->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"色設定ファイルを保存できませんでした\n" + f.path("no/dir/x.clr")});
    }

    void aBadFileStopsWithAMessage() {
        StyleFixture f;
        f.interaction.openFiles = {
            f.write(QStringLiteral("bad.clr"), "0x00000000,0,0\n0x00000000,1,0\n0xblack,0,0\n").toStdString(),
            f.path("missing.clr")};
        f.settei->Button20->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"色設定ファイルの第 3 行が正しくありません（0x00bbggrr,太線,記号）\n"
                                                         "3 CH 以降は変更していません"});
        QCOMPARE(f.styles().ChannelColors[1], kvx::plot::kBlack);  // the lines before it were taken
        QCOMPARE(f.styles().ChannelColors[2], kvx::plot::kDefaultChannelColors[2]);
        QVERIFY(f.settei->boldBox(2)->isChecked());
        QCOMPARE(f.window->channelBox(1)->background(), QColor(Qt::black));
        f.settei->Button20->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"色設定ファイルを開けませんでした\n" + f.path("missing.clr")});
    }
};

KVX_REGISTER_TEST(LineStyleWindowTest);
#include "line_style_window_test.moc"
