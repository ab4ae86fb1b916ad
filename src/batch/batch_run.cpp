// Reads the data file with the program's own core and reports it.
#include "batch/batch_run.h"

#include "batch/cycles_json.h"
#include "batch/json_writer.h"
#include "data/open_data_file.h"
#include "data/standard_csv_writer.h"
#include "analysis/elasto_file.h"
#include "output/print_page.h"
#include "analysis/skeleton_editor.h"
#include "analysis/wall_evaluation.h"
#include "plot/graph_command.h"
#include "plot/null_canvas.h"
#include "text/cp932.h"
#include "text/printf.h"
#include "text/replacing_file.h"
#include "text/translate.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace kvx::batch {
namespace {

// The model's and the editor's failures stay Japanese in the files and the
// report; what the batch shows of them is in the user's language.
std::string shown(const std::string& analysisText) { return text::translate("kvx::analysis", analysisText.c_str()); }

template <typename Pick>
void textArray(JsonWriter& j, const data::ChannelHeader& h, Pick pick) {
    j.beginArray();
    for (int c = 0; c < h.ChannelCount; ++c) j.value(text::cp932ToUtf8Lossy(pick(static_cast<std::size_t>(c))));
    j.endArray();
}

void frameJson(JsonWriter& j, const plot::GraphFrame& f) {
    const auto text = [](const std::string& cp932) { return text::cp932ToUtf8Lossy(cp932); };
    j.key("frame").beginObject();
    j.key("XStep").value(f.XStep);
    j.key("YStep").value(f.YStep);
    j.key("XStart").value(f.XStart);
    j.key("YStart").value(f.YStart);
    j.key("XFormat").value(f.XFormat);
    j.key("YFormat").value(f.YFormat);
    j.key("XTitle").value(text(f.XTitle));
    j.key("YTitle").value(text(f.YTitle));
    j.key("XUnit").value(text(f.XUnit));
    j.key("YUnit").value(text(f.YUnit));
    j.endObject();
}

void extremesJson(JsonWriter& j, const plot::Extremes& e) {
    j.key("extremes").beginObject();
    j.key("Ymax_x").value(e.Ymax_x);
    j.key("Ymax_y").value(e.Ymax_y);
    j.key("Ymin_x").value(e.Ymin_x);
    j.key("Ymin_y").value(e.Ymin_y);
    j.key("Xmax_x").value(e.Xmax_x);
    j.key("Xmax_y").value(e.Xmax_y);
    j.key("Xmin_x").value(e.Xmin_x);
    j.key("Xmin_y").value(e.Xmin_y);
    j.endObject();
}

void loopsJson(JsonWriter& j, const std::vector<analysis::LoopValues>& loops) {
    j.key("loops").beginArray();
    for (const analysis::LoopValues& v : loops) {
        const analysis::Extremes& e = v.extremes;
        j.beginObject();
        j.key("from").value(v.from);
        j.key("to").value(v.to);
        j.key("area").value(v.area);
        j.key("W").value(static_cast<double>(v.W));
        if (v.heq) j.key("heq").value(static_cast<double>(*v.heq));
        else j.key("heq").null();
        if (v.K) j.key("K").value(static_cast<double>(*v.K));
        else j.key("K").null();
        j.key("ymax_x").value(e.Ymax_x);
        j.key("ymax_y").value(e.Ymax_y);
        j.key("ymin_x").value(e.Ymin_x);
        j.key("ymin_y").value(e.Ymin_y);
        j.key("yave_x").value(e.Yave_x);
        j.key("yave_y").value(e.Yave_y);
        j.key("xmax_x").value(e.Xmax_x);
        j.key("xmax_y").value(e.Xmax_y);
        j.key("xmin_x").value(e.Xmin_x);
        j.key("xmin_y").value(e.Xmin_y);
        j.key("xave_x").value(e.Xave_x);
        j.key("xave_y").value(e.Xave_y);
        j.endObject();
    }
    j.endArray();
}

void optionalValue(JsonWriter& j, const char* key, const std::optional<double>& v) {
    j.key(key);
    if (v) j.value(*v);
    else j.null();
}

void sideValuesJson(JsonWriter& j, const char* plus, const char* minus, const char* average,
                    const analysis::SideValues& v) {
    optionalValue(j, plus, v.plus);
    optionalValue(j, minus, v.minus);
    optionalValue(j, average, v.average);
}

void elastoSideJson(JsonWriter& j, const char* key, const std::optional<analysis::ElastoResult>& side) {
    j.key(key);
    if (!side) {
        j.null();
        return;
    }
    j.beginObject();
    if (!side->model) {
        j.key("error").value(shown(side->failure.caption));
    } else {
        const analysis::ElastoPlastic& m = *side->model;
        j.key("Pmax").value(m.Pmax);
        j.key("X01").value(m.X01);
        j.key("X04").value(m.X04);
        j.key("X09").value(m.X09);
        j.key("Tx").value(m.Tx);
        j.key("Ty").value(m.Ty);
        j.key("xc").value(m.xc);
        j.key("Py").value(m.Py);
        j.key("K").value(m.K);
        j.key("du").value(static_cast<double>(m.du));
        j.key("S").value(m.S);
        j.key("dv").value(m.dv);
        j.key("Pu").value(m.Pu);
    }
    j.endObject();
}

void skeletonJson(JsonWriter& j, const plot::SkeletonState& s) {
    j.key("skeleton").beginObject();
    j.key("count").value(s.curve.skeletonPoints);
    j.key("x").beginArray();
    for (double v : s.curve.storedX()) j.value(v);
    j.endArray();
    j.key("y").beginArray();
    for (double v : s.curve.storedY()) j.value(v);
    j.endArray();
    j.endObject();

    const analysis::RecordValues& r = s.record;
    j.key("record").beginObject();
    j.key("Pmax").value(r.Pmax);
    j.key("PmaxX").value(r.PmaxX);
    j.key("Pmin").value(r.Pmin);
    j.key("PminX").value(r.PminX);
    j.key("Pave").value(r.Pave);
    j.key("MaxD").value(r.MaxD);
    j.key("MinD").value(r.MinD);
    j.endObject();

    const analysis::MeasuredValues& m = s.measured;
    j.key("measured").beginObject();
    sideValuesJson(j, "PP120", "MP120", "AVP120", m.at120);
    sideValuesJson(j, "PP23", "MP23", "AVP23", {r.PP23, r.MP23, r.AVP23});
    sideValuesJson(j, "PP2G", "MP2G", "AVP2G", m.halfPeak);
    sideValuesJson(j, "minPP", "minMP", "minAVP", m.minimum);
    j.endObject();

    const analysis::MeasuredValues& a = s.approximated;
    j.key("approx").beginObject();
    j.key("coefficients").beginArray();
    for (double c : s.approximation.coefficients) j.value(c);
    j.endArray();
    sideValuesJson(j, "APP120", "AMP120", "AAVP120", a.at120);
    sideValuesJson(j, "APP23", "AMP23", "AAVP23", a.twoThirds);
    sideValuesJson(j, "APP2G", "AMP2G", "AAVP2G", a.halfPeak);
    sideValuesJson(j, "minAPP", "minAMP", "minAAVP", a.minimum);
    j.endObject();

    j.key("elasto").beginObject();
    elastoSideJson(j, "plus", s.plus);
    elastoSideJson(j, "minus", s.minus);
    j.endObject();

    j.key("labels").beginObject();
    for (const std::string& name : analysis::CharacteristicLabels::names())
        j.key(name).value(text::cp932ToUtf8Lossy(s.labels.text(name)));
    j.endObject();
}

// The editor's evaluation and the wall evaluation, as the editor and TKabe run them.
struct WallRun {
    analysis::EditorEvaluation editor;
    std::optional<analysis::StepFailure> wallFailure;
    const analysis::WallEvaluation* wall = nullptr;
};

void editorJson(JsonWriter& j, const analysis::EditorEvaluation& e) {
    j.key("editor").beginObject();
    if (e.failure) {
        j.key("error").value(shown(e.failure->caption));
        j.key("message").value(shown(e.failure->message));
    } else {
        j.key("Pmax").value(e.Pmax);
        j.key("gm").value(e.gm);
        j.key("X01").value(e.X01);
        j.key("X04").value(e.X04);
        j.key("X09").value(e.X09);
        j.key("Tx").value(e.Tx);
        j.key("Ty").value(e.Ty);
        j.key("xc").value(e.xc);
        j.key("Py").value(e.Py);
        j.key("dy").value(e.gy);
        j.key("K").value(e.K);
        j.key("du").value(static_cast<double>(e.du));
        j.key("dv").value(e.dv);
        j.key("Pu").value(e.Pu);
        optionalValue(j, "mu", e.mu);
        optionalValue(j, "Ds", e.Ds);
    }
    j.endObject();
}

void wallJson(JsonWriter& j, const WallRun& run) {
    j.key("wall").beginObject();
    // A refused wall evaluation always says so; the values the window would
    // still show (copied from the skeleton) stay beside the error.
    if (run.wallFailure) {
        j.key("error").value(run.wallFailure->caption);
        j.key("message").value(run.wallFailure->message);
    }
    if (!run.wall || run.wall->text("Edit1").empty()) {
        j.endObject();
        return;
    }
    const auto& n = run.wall->numbers();
    const auto f = [&](const char* key, float v) { j.key(key).value(static_cast<double>(v)); };
    const auto o = [&](const char* key, const std::optional<float>& v) {
        j.key(key);
        if (v) j.value(static_cast<double>(*v));
        else j.null();
    };
    f("Pmax", n.Pmax), f("gm", n.gm), f("Pend", n.Pend), f("gend", n.gend), f("Py", n.Py), f("dy", n.gy);
    f("Pu", n.Pu), f("gv", n.gv), f("gu", n.gu), f("K", n.K), f("P15", n.P15), f("P30", n.P30), f("P60", n.P60);
    f("P100", n.P100), f("P120", n.P120), f("P150", n.P150), f("Pgm2", n.Pgm2), f("PRefer", n.PRefer);
    o("mu", n.mu), o("Ds", n.Ds), o("Qa_current", n.QaCurrent), o("Qa_former", n.QaFormer);
    o("multiplier_current", n.multiplierCurrent), o("multiplier_former", n.multiplierFormer), o("ratio", n.ratio);
    const auto star = [&](const char* key, int s) {
        j.key(key);
        if (s >= 0) j.value(s);
        else j.null();
    };
    star("star_current", n.starCurrent);
    star("star_former", n.starFormer);
    j.endObject();
}

void importJson(JsonWriter& j, const data::ImportReport& r) {
    j.key("import").beginObject();
    j.key("format").value("generic");
    j.key("delimiter").value(data::delimiterName(r.dialect.delimiter));
    j.key("decimal").value(data::decimalName(r.dialect.decimal));
    j.key("encoding").value(data::encodingName(r.dialect.encoding));
    j.key("header_rows").value(r.dialect.headerRows);
    j.key("columns").beginArray();
    for (int c : r.plan.columns) j.value(c);
    j.endArray();
    j.key("units_from").beginArray();
    for (const auto& u : r.plan.units) j.value(u.from);
    j.endArray();
    j.key("units_to").beginArray();
    for (const auto& u : r.plan.units) j.value(u.to);
    j.endArray();
    j.key("factors").beginArray();
    for (const auto& u : r.plan.units) j.value(u.factor);
    j.endArray();
    j.key("rows_in_file").value(r.rowsInFile);
    j.key("rows_read").value(r.rowsRead);
    j.key("skipped_rows").value(r.skippedRows);
    j.key("thinned_from");
    if (r.thinnedFrom > 0) j.value(r.thinnedFrom);
    else j.null();
    j.key("step").value(r.plan.step);
    j.endObject();
}

std::string dataSetJson(const data::OpenedFile& opened, const plot::GraphState& graph, const WallRun* wall,
                        const CycleResults* cycles) {
    const data::MeasurementData& d = opened.data;
    const data::ChannelHeader& h = d.header;
    JsonWriter j;
    j.beginObject();
    j.key("file").value(opened.chosenPath);
    j.key("rows").value(d.RowCount);
    j.key("channels").value(h.ChannelCount);
    j.key("channel_numbers").beginArray();
    for (int c = 0; c < h.ChannelCount; ++c) j.value(h.channelNumbers[static_cast<std::size_t>(c)]);
    j.endArray();
    j.key("names");
    textArray(j, h, [&](std::size_t c) { return h.pointNames[c]; });
    j.key("instruments");
    textArray(j, h, [&](std::size_t c) { return h.instrumentNames[c]; });
    j.key("units");
    textArray(j, h, [&](std::size_t c) { return h.units[c]; });
    j.key("file_channels").value(opened.fileChannelCount);
    j.key("correspondence").beginArray();
    for (int e : opened.correspondence.entries) j.value(e);
    j.endArray();
    j.key("force_channel").value(d.ForceChannel);
    j.key("force_factor").value(static_cast<double>(d.ForceFactor));
    if (opened.import) importJson(j, *opened.import);
    frameJson(j, graph.frame);
    extremesJson(j, graph.firstPassExtremes);
    loopsJson(j, graph.loops);
    if (graph.skeleton.evaluated) skeletonJson(j, graph.skeleton);
    if (cycles) cycleResultsJson(j, *cycles);
    if (wall) {
        editorJson(j, wall->editor);
        wallJson(j, *wall);
    }
    j.endObject();
    return j.str();
}

/// The plain summary: the data set, then the results of what was asked.
std::string summary(const data::OpenedFile& opened, const plot::GraphState& graph, const WallRun* wall) {
    const data::ChannelHeader& h = opened.data.header;
    std::string out = text::format(text::translate("kvx::batch", "%s: %d data, %d チャンネル\n").c_str(), opened.chosenPath.c_str(), opened.data.RowCount,
                                   h.ChannelCount);
    for (std::size_t c = 0; c < static_cast<std::size_t>(h.ChannelCount); ++c)
        out += text::format("  %2zu CH  %s [%s]\n", c + 1, text::cp932ToUtf8Lossy(h.pointNames[c]).c_str(),
                            text::cp932ToUtf8Lossy(h.units[c]).c_str());
    const plot::SkeletonState& s = graph.skeleton;
    if (s.evaluated) {
        const std::string load = text::cp932ToUtf8Lossy(graph.frame.YUnit);
        const std::string x = text::cp932ToUtf8Lossy(graph.frame.XUnit);
        out += text::format(text::translate("kvx::batch", "最大荷重: 正側 Pmax = %.6g %s (%.6g %s), 負側 Pmin = %.6g %s (%.6g %s)\n").c_str(),
                            s.record.Pmax,
                            load.c_str(), s.record.PmaxX, x.c_str(), s.record.Pmin, load.c_str(), s.record.PminX, x.c_str());
        const auto model = [&](const std::string& side, const std::optional<analysis::ElastoResult>& r) {
            if (!r) return;
            if (!r->model) {
                out += text::format(text::translate("kvx::batch", "%s完全弾塑性モデル: %s\n").c_str(), side.c_str(),
                                    shown(r->failure.caption).c_str());
                return;
            }
            const analysis::ElastoPlastic& m = *r->model;
            const double mu = m.dv != 0 ? static_cast<double>(m.du) / m.dv : 0.0;
            out += text::format(text::translate("kvx::batch", "%s完全弾塑性モデル: Py = %.6g, Pu = %.6g, δv = %.6g, δu = %.6g, μ = %.4g").c_str(),
                                side.c_str(), m.Py,
                                m.Pu, m.dv, static_cast<double>(m.du), mu);
            if (mu > 0.5) out += text::format(", Ds = %.4g", 1 / std::sqrt(2 * mu - 1));
            out += "\n";
        };
        model(text::translate("kvx::batch", "正側"), s.plus);
        model(text::translate("kvx::batch", "負側"), s.minus);
    }
    if (wall && wall->wall) {
        const auto& n = wall->wall->numbers();
        if (wall->wallFailure) out += text::translate("kvx::batch", "壁倍率") + ": " + wall->wallFailure->caption + "\n";
        if (n.QaCurrent && n.multiplierCurrent)
            out += text::format(text::translate("kvx::batch", "壁倍率 (新基準): Qa = %.6g, 壁倍率 %.3f\n").c_str(), static_cast<double>(*n.QaCurrent),
                                static_cast<double>(*n.multiplierCurrent));
        if (n.QaFormer && n.multiplierFormer)
            out += text::format(text::translate("kvx::batch", "壁倍率 (旧基準): Qa = %.6g, 壁倍率 %.3f\n").c_str(), static_cast<double>(*n.QaFormer),
                                static_cast<double>(*n.multiplierFormer));
    }
    return out;
}

}  // namespace

bool refuseExistingWallFile(const BatchOptions& o, ui::Interaction& ia) {
    std::error_code ec;
    if (o.wallFile.empty() || o.append || o.overwrite || !std::filesystem::exists(o.wallFile, ec)) return false;
    // The window asks before replacing a result file; the batch cannot ask.
    ia.message(text::translate("kvx::batch", "壁倍率の結果ファイルがすでにあります．上書きするには --overwrite、行を追加するには --append を"
                                  "指定してください\n") +
                   o.wallFile,
               text::translate("kvx::batch", "ファイル出力エラー"), ui::Icon::Warning);
    return true;
}

data::ImportSettings importSettingsFor(const GenericOptions& g, const data::ImportSettings& detected) {
    data::ImportSettings s = detected;
    data::TextDialect& d = s.dialect;
    if (g.delimiter) d.delimiter = *g.delimiter;
    if (g.decimal) d.decimal = *g.decimal;
    if (g.encoding) d.encoding = *g.encoding;
    if (g.headerRows) {
        d.headerRows = *g.headerRows;
        // Rows the detection found beyond the header the user gives are no header rows.
        if (d.namesRow > d.headerRows) d.namesRow = d.headerRows;
        if (d.unitsRow > d.headerRows) d.unitsRow = 0;
    }
    if (g.namesRow) d.namesRow = *g.namesRow;
    if (g.unitsRow) d.unitsRow = *g.unitsRow;
    s.columns = g.columns;
    if (g.names) s.names = *g.names;
    if (g.units) s.units = *g.units;
    s.skipBadRows = g.skipBadRows;
    s.thinStep = g.thinStep;
    return s;
}

plot::GraphOptions graphOptionsFor(const BatchOptions& b, int channelCount, const std::string& baseName) {
    plot::GraphOptions o;
    o.dataLoaded = true;
    o.mode = b.region ? plot::DisplayMode::Region : plot::DisplayMode::All;
    if (b.loops) {
        o.mode = plot::DisplayMode::Loop;
        o.judgment = *b.loops;
    }
    o.fileOutput = b.files;
    o.skeleton = b.skeleton || b.wallLength.has_value();
    o.ApproximationDegree = b.approximation;
    o.elastoPlastic = b.elasto;
    o.mainChannel = b.mainChannel;
    o.mainOnX = b.mainOnX;
    // Without --channel, the channels the open command checks: 2, or 1 for a one-channel file.
    const std::vector<int> channels = b.channels.empty() ? std::vector<int>{channelCount >= 2 ? 2 : 1} : b.channels;
    for (int c : channels) o.channelChecked[static_cast<std::size_t>(c - 1)] = true;
    for (int c : b.inverted) o.signInverted[static_cast<std::size_t>(c - 1)] = true;
    o.smooth = b.smoothing != 0;
    if (o.smooth) o.SmoothingSize = b.smoothing;
    o.frame.fullScale = b.fullScale;
    o.frame.originCentred = !b.firstQuadrant;
    if (b.manualScale) {
        o.frame.autoScale = false;
        o.frame.ManualXStep = b.manualScale->first;
        o.frame.ManualYStep = b.manualScale->second;
    }
    o.frame.mainOnX = b.mainOnX;
    o.frame.mainChannel = b.mainChannel;
    o.frame.dataFileBaseName = baseName;
    o.envelope = b.envelope;
    o.marks = b.marks;
    o.minMax = {};
    if (b.minMax > 0) o.minMax[static_cast<std::size_t>(b.minMax - 1)] = true;
    o.legend = b.legend;
    return o;
}

RunResult runBatch(const BatchOptions& options, ui::Interaction& ia, plot::Canvas& canvas, PageSink* pages,
                   analysis::ElastoFile* sharedElasto, ReportSink* report) {
    // A wide file: the correspondence from --map (one number: the rest follow on), else the identity.
    const auto chooser = [&](int fileChannels) -> std::optional<data::Correspondence> {
        for (int e : options.map)
            if (e > fileChannels) {
                ia.message(text::format(text::translate("kvx::batch", "--map の計測チャンネル %d はファイルのチャンネル数 %d を超えています").c_str(), e,
                                        fileChannels),
                           text::translate("kvx::batch", "チャンネル対応エラー"), ui::Icon::Warning);
                return std::nullopt;
            }
        data::Correspondence c = data::Correspondence::identity(fileChannels);
        if (options.map.size() == 1) c.renumber(1, options.map[0]);
        if (options.map.size() > 1) {
            for (std::size_t k = 0; k < options.map.size(); ++k) c.entries[k] = options.map[k];
            c.listed = static_cast<int>(options.map.size());
        }
        return c;
    };
    const data::ImportChooser chooseImport = [&](const std::string&, std::string_view,
                                                 const data::ImportSettings& detected) {
        return std::optional<data::ImportSettings>(importSettingsFor(options.generic, detected));
    };
    if (refuseExistingWallFile(options, ia)) return {1, {}, {}};
    const auto opened = data::openDataFile(options.file, options.format, options.forceUnit, ia, chooser, chooseImport);
    if (!opened) return {1, {}, {}};
    if (opened->import) {
        const data::ImportReport& r = *opened->import;
        if (r.thinnedFrom > 0)
            ia.message(text::format(text::translate("kvx::batch", "%d 行を %d 行に間引きました（%d 行ごと。反転点と最大・最小荷重の行は残しています）").c_str(),
                                    r.thinnedFrom, r.rowsRead, r.plan.step),
                       text::translate("kvx::batch", "間引き"), ui::Icon::Information);
        if (r.skippedRows > 0)
            ia.message(text::format(text::translate("kvx::batch", "数値として読めない %d 行を読み飛ばしました（最初は第 %d 行）").c_str(), r.skippedRows,
                                    r.skippedLines.empty() ? 0 : r.skippedLines.front()),
                       text::translate("kvx::batch", "読み飛ばし"), ui::Icon::Information);
    }
    if (!options.saveStandard.empty() && !data::writeDataSet(options.saveStandard, opened->data)) {
        ia.message(text::translate("kvx::batch", "標準形式のファイルを保存できませんでした\n") + options.saveStandard, text::translate("kvx::batch", "ファイル出力エラー"),
                   ui::Icon::Warning);
        return {1, {}, {}};
    }
    const data::MeasurementData& d = opened->data;
    plot::GraphState graph;
    if (options.region) {
        // The data range dialog's rule: 0 < start < end <= rows.
        if (options.region->second > d.RowCount) {
            ia.message(text::translate("kvx::batch", "データ範囲の指定が正しくありません"), text::translate("kvx::batch", "データ範囲エラー"), ui::Icon::Warning);
            return {1, {}, {}};
        }
        graph.regionStart = options.region->first;
        graph.regionEnd = options.region->second;
    }
    plot::GraphOptions graphOptions = graphOptionsFor(options, d.header.ChannelCount, opened->baseName);
    graphOptions.resultDirectory = opened->dataDirectory;
    if (!options.outDirectory.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(options.outDirectory, ec);
        if (!std::filesystem::is_directory(options.outDirectory)) {
            ia.message(text::translate("kvx::batch", "結果ファイルを書くフォルダを作成できません\n") + options.outDirectory, text::translate("kvx::batch", "ファイル出力エラー"),
                       ui::Icon::Warning);
            return {1, {}, {}};
        }
        graphOptions.resultDirectory = data::directoryOf(options.outDirectory + "/x");
    }
    graphOptions.dataFileName = opened->dataFileName;
    // ELASTO.CSV as the program creates it at start-up: in the result folder
    // (--out) or the current folder, emptied, with its header.
    analysis::ElastoFile elasto;
    if (options.skeleton && options.files && !sharedElasto) {
        const std::string folder = options.outDirectory.empty() ? std::string() : graphOptions.resultDirectory;
        if (!elasto.open(folder)) {
            ia.message(text::translate("kvx::batch", "ELASTO.CSVが閉じられていません（使用中です）"), text::translate("kvx::batch", "ファイル出力エラー"), ui::Icon::Warning);
            return {1, {}, {}};
        }
    }
    plot::NullGraphHost host;
    host.elasto = sharedElasto ? sharedElasto : elasto.isOpen() ? &elasto : nullptr;
    plot::runGraphCommand(d, graphOptions, graph, canvas, ia, host);
    // Loop mode without a single loop draws nothing, and that is a result too.
    if (!graph.drewSomething && !options.loops) return {1, {}, {}};
    // The whole record's cycles and the other codes, on the arrays the graph drew.
    std::optional<CycleResults> cycleResults;
    bool cycleFilesWritten = true;
    if (options.cycles || options.methods) {
        const auto rows = static_cast<std::size_t>(d.RowCount);
        const auto x = std::span<const double>(graph.X).first(std::min(rows, graph.X.size()));
        const auto y = std::span<const double>(graph.Y).first(std::min(rows, graph.Y.size()));
        CycleResults& r = cycleResults.emplace();
        r.cycles = analysis::analyzeCycles(x, y, options.amplitudeTolerance);
        r.showCycles = options.cycles;
        if (options.methods) r.methods = analysis::evaluateCodes(x, y, r.cycles);
        if (options.files) {
            const auto write = [&](const char* name, const std::string& content) {
                const std::string path = graphOptions.resultDirectory + name;
                if (text::replaceFile(path, content)) return;
                ia.message(text::format(text::translate("kvx::batch", "%sを作成できません（使用中か、書き込みできないフォルダです）\n").c_str(), name) + path,
                           text::translate("kvx::batch", "ファイル出力エラー"), ui::Icon::Warning);
                cycleFilesWritten = false;
            };
            if (options.cycles) write("CYCLES.CSV", analysis::cyclesCsv(r.cycles));
            if (options.methods) write("METHODS.CSV", analysis::methodsCsv(*r.methods));
        }
    }
    const CycleResults* cyclesShown = cycleResults ? &*cycleResults : nullptr;
    if (!options.pdf.empty()) {
        if (const auto refusal = output::refuseBeforeJob(d, graphOptions)) {
            ia.message(refusal->message, refusal->caption, ui::Icon::None);
            return {1, {}, {}};
        }
        if (!pages || !pages->print(d, graphOptions, graph.lastFirst, graph.lastLast)) {
            ia.message(text::translate("kvx::batch", "PDF ファイルを書き込めませんでした\n") + options.pdf, text::translate("kvx::batch", "印刷エラー"), ui::Icon::Warning);
            return {1, {}, {}};
        }
    }
    if (!options.wallLength) {
        if (report) report->addSpecimen({*opened, graphOptions, graph, nullptr, nullptr});
        return {cycleFilesWritten ? 0 : 1, options.json ? dataSetJson(*opened, graph, nullptr, cyclesShown) : summary(*opened, graph, nullptr), {}};
    }

    // The wall: the editor's evaluation of the unedited skeleton, then TKabe's copy.
    WallRun run;
    const analysis::SkeletonCurve& curve = graph.skeleton.curve;
    const auto n = static_cast<std::size_t>(curve.count);
    const auto strip = [](const std::string& s) { return s.substr(std::min(s.find_first_not_of(' '), s.size())); };
    const analysis::PlotUnits units{strip(graph.frame.YUnit), strip(graph.frame.XUnit)};
    run.editor = analysis::evaluateEditorPoints(std::span<const double>(curve.X).first(n),
                                                std::span<const double>(curve.Y).first(n), units);
    if (run.editor.failure)
        ia.message(shown(run.editor.failure->message), shown(run.editor.failure->caption),
                   run.editor.exclamation ? ui::Icon::Exclamation : ui::Icon::None);
    analysis::WallEvaluation wall;
    // The skeleton is the first display channel's (the only one in a wall evaluation).
    int displayed = 1;
    while (displayed < 16 && !graphOptions.channelChecked[static_cast<std::size_t>(displayed - 1)]) ++displayed;
    analysis::WallSource source;
    source.dataFileName = opened->baseName;
    source.xChannel = graphOptions.mainOnX ? graphOptions.mainChannel : displayed;
    const int yChannel = graphOptions.mainOnX ? displayed : graphOptions.mainChannel;
    source.xSign = graphOptions.signInverted[static_cast<std::size_t>(source.xChannel - 1)] ? -1 : 1;
    source.ySign = graphOptions.signInverted[static_cast<std::size_t>(yChannel - 1)] ? -1 : 1;
    const auto item = std::find(analysis::kReferenceDenominators.begin(), analysis::kReferenceDenominators.end(),
                                options.reference);
    wall.setReference(static_cast<int>(item - analysis::kReferenceDenominators.begin()));
    wall.edit("Edit10", *options.wallLength);
    run.wallFailure = wall.copy(curve, run.editor.handOff, units.deformation, options.forceUnit, source);
    run.wall = &wall;
    if (run.wallFailure) ia.message(run.wallFailure->message, run.wallFailure->caption, ui::Icon::Warning);
    int exitCode = run.wallFailure || run.editor.failure ? 1 : 0;
    if (!options.wallFile.empty() && !wall.text("Edit1").empty()) {
        const bool opened_ = options.append ? wall.appendToResultFile(options.wallFile)
                                            : wall.openResultFile(options.wallFile);
        if (!opened_ || !wall.writeRow()) {
            ia.message(text::translate("kvx::batch", "結果ファイルに書き込めませんでした\n") + options.wallFile,
                       text::translate("kvx::batch", "ファイル出力エラー"), ui::Icon::Warning);
            exitCode = 1;
        }
        wall.closeResultFile();
    }
    if (!cycleFilesWritten) exitCode = 1;
    RunResult result{exitCode, options.json ? dataSetJson(*opened, graph, &run, cyclesShown) : summary(*opened, graph, &run), {}};
    if (!wall.text("Edit1").empty()) result.wallRow = wall.rowText();
    if (report) report->addSpecimen({*opened, graphOptions, graph, &run.editor, &wall});
    return result;
}

}  // namespace kvx::batch
