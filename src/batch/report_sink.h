// The test report of a batch run: each specimen's page and the summary page
// drawn on a page device (the PDF in the command) as the run hands them over.
// A specimen's page compares its Japanese model with ASTM E2126 and EN 12512
// on the record the graph drew (amplitude levels with the default tolerance).
#pragma once

#include "batch/batch_run.h"
#include "output/page_device.h"

#include <functional>
#include <string>

namespace kvx::batch {

class PageReport : public ReportSink {
public:
    /// `clock` gives the date and time a page without a wall evaluation shows.
    explicit PageReport(output::PageDevice& pages, std::function<std::string()> clock = {});

    /// Draws the page at once: the specimen's data only live during the call.
    void addSpecimen(const SpecimenResult& specimen) override;
    void addSummary(const analysis::SeriesSummary& summary, const std::vector<analysis::SpecimenRow>& rows,
                    data::ForceUnit unit) override;
    /// Ends the document once; later calls repeat the answer.
    bool finish() override;

    int specimenCount() const { return m_specimens; }

private:
    output::PageDevice& m_pages;
    std::function<std::string()> m_clock;
    int m_specimens = 0;
    bool m_finished = false;
    bool m_written = false;
};

}  // namespace kvx::batch
