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

SplineModel BuildSplineModel(const std::vector<double>& X, const std::vector<double>& Y, std::uint32_t n)
{
    return BuildSplineModel(X.data(), Y.data(), n);
}

double EvaluateSpline(const SplineModel& model, const double* X, const double* Y, std::uint32_t k, double x) noexcept
{
    const std::uint32_t i = k - 1;
    const double h = model.widths[k];
    const double mi = model.curvatures[i];
    const double mk = model.curvatures[k];
    const double right = X[k] - x;
    const double left = x - X[i];

    double t1 = mi / (h * 6);
    t1 *= right;
    t1 *= right;
    t1 *= right;
    double t2 = mk / (h * 6);
    t2 *= left;
    t2 *= left;
    t2 *= left;
    const double t3 = (Y[i] / h - (h * mi) / 6) * right;
    const double t4 = (Y[k] / h - (mk * h) / 6) * left;
    return ((t2 + t1) + t3) + t4;
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
