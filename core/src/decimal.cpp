#include "lomarek/decimal.h"

#include <charconv>
#include <cstring>
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

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common case of a short number: its digits form an integer m of at most
// 2^53 and its scale is a power of ten of at most 10^22, both exact doubles, so
// one multiplication or division rounds correctly (Clinger's fast path).
bool FastPath(const char* intBegin, const char* intEnd, const char* fracBegin, const char* fracEnd,
              const char* expBegin, const char* expEnd, double& value)
{
    const std::ptrdiff_t digits = (intEnd - intBegin) + (fracEnd - fracBegin);
    if (digits > 15 || expEnd - expBegin > 4)
        return false;
    std::uint64_t mantissa = 0;
    for (const char* d = intBegin; d != intEnd; ++d)
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*d - '0');
    for (const char* d = fracBegin; d != fracEnd; ++d)
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*d - '0');
    int exponent = 0;
    if (expBegin != expEnd) {
        const char* e = expBegin;
        const bool negativeExponent = *e == '-';
        if (*e == '+' || *e == '-')
            ++e;
        for (; e != expEnd; ++e)
            exponent = exponent * 10 + (*e - '0');
        if (negativeExponent)
            exponent = -exponent;
    }
    exponent -= static_cast<int>(fracEnd - fracBegin);
    const double m = static_cast<double>(mantissa); // exact: at most 15 digits
    if (exponent >= 0 && exponent <= 22)
        value = m * kPowersOfTen[exponent];
    else if (exponent < 0 && exponent >= -22)
        value = m / kPowersOfTen[-exponent];
    else
        return false;
    return true;
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
    if (FastPath(intBegin, intEnd, fracBegin, fracEnd, expBegin, expEnd, value))
        return negative ? -value : value;
    const auto result = std::from_chars(intBegin, p, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = OutOfRange(intBegin, intEnd, fracBegin, fracEnd, expBegin, expEnd);
    return negative ? -value : value;
}

std::size_t FormatFixed(double value, char* out) noexcept
{
#ifdef __SIZEOF_INT128__
    __extension__ typedef unsigned __int128 Wide;
    // Values below 2^53 in magnitude: value = m / 2^s exactly, so value * 10^6
    // is the exact fraction m * 10^6 / 2^s, rounded here half to even as
    // printf rounds. Larger values and the special ones go to to_chars.
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    if (biased < 1023 + 53) {
        const bool negative = (bits >> 63) != 0;
        std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
        int shift; // value = m / 2^shift
        if (biased == 0) {
            shift = 1074;
        } else {
            m |= std::uint64_t{1} << 52;
            shift = 1075 - biased;
        }
        Wide scaled = 0; // value * 10^6 rounded
        if (shift < 100) {
            const Wide exact = static_cast<Wide>(m) * 1000000u;
            if (shift <= 0) {
                scaled = exact << -shift;
            } else {
                scaled = exact >> shift;
                const Wide rest = exact - (scaled << shift);
                const Wide half = static_cast<Wide>(1) << (shift - 1);
                if (rest > half || (rest == half && (scaled & 1) != 0))
                    ++scaled;
            }
        } // else m * 10^6 < 2^73 <= 2^shift / 2: rounds to zero
        const auto units = static_cast<std::uint64_t>(scaled / 1000000u);
        auto fraction = static_cast<std::uint32_t>(scaled % 1000000u);
        char* p = out;
        if (negative)
            *p++ = '-';
        p = std::to_chars(p, p + 24, units).ptr;
        *p++ = '.';
        for (int d = 5; d >= 0; --d) {
            p[d] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        return static_cast<std::size_t>(p + 6 - out);
    }
#endif
    const auto result = std::to_chars(out, out + kMaxFixedChars, value, std::chars_format::fixed, 6);
    return static_cast<std::size_t>(result.ptr - out);
}

void AppendFixed(std::string& out, double value)
{
    char buffer[kMaxFixedChars];
    out.append(buffer, FormatFixed(value, buffer));
}

} // namespace lomarek
