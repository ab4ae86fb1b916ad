// kurvadex-batch: the program's evaluations from a shell, without windows.
#include "app/language.h"
#include "app/qt_canvas.h"
#include "app/qt_image.h"
#include "app/qt_pdf_pages.h"
#include "app/qt_print.h"
#include "app/qt_session.h"
#include "output/bmp_writer.h"
#include "output/png_writer.h"
#include "batch/batch_interaction.h"
#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "batch/report_sink.h"
#include "plot/null_canvas.h"
#include "text/translate.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

#include <cctype>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Pictures need fonts, and fonts need a GUI application; without a display the
// offscreen platform renders exactly as the window would.
std::unique_ptr<QGuiApplication> guiForPictures(int& argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    kvx::app::ensureRuntimeDirectory();
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The print command's page, written to a one-page PDF at the declared resolution.
class PdfPages : public kvx::batch::PageSink {
public:
    PdfPages(std::string path, int dpi, kvx::ui::Interaction& ia) : m_path(std::move(path)), m_dpi(dpi), m_ia(ia) {}
    bool print(const kvx::data::MeasurementData& data, const kvx::plot::GraphOptions& options, int first,
               int last) override {
        QPdfWriter pdf(QString::fromLocal8Bit(m_path.c_str()));
        pdf.setResolution(m_dpi);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(QStringLiteral("Kurvadex"));
        return kvx::app::printPage(pdf, m_dpi, data, options, first, last, m_ia);
    }

private:
    std::string m_path;
    int m_dpi;
    kvx::ui::Interaction& m_ia;
};

bool endsWithBmp(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".bmp";
}

}  // namespace

int main(int argc, char** argv) {
    // Messages and the usage text in the language of the locale (LANG=C: English).
    kvx::app::useLanguage(kvx::app::languageOfEnvironment());
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = kvx::batch::parseOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "kurvadex-batch: %s\n%s", parsed.error.c_str(), kvx::batch::usageText().c_str());
        return 2;
    }
    const kvx::batch::BatchOptions& options = *parsed.options;
    if (options.help) {
        std::fputs(kvx::batch::usageText().c_str(), stdout);
        return 0;
    }
    std::unique_ptr<QGuiApplication> gui;
    if (!options.image.empty() || !options.pdf.empty() || !options.reportFile.empty()) gui = guiForPictures(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // after Qt, which sets the user's locale

    kvx::batch::BatchInteraction ia(options.continueWithoutForce);
    // The test report: pages drawn as the run hands the specimens over, written at its end.
    std::unique_ptr<kvx::app::QtPdfPages> reportPages;
    std::unique_ptr<kvx::batch::PageReport> report;
    if (!options.reportFile.empty()) {
        reportPages = std::make_unique<kvx::app::QtPdfPages>(options.reportFile);
        report = std::make_unique<kvx::batch::PageReport>(*reportPages);
    }
    if (!options.summarizeFile.empty()) {
        const auto summary = kvx::batch::runSummarize(options, ia, report.get());
        std::fputs(summary.output.c_str(), stdout);
        return summary.exitCode;
    }
    if (options.dataFiles.size() > 1) {
        const auto series = kvx::batch::runSeries(options, ia, stderr, report.get());
        std::fputs(series.output.c_str(), stdout);
        return series.exitCode;
    }
    std::unique_ptr<kvx::plot::Canvas> canvas;
    if (gui) canvas = std::make_unique<kvx::app::QtCanvas>();
    else canvas = std::make_unique<kvx::plot::NullCanvas>();

    PdfPages pages(options.pdf, options.dpi, ia);
    const auto result = kvx::batch::runBatch(options, ia, *canvas, &pages, nullptr, report.get());
    // A single file has no summary: its report ends here (a series ends its own).
    if (report && !report->finish()) {
        ia.message(kvx::text::translate("kvx::batch", "報告書を書き込めませんでした\n") + options.reportFile,
                   kvx::text::translate("kvx::batch", "ファイル出力エラー"), kvx::ui::Icon::Warning);
        std::fputs(result.output.c_str(), stdout);
        return 1;
    }
    if (result.exitCode == 0 && !options.image.empty()) {
        auto& qt = static_cast<kvx::app::QtCanvas&>(*canvas);
        const kvx::output::RgbImage picture = kvx::app::toRgbImage(qt.image());
        const bool ok = endsWithBmp(options.image) ? kvx::output::writeBmp(options.image, picture)
                                                   : kvx::output::writePng(options.image, picture);
        if (!ok) {
            ia.message(kvx::text::translate("kvx::batch", "画像ファイルを作成できませんでした\n") + options.image,
                       kvx::text::translate("kvx::batch", "ファイル出力エラー"), kvx::ui::Icon::Warning);
            return 1;
        }
    }
    std::fputs(result.output.c_str(), stdout);
    return result.exitCode;
}
