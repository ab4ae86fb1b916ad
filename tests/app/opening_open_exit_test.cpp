// The open command (dialog, cancel, mismatch, good and bad files) and the
// exit command (questions, temporary files, ending the program).
#include "app/qt_text.h"
#include "app/t_taio.h"
#include "window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

using kvx::test::WindowFixture;

namespace {

QString cell(const WindowFixture& f, int row, int column) {
    const QTableWidgetItem* item = f.find<QTableWidget>("StringGrid1")->item(row, column);
    return item ? item->text() : QString();
}

/// Everything of the window a failed open must leave alone.
struct WindowSnapshot {
    QString caption, label2, label5, gridCell;
    int rowCount = 0, columns = 0;
    std::string dataDirectory;
    bool box2 = false, button8 = false;
    friend bool operator==(const WindowSnapshot&, const WindowSnapshot&) = default;
};

WindowSnapshot snapshot(const WindowFixture& f) {
    return {f.window->windowTitle(),
            f.find<QLabel>("Label2")->text(),
            f.find<QLabel>("Label5")->text(),
            cell(f, 2, 1),
            f.window->state().data.RowCount,
            f.find<QTableWidget>("StringGrid1")->columnCount(),
            f.window->state().DataDirectory,
            f.window->channelBox(2)->isChecked(),
            f.find<QPushButton>("Button8")->isEnabled()};
}

void openThroughDialog(WindowFixture& f, const QString& path) {
    f.interaction.openFiles.push_back(kvx::app::toPath(path));
    f.find<QPushButton>("Button2")->click();
}

}  // namespace

class OpeningOpenExitTest : public QObject {
    Q_OBJECT
private slots:
    void dialogFollowsTheFormatMenu() {
        WindowFixture f;
        f.find<QPushButton>("Button2")->click();
        f.action("txt1")->trigger();
        f.action("Open1")->trigger();
        QCOMPARE(f.interaction.dialogs.size(), std::size_t{2});
        QCOMPARE(f.interaction.dialogs[0].title, std::string("KVX データファイルを選んでください"));
        QCOMPARE(f.interaction.dialogs[0].filter, std::string("標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*"));
        QCOMPARE(f.interaction.dialogs[1].filter,
                 std::string("東京測器txt形式ﾃﾞｰﾀﾌｧｲﾙ (*.txt)|*.txt|すべて (*.*)|*.*"));
    }

    void cancelKeepsTheDataAndFinishesLikeAnOpen() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        f.action("N4")->trigger();  // off, to see the cancel turn it on again
        f.find<QCheckBox>("CBScaled")->setChecked(true);
        f.takeShown();
        const WindowSnapshot before = snapshot(f);

        f.find<QPushButton>("Button2")->click();  // no file queued: the dialog is cancelled
        QCOMPARE(snapshot(f), before);
        QVERIFY(f.action("N4")->isChecked());
        QVERIFY(!f.find<QCheckBox>("CBScaled")->isChecked());
        QCOMPARE(f.takeShown(), std::vector<std::string>{});  // the graph runs, now with data
    }

    void cancelBeforeAnyFileStillRunsTheGraphCommand() {
        WindowFixture f;
        f.find<QPushButton>("Button2")->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"ファイルの選択がされていません"});
        QCOMPARE(cell(f, 0, 0), QStringLiteral("　　0 測点"));
        QVERIFY(f.find<QPushButton>("Button8")->isEnabled());
    }

    void opensAStandardFile() {
        WindowFixture f;
        const QString path = f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile(), QStringLiteral("run1"));
        f.find<QCheckBox>("CBScaled")->setChecked(true);
        openThroughDialog(f, path);

        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        QCOMPARE(f.window->windowTitle(), QStringLiteral("KVX Graph Plot  ") + path);
        // "50 data" until the first graph of the file shows its rows.
        QCOMPARE(f.find<QLabel>("Label5")->text(), QStringLiteral("1 ～ 50"));
        // The open drew the graph: the status line says what can be done next.
        QCOMPARE(f.find<QLabel>("Label2")->text(),
                 QStringLiteral("グラフをクリックすると点の値を表示します。「骨格曲線」で特性値を求めます"));
        f.find<QCheckBox>("SkeltonCheck")->click();
        QVERIFY(f.find<QLabel>("Label2")->text().contains(QStringLiteral("データ編集")));
        f.find<QCheckBox>("SkeltonCheck")->click();
        QCOMPARE(f.find<QLabel>("Label34")->text(), QStringLiteral("対応"));
        QCOMPARE(f.find<QLabel>("Label34")->palette().color(QPalette::WindowText), QColor(0, 128, 0));

        const auto& state = f.window->state();
        QVERIFY(state.DataLoaded);
        QCOMPARE(state.DataDirectory, kvx::app::toPath(f.dir() + QStringLiteral("/run1/")));
        QCOMPARE(state.baseName, std::string("wall.csv"));
        // The open sets the range to 1 ... 50; the all-data graph it draws then
        // leaves the rows it showed, as row indices 0 ... 50.
        QCOMPARE(state.graph.regionStart, 0);
        QCOMPARE(state.graph.regionEnd, 50);
        QCOMPARE(state.shownChannelCount, 3);
        kvx::app::ChannelNumberList expected = kvx::app::identityChannelNumbers();
        expected[0] = 5;
        expected[1] = 6;
        expected[2] = 12;
        expected[16] = 3;
        QVERIFY(state.channelNumbers == expected);

        const std::tuple<int, int, QString> cells[] = {
            {0, 0, QStringLiteral("　　3 測点")}, {0, 1, QStringLiteral("　　1 CH")}, {0, 3, QStringLiteral("　　3 CH")},
            {1, 0, QStringLiteral("　　計測CH")}, {2, 0, QStringLiteral("　　計測点")}, {3, 0, QStringLiteral("　　測定器")},
            {4, 0, QStringLiteral("　　単　位")}, {1, 1, QStringLiteral("    5 CH")},  {1, 3, QStringLiteral("    12 CH")},
            {2, 1, QStringLiteral("荷重")},       {2, 2, QStringLiteral("変位1")},    {2, 3, QStringLiteral("変形角")},
            {3, 1, QStringLiteral("LC-1")},       {3, 3, QString()},                  {4, 1, QStringLiteral("kN")},
            {4, 3, QStringLiteral("rad")},
        };
        for (const auto& [row, column, text] : cells) QCOMPARE(cell(f, row, column), text);
        QCOMPARE(f.find<QTableWidget>("StringGrid1")->columnCount(), 4);

        QVERIFY(!f.window->channelBox(1)->isChecked());
        QVERIFY(f.window->channelBox(2)->isChecked());
        QVERIFY(!f.find<QCheckBox>("CBScaled")->isChecked());
        QVERIFY(f.find<QPushButton>("Button8")->isEnabled());
        QVERIFY(f.find<QPushButton>("Button9")->isEnabled());
        QVERIFY(!f.find<QPushButton>("BtnTaio")->isEnabled());
    }

    void oneChannelFileChecksTheFirstBox() {
        WindowFixture f;
        openThroughDialog(f, f.write(QStringLiteral("one.csv"), kvx::test::oneChannelFile()));
        QCOMPARE(f.find<QLabel>("Label5")->text(), QStringLiteral("1 ～ 3"));
        QVERIFY(f.window->channelBox(1)->isChecked());
        QVERIFY(!f.window->channelBox(2)->isEnabled());
    }

    void refusesALoggerFileWhileStandardCsvIsChosen() {
        WindowFixture f;
        const QByteArray logger = QByteArray("CH,1,2\nname,a,b\n") + "2007/05/21,0,0\nx,y,z\n1,2,3\n";
        const WindowSnapshot before = snapshot(f);
        openThroughDialog(f, f.write(QStringLiteral("logger.csv"), logger));
        QCOMPARE(f.interaction.shown.size(), std::size_t{1});
        QCOMPARE(f.interaction.shown[0].text, std::string("標準csv形式のデータファイルではありません"));
        QCOMPARE(f.interaction.shown[0].caption, std::string("データエラー"));
        QCOMPARE(snapshot(f), before);
        QVERIFY(!f.window->state().DataLoaded);
    }

    void aFileThatFailsToReadKeepsThePreviousDataAndWindow() {
        WindowFixture f;
        openThroughDialog(f, f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile()));
        f.takeShown();
        const WindowSnapshot before = snapshot(f);
        const float firstValue = f.window->state().data.value(0, 0);

        QByteArray broken = kvx::test::threeChannelFile();
        broken += "1,2\n";  // a row with one field too few
        openThroughDialog(f, f.write(QStringLiteral("broken.csv"), broken, QStringLiteral("other")));
        QCOMPARE(f.interaction.shown.size(), std::size_t{1});
        QCOMPARE(f.interaction.shown[0].caption, std::string("データエラー"));
        QCOMPARE(snapshot(f), before);
        QCOMPARE(f.window->state().data.value(0, 0), firstValue);
        QVERIFY(!f.window->hasEnded());
    }

    void aFailedOpenDrawsThePreviousGraphAgain() {
        // The file button shows its prompt while the dialog is up; a file
        // that fails leaves the previous data, and so its graph, on screen.
        WindowFixture f;
        openThroughDialog(f, f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile()));
        QWidget* image1 = f.find<QWidget>("Image1");
        const QImage graph = image1->grab().toImage();
        QByteArray broken = kvx::test::threeChannelFile();
        broken += "1,2\n";
        openThroughDialog(f, f.write(QStringLiteral("broken.csv"), broken));
        QCOMPARE(f.interaction.shown.back().caption, std::string("データエラー"));
        QVERIFY(image1->grab().toImage() == graph);
    }

    void aFailedOpenKeepsTheCorrespondenceOfTheDataOnScreen() {
        WindowFixture f;
        kvx::app::TTaio* taio = f.window->correspondenceWindow();
        {
            kvx::test::WhenModal choose(*taio, [&] {
                taio->upDown(3)->setValue(19);
                taio->Button1->click();
            });
            QVERIFY(f.window->openFile(f.write(QStringLiteral("wide.csv"), kvx::test::wideFile(20))));
            QVERIFY(choose.acted());
        }
        const auto describe = [&] {
            QStringList d{taio->Label18->text(), taio->Label19->text(), QString::number(taio->isVisible()),
                          QString::number(taio->Button4->isEnabled()),
                          QString::number(f.find<QPushButton>("BtnTaio")->isEnabled())};
            for (int k = 1; k <= 16; ++k)
                d << QString::number(taio->upDown(k)->value()) + (taio->upDown(k)->isEnabled() ? "+" : "-");
            return d;
        };
        const QStringList before = describe();
        QCOMPARE(taio->upDown(3)->value(), 19);

        // A broken wide file: the window was asked again, then the read failed.
        QByteArray broken = kvx::test::wideFile(18);
        broken += "1,2\n";
        {
            kvx::test::WhenModal choose(*taio, [&] { taio->Button1->click(); });
            QVERIFY(!f.window->openFile(f.write(QStringLiteral("broken.csv"), broken)));
            QVERIFY(choose.acted());
        }
        QCOMPARE(describe(), before);
        // A plain file that fails to read at all.
        QVERIFY(!f.window->openFile(f.write(QStringLiteral("bad.csv"), "1,2\nP,D\n,\nkN,mm\n1,2,3\n")));
        QCOMPARE(describe(), before);
        QCOMPARE(f.window->state().data.header.channelNumbers[2], 19);
    }

    void exitWithNoKeepsRunning() {
        WindowFixture f;
        f.interaction.answers.push_back(kvx::ui::Answer::No);
        f.find<QPushButton>("Button3")->click();
        QCOMPARE(f.interaction.shown.size(), std::size_t{1});
        QCOMPARE(f.interaction.shown[0].text, std::string("終了してもよろしいですか"));
        QCOMPARE(f.interaction.shown[0].caption, std::string("Kurvadex"));
        QVERIFY(f.interaction.shown[0].question);
        QVERIFY(!f.window->hasEnded());
    }

    void exitWithYesDeletesTheTemporaryFilesOfTheDataFolderOnly() {
        WindowFixture f;
        openThroughDialog(f, f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile(), QStringLiteral("data")));
        const QString dataTmp = f.write(QStringLiteral("_tmp.csv"), "x", QStringLiteral("data"));
        const QString dataTemp = f.write(QStringLiteral("_tempfile.csv"), "x", QStringLiteral("data"));
        const QString elsewhere = f.write(QStringLiteral("_tmp.csv"), "x");
        QSignalSpy ended(f.window.get(), &kvx::app::TOpening::programEnded);

        f.interaction.answers.push_back(kvx::ui::Answer::Yes);
        f.action("Exit1")->trigger();
        QVERIFY(f.window->hasEnded());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!QFile::exists(dataTmp));
        QVERIFY(!QFile::exists(dataTemp));
        QVERIFY(QFile::exists(elsewhere));
    }
};

KVX_REGISTER_TEST(OpeningOpenExitTest);
#include "opening_open_exit_test.moc"
