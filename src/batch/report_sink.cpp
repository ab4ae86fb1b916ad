// Specimen results turned into report pages.
#include "batch/report_sink.h"

#include "analysis/code_methods.h"
#include "analysis/cycle_metrics.h"
#include "analysis/skeleton_editor.h"
#include "output/report_pages.h"

#include <algorithm>
#include <filesystem>
#include <span>

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
    // The other codes on the arrays the graph drew, as --methods evaluates them.
    const auto rows = static_cast<std::size_t>(std::max(s.opened.data.RowCount, 0));
    const auto x = std::span<const double>(s.graph.X).first(std::min(rows, s.graph.X.size()));
    const auto y = std::span<const double>(s.graph.Y).first(std::min(rows, s.graph.Y.size()));
    const analysis::CodeEvaluation codes = analysis::evaluateCodes(x, y, analysis::analyzeCycles(x, y));
    page.codes = &codes;
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
