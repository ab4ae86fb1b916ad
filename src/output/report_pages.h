// The test report's pages, drawn through the Canvas: one page per specimen
// (heading, the hysteresis graph as the Graph command draws it, with the
// skeleton and the bilinear model of each side, the characteristic values and
// the wall evaluation, and the Japanese values beside those of ASTM E2126 and
// EN 12512) and the summary of the set.
#pragma once

#include "analysis/code_methods.h"
#include "analysis/series_statistics.h"
#include "analysis/skeleton_editor.h"
#include "analysis/wall_evaluation.h"
#include "data/measurement_data.h"
#include "output/page_device.h"
#include "plot/canvas.h"
#include "plot/graph_command.h"

#include <string>
#include <vector>

namespace kvx::output {

inline constexpr const char* kReportTitle = "Kurvadex 試験報告書";

/// Size of the screen's graph picture, which the report draws scaled.
inline constexpr plot::PixelSize kGraphPicture{544, 504};

/// Draws a picture made for the screen (kGraphPicture pixels at 96 dpi) into a
/// rectangle of a page: coordinates, pen widths and font sizes scaled by
/// `scale`. The page has no clip region, so what would fall outside the
/// screen's picture is cut off here: lines at its edge, shapes left out, and
/// a text the picture would cut off moved inside it when it fits (else left out).
class PlacedCanvas : public plot::Canvas {
public:
    /// `origin`: where the picture's top-left corner lands on the page;
    /// `pageDpi`: the resolution the page converts point sizes at.
    PlacedCanvas(plot::Canvas& page, plot::Pixel origin, double scale, int pageDpi);

    void setPen(const plot::Pen& pen) override;
    plot::Pen pen() const override { return m_pen; }
    void setBrush(const plot::Brush& brush) override;
    plot::Brush brush() const override { return m_brush; }
    void setFont(const plot::Font& font) override;
    plot::Font font() const override { return m_font; }

    void moveTo(plot::Pixel p) override { m_position = p; }
    void lineTo(plot::Pixel p) override;
    void rectangle(plot::Pixel topLeft, plot::Pixel bottomRight) override;
    void ellipse(plot::Pixel topLeft, plot::Pixel bottomRight) override;
    void polyline(const std::vector<plot::Pixel>& points) override;
    void fillRect(plot::Pixel topLeft, plot::Pixel bottomRight) override;
    void textOut(plot::Pixel p, std::string_view text, plot::TextEncoding encoding) override;
    /// In picture pixels: the page's extent divided by the scale.
    plot::PixelSize textExtent(std::string_view text, plot::TextEncoding encoding) const override;

    /// The page pixel of a picture pixel.
    plot::Pixel toPage(double x, double y) const;

private:
    plot::Canvas& m_page;
    plot::Pixel m_origin;
    double m_scale;
    int m_dpi;
    plot::Pen m_pen;
    plot::Brush m_brush;
    plot::Font m_font;
    plot::Pixel m_position;
};

/// What a specimen's page shows. The data and the wall evaluation must live
/// until drawSpecimenPage returns.
struct SpecimenPage {
    std::string fileName;     // UTF-8, as the heading shows it
    std::string path;         // UTF-8, the file as chosen (shown below the name when not empty)
    std::string evaluatedAt;  // UTF-8 date and time of the evaluation
    const data::MeasurementData* data = nullptr;
    plot::GraphOptions options;  // as the Graph command ran on the data
    int regionStart = 1, regionEnd = 0;  // the rows of region mode (from 1)
    const analysis::WallEvaluation* wall = nullptr;  // with the wall evaluation
    std::string wallProblem;  // UTF-8: why the wall evaluation has no result (the editor's message)
    /// The other codes on the record; with them the page compares each side's
    /// Japanese model with ASTM E2126 and EN 12512 below its tables.
    const analysis::CodeEvaluation* codes = nullptr;
};

/// Starts a page on `pages` and draws the specimen on it. The graph is the
/// Graph command run again on the page with the same options, except that the
/// whole record is plotted (step and loop modes are for the screen), the
/// skeleton and both bilinear models are always evaluated, and no result file
/// is written. Its messages are not shown again. The comparison of methods,
/// when there is one, takes its room from the graph, so the page stays A4.
void drawSpecimenPage(PageDevice& pages, const SpecimenPage& page);

/// The summary of a set of specimens, each side in a table (per index every
/// specimen's value, mean, SD, CV, k, 1 − CV·k and the lower value; the
/// governing index starred), P0, Pa and the wall multiplier below it. A side
/// that has no summary shows why. A table too long for the page goes on to
/// the next one with its header repeated.
void drawSummaryPages(PageDevice& pages, const analysis::SeriesSummary& summary,
                      const std::vector<analysis::SpecimenRow>& rows, data::ForceUnit unit,
                      const std::string& evaluatedAt);

/// `text` (UTF-8) shortened in the middle with "…" until it is at most
/// `width` pixels wide in the canvas's current font.
std::string fitText(const plot::Canvas& canvas, const std::string& text, int width);

}  // namespace kvx::output
