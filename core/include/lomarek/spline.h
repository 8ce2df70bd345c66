#pragma once

#include <cstdint>
#include <vector>

namespace lomarek {

// A piecewise cubic through every tie point whose second-derivative values are
// the second divided differences of the table (zero at both ends). No system of
// equations is solved, so this is not a natural cubic spline.
struct SplineModel {
    std::vector<double> widths;     // widths[i] = X[i] - X[i-1]; entry 0 unused
    std::vector<double> slopes;     // slopes[i] = (Y[i] - Y[i-1]) / widths[i]; entry 0 unused
    std::vector<double> curvatures; // zero at both ends
};

SplineModel BuildSplineModel(const double* X, const double* Y, std::uint32_t n);
// The curvatures alone, bit for bit those of BuildSplineModel, for callers
// that need no more memory than the evaluation reads.
std::vector<double> BuildSplineCurvatures(const double* X, const double* Y, std::uint32_t n);
SplineModel BuildSplineModel(const std::vector<double>& X, const std::vector<double>& Y, std::uint32_t n);

// The cubic of interval k (between points k-1 and k), extended beyond it when x
// lies outside.
double EvaluateSpline(const SplineModel& model, const double* X, const double* Y, std::uint32_t k, double x) noexcept;
double EvaluateSpline(const SplineModel& model, const std::vector<double>& X, const std::vector<double>& Y,
                      std::uint32_t k, double x) noexcept;
// The same cubic from the curvatures alone: widths[k] is X[k] - X[k-1]
// recomputed, the same subtraction and so the same value.
double EvaluateSpline(const double* curvatures, const double* X, const double* Y, std::uint32_t k, double x) noexcept;

// The curve's value at every sample abscissa, end cubics extended; output[j]
// is overwritten for each sample j and nothing else. output must be at least
// as long as samples.
// The parts of interval k's cubic that do not depend on x, formed exactly as
// EvaluateSpline forms them, so that evaluating from them gives the same bits.
struct SplineTerms {
    double cubicRight; // curvatures[k-1] / (h * 6)
    double cubicLeft;  // curvatures[k] / (h * 6)
    double lineRight;  // Y[k-1] / h - (h * curvatures[k-1]) / 6
    double lineLeft;   // Y[k] / h - (curvatures[k] * h) / 6
};

SplineTerms MakeSplineTerms(const double* curvatures, const double* X, const double* Y, std::uint32_t k) noexcept;
double EvaluateSpline(const SplineTerms& terms, const double* X, std::uint32_t k, double x) noexcept;

void SampleSplineCurve(std::uint32_t n, const std::vector<double>& X, const std::vector<double>& Y,
                       const std::vector<double>& samples, std::vector<double>& output);

} // namespace lomarek
