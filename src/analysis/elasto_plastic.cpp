// Bilinear model construction.
#include "analysis/elasto_plastic.h"

#include "analysis/curve_helpers.h"

#include <cmath>

namespace kvx::analysis {
namespace {

ElastoResult fail(const char* message, const char* caption, bool exclamation = false) {
    ElastoResult r;
    r.failure = {message, caption, exclamation};
    return r;
}

constexpr const char* kNoPoint = "対応する点が見つかりません";

}  // namespace

ElastoResult elastoPlastic(std::span<const double> x, std::span<const double> y) {
    const std::size_t n = std::min(x.size(), y.size());
    x = x.first(n);
    y = y.first(n);
    if (n < 2) return fail(kNoPoint, "gamma_number error");
    ElastoPlastic m;
    m.Pmax = y[indexOfMax(y)];
    const double P = m.Pmax;

    const auto x01 = deformationAtLevel(x, y, 0.1 * P);
    const auto x04 = deformationAtLevel(x, y, 0.4 * P);
    const auto x09 = deformationAtLevel(x, y, 0.9 * P);
    if (!x01 || !x04 || !x09 || !(*x01 < *x04 && *x04 < *x09)) return fail(kNoPoint, "gamma_number error");
    m.X01 = *x01, m.X04 = *x04, m.X09 = *x09;
    m.k1 = (0.4 * P - 0.1 * P) / (m.X04 - m.X01);
    m.k2 = (0.9 * P - 0.4 * P) / (m.X09 - m.X04);

    // Tangent point: raise line II step by step while some candidate still lies above it.
    const std::size_t first = *levelCrossing(y, 0.4 * P);
    const std::size_t at09 = *levelCrossing(y, 0.9 * P);
    const double h = (0.9 * P - 0.4 * P) / 20;
    bool found = false;
    if (h > 0 && at09 >= 2) {
        for (int step = 1; step <= 1000000; ++step) {
            const double g = h * step;
            bool above = false;
            for (std::size_t i = first; i + 2 <= at09; ++i) {
                if (y[i] > 0.4 * P + m.k2 * (x[i] - m.X04) + g) {
                    m.Tx = x[i], m.Ty = y[i];
                    above = found = true;
                    break;
                }
            }
            if (!above) break;
        }
    }
    if (!found) return fail("平行する接線が見つかりません", "Pararel_point error");

    m.xc = ((m.Ty - 0.4 * P) + m.k1 * m.X04 - m.k2 * m.Tx) / (m.k1 - m.k2);
    m.Py = 0.4 * P + m.k1 * (m.xc - m.X04);
    m.K = m.Py / m.xc;

    // Ultimate deformation: armed at the first point at 0.98 Pmax, the first fall through 0.8 Pmax.
    bool armed = false;
    std::optional<std::size_t> fall;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (y[i] >= 0.98 * P) armed = true;
        if (armed && y[i] > 0.8 * P && y[i + 1] <= 0.8 * P) {
            fall = i;
            break;
        }
    }
    if (!fall)
        return fail("最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.\n該当する点を追加してください．",
                    "0.8Pmaxの点が見つけられない", true);
    const std::size_t i = *fall;
    m.du = static_cast<float>(x[i] + (0.8 * P - y[i]) * (x[i + 1] - x[i]) / (y[i + 1] - y[i]));
    m.P8x = x[i], m.P8y = y[i];

    double S = 0.0;
    for (std::size_t j = 1; j <= i; ++j)
        if (x[j] >= 0) S += (x[j] - x[j - 1]) * (y[j] + y[j - 1]) / 2;
    S += (0.8 * P + y[i]) * (static_cast<double>(m.du) - x[i]) / 2;
    m.S = S;

    const double du = m.du;
    m.dv = du - std::sqrt(du * du - 2 * S / m.K);
    m.Pu = m.K * m.dv;
    if (!(std::isfinite(m.Pu) && m.Pu >= 0)) return fail("降伏耐力は求まりません", "elasto_plastic error");
    return {m, {}};
}

}  // namespace kvx::analysis
