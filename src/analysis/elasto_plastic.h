// The equivalent perfect elasto-plastic (bilinear) model of one side of the
// skeleton curve: Pmax, the tangent construction for the yield load, the
// initial stiffness, the ultimate deformation at 0.8 Pmax after the peak, and
// the plateau that absorbs the same energy up to it.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace kvx::analysis {

struct ElastoPlastic {
    double Pmax = 0;
    double X01 = 0, X04 = 0, X09 = 0;  // deformations at 0.1, 0.4, 0.9 Pmax
    double k1 = 0, k2 = 0;             // slopes of line I and line II
    double Tx = 0, Ty = 0;             // tangent point of line III
    double xc = 0, Py = 0;             // intersection of lines I and III: yield load Py
    double K = 0;                      // initial stiffness Py / xc
    float du = 0;                      // ultimate deformation (single precision)
    double P8x = 0, P8y = 0;           // the point before the fall below 0.8 Pmax
    double S = 0;                      // area under the curve up to du
    double dv = 0, Pu = 0;             // yield deformation and plateau load of the model
};

/// Why a side has no model; `caption` is what the message box is titled.
struct ElastoFailure {
    std::string message;
    std::string caption;
    bool exclamation = false;
};

struct ElastoResult {
    std::optional<ElastoPlastic> model;
    ElastoFailure failure;  // when there is no model
};

/// The model of a curve in ascending X (for the negative side pass the mirrored curve).
ElastoResult elastoPlastic(std::span<const double> x, std::span<const double> y);

}  // namespace kvx::analysis
