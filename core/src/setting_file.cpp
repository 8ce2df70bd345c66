#include "lomarek/depth_age_table.h"

#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string_view>

#include "lomarek/decimal.h"

namespace lomarek {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr char kEndOfText = '\x1a';

// Splits the text-mode input into lines and turns each data line into a row.
class TableBuilder {
public:
    explicit TableBuilder(DepthAgeTable& table) : m_table(table) {}

    // false once a data line without separator was met.
    bool TakeLine(std::string_view line)
    {
        ++m_lineNumber;
        if (line.empty() || (line.size() >= 2 && line[0] == '/' && line[1] == '/'))
            return true;
        std::size_t separator = line.find(' ');
        if (separator == std::string_view::npos)
            separator = line.find('\t');
        if (separator == std::string_view::npos)
            separator = line.find(',');
        if (separator == std::string_view::npos)
            return false;
        m_table.m_depths.push_back(ParseDecimal(line.substr(0, separator)));
        m_table.m_ages.push_back(ParseDecimal(line.substr(separator + 1)));
        return true;
    }

    std::uint64_t lineNumber() const { return m_lineNumber; }

private:
    DepthAgeTable& m_table;
    std::uint64_t m_lineNumber = 0;
};

std::string_view WithoutCarriageReturn(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

namespace {

LoadResult ReadRows(ByteSource& source, DepthAgeTable& table)
{
    TableBuilder builder(table);
    LoadResult result;
    const auto block = std::make_unique_for_overwrite<char[]>(kBlockSize);
    std::string carried; // a line begun in an earlier block
    bool ended = false;
    while (!ended) {
        const std::ptrdiff_t count = source.Read(block.get(), kBlockSize);
        if (count < 0) {
            result.status = LoadStatus::ReadError;
            return result;
        }
        if (count == 0)
            break;
        std::string_view text(block.get(), static_cast<std::size_t>(count));
        if (const std::size_t stop = text.find(kEndOfText); stop != std::string_view::npos) {
            text = text.substr(0, stop);
            ended = true;
        }
        for (;;) {
            const std::size_t feed = text.find('\n');
            if (feed == std::string_view::npos) {
                carried.append(text);
                break;
            }
            std::string_view line = text.substr(0, feed);
            if (!carried.empty()) {
                carried.append(line);
                line = carried;
            }
            if (!builder.TakeLine(WithoutCarriageReturn(line))) {
                result.status = LoadStatus::NoSeparator;
                result.line = builder.lineNumber();
                return result;
            }
            carried.clear();
            text.remove_prefix(feed + 1);
        }
    }
    // The last line has no line feed; a final line feed leaves no extra line.
    if (!carried.empty() && !builder.TakeLine(carried)) {
        result.status = LoadStatus::NoSeparator;
        result.line = builder.lineNumber();
        return result;
    }

    if (table.m_depths.size() > std::numeric_limits<std::uint32_t>::max()) {
        result.status = LoadStatus::TooManyRows;
        return result;
    }
    table.m_nPoints = static_cast<std::uint32_t>(table.m_depths.size());
    result.status = table.m_nPoints < 2 ? LoadStatus::TooFewRows : LoadStatus::Loaded;
    return result;
}

} // namespace

LoadResult ReadSettingFile(ByteSource& source, DepthAgeTable& table)
{
    table.m_ages.clear();
    table.m_depths.clear();
    table.m_nPoints = 0;
    try {
        return ReadRows(source, table);
    } catch (const std::bad_alloc&) {
        // A table larger than memory is a failed load like any other.
        table.m_nPoints = 0;
        return {LoadStatus::OutOfMemory, 0};
    }
}

LoadResult LoadSettingFile(const std::string& path, DepthAgeTable& table)
{
    OpenedFile file = OpenRegularFile(path);
    LoadResult result;
    switch (file.status) {
    case OpenStatus::CannotOpen:
        result.status = LoadStatus::CannotOpen;
        return result;
    case OpenStatus::NotRegularFile:
        result.status = LoadStatus::NotRegularFile;
        return result;
    case OpenStatus::Opened:
        break;
    }
    return ReadSettingFile(*file.source, table);
}

std::string DescribeLoadFailure(const LoadResult& result)
{
    switch (result.status) {
    case LoadStatus::Loaded:
        return "loaded";
    case LoadStatus::CannotOpen:
        return "cannot be opened";
    case LoadStatus::NotRegularFile:
        return "not a regular file";
    case LoadStatus::NoSeparator:
        return "line " + std::to_string(result.line) + " has no space, tab or comma";
    case LoadStatus::TooFewRows:
        return "fewer than two rows";
    case LoadStatus::ReadError:
        return "a read error before its end";
    case LoadStatus::TooManyRows:
        return "more rows than a table can hold";
    case LoadStatus::OutOfMemory:
        return "too large for the memory";
    }
    return {};
}

} // namespace lomarek
