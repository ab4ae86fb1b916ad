// QtCanvas keeps the GDI conventions the graph code relies on: exclusive
// end pixels and rectangle edges, XOR pens, text placed by its top-left
// corner, CP932 texts, Windows point sizes; and file filters reach Qt's form.
#include "app/qt_canvas.h"
#include "app/qt_interaction.h"
#include "window_fixture.h"

#include <QFontDatabase>

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
        if (!QFontDatabase::families().contains(QStringLiteral("IPAGothic")))
            QSKIP("the IPA Gothic fonts are not installed");
        QCOMPARE(kvx::app::fontFamilyFor("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
        QCOMPARE(kvx::app::fontFamilyFor("ＭＳ　ゴシック"), QStringLiteral("IPAGothic"));
        QCOMPARE(kvx::app::fontFamilyFor("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
        kvx::plot::Font points;
        points.size = 14;  // 14 pt at 96 dpi: 18.67 -> 19 pixels
        QCOMPARE(kvx::app::qtFontFor(points).pixelSize(), 19);
        points.size = 9;
        QCOMPARE(kvx::app::qtFontFor(points).pixelSize(), 12);
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
