// A test series in one call: every data file in turn, one wall row each, the
// statistics of the rows this call produced (or of an existing wall result
// file) and the test report.
#include "batch/batch_run.h"

#include "analysis/elasto_file.h"
#include "analysis/series_statistics.h"
#include "batch/json_writer.h"
#include "batch/series_messages.h"
#include "data/open_data_file.h"
#include "plot/null_canvas.h"
#include "text/cp932.h"
#include "text/number.h"
#include "text/printf.h"
#include "text/replacing_file.h"
#include "text/translate.h"

#include <algorithm>
#include <filesystem>

namespace kvx::batch {
namespace {

// Passes everything on and remembers the last thing said, for the summary.
class RememberingInteraction : public ui::Interaction {
public:
    explicit RememberingInteraction(ui::Interaction& inner) : m_inner(inner) {}
    std::string last;
    void message(std::string_view text, std::string_view caption, ui::Icon icon) override {
        last = std::string(caption) + ": " + std::string(text);
        m_inner.message(text, caption, icon);
    }
    ui::Answer ask(std::string_view text, std::string_view caption, ui::Buttons b, ui::Icon icon) override {
        last = std::string(caption) + ": " + std::string(text);
        return m_inner.ask(text, caption, b, icon);
    }
    std::optional<std::string> chooseOpenFile(const ui::FileDialogRequest& r) override { return m_inner.chooseOpenFile(r); }
    std::optional<std::string> chooseSaveFile(const ui::FileDialogRequest& r) override { return m_inner.chooseSaveFile(r); }

private:
    ui::Interaction& m_inner;
};

std::string oneLine(std::string s) {
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

void statisticsJson(JsonWriter& j, const analysis::IndexStatistics& st) {
    j.beginObject();
    j.key("values").beginArray();
    for (double v : st.values) j.value(v);
    j.endArray();
    j.key("mean").value(st.mean);
    j.key("sd").value(st.sd);
    j.key("cv").value(st.cv);
    j.key("k").value(st.k);
    j.key("factor").value(st.factor);
    j.key("lower").value(st.lower);
    j.endObject();
}

void optional(JsonWriter& j, const char* key, const std::optional<double>& v) {
    j.key(key);
    if (v) j.value(*v);
    else j.null();
}

void sideJson(JsonWriter& j, const char* key, const std::optional<analysis::SideSummary>& s, const std::string& why) {
    j.key(key).beginObject();
    if (!s) {
        j.key("error").value(shownSeriesText(why));
        j.endObject();
        return;
    }
    j.key("n").value(s->n);
    j.key("indices").beginObject();
    for (std::size_t i = 0; i < 4; ++i) {
        j.key(analysis::kSeriesIndexKeys[i]);
        statisticsJson(j, s->indices[i]);
    }
    j.endObject();
    j.key("governing").value(analysis::kSeriesIndexKeys[static_cast<std::size_t>(s->governing)]);
    j.key("P0").value(s->P0);
    j.key("alpha").value(s->alpha);
    j.key("Pa").value(s->Pa);
    j.key("L").value(s->L);
    j.key("multiplier").value(s->multiplier);
    optional(j, "K_mean", s->Kmean);
    optional(j, "K_cv", s->Kcv);
    optional(j, "mu_mean", s->muMean);
    optional(j, "mu_cv", s->muCv);
    j.key("notes").beginArray();
    for (const auto& n : s->notes) j.value(shownSeriesText(n));
    j.endArray();
    j.endObject();
}

double wallLengthOf(const BatchOptions& o) {
    // The window's default when --summarize is given without --wall.
    return o.wallLength ? text::parseLeadingDouble(*o.wallLength) : 1.82;
}

// The governing index as the person reading the summary's lines calls it; the
// summary file keeps analysis::kSeriesIndexNames.
std::string indexName(int i) {
    switch (i) {
    case 0: return text::translate("kvx::batch", "降伏耐力 Py");
    case 1: return text::translate("kvx::batch", "Pu×0.2/Ds");
    case 2: return text::translate("kvx::batch", "2/3 Pmax");
    default: return text::translate("kvx::batch", "特定変形角時耐力");
    }
}

/// The summary of `rows`: the CSV file, the report's summary page, the JSON
/// "series" key and a few lines for stderr. False when a file could not be written.
bool summarize(const BatchOptions& o, const std::vector<analysis::SpecimenRow>& rows, ui::Interaction& ia,
               ReportSink* report, JsonWriter* j) {
    const analysis::SeriesSummary s = analysis::summarizeRows(rows, wallLengthOf(o), o.alpha, o.forceUnit);
    bool ok = true;
    for (const auto* side : {&s.plus, &s.minus}) {
        if (!*side) continue;
        const analysis::SideSummary& sum = **side;
        const std::string name = side == &s.plus ? text::translate("kvx::batch", "正側") : text::translate("kvx::batch", "負側");
        ia.message(text::format(text::translate("kvx::batch", "%s: %d 体, P0 = %.4g (%s), Pa = %.4g, 壁倍率 %.3f").c_str(),
                                name.c_str(), sum.n, sum.P0, indexName(sum.governing).c_str(), sum.Pa, sum.multiplier),
                   text::translate("kvx::batch", "試験体集計"), ui::Icon::Information);
        for (const auto& note : sum.notes) ia.message(shownSeriesText(note), text::translate("kvx::batch", "試験体集計"), ui::Icon::Warning);
    }
    if (!s.plus && !s.minus) ia.message(shownSeriesText(s.plusFailure), text::translate("kvx::batch", "試験体集計"), ui::Icon::Warning);
    if (!o.summaryFile.empty() && !text::replaceFile(o.summaryFile, analysis::summaryCsv(s, rows, o.forceUnit))) {
        ia.message(text::translate("kvx::batch", "集計ファイルを書き込めませんでした\n") + o.summaryFile, text::translate("kvx::batch", "ファイル出力エラー"),
                   ui::Icon::Warning);
        ok = false;
    }
    if (report) report->addSummary(s, rows, o.forceUnit);
    if (j) {
        j->key("series").beginObject();
        sideJson(*j, "plus", s.plus, s.plusFailure);
        sideJson(*j, "minus", s.minus, s.minusFailure);
        j->endObject();
    }
    return ok;
}

bool finishReport(const BatchOptions& o, ReportSink* report, ui::Interaction& ia) {
    if (!report || report->finish()) return true;
    ia.message(text::translate("kvx::batch", "報告書を書き込めませんでした\n") + o.reportFile, text::translate("kvx::batch", "ファイル出力エラー"),
               ui::Icon::Warning);
    return false;
}

}  // namespace

RunResult runSeries(const BatchOptions& options, ui::Interaction& ia, std::FILE* progress, ReportSink* report) {
    if (refuseExistingWallFile(options, ia)) return {1, {}, {}};
    // One ELASTO.CSV for the whole series, created as at start-up.
    analysis::ElastoFile elasto;
    if ((options.skeleton || options.wallLength) && options.files) {
        std::string folder;
        if (!options.outDirectory.empty()) {
            std::error_code ec;
            std::filesystem::create_directories(options.outDirectory, ec);
            folder = data::directoryOf(options.outDirectory + "/x");
        }
        if (!elasto.open(folder)) {
            ia.message(text::translate("kvx::batch", "ELASTO.CSVが閉じられていません（使用中です）"), text::translate("kvx::batch", "ファイル出力エラー"),
                       ui::Icon::Warning);
            return {1, {}, {}};
        }
    }
    JsonWriter j;
    j.beginObject();
    j.key("results").beginArray();
    std::vector<std::pair<std::string, std::string>> failed;
    const std::size_t total = options.dataFiles.size();
    bool wallFileStarted = false;
    std::vector<analysis::SpecimenRow> rows;  // the wall rows this call produced
    for (std::size_t i = 0; i < total; ++i) {
        BatchOptions one = options;
        one.file = options.dataFiles[i];
        one.dataFiles = {one.file};
        // The first file creates the wall result file (unless appending); the others add to it.
        if (!options.wallFile.empty()) {
            one.append = options.append || wallFileStarted;
            one.overwrite = true;  // checked once above, for the whole series
        }
        RememberingInteraction remembering(ia);
        plot::NullCanvas canvas;
        const RunResult r = runBatch(one, remembering, canvas, nullptr, elasto.isOpen() ? &elasto : nullptr, report);
        if (!r.wallRow.empty()) {
            std::string why;
            if (auto row = analysis::parseWallRow(r.wallRow, &why)) rows.push_back(std::move(*row));
        }
        if (!options.wallFile.empty() && std::filesystem::exists(options.wallFile)) wallFileStarted = true;
        // A file refused late in the chain (no 0.8 Pmax point, say) still has
        // its record, skeleton and model: its partial result stays in the list.
        if (options.json && !r.output.empty()) j.raw(r.output);
        if (r.exitCode == 0) {
            std::fprintf(progress, "[%zu/%zu] %s: %s\n", i + 1, total, one.file.c_str(), text::translate("kvx::batch", "完了").c_str());
        } else {
            const std::string why = remembering.last.empty() ? text::translate("kvx::batch", "評価できませんでした")
                                                            : oneLine(remembering.last);
            std::fprintf(progress, "[%zu/%zu] %s: %s (%s)\n", i + 1, total, one.file.c_str(), text::translate("kvx::batch", "失敗").c_str(),
                         why.c_str());
            failed.emplace_back(one.file, why);
        }
        std::fflush(progress);
    }
    j.endArray();
    j.key("failed").beginArray();
    for (const auto& [file, why] : failed) {
        j.beginObject();
        j.key("file").value(file);
        j.key("message").value(why);
        j.endObject();
    }
    j.endArray();
    bool written = true;
    if (options.wallLength && (options.json || !options.summaryFile.empty() || report))
        written = summarize(options, rows, ia, report, &j);
    written = finishReport(options, report, ia) && written;
    j.endObject();
    std::fprintf(progress, text::translate("kvx::batch", "シリーズ評価: %zu ファイル中 %zu 完了, %zu 失敗\n").c_str(), total,
                 total - failed.size(), failed.size());
    for (const auto& [file, why] : failed)
        std::fprintf(progress, "  %s: %s (%s)\n", text::translate("kvx::batch", "失敗").c_str(), file.c_str(), why.c_str());
    RunResult result;
    result.exitCode = failed.empty() && written ? 0 : 1;
    if (options.json) result.output = j.str();
    else result.output = text::format(text::translate("kvx::batch", "%zu / %zu ファイルを評価しました\n").c_str(), total - failed.size(), total);
    return result;
}

RunResult runSummarize(const BatchOptions& options, ui::Interaction& ia, ReportSink* report) {
    const auto bytes = data::readWholeFile(options.summarizeFile);
    if (!bytes) {
        ia.message(text::translate("kvx::batch", "壁倍率の結果ファイルを開くことができません\n") + options.summarizeFile,
                   text::translate("kvx::batch", "ファイルエラー"), ui::Icon::Warning);
        return {1, {}, {}};
    }
    const analysis::WallFileRows w = analysis::readWallRows(*bytes);
    for (const auto& why : w.refused) ia.message(shownSeriesText(why), text::translate("kvx::batch", "試験体集計"), ui::Icon::Warning);
    JsonWriter j;
    j.beginObject();
    j.key("file").value(options.summarizeFile);
    j.key("rows").value(static_cast<int>(w.rows.size()));
    j.key("refused").beginArray();
    for (const auto& why : w.refused) j.value(shownSeriesText(why));
    j.endArray();
    bool ok = summarize(options, w.rows, ia, report, &j);
    ok = finishReport(options, report, ia) && ok;
    j.endObject();
    RunResult r;
    r.exitCode = ok ? 0 : 1;
    r.output = options.json ? j.str() : text::format(text::translate("kvx::batch", "%zu 体の行を集計しました\n").c_str(), w.rows.size());
    return r;
}

}  // namespace kvx::batch
