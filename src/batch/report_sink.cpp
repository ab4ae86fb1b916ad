// Specimen results turned into report pages.
#include "batch/report_sink.h"

#include "analysis/skeleton_editor.h"
#include "output/report_pages.h"

#include <filesystem>

namespace kvx::batch {

PageReport::PageReport(output::PageDevice& pages, std::function<std::string()> clock)
    : m_pages(pages), m_clock(clock ? std::move(clock) : [] { return analysis::timeStamp(); }) {}

void PageReport::addSpecimen(const SpecimenResult& s) {
    output::SpecimenPage page;
    // The chosen file's name: a logger file is read through a temporary standard file.
    page.fileName = std::filesystem::path(s.opened.chosenPath).filename().string();
    page.path = s.opened.chosenPath;
    // The wall evaluation's own time stamp, as its result row has it.
    page.evaluatedAt = s.wall && !s.wall->text("Label76").empty() ? s.wall->text("Label76") : m_clock();
    page.data = &s.opened.data;
    page.options = s.graphOptions;
    page.regionStart = s.graph.regionStart;
    page.regionEnd = s.graph.regionEnd;
    page.wall = s.wall;
    if (s.editor && s.editor->failure) page.wallProblem = s.editor->failure->message;
    output::drawSpecimenPage(m_pages, page);
    ++m_specimens;
}

void PageReport::addSummary(const analysis::SeriesSummary& summary, const std::vector<analysis::SpecimenRow>& rows,
                            data::ForceUnit unit) {
    output::drawSummaryPages(m_pages, summary, rows, unit, m_clock());
}

bool PageReport::finish() {
    if (!m_finished) m_written = m_pages.finish();
    m_finished = true;
    return m_written;
}

}  // namespace kvx::batch
