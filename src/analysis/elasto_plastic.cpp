// Bilinear model construction.
#include "analysis/elasto_plastic.h"

#include "analysis/curve_helpers.h"
#include "analysis/elasto_steps.h"
#include "text/source_text.h"

#include <cmath>

namespace kvx::analysis {
namespace {

ElastoResult fail(const char* message, const char* caption, bool exclamation = false) {
    ElastoResult r;
    r.failure = {message, caption, exclamation};
    return r;
}

// The report and the comparison table keep these in Japanese; windows and the
// batch translate them when they show them.
constexpr const char* kNoPoint = QT_TRANSLATE_NOOP("kvx::analysis", "対応する点が見つかりません");
constexpr const char* kNoUltimate =
    QT_TRANSLATE_NOOP("kvx::analysis", "最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.\n該当する点を追加してください．");
constexpr const char* kNoUltimateCaption = QT_TRANSLATE_NOOP("kvx::analysis", "0.8Pmaxの点が見つけられない");

}  // namespace

std::optional<LevelDeformations> levelDeformations(std::span<const double> x, std::span<const double> y, double P) {
    const auto x01 = deformationAtLevel(x, y, 0.1 * P);
    const auto x04 = deformationAtLevel(x, y, 0.4 * P);
    const auto x09 = deformationAtLevel(x, y, 0.9 * P);
    if (!x01 || !x04 || !x09 || !(*x01 < *x04 && *x04 < *x09)) return std::nullopt;
    return LevelDeformations{*x01, *x04, *x09};
}

std::optional<TangentPoint> tangentPoint(std::span<const double> x, std::span<const double> y, double P, double X04,
                                         double k2) {
    const auto first = levelCrossing(y, 0.4 * P);
    const auto at09 = levelCrossing(y, 0.9 * P);
    const double h = (0.9 * P - 0.4 * P) / 20;
    if (!first || !at09 || !(h > 0) || *at09 < 2) return std::nullopt;
    std::optional<TangentPoint> t;
    // Bounded: every candidate falls below the line once the offset passes its height.
    for (int step = 1; step <= 1000000; ++step) {
        const double g = h * step;
        bool above = false;
        for (std::size_t i = *first; i + 2 <= *at09; ++i) {
            if (y[i] > 0.4 * P + k2 * (x[i] - X04) + g) {
                t = TangentPoint{x[i], y[i]};
                above = true;
                break;
            }
        }
        if (!above) break;
    }
    return t;
}

std::optional<UltimatePoint> ultimatePoint(std::span<const double> x, std::span<const double> y, double P) {
    const std::size_t n = std::min(x.size(), y.size());
    bool armed = false;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (y[i] >= 0.98 * P) armed = true;
        if (!(armed && y[i] > 0.8 * P && y[i + 1] <= 0.8 * P)) continue;
        UltimatePoint u;
        u.index = i;
        u.du = static_cast<float>(x[i] + (0.8 * P - y[i]) * (x[i + 1] - x[i]) / (y[i + 1] - y[i]));
        for (std::size_t j = 1; j <= i; ++j)
            if (x[j] >= 0) u.S += (x[j] - x[j - 1]) * (y[j] + y[j - 1]) / 2;
        u.S += (0.8 * P + y[i]) * (static_cast<double>(u.du) - x[i]) / 2;
        return u;
    }
    return std::nullopt;
}

ElastoResult elastoPlastic(std::span<const double> x, std::span<const double> y) {
    const std::size_t n = std::min(x.size(), y.size());
    x = x.first(n);
    y = y.first(n);
    if (n < 2) return fail(kNoPoint, "gamma_number error");
    ElastoPlastic m;
    m.Pmax = y[indexOfMax(y)];
    const double P = m.Pmax;

    const auto levels = levelDeformations(x, y, P);
    if (!levels) return fail(kNoPoint, "gamma_number error");
    m.X01 = levels->X01, m.X04 = levels->X04, m.X09 = levels->X09;
    m.k1 = (0.4 * P - 0.1 * P) / (m.X04 - m.X01);
    m.k2 = (0.9 * P - 0.4 * P) / (m.X09 - m.X04);

    const auto t = tangentPoint(x, y, P, m.X04, m.k2);
    if (!t) return fail(QT_TRANSLATE_NOOP("kvx::analysis", "平行する接線が見つかりません"), "Pararel_point error");
    m.Tx = t->x, m.Ty = t->y;

    m.xc = ((m.Ty - 0.4 * P) + m.k1 * m.X04 - m.k2 * m.Tx) / (m.k1 - m.k2);
    m.Py = 0.4 * P + m.k1 * (m.xc - m.X04);
    m.K = m.Py / m.xc;

    const auto u = ultimatePoint(x, y, P);
    if (!u) return fail(kNoUltimate, kNoUltimateCaption, true);
    m.du = u->du;
    m.P8x = x[u->index], m.P8y = y[u->index];
    m.S = u->S;

    const double du = m.du;
    m.dv = du - std::sqrt(du * du - 2 * m.S / m.K);
    m.Pu = m.K * m.dv;
    if (!(std::isfinite(m.Pu) && m.Pu >= 0)) return fail(QT_TRANSLATE_NOOP("kvx::analysis", "降伏耐力は求まりません"), "elasto_plastic error");
    return {m, {}};
}

}  // namespace kvx::analysis
