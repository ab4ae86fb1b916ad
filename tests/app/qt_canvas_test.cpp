// QtCanvas keeps the GDI conventions the graph code relies on: exclusive
// end pixels and rectangle edges, XOR pens, text placed by its top-left
// corner, CP932 texts, Windows point sizes; and file filters reach Qt's form.
#include "app/qt_canvas.h"
#include "app/qt_interaction.h"
#include "window_fixture.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

using kvx::app::QtCanvas;
using kvx::plot::Pixel;
using kvx::plot::Rgb;

namespace {

constexpr QRgb kWhitePixel = 0xFFFFFFFF;

QRgb at(QtCanvas& canvas, int x, int y) { return canvas.image().pixel(x, y); }

/// Bounding box of the pixels that are not white.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhitePixel) box |= QRect(x, y, 1, 1);
    return box;
}

bool ipaInstalled() {
    const QStringList families = QFontDatabase::families();
    return families.contains(QStringLiteral("IPAGothic")) || families.contains(QStringLiteral("IPAゴシック"));
}

/// `text` drawn alone in `font` on a small white picture.
QImage glyph(const kvx::plot::Font& font, const char* text) {
    QtCanvas canvas(64, 64);
    canvas.setFont(font);
    canvas.setBrush({kvx::plot::kWhite, true});
    canvas.textOut({8, 8}, text, kvx::plot::TextEncoding::Utf8);
    return canvas.image().copy();
}

int pixelsThatDiffer(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differ += a.pixel(x, y) != b.pixel(x, y);
    return differ;
}

/// Separate runs of ink along row y.
int inkRuns(const QImage& image, int y) {
    int runs = 0;
    for (int x = 0; x < image.width(); ++x)
        runs += image.pixel(x, y) != kWhitePixel && (x == 0 || image.pixel(x - 1, y) == kWhitePixel);
    return runs;
}

/// Whether a row without ink lies between the top and the bottom of the ink (the dot of i).
bool hasBlankRowInside(const QImage& image) {
    const QRect ink = inkBox(image);
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        if (inkRuns(image, y) == 0) return true;
    return false;
}

}  // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT
private slots:
    void lineToLeavesTheEndPixelAndMovesThePen() {
        QtCanvas canvas;
        canvas.moveTo({10, 10});
        canvas.lineTo({20, 10});
        QCOMPARE(canvas.position(), (Pixel{20, 10}));
        for (int x = 10; x < 20; ++x) QCOMPARE(at(canvas, x, 10), qRgb(0, 0, 0));
        QCOMPARE(at(canvas, 20, 10), kWhitePixel);
        QCOMPARE(at(canvas, 9, 10), kWhitePixel);
    }

    void rectanglesAndFillsExcludeRightAndBottomEdges() {
        QtCanvas canvas;
        canvas.setBrush({Rgb{255, 0, 0}, false});
        canvas.rectangle({10, 10}, {20, 16});
        QCOMPARE(at(canvas, 10, 10), qRgb(0, 0, 0));
        QCOMPARE(at(canvas, 19, 15), qRgb(0, 0, 0));
        QCOMPARE(at(canvas, 15, 12), qRgb(255, 0, 0));
        QCOMPARE(at(canvas, 20, 12), kWhitePixel);
        QCOMPARE(at(canvas, 15, 16), kWhitePixel);

        canvas.setBrush({Rgb{0, 0, 255}, false});
        canvas.fillRect({30, 30}, {33, 32});
        QCOMPARE(inkBox(canvas.image().copy(25, 25, 20, 20)), QRect(5, 5, 3, 2));

        canvas.setBrush({Rgb{0, 255, 0}, true});  // a clear brush fills nothing
        canvas.fillRect({100, 100}, {110, 110});
        QCOMPARE(at(canvas, 105, 105), kWhitePixel);
    }

    void xorPenDrawsTwiceToNothing() {
        QtCanvas canvas;
        canvas.setPen({Rgb{255, 0, 0}, 1, kvx::plot::PenStyle::Solid, kvx::plot::PenMode::Xor});
        canvas.moveTo({5, 5});
        canvas.lineTo({50, 5});
        QCOMPARE(at(canvas, 20, 5), qRgb(0, 255, 255));  // white XOR red
        canvas.moveTo({5, 5});
        canvas.lineTo({50, 5});
        QCOMPARE(inkBox(canvas.image()), QRect());
    }

    // The owned picture sets the pixels of one-pixel lines itself: they must be
    // the pixels QPainter sets (a canvas on another image draws with QPainter),
    // for every direction and length and up to the picture's edges.
    void thinLinesSetThePixelsQPainterSets() {
        const kvx::plot::Pen pen{Rgb{255, 0, 0}, 1, kvx::plot::PenStyle::Solid, kvx::plot::PenMode::Copy};
        std::vector<std::vector<std::pair<Pixel, Pixel>>> pictures;
        // Every short line, each in a cell of its own: 25 x 25 directions in cells of 26 pixels.
        std::vector<std::pair<Pixel, Pixel>> cells;
        for (int dy = -12; dy <= 12; ++dy)
            for (int dx = -12; dx <= 12; ++dx) {
                const int cell = static_cast<int>(cells.size()) % 380;
                const Pixel centre{26 * (cell % 20) + 13, 26 * (cell / 20) + 13};
                cells.push_back({centre, {centre.x + dx, centre.y + dy}});
                if (cell == 379) pictures.push_back(std::exchange(cells, {}));
            }
        pictures.push_back(cells);
        // Long lines, one to a picture, some along and onto the edges.
        std::mt19937 random(20240918);
        std::uniform_int_distribution<int> x(0, 543), y(0, 503);
        for (int k = 0; k < 120; ++k) {
            Pixel a{x(random), y(random)}, b{x(random), y(random)};
            if (k % 4 == 1) a.x = 0, b.x = 543;
            if (k % 4 == 2) a.y = 503, b = {k, 0};
            pictures.push_back({{a, b}});
        }
        for (std::size_t k = 0; k < pictures.size(); ++k) {
            QtCanvas own;
            QImage painted(kvx::app::kImageWidth, kvx::app::kImageHeight, QImage::Format_RGB32);
            painted.fill(Qt::white);
            {
                QtCanvas onImage(painted);
                for (QtCanvas* c : {&own, &onImage}) {
                    c->setPen(pen);
                    for (const auto& [a, b] : pictures[k]) {
                        c->moveTo(a);
                        c->lineTo(b);
                    }
                }
            }
            const int differ = pixelsThatDiffer(own.image(), painted);
            QVERIFY2(differ == 0, QByteArray("picture " + QByteArray::number(static_cast<int>(k)) + ": " +
                                             QByteArray::number(differ) + " pixels differ")
                                      .constData());
        }
    }

    // Small ellipses (the marks) are drawn once by QPainter and then set pixel
    // by pixel wherever they go: every size, filled and not, at every offset
    // and against the picture's edges must match QPainter drawing each one.
    void smallEllipsesSetThePixelsQPainterSets() {
        struct Shape {
            Pixel topLeft;
            int w, h;
            bool clear;
        };
        std::vector<std::vector<Shape>> pictures;
        for (int shift = 0; shift < 4; ++shift) {
            std::vector<Shape> shapes;
            for (int w = 1; w <= 18; ++w)
                for (int h = 1; h <= 18; ++h)
                    for (const bool clear : {false, true}) {
                        // 22 x 20 cells of 24 pixels; the first row and column touch the edges
                        const int cell = static_cast<int>(shapes.size());
                        const Pixel at{24 * (cell % 22) + shift - 1, 24 * (cell / 22) + 2 * shift - 1};
                        shapes.push_back({at, w, h, clear});
                        if (shapes.size() == 440) pictures.push_back(std::exchange(shapes, {}));
                    }
            pictures.push_back(shapes);
        }
        pictures.push_back({{{540, 500}, 8, 8, false}, {{-3, 200}, 8, 8, false}, {{300, -4}, 6, 6, true}});
        for (std::size_t k = 0; k < pictures.size(); ++k) {
            QtCanvas own;
            QImage painted(kvx::app::kImageWidth, kvx::app::kImageHeight, QImage::Format_RGB32);
            painted.fill(Qt::white);
            {
                QtCanvas onImage(painted);
                for (QtCanvas* c : {&own, &onImage}) {
                    c->setPen({Rgb{255, 0, 0}, 1, kvx::plot::PenStyle::Solid, kvx::plot::PenMode::Copy});
                    for (const Shape& shape : pictures[k]) {
                        c->setBrush({Rgb{0, 128, 255}, shape.clear});
                        c->ellipse(shape.topLeft, {shape.topLeft.x + shape.w, shape.topLeft.y + shape.h});
                    }
                }
            }
            const int differ = pixelsThatDiffer(own.image(), painted);
            QVERIFY2(differ == 0, QByteArray("picture " + QByteArray::number(static_cast<int>(k)) + ": " +
                                             QByteArray::number(differ) + " pixels differ")
                                      .constData());
        }
    }

    // The plot pass hands the rows of a series over in one polylineTo: it must
    // leave the pixels of the same lineTo calls drawn by QPainter one at a
    // time, for every pen, through reversals, repeated points and the
    // picture's edges.
    void polylineToLeavesThePixelsOfItsLineTos() {
        using kvx::plot::PenMode;
        using kvx::plot::PenStyle;
        struct PenCase {
            const char* name;
            kvx::plot::Pen pen;
        };
        const Rgb red{255, 0, 0};
        const PenCase pens[] = {{"one pixel", {red, 1, PenStyle::Solid, PenMode::Copy}},
                                {"bold", {red, 2, PenStyle::Solid, PenMode::Copy}},
                                {"three pixels", {red, 3, PenStyle::Solid, PenMode::Copy}},
                                {"dotted", {red, 1, PenStyle::Dotted, PenMode::Copy}},
                                {"xor", {red, 1, PenStyle::Solid, PenMode::Xor}},
                                {"bold xor", {red, 2, PenStyle::Solid, PenMode::Xor}}};
        std::mt19937 random(20240918);
        for (const int stride : {1, 3, 40, 700}) {
            for (int walk = 0; walk < 12; ++walk) {
                // A random walk from the middle: steps of a few pixels look like a
                // dense record, long ones leave the picture and come back.
                std::uniform_int_distribution<int> step(-stride, stride);
                std::vector<Pixel> points;
                Pixel last{272, 252};
                for (int i = 0; i < 300; ++i) {
                    last = {std::clamp(last.x + step(random), -600, 1100),
                            std::clamp(last.y + step(random), -600, 1100)};
                    points.push_back(last);
                }
                for (const PenCase& c : pens) {
                    QImage painted(kvx::app::kImageWidth, kvx::app::kImageHeight, QImage::Format_RGB32);
                    painted.fill(Qt::white);
                    {
                        QtCanvas lines(painted);
                        lines.setPen(c.pen);
                        lines.moveTo({272, 252});
                        for (const Pixel& p : points) lines.lineTo(p);
                    }
                    // in two runs, as a mark divides them, on the canvas's own picture and on another one
                    QtCanvas own;
                    QImage other(kvx::app::kImageWidth, kvx::app::kImageHeight, QImage::Format_RGB32);
                    other.fill(Qt::white);
                    {
                        QtCanvas onOther(other);
                        for (QtCanvas* runs : {&own, &onOther}) {
                            runs->setPen(c.pen);
                            runs->moveTo({272, 252});
                            runs->polylineTo({points.begin(), points.begin() + 150});
                            runs->polylineTo({points.begin() + 150, points.end()});
                            QCOMPARE(runs->position(), points.back());
                        }
                    }
                    for (const QImage& runs : {own.image(), other}) {
                        const int differ = pixelsThatDiffer(runs, painted);
                        const QByteArray where = QByteArray(c.name) + ", steps up to " + QByteArray::number(stride) +
                                                 ", walk " + QByteArray::number(walk) + ": " +
                                                 QByteArray::number(differ) + " pixels differ";
                        QVERIFY2(differ == 0, where.constData());
                    }
                }
            }
        }
    }

    // The envelope and the bilinear models are polylines of a bold pen: the
    // canvas's own picture strokes their segments instead of the joined line,
    // which must leave the pixels QPainter's joined polyline leaves.
    void widePolylinesLeaveThePixelsOfTheJoinedLine() {
        std::mt19937 random(7);
        for (const int width : {2, 3}) {
            for (int walk = 0; walk < 40; ++walk) {
                std::vector<Pixel> points;
                if (walk % 4 == 0) {
                    // an envelope: a band closed on itself, two vertices a pixel apart
                    std::uniform_int_distribution<int> jitter(-3, 3);
                    for (int j = 0; j < 256; ++j) points.push_back({30 + 2 * j, 200 + jitter(random) - j % 7});
                    for (int j = 255; j >= 0; --j) points.push_back({30 + 2 * j, 300 + jitter(random)});
                    points.push_back(points.front());
                } else {
                    const int stride = walk % 4 == 1 ? 2 : walk % 4 == 2 ? 30 : 500;
                    std::uniform_int_distribution<int> step(-stride, stride);
                    Pixel last{272, 252};
                    for (int i = 0; i < 200; ++i) {
                        last = {std::clamp(last.x + step(random), -300, 850), std::clamp(last.y + step(random), -300, 800)};
                        points.push_back(last);
                    }
                }
                const kvx::plot::Pen pen{Rgb{0, 128, 0}, width, kvx::plot::PenStyle::Solid, kvx::plot::PenMode::Copy};
                QtCanvas own;
                QImage joined(kvx::app::kImageWidth, kvx::app::kImageHeight, QImage::Format_RGB32);
                joined.fill(Qt::white);
                {
                    QtCanvas onImage(joined);
                    for (QtCanvas* c : {&own, &onImage}) {
                        c->setPen(pen);
                        c->polyline(points);
                    }
                }
                const int differ = pixelsThatDiffer(own.image(), joined);
                const QByteArray where = "width " + QByteArray::number(width) + ", walk " + QByteArray::number(walk) +
                                         ": " + QByteArray::number(differ) + " pixels differ";
                QVERIFY2(differ == 0, where.constData());
            }
        }
    }

    void dottedPenLeavesGaps() {
        QtCanvas canvas;
        canvas.setPen({kvx::plot::kBlack, 1, kvx::plot::PenStyle::Dotted, kvx::plot::PenMode::Copy});
        canvas.moveTo({0, 20});
        canvas.lineTo({60, 20});
        int inked = 0;
        for (int x = 0; x < 60; ++x) inked += at(canvas, x, 20) != kWhitePixel;
        QVERIFY(inked > 15);
        QVERIFY(inked < 45);
    }

    void textStandsBelowAndRightOfItsPoint() {
        QtCanvas canvas;
        kvx::plot::Font font;
        font.face = "ＭＳ　ゴシック";
        canvas.setFont(font);
        canvas.setBrush({kvx::plot::kWhite, true});
        canvas.textOut({100, 100}, "グラフ", kvx::plot::TextEncoding::Utf8);
        const QRect ink = inkBox(canvas.image());
        const auto extent = canvas.textExtent("グラフ", kvx::plot::TextEncoding::Utf8);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= 100 && ink.top() >= 100);
        QVERIFY(ink.right() < 100 + extent.width && ink.bottom() < 100 + extent.height);
    }

    void rotatedTextRunsUpwardsFromItsPoint() {
        QtCanvas canvas;
        kvx::plot::Font font;
        font.escapement = 900;
        canvas.setFont(font);
        canvas.setBrush({kvx::plot::kWhite, true});
        canvas.textOut({200, 300}, "LOAD", kvx::plot::TextEncoding::Utf8);
        const QRect ink = inkBox(canvas.image());
        QVERIFY(ink.height() > ink.width());
        QVERIFY(ink.bottom() <= 300 && ink.left() >= 200);
    }

    void cp932TextMatchesItsUtf8Spelling() {
        QtCanvas fromCp932;
        QtCanvas fromUtf8;
        fromCp932.textOut({10, 10}, kvx::test::kLoadCp932, kvx::plot::TextEncoding::Cp932);
        fromUtf8.textOut({10, 10}, "荷重", kvx::plot::TextEncoding::Utf8);
        QVERIFY(!inkBox(fromUtf8.image()).isEmpty());
        QCOMPARE(fromCp932.image(), fromUtf8.image());
    }

    void gothicFacesMapToInstalledJapaneseFonts() {
        if (!ipaInstalled()) QSKIP("the IPA Gothic fonts are not installed");
        // fontconfig lists the faces by localized names under ja_JP: compare
        // the faces Qt resolves, not the spelling.
        const QString gothic = QFontInfo(QFont(QStringLiteral("IPAGothic"))).family();
        const QString pGothic = QFontInfo(QFont(QStringLiteral("IPAPGothic"))).family();
        QVERIFY(gothic != pGothic);
        struct Case {
            const char* face;
            QString family;
        };
        const Case cases[] = {{"ＭＳ ゴシック", gothic}, {"ＭＳ　ゴシック", gothic}, {"ＭＳ Ｐゴシック", pGothic}};
        for (const auto& c : cases) {
            kvx::plot::Font font;
            font.face = c.face;
            QCOMPARE(kvx::app::fontFamilyFor(c.face), c.family);
            QCOMPARE(QFontInfo(kvx::app::qtFontFor(font)).family(), c.family);
        }
        kvx::plot::Font points;
        points.size = 14;  // 14 pt at 96 dpi: 18.67 -> 19 pixels
        QCOMPARE(kvx::app::qtFontFor(points).pixelSize(), 19);
        points.size = 9;
        QCOMPARE(kvx::app::qtFontFor(points).pixelSize(), 12);
    }

    // The min/max block must read "Ymin", not "Ymln": outlines emboldened for a
    // face without bold close the gap above the stem of i and fill m. Run
    // under ja_JP too, where the Gothic face used to resolve to the
    // proportional one.
    void graphTextsKeepEveryGlyphDistinct() {
        if (!ipaInstalled()) QSKIP("the IPA Gothic fonts are not installed");
        struct Case {
            const char* name;
            const char* face;
            int points;
            bool proportional;
        };
        const Case cases[] = {{"min/max block and legend", kvx::plot::kGothic, 12, false},
                              {"axis labels", kvx::plot::kGothic, 14, false},
                              {"window face", kvx::plot::kPGothic, 12, true}};
        for (const auto& c : cases) {
            kvx::plot::Font font;  // bold, as the graph asks for it
            font.face = c.face;
            font.size = c.points;
            const QImage i = glyph(font, "i");
            const QImage l = glyph(font, "l");
            const QImage m = glyph(font, "m");
            QVERIFY2(hasBlankRowInside(i), c.name);
            QVERIFY2(i != l, c.name);
            int mostStems = 0;
            for (int y = 0; y < m.height(); ++y) mostStems = std::max(mostStems, inkRuns(m, y));
            QVERIFY2(mostStems == 3, c.name);
            // The monospaced face keeps every half-width letter in one cell.
            QtCanvas canvas;
            canvas.setFont(font);
            const int narrow = canvas.textExtent("iiii", kvx::plot::TextEncoding::Utf8).width;
            const int wide = canvas.textExtent("mmmm", kvx::plot::TextEncoding::Utf8).width;
            QVERIFY2((narrow < wide) == c.proportional, c.name);
        }
    }

    void fileFiltersBecomeQtFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("standard csv") << QStringLiteral("標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*")
                                      << QStringLiteral("標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv);;すべて (*.*)");
        QTest::newRow("label without pattern") << QStringLiteral("Picture|*.png") << QStringLiteral("Picture (*.png)");
        QTest::newRow("pattern list") << QStringLiteral("Images|*.png;*.bmp") << QStringLiteral("Images (*.png *.bmp)");
        QTest::newRow("empty") << QString() << QString();
    }
    void fileFiltersBecomeQtFilters() {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(kvx::app::qtFileFilter(filter.toStdString()), expected);
    }
};

KVX_REGISTER_TEST(QtCanvasTest);
#include "qt_canvas_test.moc"
