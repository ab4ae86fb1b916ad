// The cycle evaluation window as a user drives it: opened from the edit menu
// on the graph drawn, its tables agreeing with the core, the comparison of the
// Japanese method with ASTM E2126 and EN 12512, the curves over the main
// graph, copy, save, and a graph changed under it.
#include "analysis/code_methods.h"
#include "analysis/cycle_metrics.h"
#include "app/graph_image.h"
#include "app/qt_text.h"
#include "app/t_cycles.h"
#include "plot/cycle_plots.h"
#include "skeleton_fixture.h"

#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <span>

using kvx::app::TCycles;
using kvx::test::WindowFixture;

namespace {

std::span<const double> recordX(const WindowFixture& f) {
    return std::span<const double>(f.window->state().graph.X).first(static_cast<std::size_t>(f.window->state().data.RowCount));
}
std::span<const double> recordY(const WindowFixture& f) {
    return std::span<const double>(f.window->state().graph.Y).first(static_cast<std::size_t>(f.window->state().data.RowCount));
}

/// Opens `file` as test1/`name`; the open command draws channel 2 against load channel 1.
bool open(WindowFixture& f, const QByteArray& file, const QString& name = QStringLiteral("racking-test.csv")) {
    return f.window->openFile(f.write(name, file, QStringLiteral("test1")));
}

/// The skeleton with both bilinear models, as "完全弾塑性" and "骨格曲線" draw it.
void evaluateSkeleton(WindowFixture& f) {
    f.find<QCheckBox>("PFPCheck")->setChecked(true);
    f.find<QCheckBox>("SkeltonCheck")->click();
}

TCycles* openCycles(WindowFixture& f) {
    f.action("Cycles1")->trigger();
    return f.window->cyclesWindow();
}

QString item(const QTableWidget* t, int row, int column) {
    const QTableWidgetItem* i = t->item(row, column);
    return i ? i->text() : QString();
}

QStringList rowTexts(const QTableWidget* t, int row, int from, int count) {
    QStringList out;
    for (int c = from; c < from + count; ++c) out << item(t, row, c);
    return out;
}

QStringList texts(const std::vector<std::string>& v) {
    QStringList out;
    for (const auto& s : v) out << kvx::app::fromUtf8(s);
    return out;
}

QImage mainGraph(const WindowFixture& f) {
    for (auto* image : f.window->findChildren<kvx::app::GraphImage*>())
        if (image->window() == f.window.get()) return image->image().copy();
    return {};
}

QRgb rgbOf(kvx::plot::Rgb c) { return qRgb(c.r, c.g, c.b); }

int pixelsOf(const QImage& image, kvx::plot::Rgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == rgbOf(colour);
    return n;
}

// Whether a pixel of `colour` lies within one pixel of `p` (the curves are two pixels wide).
bool colourNear(const QImage& image, kvx::plot::Pixel p, kvx::plot::Rgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(p.x + dx, p.y + dy) && image.pixel(p.x + dx, p.y + dy) == rgbOf(colour)) return true;
    return false;
}

kvx::plot::Pixel mapped(const WindowFixture& f, double x, double y) {
    return kvx::plot::FrameMapping{f.window->state().graph.frame, f.window->state().graph.place}.toPixel(x, y);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

class CyclesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuOpensTheWindowOnTheGraph() {
        WindowFixture f;
        QVERIFY(open(f, kvx::test::sampleFile()));
        TCycles* w = openCycles(f);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->objectName(), QStringLiteral("TCycles"));
        QCOMPARE(w->windowTitle(), QStringLiteral("サイクル評価"));
        QCOMPARE(w->EditTolerance->value(), 0.10);

        const auto expected = kvx::analysis::analyzeCycles(recordX(f), recordY(f), 0.10);
        QVERIFY(expected.cycles.size() > 10);
        QCOMPARE(w->CycleTable->rowCount(), static_cast<int>(expected.cycles.size()));
        QCOMPARE(w->LevelTable->rowCount(), static_cast<int>(expected.levels.size()));
        QCOMPARE(rowTexts(w->CycleTable, 0, 0, 13), texts(kvx::plot::cycleRowTexts(expected.cycles[0], 0)));
        // The sample's first cycle (CYCLES.CSV of kurvadex-batch: rows 1-78, ±0.002222 rad, 1741.697645 kN/rad).
        QCOMPARE(rowTexts(w->CycleTable, 0, 0, 5),
                 (QStringList{"1", "1～78", "1", "0.002222", "-0.002222"}));
        QCOMPARE(item(w->CycleTable, 0, 11), QStringLiteral("1742"));
        QCOMPARE(w->CycleTable->horizontalHeaderItem(11)->text(), QStringLiteral("K_s\n[kN/rad]"));
        const int last = w->CycleTable->rowCount() - 1;
        QCOMPARE(rowTexts(w->CycleTable, last, 0, 13),
                 texts(kvx::plot::cycleRowTexts(expected.cycles.back(), last)));
        QCOMPARE(rowTexts(w->LevelTable, 0, 0, 10), texts(kvx::plot::levelRowTexts(expected.levels[0], 0)));
        QVERIFY(w->StatusLabel->text().startsWith(
            QStringLiteral("%1 行: %2 サイクル, %3 振幅レベル").arg(recordX(f).size()).arg(expected.cycles.size()).arg(expected.levels.size())));
        // No real value of the tables reads as zero.
        for (QTableWidget* t : {w->CycleTable, w->LevelTable})
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c) {
                    const QString s = item(t, r, c);
                    QVERIFY2(s != QStringLiteral("0.00") && s != QStringLiteral("-0.00") && s != QStringLiteral("0.000"),
                             qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
                }
        // The plots are drawn: each has more than its white and its frame.
        for (int i = 0; i < 3; ++i) {
            const QImage& plot = w->plotImage(i);
            QCOMPARE(plot.size(), QSize(340, 220));
            QSet<QRgb> colours;
            for (int y = 0; y < plot.height(); y += 2)
                for (int x = 0; x < plot.width(); x += 2) colours.insert(plot.pixel(x, y));
            QVERIFY2(colours.size() > 3, qPrintable(QString::number(i)));
        }
    }

    void comparisonShowsJapaneseAstmAndEnOfEachSide() {
        WindowFixture f;
        QVERIFY(open(f, kvx::test::sampleFile()));
        evaluateSkeleton(f);
        f.takeShown();
        TCycles* w = openCycles(f);
        QVERIFY(w);
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        const QTableWidget* t = w->ComparisonTable;
        QCOMPARE(t->rowCount(), 4);
        QCOMPARE(t->columnCount(), 13);
        QCOMPARE(item(t, 0, 1), QStringLiteral("正側 (＋)"));
        QCOMPARE(item(t, 0, 7), QStringLiteral("負側 (－)"));
        QCOMPARE(t->horizontalHeaderItem(1)->text(), QStringLiteral("降伏耐力\n[kN]"));
        QCOMPARE(t->horizontalHeaderItem(2)->text(), QStringLiteral("降伏変形\n[rad]"));
        QCOMPARE(t->horizontalHeaderItem(6)->text(), QStringLiteral("Ds"));
        QCOMPARE(QStringList({item(t, 1, 0), item(t, 2, 0), item(t, 3, 0)}),
                 (QStringList{"日本 (完全弾塑性)", "ASTM E2126 (EEEP)", "EN 12512"}));
        // Values of kurvadex-batch --elasto --methods on the sample. Japanese: Py 10.124,
        // δy 0.0067817, δu 0.060309, δv 0.010719 (μ 5.626, Ds 1/√(2μ−1) 0.3123), Pu 16.002.
        QCOMPARE(rowTexts(t, 1, 1, 6), (QStringList{"10.12", "0.006782", "0.06031", "5.63", "16.00", "0.312"}));
        // The negative side never falls to 0.8 Pmax: the method's message across the side.
        QCOMPARE(t->columnSpan(1, 7), 6);
        QVERIFY2(item(t, 1, 7).startsWith(QStringLiteral("最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.")),
                 qPrintable(item(t, 1, 7)));
        // ASTM E2126: Pyield 16.128, Δyield 0.010246, Δu 0.060258, μ 5.881; minus Δu at the last point.
        QCOMPARE(rowTexts(t, 2, 1, 6), (QStringList{"16.13", "0.01025", "0.06026", "5.88", "", ""}));
        QCOMPARE(rowTexts(t, 2, 7, 4), (QStringList{"13.26", "0.008577", "0.02000*", "2.33"}));
        // EN 12512: Fy 13.533, vy 0.0087574, vu 0.060258, D 6.881; minus D 2.376.
        QCOMPARE(rowTexts(t, 3, 1, 6), (QStringList{"13.53", "0.008757", "0.06026", "6.88", "", ""}));
        QCOMPARE(rowTexts(t, 3, 7, 4), (QStringList{"12.81", "0.008419", "0.02000*", "2.38"}));
        QVERIFY(w->Notes->text().startsWith(QStringLiteral("* ")));

        // The skeleton editor's evaluation joins as a row of its own.
        f.find<QCheckBox>("SKEdit")->setChecked(true);
        f.find<QPushButton>("Button4")->click();
        f.window->skeletonEditor()->Button3->click();
        QVERIFY(f.window->skeletonEditor()->evaluation());
        w->Button1->click();
        QCOMPARE(t->rowCount(), 5);
        QCOMPARE(item(t, 2, 0), QStringLiteral("日本 (骨格編集)"));
        QCOMPARE(item(t, 2, 1), kvx::app::fromUtf8(kvx::plot::significantText(f.window->skeletonEditor()->evaluation()->Py)));
    }

    void japaneseValuesOnlyForTheRecordTheyCameFrom() {
        WindowFixture f;
        QVERIFY(open(f, kvx::test::sampleFile()));
        TCycles* w = openCycles(f);
        QVERIFY(item(w->ComparisonTable, 1, 1).startsWith(QStringLiteral("このグラフでは評価していません")));
        QVERIFY(item(w->ComparisonTable, 1, 7).startsWith(QStringLiteral("このグラフでは評価していません")));
        evaluateSkeleton(f);
        w->Button1->click();
        QCOMPARE(item(w->ComparisonTable, 1, 1), QStringLiteral("10.12"));
        // The same load against the top displacement (mm) without the skeleton: the
        // skeleton's models belong to the angle record drawn before.
        f.find<QCheckBox>("SkeltonCheck")->setChecked(false);
        f.window->channelBox(2)->setChecked(false);
        f.window->channelBox(3)->setChecked(true);
        f.find<QPushButton>("Button4")->click();
        w->Button1->click();
        QVERIFY(item(w->ComparisonTable, 1, 1).startsWith(QStringLiteral("このグラフでは評価していません")));
        QCOMPARE(w->ComparisonTable->horizontalHeaderItem(2)->text(), QStringLiteral("降伏変形\n[mm]"));
    }

    void realMillimetreRecordAgreesWithTheCore() {
        QFile real(QStringLiteral(SHARED_DATA_DIR "/real/stone_masonry_wall.kvx.csv"));
        if (!real.open(QIODevice::ReadOnly)) QSKIP("the real record is not in ../shared/data");
        WindowFixture f;
        QVERIFY(open(f, real.readAll(), QStringLiteral("stone.csv")));
        f.window->channelBox(2)->setChecked(false);
        f.window->channelBox(3)->setChecked(true);
        f.find<QPushButton>("Button4")->click();
        TCycles* w = openCycles(f);
        const auto expected = kvx::analysis::analyzeCycles(recordX(f), recordY(f), 0.10);
        // kurvadex-batch --cycles --channel 3 on this record: 27 cycles in 14 levels.
        QCOMPARE(expected.cycles.size(), std::size_t{27});
        QCOMPARE(w->CycleTable->rowCount(), 27);
        QCOMPARE(w->LevelTable->rowCount(), 14);
        QCOMPARE(rowTexts(w->CycleTable, 0, 0, 13), texts(kvx::plot::cycleRowTexts(expected.cycles[0], 0)));
        // First cycle: rows 1-48, X⁺ 0.33143 mm, F⁺ 8.991 kN, E_d 3.0814 kN·mm.
        QCOMPARE(rowTexts(w->CycleTable, 0, 0, 6), (QStringList{"1", "1～48", "1", "0.3314", "-0.3373", "8.991"}));
        QCOMPARE(item(w->CycleTable, 0, 9), QStringLiteral("3.081"));
        QCOMPARE(w->CycleTable->horizontalHeaderItem(9)->text(), QStringLiteral("E_d\n[kN·mm]"));
        // Neither side of this record falls to 0.8 of its peak: the codes take the envelope's last point.
        QCOMPARE(item(w->ComparisonTable, 2, 3), QStringLiteral("23.92*"));
        QCOMPARE(item(w->ComparisonTable, 3, 3), QStringLiteral("23.92*"));
    }

    void overlayBoxesDrawOverTheGraphAndUncheckingRemovesThem() {
        WindowFixture f;
        QVERIFY(open(f, kvx::test::sampleFile()));
        TCycles* w = openCycles(f);
        QCOMPARE(pixelsOf(mainGraph(f), kvx::plot::kEnvelopeOverlay), 0);

        w->CheckEnvelope->click();
        const auto& envelope = w->codes().envelope;
        QVERIFY(envelope.plus.size() > 4 && envelope.minus.size() > 4);
        QImage graph = mainGraph(f);
        for (const auto& [x, y] : {envelope.plus[3], envelope.minus[4]})
            QVERIFY2(colourNear(graph, mapped(f, x, y), kvx::plot::kEnvelopeOverlay), qPrintable(QString::number(x)));
        QCOMPARE(pixelsOf(graph, kvx::plot::kEeepOverlay), 0);

        w->CheckBilinear->click();
        graph = mainGraph(f);
        const auto& eeep = *w->codes().eeepPlus.value;
        // The EEEP plateau, halfway between its yield point and Δu; the EN yield point.
        QVERIFY(colourNear(graph, mapped(f, (eeep.dyield + eeep.du) / 2, eeep.Pyield), kvx::plot::kEeepOverlay));
        const auto& en = *w->codes().enMinus.value;
        QVERIFY(colourNear(graph, mapped(f, -en.vy, -en.Fy), kvx::plot::kEnOverlay));

        w->CheckEnvelope->click();
        w->CheckBilinear->click();
        graph = mainGraph(f);
        for (const auto colour : {kvx::plot::kEnvelopeOverlay, kvx::plot::kEeepOverlay, kvx::plot::kEnOverlay})
            QCOMPARE(pixelsOf(graph, colour), 0);
    }

    void aGraphOfAnotherRecordGetsNoCurvesUntilRecalculated() {
        WindowFixture f;
        QVERIFY(open(f, kvx::test::sampleFile()));
        TCycles* w = openCycles(f);
        w->CheckEnvelope->click();
        QVERIFY(pixelsOf(mainGraph(f), kvx::plot::kEnvelopeOverlay) > 0);
        const std::size_t angleCycles = w->cycles().cycles.size();

        f.window->channelBox(2)->setChecked(false);
        f.window->channelBox(3)->setChecked(true);
        f.find<QPushButton>("Button4")->click();
        QCOMPARE(pixelsOf(mainGraph(f), kvx::plot::kEnvelopeOverlay), 0);
        QVERIFY(w->StatusLabel->text().startsWith(QStringLiteral("グラフが描き直されました")));
        QCOMPARE(w->cycles().cycles.size(), angleCycles);  // still what was evaluated

        w->Button1->click();
        QVERIFY(!w->StatusLabel->text().startsWith(QStringLiteral("グラフが描き直されました")));
        QCOMPARE(w->cycles().cycles.size(), kvx::analysis::analyzeCycles(recordX(f), recordY(f), 0.10).cycles.size());
        const QImage graph = mainGraph(f);
        const auto& plus = w->codes().envelope.plus;
        QVERIFY(colourNear(graph, mapped(f, plus[2].first, plus[2].second), kvx::plot::kEnvelopeOverlay));
    }

    void toleranceGroupsTheLevels() {
        WindowFixture f;
        QVERIFY(open(f, kvx::test::sampleFile()));
        TCycles* w = openCycles(f);
        for (const double tolerance : {0.01, 0.10, 0.50}) {
            w->EditTolerance->setValue(tolerance);
            w->Button1->click();
            const auto expected = kvx::analysis::analyzeCycles(recordX(f), recordY(f), tolerance);
            QCOMPARE(w->LevelTable->rowCount(), static_cast<int>(expected.levels.size()));
            QCOMPARE(w->CycleTable->rowCount(), static_cast<int>(expected.cycles.size()));
        }
    }

    void saveWritesBothFilesAsTheBatchDoes() {
        WindowFixture f;
        QVERIFY(open(f, kvx::test::sampleFile()));
        TCycles* w = openCycles(f);
        QDir(f.dir()).mkpath(QStringLiteral("out"));
        f.interaction.saveFiles = {kvx::app::toPath(f.dir() + QStringLiteral("/out/結果.csv"))};
        w->Button3->click();
        const auto cycles = kvx::analysis::analyzeCycles(recordX(f), recordY(f), 0.10);
        const auto codes = kvx::analysis::evaluateCodes(recordX(f), recordY(f), cycles);
        QCOMPARE(readAll(f.dir() + QStringLiteral("/out/CYCLES.CSV")), bytes(kvx::analysis::cyclesCsv(cycles)));
        QCOMPARE(readAll(f.dir() + QStringLiteral("/out/METHODS.CSV")), bytes(kvx::analysis::methodsCsv(codes)));
        QCOMPARE(f.interaction.dialogs.back().initialPath,
                 f.window->state().DataDirectory + "CYCLES.CSV");  // beside the data file
        const auto told = f.takeShown();
        QCOMPARE(told.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(told[0]).startsWith(QStringLiteral("CYCLES.CSV と METHODS.CSV を保存しました")));

        // Cancelled: nothing said; a folder that does not exist: told, never "saved".
        w->Button3->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        f.interaction.saveFiles = {kvx::app::toPath(f.dir() + QStringLiteral("/none/x.csv"))};
        w->Button3->click();
        const auto failed = f.takeShown();
        QCOMPARE(failed.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(failed[0]).startsWith(QStringLiteral("CYCLES.CSVを作成できません")));
        QVERIFY(!QFile::exists(f.dir() + QStringLiteral("/none/METHODS.CSV")));
    }

    void copyPutsTheCycleTableOnTheClipboard() {
        WindowFixture f;
        QVERIFY(open(f, kvx::test::sampleFile()));
        TCycles* w = openCycles(f);
        QGuiApplication::clipboard()->clear();
        w->Button2->click();
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, kvx::app::fromUtf8(kvx::plot::cycleTableText(w->cycles(), {"kN", "rad"})));
        const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), w->CycleTable->rowCount() + 1);
        QCOMPARE(lines[1].split(QLatin1Char('\t')), rowTexts(w->CycleTable, 0, 0, 13));
    }

    void withoutAGraphItSaysWhatToDo() {
        WindowFixture f;
        TCycles* w = openCycles(f);
        QVERIFY(w->isVisible());
        QVERIFY(!w->evaluated());
        QVERIFY(w->StatusLabel->text().startsWith(QStringLiteral("評価するグラフがありません")));
        QCOMPARE(w->CycleTable->rowCount(), 0);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        w->Button2->click();
        w->Button3->click();
        QCOMPARE(f.takeShown().size(), std::size_t{2});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(f.interaction.dialogs.empty());
    }
};

KVX_REGISTER_TEST(CyclesWindowTest);
#include "cycles_window_test.moc"
