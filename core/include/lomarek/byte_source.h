#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace lomarek {

// A stream of bytes read in blocks, so that readers can be fed files, pipes or
// text held in memory alike.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes; returns the count, 0 at the end, or -1 on a read error.
    virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : m_rest(bytes) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override;

private:
    std::string_view m_rest;
};

enum class OpenStatus { Opened, CannotOpen, NotRegularFile };

struct OpenedFile {
    OpenStatus status = OpenStatus::CannotOpen;
    std::unique_ptr<ByteSource> source;
};

// Opens a path (UTF-8) for reading, only if it names a regular file. Pipes,
// devices and directories are refused without blocking, so that a path typed
// character by character can never hang the program or read without end.
OpenedFile OpenRegularFile(const std::string& path);

} // namespace lomarek
