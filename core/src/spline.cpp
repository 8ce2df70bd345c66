#include "lomarek/spline.h"

#include "lomarek/interval_search.h"

namespace lomarek {

SplineModel BuildSplineModel(const double* X, const double* Y, std::uint32_t n)
{
    SplineModel model;
    model.widths.assign(n, 0.0);
    model.slopes.assign(n, 0.0);
    model.curvatures.assign(n, 0.0);
    for (std::uint32_t i = 1; i < n; ++i) {
        model.widths[i] = X[i] - X[i - 1];
        model.slopes[i] = (Y[i] - Y[i - 1]) / (X[i] - X[i - 1]);
    }
    // The outer difference is taken from X itself, not as a sum of two widths.
    for (std::uint32_t i = 1; i + 1 < n; ++i)
        model.curvatures[i] = (model.slopes[i + 1] - model.slopes[i]) / (X[i + 1] - X[i - 1]);
    return model;
}

std::vector<double> BuildSplineCurvatures(const double* X, const double* Y, std::uint32_t n)
{
    std::vector<double> curvatures(n, 0.0);
    if (n < 3)
        return curvatures;
    double slope = (Y[1] - Y[0]) / (X[1] - X[0]);
    for (std::uint32_t i = 1; i + 1 < n; ++i) {
        const double next = (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]);
        curvatures[i] = (next - slope) / (X[i + 1] - X[i - 1]);
        slope = next;
    }
    return curvatures;
}

SplineModel BuildSplineModel(const std::vector<double>& X, const std::vector<double>& Y, std::uint32_t n)
{
    return BuildSplineModel(X.data(), Y.data(), n);
}

double EvaluateSpline(const SplineModel& model, const double* X, const double* Y, std::uint32_t k, double x) noexcept
{
    return EvaluateSpline(model.curvatures.data(), X, Y, k, x);
}

SplineTerms MakeSplineTerms(const double* curvatures, const double* X, const double* Y, std::uint32_t k) noexcept
{
    const std::uint32_t i = k - 1;
    const double h = X[k] - X[i];
    const double mi = curvatures[i];
    const double mk = curvatures[k];
    return {mi / (h * 6), mk / (h * 6), Y[i] / h - (h * mi) / 6, Y[k] / h - (mk * h) / 6};
}

// t1 and t2 are multiplied three times in succession, then the four terms are
// added in the order ((t2 + t1) + t3) + t4.
double EvaluateSpline(const SplineTerms& terms, const double* X, std::uint32_t k, double x) noexcept
{
    const double right = X[k] - x;
    const double left = x - X[k - 1];
    double t1 = terms.cubicRight;
    t1 *= right;
    t1 *= right;
    t1 *= right;
    double t2 = terms.cubicLeft;
    t2 *= left;
    t2 *= left;
    t2 *= left;
    const double t3 = terms.lineRight * right;
    const double t4 = terms.lineLeft * left;
    return ((t2 + t1) + t3) + t4;
}

double EvaluateSpline(const double* curvatures, const double* X, const double* Y, std::uint32_t k, double x) noexcept
{
    return EvaluateSpline(MakeSplineTerms(curvatures, X, Y, k), X, k, x);
}

double EvaluateSpline(const SplineModel& model, const std::vector<double>& X, const std::vector<double>& Y,
                      std::uint32_t k, double x) noexcept
{
    return EvaluateSpline(model, X.data(), Y.data(), k, x);
}

void SampleSplineCurve(std::uint32_t n, const std::vector<double>& X, const std::vector<double>& Y,
                       const std::vector<double>& samples, std::vector<double>& output)
{
    const SplineModel model = BuildSplineModel(X, Y, n);
    const CurveIndex index(X.data(), n);
    for (std::size_t j = 0; j < samples.size(); ++j) {
        const double x = samples[j];
        output[j] = EvaluateSpline(model, X, Y, index.Find(x), x);
    }
}

} // namespace lomarek
