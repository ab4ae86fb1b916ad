// The skeleton evaluation, step by step.
#include "plot/skeleton_evaluation.h"

#include "analysis/curve_helpers.h"
#include "text/cp932.h"
#include "text/printf.h"
#include "text/replacing_file.h"
#include "text/translate.h"

#include <cmath>
#include <cstdio>

namespace kvx::plot {
namespace {

using analysis::SkeletonCurve;

void storePoints(SkeletonCurve& curve, const analysis::PointList& p) {
    // At most 301 points come out of the resampling; the store has 1500 slots.
    const std::size_t n = std::min<std::size_t>(p.size(), SkeletonCurve::kSlots);
    for (std::size_t i = 0; i < n; ++i) curve.X[i] = p.x[i], curve.Y[i] = p.y[i];
    curve.count = static_cast<int>(n);
    curve.skeletonPoints = curve.count;
    curve.approximated = false;
}

void line(Canvas& c, const FrameMapping& map, double x0, double y0, double x1, double y1) {
    c.moveTo(map.toPixel(x0, y0));
    c.lineTo(map.toPixel(x1, y1));
}

void drawGuideLines(Canvas& canvas, const FrameMapping& map, const analysis::RecordValues& r, bool rad) {
    const Pen saved = canvas.pen();
    Pen pen{Rgb::fromHex(0x0000FF), 1, PenStyle::Dotted, PenMode::Copy};
    canvas.setPen(pen);
    line(canvas, map, r.PmaxX, 0, r.PmaxX, r.Pmax);
    line(canvas, map, -r.PminX, 0, -r.PminX, -r.Pmin);
    if (rad) {
        const double span = 2 * map.frame.YStep * map.frame.YDivisions;
        pen.color = Rgb{128, 128, 0};
        canvas.setPen(pen);
        line(canvas, map, 1.0 / 120, 0, 1.0 / 120, span);
        line(canvas, map, -1.0 / 120, 0, -1.0 / 120, -span);
        pen.color = Rgb{0, 0, 128};
        canvas.setPen(pen);
        line(canvas, map, r.PmaxX / 2, 0, r.PmaxX / 2, span);
        line(canvas, map, -r.PminX / 2, 0, -r.PminX / 2, -span);
    }
    canvas.setPen(saved);
}

// Fits the chosen curve to the skeleton points and replaces them by 300 samples.
void approximate(SkeletonState& state, int degree, ui::Interaction& ia) {
    SkeletonCurve& curve = state.curve;
    const auto x = std::span<const double>(curve.X).first(static_cast<std::size_t>(curve.count));
    const auto y = std::span<const double>(curve.Y).first(static_cast<std::size_t>(curve.count));
    analysis::Approximation& a = state.approximation;
    a = {};
    a.degree = degree;
    if (curve.count == 0) {
        a.ok = false;
        return;
    }
    if (degree == 99) {
        const analysis::ExponentialFit fit = analysis::fitExponential(x, y);
        if (!fit.ok || fit.residual >= 1e20) {
            ia.message(text::translate("kvx::plot", "近似曲線を求めることができません．\n原点付近（最大変形の±10%の範囲）に骨格曲線の点がないか、"
                       "最大荷重点の変形が 0 です．"),
                       text::translate("kvx::plot", "近似エラー"), ui::Icon::Warning);
            a.ok = false;
            return;
        }
        a.coefficients = {fit.A, fit.n, fit.c, fit.residual, fit.edgeFlag};
    } else {
        const analysis::PolynomialFit fit = analysis::fitPolynomial(degree, x, y);
        if (fit.status != 0)
            ia.message(text::translate("kvx::plot", "近似式の係数が求まりません（係数行列が特異です）．\n近似曲線は y = 0 になります．"), text::translate("kvx::plot", "近似エラー"),
                       ui::Icon::Warning);
        a.coefficients = fit.a;
    }
    const double x0 = curve.X[0];
    const double xn = curve.X[static_cast<std::size_t>(curve.count - 1)];
    for (std::size_t i = 0; i < SkeletonCurve::kApproximationSamples; ++i) {
        curve.X[i] = x0 + static_cast<double>(i) * (xn - x0) / 300;
        curve.Y[i] = a.value(curve.X[i]);
    }
    curve.count = SkeletonCurve::kApproximationSamples;
    curve.approximated = true;
}

bool writeFile(const std::string& path, const std::string& content) { return text::replaceFile(path, content); }

void evaluateSide(SkeletonState& state, bool negative, const SkeletonOptions& o, Canvas& canvas,
                  const FrameMapping& map, ui::Interaction& ia) {
    const auto x = state.curve.storedX();
    const auto y = state.curve.storedY();
    analysis::ElastoResult result;
    if (negative) {
        const analysis::Curve m = analysis::mirrored(x, y);
        result = analysis::elastoPlastic(m.x, m.y);
    } else {
        result = analysis::elastoPlastic(x, y);
    }
    (negative ? state.minus : state.plus) = result;
    if (!result.model) {
        // Both sides can fail with the same text: say which one this is.
        // The model's failure stays Japanese for the report; shown, it is translated.
        ia.message((negative ? text::translate("kvx::plot", "負側: ") : text::translate("kvx::plot", "正側: ")) +
                       text::translate("kvx::analysis", result.failure.message.c_str()),
                   text::translate("kvx::analysis", result.failure.caption.c_str()),
                   result.failure.exclamation ? ui::Icon::Exclamation : ui::Icon::None);
        return;
    }
    const analysis::ElastoPlastic& m = *result.model;
    const double s = negative ? -1.0 : 1.0;
    const Pen saved = canvas.pen();
    canvas.setPen({Rgb{0, 128, 0}, 2, PenStyle::Solid, PenMode::Copy});
    canvas.polyline({map.toPixel(0, 0), map.toPixel(s * m.dv, s * m.Pu), map.toPixel(s * m.du, s * m.Pu)});
    canvas.setPen(saved);
    analysis::setModelLabels(m, negative, o.units, state.labels);
}

}  // namespace

std::optional<std::string> skeletonFileText(const SkeletonCurve& curve, const SkeletonOptions& o) {
    std::string t = "1CH,2Ch\n";
    t += o.yName + "," + o.xName + "\n";
    t += ",\n";
    t += o.units.load + "," + o.units.deformation + "\n";
    for (int i = 0; i < curve.stored(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!std::isfinite(curve.Y[at]) || !std::isfinite(curve.X[at])) return std::nullopt;
        t += text::format("%15.6f,%15.6f\n", curve.Y[at], curve.X[at]);
    }
    return t;
}

void runSkeletonEvaluation(std::span<const double> x, std::span<const double> y, const SkeletonOptions& o,
                           SkeletonState& state, Canvas& canvas, const FrameMapping& map, ui::Interaction& ia,
                           SkeletonHost& host, analysis::ElastoFile* elasto) {
    state.evaluated = true;
    state.xChannel = o.xChannel;
    state.yChannel = o.yChannel;
    state.plus.reset();
    state.minus.reset();
    state.coefficientRows.clear();
    state.approximation = {};

    storePoints(state.curve, analysis::skeletonPoints(x, y));
    host.storeReplaced();

    state.record = analysis::recordValues(x, y, o.units, state.labels);
    if (o.guideLines) drawGuideLines(canvas, map, state.record, o.units.rad());

    host.setEditorWallButton(true);
    if (o.editSkeleton) {
        host.setEditorWallButton(false);
        host.showEditor();
        if (o.wallEvaluation) return;
    }

    const auto skX = std::span<const double>(state.curve.X).first(static_cast<std::size_t>(state.curve.count));
    const auto skY = std::span<const double>(state.curve.Y).first(static_cast<std::size_t>(state.curve.count));
    if (const auto failure = analysis::measuredValues(skX, skY, o.units, state.labels, state.measured)) {
        ia.message(failure->message, failure->caption, ui::Icon::None);
        return;
    }

    if (o.approximationDegree != 0) {
        approximate(state, o.approximationDegree, ia);
        host.storeReplaced();
    }

    if (state.curve.stored() > 0) {
        const Pen saved = canvas.pen();
        canvas.setPen({kBlack, 2, PenStyle::Solid, PenMode::Copy});
        canvas.moveTo(map.toPixel(state.curve.X[0], state.curve.Y[0]));
        for (int i = 1; i < state.curve.stored(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            canvas.lineTo(map.toPixel(state.curve.X[at], state.curve.Y[at]));
        }
        canvas.setPen(saved);
    }

    if (o.fileOutput) {
        const std::string path = o.resultDirectory + "SKELTON.CSV";
        const auto content = skeletonFileText(state.curve, o);
        if (!content || !writeFile(path, *content))
            ia.message(text::translate("kvx::plot", "SKELTON.CSVを作成できません（使用中か、書き込みできないフォルダです）\n") + path,
                       text::translate("kvx::plot", "ファイル出力エラー"), ui::Icon::Warning);
        else
            ia.message(text::translate("kvx::plot", "骨格曲線データSkelton.csvに出力しました"), text::translate("kvx::plot", "骨格曲線データファイル出力"), ui::Icon::Exclamation);
    }

    state.coefficientRows = analysis::coefficientRows(state.approximation.coefficients);
    if (const auto failure = analysis::approximationValues(state.curve.storedX(), state.curve.storedY(), o.units,
                                                           state.labels, state.approximated)) {
        ia.message(failure->message, failure->caption, ui::Icon::None);
        return;
    }

    if (o.elastoPlastic) {
        evaluateSide(state, false, o, canvas, map, ia);
        if (!o.firstQuadrant) evaluateSide(state, true, o, canvas, map, ia);
        host.showCharacteristics();
    }

    if (o.fileOutput) {
        const std::string row =
            analysis::elastoRow(text::utf8ToCp932Lossy(o.dataFileName), o.xChannel, o.yChannel, state.labels);
        if (!elasto || !elasto->append(row))
            ia.message(text::translate("kvx::plot", "ELASTO.CSVに書き込めませんでした"), text::translate("kvx::plot", "ファイル出力エラー"), ui::Icon::Warning);
        host.uncheckFileOutput();
    }
}

}  // namespace kvx::plot
