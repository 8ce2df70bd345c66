#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lomarek {

// Reads a number the way the C library's atof does in the "C" locale, whatever
// the process locale: leading white space, an optional sign, digits with an
// optional "." and fraction, an exponent only when digits follow it. The longest
// such prefix is converted and the rest ignored; no number at all gives 0.
// Hexadecimal, "inf" and "nan" texts are not numbers here. Magnitudes beyond the
// double range become infinities, those below it zero.
double ParseDecimal(std::string_view text) noexcept;

// Longest text that FormatFixed can write: 309 integer digits of DBL_MAX, a
// sign, the point and six decimals.
inline constexpr std::size_t kMaxFixedChars = 320;

// Writes value as printf's "%f" does in the "C" locale ("inf", "-inf", "nan",
// "-nan" for the special values); returns the number of characters written.
// out must hold kMaxFixedChars characters.
std::size_t FormatFixed(double value, char* out) noexcept;

void AppendFixed(std::string& out, double value);

} // namespace lomarek
