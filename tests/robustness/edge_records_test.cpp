// Tiny, flat and one-sided records through every evaluation: no crash and no
// NaN or infinity in anything the program would show or write.
#include "analysis/loop_file.h"
#include "analysis/skeleton_editor.h"
#include "analysis/wall_evaluation.h"
#include "plot/graph_command.h"
#include "plot/null_canvas.h"
#include "plot/skeleton_evaluation.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace kvx;

namespace {

bool finiteText(const std::string& s) {
    for (const char* bad : {"nan", "inf", "NAN", "INF"})
        if (s.find(bad) != std::string::npos) return false;
    return true;
}

data::MeasurementData record(int rows, const std::function<double(int)>& load, const std::function<double(int)>& disp) {
    data::MeasurementData d;
    d.header.ChannelCount = 2;
    d.header.pointNames = {"P", "D"};
    d.header.units = {"kN", "rad"};
    d.RowCount = rows;
    for (int i = 0; i < rows; ++i) d.cell(i, 0) = static_cast<float>(load(i)), d.cell(i, 1) = static_cast<float>(disp(i));
    return d;
}

}  // namespace

TEST(EdgeRecords, EveryEvaluationStaysFinite) {
    struct Case {
        const char* name;
        data::MeasurementData d;
    };
    const auto sine = [](int i) { return std::sin(i * 0.3); };
    std::vector<Case> cases;
    for (int rows = 1; rows <= 6; ++rows) cases.push_back({"tiny", record(rows, sine, sine)});
    cases.push_back({"constant channels", record(200, [](int) { return 5.0; }, [](int) { return 0.01; })});
    cases.push_back({"all zero", record(200, [](int) { return 0.0; }, [](int) { return 0.0; })});
    cases.push_back({"all-negative loads", record(300, [](int i) { return -1 - i * 0.1; }, [](int i) { return -i * 1e-4; })});
    cases.push_back({"positive only", record(300, [](int i) { return i * 0.1; }, [](int i) { return i * 1e-4; })});
    cases.push_back({"huge values", record(300, [](int i) { return 1e30 * std::sin(i * 0.1); }, [](int i) { return 1e30 * std::cos(i * 0.1); })});
    for (const auto& c : cases) {
        for (int degree : {0, 7, 99}) {
            for (auto mode : {plot::DisplayMode::All, plot::DisplayMode::Loop, plot::DisplayMode::Step}) {
                SCOPED_TRACE(std::string(c.name) + " rows " + std::to_string(c.d.RowCount) + " degree " +
                             std::to_string(degree) + " mode " + std::to_string(static_cast<int>(mode)));
                plot::GraphOptions o;
                o.dataLoaded = true;
                o.channelChecked[1] = true;
                o.mode = mode;
                o.skeleton = true;
                o.elastoPlastic = true;
                o.ApproximationDegree = degree;
                o.frame.fullScale = degree == 7;
                plot::GraphState state;
                plot::NullCanvas canvas;
                ui::ScriptedInteraction ia;
                plot::NullGraphHost host;
                plot::runGraphCommand(c.d, o, state, canvas, ia, host);
                for (const auto& loop : state.loops) EXPECT_TRUE(finiteText(analysis::LoopFile::line(loop)));
                if (!state.skeleton.evaluated) continue;
                const plot::SkeletonState& s = state.skeleton;
                if (const auto text = plot::skeletonFileText(s.curve, {})) {
                    EXPECT_TRUE(finiteText(*text));
                }
                EXPECT_TRUE(finiteText(analysis::elastoRow("f", 2, 1, s.labels)));
                const auto n = static_cast<std::size_t>(s.curve.count);
                const auto e = analysis::evaluateEditorPoints(std::span<const double>(s.curve.X).first(n),
                                                              std::span<const double>(s.curve.Y).first(n), {"kN", "rad"});
                for (const auto& [name, text] : e.labels) EXPECT_TRUE(finiteText(text)) << name;
                analysis::WallEvaluation wall;
                wall.copy(s.curve, e.handOff, "rad", data::ForceUnit::kN, {"f.csv", 2, 1, 1});
                EXPECT_TRUE(finiteText(wall.rowText()));
            }
        }
    }
}
