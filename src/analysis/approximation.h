// Smooth functions fitted to the skeleton points: least-squares polynomials of
// degree 7, 9, 11, 13 and a three-parameter exponential curve found by a grid search.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kvx::analysis {

/// Gauss-Jordan inversion in place of the n x n matrix `a` (row by row), with
/// partial pivoting. Status 0: inverted; 1: a pivot of magnitude <= threshold
/// (singular); 2: n outside 2 ... 100 or threshold <= 0 (the matrix is untouched).
struct InverseResult {
    int status = 0;
    double determinant = 0.0;
};
InverseResult invertGaussJordan(std::vector<double>& a, int n, double threshold);

/// Least-squares polynomial of `degree` (>= 0) through the points: coefficients
/// a[0] ... a[degree] of y = a0 + a1 x + ... The fit is made on t = x / max|x|
/// with an orthonormal polynomial basis, so it is the true least-squares
/// polynomial up to rounding even at degree 13, and the coefficients are
/// scaled back to x. Status 1 with all coefficients 0: the points cannot
/// determine the polynomial (fewer distinct X than coefficients, X so close
/// that they are numerically one, or a non-finite value).
struct PolynomialFit {
    int status = 0;
    std::vector<double> a;
};
PolynomialFit fitPolynomial(int degree, std::span<const double> x, std::span<const double> y);

/// y = a0 + a1 x + ... accumulating the powers of x upwards.
double polynomialValue(std::span<const double> a, double x);

/// y = A x^n e^(-x/c) for x >= 0, the odd mirror for x < 0.
double exponentialValue(double A, double n, double c, double x);

struct ExponentialFit {
    bool ok = false;        // false: no point in the +-10 % band, no initial stiffness
    double A = 0, n = 0, c = 0;
    double residual = 0;    // smallest sum of squared residuals
    double edgeFlag = 0;    // -1 when an improvement ever happened on an upper grid edge
    double K0 = 0, D0 = 0;  // initial stiffness and peak deformation the grids are built on
};

/// The grid search over A (50) x c (50) x n (10) in that loop order, keeping
/// the first candidate of the smallest residual sum.
ExponentialFit fitExponential(std::span<const double> x, std::span<const double> y);
/// The same search evaluating every candidate term by term (the reference the
/// fast search must agree with).
ExponentialFit fitExponentialDirect(std::span<const double> x, std::span<const double> y);

/// The curve chosen by the approximation degree: coefficients as shown in the
/// coefficient grid (degree + 1 for a polynomial, A, n, c, residual, edge flag
/// for 99) and whether the fit could be made.
struct Approximation {
    int degree = 0;
    bool ok = true;
    std::vector<double> coefficients;
    double value(double x) const;
};

/// The coefficient grid of the characteristics window: rows of ("a[ i]", "%13.5e").
std::vector<std::pair<std::string, std::string>> coefficientRows(const std::vector<double>& coefficients);

}  // namespace kvx::analysis
