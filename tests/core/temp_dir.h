#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace lomarek::testing {

// A fresh directory under the system's temporary folder, removed with its contents.
class TempDir {
public:
    TempDir()
    {
        std::random_device device;
        m_path = std::filesystem::temp_directory_path() / ("lomarek-test-" + std::to_string(device()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    std::string Write(const std::string& name, std::string_view bytes) const
    {
        const std::filesystem::path file = m_path / name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

private:
    std::filesystem::path m_path;
};

} // namespace lomarek::testing
