#pragma once

#include <cstdlib>
#include <cstdio>
#include <string_view>

// A broken invariant stops the fuzzer with the input that broke it.
#define LOMAREK_FUZZ_CHECK(condition)                                                  \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                              \
        }                                                                              \
    } while (false)

namespace lomarek::fuzz {

// A "%f" text: an optional minus, digits, a point and six digits; or the
// texts of the special values.
inline bool IsFixedText(std::string_view line)
{
    if (line == "inf" || line == "-inf" || line == "nan" || line == "-nan")
        return true;
    if (!line.empty() && line.front() == '-')
        line.remove_prefix(1);
    const std::size_t point = line.find('.');
    if (point == std::string_view::npos || point == 0 || line.size() - point - 1 != 6)
        return false;
    for (std::size_t k = 0; k < line.size(); ++k)
        if (k != point && (line[k] < '0' || line[k] > '9'))
            return false;
    return true;
}

} // namespace lomarek::fuzz
