// The Graph command's picture as the Qt canvas draws it now (the rows of each
// series handed over in runs, thin lines set pixel by pixel) against the same
// picture drawn one lineTo per row by QPainter, pixel for pixel: on the sample
// and on a measured record, in the options that change the drawing.
#include "app/qt_canvas.h"
#include "data/standard_csv_reader.h"
#include "plot/graph_command.h"
#include "ui/scripted_interaction.h"
#include "window_fixture.h"

#include <QFileInfo>

#include <cmath>
#include <string>

using kvx::app::QtCanvas;
using kvx::plot::Pixel;

namespace {

// Forwards every call to a QtCanvas but polylineTo, which the Canvas writes out
// as the lineTo calls it stands for: the drawing one call per row.
class LineByLineCanvas : public kvx::plot::Canvas {
public:
    explicit LineByLineCanvas(QtCanvas& target) : m_target(target) {}
    void setPen(const kvx::plot::Pen& p) override { m_target.setPen(p); }
    kvx::plot::Pen pen() const override { return m_target.pen(); }
    void setBrush(const kvx::plot::Brush& b) override { m_target.setBrush(b); }
    kvx::plot::Brush brush() const override { return m_target.brush(); }
    void setFont(const kvx::plot::Font& f) override { m_target.setFont(f); }
    kvx::plot::Font font() const override { return m_target.font(); }
    void moveTo(Pixel p) override { m_target.moveTo(p); }
    void lineTo(Pixel p) override { m_target.lineTo(p); }
    void rectangle(Pixel a, Pixel b) override { m_target.rectangle(a, b); }
    void ellipse(Pixel a, Pixel b) override { m_target.ellipse(a, b); }
    void polyline(const std::vector<Pixel>& points) override { m_target.polyline(points); }
    void fillRect(Pixel a, Pixel b) override { m_target.fillRect(a, b); }
    void textOut(Pixel p, std::string_view text, kvx::plot::TextEncoding e) override { m_target.textOut(p, text, e); }
    kvx::plot::PixelSize textExtent(std::string_view text, kvx::plot::TextEncoding e) const override {
        return m_target.textExtent(text, e);
    }

private:
    QtCanvas& m_target;
};

kvx::data::MeasurementData read(const std::string& path) {
    kvx::ui::ScriptedInteraction ia;
    kvx::data::MeasurementData data;
    kvx::data::readStandardCsv(path, kvx::data::ForceUnit::kN, ia, data);
    return data;
}

// 30,000 rows of 16 channels: the largest table, where the marks of three shapes
// and the envelopes of many channels overlap.
kvx::data::MeasurementData fullTable() {
    kvx::data::MeasurementData d;
    d.header.ChannelCount = 16;
    for (std::size_t c = 0; c < 16; ++c) {
        d.header.units[c] = c == 0 ? "kN" : "mm";
        d.header.pointNames[c] = "CH" + std::to_string(c + 1);
    }
    d.RowCount = kvx::data::kMaxRows;
    for (int r = 0; r < d.RowCount; ++r) {
        const double cycle = std::sin(r * 0.01) * (1 + r / 3000.0);
        for (int c = 0; c < 16; ++c) d.cell(r, c) = static_cast<float>(cycle * (c + 1) + std::cos(r * 0.003 * c));
    }
    return d;
}

// The picture on the canvas's own image (rows in runs, thin lines set pixel by
// pixel), or, for `lineByLine`, on a canvas over another image, where QPainter
// draws every line, one lineTo per row.
QImage render(const kvx::data::MeasurementData& data, const kvx::plot::GraphOptions& o, bool lineByLine) {
    const auto run = [&](kvx::plot::Canvas& canvas) {
        kvx::plot::GraphState state;
        state.regionStart = 100;
        state.regionEnd = 1500;
        kvx::ui::ScriptedInteraction ia;
        kvx::plot::NullGraphHost host;
        kvx::plot::runGraphCommand(data, o, state, canvas, ia, host);
    };
    if (!lineByLine) {
        QtCanvas canvas;
        run(canvas);
        return canvas.image().copy();
    }
    QImage painted(kvx::app::kImageWidth, kvx::app::kImageHeight, QImage::Format_RGB32);
    painted.fill(Qt::white);
    QtCanvas canvas(painted);
    LineByLineCanvas reference(canvas);
    run(reference);
    canvas.finish();
    return painted;
}

struct Options {
    const char* name;
    void (*set)(kvx::plot::GraphOptions&);
};

const Options kOptionSets[] = {
    {"plain", [](kvx::plot::GraphOptions&) {}},
    {"marks", [](kvx::plot::GraphOptions& o) { o.marks = true; }},
    {"envelope", [](kvx::plot::GraphOptions& o) { o.envelope = true; }},
    {"smoothing over 5 rows", [](kvx::plot::GraphOptions& o) { o.smooth = true, o.SmoothingSize = 5; }},
    {"loops", [](kvx::plot::GraphOptions& o) { o.mode = kvx::plot::DisplayMode::Loop; }},
    {"first quadrant with marks",
     [](kvx::plot::GraphOptions& o) {
         o.frame.originCentred = false, o.marks = true, o.minMax = {true, false, false, false};
     }},
    {"region", [](kvx::plot::GraphOptions& o) { o.mode = kvx::plot::DisplayMode::Region; }},
    {"bold with marks", [](kvx::plot::GraphOptions& o) { o.boldAll = true, o.marks = true; }},
    {"bold envelope", [](kvx::plot::GraphOptions& o) { o.boldAll = true, o.envelope = true; }},
    {"bold loops", [](kvx::plot::GraphOptions& o) { o.boldAll = true, o.mode = kvx::plot::DisplayMode::Loop; }},
    {"skeleton and both models",
     [](kvx::plot::GraphOptions& o) { o.skeleton = true, o.elastoPlastic = true, o.ApproximationDegree = 99; }},
};

QByteArray differences(const QImage& got, const QImage& want) {
    int count = 0;
    QByteArray first;
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y) && count++ == 0)
                first = " first at (" + QByteArray::number(x) + ", " + QByteArray::number(y) + ")";
    return count == 0 ? QByteArray() : QByteArray::number(count) + " pixels differ," + first;
}

}  // namespace

class GraphPixelsTest : public QObject {
    Q_OBJECT
private slots:
    void rowsInRunsDrawTheSamePicture_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("options");
        const QString files[] = {QStringLiteral(SAMPLES_DIR "/racking-test.csv"),
                                 QStringLiteral(SHARED_DATA_DIR "/real/clt_connection_SPC1_half.kvx.csv")};
        for (const QString& file : files)
            for (int k = 0; k < static_cast<int>(std::size(kOptionSets)); ++k)
                QTest::newRow((QFileInfo(file).fileName() + ", " + kOptionSets[k].name).toUtf8().constData())
                    << file << k;
    }
    void rowsInRunsDrawTheSamePicture() {
        QFETCH(QString, file);
        QFETCH(int, options);
        // The lab records sit beside the project, not in it: a clone alone has only the sample.
        if (!QFileInfo::exists(file)) QSKIP("the lab records are not checked out beside the project");
        const auto data = read(file.toStdString());
        QVERIFY(data.RowCount > 1000);
        kvx::plot::GraphOptions o;
        o.dataLoaded = true;
        o.channelChecked[1] = true;
        kOptionSets[options].set(o);
        const QImage runs = render(data, o, false), lines = render(data, o, true);
        const QByteArray diff = differences(runs, lines);
        QVERIFY2(diff.isEmpty(), diff.constData());
    }

    void sixteenChannelsOfTheFullTableDrawTheSamePicture_data() {
        QTest::addColumn<bool>("envelope");
        QTest::newRow("marks of three shapes") << false;
        QTest::newRow("envelopes over faint traces") << true;
    }
    void sixteenChannelsOfTheFullTableDrawTheSamePicture() {
        QFETCH(bool, envelope);
        static const kvx::data::MeasurementData data = fullTable();
        kvx::plot::GraphOptions o;
        o.dataLoaded = true;
        o.frame.fullScale = true;
        for (std::size_t c = 0; c < 16; ++c) o.channelChecked[c] = true;
        o.marks = !envelope;
        o.envelope = envelope;
        const QImage runs = render(data, o, false), lines = render(data, o, true);
        const QByteArray diff = differences(runs, lines);
        QVERIFY2(diff.isEmpty(), diff.constData());
    }
};

KVX_REGISTER_TEST(GraphPixelsTest);
#include "graph_pixels_test.moc"
