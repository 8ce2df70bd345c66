#include "lomarek/value_list.h"

#include "lomarek/decimal.h"

namespace lomarek {
namespace {

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
    if (method == Interpolation::Spline)
        m_model = BuildSplineModel(X, Y, n);
}

void ValueListConverter::ConvertEntry(std::string_view entry, std::string& output)
{
    // Trimming the entry first would change nothing: the reading skips leading
    // white space and ignores whatever follows the number.
    const double x = ParseDecimal(entry);
    const std::uint32_t i = m_index.Find(x);
    if (i == BracketingIndex::kNone) {
        output.append("error");
    } else if (m_method == Interpolation::Linear) {
        const double* X = m_x;
        const double* Y = m_y;
        const double a = (x - X[i]) * (Y[i + 1] - Y[i]);
        const double b = a / (X[i + 1] - X[i]);
        AppendFixed(output, b + Y[i]);
    } else {
        AppendFixed(output, EvaluateSpline(m_model, m_x, m_y, i + 1, x));
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
    for (;;) {
        while (p != end && IsLineBreak(*p))
            ++p;
        if (p == end)
            return;
        const char* stop = p;
        while (stop != end && !IsLineBreak(*stop))
            ++stop;
        if (stop == end) {
            m_pending.assign(p, stop);
            return;
        }
        ConvertEntry(std::string_view(p, static_cast<std::size_t>(stop - p)), output);
        p = stop;
    }
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
