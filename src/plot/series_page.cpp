// The printed summary page, laid out from measured texts so that it holds on
// any printer resolution.
#include "plot/series_page.h"

#include "plot/series_chart.h"
#include "text/printf.h"

#include <algorithm>
#include <cstddef>

namespace kvx::plot {
namespace {

constexpr Rgb kRed{0xC0, 0x00, 0x00};

struct Cell {
    std::string text;
    TextEncoding encoding = TextEncoding::Utf8;
};

class PageWriter {
public:
    PageWriter(Canvas& c, int dpi) : m_c(c), m_dpi(dpi) {}

    int px(int at96) const { return std::max(1, at96 * m_dpi / 96); }
    int lineHeight() const { return m_c.textExtent("0").height; }

    /// A line of text at `y`; the y of the next line.
    int text(int x, int y, const std::string& s, const Font& f, TextEncoding e = TextEncoding::Utf8) {
        m_c.setFont(f);
        m_c.setBrush({kWhite, true});  // the chart leaves its last fill colour behind
        m_c.textOut({x, y}, s, e);
        return y + m_c.textExtent(s, e).height + px(2);
    }

    /// The statistics table; the y below it. Columns that do not fit beside
    /// the first go on in a band below, with the first column again.
    int table(int x, int y, int width, std::vector<std::vector<Cell>> rows) {
        m_c.setFont(seriesFont(9));
        const int pad = px(5);
        const std::size_t columns = rows.front().size();
        std::vector<int> widths(columns, 0);
        for (auto& row : rows) {
            for (std::size_t k = 0; k < row.size() && k < columns; ++k) {
                // A name takes at most a third of the line.
                if (row[k].encoding == TextEncoding::Cp932) row[k].text = fittedName(m_c, row[k].text, width / 3);
                widths[k] = std::max(widths[k], m_c.textExtent(row[k].text, row[k].encoding).width + 2 * pad);
            }
        }
        for (std::size_t first = 1; first < columns;) {
            std::vector<std::size_t> band{0};
            int used = widths[0];
            for (std::size_t k = first; k < columns && (k == first || used + widths[k] <= width); ++k) {
                band.push_back(k);
                used += widths[k];
            }
            first = band.back() + 1;
            y = drawBand(x, y, rows, widths, band) + px(4);
        }
        return y + px(2);
    }

private:
    int drawBand(int x, int y, const std::vector<std::vector<Cell>>& rows, const std::vector<int>& widths,
                 const std::vector<std::size_t>& band) {
        const int pad = px(5);
        const int rowHeight = lineHeight() + 2 * px(2);
        const int bottom = y + static_cast<int>(rows.size()) * rowHeight;
        std::vector<int> lefts;
        int right = x;
        for (const std::size_t k : band) {
            lefts.push_back(right);
            right += widths[k];
        }
        m_c.setPen({kBlack, 1});
        for (std::size_t r = 0; r <= rows.size(); ++r) {
            const int ly = y + static_cast<int>(r) * rowHeight;
            m_c.moveTo({x, ly});
            m_c.lineTo({right, ly});
        }
        for (std::size_t i = 0; i <= band.size(); ++i) {
            const int lx = i < lefts.size() ? lefts[i] : right;
            m_c.moveTo({lx, y});
            m_c.lineTo({lx, bottom});
        }
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t i = 0; i < band.size(); ++i) {
                const std::size_t k = band[i];
                if (k >= rows[r].size()) continue;
                const Cell& cell = rows[r][k];
                const int w = m_c.textExtent(cell.text, cell.encoding).width;
                // Captions and headings from the left, numbers to the right.
                const int tx = k == 0 || r == 0 ? lefts[i] + pad : lefts[i] + widths[k] - pad - w;
                m_c.setBrush({kWhite, true});
                m_c.textOut({tx, y + static_cast<int>(r) * rowHeight + px(2)}, cell.text, cell.encoding);
            }
        }
        return bottom;
    }

    Canvas& m_c;
    int m_dpi;
};

void drawSide(Canvas& c, PageWriter& w, const char* title, bool minus, const std::optional<analysis::SideSummary>& sum,
              const std::string& failure, const std::vector<analysis::SpecimenRow>& rows, data::ForceUnit unit,
              const SeriesPageInfo& info, Pixel at, PixelSize size, int dpi) {
    int y = w.text(at.x, at.y, title, seriesFont(11, true));
    if (!sum) {
        w.text(at.x + w.px(8), y, failure, seriesFont(10, false, kRed));
        return;
    }
    std::vector<std::string> names;
    for (const auto& r : rows)
        if (r.minus == minus) names.push_back(r.fileName);

    std::vector<std::vector<Cell>> table;
    std::vector<Cell> heading{{"指標"}};
    for (const auto& n : names) heading.push_back({n, TextEncoding::Cp932});
    for (const char* h : statisticsHeadings()) heading.push_back({h});
    table.push_back(std::move(heading));
    for (std::size_t i = 0; i < 4; ++i) {
        std::vector<Cell> row{{std::string(analysis::kSeriesIndexNames[i]) +
                               (static_cast<int>(i) == sum->governing ? " ★" : "")}};
        for (auto& t : indexRowTexts(sum->indices[i])) row.push_back({std::move(t)});
        table.push_back(std::move(row));
    }
    y = w.table(at.x, y, size.width, std::move(table));

    c.setFont(seriesFont(10));
    int captionWidth = 0;
    const auto results = resultTexts(*sum, unit);
    for (const auto& [caption, value] : results) captionWidth = std::max(captionWidth, c.textExtent(caption).width);
    for (const auto& [caption, value] : results) {
        w.text(at.x, y, caption, seriesFont(10));
        y = w.text(at.x + captionWidth + w.px(16), y, value, seriesFont(10));
    }
    for (const auto& note : sum->notes) y = w.text(at.x, y, note, seriesFont(10, false, kRed));

    const int chartHeight = at.y + size.height - (y + w.px(4));
    if (chartHeight < w.px(120)) return;
    const int chartWidth = std::min(size.width, chartHeight * 2);
    drawSeriesChart(c, *sum, names, info.captions, {{at.x, y + w.px(4)}, {chartWidth, chartHeight}}, unit, dpi);
}

}  // namespace

void drawSeriesSummaryPage(Canvas& c, const analysis::SeriesSummary& s, const std::vector<analysis::SpecimenRow>& rows,
                           data::ForceUnit unit, const SeriesPageInfo& info, PixelSize page, int dpi) {
    PageWriter w(c, dpi);
    c.setBrush({kWhite, true});  // texts without a background
    int y = w.text(0, 0, "試験体集計", seriesFont(14, true));
    y = w.text(0, y, info.source, seriesFont(10));
    std::string conditions = std::string("力の単位 ") + (unit == data::ForceUnit::kN ? "kN" : "kg");
    const analysis::SideSummary* any = s.plus ? &*s.plus : s.minus ? &*s.minus : nullptr;
    if (any) conditions += text::format("　壁長さ L = %.4g m　低減係数 α = %.3g", any->L, any->alpha);
    y = w.text(0, y, conditions, seriesFont(10)) + w.px(8);

    // A side without a summary needs two lines; the other side has the rest.
    const int reason = w.px(60);
    const int rest = page.height - y;
    const int plusHeight = !s.plus ? reason : !s.minus ? rest - reason : rest / 2;
    drawSide(c, w, "正側 (Plus)", false, s.plus, s.plusFailure, rows, unit, info, {0, y},
             {page.width, plusHeight - w.px(10)}, dpi);
    drawSide(c, w, "負側 (Minus)", true, s.minus, s.minusFailure, rows, unit, info, {0, y + plusHeight},
             {page.width, rest - plusHeight - w.px(10)}, dpi);
}

}  // namespace kvx::plot
