#include "lomarek/depth_age_table.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "temp_dir.h"
#include "test_support.h"

namespace lomarek {
namespace {

using Rows = std::vector<std::pair<double, double>>;

using testing::TrickleSource;

class FailingSource final : public ByteSource {
public:
    explicit FailingSource(std::string_view first) : m_first(first) {}
    std::ptrdiff_t Read(char* buffer, std::size_t) override
    {
        if (m_done)
            return -1;
        m_done = true;
        std::copy(m_first.begin(), m_first.end(), buffer);
        return static_cast<std::ptrdiff_t>(m_first.size());
    }

private:
    std::string_view m_first;
    bool m_done = false;
};

Rows RowsOf(const DepthAgeTable& table)
{
    Rows rows;
    for (std::size_t k = 0; k < table.m_depths.size(); ++k)
        rows.emplace_back(table.m_depths[k], k < table.m_ages.size() ? table.m_ages[k] : NAN);
    return rows;
}

struct Case {
    const char* name;
    std::string text;
    LoadStatus status;
    Rows rows;
    std::uint64_t line = 0;
};

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        {"comments_empty_line_spaces", "// depth age\n0 0\n1.5 120\n3.2 410\n\n5 1000\n", LoadStatus::Loaded,
         {{0, 0}, {1.5, 120}, {3.2, 410}, {5, 1000}}},
        {"commas_no_final_line_feed", "//depth,age\n0,0\n10,250\n20,700", LoadStatus::Loaded,
         {{0, 0}, {10, 250}, {20, 700}}},
        {"unusual_data_lines", "12.0, 300\n 7 150\nabc,def\n", LoadStatus::Loaded, {{12, 300}, {0, 7}, {0, 0}}},
        {"semicolon_is_no_separator", "// depth;age\n0;0\n10;250\n", LoadStatus::NoSeparator, {}, 2},
        {"crlf_line_ends", "0 0\r\n10 250\r\n", LoadStatus::Loaded, {{0, 0}, {10, 250}}},
        {"empty_file", "", LoadStatus::TooFewRows, {}},
        {"only_comments_and_empty_lines", "// a\n\n//\n\n", LoadStatus::TooFewRows, {}},
        {"one_data_line", "// x\n1 2\n", LoadStatus::TooFewRows, {{1, 2}}},
        {"two_data_lines", "1 2\n3 4", LoadStatus::Loaded, {{1, 2}, {3, 4}}},
        {"lone_slash_has_no_separator", "0 0\n/\n1 1\n", LoadStatus::NoSeparator, {{0, 0}}, 2},
        {"blank_line_is_a_row", "   \n1 1\n", LoadStatus::Loaded, {{0, 0}, {1, 1}}},
        {"indented_comment_is_a_row", "  // note\n1 1\n", LoadStatus::Loaded, {{0, 0}, {1, 1}}},
        {"space_wins_over_tab", "5\t1000 years\n0 0\n", LoadStatus::Loaded, {{5, 0}, {0, 0}}},
        {"tab_wins_over_comma", "1,5\t2\n0\t0\n", LoadStatus::Loaded, {{1, 2}, {0, 0}}},
        {"text_after_age_ignored", "5 1000 yr\n6 2000\n", LoadStatus::Loaded, {{5, 1000}, {6, 2000}}},
        {"carriage_returns_alone_make_one_line", "0 0\r1 1\r2 2\r", LoadStatus::TooFewRows, {{0, 0}}},
        {"decimal_comma_stops_the_number", "1,5 100\n2 200\n", LoadStatus::Loaded, {{1, 100}, {2, 200}}},
        {"byte_order_mark_joins_the_first_line", "\xEF\xBB\xBF" "5 10\n6 20\n", LoadStatus::Loaded, {{0, 10}, {6, 20}}},
        {"byte_order_mark_spoils_a_comment", "\xEF\xBB\xBF// c\n6 20\n", LoadStatus::Loaded, {{0, 0}, {6, 20}}},
        {"only_the_cr_before_lf_is_dropped", "1 1\r\r\n2 2\n", LoadStatus::Loaded, {{1, 1}, {2, 2}}},
        {"cr_line_before_lf_has_no_separator", "1 1\n\r\r\n2 2\n", LoadStatus::NoSeparator, {{1, 1}}, 2},
        {"ctrl_z_ends_the_input", "1 1\n2 2\n\x1a" "garbage;\n3 3\n", LoadStatus::Loaded, {{1, 1}, {2, 2}}},
        {"ctrl_z_inside_a_line", "1 1\n2 2\x1a" "5\n", LoadStatus::Loaded, {{1, 1}, {2, 2}}},
        {"ctrl_z_first", "\x1a" "1 1\n2 2\n", LoadStatus::TooFewRows, {}},
        {"nul_bytes_are_plain_characters", std::string("1\0 2\n3 4\0\n", 10), LoadStatus::Loaded, {{1, 2}, {3, 4}}},
        {"invalid_utf8", "\xff\xfe 1\n2 \xc3\x28\n", LoadStatus::Loaded, {{0, 1}, {2, 0}}},
        {"full_width_space_is_no_separator", "1\xe3\x80\x80" "2\n", LoadStatus::NoSeparator, {}, 1},
        {"only_separators", "   \n\t\t\n,,,\n", LoadStatus::Loaded, {{0, 0}, {0, 0}, {0, 0}}},
        {"descending_rows_kept_in_order", "3 30\n2 20\n1 10\n", LoadStatus::Loaded, {{3, 30}, {2, 20}, {1, 10}}},
        {"separator_at_the_end", "4 \n5,\n", LoadStatus::Loaded, {{4, 0}, {5, 0}}},
    };
    return cases;
}

TEST(ReadSettingFile, LinesAndRows)
{
    for (const Case& c : Cases()) {
        for (const std::size_t step : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 30}) {
            SCOPED_TRACE(std::string(c.name) + " read " + std::to_string(step) + " at a time");
            DepthAgeTable table;
            table.m_nPoints = 99;
            TrickleSource source(c.text, step);
            const LoadResult result = ReadSettingFile(source, table);
            EXPECT_EQ(result.status, c.status);
            EXPECT_EQ(result.line, c.line);
            EXPECT_EQ(RowsOf(table), c.rows);
            EXPECT_EQ(table.m_depths.size(), table.m_ages.size());
            const std::uint32_t points = c.status == LoadStatus::NoSeparator ? 0 : static_cast<std::uint32_t>(c.rows.size());
            EXPECT_EQ(table.m_nPoints, points);
            EXPECT_FALSE(table.m_bTableLoaded);
        }
    }
}

TEST(ReadSettingFile, ReadErrorIsAFailedLoadKeepingTheRowsRead)
{
    DepthAgeTable table;
    FailingSource source("1 1\n2 2\n3 ");
    const LoadResult result = ReadSettingFile(source, table);
    EXPECT_EQ(result.status, LoadStatus::ReadError);
    EXPECT_EQ(RowsOf(table), (Rows{{1, 1}, {2, 2}}));
    EXPECT_EQ(table.m_nPoints, 0u);
}

TEST(ReadSettingFile, HugeLinesAndValues)
{
    std::string text(100u << 20, '5');
    text += " 7\n1e400 -1e400\n1e-320 ";
    DepthAgeTable table;
    MemorySource source(text);
    ASSERT_EQ(ReadSettingFile(source, table).status, LoadStatus::Loaded);
    ASSERT_EQ(table.m_nPoints, 3u);
    EXPECT_EQ(table.m_depths[0], HUGE_VAL);
    EXPECT_EQ(table.m_ages[0], 7.0);
    EXPECT_EQ(table.m_depths[1], HUGE_VAL);
    EXPECT_EQ(table.m_ages[1], -HUGE_VAL);
    EXPECT_EQ(table.m_depths[2], 1e-320);
    EXPECT_EQ(table.m_ages[2], 0.0);
}

TEST(LoadSettingFile, FilesThatCannotBeReadLeaveTheTableAsItWas)
{
    testing::TempDir dir;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string locked = dir.Write("locked.txt", "1 1\n2 2\n");
    ::chmod(locked.c_str(), 0);
    const bool rootReadsAnything = ::geteuid() == 0;

    struct PathCase {
        std::string path;
        LoadStatus status;
    };
    const PathCase cases[] = {
        {"", LoadStatus::CannotOpen},
        {(dir.path() / "missing.txt").string(), LoadStatus::CannotOpen},
        {dir.path().string(), LoadStatus::NotRegularFile},
        {fifo, LoadStatus::NotRegularFile},
        {"/dev/zero", LoadStatus::NotRegularFile},
        {"/dev/null", LoadStatus::NotRegularFile},
        {std::string(4000, 'a'), LoadStatus::CannotOpen},
        {locked, rootReadsAnything ? LoadStatus::Loaded : LoadStatus::CannotOpen},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path.substr(0, 80));
        DepthAgeTable table;
        table.m_depths = {1, 2, 3};
        table.m_ages = {4, 5, 6};
        table.m_nPoints = 3;
        EXPECT_EQ(LoadSettingFile(c.path, table).status, c.status);
        if (c.status != LoadStatus::Loaded) {
            EXPECT_EQ(RowsOf(table), (Rows{{1, 4}, {2, 5}, {3, 6}}));
            EXPECT_EQ(table.m_nPoints, 3u);
        }
    }
}

TEST(LoadSettingFile, ReadsARegularFileWhateverItsName)
{
    testing::TempDir dir;
    const std::string path = dir.Write("深度と年代 table.txt", "// depth age\r\n0 0\r\n10 1000\r\n20 3000\r\n");
    DepthAgeTable table;
    const LoadResult result = LoadSettingFile(path, table);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(RowsOf(table), (Rows{{0, 0}, {10, 1000}, {20, 3000}}));
    EXPECT_EQ(table.m_nPoints, 3u);
}

TEST(DescribeLoadFailure, SaysWhy)
{
    EXPECT_EQ(DescribeLoadFailure({LoadStatus::CannotOpen, 0}), "cannot be opened");
    EXPECT_EQ(DescribeLoadFailure({LoadStatus::NotRegularFile, 0}), "not a regular file");
    EXPECT_EQ(DescribeLoadFailure({LoadStatus::NoSeparator, 12}), "line 12 has no space, tab or comma");
    EXPECT_EQ(DescribeLoadFailure({LoadStatus::TooFewRows, 0}), "fewer than two rows");
    EXPECT_EQ(DescribeLoadFailure({LoadStatus::ReadError, 0}), "a read error before its end");
}

} // namespace
} // namespace lomarek
