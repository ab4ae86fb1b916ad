// Logger files and wide files through the open command: the conversion, the
// modal correspondence window, the status after the read.
#include "app/t_taio.h"
#include "window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <functional>

class CorrespondenceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void wideFileOpensThroughTheWindow() {
        kvx::test::WindowFixture f;
        const QString path = f.write(QStringLiteral("wide.csv"), kvx::test::wideFile(20));
        kvx::app::TTaio* taio = f.window->correspondenceWindow();
        kvx::test::WhenModal choose(*taio, [&] {
            QCOMPARE(taio->Label18->text(), QStringLiteral("計測データチャンネル総数 20"));
            QCOMPARE(taio->Label19->text(), QStringLiteral("チャンネルの対応を指定してください"));
            QVERIFY(!f.find<QPushButton>("Button2")->isEnabled());  // the main window's file button waits
            taio->upDown(3)->setValue(19);  // 3 -> 19, 4 -> 20, the rest held at 20
            QCOMPARE(taio->upDown(4)->value(), 20);
            QCOMPARE(taio->upDown(16)->value(), 20);
            taio->Button1->click();
        });
        QVERIFY(f.window->openFile(path));
        QVERIFY(choose.acted());
        const auto& state = f.window->state();
        QCOMPARE(state.data.channelCount(), 4);
        QCOMPARE(state.data.header.channelNumbers[2], 19);
        QCOMPARE(state.FileChannelCount, 20);
        QCOMPARE(f.find<QLabel>("Label34")->text(), QStringLiteral("非対応"));
        QVERIFY(f.find<QPushButton>("BtnTaio")->isEnabled());
        QVERIFY(f.find<QPushButton>("Button2")->isEnabled());
        QVERIFY(taio->isVisible());  // shown again for saving the reduced file
        QVERIFY(taio->Button4->isEnabled());
        QVERIFY(!taio->upDown(5)->isEnabled());
        QFile reduced(f.dir() + QStringLiteral("/_tempfile.csv"));
        QVERIFY(reduced.open(QIODevice::ReadOnly));
        QCOMPARE(reduced.readLine(), QByteArray("1,2,19,20\n"));
    }

    void closingTheWindowKeepsThePreviousData() {
        kvx::test::WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("small.csv"), kvx::test::threeChannelFile())));
        const QString caption = f.window->windowTitle();
        kvx::app::TTaio* taio = f.window->correspondenceWindow();
        kvx::test::WhenModal close(*taio, [&] { taio->reject(); });
        QVERIFY(!f.window->openFile(f.write(QStringLiteral("wide.csv"), kvx::test::wideFile(18))));
        QVERIFY(close.acted());
        QCOMPARE(f.window->state().data.RowCount, 50);
        QCOMPARE(f.window->windowTitle(), caption);
        QVERIFY(!f.find<QPushButton>("BtnTaio")->isEnabled());
    }

    void identityOfAWideFileShowsOneToOne() {
        kvx::test::WindowFixture f;
        kvx::app::TTaio* taio = f.window->correspondenceWindow();
        kvx::test::WhenModal confirm(*taio, [&] { taio->Button1->click(); });
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wide.csv"), kvx::test::wideFile(17))));
        QVERIFY(confirm.acted());
        QCOMPARE(f.window->state().data.channelCount(), 16);
        QCOMPARE(f.find<QLabel>("Label34")->text(), QStringLiteral("対応"));
        QVERIFY(f.find<QPushButton>("BtnTaio")->isEnabled());  // a wide file is in use
    }

    // Ending the program asks Qt to leave its application loop; that request
    // must not close the modal windows of the next main window at once.
    void modalWindowWorksAfterAnEarlierWindowEndedTheProgram() {
        struct Case {
            const char* name;
            std::function<void(kvx::test::WindowFixture&)> end;
        };
        const Case cases[] = {{"終了 answered Yes",
                               [](kvx::test::WindowFixture& f) {
                                   f.interaction.answers.push_back(kvx::ui::Answer::Yes);
                                   f.action("Exit1")->trigger();
                               }},
                              {"window frame", [](kvx::test::WindowFixture& f) { f.window->close(); }}};
        for (const auto& c : cases) {
            {
                kvx::test::WindowFixture earlier;
                c.end(earlier);
            }
            kvx::test::WindowFixture f;
            kvx::app::TTaio* taio = f.window->correspondenceWindow();
            kvx::test::WhenModal confirm(*taio, [&] { taio->Button1->click(); });
            QVERIFY2(f.window->openFile(f.write(QStringLiteral("wide.csv"), kvx::test::wideFile(17))), c.name);
            QVERIFY2(confirm.acted(), c.name);
        }
    }

    void loggerTextFileShowsTheChosenPath() {
        kvx::test::WindowFixture f;
        f.action("txt1")->trigger();
        const QString path = f.write(QStringLiteral("run.txt"),
                                     "TDS DATA\nNo,DATE,Load,Disp\nNo,DATE,kN,mm\n1, 2007/05/21 10:00:00,1.5,2\n"
                                     "2, 2007/05/21 10:00:01,2.5,3\n");
        QVERIFY(f.window->openFile(path));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("KVX Graph Plot  ") + path);
        QVERIFY(f.window->state().DataFileName.ends_with("/_tmp.csv"));
        QCOMPARE(f.window->state().data.RowCount, 2);
        // A standard file while the logger format is chosen is refused.
        f.takeShown();
        QVERIFY(!f.window->openFile(f.write(QStringLiteral("std.csv"), kvx::test::threeChannelFile())));
        QCOMPARE(f.takeShown(), std::vector<std::string>{"東京測器txt形式のデータファイルではありません"});
    }
};

KVX_REGISTER_TEST(CorrespondenceWindowTest);
#include "correspondence_window_test.moc"
