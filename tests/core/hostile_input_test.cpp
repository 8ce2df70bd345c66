// Files and texts that no user means to give, each with a clear outcome.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <string>

#include "lomarek/byte_source.h"
#include "lomarek/depth_age_table.h"
#include "lomarek/value_list.h"
#include "temp_dir.h"

namespace lomarek {
namespace {

// Reads a real file, and after the first block lets the test change it.
class ChangingFile final : public ByteSource {
public:
    ChangingFile(const std::string& path, std::function<void()> change)
        : m_file(OpenRegularFile(path)), m_change(std::move(change))
    {
    }
    std::ptrdiff_t Read(char* buffer, std::size_t size) override
    {
        const std::ptrdiff_t count = m_file.source->Read(buffer, size);
        if (m_change) {
            m_change();
            m_change = nullptr;
        }
        return count;
    }

private:
    OpenedFile m_file;
    std::function<void()> m_change;
};

std::string Rows(int count)
{
    std::string text;
    for (int k = 0; k < count; ++k)
        text += std::to_string(k) + " " + std::to_string(10 * k) + "\n";
    return text;
}

TEST(HostileSettingFiles, FileChangedWhileItIsRead)
{
    testing::TempDir dir;
    const std::string rows = Rows(20000); // more than one block
    const std::string path = dir.Write("table.txt", rows);

    DepthAgeTable grown;
    ChangingFile growing(path, [&] { std::ofstream(path, std::ios::app) << "99999 1\n"; });
    EXPECT_EQ(ReadSettingFile(growing, grown).status, LoadStatus::Loaded);
    EXPECT_EQ(grown.m_nPoints, 20001u);

    DepthAgeTable shrunk;
    ChangingFile truncated(path, [&] { std::filesystem::resize_file(path, 10); });
    EXPECT_EQ(ReadSettingFile(truncated, shrunk).status, LoadStatus::Loaded);
    EXPECT_GT(shrunk.m_nPoints, 2u);
    EXPECT_LT(shrunk.m_nPoints, 20000u);
    EXPECT_EQ(shrunk.m_depths.size(), shrunk.m_ages.size());
}

TEST(HostileSettingFiles, HugeFilesAndLines)
{
    testing::TempDir dir;
    const std::string big = (dir.path() / "big.txt").string();
    {
        std::ofstream out(big, std::ios::binary);
        const std::string comment = "// " + std::string(1000, 'x') + "\n";
        for (int k = 0; k < 210000; ++k)
            out << comment << k << ' ' << 2 * k << '\n';
    }
    ASSERT_GT(std::filesystem::file_size(big), 200u << 20);
    DepthAgeTable table;
    ASSERT_TRUE(LoadSettingFile(big, table).ok());
    EXPECT_EQ(table.m_nPoints, 210000u);
    EXPECT_EQ(table.m_ages.back(), 419998.0);

    const std::string line = dir.Write("line.txt", "1 " + std::string(50u << 20, '2') + "\n3 4\n");
    ASSERT_TRUE(LoadSettingFile(line, table).ok());
    EXPECT_EQ(table.m_ages[0], HUGE_VAL);
    EXPECT_EQ(table.m_ages[1], 4.0);

    const std::string noSeparator = dir.Write("word.txt", std::string(50u << 20, 'w'));
    EXPECT_EQ(LoadSettingFile(noSeparator, table).status, LoadStatus::NoSeparator);
}

TEST(HostileValueLists, SeparatorsOnlyAndExtremeNumbers)
{
    const std::vector<double> X = {-1e308, 0, 1e308};
    const std::vector<double> Y = {0, 1, 2};
    DepthAgeTable table;
    table.m_nPoints = 3;
    std::string output;
    ConvertByLinear(table, X, Y, "\t \t\r\n   \r\n\r\r\n\n", output);
    EXPECT_EQ(output, "1.000000\r\n1.000000\r\n");
    output.clear();
    ConvertBySpline(table, X, Y, "1e308\n-1e308\n1e-320\n1e400\n-1e400\n", output);
    EXPECT_EQ(output, "2.000000\r\n0.000000\r\n1.000000\r\nerror\r\nerror\r\n");
}

} // namespace
} // namespace lomarek
