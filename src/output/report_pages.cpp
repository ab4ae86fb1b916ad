// Report page layout in device pixels, measured in millimetres of A4 paper.
#include "output/report_pages.h"

#include "plot/cycle_plots.h"
#include "plot/null_canvas.h"
#include "text/cp932.h"
#include "text/number.h"
#include "text/printf.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace kvx::output {
namespace {

using plot::Canvas;
using plot::Font;
using plot::Pixel;
using plot::PixelSize;

int toInt(double v) {
    if (!(v > -1e9)) return -1000000000;
    if (v > 1e9) return 1000000000;
    return static_cast<int>(std::lround(v));
}

// Liang–Barsky: the part of the segment inside [0, w] x [0, h]; false when none is.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, double w, double h) {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0, w - x0, y0, h - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx, y1 = y0 + t1 * dy;
    x0 = ax, y0 = ay;
    return true;
}

constexpr double kPictureWidth = kGraphPicture.width;
constexpr double kPictureHeight = kGraphPicture.height;

}  // namespace

PlacedCanvas::PlacedCanvas(Canvas& page, Pixel origin, double scale, int pageDpi)
    : m_page(page), m_origin(origin), m_scale(scale), m_dpi(pageDpi) {
    setPen(m_pen);
    setBrush(m_brush);
    setFont(m_font);
}

Pixel PlacedCanvas::toPage(double x, double y) const {
    return {m_origin.x + toInt(x * m_scale), m_origin.y + toInt(y * m_scale)};
}

void PlacedCanvas::setPen(const plot::Pen& pen) {
    m_pen = pen;
    plot::Pen scaled = pen;
    scaled.width = std::max(1, toInt(pen.width * m_scale));
    m_page.setPen(scaled);
}

void PlacedCanvas::setBrush(const plot::Brush& brush) {
    m_brush = brush;
    m_page.setBrush(brush);
}

void PlacedCanvas::setFont(const Font& font) {
    m_font = font;
    Font scaled = font;
    // Point sizes are for the screen's 96 dpi; the page converts them at its own resolution.
    const double factor = font.sizeInPixels ? m_scale : m_scale * 96.0 / m_dpi;
    scaled.size = std::max(1, toInt(font.size * factor));
    scaled.cellWidth = font.cellWidth > 0 ? std::max(1, toInt(font.cellWidth * m_scale)) : 0;
    m_page.setFont(scaled);
}

void PlacedCanvas::lineTo(Pixel p) {
    double x0 = m_position.x, y0 = m_position.y, x1 = p.x, y1 = p.y;
    m_position = p;
    if (!clipSegment(x0, y0, x1, y1, kPictureWidth, kPictureHeight)) return;
    m_page.moveTo(toPage(x0, y0));
    m_page.lineTo(toPage(x1, y1));
}

void PlacedCanvas::polyline(const std::vector<Pixel>& points) {
    // Runs of segments inside the picture stay one polyline each.
    std::vector<Pixel> run;
    const auto flush = [&] {
        if (run.size() >= 2) m_page.polyline(run);
        run.clear();
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        double x0 = points[i - 1].x, y0 = points[i - 1].y, x1 = points[i].x, y1 = points[i].y;
        if (!clipSegment(x0, y0, x1, y1, kPictureWidth, kPictureHeight)) {
            flush();
            continue;
        }
        const Pixel a = toPage(x0, y0), b = toPage(x1, y1);
        if (run.empty() || !(run.back() == a)) {
            flush();
            run.push_back(a);
        }
        run.push_back(b);
        // A segment cut at its end leaves the picture: the next one starts a new run.
        if (x1 != points[i].x || y1 != points[i].y) flush();
    }
    flush();
}

void PlacedCanvas::rectangle(Pixel a, Pixel b) {
    const Pixel from{std::max(a.x, 0), std::max(a.y, 0)};
    const Pixel to{std::min(b.x, kGraphPicture.width), std::min(b.y, kGraphPicture.height)};
    if (to.x <= from.x || to.y <= from.y) return;
    m_page.rectangle(toPage(from.x, from.y), toPage(to.x, to.y));
}

void PlacedCanvas::fillRect(Pixel a, Pixel b) {
    const Pixel from{std::max(a.x, 0), std::max(a.y, 0)};
    const Pixel to{std::min(b.x, kGraphPicture.width), std::min(b.y, kGraphPicture.height)};
    if (to.x <= from.x || to.y <= from.y) return;
    m_page.fillRect(toPage(from.x, from.y), toPage(to.x, to.y));
}

void PlacedCanvas::ellipse(Pixel a, Pixel b) {
    if (a.x < 0 || a.y < 0 || b.x > kGraphPicture.width || b.y > kGraphPicture.height) return;
    m_page.ellipse(toPage(a.x, a.y), toPage(b.x, b.y));
}

void PlacedCanvas::textOut(Pixel p, std::string_view text, plot::TextEncoding encoding) {
    const PixelSize e = textExtent(text, encoding);
    // The box the text covers; rotated by 90° it runs upwards from its anchor.
    const bool upright = m_font.escapement == 0;
    const bool rotated = m_font.escapement == 900;
    if (!upright && !rotated) {
        if (p.x >= 0 && p.y >= 0 && p.x < kGraphPicture.width && p.y < kGraphPicture.height)
            m_page.textOut(toPage(p.x, p.y), text, encoding);
        return;
    }
    const int w = upright ? e.width : e.height, h = upright ? e.height : e.width;
    int left = p.x, top = upright ? p.y : p.y - h;
    if (w > kGraphPicture.width || h > kGraphPicture.height) return;
    left = std::clamp(left, 0, kGraphPicture.width - w);
    top = std::clamp(top, 0, kGraphPicture.height - h);
    m_page.textOut(toPage(left, upright ? top : top + h), text, encoding);
}

PixelSize PlacedCanvas::textExtent(std::string_view text, plot::TextEncoding encoding) const {
    const PixelSize e = m_page.textExtent(text, encoding);
    return {toInt(e.width / m_scale), toInt(e.height / m_scale)};
}

std::string fitText(const Canvas& canvas, const std::string& text, int width) {
    if (canvas.textExtent(text).width <= width) return text;
    // Cut at character boundaries of the UTF-8 text, keeping its start and its end
    // (file names of a series differ at either).
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    const std::size_t n = starts.size();
    const auto byteOf = [&](std::size_t character) { return character < n ? starts[character] : text.size(); };
    for (std::size_t keep = n; keep-- > 0;) {
        const std::size_t head = (keep + 1) / 2, tail = keep - head;
        std::string candidate = text.substr(0, byteOf(head)) + "…" + text.substr(byteOf(n - tail));
        if (canvas.textExtent(candidate).width <= width) return candidate;
    }
    return {};
}

namespace {

constexpr plot::Rgb kHeaderFill{230, 230, 230};
constexpr plot::Rgb kNoteColour{170, 0, 0};
constexpr const char* kNone = "—";

Font fontOf(const char* face, int points, bool bold = false, plot::Rgb colour = plot::kBlack) {
    Font f;
    f.face = face;
    f.size = points;
    f.bold = bold;
    f.color = colour;
    return f;
}

Font bodyFont(bool bold = false) { return fontOf(plot::kPGothic, 10, bold); }
Font tableFont(bool bold = false) { return fontOf(plot::kGothic, 9, bold); }

std::string cp932(const std::string& bytes) { return text::cp932ToUtf8Lossy(bytes); }

std::string stripped(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b);
}

std::vector<std::string> lines(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= s.size()) {
        const std::size_t end = std::min(s.find('\n', start), s.size());
        if (end > start) out.push_back(s.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

/// `text` broken into lines at most `width` pixels wide in the canvas's font:
/// at its own line breaks, else between any two characters (Japanese has no
/// spaces to break at). At most `maxLines`; the last one shortened when more follow.
std::vector<std::string> wrap(const Canvas& canvas, const std::string& text, int width, std::size_t maxLines) {
    std::vector<std::string> out;
    for (const std::string& paragraph : lines(text)) {
        std::string line;
        for (std::size_t i = 0; i < paragraph.size();) {
            std::size_t next = i + 1;
            while (next < paragraph.size() && (static_cast<unsigned char>(paragraph[next]) & 0xC0) == 0x80) ++next;
            const std::string character = paragraph.substr(i, next - i);
            if (!line.empty() && canvas.textExtent(line + character).width > width) {
                out.push_back(line);
                line.clear();
            }
            line += character;
            i = next;
        }
        if (!line.empty()) out.push_back(line);
    }
    if (out.size() > maxLines) {
        out.resize(maxLines);
        std::string& last = out.back();
        while (!last.empty() && canvas.textExtent(last + "…").width > width) {
            std::size_t cut = last.size() - 1;
            while (cut > 0 && (static_cast<unsigned char>(last[cut]) & 0xC0) == 0x80) --cut;
            last.erase(cut);
        }
        last += "…";
    }
    return out;
}

/// Millimetres and the text calls of one page.
class Sheet {
public:
    Sheet(Canvas& canvas, PixelSize size, int dpi) : m_canvas(canvas), m_size(size), m_dpi(dpi) {
        m_canvas.setBrush({plot::kWhite, true});
    }
    Canvas& canvas() { return m_canvas; }
    int mm(double v) const { return toInt(v * m_dpi / 25.4); }
    int width() const { return m_size.width; }
    int height() const { return m_size.height; }
    int margin() const { return mm(15); }
    int right() const { return width() - margin(); }
    int bottom() const { return height() - margin(); }
    int contentWidth() const { return right() - margin(); }

    int lineHeight(const Font& f) {
        m_canvas.setFont(f);
        return m_canvas.textExtent("漢Ag").height;
    }
    /// Draws `s` fitted into `width`; returns the width drawn.
    int text(Pixel at, const std::string& s, const Font& f, int width) {
        m_canvas.setFont(f);
        m_canvas.setBrush({plot::kWhite, true});
        const std::string shown = fitText(m_canvas, s, width);
        m_canvas.textOut(at, shown);
        return m_canvas.textExtent(shown).width;
    }
    void textRight(int rightX, int y, const std::string& s, const Font& f, int width) {
        m_canvas.setFont(f);
        const std::string shown = fitText(m_canvas, s, width);
        m_canvas.setBrush({plot::kWhite, true});
        m_canvas.textOut({rightX - m_canvas.textExtent(shown).width, y}, shown);
    }
    void rule(int y, int widthPx) {
        m_canvas.setPen({plot::kBlack, std::max(1, widthPx), plot::PenStyle::Solid, plot::PenMode::Copy});
        m_canvas.moveTo({margin(), y});
        m_canvas.lineTo({right(), y});
    }
    /// The report's heading; returns the y below it.
    int heading(const std::string& subtitle, const std::string& stampCaption, const std::string& stamp) {
        const Font title = fontOf(plot::kPGothic, 16, true);
        int y = margin();
        const int titleWidth = text({margin(), y}, kReportTitle, title, contentWidth() / 2);
        const Font small = bodyFont();
        const int th = lineHeight(title), sh = lineHeight(small);
        textRight(right(), y + th - sh, stampCaption + " " + stamp, small, contentWidth() - titleWidth - mm(5));
        y += th + mm(1.5);
        rule(y, mm(0.4));
        y += mm(2);
        const Font sub = fontOf(plot::kPGothic, 12, true);
        text({margin(), y}, subtitle, sub, contentWidth());
        return y + lineHeight(sub) + mm(1.5);
    }

private:
    Canvas& m_canvas;
    PixelSize m_size;
    int m_dpi;
};

enum class Align { Left, Right, Centre };
struct Column {
    int width;
    Align align;
};
struct Row {
    std::vector<std::string> cells;
    bool header = false;
    bool bold = false;
    int spanFrom = -1;  // from this column on one cell, its text from the left (a method's message)
};

/// A ruled table drawn row by row, so a page can end between rows.
class Table {
public:
    Table(std::vector<Column> columns, Sheet& sheet) : m_columns(std::move(columns)) {
        m_rowHeight = sheet.lineHeight(tableFont()) + sheet.mm(1.6);
        m_padding = sheet.mm(1.2);
        m_line = std::max(1, sheet.mm(0.15));
    }
    int rowHeight() const { return m_rowHeight; }
    int width() const {
        int w = 0;
        for (const Column& c : m_columns) w += c.width;
        return w;
    }
    void draw(Canvas& c, int left, int top, const Row& row) const {
        if (row.header) {
            c.setBrush({kHeaderFill, false});
            c.fillRect({left, top}, {left + width(), top + m_rowHeight});
        }
        c.setBrush({plot::kWhite, true});
        c.setPen({plot::kBlack, m_line, plot::PenStyle::Solid, plot::PenMode::Copy});
        c.moveTo({left, top});
        c.lineTo({left + width(), top});
        c.moveTo({left, top + m_rowHeight});
        c.lineTo({left + width(), top + m_rowHeight});
        c.setFont(tableFont(row.bold || row.header));
        int x = left;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            Column col = m_columns[i];
            const bool span = static_cast<int>(i) == row.spanFrom;
            if (span)
                for (std::size_t k = i + 1; k < m_columns.size(); ++k) col.width += m_columns[k].width;
            c.moveTo({x, top});
            c.lineTo({x, top + m_rowHeight});
            if (span) c.setFont(fontOf(plot::kGothic, 9, false, kNoteColour));
            if (i < row.cells.size() && !row.cells[i].empty()) {
                const std::string shown = fitText(c, row.cells[i], col.width - 2 * m_padding);
                const PixelSize e = c.textExtent(shown);
                const Align align = span ? Align::Left : row.header ? Align::Centre : col.align;
                const int tx = align == Align::Left    ? x + m_padding
                               : align == Align::Right ? x + col.width - m_padding - e.width
                                                       : x + (col.width - e.width) / 2;
                c.textOut({tx, top + (m_rowHeight - e.height) / 2}, shown);
            }
            x += col.width;
            if (span) break;
        }
        c.moveTo({x, top});
        c.lineTo({x, top + m_rowHeight});
    }

private:
    std::vector<Column> m_columns;
    int m_rowHeight = 0, m_padding = 0, m_line = 1;
};

// Messages of the Graph command run again for the page: it was said once already.
class QuietInteraction : public ui::Interaction {
public:
    void message(std::string_view, std::string_view, ui::Icon) override {}
    ui::Answer ask(std::string_view, std::string_view, ui::Buttons, ui::Icon) override { return ui::Answer::Cancel; }
    std::optional<std::string> chooseOpenFile(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const ui::FileDialogRequest&) override { return std::nullopt; }
};

std::unique_ptr<plot::GraphState> drawGraph(Canvas& canvas, const SpecimenPage& page) {
    plot::GraphOptions o = page.options;
    if (o.mode == plot::DisplayMode::Step || o.mode == plot::DisplayMode::Loop) o.mode = plot::DisplayMode::All;
    o.skeleton = true;
    o.elastoPlastic = true;
    o.editSkeleton = false;
    o.wallEvaluation = false;
    o.fileOutput = false;
    auto state = std::make_unique<plot::GraphState>();
    state->regionStart = page.regionStart;
    state->regionEnd = page.regionEnd;
    QuietInteraction ia;
    plot::NullGraphHost host;  // no ELASTO.CSV: the page writes no rows
    plot::runGraphCommand(*page.data, o, *state, canvas, ia, host);
    return state;
}

std::string number(const char* format, const std::optional<double>& v) {
    if (!v || !std::isfinite(*v)) return kNone;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::string t = text::format(format, *v);
#pragma GCC diagnostic pop
    // A magnitude that rounds to zero shows no sign ("-0.00" reads as a value on the other side).
    if (!t.empty() && t[0] == '-' && t.find_first_of("123456789") == std::string::npos) t.erase(0, 1);
    return t;
}

/// The characteristic values of both sides: label, +, −, unit.
std::vector<Row> characteristicRows(const plot::GraphState& g) {
    const plot::SkeletonState& s = g.skeleton;
    const std::string load = cp932(stripped(g.frame.YUnit)), deformation = cp932(stripped(g.frame.XUnit));
    const bool rad = deformation == "rad";
    const char* deformationFormat = rad ? "%.4f" : "%.2f";
    const char* stiffnessFormat = rad ? "%.0f" : "%.2f";
    using Value = std::optional<double>;
    const auto model = [&](bool minus, auto pick) -> Value {
        const auto& side = minus ? s.minus : s.plus;
        if (!side || !side->model) return std::nullopt;
        return pick(*side->model);
    };
    const auto both = [&](const char* label, const char* format, auto pick, const std::string& unit) {
        return Row{{label, number(format, model(false, pick)), number(format, model(true, pick)), unit}};
    };
    const bool evaluated = s.evaluated;
    const auto record = [&](double v) { return evaluated ? Value(v) : std::nullopt; };
    std::vector<Row> rows;
    rows.push_back({{"特性値", "正側 ＋", "負側 －", "単位"}, true});
    rows.push_back({{"最大耐力 Pmax", number("%.2f", record(s.record.Pmax)), number("%.2f", record(s.record.Pmin)), load}});
    rows.push_back({{"最大耐力時変位（角）", number(deformationFormat, record(s.record.PmaxX)),
                     number(deformationFormat, record(s.record.PminX)), deformation}});
    const analysis::MeasuredValues& m = s.measured;
    rows.push_back({{"P(1/120)", rad ? number("%.2f", m.at120.plus) : kNone, rad ? number("%.2f", m.at120.minus) : kNone,
                     load}});
    rows.push_back({{"2/3 Pmax", number("%.2f", record(s.record.PP23)), number("%.2f", record(s.record.MP23)), load}});
    rows.push_back({{"P(1/2γ)", number("%.2f", m.halfPeak.plus), number("%.2f", m.halfPeak.minus), load}});
    rows.push_back(both("初期剛性 K", stiffnessFormat, [](const auto& e) { return e.K; }, load + "/" + deformation));
    rows.push_back(both("降伏耐力 Py", "%.2f", [](const auto& e) { return e.Py; }, load));
    rows.push_back(both("降伏点変位（角） δv", deformationFormat, [](const auto& e) { return e.dv; }, deformation));
    rows.push_back(both("終局変位（角） δu", deformationFormat, [](const auto& e) { return static_cast<double>(e.du); },
                        deformation));
    rows.push_back(both("終局耐力 Pu", "%.2f", [](const auto& e) { return e.Pu; }, load));
    rows.push_back(both("塑性率 μ = δu/δv", "%.2f",
                        [](const auto& e) { return e.dv > 0 ? static_cast<double>(e.du) / e.dv : NAN; }, ""));
    return rows;
}

/// The wall evaluation as its result row has it: label, value, unit, ★ of Qa.
std::vector<Row> wallRows(const analysis::WallEvaluation& w) {
    const std::string load = w.loadUnit();
    const int star = w.numbers().starCurrent;
    const auto value = [&](const char* edit, const char* format) -> std::string {
        const std::string& t = w.text(edit);
        if (stripped(t).empty()) return kNone;
        return number(format, text::parseLeadingDouble(t));
    };
    const int n = analysis::kReferenceDenominators[static_cast<std::size_t>(w.reference())];
    const auto starred = [&](int index) { return star == index ? "★" : ""; };
    std::vector<Row> rows;
    rows.push_back({{"項目", "値", "単位", "Qa"}, true});
    rows.push_back({{"最大耐力 Pmax", value("Edit1", "%.2f"), load, ""}});
    rows.push_back({{"最大耐力時変形角 γm", value("Edit2", "%.4f"), "rad", ""}});
    rows.push_back({{text::format("1/%d 変形角時耐力", n), value("Edit7", "%.2f"), load, starred(1)}});
    rows.push_back({{"2/3 Pmax", value("Edit12", "%.2f"), load, starred(2)}});
    rows.push_back({{"降伏耐力 Py", value("Edit5", "%.2f"), load, starred(0)}});
    rows.push_back({{"終局耐力 Pu", value("Edit8", "%.2f"), load, ""}});
    rows.push_back({{"弾塑性変形角 γv", value("Edit29", "%.4f"), "rad", ""}});
    rows.push_back({{"Pu×0.2/Ds", value("Edit15", "%.2f"), load, starred(3)}});
    rows.push_back({{"短期許容せん断耐力 Qa", value("Edit18", "%.2f"), load, ""}, false, true});
    rows.push_back({{"壁倍率", value("Edit21", "%.2f"), "", ""}, false, true});
    rows.push_back({{"旧基準の壁倍率", value("Edit20", "%.2f"), "", ""}});
    rows.push_back({{"壁長さ L", value("Edit10", "%.3g"), "m", ""}});
    return rows;
}

/// The comparison of methods: two heading rows (names, units), then a row per
/// method and side; a refused side shows the first line of its message.
std::vector<Row> comparisonRows(const plot::GraphState& g, const analysis::CodeEvaluation& codes) {
    const plot::CycleUnits units{cp932(stripped(g.frame.YUnit)), cp932(stripped(g.frame.XUnit))};
    const plot::MethodComparison m = plot::compareMethods(g.skeleton.plus, g.skeleton.minus, nullptr, codes);
    Row names{{"方法", "側"}, true}, unitRow{{"", ""}, true};
    for (const std::string& h : plot::comparisonHeadings(units)) {
        const std::size_t bracket = h.find(" [");
        names.cells.push_back(h.substr(0, bracket));
        unitRow.cells.push_back(bracket == std::string::npos ? std::string() : h.substr(bracket + 1));
    }
    std::vector<Row> rows{names, unitRow};
    for (const plot::ComparisonRow& r : m.rows) {
        for (std::size_t side = 0; side < 2; ++side) {
            const plot::MethodSide& s = r.sides[side];
            Row row{{r.method, side == 0 ? "正" : "負"}};
            if (!s.message.empty()) {
                row.cells.push_back(s.message.substr(0, s.message.find('\n')));
                row.spanFrom = 2;
            } else {
                for (int c = 0; c < plot::kComparisonColumns; ++c) row.cells.push_back(plot::comparisonCell(s, c));
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::vector<std::string> comparisonNotes(const plot::GraphState& g, const analysis::CodeEvaluation& codes) {
    return plot::compareMethods(g.skeleton.plus, g.skeleton.minus, nullptr, codes).notes;
}

}  // namespace

void drawSpecimenPage(PageDevice& pages, const SpecimenPage& page) {
    Sheet sheet(pages.beginPage(), pages.pageSize(), pages.resolution());
    int y = sheet.heading("試験体　" + page.fileName, "評価日時", page.evaluatedAt);
    if (!page.path.empty() && page.path != page.fileName) {
        const Font small = fontOf(plot::kPGothic, 9);
        sheet.text({sheet.margin(), y}, "ファイル　" + page.path, small, sheet.contentWidth());
        y += sheet.lineHeight(small) + sheet.mm(1);
    }

    // The tables' size is known before the graph runs: the graph gets what is left.
    const int gap = sheet.mm(5);
    const int tableWidth = (sheet.contentWidth() - gap) / 2;
    const auto columns = [&](std::initializer_list<double> shares) {
        std::vector<Column> cols;
        bool first = true;
        for (double share : shares) {
            cols.push_back({toInt(tableWidth * share), first ? Align::Left : Align::Right});
            first = false;
        }
        return cols;
    };
    Table characteristics(columns({0.40, 0.21, 0.21, 0.18}), sheet);
    std::vector<Column> wallColumns = columns({0.50, 0.22, 0.16, 0.12});
    wallColumns[2].align = wallColumns[3].align = Align::Centre;
    Table wall(wallColumns, sheet);
    const int tableRows = 13;
    const Font caption = fontOf(plot::kPGothic, 11, true);
    const int captionHeight = sheet.lineHeight(caption) + sheet.mm(1.5);
    // Under the tables: why a model or the wall evaluation is missing.
    constexpr std::size_t kNoteLines = 3;
    const Font note = fontOf(plot::kPGothic, 9, false, kNoteColour);
    const int noteHeight = sheet.lineHeight(note) + sheet.mm(0.5);
    const int tablesHeight =
        captionHeight + tableRows * characteristics.rowHeight() + sheet.mm(1.5) + static_cast<int>(kNoteLines) * noteHeight;
    // Below them, across the page: two heading rows and each method's two sides.
    constexpr int kComparisonRows = 2 + 3 * 2;
    constexpr std::size_t kComparisonNoteLines = 2;
    const int comparisonHeight = page.codes ? gap + captionHeight + kComparisonRows * characteristics.rowHeight() +
                                                  sheet.mm(1.5) + static_cast<int>(kComparisonNoteLines) * noteHeight
                                            : 0;

    const int graphTop = y + sheet.mm(2);
    const int graphRoom = sheet.bottom() - tablesHeight - comparisonHeight - gap - graphTop;
    // As large as the page allows: point sizes then scale to the nearest point.
    const double scale = std::max(0.1, std::min(sheet.contentWidth() / kPictureWidth, graphRoom / kPictureHeight));
    const int graphLeft = sheet.margin() + (sheet.contentWidth() - toInt(kPictureWidth * scale)) / 2;
    std::unique_ptr<plot::GraphState> graph;
    {
        PlacedCanvas placed(sheet.canvas(), {graphLeft, graphTop}, scale, pages.resolution());
        graph = page.data ? drawGraph(placed, page) : std::make_unique<plot::GraphState>();
    }
    y = graphTop + toInt(kPictureHeight * scale) + gap;
    const int comparisonTop = y + tablesHeight + gap;

    Canvas& c = sheet.canvas();
    const int left = sheet.margin(), right = sheet.margin() + tableWidth + gap;
    sheet.text({left, y}, "骨格曲線と完全弾塑性モデル", caption, tableWidth);
    sheet.text({right, y}, "壁倍率評価（正側）", caption, tableWidth);
    y += captionHeight;
    int rowY = y;
    for (const Row& row : characteristicRows(*graph)) {
        characteristics.draw(c, left, rowY, row);
        rowY += characteristics.rowHeight();
    }
    rowY += sheet.mm(1.5);
    for (const auto* side : {&graph->skeleton.plus, &graph->skeleton.minus}) {
        if (!*side || (*side)->model) continue;
        const std::string name = side == &graph->skeleton.plus ? "正側" : "負側";
        sheet.text({left, rowY}, name + "のモデルなし: " + (*side)->failure.caption, note, tableWidth);
        rowY += noteHeight;
    }
    if (page.wall && !stripped(page.wall->text("Edit1")).empty()) {
        rowY = y;
        for (const Row& row : wallRows(*page.wall)) {
            wall.draw(c, right, rowY, row);
            rowY += wall.rowHeight();
        }
        y += tableRows * wall.rowHeight() + sheet.mm(1.5);
    } else {
        sheet.text({right, y}, page.wall ? "壁倍率は評価できませんでした" : "壁倍率は評価していません",
                   bodyFont(), tableWidth);
        y += sheet.lineHeight(bodyFont()) + sheet.mm(1.5);
    }
    c.setFont(note);
    for (const std::string& line : wrap(c, page.wallProblem, tableWidth, kNoteLines)) {
        sheet.text({right, y}, line, note, tableWidth);
        y += noteHeight;
    }
    if (!page.codes) return;

    y = comparisonTop;
    sheet.text({left, y}, "日本の評価と他の規準（各側の絶対値）", caption, sheet.contentWidth());
    y += captionHeight;
    const int width = sheet.contentWidth();
    std::vector<Column> comparisonColumns{{toInt(width * 0.19), Align::Left}, {toInt(width * 0.05), Align::Centre}};
    for (int i = 0; i < plot::kComparisonColumns; ++i) comparisonColumns.push_back({toInt(width * 0.76 / 6), Align::Right});
    const Table comparison(comparisonColumns, sheet);
    for (const Row& row : comparisonRows(*graph, *page.codes)) {
        comparison.draw(c, left, y, row);
        y += comparison.rowHeight();
    }
    y += sheet.mm(1.5);
    std::size_t shown = 0;
    for (const std::string& line : comparisonNotes(*graph, *page.codes)) {
        if (shown++ == kComparisonNoteLines) break;
        sheet.text({left, y}, line, note, width);
        y += noteHeight;
    }
}

namespace {

/// Pages that go on where the last one ended, each with the report's heading.
class Flow {
public:
    Flow(PageDevice& pages, std::function<int(Sheet&, bool)> heading) : m_pages(pages), m_heading(std::move(heading)) {
        newPage(false);
    }
    Sheet& sheet() { return *m_sheet; }
    int& y() { return m_y; }
    /// Begins the next page when `height` does not fit below y; true when it did.
    bool ensure(int height) {
        if (m_y + height <= m_sheet->bottom()) return false;
        newPage(true);
        return true;
    }

private:
    void newPage(bool continued) {
        m_sheet = std::make_unique<Sheet>(m_pages.beginPage(), m_pages.pageSize(), m_pages.resolution());
        m_y = m_heading(*m_sheet, continued);
    }
    PageDevice& m_pages;
    std::function<int(Sheet&, bool)> m_heading;
    std::unique_ptr<Sheet> m_sheet;
    int m_y = 0;
};

void drawSide(Flow& flow, const char* title, bool minus, const std::optional<analysis::SideSummary>& side,
              const std::string& failure, const std::vector<analysis::SpecimenRow>& rows, const std::string& load) {
    Sheet& first = flow.sheet();
    const Font heading = fontOf(plot::kPGothic, 12, true);
    const Font body = bodyFont();
    const int bodyHeight = first.lineHeight(body);
    flow.ensure(first.lineHeight(heading) + 3 * bodyHeight);
    {
        Sheet& s = flow.sheet();
        const std::string count = side ? text::format("　%d 体", side->n) : std::string();
        s.text({s.margin(), flow.y()}, title + count, heading, s.contentWidth());
        flow.y() += s.lineHeight(heading) + s.mm(1.5);
        if (!side) {
            s.text({s.margin(), flow.y()}, failure, fontOf(plot::kPGothic, 10, false, kNoteColour), s.contentWidth());
            flow.y() += bodyHeight + s.mm(6);
            return;
        }
    }
    const analysis::SideSummary& sum = *side;
    const int width = flow.sheet().contentWidth();
    std::vector<Column> columns{{toInt(width * 0.32), Align::Left}};
    for (int i = 0; i < 4; ++i) columns.push_back({toInt(width * 0.17), Align::Right});
    const Table table(columns, flow.sheet());

    Row header{{"試験体 / 統計量 [" + load + "]"}, true};
    for (std::size_t i = 0; i < 4; ++i)
        header.cells.push_back(std::string(static_cast<int>(i) == sum.governing ? "★ " : "") +
                               analysis::kSeriesIndexNames[i]);
    std::vector<Row> cellRows;
    std::size_t j = 0;
    for (const analysis::SpecimenRow& r : rows) {
        if (r.minus != minus) continue;
        Row row{{cp932(r.fileName)}};
        for (std::size_t i = 0; i < 4; ++i) {
            const auto& values = sum.indices[i].values;
            row.cells.push_back(j < values.size() ? number("%.2f", values[j]) : kNone);
        }
        cellRows.push_back(std::move(row));
        ++j;
    }
    using Pick = double (*)(const analysis::IndexStatistics&);
    const struct {
        const char* label;
        const char* format;
        Pick pick;
    } stats[] = {{"平均", "%.2f", [](const analysis::IndexStatistics& s) { return s.mean; }},
                 {"標準偏差", "%.3f", [](const analysis::IndexStatistics& s) { return s.sd; }},
                 {"変動係数 CV", "%.3f", [](const analysis::IndexStatistics& s) { return s.cv; }},
                 {"k", "%.3f", [](const analysis::IndexStatistics& s) { return s.k; }},
                 {"ばらつき係数 1−CV·k", "%.3f", [](const analysis::IndexStatistics& s) { return s.factor; }},
                 {"下限値", "%.2f", [](const analysis::IndexStatistics& s) { return s.lower; }}};
    for (const auto& st : stats) {
        const bool lower = std::string(st.label) == "下限値";
        Row row{{st.label}, false, lower};
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string mark = lower && static_cast<int>(i) == sum.governing ? "★ " : "";
            row.cells.push_back(mark + number(st.format, st.pick(sum.indices[i])));
        }
        cellRows.push_back(std::move(row));
    }

    table.draw(flow.sheet().canvas(), flow.sheet().margin(), flow.y(), header);
    flow.y() += table.rowHeight();
    for (const Row& row : cellRows) {
        if (flow.ensure(table.rowHeight())) {
            table.draw(flow.sheet().canvas(), flow.sheet().margin(), flow.y(), header);
            flow.y() += table.rowHeight();
        }
        table.draw(flow.sheet().canvas(), flow.sheet().margin(), flow.y(), row);
        flow.y() += table.rowHeight();
    }
    flow.y() += flow.sheet().mm(2);

    const std::string index = analysis::kSeriesIndexNames[static_cast<std::size_t>(sum.governing)];
    const char* rule = load == "kN" ? "Pa / (1.96 kN/m × L)" : "Pa / (200 kg/m × L)";
    std::vector<std::pair<std::string, Font>> texts = {
        {text::format("P0 = %.2f %s（★ %s の下限値）", sum.P0, load.c_str(), index.c_str()), bodyFont(true)},
        {text::format("短期許容せん断耐力 Pa = α × P0 = %.3g × %.2f = %.2f %s", sum.alpha, sum.P0, sum.Pa, load.c_str()),
         bodyFont(true)},
        {text::format("壁倍率 = %s = %.2f（L = %.3g m）", rule, sum.multiplier, sum.L), bodyFont(true)}};
    std::string spread;
    if (sum.Kmean)
        spread += text::format("平均初期剛性 K = %.0f %s/rad（CV %.3f）", *sum.Kmean, load.c_str(), sum.Kcv.value_or(0));
    if (sum.muMean)
        spread += text::format("%s平均塑性率 μ = %.2f（CV %.3f）", spread.empty() ? "" : "　", *sum.muMean,
                               sum.muCv.value_or(0));
    if (!spread.empty()) texts.push_back({spread, body});
    for (const std::string& note : sum.notes) texts.push_back({note, fontOf(plot::kPGothic, 10, false, kNoteColour)});
    for (const auto& [line, font] : texts) {
        flow.ensure(bodyHeight);
        Sheet& s = flow.sheet();
        s.text({s.margin() + s.mm(2), flow.y()}, line, font, s.contentWidth() - s.mm(2));
        flow.y() += bodyHeight + s.mm(1);
    }
    flow.y() += flow.sheet().mm(6);
}

}  // namespace

void drawSummaryPages(PageDevice& pages, const analysis::SeriesSummary& summary,
                      const std::vector<analysis::SpecimenRow>& rows, data::ForceUnit unit,
                      const std::string& evaluatedAt) {
    const std::string load = unit == data::ForceUnit::kN ? "kN" : "kg";
    const analysis::SideSummary* any = summary.plus ? &*summary.plus : summary.minus ? &*summary.minus : nullptr;
    Flow flow(pages, [&](Sheet& s, bool continued) {
        int y = s.heading(continued ? "試験体集計（続き）" : "試験体集計", "集計日時", evaluatedAt);
        if (continued) return y + s.mm(2);
        std::string info = text::format("試験体 %zu 行", rows.size());
        if (any) info += text::format("　壁長さ L = %.3g m　低減係数 α = %.3g", any->L, any->alpha);
        info += "　荷重の単位 " + load;
        s.text({s.margin(), y}, info, bodyFont(), s.contentWidth());
        return y + s.lineHeight(bodyFont()) + s.mm(5);
    });
    drawSide(flow, "正側 (Plus)", false, summary.plus, summary.plusFailure, rows, load);
    drawSide(flow, "負側 (Minus)", true, summary.minus, summary.minusFailure, rows, load);
}

}  // namespace kvx::output
