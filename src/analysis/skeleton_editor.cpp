// Skeleton editor operations and its evaluation of the bilinear model.
#include "analysis/skeleton_editor.h"

#include "analysis/curve_helpers.h"
#include "analysis/elasto_steps.h"
#include "text/cp932.h"
#include "text/printf.h"
#include "text/source_text.h"

#include <cmath>
#include <ctime>
#include <utility>

namespace kvx::analysis {
namespace {

constexpr double kMantissas[] = {1.0, 1.5, 2.0, 2.5, 5.0};

int truncated(double v) {
    if (!(v > -1e9)) return -1000000000;
    if (v > 1e9) return 1000000000;
    return static_cast<int>(v);
}

}  // namespace

std::optional<double> editorScale(double maximum) {
    if (maximum == 0.0 || !std::isfinite(maximum)) return std::nullopt;
    for (double decade = 1e-10; std::isfinite(decade); decade *= 10.0)
        for (double m : kMantissas) {
            const double s = m * decade;
            if (maximum <= 2 * s && maximum > s) return s;
        }
    return 1e-10;  // below every candidate
}

EditorView EditorView::make(int w, int h, double sx, double sy, bool firstQuadrant) {
    EditorView v;
    v.width = w, v.height = h, v.sx = sx, v.sy = sy;
    v.x0 = firstQuadrant ? 0.0 : -2 * sx;
    v.y0 = firstQuadrant ? 0.0 : -2 * sy;
    v.px = firstQuadrant ? w / 2.0 : w / 4.0;
    v.py = firstQuadrant ? h / 2.0 : h / 4.0;
    return v;
}

std::pair<int, int> EditorView::toPixel(double x, double y) const {
    return {truncated((x - x0) / sx * px), truncated(height - (y - y0) / sy * py)};
}

std::pair<double, double> EditorView::toData(int pixelX, int pixelY) const {
    return {pixelX / px * sx + x0, (height - pixelY) / py * sy + y0};
}

void sortEditorPoints(SkeletonCurve& c) {
    const auto n = static_cast<std::size_t>(c.count);
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (c.X[i] > c.X[j]) {
                std::swap(c.X[i], c.X[j]);
                std::swap(c.Y[i], c.Y[j]);
            }
}

AddResult addEditorPoint(SkeletonCurve& c, double x, double y, int* insertedAt) {
    if (c.count >= SkeletonCurve::kSlots) return AddResult::StoreFull;
    const auto n = static_cast<std::size_t>(c.count);
    std::size_t at = n;  // appended when larger than the last (or the store is empty)
    if (n > 0 && x < c.X[0]) {
        at = 0;
    } else if (n > 0 && !(x > c.X[n - 1])) {
        at = n;
        for (std::size_t j = 0; j + 1 < n; ++j)
            if (c.X[j] < x && x < c.X[j + 1]) {
                at = j + 1;
                break;
            }
        if (at == n) {
            // On the X of an existing point: right after the last point with that X.
            std::size_t last = n;
            for (std::size_t j = 0; j < n; ++j)
                if (c.X[j] == x) last = j;
            if (last == n) return AddResult::SameX;  // unsorted store without a gap: refuse
            at = last + 1;
        }
    }
    for (std::size_t k = n; k > at; --k) c.X[k] = c.X[k - 1], c.Y[k] = c.Y[k - 1];
    c.X[at] = x, c.Y[at] = y;
    ++c.count;
    if (insertedAt) *insertedAt = static_cast<int>(at);
    return AddResult::Added;
}

std::optional<int> pickEditorPoint(const SkeletonCurve& c, double x, double y, double dx, double dy) {
    for (int i = 0; i < c.count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (std::fabs(c.X[at] - x) <= dx && std::fabs(c.Y[at] - y) <= dy) return i;
    }
    return std::nullopt;
}

void deleteEditorPoint(SkeletonCurve& c, int index) {
    if (index < 0 || index >= c.count) return;
    for (auto k = static_cast<std::size_t>(index); k + 1 < static_cast<std::size_t>(c.count); ++k)
        c.X[k] = c.X[k + 1], c.Y[k] = c.Y[k + 1];
    --c.count;
}

void moveEditorPoint(SkeletonCurve& c, int index, double x, double y) {
    if (index < 0 || index >= c.count) return;
    c.X[static_cast<std::size_t>(index)] = x;
    c.Y[static_cast<std::size_t>(index)] = y;
}

void thinEditorPoints(SkeletonCurve& c, int intervals) {
    const auto n = static_cast<std::size_t>(c.count);
    if (n < 3 || intervals < 1) return;
    const double x0 = c.X[0];
    const double w = (c.X[n - 1] - x0) / intervals;
    std::vector<double> kx{c.X[0]}, ky{c.Y[0]};
    std::size_t scan = 1;
    for (int k = 1; k <= intervals; ++k) {
        const double lo = x0 + k * w, hi = x0 + (k + 1) * w;
        std::optional<std::size_t> best;
        std::size_t i = scan;
        for (; i + 1 < n; ++i) {
            if (c.X[i] < lo) continue;
            if (c.X[i] > hi) break;
            if (!best || std::fabs(c.Y[i]) > std::fabs(c.Y[*best])) best = i;
        }
        scan = i;
        if (best) kx.push_back(c.X[*best]), ky.push_back(c.Y[*best]);
    }
    kx.push_back(c.X[n - 1]);
    ky.push_back(c.Y[n - 1]);
    for (std::size_t k = 0; k < kx.size(); ++k) c.X[k] = kx[k], c.Y[k] = ky[k];
    c.count = static_cast<int>(kx.size());
}

const std::vector<std::string>& editorResultLabels() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (int i = 5; i <= 21; ++i) v.push_back("Label" + std::to_string(i));
        return v;
    }();
    return names;
}

EditorEvaluation evaluateEditorPoints(std::span<const double> x, std::span<const double> y, const PlotUnits& u) {
    EditorEvaluation e;
    const std::size_t n = std::min(x.size(), y.size());
    x = x.first(n), y = y.first(n);
    // Kept in Japanese for the report page; translated where shown.
    const auto stop = [&](const char* message, const char* caption, bool exclamation = false) {
        e.failure = StepFailure{message, caption};
        e.exclamation = exclamation;
        return e;
    };
    if (n < 2) return stop(QT_TRANSLATE_NOOP("kvx::analysis", "対応する点が見つかりません"), "gamma_number error");
    const std::size_t iMax = indexOfMax(y);
    e.Pmax = y[iMax], e.gm = x[iMax];
    const double P = e.Pmax;
    const auto levels = levelDeformations(x, y, P);
    if (!levels) return stop(QT_TRANSLATE_NOOP("kvx::analysis", "対応する点が見つかりません"), "gamma_number error");
    e.X01 = levels->X01, e.X04 = levels->X04, e.X09 = levels->X09;
    e.labels["Label5"] = text::format("Max  %.2f", P);
    e.labels["Label20"] = text::format("gm  %.5f", e.gm);
    e.labels["Label6"] = text::format("P1   %.5f  %.2f", e.X01, 0.1 * P);
    e.labels["Label7"] = text::format("P4   %.5f  %.2f", e.X04, 0.4 * P);
    e.labels["Label8"] = text::format("P9   %.5f  %.2f", e.X09, 0.9 * P);
    e.reached = 1;

    e.k1 = (0.4 * P - 0.1 * P) / (e.X04 - e.X01);
    e.k2 = (0.9 * P - 0.4 * P) / (e.X09 - e.X04);
    const auto t = tangentPoint(x, y, P, e.X04, e.k2);
    if (!t) return stop(QT_TRANSLATE_NOOP("kvx::analysis", "平行する接線が見つかりません"), "Pararel_point error");
    e.Tx = t->x, e.Ty = t->y;
    e.labels["Label9"] = text::format("Tangential  %.5f  %.2f", e.Tx, e.Ty);
    e.reached = 2;

    e.xc = ((e.Ty - 0.4 * P) + e.k1 * e.X04 - e.k2 * e.Tx) / (e.k1 - e.k2);
    e.Py = 0.4 * P + e.k1 * (e.xc - e.X04);
    const auto gy = deformationAtLevel(x, y, e.Py);
    if (!gy) return stop(QT_TRANSLATE_NOOP("kvx::analysis", "対応する点が見つかりません"), "gamma_number error");
    e.gy = *gy;
    e.K = e.Py / e.gy;
    e.labels["Label14"] = text::format("Cross point %.5f  %.2f", e.xc, e.Py);
    e.labels["Label18"] = text::format("dy = %.5f %s", e.gy, u.deformation.c_str());
    e.labels["Label19"] = text::format("Py = %.2f %s", e.Py, u.load.c_str());
    e.reached = 3;

    const auto ult = ultimatePoint(x, y, P);
    if (!ult)
        return stop(QT_TRANSLATE_NOOP("kvx::analysis", "最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.\n該当する点を追加してください．"),
                    QT_TRANSLATE_NOOP("kvx::analysis", "0.8Pmaxの点が見つけられない"), true);
    e.du = ult->du;
    e.P8x = x[ult->index], e.P8y = y[ult->index];
    e.S = ult->S;
    e.labels["Label21"] = text::format("P8   %.5f  %.2f", e.P8x, e.P8y);
    e.reached = 4;

    const double du = e.du;
    const double radicand = du * du - 2 * e.S / e.K;
    if (!(radicand >= 0)) return stop(QT_TRANSLATE_NOOP("kvx::analysis", "負になりました"), QT_TRANSLATE_NOOP("kvx::analysis", "エラー"), true);
    e.dv = du - std::sqrt(radicand);
    e.Pu = e.K * e.dv;
    e.labels["Label17"] = text::format("P8   %.5f  %.2f", du, e.Pu);
    if (!(std::isfinite(e.Pu) && e.Pu >= 0)) return stop(QT_TRANSLATE_NOOP("kvx::analysis", "降伏耐力は求まりません"), "elasto_plastic error");
    e.reached = 5;

    const char* lu = u.load.c_str();
    const char* xu = u.deformation.c_str();
    e.labels["Label10"] = text::format("K = %.2f %s/%s", e.K, lu, xu);
    e.labels["Label11"] = text::format("dv = %.5f %s", e.dv, xu);
    e.labels["Label12"] = text::format("du = %.5f %s", du, xu);
    e.labels["Label13"] = text::format("Pu = %.2f %s", e.Pu, lu);
    // The labels are CP932 like the units in them; "μ" is converted once here.
    static const std::string muLabel = text::utf8ToCp932Lossy("μ = du/dv =");
    static const std::string dsLabel = text::utf8ToCp932Lossy("Ds = 1/sqrt(2μ-1) =");
    if (e.dv != 0.0) {
        e.mu = du / e.dv;
        // Ds needs 2 mu - 1 > 0; otherwise the label shows no number rather than NaN.
        if (*e.mu > 0.5) e.Ds = 1 / std::sqrt(2 * du / e.dv - 1);
    }
    e.labels["Label15"] = muLabel + (e.mu ? text::format("%.2f", *e.mu) : std::string());
    e.labels["Label16"] = dsLabel + (e.Ds ? text::format("%.2f", *e.Ds) : std::string());
    e.reached = 8;
    e.handOff = {true, e.Py, e.gy, e.Pu, e.dv, du};
    return e;
}

std::string timeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return text::format("%d/%02d/%02d  %02d:%02d.%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                        local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace kvx::analysis
