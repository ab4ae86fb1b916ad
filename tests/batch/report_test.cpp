// The test report of a batch run: a page per specimen and the summary, and
// the PDF file that holds them.
#include "app/qt_pdf_pages.h"
#include "batch/batch_run.h"
#include "batch/report_sink.h"
#include "plot/recording_canvas.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

using namespace kvx::batch;
using kvx::plot::RecordingCanvas;
using kvx::test::TempDir;

namespace {

// Fonts for the PDF need a GUI application; without a display the offscreen platform.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[12] = "report_test";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};
[[maybe_unused]] ::testing::Environment* const qtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

class RecordingPages : public kvx::output::PageDevice {
public:
    std::vector<std::unique_ptr<RecordingCanvas>> pages;
    bool finishes = true;
    int finished = 0;
    kvx::plot::PixelSize pageSize() const override { return {2480, 3508}; }
    int resolution() const override { return 300; }
    kvx::plot::Canvas& beginPage() override { return *pages.emplace_back(std::make_unique<RecordingCanvas>()); }
    bool finish() override {
        ++finished;
        return finishes;
    }
};

bool shows(const RecordingCanvas& c, const std::string& part) {
    for (const auto& call : c.of(RecordingCanvas::Op::TextOut))
        if (call.text.find(part) != std::string::npos) return true;
    return false;
}

BatchOptions seriesOf(const TempDir& dir, int count) {
    BatchOptions o;
    o.wallLength = "1.82";
    for (int i = 1; i <= count; ++i) {
        const std::string name = dir.file("wall" + std::to_string(i) + ".csv");
        std::filesystem::copy_file(SAMPLES_DIR "/racking-test.csv", name);
        o.dataFiles.push_back(name);
    }
    o.file = o.dataFiles.front();
    return o;
}

}  // namespace

TEST(PageReport, ASeriesHasAPagePerSpecimenAndTheSummary) {
    TempDir dir;
    RecordingPages pages;
    PageReport report(pages, [] { return std::string("2024/01/02  03:04.05"); });
    kvx::ui::ScriptedInteraction ia;
    std::FILE* progress = std::tmpfile();
    const RunResult r = runSeries(seriesOf(dir, 3), ia, progress, &report);
    std::fclose(progress);
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(pages.pages.size(), 4u);
    EXPECT_EQ(report.specimenCount(), 3);
    EXPECT_EQ(pages.finished, 1);
    for (int i = 0; i < 3; ++i) {
        const RecordingCanvas& page = *pages.pages[static_cast<std::size_t>(i)];
        EXPECT_TRUE(shows(page, "試験体　wall" + std::to_string(i + 1) + ".csv"));
        EXPECT_TRUE(shows(page, "短期許容せん断耐力 Qa"));
        EXPECT_FALSE(shows(page, "2024/01/02"));  // the wall evaluation's own time
    }
    const RecordingCanvas& summary = *pages.pages[3];
    for (const char* expected : {"試験体集計", "集計日時 2024/01/02  03:04.05", "wall1.csv", "wall3.csv", "★", "壁倍率 = "})
        EXPECT_TRUE(shows(summary, expected)) << expected;
    EXPECT_TRUE(report.finish());
    EXPECT_EQ(pages.finished, 1);  // once
}

TEST(PageReport, AReportThatCannotBeWrittenFailsTheSeries) {
    TempDir dir;
    RecordingPages pages;
    pages.finishes = false;
    PageReport report(pages);
    BatchOptions o = seriesOf(dir, 2);
    o.reportFile = dir.file("no/such/folder/report.pdf");
    kvx::ui::ScriptedInteraction ia;
    std::FILE* progress = std::tmpfile();
    EXPECT_EQ(runSeries(o, ia, progress, &report).exitCode, 1);
    std::fclose(progress);
    EXPECT_EQ(ia.texts().back(), "報告書を書き込めませんでした\n" + o.reportFile);
}

TEST(PageReport, ASingleFileWithoutTheWallHasItsPage) {
    BatchOptions o;
    o.file = SAMPLES_DIR "/racking-test.csv";
    o.dataFiles = {o.file};
    RecordingPages pages;
    PageReport report(pages, [] { return std::string("2024/01/02  03:04.05"); });
    kvx::ui::ScriptedInteraction ia;
    RecordingCanvas screen;
    EXPECT_EQ(runBatch(o, ia, screen, nullptr, nullptr, &report).exitCode, 0);
    ASSERT_EQ(pages.pages.size(), 1u);
    EXPECT_TRUE(shows(*pages.pages[0], "評価日時 2024/01/02  03:04.05"));
    EXPECT_TRUE(shows(*pages.pages[0], "壁倍率は評価していません"));
    // The model, though --elasto was not asked for: a number beside its label.
    const auto texts = pages.pages[0]->of(RecordingCanvas::Op::TextOut);
    const auto label = std::find_if(texts.begin(), texts.end(), [](const auto& t) { return t.text == "終局耐力 Pu"; });
    ASSERT_NE(label, texts.end());
    EXPECT_NE(label[1].text, "—");
    EXPECT_GT(std::stod(label[1].text), 10.0);
}

namespace {

int pdfPages(const std::string& bytes) {
    int pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

}  // namespace

TEST(QtPdfPages, WritesEveryPageOnFinish) {
    TempDir dir;
    kvx::app::QtPdfPages pdf(dir.file("report.pdf"));
    // A4 (595 x 842 points) at 300 dpi, from the paper's edge.
    EXPECT_NEAR(pdf.pageSize().width, 2480, 1);
    EXPECT_NEAR(pdf.pageSize().height, 3508, 1);
    for (int i = 0; i < 3; ++i) pdf.beginPage().textOut({300, 300}, "試験報告書");
    EXPECT_FALSE(std::filesystem::exists(dir.file("report.pdf")));  // nothing before the end
    ASSERT_TRUE(pdf.finish());
    const std::string bytes = kvx::test::readBytes(dir.file("report.pdf"));
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPages(bytes), 3);
}

TEST(QtPdfPages, AFolderThatDoesNotExistFailsTheFinish) {
    TempDir dir;
    kvx::app::QtPdfPages pdf(dir.file("missing/report.pdf"));
    pdf.beginPage().textOut({300, 300}, "試験報告書");
    EXPECT_FALSE(pdf.finish());
    EXPECT_FALSE(pdf.finish());
}

TEST(QtPdfPages, NoPagesWriteNoFile) {
    TempDir dir;
    kvx::app::QtPdfPages pdf(dir.file("report.pdf"));
    EXPECT_TRUE(pdf.finish());
    EXPECT_FALSE(std::filesystem::exists(dir.file("report.pdf")));
}
