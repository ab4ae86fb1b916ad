// The wall evaluation window reached from the skeleton editor: copied values,
// edits and re-evaluation, the reference angle, the result file, and the
// exit question while that file is open.
#include "app/qt_text.h"
#include "app/radio_group.h"
#include "app/t_kabe.h"
#include "skeleton_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using kvx::app::TKabe;
using kvx::test::WindowFixture;

namespace {

/// The editor's evaluation of the sample, then "壁倍率".
TKabe* openWallWindow(WindowFixture& f) {
    kvx::app::TSkelton_edit* editor = kvx::test::openEditor(f, kvx::test::sampleFile());
    if (!editor) return nullptr;
    editor->Button3->click();
    editor->Button4->click();
    return f.window->wallWindow();
}

QString text(const TKabe* w, int edit) { return w->edit(edit)->text(); }
QString label(const TKabe* w, const char* name) { return w->textLabel(name)->text(); }

struct Buttons {
    bool reevaluate, open, close, write;
    friend bool operator==(const Buttons&, const Buttons&) = default;
};
Buttons buttons(const TKabe* w) {
    return {w->Button2->isEnabled(), w->Button4->isEnabled(), w->Button5->isEnabled(), w->Button6->isEnabled()};
}

QList<QByteArray> lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> l = file.readAll().split('\n');
    if (!l.isEmpty() && l.back().isEmpty()) l.pop_back();
    return l;
}

}  // namespace

class WallWindowTest : public QObject {
    Q_OBJECT
private slots:
    void wallButtonOpensTheWindowWithCopiedValues() {
        WindowFixture f;
        TKabe* w = openWallWindow(f);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("　壁倍率評価"));
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        QCOMPARE(text(w, 1), QStringLiteral("17.739"));
        for (int edit : {2, 5, 6, 8, 9, 29, 30, 13, 14, 18, 19, 20, 21, 28})
            QVERIFY2(!text(w, edit).isEmpty(), qPrintable(QString::number(edit)));
        QCOMPARE(text(w, 10), QStringLiteral("1.82"));
        QCOMPARE(text(w, 7), text(w, 26));  // 1/120 is the reference at start
        QCOMPARE(label(w, "RowCurrent"), QStringLiteral("1/120変形角時耐力　P120"));
        QCOMPARE(label(w, "RowFormer"), QStringLiteral("1/120変形角時耐力　 P120"));
        QCOMPARE(label(w, "Label51"), QStringLiteral("評価終了"));
        QVERIFY(label(w, "Label75").startsWith(QStringLiteral("wall.csv   2ch  Plus  x: +1   y: +1")));
        QCOMPARE(w->RadioGroup1->itemIndex(), 4);
        QVERIFY(w->edit(13)->isReadOnly() && w->edit(14)->isReadOnly() && !w->edit(10)->isReadOnly());
        // One star per rule.
        int stars = 0;
        for (const char* s : {"StarCurrent0", "StarCurrent1", "StarCurrent2", "StarCurrent3", "StarFormer0",
                              "StarFormer1", "StarFormer2"})
            stars += label(w, s) == QStringLiteral("★");
        QCOMPARE(stars, 2);
        QCOMPARE(buttons(w), (Buttons{false, true, false, false}));
    }

    void editsAndReferenceAngleAskForAReevaluation() {
        WindowFixture f;
        TKabe* w = openWallWindow(f);
        QVERIFY(w);
        const QString qa = text(w, 18), current = text(w, 21), former = text(w, 20);
        w->edit(10)->selectAll();
        QTest::keyClicks(w->edit(10), QStringLiteral("3.64"));
        QCOMPARE(label(w, "Label51"), QStringLiteral("再評価をしてください"));
        QVERIFY(w->Button2->isEnabled());
        w->Button2->click();
        QCOMPARE(text(w, 10), QStringLiteral("3.64"));
        QCOMPARE(text(w, 18), qa);
        // Twice the length: half the multiplier, to the 2 decimals shown.
        QVERIFY(std::fabs(text(w, 21).toDouble() - current.toDouble() / 2) <= 0.006);
        QVERIFY(std::fabs(text(w, 20).toDouble() - former.toDouble() / 2) <= 0.006);
        QVERIFY(!w->Button2->isEnabled());
        QCOMPARE(label(w, "Label51"), QStringLiteral("評価終了"));

        w->RadioGroup1->item(1)->click();  // 1/30
        QCOMPARE(text(w, 7), text(w, 24));
        QCOMPARE(text(w, 16), text(w, 24));
        QCOMPARE(label(w, "RowCurrent"), QStringLiteral("1/30変形角時耐力　 P30"));
        QCOMPARE(label(w, "Label51"), QStringLiteral("再評価をしてください"));
        QVERIFY(w->Button2->isEnabled());
    }

    void resultFileCollectsOneRowPerEvaluation() {
        WindowFixture f;
        TKabe* w = openWallWindow(f);
        QVERIFY(w);
        // Cancelled dialog, then a folder that does not exist: no file, the buttons as before.
        w->Button4->click();
        f.interaction.saveFiles.push_back(kvx::app::toPath(f.dir() + QStringLiteral("/missing/wall.txt")));
        w->Button4->click();
        QCOMPARE(f.interaction.shown.size(), std::size_t{1});
        QCOMPARE(f.interaction.shown[0].caption, std::string("ファイル出力エラー"));
        QCOMPARE(buttons(w), (Buttons{false, true, false, false}));
        QCOMPARE(f.interaction.dialogs.back().filter, std::string("耐力特性ファイル(*.txt)|*csv|すべて(*.*)|*.*"));
        QCOMPARE(f.interaction.dialogs.back().defaultExtension, std::string("txt"));

        const QString path = f.dir() + QStringLiteral("/walls.txt");
        f.interaction.saveFiles.push_back(kvx::app::toPath(path));
        w->Button4->click();
        QVERIFY(w->model().fileOpen());
        QCOMPARE(buttons(w), (Buttons{false, false, true, true}));
        w->Button6->click();
        QCOMPARE(buttons(w), (Buttons{false, false, true, false}));  // one row per evaluation
        w->edit(10)->selectAll();
        QTest::keyClicks(w->edit(10), QStringLiteral("0.91"));
        w->Button2->click();
        w->Button6->click();
        w->Button5->click();
        QVERIFY(!w->model().fileOpen());
        QCOMPARE(buttons(w), (Buttons{false, true, false, false}));

        const QList<QByteArray> l = lines(path);
        QCOMPARE(l.size(), 4);
        QCOMPARE(
            kvx::app::fromCp932(l[0].toStdString()),
            QStringLiteral("ファイル名,領域,解析時,最大耐力,最大耐力時変形角,1/120耐力,2/3最大耐力,降伏耐力,終局耐力,"
                           "弾塑性変形角,構造特性耐力,最小値,壁倍率,旧壁倍率"));
        QCOMPARE(kvx::app::fromCp932(l[1].toStdString()),
                 QStringLiteral("filename,+/-,日付,Pmax,γm,PRefer,2/3×Pmax,Py,Pu,γv,Pu×0.2/Ds,Qa,Kabe"));
        const QList<QByteArray> row = l[3].split(',');
        QCOMPARE(row.size(), 14);
        QCOMPARE(row[0], QByteArray("wall.csv"));
        QCOMPARE(row[1], QByteArray("Plus"));
        QVERIFY(row[2].startsWith('\''));
        const int fields[] = {1, 2, 7, 12, 5, 8, 29, 15, 18, 21, 20};
        for (int i = 0; i < 11; ++i) QCOMPARE(QString::fromLatin1(row[3 + i]), text(w, fields[i]));
        QVERIFY(l[2].split(',')[12] != row[12]);  // the multiplier of the first row had the longer wall
    }

    void approximatedCurveReachesEditorAndWallWhole() {
        // The sample's skeleton has 220 points; the curve's 300 samples run to
        // 0.0664 rad. Reading only the first 220 samples cut it at 0.043 rad,
        // before the load falls to 0.8 Pmax, and the evaluation was refused.
        for (const char* item : {"N72", "N991"}) {
            WindowFixture f;
            kvx::app::TSkelton_edit* editor = kvx::test::openEditor(f, kvx::test::sampleFile());
            QVERIFY(editor);
            f.action(item)->trigger();  // redraws with the approximation; the editor stays open
            QVERIFY2(f.takeShown().empty(), item);
            const auto& curve = kvx::test::curveOf(f);
            QCOMPARE(curve.count, 300);
            QCOMPARE(editor->Label1->text(), QStringLiteral("Skelton Points 300"));
            editor->Button3->click();
            QVERIFY2(f.takeShown().empty(), item);
            QVERIFY(!editor->label(17)->text().isEmpty());  // δu and Pu found
            editor->Button4->click();
            TKabe* w = f.window->wallWindow();
            QVERIFY(w->isVisible());
            QVERIFY2(std::fabs(text(w, 4).toDouble() - curve.X[299]) < 1e-5, qPrintable(text(w, 4)));
            QVERIFY(text(w, 4).toDouble() > 0.066);
            QVERIFY(!text(w, 18).isEmpty() && !text(w, 21).isEmpty());
        }
    }

    void unitOtherThanRadiansIsRefused() {
        WindowFixture f;
        kvx::app::TSkelton_edit* editor = kvx::test::openEditor(f, kvx::test::stoppedEarlyFile("mm"));
        QVERIFY(editor);
        f.takeShown();
        f.window->wallWindow()->Button1Click();
        QCOMPARE(f.interaction.shown.size(), std::size_t{1});
        QCOMPARE(f.interaction.shown[0].caption, std::string("X軸データエラー"));
        QVERIFY(!f.window->wallWindow()->isVisible());
    }

    void exitAsksToCloseTheOpenResultFile() {
        WindowFixture f;
        TKabe* w = openWallWindow(f);
        QVERIFY(w);
        f.interaction.saveFiles.push_back(kvx::app::toPath(f.dir() + QStringLiteral("/walls.txt")));
        w->Button4->click();
        f.takeShown();
        f.interaction.answers = {kvx::ui::Answer::Cancel, kvx::ui::Answer::Ok};
        f.find<QPushButton>("Button3")->click();
        QCOMPARE(f.takeShown(),
                 std::vector<std::string>{"出力ファイルが閉じられていません．ファイルを閉じてから終了しますか？　"});
        QVERIFY(!f.window->hasEnded());
        QVERIFY(w->model().fileOpen());
        f.find<QPushButton>("Button3")->click();
        QVERIFY(f.window->hasEnded());
        QVERIFY(!w->model().fileOpen());
        QVERIFY(w->Button4->isEnabled());
    }
};

KVX_REGISTER_TEST(WallWindowTest);
#include "wall_window_test.moc"
