// Specimen pages evaluated through the batch's run, then the summary.
#include "app/series_report.h"

#include "app/qt_pdf_pages.h"
#include "batch/batch_run.h"
#include "batch/report_sink.h"
#include "plot/null_canvas.h"
#include "text/cp932.h"

#include <algorithm>
#include <filesystem>

namespace kvx::app {
namespace {

// The evaluation's messages belong on the pages (why a side has no model),
// not in a dozen message boxes.
class QuietInteraction : public ui::Interaction {
public:
    void message(std::string_view, std::string_view, ui::Icon) override {}
    ui::Answer ask(std::string_view, std::string_view, ui::Buttons buttons, ui::Icon) override {
        return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
    }
    std::optional<std::string> chooseOpenFile(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const ui::FileDialogRequest&) override { return std::nullopt; }
};

}  // namespace

SeriesReportOutcome writeSeriesReport(const std::string& pdfPath, const std::vector<analysis::SpecimenRow>& rows,
                                      const analysis::SeriesSummary& summary, data::ForceUnit unit,
                                      const std::string& wallLength, const std::vector<std::string>& folders) {
    SeriesReportOutcome outcome;
    QtPdfPages pages(pdfPath);
    batch::PageReport report(pages);
    std::vector<std::string> done;
    for (const analysis::SpecimenRow& row : rows) {
        const std::string name = text::cp932ToUtf8Lossy(row.fileName);
        if (std::find(done.begin(), done.end(), name) != done.end()) continue;
        done.push_back(name);
        std::string found;
        for (const std::string& folder : folders) {
            std::error_code ec;
            const std::string candidate = (std::filesystem::path(folder) / name).string();
            if (!folder.empty() && std::filesystem::is_regular_file(candidate, ec)) {
                found = candidate;
                break;
            }
        }
        if (found.empty()) {
            outcome.missing.push_back(name);
            continue;
        }
        batch::BatchOptions o;
        o.file = found;
        o.dataFiles = {found};
        o.forceUnit = unit;
        o.skeleton = true;
        o.elasto = true;
        o.wallLength = wallLength;
        QuietInteraction quiet;
        plot::NullCanvas canvas;
        const int before = report.specimenCount();
        batch::runBatch(o, quiet, canvas, nullptr, nullptr, &report);
        outcome.specimenPages += report.specimenCount() - before;
    }
    report.addSummary(summary, rows, unit);
    outcome.written = report.finish();
    return outcome;
}

}  // namespace kvx::app
