// Envelope, ASTM E2126 EEEP and EN 12512 yield and ductility.
#include "analysis/code_methods.h"

#include "text/cp932.h"
#include "text/printf.h"
#include "text/source_text.h"

#include <algorithm>
#include <cmath>

namespace kvx::analysis {
namespace {

constexpr double kNoiseLoad = 0.05;  // of the largest |Y|: level points below it are noise cycles

std::string tooFewLevels(int levelPoints) {
    return text::format("振幅レベルの点が %d 点しかありません（2 点以上が必要です）", levelPoints);
}

std::size_t peakIndex(const std::vector<EnvelopePoint>& p) {
    std::size_t ip = 0;
    for (std::size_t i = 1; i < p.size(); ++i)
        if (p[i].second > p[ip].second) ip = i;
    return ip;
}

/// Where the rising envelope first reaches `level` (interpolated); nothing when it never does.
std::optional<std::pair<double, std::size_t>> firstReaching(const std::vector<EnvelopePoint>& p, double level) {
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i].second < level) continue;
        if (i == 0) return std::pair{p[0].first, i};
        const auto& [x0, f0] = p[i - 1];
        const auto& [x1, f1] = p[i];
        return std::pair{x0 + (level - f0) * (x1 - x0) / (f1 - f0), i};
    }
    return std::nullopt;
}

/// Where the envelope first falls to `level` after the peak; the last point's X otherwise (flagged).
double fallingTo(const std::vector<EnvelopePoint>& p, std::size_t peak, double level, bool& atLastPoint) {
    for (std::size_t i = peak; i + 1 < p.size(); ++i) {
        if (p[i + 1].second > level) continue;
        const auto& [x0, f0] = p[i];
        const auto& [x1, f1] = p[i + 1];
        atLastPoint = false;
        return x0 + (level - f0) * (x1 - x0) / (f1 - f0);
    }
    atLastPoint = true;
    return p.back().first;
}

double areaUpTo(const std::vector<EnvelopePoint>& p, double limit) {
    double area = 0;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const auto& [x0, f0] = p[i - 1];
        const auto& [x1, f1] = p[i];
        if (x0 >= limit) break;
        if (x1 > limit) {
            const double f = f0 + (f1 - f0) * (limit - x0) / (x1 - x0);
            area += (limit - x0) * (f0 + f) / 2;
            break;
        }
        area += (x1 - x0) * (f0 + f1) / 2;
    }
    return area;
}

std::string flagText(bool flag, const char* text) { return flag ? std::string(text) : std::string(); }

}  // namespace

CodeEnvelope codeEnvelope(std::span<const double> x, std::span<const double> y, const CycleAnalysis& a) {
    CodeEnvelope e;
    const std::size_t rows = std::min(x.size(), y.size());
    e.plus.emplace_back(0.0, 0.0);
    e.minus.emplace_back(0.0, 0.0);
    const double noise = kNoiseLoad * a.largestY;
    double lastPlus = 0, lastMinus = 0;
    for (const Level& l : a.levels) {
        const Cycle& c = a.cycles[static_cast<std::size_t>(l.firstCycle)];
        if (c.dPlus > 0 && c.fPlus > 0 && c.fPlus >= noise && c.dPlus > lastPlus) {
            e.plus.emplace_back(c.dPlus, c.fPlus);
            lastPlus = c.dPlus;
            ++e.plusLevelPoints;
        }
        if (c.dMinus < 0 && c.fMinus < 0 && -c.fMinus >= noise && -c.dMinus > lastMinus) {
            e.minus.emplace_back(c.dMinus, c.fMinus);
            lastMinus = -c.dMinus;
            ++e.minusLevelPoints;
        }
    }
    // The final excursion: beyond every amplitude a cycle reached.
    double reachedPlus = 0, reachedMinus = 0;
    for (const Cycle& c : a.cycles) reachedPlus = std::max(reachedPlus, c.xPlus), reachedMinus = std::min(reachedMinus, c.xMinus);
    for (std::size_t r = static_cast<std::size_t>(a.tailStart); r < rows; ++r) {
        if (x[r] > reachedPlus) {
            e.plus.emplace_back(x[r], y[r]);
            reachedPlus = x[r];
        }
        if (x[r] < reachedMinus) {
            e.minus.emplace_back(x[r], y[r]);
            reachedMinus = x[r];
        }
    }
    return e;
}

std::vector<EnvelopePoint> folded(const std::vector<EnvelopePoint>& side) {
    std::vector<EnvelopePoint> f;
    f.reserve(side.size());
    for (const auto& [x, F] : side) f.emplace_back(std::fabs(x), std::fabs(F));
    return f;
}

MethodResult<Eeep> eeep(const std::vector<EnvelopePoint>& p, int levelPoints) {
    MethodResult<Eeep> r;
    if (levelPoints < 2) {
        r.error = tooFewLevels(levelPoints);
        return r;
    }
    Eeep e;
    const std::size_t ip = peakIndex(p);
    e.Ppeak = p[ip].second;
    e.dpeak = p[ip].first;
    if (!(e.Ppeak > 0)) {
        r.error = QT_TRANSLATE_NOOP("kvx::analysis", "最大荷重が正になりません");
        return r;
    }
    e.du = fallingTo(p, ip, 0.8 * e.Ppeak, e.duAtLastPoint);
    const auto d04 = firstReaching(p, 0.4 * e.Ppeak);
    e.d04 = d04 ? d04->first : 0.0;
    if (!(e.d04 > 0)) {
        r.error = QT_TRANSLATE_NOOP("kvx::analysis", "0.4 Ppeak の変形が正にならず、弾性剛性 ke が求まりません");
        return r;
    }
    e.ke = 0.4 * e.Ppeak / e.d04;
    e.A = areaUpTo(p, e.du);
    const double discriminant = e.du * e.du - 2 * e.A / e.ke;
    if (discriminant < 0) {
        e.Pyield = 0.85 * e.Ppeak;
        e.pyieldFallback = true;
    } else {
        e.Pyield = (e.du - std::sqrt(discriminant)) * e.ke;
    }
    e.dyield = e.Pyield / e.ke;
    if (!(e.dyield > 0)) {
        r.error = QT_TRANSLATE_NOOP("kvx::analysis", "降伏変形が正にならず、塑性率が求まりません");
        return r;
    }
    e.mu = e.du / e.dyield;
    r.value = e;
    return r;
}

MethodResult<En12512> en12512(const std::vector<EnvelopePoint>& p, int levelPoints) {
    MethodResult<En12512> r;
    if (levelPoints < 2) {
        r.error = tooFewLevels(levelPoints);
        return r;
    }
    En12512 e;
    const std::size_t ip = peakIndex(p);
    e.Fmax = p[ip].second;
    if (!(e.Fmax > 0)) {
        r.error = QT_TRANSLATE_NOOP("kvx::analysis", "最大荷重が正になりません");
        return r;
    }
    const auto v01 = firstReaching(p, 0.1 * e.Fmax);
    const auto v04 = firstReaching(p, 0.4 * e.Fmax);
    if (!v01 || !v04) {
        r.error = QT_TRANSLATE_NOOP("kvx::analysis", "0.4 Fmax に達する点がありません");
        return r;
    }
    e.v01 = v01->first;
    e.v04 = v04->first;
    if (!(e.v04 > e.v01)) {
        r.error = QT_TRANSLATE_NOOP("kvx::analysis", "0.1 Fmax と 0.4 Fmax の点を結ぶ直線の勾配が正になりません");
        return r;
    }
    e.k1 = 0.3 * e.Fmax / (e.v04 - e.v01);
    const double k2 = e.k1 / 6;
    std::size_t it = v04->second;
    for (std::size_t j = v04->second; j <= ip; ++j)
        if (p[j].second - k2 * p[j].first > p[it].second - k2 * p[it].first) it = j;
    e.vt = p[it].first;
    e.Ft = p[it].second;
    e.vy = (e.Ft - k2 * e.vt - 0.1 * e.Fmax + e.k1 * e.v01) / (e.k1 - k2);
    e.Fy = 0.1 * e.Fmax + e.k1 * (e.vy - e.v01);
    if (!(e.vy > 0)) {
        r.error = QT_TRANSLATE_NOOP("kvx::analysis", "降伏変形が正にならず、塑性率が求まりません");
        return r;
    }
    e.vu = fallingTo(p, ip, 0.8 * e.Fmax, e.vuAtLastPoint);
    e.D = e.vu / e.vy;
    r.value = e;
    return r;
}

CodeEvaluation evaluateCodes(std::span<const double> x, std::span<const double> y, const CycleAnalysis& cycles) {
    CodeEvaluation c;
    c.envelope = codeEnvelope(x, y, cycles);
    const auto plus = folded(c.envelope.plus), minus = folded(c.envelope.minus);
    c.eeepPlus = eeep(plus, c.envelope.plusLevelPoints);
    c.eeepMinus = eeep(minus, c.envelope.minusLevelPoints);
    c.enPlus = en12512(plus, c.envelope.plusLevelPoints);
    c.enMinus = en12512(minus, c.envelope.minusLevelPoints);
    return c;
}

std::string methodsCsv(const CodeEvaluation& c) {
    std::string out = "方法,側,最大荷重,最大荷重時変形,降伏荷重,降伏変形,終局変形,初期剛性,塑性率,注記\n";
    const auto eeepRow = [&](const char* side, const MethodResult<Eeep>& r) {
        out += text::format("ASTM E2126 EEEP,%s,", side);
        if (!r.value) {
            out += ",,,,,,," + r.error + "\n";
            return;
        }
        const Eeep& e = *r.value;
        out += text::format("%f,%f,%f,%f,%f,%f,%f,", e.Ppeak, e.dpeak, e.Pyield, e.dyield, e.du, e.ke, e.mu);
        out += flagText(e.duAtLastPoint, "Δu は包絡線の最後の点 ") + flagText(e.pyieldFallback, "Pyield = 0.85 Ppeak") + "\n";
    };
    const auto enRow = [&](const char* side, const MethodResult<En12512>& r) {
        out += text::format("EN 12512,%s,", side);
        if (!r.value) {
            out += ",,,,,,," + r.error + "\n";
            return;
        }
        const En12512& e = *r.value;
        out += text::format("%f,,%f,%f,%f,%f,%f,", e.Fmax, e.Fy, e.vy, e.vu, e.k1, e.D);
        out += flagText(e.vuAtLastPoint, "vu は包絡線の最後の点") + "\n";
    };
    eeepRow("正", c.eeepPlus);
    eeepRow("負", c.eeepMinus);
    enRow("正", c.enPlus);
    enRow("負", c.enMinus);
    return text::utf8ToCp932Lossy(out);
}

}  // namespace kvx::analysis
