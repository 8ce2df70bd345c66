#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lomarek/byte_source.h"

namespace lomarek {

// The tie points of a depth-age setting file, as the converter view holds them.
// m_nPoints and the columns are read only while m_bTableLoaded is true.
struct DepthAgeTable {
    bool m_bTableLoaded = false;
    std::vector<double> m_depths;
    std::vector<double> m_ages;
    std::uint32_t m_nPoints = 0;
};

enum class LoadStatus {
    Loaded,
    CannotOpen,
    NotRegularFile,
    NoSeparator,
    TooFewRows,
    ReadError,
    TooManyRows,
    OutOfMemory,
};

struct LoadResult {
    LoadStatus status = LoadStatus::CannotOpen;
    // The 1-based line that has no separator, for LoadStatus::NoSeparator.
    std::uint64_t line = 0;

    bool ok() const { return status == LoadStatus::Loaded; }
};

// Reads a setting file into the table's columns and m_nPoints; never touches
// m_bTableLoaded. A file that cannot be opened leaves the table as it was.
LoadResult LoadSettingFile(const std::string& path, DepthAgeTable& table);

// The same reading, from bytes already opened.
LoadResult ReadSettingFile(ByteSource& source, DepthAgeTable& table);

// Why a load failed, in the words of the command-line converter's message.
std::string DescribeLoadFailure(const LoadResult& result);

} // namespace lomarek
