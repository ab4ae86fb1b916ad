// QPainter drawing with GDI conventions: exclusive right/bottom edges, pens
// that leave the end pixel of a line, text placed by its top-left corner.
#include "app/qt_canvas.h"

#include "app/qt_text.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <utility>

namespace kvx::app {
namespace {

QColor toQColor(plot::Rgb c) { return QColor(c.r, c.g, c.b); }

QPoint toQPoint(plot::Pixel p) { return QPoint(p.x, p.y); }

bool isMonospacedGothic(const std::string& face) {
    return face == "ＭＳ ゴシック" || face == "ＭＳ　ゴシック" || face == "MS Gothic";
}

bool isProportionalGothic(const std::string& face) {
    return face == "ＭＳ Ｐゴシック" || face == "ＭＳ　Ｐゴシック" || face == "MS PGothic";
}

bool isProportionalName(const QString& family) {
    return family.contains(QStringLiteral("PGothic"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("Pゴシック")) || family.contains(QStringLiteral("P Gothic"));
}

// fontconfig names a family in the session's language ("IPAGothic" under C,
// "IPAゴシック" under ja_JP), so `wanted` lists both names of each face. Left
// to fontconfig's substitution, the graph would change face with the locale.
QString firstInstalled(const QStringList& wanted, bool proportional) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& name : wanted)
        for (const QString& family : installed)
            if (family.compare(name, Qt::CaseInsensitive) == 0) return family;
    QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    japanese.sort();
    for (const QString& name : japanese)
        if ((name.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) || name.contains(QStringLiteral("ゴシック"))) &&
            isProportionalName(name) == proportional)
            return name;
    return japanese.isEmpty() ? wanted.front() : japanese.front();
}

// Whether `family` has a face of its own for bold. Without one, Qt emboldens
// the outlines, which at 12 points fills the gap above the stem of i (the
// min/max block read "Ymln") and closes m into a blob.
bool hasBoldFace(const QString& family) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd()) return *found;
    bool bold = false;
    for (const QString& style : QFontDatabase::styles(family))
        bold = bold || QFontDatabase::weight(family, style) >= QFont::DemiBold;
    known.insert(family, bold);
    return bold;
}

QString textOf(std::string_view text, plot::TextEncoding encoding) {
    return encoding == plot::TextEncoding::Cp932 ? fromCp932(text) : fromUtf8(text);
}

// Windows' MulDiv(size, dpi, 72): the em height of a point size (96 dpi on screen).
int pointsToPixels(int points, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(points) * dpi / 72.0));
}

QPen qtPenFor(const plot::Pen& from) {
    QPen pen(toQColor(from.color));
    if (from.width <= 1) {
        // Cosmetic one-pixel pen; the flat cap leaves the last pixel, as LineTo does.
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setWidth(from.width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    if (from.style == plot::PenStyle::Dotted) pen.setDashPattern({3, 3});  // GDI's PS_DOT
    return pen;
}

// Qt's 16.16 slope of a line in 26.6 coordinates (QCosmeticStroker), truncated
// toward zero; in 32 bits where the product fits, as Qt divides.
int fixedSlope(int along, int across) {
    if (std::abs(along) > 0x7fff) return static_cast<int>(static_cast<std::int64_t>(along) * 65536 / across);
    return along * 65536 / across;
}

// The pixels Qt's aliased one-pixel line with a flat cap sets from a to b
// (QCosmeticStroker on a fresh stroker, as QPainter::drawLine uses it): the
// major axis is walked from the smaller end, the minor coordinate carried in
// 16.16 fixed point from the first pixel's centre, and the pixel at the larger
// end left out. The same pixels in either direction; none for a == b.
template <typename SetPixel>
void thinLinePixels(QPoint a, QPoint b, SetPixel set) {
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
        // A step to a neighbour, the commonest line of a dense record: its one
        // pixel is the smaller end along the major axis.
        const bool forward = dx != 0 ? dx > 0 : dy > 0;
        if (dx != 0 || dy != 0) forward ? set(a.x(), a.y()) : set(b.x(), b.y());
    } else if (std::abs(dx) < std::abs(dy)) {
        if (dy < 0) std::swap(a, b);
        const int step = fixedSlope(64 * (b.x() - a.x()), 64 * (b.y() - a.y()));
        int x = a.x() * 65536 + (step > 0 ? (32 * step) >> 6 : 0);
        for (int y = a.y(); y < b.y(); ++y, x += step) set(x >> 16, y);
    } else if (dx != 0) {
        if (dx < 0) std::swap(a, b);
        const int step = fixedSlope(64 * (b.y() - a.y()), 64 * (b.x() - a.x()));
        int y = a.y() * 65536 + (step > 0 ? (32 * step) >> 6 : 0);
        for (int x = a.x(); x < b.x(); ++x, y += step) set(x, y >> 16);
    }
}

}  // namespace

QString fontFamilyFor(const std::string& face) {
    if (isMonospacedGothic(face)) {
        static const QString family = firstInstalled(
            {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("IPAexGothic"),
             QStringLiteral("IPAexゴシック"), QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("TakaoGothic"),
             QStringLiteral("Takaoゴシック")},
            false);
        return family;
    }
    if (isProportionalGothic(face)) {
        static const QString family = firstInstalled(
            {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"), QStringLiteral("IPAexGothic"),
             QStringLiteral("IPAexゴシック"), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("TakaoPGothic"),
             QStringLiteral("Takao Pゴシック")},
            true);
        return family;
    }
    return fromUtf8(face);
}

QFont qtFontFor(const plot::Font& font, int dpi) {
    const QString family = fontFamilyFor(font.face);
    QFont f(family);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setWeight(font.bold && hasBoldFace(family) ? QFont::Bold : QFont::Normal);
    if (font.sizeInPixels) {
        // A positive GDI height is the whole cell (ascent + descent); Qt sizes the em.
        QFont probe = f;
        probe.setPixelSize(100);
        const double cell = QFontMetricsF(probe).height();
        const double em = cell > 0 ? font.size * 100.0 / cell : font.size;
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
    } else {
        f.setPixelSize(std::max(1, pointsToPixels(font.size, dpi)));
    }
    if (font.cellWidth > 0) {
        const int natural = QFontMetrics(f).averageCharWidth();
        if (natural > 0) f.setStretch(std::clamp(font.cellWidth * 100 / natural, 1, 4000));
    }
    return f;
}

QtCanvas::QtCanvas(int width, int height)
    : m_image(width, height, QImage::Format_RGB32), m_device(&m_image), m_qfont(qtFontFor(m_font)) {
    m_image.fill(Qt::white);
}

QtCanvas::QtCanvas(QPaintDevice& device) : m_device(&device), m_qfont(qtFontFor(m_font)) {}

void QtCanvas::setDpi(int dpi) {
    m_dpi = dpi;
    m_qfont = qtFontFor(m_font, m_dpi);
}

QtCanvas::~QtCanvas() { finish(); }

const QImage& QtCanvas::image() {
    finish();
    return m_image;
}

void QtCanvas::finish() {
    if (m_painter) m_painter->end();
    m_painter.reset();
}

QPainter& QtCanvas::painter() {
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(m_device);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
        m_penApplied = false;
    }
    return *m_painter;
}

void QtCanvas::setFont(const plot::Font& font) {
    if (font == m_font) return;
    m_font = font;
    m_qfont = qtFontFor(font, m_dpi);
}

void QtCanvas::setPen(const plot::Pen& pen) {
    if (pen == m_pen) return;
    m_pen = pen;
    m_penApplied = false;
}

void QtCanvas::applyPen(QPainter& p) {
    if (m_penApplied) return;
    m_penApplied = true;
    p.setPen(qtPenFor(m_pen));
    const bool raster = m_device->devType() == QInternal::Image;
    p.setCompositionMode(m_pen.mode == plot::PenMode::Xor && raster ? QPainter::RasterOp_SourceXorDestination
                                                                     : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::applyBrush(QPainter& p) const {
    if (m_brush.clear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(toQColor(m_brush.color));
}

void QtCanvas::lineTo(plot::Pixel to) {
    const plot::Pixel from = m_position;
    m_position = to;
    if (from == to) return;
    QPainter& p = painter();
    if (setsThinLinePixels()) {
        drawThinLines(p, from, std::span(&to, 1));
        return;
    }
    applyPen(p);
    p.drawLine(toQPoint(from), toQPoint(to));
}

bool QtCanvas::setsThinLinePixels() const {
    return m_device == &m_image && m_pen.width <= 1 && m_pen.style == plot::PenStyle::Solid &&
           m_pen.mode == plot::PenMode::Copy;
}

void QtCanvas::drawThinLines(QPainter& p, plot::Pixel from, std::span<const plot::Pixel> to) {
    // A graph is hundreds of thousands of short lines, and QPainter spends far
    // longer setting each one up than setting its few pixels. Inside the
    // picture the pixels are set here, as Qt sets them; a line that leaves the
    // picture goes to Qt, whose clipping decides where it enters.
    // The painter is open, so the picture is not shared and bits() does not copy it.
    uchar* const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const int width = m_image.width(), height = m_image.height();
    const QRgb color = qRgb(m_pen.color.r, m_pen.color.g, m_pen.color.b);
    const auto inside = [&](plot::Pixel q) { return q.x >= 0 && q.x < width && q.y >= 0 && q.y < height; };
    const auto set = [&](int x, int y) { reinterpret_cast<QRgb*>(bits + y * stride)[x] = color; };
    plot::Pixel a = from;
    for (const plot::Pixel& b : to) {
        if (a == b) continue;  // lineTo(p) from p draws nothing
        if (inside(a) && inside(b)) {
            thinLinePixels(toQPoint(a), toQPoint(b), set);
        } else {
            applyPen(p);
            p.drawLine(toQPoint(a), toQPoint(b));
        }
        a = b;
    }
}

void QtCanvas::rectangle(plot::Pixel topLeft, plot::Pixel bottomRight) {
    const int w = bottomRight.x - topLeft.x;
    const int h = bottomRight.y - topLeft.y;
    if (w <= 0 || h <= 0) return;
    QPainter& p = painter();
    applyPen(p);
    if (!m_brush.clear) p.fillRect(QRect(topLeft.x, topLeft.y, w, h), toQColor(m_brush.color));
    p.setBrush(Qt::NoBrush);
    // A one-pixel QPen outlines w+1 pixels; shrink so the right/bottom edges stay exclusive.
    p.drawRect(QRect(topLeft.x, topLeft.y, w - 1, h - 1));
}

void QtCanvas::ellipse(plot::Pixel topLeft, plot::Pixel bottomRight) {
    const int w = bottomRight.x - topLeft.x;
    const int h = bottomRight.y - topLeft.y;
    if (w <= 0 || h <= 0) return;
    QPainter& p = painter();
    if (setsThinLinePixels() && stampEllipse(topLeft, w, h)) return;
    applyPen(p);
    applyBrush(p);
    p.drawEllipse(QRect(topLeft.x, topLeft.y, w - 1, h - 1));
}

bool QtCanvas::stampEllipse(plot::Pixel topLeft, int w, int h) {
    // Marks are thousands of small circles of one size, each as slow to set up
    // in QPainter as it is quick to fill. QPainter draws each size once; the
    // canvas then sets the same pixels wherever the circle goes, as long as it
    // is inside the picture.
    constexpr int kLargest = 16;
    constexpr int m = EllipseStamp::kMargin;
    if (w > kLargest || h > kLargest) return false;
    if (topLeft.x - m < 0 || topLeft.y - m < 0 || topLeft.x + w + m > m_image.width() ||
        topLeft.y + h + m > m_image.height())
        return false;
    const EllipseStamp& stamp = ellipseStamp(w, h, !m_brush.clear);
    if (!stamp.usable) return false;
    uchar* const bits = m_image.bits();  // the painter is open: not shared, not copied
    const qsizetype stride = m_image.bytesPerLine();
    const QRgb outline = qRgb(m_pen.color.r, m_pen.color.g, m_pen.color.b);
    const QRgb inside = qRgb(m_brush.color.r, m_brush.color.g, m_brush.color.b);
    const int sw = w + 2 * m, sh = h + 2 * m;
    for (int y = 0; y < sh; ++y) {
        QRgb* const row = reinterpret_cast<QRgb*>(bits + (topLeft.y - m + y) * stride) + (topLeft.x - m);
        const std::uint8_t* const kinds = stamp.kinds.data() + static_cast<std::size_t>(y * sw);
        for (int x = 0; x < sw; ++x) {
            if (kinds[x] == EllipseStamp::kOutline) row[x] = outline;
            else if (kinds[x] == EllipseStamp::kInside) row[x] = inside;
        }
    }
    return true;
}

const QtCanvas::EllipseStamp& QtCanvas::ellipseStamp(int w, int h, bool filled) {
    for (const EllipseStamp& s : m_stamps)
        if (s.width == w && s.height == h && s.filled == filled) return s;
    // The canvas's own pen and brush set-up, in colours that tell the outline
    // from the inside, with a margin all round that must stay empty.
    constexpr int m = EllipseStamp::kMargin;
    const int sw = w + 2 * m, sh = h + 2 * m;
    const QRgb background = qRgb(0, 0, 0), outline = qRgb(255, 0, 0), inside = qRgb(0, 0, 255);
    QImage probe(sw, sh, QImage::Format_RGB32);
    probe.fill(background);
    {
        QPainter q(&probe);
        q.setRenderHint(QPainter::Antialiasing, false);
        q.setPen(qtPenFor({plot::Rgb{255, 0, 0}, 1, plot::PenStyle::Solid, plot::PenMode::Copy}));
        q.setBrush(filled ? QBrush(QColor(inside)) : QBrush(Qt::NoBrush));
        q.drawEllipse(QRect(m, m, w - 1, h - 1));
    }
    EllipseStamp stamp{w, h, filled, true, std::vector<std::uint8_t>(static_cast<std::size_t>(sw * sh), 0)};
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            const QRgb c = probe.pixel(x, y);
            const std::uint8_t kind = c == outline ? EllipseStamp::kOutline : c == inside ? EllipseStamp::kInside : 0;
            stamp.kinds[static_cast<std::size_t>(y * sw + x)] = kind;
            const bool ring = x == 0 || y == 0 || x == sw - 1 || y == sh - 1;
            if ((ring && c != background) || (c != background && kind == 0)) stamp.usable = false;
        }
    m_stamps.push_back(std::move(stamp));
    return m_stamps.back();
}

void QtCanvas::polyline(const std::vector<plot::Pixel>& points) {
    if (points.size() < 2) return;
    QPainter& p = painter();
    applyPen(p);
    if (m_device == &m_image && m_pen.width > 1 && m_pen.style == plot::PenStyle::Solid &&
        m_pen.mode == plot::PenMode::Copy) {
        // A wide pen's round joins are the round caps of the segments meeting
        // there, so the segments cover the same pixels, and Qt strokes them in
        // half the time (no arc to fit at each join).
        drawWideSegments(p, points.front(), std::span(points).subspan(1));
        return;
    }
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& pt : points) polygon << toQPoint(pt);
    p.drawPolyline(polygon);
}

void QtCanvas::drawWideSegments(QPainter& p, plot::Pixel from, std::span<const plot::Pixel> to) {
    m_lines.clear();
    plot::Pixel a = from;
    for (const plot::Pixel& b : to) {
        if (a != b) m_lines.append(QLine(toQPoint(a), toQPoint(b)));
        a = b;
    }
    if (!m_lines.isEmpty()) p.drawLines(m_lines);
}

void QtCanvas::polylineTo(const std::vector<plot::Pixel>& points) {
    if (points.empty()) return;
    const plot::Pixel from = m_position;
    m_position = points.back();
    QPainter& p = painter();
    applyPen(p);
    const bool raster = m_device->devType() == QInternal::Image;
    const bool solid = m_pen.style == plot::PenStyle::Solid;
    if (setsThinLinePixels()) {
        drawThinLines(p, from, points);
    } else if (raster && solid && m_pen.width > 1 && m_pen.mode == plot::PenMode::Copy) {
        // Wide segments filled together cover the pixels they cover one by one:
        // an opaque copy does not care how often a pixel is covered.
        drawWideSegments(p, from, points);
    } else {
        // XOR flips a pixel once per segment that covers it, a dotted pen starts
        // its pattern again at each segment, Qt's batch of one-pixel lines sets
        // the end pixel of a segment that turns back, and a printer joins what
        // it gets in one call: one call per segment, as lineTo makes it.
        plot::Pixel a = from;
        for (const plot::Pixel& b : points) {
            if (a != b) p.drawLine(toQPoint(a), toQPoint(b));
            a = b;
        }
    }
}

void QtCanvas::fillRect(plot::Pixel topLeft, plot::Pixel bottomRight) {
    const int w = bottomRight.x - topLeft.x;
    const int h = bottomRight.y - topLeft.y;
    if (m_brush.clear || w <= 0 || h <= 0) return;
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_penApplied = false;  // the composition mode belongs to the pen
    p.fillRect(QRect(topLeft.x, topLeft.y, w, h), toQColor(m_brush.color));
}

void QtCanvas::textOut(plot::Pixel at, std::string_view text, plot::TextEncoding encoding) {
    const QString s = textOf(text, encoding);
    if (s.isEmpty()) return;
    QPainter& p = painter();
    p.save();
    // Text ignores the pen's raster mode, as GDI's TextOut does.
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setFont(m_qfont);
    const QFontMetrics metrics(m_qfont, m_device);
    p.translate(at.x, at.y);
    if (m_font.escapement != 0) p.rotate(-m_font.escapement / 10.0);  // y grows downwards
    if (!m_brush.clear)
        p.fillRect(QRect(0, 0, metrics.horizontalAdvance(s), metrics.height()), toQColor(m_brush.color));
    p.setPen(toQColor(m_font.color));
    p.drawText(QPoint(0, metrics.ascent()), s);
    p.restore();
}

plot::PixelSize QtCanvas::textExtent(std::string_view text, plot::TextEncoding encoding) const {
    const QFontMetrics metrics(m_qfont, m_device);
    return {metrics.horizontalAdvance(textOf(text, encoding)), metrics.height()};
}

}  // namespace kvx::app
