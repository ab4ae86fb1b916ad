// The whole evaluation path on arbitrary bytes: read (from memory, into one
// data set every input reuses), graph, loops, skeleton with an approximation,
// elasto-plastic model, the editor's evaluation and the wall evaluation.
// Nothing may crash and no written text may hold NaN or inf.
#include "analysis/loop_file.h"
#include "analysis/skeleton_editor.h"
#include "analysis/wall_evaluation.h"
#include "data/standard_csv_reader.h"
#include "fuzz_support.h"
#include "plot/graph_command.h"
#include "plot/null_canvas.h"
#include "plot/skeleton_evaluation.h"

namespace {

// Every input starts from a new command state, copied into arrays that are
// kept: building 480 KB of fresh work arrays took a tenth of every input.
kvx::plot::GraphState& freshState() {
    static const kvx::plot::GraphState pristine;
    static kvx::plot::GraphState state;
    state = pristine;
    return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    using namespace kvx;
    fuzz::QuietInteraction ia;
    data::MeasurementData& d = fuzz::sharedDataSet();
    const fuzz::ReadGuard guard(d);
    const int rows = data::readStandardCsvBytes(fuzz::bytesOf(data + 2, size - 2), data::ForceUnit::kN, ia, d).rows;
    guard.check(rows);
    if (rows == 0) return 0;  // the data set still holds an earlier input's rows

    static constexpr int kDegrees[] = {0, 7, 9, 11, 13, 99};
    plot::GraphOptions o;
    o.dataLoaded = true;
    o.channelChecked[d.header.ChannelCount >= 2 ? 1 : 0] = true;
    o.mode = (data[0] & 1) ? plot::DisplayMode::Loop : plot::DisplayMode::All;
    o.skeleton = true;
    o.elastoPlastic = true;
    o.fileOutput = (data[0] & 2) != 0;
    o.frame.fullScale = (data[0] & 4) != 0;
    o.frame.originCentred = (data[0] & 8) == 0;
    o.smooth = (data[0] & 16) != 0;
    o.ApproximationDegree = kDegrees[data[1] % 6];
    o.resultDirectory = fuzz::workDir();
    plot::GraphState& state = freshState();
    plot::NullCanvas canvas;
    plot::NullGraphHost host;
    plot::runGraphCommand(d, o, state, canvas, ia, host);

    for (const auto& loop : state.loops) fuzz::assertFinite(analysis::LoopFile::line(loop));
    const plot::SkeletonState& s = state.skeleton;
    if (s.evaluated) {
        plot::SkeletonOptions so;
        if (const auto text = plot::skeletonFileText(s.curve, so)) fuzz::assertFinite(*text);
        fuzz::assertFinite(analysis::elastoRow("f", 1, 2, s.labels), d.header);
        for (const auto& name : analysis::CharacteristicLabels::names())
            fuzz::assertFinite(s.labels.text(name), d.header);
        const auto n = static_cast<std::size_t>(s.curve.count);
        const analysis::PlotUnits units{"kN", "rad"};
        const auto e = analysis::evaluateEditorPoints(std::span<const double>(s.curve.X).first(n),
                                                      std::span<const double>(s.curve.Y).first(n), units);
        for (const auto& [name, text] : e.labels) fuzz::assertFinite(text);
        analysis::WallEvaluation wall;
        wall.copy(s.curve, e.handOff, "rad", data::ForceUnit::kN, {"f.csv", 1, 1, 1});
        fuzz::assertFinite(wall.rowText(), d.header);
    }
    return 0;
}
