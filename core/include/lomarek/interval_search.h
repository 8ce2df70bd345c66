#pragma once

#include <cstddef>
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
// binary search in a stretch that a bucket table narrows down, so that evenly
// spaced columns take constant time. Built in O(n log n); keeps a pointer to
// X, which must outlive it unchanged.
class BracketingIndex {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    BracketingIndex(const double* X, std::uint32_t n);

    // The interval index i, or kNone when no interval contains x.
    std::uint32_t Find(double x) const noexcept;

    // Find for count values at once: the memory reads of all lookups are
    // started before the first one is waited for.
    void FindBatch(const double* xs, std::uint32_t* found, std::size_t count) const noexcept;

private:
    struct Run {
        std::uint32_t first; // first point of the run
        std::uint32_t last;  // last point of the run
        // Bucket b of the run starts at the first upper end j with
        // BucketOf(X[j]) >= b; m_starts[offset + b], b = 0..buckets.
        std::uint32_t offset = 0;
        std::uint32_t buckets = 0;
        double low = 0;
        double scale = 0;
    };

    const Run* RunOf(double x) const noexcept;
    static std::uint32_t BucketOf(const Run& run, double v) noexcept;
    // The interval ending at the first of X[from..to] that reaches x.
    std::uint32_t FirstReaching(std::uint32_t from, std::uint32_t to, double x) const noexcept;

    const double* m_x;
    std::vector<Run> m_runs;
    // Distinct run end values in ascending order, and for each of the 2m-1
    // slots (every value, every open gap between neighbours) its first run.
    std::vector<double> m_bounds;
    std::vector<std::uint32_t> m_slotRun;
    std::vector<std::uint32_t> m_starts;
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
