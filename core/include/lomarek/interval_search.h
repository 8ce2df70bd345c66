#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace lomarek {

// The first i in 0..n-2 with X[i] <= x <= X[i+1], by a scan from the start:
// the definition that every faster search must agree with.
std::optional<std::uint32_t> FindBracketingInterval(const std::vector<double>& X, std::uint32_t n, double x);

// The first k in 1..n-1 with X[k] >= x, else n-1.
std::uint32_t FindCurveInterval(const std::vector<double>& X, std::uint32_t n, double x);

// Answers FindBracketingInterval in logarithmic time. The column is cut into
// maximal non-decreasing runs; every value of the covered range is mapped to
// the first run containing it, and inside a run the interval is found by
// binary search. Built in O(n log n); keeps a pointer to X, which must outlive
// it unchanged.
class BracketingIndex {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    BracketingIndex(const double* X, std::uint32_t n);

    // The interval index i, or kNone when no interval contains x.
    std::uint32_t Find(double x) const noexcept;

private:
    struct Run {
        std::uint32_t first; // first point of the run
        std::uint32_t last;  // last point of the run
    };

    const double* m_x;
    std::vector<Run> m_runs;
    // Distinct run end values in ascending order, and for each of the 2m-1
    // slots (every value, every open gap between neighbours) its first run.
    std::vector<double> m_bounds;
    std::vector<std::uint32_t> m_slotRun;
};

// Answers FindCurveInterval in logarithmic time from the running maximum of
// X[1..n-1].
class CurveIndex {
public:
    CurveIndex(const double* X, std::uint32_t n);
    std::uint32_t Find(double x) const noexcept;

private:
    std::vector<double> m_runningMax; // entry j: largest of X[1..j+1], NaNs skipped
};

} // namespace lomarek
