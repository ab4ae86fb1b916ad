// The scale, title and data-range dialogs as the main window uses them.
#include "app/radio_group.h"
#include "app/t_form3.h"
#include "app/t_scale.h"
#include "app/t_title.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using kvx::test::WindowFixture;
using Range = std::pair<int, int>;

namespace {

// Load (kN, main channel on Y) against an angle (rad, on X) of at most 0.005:
// the centred X step is 0.0025.
QByteArray angleFile() {
    QByteArray bytes("1,2\nP,R\n,\nkN,rad\n");
    for (int i = 0; i <= 100; ++i) bytes += QByteArray::number(0.3 * i) + "," + QByteArray::number(0.00005 * i, 'f', 6) + "\n";
    return bytes;
}

QByteArray rowsFile(int rows) {
    QByteArray bytes("1,2\nP,D\n,\nkN,mm\n");
    for (int i = 0; i < rows; ++i) bytes += QByteArray::number(i % 37) + "," + QByteArray::number(i % 11) + "\n";
    return bytes;
}

Range shown(const WindowFixture& f) { return {f.window->state().graph.regionStart, f.window->state().graph.regionEnd}; }
Range spinners(const kvx::app::TForm3* d) { return {d->firstRow(), d->lastRow()}; }

}  // namespace

class SettingDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void scaleDialogRefusesWhatIsNotAPositiveNumber() {
        const std::pair<const char*, const char*> refused[][2] = {
            {{"0", "50"}, {"目盛り設定が正しくありません", "目盛り設定エラー"}},
            {{"-5", "5"}, {"目盛り設定が正しくありません", "目盛り設定エラー"}},
            {{"abc", "5"}, {"'abc' は有効な浮動小数点値ではありません", "Kurvadex"}},
        };
        kvx::ui::ScriptedInteraction ia;
        kvx::app::TScale dialog(ia);
        for (const auto& [texts, said] : refused) {
            ia.shown.clear();
            dialog.show();
            dialog.Edit1->setText(QString::fromUtf8(texts.first));
            dialog.Edit2->setText(QString::fromUtf8(texts.second));
            dialog.BitBtn1->click();
            QCOMPARE(ia.texts(), std::vector<std::string>{said.first});
            QCOMPARE(ia.shown[0].caption, std::string(said.second));
            QVERIFY2(dialog.isVisible(), "a refusal keeps the dialog open");
            QCOMPARE(dialog.manualXStep(), 50.0);
        }
    }

    void automaticScaleOffWithOkAtOnceFixesTheSteps() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("angle.csv"), angleFile())));
        const auto& frame = f.window->state().graph.frame;
        QCOMPARE(frame.XStep, 0.0025);
        const double yStep = frame.YStep;
        f.modalActions.push_back([](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); });
        f.action("N4")->trigger();  // off: one dialog, showing "0.003", then the drawing
        QCOMPARE(f.modalDialogsShown, 1);
        QVERIFY(!f.window->state().automaticScale && !f.find<QCheckBox>("CheckBox34")->isChecked());
        QCOMPARE(f.window->scaleDialog()->Edit1->text(), QStringLiteral("0.003"));
        QCOMPARE(frame.XStep, 0.003);
        QCOMPARE(frame.YStep, yStep);

        f.find<QCheckBox>("CheckBox34")->click();  // on: no dialog, automatic steps again
        QCOMPARE(f.modalDialogsShown, 1);
        QCOMPARE(frame.XStep, 0.0025);
        f.find<QCheckBox>("CheckBox34")->click();  // off, closed without OK: the manual steps stay
        QCOMPARE(frame.XStep, 0.003);
    }

    void titleDialogTakesTextsAndDecidesAutomaticTitles() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("angle.csv"), angleFile())));
        kvx::app::TTitle* title = f.window->titleDialog();
        auto* box = f.find<QCheckBox>("CheckBox35");
        auto* n6 = f.action("N6");
        const std::string cp932Title("\x91\x77\x8A\xD4\x95\xCF\x8C\x60\x8A\x70");  // 層間変形角

        // "規定値を使用する": the texts are stored, the graph keeps its automatic titles.
        box->click();
        QVERIFY(title->isVisible() && n6->isChecked());  // nothing else changes before OK
        title->Edit2->setText(QStringLiteral("層間変形角"));
        title->RadioGroup1->item(1)->click();
        title->BitBtn1->click();
        QVERIFY(!title->isVisible());
        QVERIFY(f.window->state().automaticTitle && box->isChecked() && n6->isChecked());
        QCOMPARE(f.window->state().manualTitles[1], cp932Title);

        // "上の値を使用する", selected again by the opening: manual titles; one
        // longer than 49 bytes is cut before a character and shown as kept.
        n6->trigger();
        QCOMPARE(title->RadioGroup1->itemIndex(), 0);
        title->Edit1->setText(QString(30, QChar(0x3042)));  // 30 x "あ" = 60 bytes
        title->BitBtn1->click();
        QVERIFY(!f.window->state().automaticTitle && !box->isChecked() && !n6->isChecked());
        QCOMPARE(f.window->state().manualTitles[0].size(), std::size_t{48});
        QCOMPARE(title->Edit1->text(), QString(24, QChar(0x3042)));

        // The main channel changes axes: so do the X and Y titles.
        f.find<kvx::app::RadioGroup>("RGmainaxis")->item(0)->click();
        QCOMPARE(title->Edit3->text(), QStringLiteral("層間変形角"));
        QCOMPARE(f.window->state().manualTitles[2], cp932Title);
    }

    void nextAndBackWalkThroughAThousandRows() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("rows.csv"), rowsFile(1000))));
        kvx::app::TForm3* range = f.window->dataRangeDialog();
        f.takeShown();
        f.find<QPushButton>("Button6")->click();  // opens at 1 ... increment and shows that at once
        QCOMPARE(range->Label4->text(), QStringLiteral("1 ～ 1000"));
        QCOMPARE(f.find<kvx::app::RadioGroup>("RGStep")->itemIndex(), 3);
        QCOMPARE(shown(f), Range(1, 500));

        struct Step {
            QPushButton* button;
            Range shown, spinners;
        };
        const Step walk[] = {{range->BitBtn1, {1, 500}, {501, 1000}},
                             {range->BitBtn1, {501, 1000}, {1, 500}},  // 1001 is past the data
                             {range->BitBtn1, {1, 500}, {501, 1000}},
                             {range->Button2, {501, 1000}, {1, 500}}};
        for (const auto& step : walk) {
            step.button->click();
            QCOMPARE(shown(f), step.shown);
            QCOMPARE(f.find<QLabel>("Label5")->text(), QStringLiteral("%1 ～ %2").arg(step.shown.first).arg(step.shown.second));
            QCOMPARE(spinners(range), step.spinners);
        }
        range->Edit1->setText(QStringLiteral("300"));  // the end follows the start
        QCOMPARE(range->lastRow(), 799);
        range->Button2->click();  // back from 300 by 500: shows 300 ... 799, start 1
        QCOMPARE(shown(f), Range(300, 799));
        QCOMPARE(spinners(range), Range(1, 500));
        QCOMPARE(f.takeShown(), std::vector<std::string>{});

        range->CheckBox1->setChecked(true);  // "自動": the arrows step at once
        QTest::keyClick(range->UpDown1, Qt::Key_Up);
        QCOMPARE(shown(f), Range(2, 501));
        QCOMPARE(spinners(range), Range(502, 1000));
    }

    void refusedRangesChangeNothing() {
        WindowFixture f;
        kvx::app::TForm3* range = f.window->dataRangeDialog();
        f.action("N5")->trigger();
        QCOMPARE(range->Label1->text(), QStringLiteral("ファイルが選択されていません"));
        range->BitBtn1->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"データ範囲の指定が正しくありません"});

        QVERIFY(f.window->openFile(f.write(QStringLiteral("rows.csv"), rowsFile(300))));
        const Range before = shown(f);
        range->UpDown1->setValue(1);
        range->UpDown2->setValue(301);
        range->Edit3->setText(QStringLiteral("1.5"));
        f.takeShown();
        range->Button2->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"'1.5' は有効な整数値ではありません"});
        range->Edit3->setText(QStringLiteral("500"));
        range->BitBtn1->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"データ範囲の指定が正しくありません"});
        QCOMPARE(shown(f), before);
        QCOMPARE(spinners(range), Range(1, 301));
        QCOMPARE(f.find<kvx::app::RadioGroup>("RGStep")->itemIndex(), 0);

        // "リセット" mends a bad increment without tripping over it.
        range->Edit3->setText(QStringLiteral("x"));
        range->UpDown1->setValue(200);
        f.takeShown();
        range->Button3->click();
        QCOMPARE(range->Edit3->text(), QStringLiteral("500"));
        QCOMPARE(spinners(range), Range(1, 500));
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
    }
};

KVX_REGISTER_TEST(SettingDialogsTest);
#include "setting_dialogs_test.moc"
