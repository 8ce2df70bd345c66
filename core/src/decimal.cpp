#include "lomarek/decimal.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

namespace lomarek {
namespace {

constexpr bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// from_chars reports values outside the double range without a value; atof
// gives an infinity above it and zero below it. The decimal exponent of the
// leading significant digit tells the two apart.
double OutOfRange(const char* intBegin, const char* intEnd, const char* fracBegin, const char* fracEnd,
                  const char* expBegin, const char* expEnd)
{
    std::int64_t lead = 0;
    const char* p = intBegin;
    while (p != intEnd && *p == '0')
        ++p;
    if (p != intEnd) {
        lead = intEnd - p - 1;
    } else {
        const char* q = fracBegin;
        while (q != fracEnd && *q == '0')
            ++q;
        lead = -(q - fracBegin) - 1;
    }
    std::int64_t exponent = 0;
    bool negativeExponent = false;
    const char* e = expBegin;
    if (e != expEnd && (*e == '+' || *e == '-')) {
        negativeExponent = *e == '-';
        ++e;
    }
    for (; e != expEnd; ++e) {
        if (exponent < 1'000'000'000)
            exponent = exponent * 10 + (*e - '0');
    }
    if (negativeExponent)
        exponent = -exponent;
    return lead + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

double ParseDecimal(std::string_view text) noexcept
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && IsSpace(*p))
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* const intBegin = p;
    while (p != end && IsDigit(*p))
        ++p;
    const char* const intEnd = p;
    const char* fracBegin = p;
    const char* fracEnd = p;
    if (p != end && *p == '.') {
        fracBegin = p + 1;
        fracEnd = fracBegin;
        while (fracEnd != end && IsDigit(*fracEnd))
            ++fracEnd;
    }
    if (intEnd == intBegin && fracEnd == fracBegin)
        return 0.0;
    p = fracEnd;
    const char* expBegin = p;
    const char* expEnd = p;
    if (p != end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q != end && (*q == '+' || *q == '-'))
            ++q;
        if (q != end && IsDigit(*q)) {
            expBegin = p + 1;
            while (q != end && IsDigit(*q))
                ++q;
            expEnd = q;
            p = q;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(intBegin, p, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = OutOfRange(intBegin, intEnd, fracBegin, fracEnd, expBegin, expEnd);
    return negative ? -value : value;
}

std::size_t FormatFixed(double value, char* out) noexcept
{
    const auto result = std::to_chars(out, out + kMaxFixedChars, value, std::chars_format::fixed, 6);
    return static_cast<std::size_t>(result.ptr - out);
}

void AppendFixed(std::string& out, double value)
{
    char buffer[kMaxFixedChars];
    out.append(buffer, FormatFixed(value, buffer));
}

} // namespace lomarek
