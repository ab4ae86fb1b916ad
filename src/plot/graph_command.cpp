// The Graph command and its plot pass, in the order the program has always
// drawn: validate, then per display channel: work arrays, frame, series,
// envelope, extreme points, pauses, legend.
#include "plot/graph_command.h"

#include "analysis/loop_detection.h"
#include "analysis/loop_file.h"
#include "text/printf.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>

namespace kvx::plot {
namespace {

constexpr Pixel kMinMaxOffsets[4] = {{0, -300}, {200, -300}, {0, 0}, {200, 0}};

class BusyCursor {
public:
    explicit BusyCursor(GraphHost& host) : m_host(host) { m_host.setBusy(true); }
    ~BusyCursor() { m_host.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    GraphHost& m_host;
};

std::string rowRange(int first, int last, const char* separator) {
    return text::format("%d%s%d", first, separator, last);
}

// The effective switches of one command after the display mode has had its say.
struct CommandSwitches {
    bool envelope = false;
    bool minMaxOn = false;
    Pixel minMaxOffset;
    analysis::LoopFile* loopFile = nullptr;  // LOOP.CSV while the first pass writes it
    bool skeleton = false;                   // the skeleton evaluation follows all-data and region plots
    bool skeletonFiles = false;              // CBFile for the skeleton: consumed by the first evaluation
};

class PlotPass {
public:
    PlotPass(const data::MeasurementData& data, const GraphOptions& o, CommandSwitches& sw,
             std::span<const int> displayChannels, GraphState& state, Canvas& canvas, ui::Interaction& ia,
             GraphHost& host)
        : m_data(data), m_o(o), m_sw(sw), m_display(displayChannels), m_state(state), m_canvas(canvas), m_ia(ia),
          m_host(host), m_magnitudes(data) {}

    void run(int passIndex, int xChannel, int yChannel);

private:
    bool buildWorkArrays(int xChannel, int yChannel);
    double drawRows(int passIndex, int s, int e, int nonMainChannel, Rgb remembered);
    void pause(int firstRow, int lastRow, const analysis::LoopValues* loop);
    void evaluateSkeleton(int xChannel, int yChannel, int rows);
    FrameMapping mapping() const { return {m_state.frame, m_state.place}; }

    const data::MeasurementData& m_data;
    const GraphOptions& m_o;
    CommandSwitches& m_sw;
    std::span<const int> m_display;
    GraphState& m_state;
    Canvas& m_canvas;
    ui::Interaction& m_ia;
    GraphHost& m_host;
    std::vector<Pixel> m_run;        // the rows of the current run
    RunningMagnitudes m_magnitudes;  // of the data set, for every frame and full scale of the command
};

bool PlotPass::buildWorkArrays(int xChannel, int yChannel) {
    const int n = m_data.RowCount;
    const auto sign = [&](int channel) { return m_o.signInverted[static_cast<std::size_t>(channel - 1)] ? -1.0 : 1.0; };
    std::vector<double>& X = m_state.X;
    std::vector<double>& Y = m_state.Y;
    for (int i = 0; i < n; ++i) {
        X[static_cast<std::size_t>(i)] = sign(xChannel) * static_cast<double>(m_data.value(i, xChannel - 1));
        Y[static_cast<std::size_t>(i)] = sign(yChannel) * static_cast<double>(m_data.value(i, yChannel - 1));
    }
    const std::span<double> xs(X.data(), static_cast<std::size_t>(n));
    const std::span<double> ys(Y.data(), static_cast<std::size_t>(n));
    if (m_o.smooth) {
        Smooth(xs, m_o.SmoothingSize);
        Smooth(ys, m_o.SmoothingSize);
    }
    if (m_o.frame.fullScale) {
        // Unsmoothed, the largest magnitudes are the channels' own, known
        // after the first series.
        const double mx = 0.01 * (m_o.smooth ? MaxAbs(xs) : m_magnitudes.whole(xChannel - 1));
        const double my = 0.01 * (m_o.smooth ? MaxAbs(ys) : m_magnitudes.whole(yChannel - 1));
        // A channel of zeros has no full scale: dividing would fill the graph with NaN.
        if (mx == 0.0 || my == 0.0) {
            const int channel = mx == 0.0 ? xChannel : yChannel;
            m_ia.message(text::format(text::translate("kvx::plot", "%d CH のデータがすべて 0 のため、フルスケール表示ができません．").c_str(), channel),
                         text::translate("kvx::plot", "フルスケールエラー"), ui::Icon::Warning);
            return false;
        }
        for (double& v : xs) v /= mx;
        for (double& v : ys) v /= my;
    }
    return true;
}

// Draws rows s ... e-1; in loop mode returns the loop area accumulated on the way.
double PlotPass::drawRows(int passIndex, int s, int e, int nonMainChannel, Rgb remembered) {
    const FramePlacement place = m_state.place;
    // Every mode, region included: the first pass has just drawn the frame,
    // whose 1-pixel pen would otherwise thin a bold series.
    Pen pen = seriesPen(nonMainChannel, m_o.styles, m_o.colorDisplay, m_o.boldAll);
    pen.color = m_sw.envelope ? kButtonFace : remembered;
    m_canvas.setPen(pen);

    const FrameMapping map = mapping();
    const auto& X = m_state.X;
    const auto& Y = m_state.Y;
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    const Pixel start = map.toPixel(X[at(s)], Y[at(s)]);
    m_canvas.moveTo(start);
    if (m_o.mode == DisplayMode::Loop) m_canvas.ellipse({start.x - 3, start.y - 3}, {start.x + 3, start.y + 3});

    const int rightEdge = place.FrameLeft + 4 * m_state.frame.DivisionWidth;
    const MarkShape shape = markShapeOf(passIndex);
    const bool loop = m_o.mode == DisplayMode::Loop;
    double area = 0.0;
    Pixel last = start;
    // The rows go over in runs, one call per run instead of one per row. A mark
    // ends a run: a circle is filled white over the lines drawn before it and
    // under the lines after it.
    std::vector<Pixel>& run = m_run;
    run.clear();
    const auto drawRun = [&] {
        if (!run.empty()) m_canvas.polylineTo(run);
        run.clear();
    };
    // Marks go on the rows that are multiples of the interval, counted off
    // rather than divided out on every row.
    const int interval = m_o.MarkInterval;
    int nextMark = m_o.marks && interval > 0 ? (s + interval) / interval * interval : -1;
    for (int i = s + 1; i < e; ++i) {
        if (loop) area += (Y[at(i)] - Y[at(i - 1)]) * X[at(i)];
        const Pixel p = map.toPixel(X[at(i)], Y[at(i)]);
        last = p;
        const bool markRow = i == nextMark;
        if (markRow) nextMark += interval;
        if (p.x > rightEdge) continue;
        run.push_back(p);
        if (markRow) {
            drawRun();
            drawMark(m_canvas, p, shape);
        }
    }
    drawRun();
    if (m_o.mode == DisplayMode::Loop) {
        m_canvas.moveTo({last.x - 3, last.y - 3});
        m_canvas.lineTo({last.x + 3, last.y + 3});
        m_canvas.moveTo({last.x - 3, last.y + 3});
        m_canvas.lineTo({last.x + 3, last.y - 3});
        m_canvas.lineTo(start);
    }
    if (m_sw.envelope) {
        const std::span<const double> xs(X), ys(Y);
        drawEnvelope(m_canvas, map, envelopePolygon(xs, ys, s, e), remembered);
    }
    if (m_o.mode == DisplayMode::Loop && m_host.alwaysCopyOnPause()) m_host.copyPictureToClipboard();

    int first = 0, lastRow = m_data.RowCount - 1;
    if (m_o.mode == DisplayMode::Step || m_o.mode == DisplayMode::Loop) {
        first = std::max(s - 1, 0);
        lastRow = e - 1;
    } else if (m_o.mode == DisplayMode::Region) {
        first = m_state.regionStart - 1;
        lastRow = m_state.regionEnd - 1;
    }
    // Only the first pass's extreme points are kept and labelled.
    if (passIndex == 0) {
        const Extremes extremes = extremePoints(std::span<const double>(X).first(at(m_data.RowCount)),
                                                std::span<const double>(Y).first(at(m_data.RowCount)), first, lastRow);
        m_state.firstPassExtremes = extremes;
        if (m_sw.minMaxOn) drawMinMaxLabels(m_canvas, extremes, m_sw.minMaxOffset, m_state.frame, place);
    }
    m_state.drewSomething = true;
    return area;
}

void PlotPass::pause(int firstRow, int lastRow, const analysis::LoopValues* loop) {
    m_host.pictureChanged();
    ui::PauseInfo info;
    info.rows = rowRange(firstRow, lastRow, "～");
    if (loop) {
        info.area = analysis::areaText(*loop);
        info.damping = analysis::dampingText(*loop);
        info.stiffness = analysis::stiffnessText(*loop);
    }
    switch (m_ia.pause(info)) {
    case ui::PauseAnswer::Next: m_state.backFlag = 0, m_state.continueFlag = 1; break;
    case ui::PauseAnswer::Back: m_state.backFlag = 1, m_state.continueFlag = 1; break;
    case ui::PauseAnswer::Stop: m_state.continueFlag = 0; break;
    case ui::PauseAnswer::Closed: break;  // the flags stay as the last button left them
    }
}

std::string withoutLeadingBlanks(const std::string& s) {
    const auto p = s.find_first_not_of(' ');
    return p == std::string::npos ? std::string() : s.substr(p);
}

void PlotPass::evaluateSkeleton(int xChannel, int yChannel, int rows) {
    SkeletonOptions so;
    so.editSkeleton = m_o.editSkeleton;
    so.wallEvaluation = m_o.wallEvaluation;
    so.fileOutput = m_sw.skeletonFiles;
    so.elastoPlastic = m_o.elastoPlastic;
    so.firstQuadrant = !m_o.frame.originCentred;
    so.guideLines = m_o.guideLines;
    so.approximationDegree = m_o.ApproximationDegree;
    so.xChannel = xChannel;
    so.yChannel = yChannel;
    so.xName = m_data.header.pointNames[static_cast<std::size_t>(xChannel - 1)];
    so.yName = m_data.header.pointNames[static_cast<std::size_t>(yChannel - 1)];
    so.units = {withoutLeadingBlanks(m_state.frame.YUnit), withoutLeadingBlanks(m_state.frame.XUnit)};
    so.resultDirectory = m_o.resultDirectory;
    so.dataFileName = m_o.dataFileName;
    const auto n = static_cast<std::size_t>(rows);
    runSkeletonEvaluation(std::span<const double>(m_state.X).first(n), std::span<const double>(m_state.Y).first(n), so,
                          m_state.skeleton, m_canvas, mapping(), m_ia, m_host, m_host.elastoFile());
    // The file request is one-shot: later channels of the same command write nothing.
    m_sw.skeletonFiles = false;
}

void PlotPass::run(int passIndex, int xChannel, int yChannel) {
    if (!buildWorkArrays(xChannel, yChannel)) return;
    const int rows = m_data.RowCount;
    const int nonMain = m_o.mainOnX ? yChannel : xChannel;

    int s = 0, e = rows, p = 0;
    std::vector<int> boundaries;  // loop mode: loop ends found by the loop judgment
    std::size_t k = 0;
    switch (m_o.mode) {
    case DisplayMode::All: break;
    case DisplayMode::Step:
        p = -m_o.StepSize;
        e = std::min(m_o.StepSize, rows);
        break;
    case DisplayMode::Loop: {
        // Zero crossings of the main channel, or peaks of the other one.
        const bool zero = m_o.judgment == LoopJudgment::ZeroLevel;
        const bool scanY = zero ? !m_o.mainOnX : m_o.mainOnX;
        const std::vector<double>& scanned = scanY ? m_state.Y : m_state.X;
        boundaries = analysis::loopBoundaries(std::span<const double>(scanned).first(static_cast<std::size_t>(rows)),
                                              zero ? analysis::LoopMethod::ZeroLevel : analysis::LoopMethod::Extrema);
        if (!boundaries.empty()) e = std::min(boundaries[0], rows);
        break;
    }
    case DisplayMode::Region:
        s = m_state.regionStart;
        e = m_state.regionEnd;
        break;
    }
    const bool loop = m_o.mode == DisplayMode::Loop;
    analysis::LoopValues loopShown;

    while (e <= rows && (!loop || k < boundaries.size())) {
        const Rgb remembered = m_canvas.pen().color;  // before the frame turns the pen black
        if (passIndex == 0) {
            int first = 1, last = rows;
            if ((m_o.mode == DisplayMode::Step || loop) && !m_o.fixedAxes) last = e;
            if (m_o.mode == DisplayMode::Region) first = m_state.regionStart, last = m_state.regionEnd;
            PrepareFrame(m_state.frame, m_data, m_display, first, last, m_o.frame, m_state.place, m_canvas, m_ia,
                         &m_magnitudes);
        }
        m_state.angleGraph = m_state.frame.XUnit == "rad";
        // A region can reach past the rows (a region left from an earlier file); nothing to draw then.
        if (s >= rows || s < 0) break;
        const double area = drawRows(passIndex, s, e, nonMain, remembered);

        if (m_o.mode == DisplayMode::Region) break;
        m_state.regionStart = s;
        m_state.regionEnd = e;
        if (e == rows) break;
        if (m_o.mode == DisplayMode::Step) {
            m_host.showRowLabel(rowRange(s + 1, e, " ～ "));
            p = s;
            s += m_o.StepSize;
            e = std::min(e + m_o.StepSize, rows);
        } else if (loop) {
            m_host.showRowLabel(rowRange(s + 1, e, " ～ "));
            loopShown = analysis::loopValues(m_state.X, m_state.Y, s, e, area);
            if (passIndex == 0) {
                m_state.loops.push_back(loopShown);
                if (m_sw.loopFile) m_sw.loopFile->write(loopShown);
            }
            p = s;
            s = boundaries[k];
            ++k;
            if (k < boundaries.size()) e = std::min(boundaries[k], rows);
        }
        pause(p + 1, s, loop ? &loopShown : nullptr);
        if (m_state.continueFlag == 0) break;
        if (m_state.backFlag == 1) {
            if (m_o.mode == DisplayMode::Step) {
                s = std::max(s - 2 * m_o.StepSize, 0);
                p = 0;
                e = s + m_o.StepSize;
            } else {
                k = k >= 2 ? k - 2 : 0;
                p = 0;
                s = k == 0 ? 0 : boundaries[k - 1];
                e = boundaries[k];
            }
        }
    }
    if (m_o.mode == DisplayMode::All) m_host.showRowLabel(text::format("1 ～ %d", e));
    if (m_o.mode == DisplayMode::Region) m_host.showRowLabel(rowRange(m_state.regionStart, m_state.regionEnd, " ～ "));
    if (m_sw.skeleton) {
        // From the first row: a region's skeleton includes the rows before it.
        const int n = m_o.mode == DisplayMode::All ? rows : std::min(m_state.regionEnd, rows);
        evaluateSkeleton(xChannel, yChannel, std::max(n, 0));
    }
    if (m_o.legend) {
        const LegendBox box = drawLegend(m_canvas, m_display, m_data.header, m_o.legendPosition, m_o.styles,
                                         m_o.colorDisplay, m_o.boldAll, m_o.marks);
        m_state.legendPosition = box.position;
        m_state.legendSize = box.size;
        m_state.legendShown = true;
    }
}

void finishLoopFile(analysis::LoopFile& file, ui::Interaction& ia, GraphHost& host) {
    if (!file.close()) {
        ia.message(text::translate("kvx::plot", "LOOP.CSVへの書き込みに失敗しました\n") + file.path(), text::translate("kvx::plot", "ファイル出力エラー"), ui::Icon::Warning);
        return;
    }
    ia.message(text::translate("kvx::plot", "ループ情報をLoop.csvに出力しました"), text::translate("kvx::plot", "ループ情報ファイル出力"), ui::Icon::Warning);
    host.uncheckFileOutput();
}

}  // namespace

void runGraphCommand(const data::MeasurementData& data, const GraphOptions& o, GraphState& state, Canvas& canvas,
                     ui::Interaction& ia, GraphHost& host) {
    if (!o.dataLoaded) {
        ia.message(text::translate("kvx::plot", "ファイルの選択がされていません"), text::translate("kvx::plot", "ファイル選択エラー"), ui::Icon::Warning);
        return;
    }
    CommandSwitches sw;
    int checkedMinMax = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!o.minMax[i]) continue;
        ++checkedMinMax;
        sw.minMaxOffset = kMinMaxOffsets[i];
    }
    if (checkedMinMax >= 2) {
        ia.message(text::translate("kvx::plot", "MinMax表示位置を選択できるのは1個までです"), text::translate("kvx::plot", "選択エラー"), ui::Icon::Warning);
        return;
    }
    sw.minMaxOn = checkedMinMax == 1;

    state.lastFirst = 1;
    state.lastLast = data.RowCount;
    if (o.mode == DisplayMode::Step || o.mode == DisplayMode::Loop) host.uncheckForStepAndLoop();
    analysis::LoopFile loopFile;  // closed by its destructor if a check below stops the command
    if (o.mode == DisplayMode::Loop && o.fileOutput) {
        if (loopFile.open(o.resultDirectory)) {
            sw.loopFile = &loopFile;
        } else {
            ia.message(text::translate("kvx::plot", "LOOP.CSVを作成できません（使用中か、書き込みできないフォルダです）\n") + loopFile.path(),
                       text::translate("kvx::plot", "ファイル出力エラー"), ui::Icon::Warning);
        }
    }
    if (o.mode == DisplayMode::Region) {
        state.lastFirst = state.regionStart;
        state.lastLast = state.regionEnd;
    }
    sw.envelope = o.envelope && (o.mode == DisplayMode::All || o.mode == DisplayMode::Region);
    sw.skeleton = o.skeleton && (o.mode == DisplayMode::All || o.mode == DisplayMode::Region);
    sw.skeletonFiles = sw.skeleton && o.fileOutput;

    std::vector<int> display;
    for (int k = 1; k <= std::min(data.header.ChannelCount, data::kMaxChannels); ++k)
        if (o.channelChecked[static_cast<std::size_t>(k - 1)]) display.push_back(k);
    if (display.empty()) {
        ia.message(text::translate("kvx::plot", "チャンネルの選択がされていません"), text::translate("kvx::plot", "チャンネル選択エラー"), ui::Icon::Warning);
        return;
    }
    if (display.size() >= 2 && !o.frame.fullScale) {
        const std::string& unit = data.header.units[static_cast<std::size_t>(display[0] - 1)];
        for (int c : display) {
            if (data.header.units[static_cast<std::size_t>(c - 1)] != unit) {
                ia.message(text::translate("kvx::plot", "表示しようとするデータの単位が一致しておりません"), text::translate("kvx::plot", "単位不一致エラー"), ui::Icon::Warning);
                return;
            }
        }
    }
    if (o.mainChannel < 1 || o.mainChannel > data.header.ChannelCount) {
        ia.message(text::translate("kvx::plot", "このチャンネルは選択できません"), text::translate("kvx::plot", "チャンネル選択エラー"), ui::Icon::Warning);
        return;
    }

    BusyCursor busy(host);
    state.drewSomething = false;
    state.loops.clear();
    PlotPass pass(data, o, sw, display, state, canvas, ia, host);
    for (std::size_t index = 0; index < display.size(); ++index) {
        const int d = display[index];
        const int xChannel = o.mainOnX ? o.mainChannel : d;
        const int yChannel = o.mainOnX ? d : o.mainChannel;
        canvas.setPen(seriesPen(d, o.styles, o.colorDisplay, o.boldAll));
        pass.run(static_cast<int>(index), xChannel, yChannel);
        // LOOP.CSV holds the first display channel's loops: its lines name no
        // channel, so later channels' loops would be indistinguishable.
        if (index == 0 && sw.loopFile) finishLoopFile(*sw.loopFile, ia, host);
        sw.loopFile = nullptr;
    }
}

}  // namespace kvx::plot
