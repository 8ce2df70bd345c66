// Any bytes as a setting file: the reader never fails to end, and what it
// leaves in the table always matches its answer, however the bytes arrive.
#include <algorithm>
#include <cstring>
#include <cstdint>
#include <string_view>

#include "fuzz_invariants.h"
#include "lomarek/depth_age_table.h"
#include "../core/test_support.h"


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    lomarek::DepthAgeTable whole;
    lomarek::MemorySource all(bytes);
    const lomarek::LoadResult result = lomarek::ReadSettingFile(all, whole);

    LOMAREK_FUZZ_CHECK(whole.m_depths.size() == whole.m_ages.size());
    switch (result.status) {
    case lomarek::LoadStatus::Loaded:
        LOMAREK_FUZZ_CHECK(whole.m_nPoints >= 2 && whole.m_nPoints == whole.m_depths.size());
        break;
    case lomarek::LoadStatus::TooFewRows:
        LOMAREK_FUZZ_CHECK(whole.m_nPoints < 2 && whole.m_nPoints == whole.m_depths.size());
        break;
    case lomarek::LoadStatus::NoSeparator:
        LOMAREK_FUZZ_CHECK(whole.m_nPoints == 0 && result.line >= 1);
        break;
    default:
        LOMAREK_FUZZ_CHECK(false);
    }

    lomarek::DepthAgeTable pieces;
    lomarek::testing::TrickleSource trickle(bytes, 1 + (size == 0 ? 0 : data[0] % 7));
    const lomarek::LoadResult again = lomarek::ReadSettingFile(trickle, pieces);
    LOMAREK_FUZZ_CHECK(again.status == result.status && again.line == result.line);
    LOMAREK_FUZZ_CHECK(pieces.m_nPoints == whole.m_nPoints && pieces.m_depths.size() == whole.m_depths.size());
    for (std::size_t k = 0; k < whole.m_depths.size(); ++k) {
        LOMAREK_FUZZ_CHECK(std::memcmp(&pieces.m_depths[k], &whole.m_depths[k], sizeof(double)) == 0);
        LOMAREK_FUZZ_CHECK(std::memcmp(&pieces.m_ages[k], &whole.m_ages[k], sizeof(double)) == 0);
    }
    return 0;
}
