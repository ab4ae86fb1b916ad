// In English, the main window and the windows it opens directly (data list,
// conversion, settings, line styles, help) show no Japanese text but the data
// file's own; a sample of their texts in both languages, switched with the
// menu while the windows are open; the switch back gives the same Japanese.
#include "app/help_windows.h"
#include "app/t_coeff.h"
#include "app/t_cycles.h"
#include "app/t_kabe.h"
#include "app/t_series_summary.h"
#include "app/t_skelton_edit.h"
#include "app/radio_group.h"
#include "app/settings.h"
#include "app/t_data_list.h"
#include "app/t_form1.h"
#include "app/t_form3.h"
#include "app/t_henkan.h"
#include "app/t_scale.h"
#include "app/t_settei.h"
#include "app/t_taio.h"
#include "app/t_title.h"
#include "app/t_value.h"
#include "language_fixture.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

using kvx::app::Language;
using kvx::test::WindowFixture;

namespace {

// The channel names, instruments and units of tests/testdata/racking-test.csv:
// the data file's own words, Japanese in every language.
const std::set<QString> kDataFileTexts{QStringLiteral("荷重"),   QStringLiteral("せん断変形角"),
                                       QStringLiteral("頂部水平変位"), QStringLiteral("脚部水平変位"),
                                       QStringLiteral("ロードセル"), QStringLiteral("計算値"),
                                       QStringLiteral("変位計")};
// The language menu names both languages in their own words.
const std::set<QString> kLanguageNames{QStringLiteral("日本語")};
const QStringList kLanguageTitle{QStringLiteral("表示言語")};

/// The main window with the sample record read and a graph drawn.
std::unique_ptr<WindowFixture> withSampleRecord() {
    auto f = std::make_unique<WindowFixture>();
    QFile sample(QStringLiteral(SAMPLES_DIR "/racking-test.csv"));
    if (!sample.open(QIODevice::ReadOnly)) return nullptr;
    const QString path = f->write(QStringLiteral("wall.csv"), sample.readAll(), QStringLiteral("test1"));
    if (!f->window->openFile(path)) return nullptr;
    return f;
}

/// The windows of the main window's part, by name.
std::vector<std::pair<const char*, QWidget*>> ownWindows(WindowFixture& f) {
    QWidget* w = f.window.get();
    return {{"TOpening", w},
            {"TForm1", f.window->pauseWindow()},
            {"TTaio", f.window->correspondenceWindow()},
            {"TDataList", f.window->dataListWindow()},
            {"THenkan", f.window->conversionWindow()},
            {"TSettei", f.window->lineStyleWindow()},
            {"TScale", f.window->scaleDialog()},
            {"TTitle", f.window->titleDialog()},
            {"TForm3", f.window->dataRangeDialog()},
            {"TValue", f.window->pointValueWindow()},
            {"TUsage", w->findChild<kvx::app::TUsage*>()},
            {"THistory", w->findChild<kvx::app::THistory*>()},
            {"TAbout", w->findChild<kvx::app::TAbout*>()}};
}

/// The windows of the evaluation part, children of the main window too: their
/// texts are checked by their own tests.
std::vector<QWidget*> evaluationWindows(WindowFixture& f) {
    return {f.window->characteristicsWindow(), f.window->skeletonEditor(), f.window->wallWindow(),
            f.window->seriesSummaryWindow(), f.window->cyclesWindow()};
}

/// Japanese texts of `root` and its children, leaving out the evaluation windows'.
QStringList japaneseOfOwnPart(WindowFixture& f, QWidget* root) {
    QStringList found = kvx::test::japaneseTexts(root, kLanguageNames, kLanguageTitle);
    for (QWidget* other : evaluationWindows(f))
        for (const QString& text : kvx::test::japaneseTexts(other, kLanguageNames, kLanguageTitle))
            found.removeAll(text);
    // The header grid's cells: the data file's names may stay, nothing else.
    for (auto* grid : root->findChildren<QTableWidget*>(QStringLiteral("StringGrid1")))
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                if (auto* item = grid->item(r, c);
                    item && kvx::test::hasJapanese(item->text()) && kDataFileTexts.count(item->text().trimmed()) == 0)
                    found << QStringLiteral("StringGrid1 cell: ") + item->text();
    return found;
}

/// The texts that appear only once the windows are used: the pause window's
/// loop judgment, the correspondence window's labels, the range dialog's.
void bringUpRuntimeTexts(WindowFixture& f) {
    f.window->dataListWindow()->showList();
    f.window->dataRangeDialog()->FormShow();
    kvx::app::TTaio* taio = f.window->correspondenceWindow();
    kvx::test::WhenModal confirm(*taio, [&] { taio->Button1->click(); });
    f.window->openFile(f.write(QStringLiteral("wide.csv"), kvx::test::wideFile(17)));
}

QString textOf(QObject* target, const char* property) { return target->property(property).toString(); }

struct Sample {
    QObject* target;
    const char* property;
    QString japanese;
    QString english;
};

}  // namespace

class MainWindowLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        kvx::app::setSettingsFile(m_settings.filePath(QStringLiteral("kurvadex.ini")));
        QFile::remove(m_settings.filePath(QStringLiteral("kurvadex.ini")));
    }
    void cleanup() {
        kvx::app::useLanguage(kvx::app::Language::Japanese);
        kvx::app::setSettingsFile(QString());
    }

    void englishLeavesNoJapaneseInTheMainWindowsPart() {
        auto f = withSampleRecord();
        QVERIFY(f);
        bringUpRuntimeTexts(*f);
        f->action("English1")->trigger();
        for (const auto& [name, window] : ownWindows(*f)) {
            QVERIFY2(window, name);
            const QStringList left = japaneseOfOwnPart(*f, window);
            QVERIFY2(left.isEmpty(), qPrintable(QLatin1String(name) + QStringLiteral(": ") + left.join(QStringLiteral(" | "))));
        }
        // Every menu, its submenus and their items.
        QStringList menuTexts;
        for (QMenu* menu : f->window->menuBar()->findChildren<QMenu*>()) {
            if (menu->objectName() == QLatin1String("Language1")) continue;
            menuTexts << menu->title();
            for (QAction* a : menu->actions()) menuTexts << a->text();
        }
        QVERIFY(menuTexts.size() > 60);
        for (const QString& text : menuTexts)
            QVERIFY2(!kvx::test::hasJapanese(text) || kLanguageNames.count(text) > 0 || text.contains(kLanguageTitle[0]),
                     qPrintable(text));
    }

    void theMenuSwitchesOpenWindowsBothWays() {
        auto f = withSampleRecord();
        QVERIFY(f);
        QWidget* w = f->window.get();
        kvx::app::TForm1* pause = f->window->pauseWindow();
        kvx::app::TDataList* list = f->window->dataListWindow();
        auto* usage = w->findChild<kvx::app::TUsage*>();
        f->window->dataListWindow()->showList();
        f->action("Tutorial1")->trigger();
        f->window->conversionWindow()->show();
        f->window->lineStyleWindow()->showFor(4);
        pause->show();
        const std::vector<Sample> samples{
            {f->find<QPushButton>("Button2"), "text", QStringLiteral("ファイル (&F)"), QStringLiteral("&File")},
            {f->find<QPushButton>("BtnTaio"), "text", QStringLiteral("対応表"), QStringLiteral("Channel map")},
            {f->find<QCheckBox>("SkeltonCheck"), "text", QStringLiteral("骨格曲線"), QStringLiteral("Skeleton")},
            {f->find<QPushButton>("GraphSave"), "toolTip", QStringLiteral("グラフをPNGファイルとして保存します"),
             QStringLiteral("Saves the graph as a PNG file")},
            {f->find<QMenu>("FileMenu"), "title", QStringLiteral("ファイル(&F)"), QStringLiteral("&File")},
            {f->action("Open1"), "text", QStringLiteral("開く(&O)"), QStringLiteral("&Open")},
            {f->action("ZEROLevel"), "text", QStringLiteral("ゼロレベル通過"), QStringLiteral("Zero crossing")},
            {f->find<kvx::app::RadioGroup>("RGmainch"), "title", QStringLiteral("主軸チャンネル"),
             QStringLiteral("Main channel")},
            {f->find<kvx::app::RadioGroup>("RGStep")->item(0), "text", QStringLiteral("全データ"), QStringLiteral("All")},
            // Texts that follow the state, made again on the switch.
            {f->find<QLabel>("Label2"), "text",
             QStringLiteral("グラフをクリックすると点の値を表示します。「骨格曲線」で特性値を求めます"),
             QStringLiteral("Click the graph to see a point's values. \"Skeleton\" gives the characteristic values")},
            {f->find<QLabel>("Label32"), "text", QStringLiteral("力の単位 kN"), QStringLiteral("Force unit kN")},
            {f->find<QLabel>("Label36"), "text", QStringLiteral("標準CSV"), QStringLiteral("Standard CSV")},
            {f->find<QLabel>("Label34"), "text", QStringLiteral("対応"), QStringLiteral("One-to-one")},
            {pause, "windowTitle", QStringLiteral("一時停止"), QStringLiteral("Paused")},
            {pause->Label9, "text", QStringLiteral("零レベル通過点"), QStringLiteral("Zero crossing")},
            {pause->BitBtn1, "text", QStringLiteral("中止"), QStringLiteral("Stop")},
            {list, "windowTitle", QStringLiteral("　計測データリスト"), QStringLiteral("Measurement Data List")},
            {list->Label4, "text", QStringLiteral("読込チャンネル 4 / 全チャンネル　4"),
             QStringLiteral("Channels read 4 / in the file 4")},
            {list->Edit2, "text", QStringLiteral("開始ｽﾃｯﾌﾟ"), QStringLiteral("First")},
            {f->window->conversionWindow(), "windowTitle", QStringLiteral("変形角に変換"),
             QStringLiteral("Convert to Deformation Angle")},
            {f->window->lineStyleWindow()->Button18, "text", QStringLiteral("保存(&S)"), QStringLiteral("&Save")},
            {f->window->titleDialog(), "windowTitle", QStringLiteral("タイトル設定"), QStringLiteral("Titles")},
            {f->window->titleDialog()->Edit2, "text", QStringLiteral("横軸のタイトル"), QStringLiteral("X axis title")},
            {f->window->dataRangeDialog(), "windowTitle", QStringLiteral("データ範囲設定"), QStringLiteral("Data Range")},
            {f->window->pointValueWindow()->Button1, "text", QStringLiteral("閉じる(&C)"), QStringLiteral("&Close")},
            {f->window->correspondenceWindow(), "windowTitle", QStringLiteral("　チャンネル対応"),
             QStringLiteral("Channel Correspondence")},
            {usage, "windowTitle", QStringLiteral("使い方"), QStringLiteral("How to Use")},
            {w->findChild<kvx::app::TAbout*>(), "windowTitle", QStringLiteral("バージョン情報"),
             QStringLiteral("About Kurvadex")},
        };
        auto* grid = f->find<QTableWidget>("StringGrid1");
        const auto expect = [&](Language language) {
            const bool japanese = language == Language::Japanese;
            QCOMPARE(grid->item(1, 0)->text(), japanese ? QStringLiteral("　　計測CH") : QStringLiteral("    Logger CH"));
            QCOMPARE(grid->item(0, 0)->text(), japanese ? QStringLiteral("　　4 測点") : QStringLiteral("    4 points"));
            // The data list's own captions, in the grid the user edits.
            const QAbstractItemModel* listGrid = list->StringGrid1->model();
            const QStringList captions = listGrid->headerData(0, Qt::Horizontal).toString().split(QLatin1Char('\n'));
            QCOMPARE(captions.value(0), japanese ? QStringLiteral("　ｸﾞﾗﾌCH") : QStringLiteral(" Graph CH"));
            QCOMPARE(captions.value(3), japanese ? QStringLiteral("ｽﾃｯﾌﾟ/単位") : QStringLiteral("Step/Unit"));
            for (const Sample& s : samples) {
                const QString want = language == Language::Japanese ? s.japanese : s.english;
                QVERIFY2(textOf(s.target, s.property) == want,
                         qPrintable(s.target->objectName() + QLatin1Char('.') + QLatin1String(s.property) +
                                    QStringLiteral(": ") + textOf(s.target, s.property)));
            }
        };
        expect(Language::Japanese);
        QVERIFY(usage->Memo1->toPlainText().startsWith(QStringLiteral("Kurvadex の使い方")));
        f->action("English1")->trigger();
        expect(Language::English);
        QVERIFY(usage->Memo1->toPlainText().startsWith(QStringLiteral("How to use Kurvadex")));
        // The usage names the controls by their English captions.
        for (const char* caption : {"\"&File\" button", "\"Channel map\" button", "\"Skeleton\"", "\"Bilinear model\""})
            QVERIFY2(usage->Memo1->toPlainText().contains(QLatin1String(caption)), caption);
        f->action("Japanese1")->trigger();
        expect(Language::Japanese);
    }

    void stateTextsFollowTheStateInEitherLanguage() {
        // A menu choice made in English shows its English text, and its
        // Japanese text after the switch back.
        struct Case {
            const char* action;
            const char* label;  // in the main window, or the pause window's Label9
            QString japanese;
            QString english;
        };
        const Case cases[] = {
            {"kg1", "Label32", QStringLiteral("力の単位 kg"), QStringLiteral("Force unit kg")},
            {"txt1", "Label36", QStringLiteral("東京測器TXT"), QStringLiteral("Tokyo Sokki TXT")},
            {"generic1", "Label36", QStringLiteral("汎用テキスト"), QStringLiteral("Generic text")},
            {"Extrema", "Label9", QStringLiteral("極値（＋）"), QStringLiteral("Extremum (+)")},
            {"BMP1", "GraphSave", QStringLiteral("グラフをBMPファイルとして保存します"),
             QStringLiteral("Saves the graph as a BMP file")},
        };
        for (const Case& c : cases) {
            WindowFixture f;
            f.action("English1")->trigger();
            f.action(c.action)->trigger();
            QWidget* target = QByteArray(c.label) == "Label9" ? static_cast<QWidget*>(f.window->pauseWindow()->Label9)
                                                              : f.find<QWidget>(c.label);
            const char* property = QByteArray(c.label) == "GraphSave" ? "toolTip" : "text";
            QCOMPARE(textOf(target, property), c.english);
            f.action("Japanese1")->trigger();
            QCOMPARE(textOf(target, property), c.japanese);
        }
    }

    void whatTheUserTypedStaysOnASwitch() {
        WindowFixture f;
        kvx::app::TTitle* title = f.window->titleDialog();
        kvx::app::TDataList* list = f.window->dataListWindow();
        title->Edit1->setText(QStringLiteral("壁 A-1"));
        list->Edit3->setText(QStringLiteral("12"));
        f.action("English1")->trigger();
        QCOMPARE(title->Edit1->text(), QStringLiteral("壁 A-1"));
        QCOMPARE(title->Edit3->text(), QStringLiteral("Y axis title"));
        QCOMPARE(list->Edit2->text(), QStringLiteral("First"));
        QCOMPARE(list->Edit3->text(), QStringLiteral("12"));
        // The axis titles trade places with the main axis; each keeps following the language.
        f.find<kvx::app::RadioGroup>("RGmainaxis")->item(0)->click();
        QCOMPARE(title->Edit2->text(), QStringLiteral("Y axis title"));
        f.action("Japanese1")->trigger();
        QCOMPARE(title->Edit2->text(), QStringLiteral("縦軸のタイトル"));
        QCOMPARE(title->Edit3->text(), QStringLiteral("横軸のタイトル"));
        QCOMPARE(title->Edit1->text(), QStringLiteral("壁 A-1"));
    }

    void theSwitchBackGivesTheSameJapaneseTexts() {
        auto f = withSampleRecord();
        QVERIFY(f);
        bringUpRuntimeTexts(*f);
        std::vector<QStringList> before;
        for (const auto& [name, window] : ownWindows(*f)) before.push_back(kvx::test::shownTexts(window));
        f->action("English1")->trigger();
        f->action("Japanese1")->trigger();
        std::size_t i = 0;
        for (const auto& [name, window] : ownWindows(*f)) {
            const QStringList after = kvx::test::shownTexts(window);
            QVERIFY2(after == before[i], name);
            ++i;
        }
    }

private:
    QTemporaryDir m_settings;
};

KVX_REGISTER_TEST(MainWindowLanguageTest);
#include "language_main_window_test.moc"
