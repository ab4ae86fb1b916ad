// In English, the evaluation windows (characteristics, skeleton editor, wall,
// cycles, series summary, text import) show no Japanese text but the data
// file's own and what the core words for them; a switch while a window is open
// changes its texts at once, and the switch back gives the Japanese texts
// exactly as they were. Texts the result files keep in Japanese are shown
// translated, and in Japanese as the files word them.
#include "analysis/series_statistics.h"
#include "analysis/wall_evaluation.h"
#include "app/qt_text.h"
#include "app/radio_group.h"
#include "app/settings.h"
#include "app/t_coeff.h"
#include "app/t_cycles.h"
#include "app/t_kabe.h"
#include "app/t_series_summary.h"
#include "app/t_skelton_edit.h"
#include "app/t_text_import.h"
#include "data/delimited_text.h"
#include "language_fixture.h"
#include "plot/series_chart.h"
#include "skeleton_fixture.h"
#include "ui/scripted_interaction.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>

using kvx::app::Language;
using kvx::data::ForceUnit;
using kvx::test::WindowFixture;

namespace {

/// The Japanese texts of table cells, which japaneseTexts() leaves to the windows' tests.
QStringList japaneseCells(QWidget* root) {
    QStringList found;
    for (auto* t : root->findChildren<QTableWidget*>())
        for (int r = 0; r < t->rowCount(); ++r)
            for (int c = 0; c < t->columnCount(); ++c)
                if (auto* item = t->item(r, c); item && (kvx::test::hasJapanese(item->text()) ||
                                                         kvx::test::hasJapanese(item->toolTip())))
                    found << t->objectName() + QStringLiteral(": ") + item->text();
    return found;
}

/// A text of the window and what it says in each language.
struct Sample {
    const char* what;
    std::function<QString()> text;
    QString japanese, english;
};

/// Japanese now; English after a switch while the window is open, without a
/// Japanese text but those holding one of `allowedParts` and those of the widgets named in
/// `coreWidgets` (texts the core makes and translates); Japanese again after
/// the switch back, every text as it was before.
void roundTrip(QWidget* window, const std::vector<Sample>& samples, const QStringList& allowedParts = {},
               const QStringList& coreWidgets = {}) {
    for (const Sample& s : samples) QVERIFY2(s.text() == s.japanese, s.what);
    QStringList before = kvx::test::shownTexts(window);

    kvx::app::useLanguage(Language::English);
    for (const Sample& s : samples)
        QVERIFY2(s.text() == s.english, qPrintable(QString::fromLatin1(s.what) + QStringLiteral(": ") + s.text()));
    QStringList left = kvx::test::japaneseTexts(window, {}, allowedParts);
    left.removeIf([&](const QString& found) {
        return std::any_of(coreWidgets.begin(), coreWidgets.end(),
                           [&](const QString& name) { return found.startsWith(name + QStringLiteral(" (")); });
    });
    for (const QString& cell : japaneseCells(window))
        if (!std::any_of(coreWidgets.begin(), coreWidgets.end(),
                         [&](const QString& name) { return cell.startsWith(name + QLatin1Char(':')); }))
            left << cell;
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));

    kvx::app::useLanguage(Language::Japanese);
    // Redrawn tables may hand their scroll bars to other frames: the same texts, not the same order.
    QStringList after = kvx::test::shownTexts(window);
    before.sort();
    after.sort();
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) QCOMPARE(after[i], before[i]);
}

QString title(QWidget* w) { return w->windowTitle(); }

// A wall result file of two specimens a side; the Minus side's yield loads
// scatter so much that the variability factor 1 − CV·k falls below zero.
QByteArray scatteredWallFile() {
    QByteArray bytes = QByteArray::fromStdString(kvx::analysis::WallEvaluation().headerText());
    bytes += "a.csv,Plus,'2024/05/13 10:02:11,14.82,0.0334,9.91,9.88,8.42,13.37,0.0121,8.83,8.42,2.36,2.78\n";
    bytes += "b.csv,Plus,'2024/05/13 10:31:40,15.61,0.0402,10.42,10.41,8.95,14.02,0.0118,9.35,8.95,2.51,2.92\n";
    bytes += "a.csv,Minus,'2024/05/13 10:04:55,13.90,0.0351,9.52,9.27,7.98,12.71,0.0119,8.36,7.98,2.24,2.60\n";
    bytes += "b.csv,Minus,'2024/05/13 10:34:02,14.66,0.0388,9.85,9.77,-6.37,13.20,0.0123,8.71,8.37,2.35,2.74\n";
    return bytes;
}

struct SummaryWindow {
    explicit SummaryWindow(ForceUnit u = ForceUnit::kN) : unit(u), window(ia, [this] { return unit; }) {
        const QString path = dir.filePath(QStringLiteral("壁.txt"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(scatteredWallFile());
        file.close();
        ia.openFiles.push_back(kvx::app::toPath(path));
        window.Button1->click();
    }
    QTemporaryDir dir;
    ForceUnit unit;
    kvx::ui::ScriptedInteraction ia;
    kvx::app::TSeriesSummary window;
};

QString tabText(const QTabWidget* tabs, int i) { return tabs->tabText(i); }

}  // namespace

class EvaluationWindowsLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() { kvx::app::setSettingsFile(m_settings.filePath(QStringLiteral("kurvadex.ini"))); }
    void cleanup() {
        kvx::app::useLanguage(Language::Japanese);
        kvx::app::setSettingsFile(QString());
    }

    void characteristicsWindow() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::sampleFile(), QStringLiteral("test1"))));
        f.find<QCheckBox>("PFPCheck")->setChecked(true);
        f.find<QCheckBox>("SkeltonCheck")->click();
        kvx::app::TCoeff* w = f.window->characteristicsWindow();
        QVERIFY(w && w->isVisible());
        QVERIFY(!w->valueLabel("PK")->text().isEmpty());
        roundTrip(w, {{"title", [w] { return title(w); }, QStringLiteral("復元力特性"),
                       QStringLiteral("Restoring Force Characteristics")},
                      {"close", [w] { return w->Button1->text(); }, QStringLiteral("閉じる(&C)"), QStringLiteral("&Close")},
                      {"Line Mark", [w] { return w->LineCheck->text(); }, QStringLiteral("Line Mark"),
                       QStringLiteral("Line Mark")}});
    }

    void skeletonEditor() {
        WindowFixture f;
        kvx::app::TSkelton_edit* w = kvx::test::openEditor(f, kvx::test::sampleFile());
        QVERIFY(w && w->isVisible());
        w->Button3->click();
        QVERIFY(w->evaluation().has_value());
        roundTrip(w, {{"evaluate", [w] { return w->Button3->text(); }, QStringLiteral("等価完全弾塑性特性"),
                       QStringLiteral("Elasto-plastic model")},
                      {"point mode", [w] { return w->RadioGroup2->title(); }, QStringLiteral("点操作"),
                       QStringLiteral("Points")},
                      {"delete", [w] { return w->RadioGroup2->item(2)->text(); }, QStringLiteral("削除する"),
                       QStringLiteral("Delete")},
                      {"thin tip", [w] { return w->Button2->toolTip(); }, QStringLiteral("点数が多すぎるときに整理します"),
                       QStringLiteral("Thins the points out when there are too many")}});
    }

    void wallWindow() {
        WindowFixture f;
        kvx::app::TSkelton_edit* editor = kvx::test::openEditor(f, kvx::test::sampleFile());
        QVERIFY(editor);
        editor->Button3->click();
        editor->Button4->click();
        kvx::app::TKabe* w = f.window->wallWindow();
        QVERIFY(w && w->isVisible());
        // The remarks, the reference row's caption and the state are the wall
        // model's words, shown in the language in use.
        const auto label = [w](const char* name) { return w->findChild<QLabel*>(QLatin1String(name))->text(); };
        roundTrip(w,
                  {{"title", [w] { return title(w); }, QStringLiteral("　壁倍率評価"),
                    QStringLiteral("Wall Multiplier Evaluation")},
                   {"copy", [w] { return w->Button1->text(); }, QStringLiteral("特性値コピー"), QStringLiteral("Copy values")},
                   {"angle", [w] { return w->RadioGroup1->title(); }, QStringLiteral("変形角"),
                    QStringLiteral("Deformation angle")},
                   {"state", [label] { return label("Label51"); }, QStringLiteral("評価終了"),
                    QStringLiteral("Evaluated")},
                   {"row", [label] { return label("RowCurrent"); }, QStringLiteral("1/120変形角時耐力　P120"),
                    QStringLiteral("Load at 1/120 rad P120")}});
    }

    void cycleWindow() {
        WindowFixture f;
        QVERIFY(f.window->openFile(
            f.write(QStringLiteral("racking-test.csv"), kvx::test::sampleFile(), QStringLiteral("test1"))));
        f.find<QCheckBox>("PFPCheck")->setChecked(true);
        f.find<QCheckBox>("SkeltonCheck")->click();
        f.action("Cycles1")->trigger();
        kvx::app::TCycles* w = f.window->cyclesWindow();
        QVERIFY(w && w->isVisible() && w->evaluated());
        const auto header = [w](int column) { return w->ComparisonTable->horizontalHeaderItem(column)->text(); };
        // The cycle and level tables' headings are the core's.
        roundTrip(w,
                  {{"title", [w] { return title(w); }, QStringLiteral("サイクル評価"), QStringLiteral("Cycle Evaluation")},
                   {"method heading", [=] { return header(0); }, QStringLiteral("方法"), QStringLiteral("Method")},
                   {"yield load heading", [=] { return header(1); }, QStringLiteral("降伏耐力\n[kN]"),
                    QStringLiteral("Yield load\n[kN]")},
                   {"Japanese method", [w] { return w->ComparisonTable->item(1, 0)->text(); },
                    QStringLiteral("日本 (完全弾塑性)"), QStringLiteral("Japan (elasto-plastic)")},
                   {"side", [w] { return w->ComparisonTable->item(0, 1)->text(); }, QStringLiteral("正側 (＋)"),
                    QStringLiteral("Positive side (+)")},
                   {"status", [w] { return w->StatusLabel->text().section(QLatin1Char(':'), 0, 0).section(QLatin1Char(' '), 1); },
                    QStringLiteral("行"), QStringLiteral("rows")},
                   {"cycle heading", [w] { return w->CycleTable->horizontalHeaderItem(0)->text(); },
                    QStringLiteral("番号"), QStringLiteral("No.")},
                   {"level heading", [w] { return w->LevelTable->horizontalHeaderItem(3)->text(); },
                    QStringLiteral("サイクル数"), QStringLiteral("Cycles")}});
    }

    void seriesSummary() {
        SummaryWindow s;
        kvx::app::TSeriesSummary& w = s.window;
        QVERIFY(w.summary().plus && w.summary().minus);
        QVERIFY(!w.MinusPage->Notes->text().isEmpty());
        roundTrip(&w,
                  {{"title", [&] { return title(&w); }, QStringLiteral("試験体集計"), QStringLiteral("Specimen Summary")},
                   {"tab", [&] { return tabText(w.Sides, 1); }, QStringLiteral("負側 (Minus)  2 体"),
                    QStringLiteral("Negative (Minus)  2 specimens")},
                   {"reference heading", [&] { return w.RowList->horizontalHeaderItem(6)->text(); },
                    QStringLiteral("1/120耐力"), QStringLiteral("Load at 1/120")},
                   {"statistics heading", [&] { return w.PlusPage->Table->horizontalHeaderItem(2)->text(); },
                    QStringLiteral("平均"), QStringLiteral("Mean")},
                   {"count", [&] { return w.PlusPage->findChild<QLabel*>(QStringLiteral("Result1"))->text(); },
                    QStringLiteral("2 体"), QStringLiteral("2 specimens")}},
                  {QStringLiteral("壁.txt")});
    }

    // The summary CSV and the pages word the results, the notes and the
    // reasons; in Japanese the window shows those very texts.
    void seriesSummaryInJapaneseWordsTheResultsAsThePages() {
        for (const ForceUnit unit : {ForceUnit::kN, ForceUnit::kg}) {
            SummaryWindow s(unit);
            const kvx::analysis::SeriesSummary& summary = s.window.summary();
            struct Side {
                const kvx::app::SeriesSidePage* page;
                const std::optional<kvx::analysis::SideSummary>& summary;
            };
            for (const Side& side : {Side{s.window.PlusPage, summary.plus}, Side{s.window.MinusPage, summary.minus}}) {
                QVERIFY(side.summary);
                for (const auto& [caption, value] : kvx::plot::resultTexts(*side.summary, unit))
                    QCOMPARE(side.page->result(kvx::app::fromUtf8(caption)), kvx::app::fromUtf8(value));
                QStringList notes;
                for (const auto& n : side.summary->notes) notes << kvx::app::fromUtf8(n);
                QCOMPARE(side.page->Notes->text(), notes.join(QLatin1Char('\n')));
                const QTableWidget* t = side.page->Table;
                const auto& headings = kvx::plot::statisticsHeadings();
                for (std::size_t i = 0; i < headings.size(); ++i)
                    QCOMPARE(t->horizontalHeaderItem(t->columnCount() - 6 + static_cast<int>(i))->text(),
                             QString::fromUtf8(headings[i]));
                for (int i = 0; i < 4; ++i)
                    QVERIFY(t->verticalHeaderItem(i)->text().startsWith(
                        QString::fromUtf8(kvx::analysis::kSeriesIndexNames[static_cast<std::size_t>(i)])));
            }
            // One specimen left on a side: the reason, as the pages give it.
            s.window.RowList->item(3, 0)->setCheckState(Qt::Unchecked);
            QVERIFY(!s.window.summary().minus);
            QCOMPARE(s.window.MinusPage->Failure->text(), kvx::app::fromUtf8(s.window.summary().minusFailure));
        }
    }

    void textImportWindow() {
        kvx::ui::ScriptedInteraction ia;
        kvx::app::TTextImport w(ia, ForceUnit::kN);
        QByteArray bytes("Weg;Kraft;Zeit\nmm;N;s\n");
        for (int i = 0; i < 40; ++i) bytes += QByteArray::number(i) + ",5;" + QByteArray::number(100 * i) + ";" + QByteArray::number(i) + "\n";
        const std::string text = bytes.toStdString();
        kvx::data::ImportSettings detected;
        detected.dialect = kvx::data::detectDialect(text);
        w.load(kvx::app::toPath(m_settings.filePath(QStringLiteral("weg.csv"))), text, detected);
        w.show();
        QVERIFY(w.PreviewTable->rowCount() > 0 && w.ColumnTable->rowCount() == 3);
        roundTrip(&w,
                  {{"title", [&] { return title(&w); }, QStringLiteral("テキスト読込"), QStringLiteral("Text Import")},
                   {"delimiter", [&] { return w.DelimiterBox->currentText(); }, QStringLiteral("セミコロン"),
                    QStringLiteral("Semicolon")},
                   {"names row role", [&] { return w.PreviewTable->item(0, 0)->text(); }, QStringLiteral("1 名前"),
                    QStringLiteral("1 Name")},
                   {"conversion", [&] { return w.ColumnTable->item(1, kvx::app::TTextImport::kConversion)->text(); },
                    QStringLiteral("N → kN ×0.001"), QStringLiteral("N → kN ×0.001")},
                   {"unconverted", [&] { return w.ColumnTable->item(2, kvx::app::TTextImport::kConversion)->text(); },
                    QStringLiteral("s（換算なし）"), QStringLiteral("s (not converted)")},
                   {"thinning", [&] { return w.ThinStepBox->suffix(); }, QStringLiteral(" 行ごと"), QStringLiteral(" rows")}});
    }

private:
    QTemporaryDir m_settings;
};

KVX_REGISTER_TEST(EvaluationWindowsLanguageTest);
#include "language_evaluation_windows_test.moc"
