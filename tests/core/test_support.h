#pragma once

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "lomarek/byte_source.h"
#include "lomarek/depth_age_table.h"

namespace lomarek::testing {

// A loaded table of the given rows, as a successful load leaves it.
inline DepthAgeTable LoadedTable(std::vector<double> depths, std::vector<double> ages)
{
    DepthAgeTable table;
    table.m_depths = std::move(depths);
    table.m_ages = std::move(ages);
    table.m_nPoints = static_cast<std::uint32_t>(table.m_depths.size());
    table.m_bTableLoaded = true;
    return table;
}

// Hands out the bytes a few at a time, so that lines cross block ends.
class TrickleSource final : public ByteSource {
public:
    TrickleSource(std::string_view bytes, std::size_t step) : m_rest(bytes), m_step(step) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override
    {
        const std::size_t count = std::min({size, m_step, m_rest.size()});
        std::copy_n(m_rest.data(), count, buffer);
        m_rest.remove_prefix(count);
        return static_cast<std::ptrdiff_t>(count);
    }

private:
    std::string_view m_rest;
    std::size_t m_step;
};

} // namespace lomarek::testing
