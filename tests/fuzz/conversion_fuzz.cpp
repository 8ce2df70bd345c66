// A table and a value list from one input (split at the first NUL byte):
// both conversions give one well-formed line per entry, the fast interval
// search agrees with the plain scan, and pieces convert as the whole does.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_invariants.h"
#include "lomarek/decimal.h"
#include "lomarek/depth_age_table.h"
#include "lomarek/interval_search.h"
#include "lomarek/value_list.h"

namespace {

std::vector<std::string_view> Entries(std::string_view text)
{
    std::vector<std::string_view> entries;
    std::size_t p = 0;
    while (p < text.size()) {
        while (p < text.size() && (text[p] == '\r' || text[p] == '\n'))
            ++p;
        const std::size_t start = p;
        while (p < text.size() && text[p] != '\r' && text[p] != '\n')
            ++p;
        if (p > start)
            entries.push_back(text.substr(start, p - start));
    }
    return entries;
}

std::vector<std::string_view> Lines(std::string_view output)
{
    std::vector<std::string_view> lines;
    while (!output.empty()) {
        const std::size_t end = output.find("\r\n");
        LOMAREK_FUZZ_CHECK(end != std::string_view::npos);
        lines.push_back(output.substr(0, end));
        output.remove_prefix(end + 2);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string_view tableText = bytes.substr(0, split);
    const std::string_view values = split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);

    lomarek::DepthAgeTable table;
    lomarek::MemorySource source(tableText);
    if (!lomarek::ReadSettingFile(source, table).ok())
        return 0;
    LOMAREK_FUZZ_CHECK(table.m_nPoints >= 2);

    const std::vector<std::string_view> entries = Entries(values);
    for (const bool toDepth : {false, true}) {
        const std::vector<double>& X = toDepth ? table.m_ages : table.m_depths;
        const std::vector<double>& Y = toDepth ? table.m_depths : table.m_ages;
        const lomarek::BracketingIndex index(X.data(), table.m_nPoints);
        for (const std::string_view entry : entries) {
            const double x = lomarek::ParseDecimal(entry);
            const auto scanned = lomarek::FindBracketingInterval(X, table.m_nPoints, x);
            LOMAREK_FUZZ_CHECK(index.Find(x) == (scanned ? *scanned : lomarek::BracketingIndex::kNone));
        }
        for (const auto method : {lomarek::Interpolation::Linear, lomarek::Interpolation::Spline}) {
            std::string whole;
            if (method == lomarek::Interpolation::Linear)
                lomarek::ConvertByLinear(table, X, Y, values, whole);
            else
                lomarek::ConvertBySpline(table, X, Y, values, whole);
            const std::vector<std::string_view> lines = Lines(whole);
            LOMAREK_FUZZ_CHECK(lines.size() == entries.size());
            for (std::size_t k = 0; k < lines.size(); ++k) {
                LOMAREK_FUZZ_CHECK(lines[k] == "error" || lomarek::fuzz::IsFixedText(lines[k]));
                const double x = lomarek::ParseDecimal(entries[k]);
                LOMAREK_FUZZ_CHECK((lines[k] == "error") == !lomarek::FindBracketingInterval(X, table.m_nPoints, x));
            }

            lomarek::ValueListConverter converter(method, X.data(), Y.data(), table.m_nPoints);
            std::string pieces;
            const std::size_t cut = values.empty() ? 0 : static_cast<std::size_t>(data[0]) % (values.size() + 1);
            converter.Feed(values.substr(0, cut), pieces);
            converter.Feed(values.substr(cut), pieces);
            converter.Finish(pieces);
            LOMAREK_FUZZ_CHECK(pieces == whole);
        }
    }
    return 0;
}
