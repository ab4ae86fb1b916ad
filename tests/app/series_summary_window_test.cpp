// The series summary window: a wall result file opened through the dialog,
// each side summarized on its own, checks, L and α recomputing at once, the
// CSV, the printed page, and the rows the wall window wrote in this session.
#include "analysis/wall_evaluation.h"
#include "app/qt_text.h"
#include "app/t_kabe.h"
#include "app/t_series_summary.h"
#include "skeleton_fixture.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>

#include <cmath>

using kvx::analysis::SeriesSummary;
using kvx::analysis::SpecimenRow;
using kvx::app::SeriesSidePage;
using kvx::app::TSeriesSummary;
using kvx::data::ForceUnit;

namespace {

// A wall result file as the wall window writes it: its header, three Plus and
// two Minus specimens, and a row whose load at the reference angle was empty.
QByteArray wallFile() {
    QByteArray bytes = QByteArray::fromStdString(kvx::analysis::WallEvaluation().headerText());
    const char* rows[] = {
        "a.csv,Plus,'2024/05/13 10:02:11,14.82,0.0334,9.91,9.88,8.42,13.37,0.0121,8.83,8.42,2.36,2.78\n",
        "b.csv,Plus,'2024/05/13 10:31:40,15.61,0.0402,10.42,10.41,8.95,14.02,0.0118,9.35,8.95,2.51,2.92\n",
        "c.csv,Plus,'2024/05/13 11:05:02,13.95,0.0297,9.37,9.30,8.11,12.64,0.0126,8.21,8.11,2.27,2.61\n",
        "d.csv,Plus,'2024/05/13 11:40:27,14.20,0.0310,,9.47,8.30,12.90,0.0120,8.60,8.30,2.33,2.70\n",
        "a.csv,Minus,'2024/05/13 10:04:55,13.90,0.0351,9.52,9.27,7.98,12.71,0.0119,8.36,7.98,2.24,2.60\n",
        "b.csv,Minus,'2024/05/13 10:34:02,14.66,0.0388,9.85,9.77,8.37,13.20,0.0123,8.71,8.37,2.35,2.74\n"};
    for (const char* r : rows) bytes += r;
    return bytes;
}
constexpr int kBrokenLine = 6;

std::vector<SpecimenRow> fileRows() { return kvx::analysis::readWallRows(wallFile().toStdString()).rows; }

double leadingNumber(const QString& text) {
    const auto m = QRegularExpression(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?")).match(text);
    return m.hasMatch() ? m.captured(0).toDouble() : std::nan("");
}

bool near(const QString& shown, double expected, double tolerance = 0.005) {
    return std::fabs(leadingNumber(shown) - expected) <= tolerance;
}

// A window on its own, with the wall file opened through its dialog.
struct Opened {
    explicit Opened(ForceUnit u = ForceUnit::kN) : unit(u), window(ia, [this] { return unit; }) {
        path = dir.filePath(QStringLiteral("壁.txt"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(wallFile());
        file.close();
        ia.openFiles.push_back(kvx::app::toPath(path));
        window.Button1->click();
    }
    // Typing replaces the text key by key, as a person does.
    void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void check(int row, bool on) { window.RowList->item(row, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked); }

    QTemporaryDir dir;
    QString path;
    ForceUnit unit;
    kvx::ui::ScriptedInteraction ia;
    TSeriesSummary window;
};

int specimenColumns(const SeriesSidePage* page) { return page->Table->columnCount() - 6; }

QString lowerValue(const SeriesSidePage* page, int index) {
    return page->Table->item(index, page->Table->columnCount() - 1)->text();
}

int nonWhitePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

}  // namespace

class SeriesSummaryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void wallFileOpensWithEachSideSummarized() {
        Opened o;
        QCOMPARE(o.window.objectName(), QStringLiteral("TSeriesSummary"));
        QCOMPARE(o.window.windowTitle(), QStringLiteral("試験体集計"));
        QCOMPARE(o.ia.dialogs.back().filter, std::string("耐力特性ファイル(*.txt)|*csv|すべて(*.*)|*.*"));
        // The broken row is told with its line and reason, and left out.
        QCOMPARE(o.ia.shown.size(), std::size_t{1});
        QVERIFY(o.ia.shown[0].text.find("第 " + std::to_string(kBrokenLine) + " 行: 特定変形角時耐力") !=
                std::string::npos);
        QCOMPARE(o.window.RowList->rowCount(), 5);
        QCOMPARE(o.window.RowList->horizontalHeaderItem(6)->text(), QStringLiteral("1/120耐力"));
        QCOMPARE(o.window.SourceLabel->text(), QStringLiteral("壁.txt"));

        const SeriesSummary expected = kvx::analysis::summarizeRows(fileRows(), 1.82, 1.0, ForceUnit::kN);
        QVERIFY(expected.plus && expected.minus);
        struct Side {
            const SeriesSidePage* page;
            const kvx::analysis::SideSummary& summary;
            int n;
        };
        for (const Side& side : {Side{o.window.PlusPage, *expected.plus, 3}, Side{o.window.MinusPage, *expected.minus, 2}}) {
            QCOMPARE(specimenColumns(side.page), side.n);
            QVERIFY(side.page->Failure->text().isEmpty());
            for (int i = 0; i < 4; ++i) {
                const bool starred = side.page->Table->verticalHeaderItem(i)->text().endsWith(QStringLiteral("★"));
                QCOMPARE(starred, i == side.summary.governing);
                QVERIFY2(near(lowerValue(side.page, i), side.summary.indices[static_cast<std::size_t>(i)].lower),
                         qPrintable(lowerValue(side.page, i)));
            }
            const QString p0 = side.page->result(QStringLiteral("短期基準せん断耐力 P0"));
            QVERIFY2(near(p0, side.summary.P0), qPrintable(p0));
            QVERIFY(p0.contains(QString::fromUtf8(
                kvx::analysis::kSeriesIndexNames[static_cast<std::size_t>(side.summary.governing)])));
            QVERIFY(near(side.page->result(QStringLiteral("短期許容せん断耐力 Pa")), side.summary.Pa));
            QVERIFY(near(side.page->result(QStringLiteral("壁倍率")), side.summary.multiplier));
            QVERIFY(near(side.page->result(QStringLiteral("平均塑性率 μ")), *side.summary.muMean));
            QVERIFY(nonWhitePixels(side.page->chartImage()) > 2000);  // bars, lines and texts
        }
        QVERIFY(o.window.Sides->tabText(0).contains(QStringLiteral("3 体")));
        QVERIFY(o.window.Sides->tabText(1).contains(QStringLiteral("2 体")));
    }

    void uncheckingRowsRecomputesAtOnce() {
        Opened o;
        o.check(0, false);  // a.csv Plus
        QCOMPARE(specimenColumns(o.window.PlusPage), 2);
        QCOMPARE(specimenColumns(o.window.MinusPage), 2);
        std::vector<SpecimenRow> rows = fileRows();
        rows.erase(rows.begin());
        const SeriesSummary two = kvx::analysis::summarizeRows(rows, 1.82, 1.0, ForceUnit::kN);
        QVERIFY(near(o.window.PlusPage->result(QStringLiteral("短期基準せん断耐力 P0")), two.plus->P0));

        // One Plus specimen left: the side says why it has no numbers; Minus keeps its own.
        o.check(1, false);
        rows.erase(rows.begin());
        const SeriesSummary one = kvx::analysis::summarizeRows(rows, 1.82, 1.0, ForceUnit::kN);
        QVERIFY(!one.plus);
        QCOMPARE(o.window.PlusPage->Failure->text(), kvx::app::fromUtf8(one.plusFailure));
        QCOMPARE(o.window.PlusPage->Table->columnCount(), 0);
        QVERIFY(o.window.PlusPage->result(QStringLiteral("短期基準せん断耐力 P0")).isEmpty());
        QVERIFY(o.window.Sides->tabText(0).contains(QStringLiteral("集計なし")));
        QCOMPARE(specimenColumns(o.window.MinusPage), 2);

        o.check(0, true);
        QCOMPARE(specimenColumns(o.window.PlusPage), 2);
        QVERIFY(o.window.PlusPage->Failure->text().isEmpty());
    }

    void alphaScalesPaAndLengthOnlyTheMultiplier() {
        // Both force units: the multiplier follows the main window's unit rule.
        struct Case {
            ForceUnit unit;
            double perMetre;  // Pa / (perMetre × L)
        };
        for (const Case c : {Case{ForceUnit::kN, 1.96}, Case{ForceUnit::kg, 200}}) {
            Opened o(c.unit);
            const auto* plus = o.window.PlusPage;
            const double p0 = leadingNumber(plus->result(QStringLiteral("短期基準せん断耐力 P0")));
            QVERIFY(near(plus->result(QStringLiteral("壁倍率")), p0 / (c.perMetre * 1.82), 0.006));

            o.type(o.window.EditAlpha, QStringLiteral("0.8"));
            QVERIFY(near(plus->result(QStringLiteral("短期基準せん断耐力 P0")), p0));
            QVERIFY(near(plus->result(QStringLiteral("短期許容せん断耐力 Pa")), 0.8 * p0, 0.006));
            const double multiplier = leadingNumber(plus->result(QStringLiteral("壁倍率")));
            QVERIFY(std::fabs(multiplier - 0.8 * p0 / (c.perMetre * 1.82)) <= 0.006);

            o.type(o.window.EditL, QStringLiteral("3.64"));
            QVERIFY(near(plus->result(QStringLiteral("短期基準せん断耐力 P0")), p0));
            QVERIFY(near(plus->result(QStringLiteral("短期許容せん断耐力 Pa")), 0.8 * p0, 0.006));
            QVERIFY(near(plus->result(QStringLiteral("壁倍率")), multiplier / 2, 0.006));
        }
    }

    void textThatIsNotAPositiveNumberChangesNothing() {
        Opened o;
        const QString pa = o.window.PlusPage->result(QStringLiteral("短期許容せん断耐力 Pa"));
        o.ia.shown.clear();
        // Typed key by key, none of them passes through a number that would be taken.
        for (const char* bad : {"abc", "0", "0.0", "-1", "-0.5", ""}) {
            o.type(o.window.EditAlpha, QString::fromLatin1(bad));
            if (!*bad) QTest::keyClick(o.window.EditAlpha, Qt::Key_Backspace);
            QVERIFY2(o.window.InputMessage->text().contains(QStringLiteral("低減係数 α は正の数")), bad);
            QCOMPARE(o.window.PlusPage->result(QStringLiteral("短期許容せん断耐力 Pa")), pa);
        }
        // Writing with such a text is refused before any dialog.
        const std::size_t dialogs = o.ia.dialogs.size();
        o.window.Button2->click();
        QCOMPARE(o.ia.dialogs.size(), dialogs);
        QCOMPARE(o.ia.shown.size(), std::size_t{1});
        QCOMPARE(o.ia.shown[0].caption, std::string("入力エラー"));
        o.type(o.window.EditAlpha, QStringLiteral("1"));
        QVERIFY(o.window.InputMessage->text().isEmpty());
        o.type(o.window.EditL, QStringLiteral("x"));
        QVERIFY(o.window.InputMessage->text().contains(QStringLiteral("壁長さ L は正の数")));
    }

    void saveWritesTheSummaryCsv() {
        Opened o;
        o.check(2, false);  // c.csv Plus
        o.type(o.window.EditAlpha, QStringLiteral("0.8"));
        const QString csv = o.dir.filePath(QStringLiteral("集計.csv"));
        o.ia.saveFiles.push_back(kvx::app::toPath(csv));
        o.ia.shown.clear();
        o.window.Button2->click();
        QCOMPARE(o.ia.dialogs.back().defaultExtension, std::string("csv"));
        QVERIFY(o.ia.shown.empty());
        std::vector<SpecimenRow> rows = fileRows();
        rows.erase(rows.begin() + 2);
        const SeriesSummary expected = kvx::analysis::summarizeRows(rows, 1.82, 0.8, ForceUnit::kN);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromStdString(kvx::analysis::summaryCsv(expected, rows, ForceUnit::kN)));

        // A folder that does not exist: told, never reported as written.
        o.ia.saveFiles.push_back(kvx::app::toPath(o.dir.filePath(QStringLiteral("missing/集計.csv"))));
        o.window.Button2->click();
        QCOMPARE(o.ia.shown.size(), std::size_t{1});
        QCOMPARE(o.ia.shown[0].caption, std::string("ファイル出力エラー"));
    }

    void printsAPageAndAsksForTheReportsName() {
        Opened o;
        const QString pdf = o.dir.filePath(QStringLiteral("summary.pdf"));
        int dialogs = 0;
        o.window.setPrintDialog([&](QPrinter& printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        o.ia.shown.clear();
        o.window.Button3->click();
        QCOMPARE(dialogs, 1);
        QVERIFY(o.ia.shown.empty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.size() > 5000);

        QSignalSpy report(&o.window, &TSeriesSummary::reportRequested);
        o.window.Button4->click();  // cancelled: nothing asked of the report writer
        QCOMPARE(report.count(), 0);
        const QString name = o.dir.filePath(QStringLiteral("報告書.pdf"));
        o.ia.saveFiles.push_back(kvx::app::toPath(name));
        o.window.Button4->click();
        QCOMPARE(o.ia.dialogs.back().defaultExtension, std::string("pdf"));
        QCOMPARE(report.count(), 1);
        QCOMPARE(report.at(0).at(0).toString(), name);
    }

    void reportHasAPageForEveryDataFileFound() {
        // Rows of a.csv (beside the wall file: its page) and b.csv (nowhere:
        // named in the message); the summary pages follow.
        kvx::test::WindowFixture f;
        const QString folder = f.dir() + QStringLiteral("/walls");
        f.write(QStringLiteral("a.csv"), kvx::test::sampleFile(), QStringLiteral("walls"));
        f.write(QStringLiteral("壁.txt"), wallFile(), QStringLiteral("walls"));
        f.action("SeriesSummary1")->trigger();
        TSeriesSummary* summary = f.window->seriesSummaryWindow();
        f.interaction.openFiles.push_back(kvx::app::toPath(folder + QStringLiteral("/壁.txt")));
        summary->Button1->click();
        f.takeShown();  // the broken row
        const QString pdf = folder + QStringLiteral("/報告書.pdf");
        f.interaction.saveFiles.push_back(kvx::app::toPath(pdf));
        summary->Button4->click();
        const auto shown = f.takeShown();
        QCOMPARE(shown.size(), std::size_t{1});
        QVERIFY2(QString::fromStdString(shown[0]).contains(QStringLiteral("試験体 1 ページ")), shown[0].c_str());
        QVERIFY(QString::fromStdString(shown[0]).contains(QStringLiteral("b.csv")));
        QVERIFY(!QString::fromStdString(shown[0]).contains(QStringLiteral("a.csv")));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // One specimen page and the summary (both sides fit on one page).
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
    }

    void nothingToSummarizeBeforeAFileIsOpened() {
        kvx::ui::ScriptedInteraction ia;
        TSeriesSummary w(ia, [] { return ForceUnit::kN; });
        QCOMPARE(w.RowList->rowCount(), 0);
        QVERIFY(!w.PlusPage->Failure->text().isEmpty());
        QCOMPARE(w.EditL->text(), QStringLiteral("1.82"));
        QCOMPARE(w.EditAlpha->text(), QStringLiteral("1.0"));
        w.Button2->click();
        QCOMPARE(ia.dialogs.size(), std::size_t{0});
        QCOMPARE(ia.shown.size(), std::size_t{1});
    }

    void wallWindowHandsOverTheRowsItWrote() {
        kvx::test::WindowFixture f;
        // From the File menu before any row was written: an empty window.
        f.action("SeriesSummary1")->trigger();
        TSeriesSummary* summary = f.window->seriesSummaryWindow();
        QVERIFY(summary && summary->isVisible());
        QCOMPARE(summary->rows().size(), std::size_t{0});
        summary->close();

        kvx::app::TSkelton_edit* editor = kvx::test::openEditor(f, kvx::test::sampleFile());
        QVERIFY(editor);
        editor->Button3->click();
        editor->Button4->click();
        kvx::app::TKabe* wall = f.window->wallWindow();
        QVERIFY(wall->isVisible());
        f.interaction.saveFiles.push_back(kvx::app::toPath(f.dir() + QStringLiteral("/walls.txt")));
        wall->Button4->click();
        wall->Button6->click();
        wall->edit(10)->selectAll();
        QTest::keyClicks(wall->edit(10), QStringLiteral("0.91"));
        wall->Button2->click();
        wall->Button6->click();
        QCOMPARE(wall->writtenRows().size(), std::size_t{2});

        wall->Button7->click();
        QVERIFY(summary->isVisible());
        QCOMPARE(summary->rows().size(), std::size_t{2});
        QCOMPARE(summary->EditL->text(), QStringLiteral("0.91"));
        QCOMPARE(summary->rows()[0].Py, wall->edit(5)->text().toDouble());
        QCOMPARE(summary->RowList->horizontalHeaderItem(6)->text(), QStringLiteral("1/120耐力"));
        // Both rows are of one specimen's positive side: its statistics, the other side's reason.
        QCOMPARE(specimenColumns(summary->PlusPage), 2);
        QVERIFY(!summary->MinusPage->Failure->text().isEmpty());
        const double pa = leadingNumber(summary->PlusPage->result(QStringLiteral("短期許容せん断耐力 Pa")));
        QVERIFY(near(summary->PlusPage->result(QStringLiteral("壁倍率")), pa / (1.96 * 0.91), 0.006));

        // The File menu shows the same rows.
        summary->close();
        f.action("SeriesSummary1")->trigger();
        QVERIFY(summary->isVisible());
        QCOMPARE(summary->rows().size(), std::size_t{2});
        QVERIFY(f.takeShown().empty());
    }
};

KVX_REGISTER_TEST(SeriesSummaryWindowTest);
#include "series_summary_window_test.moc"
