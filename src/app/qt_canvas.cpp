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
    QPen pen(toQColor(m_pen.color));
    if (m_pen.width <= 1) {
        // Cosmetic one-pixel pen; the flat cap leaves the last pixel, as LineTo does.
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setWidth(m_pen.width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    if (m_pen.style == plot::PenStyle::Dotted) pen.setDashPattern({3, 3});  // GDI's PS_DOT
    p.setPen(pen);
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
    applyPen(p);
    p.drawLine(toQPoint(from), toQPoint(to));
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
    applyPen(p);
    applyBrush(p);
    p.drawEllipse(QRect(topLeft.x, topLeft.y, w - 1, h - 1));
}

void QtCanvas::polyline(const std::vector<plot::Pixel>& points) {
    if (points.size() < 2) return;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& pt : points) polygon << toQPoint(pt);
    QPainter& p = painter();
    applyPen(p);
    p.drawPolyline(polygon);
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
