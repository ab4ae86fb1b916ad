// Option controls and menus of the main window: which clicks redraw, the
// menu radio groups, coupled controls, loop judgment, force unit, channel
// boxes and their colours.
#include "app/radio_group.h"
#include "app/t_coeff.h"
#include "app/t_form1.h"
#include "window_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cstring>

using kvx::test::WindowFixture;

namespace {

// Before a file is read, a redraw is visible as the Graph command's first check.
const std::string kGraphWithoutFile = "ファイルの選択がされていません";

bool redrew(WindowFixture& f) {
    const auto shown = f.takeShown();
    return shown == std::vector<std::string>{kGraphWithoutFile};
}

/// The check marks of all menu items, to see that a click changed only what it should.
QMap<QString, bool> checkMarks(const WindowFixture& f) {
    QMap<QString, bool> marks;
    for (QAction* a : f.window->findChildren<QAction*>())
        if (!a->objectName().isEmpty()) marks[a->objectName()] = a->isChecked();
    return marks;
}

void click(WindowFixture& f, const char* name) {
    if (QAction* a = f.action(name)) {
        a->trigger();
        return;
    }
    f.find<QAbstractButton>(name)->click();
}

}  // namespace

class OpeningOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void redrawsOnlyWhereItShould_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("redraws");
        const std::pair<const char*, bool> rows[] = {
            {"N31", true},       {"N10002", true},    {"N52", false},      {"N3601", false},   {"N991", true},
            {"kg1", false},      {"txt1", false},     {"Extrema", false},  {"GIF1", false},    {"N10", false},
            {"N1", true},        {"N4", true},        {"CBCircle", true},  {"CBMax1", true},   {"CBTitle", true},
            {"CBScaled", true},  {"SkeltonCheck", true}, {"CBRad", true},  {"CheckBox37", true}, {"CBBold", true},
            {"CBColor", true},   {"CBExp", true},     {"CBSmooth", true},  {"CheckBox33", true}, {"CBFixed", false},
            {"CBFile", false},   {"SKEdit", false},   {"CheckBox17", false}, {"Button11", false}, {"Button4", true},
        };
        for (const auto& [name, redraws] : rows) QTest::newRow(name) << QString::fromLatin1(name) << redraws;
    }
    void redrawsOnlyWhereItShould() {
        QFETCH(QString, control);
        QFETCH(bool, redraws);
        WindowFixture f;
        click(f, control.toLatin1().constData());
        QCOMPARE(redrew(f), redraws);
    }

    void menuRadioGroupsKeepOneMarkAndStoreTheValue() {
        using kvx::app::OpeningState;
        WindowFixture f;
        struct Case {
            const char* item;
            std::vector<const char*> group;
            int OpeningState::*value;
            int expected;
        };
        const Case cases[] = {
            {"N10002", {"N502", "N1002", "N2002", "N5002", "N10002"}, &OpeningState::StepSize, 1000},
            {"N502", {"N502", "N1002", "N2002", "N5002", "N10002"}, &OpeningState::StepSize, 50},
            {"N151", {"N31", "N51", "N71", "N91", "N151", "N311"}, &OpeningState::SmoothingSize, 15},
            {"N52", {"N52", "N101", "N201", "N501"}, &OpeningState::MarkInterval, 5},
            {"N111", {"N01", "N72", "N92", "N111", "N131", "N991"}, &OpeningState::ApproximationDegree, 11},
        };
        for (const Case& c : cases) {
            f.action(c.item)->trigger();
            for (const char* item : c.group) QCOMPARE(f.action(item)->isChecked(), std::strcmp(item, c.item) == 0);
            QCOMPARE(f.window->state().*c.value, c.expected);
        }
        // Smoothing items also turn smoothing on and show the size.
        QVERIFY(f.find<QCheckBox>("CBSmooth")->isChecked());
        QCOMPARE(f.find<QLabel>("Label4")->text(), QStringLiteral("15"));
    }

    void printerDpiItemsChangeNoCheckMark() {
        WindowFixture f;
        const auto before = checkMarks(f);
        const std::pair<const char*, int> items[] = {{"N3601", 360}, {"N4001", 400}, {"N6001", 600}};
        for (const auto& [item, dpi] : items) {
            f.action(item)->trigger();
            QCOMPARE(f.window->state().PrinterDpi, dpi);
            QCOMPARE(checkMarks(f), before);
        }
    }

    void loopJudgmentSetsThePauseWindowLabel() {
        WindowFixture f;
        QLabel* label9 = f.window->pauseWindow()->Label9;
        const std::pair<const char*, QString> steps[] = {
            {"Extrema", QStringLiteral("極値（＋）")},
            {"ExtremaM", QStringLiteral("極値（－）")},
            {"ZEROLevel", QStringLiteral("零レベル通過点")},
        };
        for (const auto& [item, text] : steps) {
            f.action(item)->trigger();
            QCOMPARE(label9->text(), text);
            for (const char* other : {"Extrema", "ExtremaM", "ZEROLevel"})
                QCOMPARE(f.action(other)->isChecked(), std::strcmp(other, item) == 0);
        }
        // The checked item again: nothing changes, not even the label.
        label9->setText(QStringLiteral("unchanged"));
        f.action("ZEROLevel")->trigger();
        QCOMPARE(label9->text(), QStringLiteral("unchanged"));
        QVERIFY(f.action("ZEROLevel")->isChecked());
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
    }

    void formatItemsFollowLabel36() {
        WindowFixture f;
        const std::pair<const char*, QString> steps[] = {
            {"txt1", QStringLiteral("東京測器TXT")}, {"csv2", QStringLiteral("東京測器CSV")}, {"csv1", QStringLiteral("標準CSV")}};
        for (const auto& [item, text] : steps) {
            f.action(item)->trigger();
            QCOMPARE(f.find<QLabel>("Label36")->text(), text);
            for (const char* other : {"csv1", "txt1", "csv2"})
                QCOMPARE(f.action(other)->isChecked(), std::strcmp(other, item) == 0);
        }
    }

    void forceUnitAppliesToTheNextReadOnly() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        const float firstLoad = f.window->state().data.value(1, 0);
        QCOMPARE(f.window->state().ForceFactor, 1.0f);  // the file is in kN already

        f.action("kg1")->trigger();
        QCOMPARE(f.find<QLabel>("Label32")->text(), QStringLiteral("力の単位 kg"));
        QVERIFY(f.action("kg1")->isChecked() && !f.action("kN1")->isChecked());
        QCOMPARE(f.window->state().ForceFactor, 1.0f);
        QCOMPARE(f.window->state().data.value(1, 0), firstLoad);

        f.action("kN1")->trigger();
        QCOMPARE(f.find<QLabel>("Label32")->text(), QStringLiteral("力の単位 kN"));
        QCOMPARE(f.window->state().ForceFactor, 0.0098f);
        QCOMPARE(f.window->state().data.value(1, 0), firstLoad);
    }

    void originMenuAndFirstQuadrantBoxShowOppositeStates() {
        WindowFixture f;
        auto* n1 = f.action("N1");
        auto* box = f.find<QCheckBox>("CheckBox33");
        n1->trigger();
        QVERIFY(!n1->isChecked() && box->isChecked());
        QVERIFY(!f.window->state().originCentred);
        n1->trigger();
        QVERIFY(n1->isChecked() && !box->isChecked());
        QVERIFY(f.window->state().originCentred);
        box->click();
        QVERIFY(!n1->isChecked() && box->isChecked());
    }

    void scaleMenuAndAutomaticScaleBoxMoveTogether() {
        WindowFixture f;
        auto* n4 = f.action("N4");
        auto* box = f.find<QCheckBox>("CheckBox34");
        n4->trigger();
        QVERIFY(!n4->isChecked() && !box->isChecked());
        QVERIFY(!f.window->state().automaticScale);
        box->click();
        QVERIFY(n4->isChecked() && box->isChecked());
        QVERIFY(f.window->state().automaticScale);
        box->click();
        QVERIFY(!n4->isChecked() && !f.window->state().automaticScale);
    }

    void turningAutomaticTitlesOffIsLeftToTheTitleDialog() {
        WindowFixture f;
        auto* n6 = f.action("N6");
        auto* box = f.find<QCheckBox>("CheckBox35");
        n6->trigger();  // checked: only the title dialog opens
        QVERIFY(n6->isChecked() && box->isChecked());
        QVERIFY(!redrew(f));
        box->click();
        QVERIFY(n6->isChecked() && !box->isChecked());
        QVERIFY(!redrew(f));
        box->click();
        QVERIFY(f.window->state().automaticTitle);
        QVERIFY(redrew(f));
    }

    void envelopeIsRefusedInStepAndLoopModes() {
        WindowFixture f;
        auto* steps = f.find<kvx::app::RadioGroup>("RGStep");
        auto* envelope = f.find<QCheckBox>("CBEnvelope");
        for (int mode : {1, 2}) {
            steps->item(mode)->click();
            f.takeShown();
            envelope->setChecked(false);
            envelope->click();
            QCOMPARE(f.interaction.shown.size(), std::size_t{1});
            QCOMPARE(f.interaction.shown[0].text, std::string("包絡線を描くには、AllかRegionを選んでください"));
            QCOMPARE(f.interaction.shown[0].caption, std::string("包絡線選択エラー"));
            QVERIFY(envelope->isChecked());
            f.takeShown();
        }
        steps->item(0)->click();
        f.takeShown();
        envelope->setChecked(false);
        envelope->click();
        QVERIFY(redrew(f));
    }

    void mainChannelMustBeOneOfTheFilesChannels() {
        WindowFixture f;
        auto* mainChannel = f.find<kvx::app::RadioGroup>("RGmainch");
        mainChannel->item(2)->click();
        QCOMPARE(f.interaction.shown.size(), std::size_t{1});
        QCOMPARE(f.interaction.shown[0].text, std::string("このチャンネルは選択できません"));
        QCOMPARE(f.interaction.shown[0].caption, std::string("チャンネル選択エラー"));
        QCOMPARE(mainChannel->itemIndex(), 0);

        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        f.takeShown();
        mainChannel->item(2)->click();
        QCOMPARE(mainChannel->itemIndex(), 2);
        mainChannel->item(3)->click();
        QCOMPARE(mainChannel->itemIndex(), 0);
    }

    void mainAxisSwapsTheGroupCaptions() {
        WindowFixture f;
        f.find<kvx::app::RadioGroup>("RGmainaxis")->item(0)->click();
        QCOMPARE(f.find<QGroupBox>("RGmainch")->title(), QStringLiteral("表示チャンネル"));
        QCOMPARE(f.find<QGroupBox>("GBselectch")->title(), QStringLiteral("主軸チャンネル"));
        QVERIFY(redrew(f));
        f.find<kvx::app::RadioGroup>("RGmainaxis")->item(1)->click();
        QCOMPARE(f.find<QGroupBox>("RGmainch")->title(), QStringLiteral("主軸チャンネル"));
    }

    void channelBoxesFollowTheFileAndTheColourOption() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        const QColor face = QApplication::palette().color(QPalette::Button);
        auto coloured = [&](int k) { return f.window->channelBox(k)->background() != face; };
        for (int k = 1; k <= 16; ++k) {
            QCOMPARE(f.window->channelBox(k)->isEnabled(), k <= 3);
            QCOMPARE(f.window->channelBox(k)->isChecked(), k == 2);
            QCOMPARE(coloured(k), k <= 3);
            QCOMPARE(f.window->signBox(k)->isEnabled(), k <= 3);
        }
        f.find<QCheckBox>("CBColor")->click();
        for (int k = 1; k <= 16; ++k) {
            QVERIFY(!coloured(k));
            QCOMPARE(f.window->channelBox(k)->textColor(), QColor(Qt::black));
        }
        QVERIFY(!f.window->state().ColorDisplay);
        f.find<QCheckBox>("CBColor")->click();
        for (int k = 1; k <= 16; ++k) QCOMPARE(coloured(k), k <= 3);

        f.find<QPushButton>("Button11")->click();
        for (int k = 1; k <= 16; ++k) QVERIFY(!f.window->channelBox(k)->isChecked());
    }

    void bilinearModelBoxShowsTheCharacteristicsWindow() {
        // A user who ticks "骨格曲線" and then "完全弾塑性" gets the model of both
        // sides and "復元力特性"; the ELASTO.CSV row carries the model values.
        WindowFixture f;
        QFile sample(QStringLiteral(SAMPLES_DIR "/racking-test.csv"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), sample.readAll(), QStringLiteral("test1"))));
        f.find<QCheckBox>("SkeltonCheck")->click();
        QVERIFY(!f.window->characteristicsWindow()->isVisible());
        f.takeShown();
        f.find<QCheckBox>("CBFile")->setChecked(true);
        f.find<QCheckBox>("PFPCheck")->click();  // redraws
        auto* coeff = f.window->characteristicsWindow();
        QVERIFY(coeff->isVisible());
        QCOMPARE(coeff->windowTitle(), QStringLiteral("復元力特性"));
        for (const char* name : {"PK", "YP", "Dv", "Du"}) QVERIFY2(!coeff->valueLabel(name)->text().isEmpty(), name);
        QFile elasto(f.dir() + QStringLiteral("/ELASTO.CSV"));
        QVERIFY(elasto.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = elasto.readAll().trimmed().split('\n');
        QCOMPARE(rows.size(), 2);
        const QList<QByteArray> fields = rows[1].split(',');
        QCOMPARE(fields.size(), 3 + 37);
        QVERIFY2(fields[3 + 29].toDouble() > 0, rows[1].constData());  // PK
        QVERIFY(fields[3 + 31].toDouble() > 0);                        // YP
    }

    void channelBoxClickDrawsTheGraphPrompt() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        QWidget* image1 = f.find<QWidget>("Image1");
        // The open drew the graph: the frame's left edge runs down x = 100.
        QCOMPARE(image1->grab().toImage().pixel(100, 300), qRgb(0, 0, 0));
        f.window->channelBox(1)->click();
        const QImage picture = image1->grab().toImage();
        // "グラフボタンをクリックして下さい" starts at x = 150, y = 250 once a file is read.
        int leftOfText = 0;
        int inText = 0;
        for (int y = 250; y < 275; ++y) {
            for (int x = 100; x < 150; ++x) leftOfText += picture.pixel(x, y) != qRgb(255, 255, 255);
            for (int x = 150; x < 400; ++x) inText += picture.pixel(x, y) != qRgb(255, 255, 255);
        }
        QCOMPARE(leftOfText, 0);
        QVERIFY(inText > 100);
    }
};

KVX_REGISTER_TEST(OpeningOptionsTest);
#include "opening_options_test.moc"
