#include "lomarek/interval_search.h"

#include <algorithm>
#include <cmath>

namespace lomarek {
namespace {

constexpr std::uint32_t kBucketedRun = 16;

} // namespace

std::optional<std::uint32_t> FindBracketingInterval(const std::vector<double>& X, std::uint32_t n, double x)
{
    for (std::uint32_t i = 0; i + 1 < n; ++i) {
        if (X[i] <= x && x <= X[i + 1])
            return i;
    }
    return std::nullopt;
}

std::uint32_t FindCurveInterval(const std::vector<double>& X, std::uint32_t n, double x)
{
    for (std::uint32_t k = 1; k < n; ++k) {
        if (X[k] >= x)
            return k;
    }
    return n - 1;
}

BracketingIndex::BracketingIndex(const double* X, std::uint32_t n) : m_x(X)
{
    // A run is a maximal stretch of intervals with X[i] <= X[i+1]; a NaN ends one.
    for (std::uint32_t i = 0; i + 1 < n;) {
        if (!(X[i] <= X[i + 1])) {
            ++i;
            continue;
        }
        const std::uint32_t first = i;
        while (i + 1 < n && X[i] <= X[i + 1])
            ++i;
        m_runs.push_back({first, i});
    }
    if (m_runs.empty())
        return;

    m_bounds.reserve(2 * m_runs.size());
    for (const Run& run : m_runs) {
        m_bounds.push_back(X[run.first]);
        m_bounds.push_back(X[run.last]);
    }
    std::sort(m_bounds.begin(), m_bounds.end());
    m_bounds.erase(std::unique(m_bounds.begin(), m_bounds.end()), m_bounds.end());

    // Runs claim their slots in table order; a slot keeps its first claimant.
    // nextFree skips claimed slots, so every slot is written once.
    const std::size_t slots = 2 * m_bounds.size() - 1;
    m_slotRun.assign(slots, kNone);
    std::vector<std::uint32_t> nextFree(slots + 1);
    for (std::size_t s = 0; s <= slots; ++s)
        nextFree[s] = static_cast<std::uint32_t>(s);
    auto findFree = [&nextFree](std::uint32_t s) {
        std::uint32_t root = s;
        while (nextFree[root] != root)
            root = nextFree[root];
        while (nextFree[s] != root) {
            const std::uint32_t up = nextFree[s];
            nextFree[s] = root;
            s = up;
        }
        return root;
    };
    auto boundSlot = [this](double v) {
        return static_cast<std::uint32_t>(2 * (std::lower_bound(m_bounds.begin(), m_bounds.end(), v) - m_bounds.begin()));
    };
    for (std::uint32_t r = 0; r < m_runs.size(); ++r) {
        const std::uint32_t low = boundSlot(X[m_runs[r].first]);
        const std::uint32_t high = boundSlot(X[m_runs[r].last]);
        for (std::uint32_t s = findFree(low); s <= high; s = findFree(s)) {
            m_slotRun[s] = r;
            nextFree[s] = s + 1;
        }
    }

    // Short runs are searched directly; long ones get one bucket per interval.
    for (Run& run : m_runs) {
        const std::uint32_t intervals = run.last - run.first;
        const double span = X[run.last] - X[run.first];
        if (intervals < kBucketedRun || !(span > 0) || !std::isfinite(span))
            continue;
        run.offset = static_cast<std::uint32_t>(m_starts.size());
        run.buckets = intervals;
        run.low = X[run.first];
        run.scale = run.buckets / span;
        std::uint32_t bucket = 0;
        for (std::uint32_t j = run.first + 1; j <= run.last; ++j) {
            const std::uint32_t reached = BucketOf(run, X[j]);
            for (; bucket <= reached; ++bucket)
                m_starts.push_back(j);
        }
        for (; bucket <= run.buckets; ++bucket)
            m_starts.push_back(run.last + 1);
    }
}

// Monotone in v, which is all that the search relies on: a point in a lower
// bucket lies below any value in a higher one.
std::uint32_t BracketingIndex::BucketOf(const Run& run, double v) noexcept
{
    const double t = (v - run.low) * run.scale;
    if (!(t >= 0))
        return 0;
    if (t >= run.buckets)
        return run.buckets - 1;
    return static_cast<std::uint32_t>(t);
}

const BracketingIndex::Run* BracketingIndex::RunOf(double x) const noexcept
{
    // The usual column rises from start to end: one run, no slot to look up.
    if (m_runs.size() == 1) {
        const Run& run = m_runs.front();
        return m_x[run.first] <= x && x <= m_x[run.last] ? &run : nullptr;
    }
    if (m_bounds.empty() || std::isnan(x))
        return nullptr;
    const auto it = std::lower_bound(m_bounds.begin(), m_bounds.end(), x);
    const std::size_t j = static_cast<std::size_t>(it - m_bounds.begin());
    std::size_t slot;
    if (it != m_bounds.end() && *it == x)
        slot = 2 * j;
    else if (j == 0 || it == m_bounds.end())
        return nullptr;
    else
        slot = 2 * j - 1;
    const std::uint32_t r = m_slotRun[slot];
    return r == kNone ? nullptr : &m_runs[r];
}

// Within a run the first interval containing x is the first whose upper end
// reaches x: every earlier upper end, and so the lower end, lies below x.
std::uint32_t BracketingIndex::FirstReaching(std::uint32_t from, std::uint32_t to, double x) const noexcept
{
    const double* upper = std::lower_bound(m_x + from, m_x + to + 1, x);
    return static_cast<std::uint32_t>(upper - m_x - 1);
}

std::uint32_t BracketingIndex::Find(double x) const noexcept
{
    std::uint32_t found;
    FindBatch(&x, &found, 1);
    return found;
}

void BracketingIndex::FindBatch(const double* xs, std::uint32_t* found, std::size_t count) const noexcept
{
    // Upper ends in lower buckets lie below x, and the first one in a higher
    // bucket lies above it, so the answer is in the stretch between.
    // Between the passes found[k] holds where the value's bucket is kept.
    constexpr std::uint32_t kUnbucketed = kNone - 1;
    constexpr std::size_t kGroup = 64;
    const Run* runs[kGroup];
    for (std::size_t begin = 0; begin < count; begin += kGroup) {
        const std::size_t end = std::min(count, begin + kGroup);
        for (std::size_t k = begin; k < end; ++k) {
            const Run* run = RunOf(xs[k]);
            runs[k - begin] = run;
            if (!run) {
                found[k] = kNone;
            } else if (run->buckets == 0) {
                found[k] = kUnbucketed;
            } else {
                found[k] = run->offset + BucketOf(*run, xs[k]);
#if defined(__GNUC__)
                __builtin_prefetch(&m_starts[found[k]]);
#endif
            }
        }
#if defined(__GNUC__)
        for (std::size_t k = begin; k < end; ++k) {
            if (found[k] < kUnbucketed)
                __builtin_prefetch(m_x + m_starts[found[k]]);
        }
#endif
        for (std::size_t k = begin; k < end; ++k) {
            const Run* run = runs[k - begin];
            if (found[k] == kUnbucketed)
                found[k] = FirstReaching(run->first + 1, run->last, xs[k]);
            else if (found[k] != kNone)
                found[k] = FirstReaching(m_starts[found[k]], std::min(m_starts[found[k] + 1], run->last), xs[k]);
        }
    }
}

CurveIndex::CurveIndex(const double* X, std::uint32_t n)
{
    m_runningMax.reserve(n > 1 ? n - 1 : 0);
    double highest = -HUGE_VAL;
    bool any = false;
    for (std::uint32_t k = 1; k < n; ++k) {
        if (!std::isnan(X[k]) && (!any || X[k] > highest)) {
            highest = X[k];
            any = true;
        }
        // Before any number, no x can be reached; NaN compares false with all.
        m_runningMax.push_back(any ? highest : std::nan(""));
    }
}

std::uint32_t CurveIndex::Find(double x) const noexcept
{
    const auto count = static_cast<std::uint32_t>(m_runningMax.size());
    if (std::isnan(x))
        return count;
    // The first k whose running maximum reaches x is the first k with X[k] >= x.
    std::uint32_t low = 0;
    std::uint32_t high = count;
    while (low < high) {
        const std::uint32_t mid = low + (high - low) / 2;
        if (m_runningMax[mid] >= x)
            high = mid;
        else
            low = mid + 1;
    }
    return low < count ? low + 1 : count;
}

} // namespace lomarek
