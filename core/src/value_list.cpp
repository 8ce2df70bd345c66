#include "lomarek/value_list.h"

#include "lomarek/decimal.h"

namespace lomarek {
namespace {

// 2 MB of terms at most.
constexpr std::uint32_t kTermsIntervals = 1u << 16;

constexpr bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

ValueListConverter::ValueListConverter(Interpolation method, const double* X, const double* Y, std::uint32_t n,
                                       LineEnd lineEnd)
    : m_method(method),
      m_x(X),
      m_y(Y),
      m_index(X, n),
      m_lineEnd(lineEnd == LineEnd::CrLf ? "\r\n" : "\n")
{
    if (method == Interpolation::Spline) {
        m_curvatures = BuildSplineCurvatures(X, Y, n);
        if (n - 1 <= kTermsIntervals) {
            m_terms.resize(n); // entry 0 unused, as interval numbers start at 1
            for (std::uint32_t k = 1; k < n; ++k)
                m_terms[k] = MakeSplineTerms(m_curvatures.data(), X, Y, k);
            m_curvatures = {};
        }
    }
}

void ValueListConverter::ConvertEntry(std::string_view entry, std::string& output)
{
    // Trimming the entry first would change nothing: the reading skips leading
    // white space and ignores whatever follows the number.
    const double x = ParseDecimal(entry);
    AppendValue(x, m_index.Find(x), output);
}

void ValueListConverter::ConvertBatch(std::size_t count, std::string& output)
{
    for (std::size_t k = 0; k < count; ++k)
        m_values[k] = ParseDecimal(m_batch[k]);
    m_index.FindBatch(m_values, m_intervals, count);
#if defined(__GNUC__)
    for (std::size_t k = 0; k < count; ++k) {
        if (m_intervals[k] != BracketingIndex::kNone) {
            __builtin_prefetch(m_y + m_intervals[k]);
            if (!m_curvatures.empty())
                __builtin_prefetch(m_curvatures.data() + m_intervals[k]);
        }
    }
#endif
    for (std::size_t k = 0; k < count; ++k)
        AppendValue(m_values[k], m_intervals[k], output);
}

void ValueListConverter::AppendValue(double x, std::uint32_t i, std::string& output)
{
    if (i == BracketingIndex::kNone) {
        output.append("error");
    } else if (m_method == Interpolation::Linear) {
        const double* X = m_x;
        const double* Y = m_y;
        const double a = (x - X[i]) * (Y[i + 1] - Y[i]);
        const double b = a / (X[i + 1] - X[i]);
        AppendFixed(output, b + Y[i]);
    } else {
        const double y = m_terms.empty() ? EvaluateSpline(m_curvatures.data(), m_x, m_y, i + 1, x)
                                         : EvaluateSpline(m_terms[i + 1], m_x, i + 1, x);
        AppendFixed(output, y);
    }
    output.append(m_lineEnd);
}

void ValueListConverter::Feed(std::string_view text, std::string& output)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    if (!m_pending.empty()) {
        const char* stop = p;
        while (stop != end && !IsLineBreak(*stop))
            ++stop;
        m_pending.append(p, stop);
        if (stop == end)
            return;
        ConvertEntry(m_pending, output);
        m_pending.clear();
        p = stop;
    }
    std::size_t batched = 0;
    for (;;) {
        while (p != end && IsLineBreak(*p))
            ++p;
        if (p == end)
            break;
        const char* stop = p;
        while (stop != end && !IsLineBreak(*stop))
            ++stop;
        if (stop == end) {
            m_pending.assign(p, stop);
            break;
        }
        m_batch[batched++] = std::string_view(p, static_cast<std::size_t>(stop - p));
        if (batched == kBatch) {
            ConvertBatch(batched, output);
            batched = 0;
        }
        p = stop;
    }
    ConvertBatch(batched, output);
}

void ValueListConverter::Finish(std::string& output)
{
    if (!m_pending.empty()) {
        ConvertEntry(m_pending, output);
        m_pending.clear();
    }
}

namespace {

void Convert(Interpolation method, const DepthAgeTable& table, const std::vector<double>& X,
             const std::vector<double>& Y, std::string_view input, std::string& output)
{
    ValueListConverter converter(method, X.data(), Y.data(), table.m_nPoints);
    converter.Feed(input, output);
    converter.Finish(output);
}

} // namespace

void ConvertByLinear(const DepthAgeTable& table, const std::vector<double>& X, const std::vector<double>& Y,
                     std::string_view input, std::string& output)
{
    Convert(Interpolation::Linear, table, X, Y, input, output);
}

void ConvertBySpline(const DepthAgeTable& table, const std::vector<double>& X, const std::vector<double>& Y,
                     std::string_view input, std::string& output)
{
    Convert(Interpolation::Spline, table, X, Y, input, output);
}

} // namespace lomarek
