// Polynomial and exponential approximation of the skeleton curve.
#include "analysis/approximation.h"

#include "text/printf.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace kvx::analysis {

InverseResult invertGaussJordan(std::vector<double>& a, int n, double threshold) {
    InverseResult r;
    if (n < 2 || n > 100 || !(threshold > 0.0)) {
        r.status = 2;
        return r;
    }
    const auto N = static_cast<std::size_t>(n);
    const auto at = [&](std::size_t i, std::size_t j) -> double& { return a[i * N + j]; };
    std::vector<std::size_t> swapped(N);
    r.determinant = 1.0;
    for (std::size_t k = 0; k < N; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < N; ++i)
            if (std::fabs(at(i, k)) > std::fabs(at(p, k))) p = i;
        if (std::fabs(at(p, k)) <= threshold) {
            r.status = 1;
            return r;
        }
        swapped[k] = p;
        if (p != k) {
            for (std::size_t j = 0; j < N; ++j) std::swap(at(k, j), at(p, j));
            r.determinant = -r.determinant;
        }
        const double pivot = at(k, k);
        r.determinant *= pivot;
        at(k, k) = 1.0;
        for (std::size_t j = 0; j < N; ++j) at(k, j) /= pivot;
        for (std::size_t i = 0; i < N; ++i) {
            if (i == k) continue;
            const double f = at(i, k);
            if (f == 0.0) continue;
            at(i, k) = 0.0;
            for (std::size_t j = 0; j < N; ++j) at(i, j) -= f * at(k, j);
        }
    }
    for (std::size_t k = N; k-- > 0;)
        if (swapped[k] != k)
            for (std::size_t i = 0; i < N; ++i) std::swap(at(i, k), at(i, swapped[k]));
    return r;
}

namespace {

// Below this share of its length left after orthogonalisation, t times the
// last basis vector counts as lying in the span already: the new direction
// would be rounding noise, and the coefficients built on it meaningless.
constexpr double kDependentDirection = 1e-10;

double dot(const double* u, const double* v, std::size_t n) {
    double s = 0.0;
    for (std::size_t i = 0; i < n; ++i) s += u[i] * v[i];
    return s;
}

std::size_t distinctValues(std::span<const double> x) {
    std::vector<double> sorted(x.begin(), x.end());
    std::sort(sorted.begin(), sorted.end());
    return static_cast<std::size_t>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
}

// Least-squares polynomial in t (|t| <= 1) as monomial coefficients b[0] ... b[terms-1],
// or nothing when the points cannot determine that many terms.
//
// The normal equations square the condition of the Vandermonde matrix, and at
// degree 11-13 that leaves almost no correct digits, so the fit is projected on
// an orthonormal basis of polynomials over the points instead: q[k+1] is
// t * q[k] orthogonalised against all earlier q (twice, which keeps them
// orthogonal to rounding level), and C tracks each q as monomial coefficients
// so the projection can be handed back in the monomial form the program uses.
std::optional<std::vector<double>> leastSquaresOnBasis(std::span<const double> t, std::span<const double> y,
                                                       std::size_t terms) {
    const std::size_t n = t.size();
    std::vector<double> q(terms * n), C(terms * terms, 0.0), h(terms);
    const auto row = [&](std::size_t k) { return q.data() + k * n; };
    const auto coef = [&](std::size_t k) { return C.data() + k * terms; };
    const double first = 1.0 / std::sqrt(static_cast<double>(n));
    std::fill(row(0), row(0) + n, first);
    coef(0)[0] = first;
    std::vector<double> v(n);
    for (std::size_t k = 0; k + 1 < terms; ++k) {
        for (std::size_t i = 0; i < n; ++i) v[i] = t[i] * row(k)[i];
        const double before = std::sqrt(dot(v.data(), v.data(), n));
        std::fill(h.begin(), h.end(), 0.0);
        for (int pass = 0; pass < 2; ++pass)
            for (std::size_t j = 0; j <= k; ++j) {
                const double c = dot(row(j), v.data(), n);
                h[j] += c;
                for (std::size_t i = 0; i < n; ++i) v[i] -= c * row(j)[i];
            }
        const double after = std::sqrt(dot(v.data(), v.data(), n));
        if (!(after > kDependentDirection * before)) return std::nullopt;
        for (std::size_t i = 0; i < n; ++i) row(k + 1)[i] = v[i] / after;
        // q[k+1] = (t q[k] - sum h[j] q[j]) / after, coefficient by coefficient.
        for (std::size_t c = 0; c < terms; ++c) {
            double value = c > 0 ? coef(k)[c - 1] : 0.0;
            for (std::size_t j = 0; j <= k; ++j) value -= h[j] * coef(j)[c];
            coef(k + 1)[c] = value / after;
        }
    }
    // Projecting the running residual (not y itself) on each q keeps what an
    // earlier direction already explained out of the later coefficients.
    std::vector<double> residual(y.begin(), y.end()), b(terms, 0.0);
    for (std::size_t k = 0; k < terms; ++k) {
        const double d = dot(row(k), residual.data(), n);
        for (std::size_t i = 0; i < n; ++i) residual[i] -= d * row(k)[i];
        for (std::size_t c = 0; c <= k; ++c) b[c] += d * coef(k)[c];
    }
    return b;
}

}  // namespace

PolynomialFit fitPolynomial(int degree, std::span<const double> x, std::span<const double> y) {
    if (degree < 0) throw std::invalid_argument("fitPolynomial: negative degree");
    PolynomialFit fit;
    const auto terms = static_cast<std::size_t>(degree) + 1;
    fit.a.assign(terms, 0.0);
    const std::size_t n = std::min(x.size(), y.size());
    x = x.first(n);
    y = y.first(n);
    const auto finite = [](double v) { return std::isfinite(v); };
    if (!std::all_of(x.begin(), x.end(), finite) || !std::all_of(y.begin(), y.end(), finite) ||
        distinctValues(x) < terms) {
        fit.status = 1;
        return fit;
    }
    double scale = 0.0;
    for (double v : x) scale = std::max(scale, std::fabs(v));
    if (scale == 0.0) {
        fit.status = 1;
        return fit;
    }
    std::vector<double> t(n);
    for (std::size_t i = 0; i < n; ++i) t[i] = x[i] / scale;
    const std::optional<std::vector<double>> b = leastSquaresOnBasis(t, y, terms);
    if (!b) {
        fit.status = 1;
        return fit;
    }
    double scalePower = 1.0;
    for (std::size_t i = 0; i < terms; ++i) {
        fit.a[i] = (*b)[i] / scalePower;
        scalePower *= scale;
    }
    return fit;
}

double polynomialValue(std::span<const double> a, double x) {
    if (a.empty()) return 0.0;
    double y = a[0];
    double power = 1.0;
    for (std::size_t k = 1; k < a.size(); ++k) {
        power *= x;
        y += a[k] * power;
    }
    return y;
}

double exponentialValue(double A, double n, double c, double x) {
    if (x >= 0) return A * std::pow(x, n) * std::exp(-x / c);
    return -A * std::pow(std::fabs(x), n) * std::exp(x / c);
}

namespace {

constexpr int kGridA = 50, kGridC = 50, kGridN = 10;

double gridA(int l, double K0) { return (0.85 + 0.3 * l / 50) * K0; }
double gridC(int m, double D0) { return (0.8 + 0.4 * m / 50) * D0; }
double gridN(int k) { return 1 - 0.005 * k; }

// K0 from the segment slopes in the +-10 % band around the origin, D0 from the peaks.
bool gridBasis(std::span<const double> x, std::span<const double> y, ExponentialFit& fit) {
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0) return false;
    const double lo = 0.1 * x[0], hi = 0.1 * x[n - 1];
    double sum = 0.0;
    int count = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (x[i] < lo || x[i] > hi) continue;
        sum += (y[i + 1] - y[i]) / (x[i + 1] - x[i]);
        ++count;
    }
    if (count == 0) return false;
    fit.K0 = sum / count;
    double maxLoad = 0.0, minLoad = 0.0, xMax = 0.0, xMin = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (y[i] > 0 && y[i] > maxLoad) maxLoad = y[i], xMax = x[i];
        if (y[i] <= 0 && y[i] < minLoad) minLoad = y[i], xMin = x[i];
    }
    fit.D0 = (xMax - xMin) / 2;
    return true;
}

double residualDirect(std::span<const double> x, std::span<const double> y, double A, double n, double c) {
    double sum = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double d = exponentialValue(A, n, c, x[i]) - y[i];
        sum += d * d;
    }
    return sum;
}

}  // namespace

ExponentialFit fitExponentialDirect(std::span<const double> x, std::span<const double> y) {
    ExponentialFit fit;
    if (!gridBasis(x, y, fit)) return fit;
    fit.ok = true;
    double best = 1e20;
    for (int l = 0; l < kGridA; ++l)
        for (int m = 0; m < kGridC; ++m)
            for (int k = 0; k < kGridN; ++k) {
                const double A = gridA(l, fit.K0), c = gridC(m, fit.D0), n = gridN(k);
                const double r = residualDirect(x, y, A, n, c);
                if (r < best) {
                    best = r;
                    fit.A = A, fit.n = n, fit.c = c;
                    if (l == kGridA - 1 || m == kGridC - 1 || k == kGridN - 1) fit.edgeFlag = -1.0;
                }
            }
    fit.residual = best;
    return fit;
}

ExponentialFit fitExponential(std::span<const double> x, std::span<const double> y) {
    ExponentialFit fit;
    if (!gridBasis(x, y, fit)) return fit;
    fit.ok = true;
    const std::size_t points = std::min(x.size(), y.size());
    x = x.first(points);
    y = y.first(points);
    // The residual is quadratic in A: with g = sign(x) |x|^n e^(-|x|/c),
    // R(A) = A^2 Sgg - 2 A Sgy + Syy. The sums need one power and one
    // exponential per point for each (c, n), not for each of the 50 A values.
    double syy = 0.0;
    for (double v : y) syy += v * v;
    std::vector<double> sgg(kGridC * kGridN), sgy(kGridC * kGridN);
    for (int m = 0; m < kGridC; ++m)
        for (int k = 0; k < kGridN; ++k) {
            const double c = gridC(m, fit.D0), n = gridN(k);
            double gg = 0.0, gy = 0.0;
            for (std::size_t i = 0; i < points; ++i) {
                const double g = exponentialValue(1.0, n, c, x[i]);
                gg += g * g;
                gy += g * y[i];
            }
            sgg[static_cast<std::size_t>(m * kGridN + k)] = gg;
            sgy[static_cast<std::size_t>(m * kGridN + k)] = gy;
        }
    // The formula differs from the term-by-term sum only by rounding. A
    // candidate it puts clearly above the best is skipped; any other is
    // evaluated term by term, so the search takes exactly the same steps
    // (and sets the same edge flag) as the direct one.
    double best = 1e20;
    for (int l = 0; l < kGridA; ++l) {
        const double A = gridA(l, fit.K0);
        for (int m = 0; m < kGridC; ++m)
            for (int k = 0; k < kGridN; ++k) {
                const auto idx = static_cast<std::size_t>(m * kGridN + k);
                const double quick = A * A * sgg[idx] - 2 * A * sgy[idx] + syy;
                const double slack = 1e-9 * (A * A * sgg[idx] + 2 * std::fabs(A * sgy[idx]) + syy);
                if (!(quick - slack < best)) continue;
                const double c = gridC(m, fit.D0), n = gridN(k);
                const double r = residualDirect(x, y, A, n, c);
                if (r < best) {
                    best = r;
                    fit.A = A, fit.n = n, fit.c = c;
                    if (l == kGridA - 1 || m == kGridC - 1 || k == kGridN - 1) fit.edgeFlag = -1.0;
                }
            }
    }
    fit.residual = best;
    return fit;
}

double Approximation::value(double x) const {
    if (degree == 99)
        return coefficients.size() >= 3 ? exponentialValue(coefficients[0], coefficients[1], coefficients[2], x) : 0.0;
    return polynomialValue(coefficients, x);
}

std::vector<std::pair<std::string, std::string>> coefficientRows(const std::vector<double>& coefficients) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::size_t i = 0; i < coefficients.size() && i < 15; ++i)
        rows.emplace_back(text::format("a[%2d]", static_cast<int>(i)), text::format("%13.5e", coefficients[i]));
    return rows;
}

}  // namespace kvx::analysis
