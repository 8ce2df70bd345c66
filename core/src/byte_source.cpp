#include "lomarek/byte_source.h"

#include <algorithm>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lomarek {

std::ptrdiff_t MemorySource::Read(char* buffer, std::size_t size)
{
    const std::size_t count = std::min(size, m_rest.size());
    std::memcpy(buffer, m_rest.data(), count);
    m_rest.remove_prefix(count);
    return static_cast<std::ptrdiff_t>(count);
}

namespace {

class DescriptorSource final : public ByteSource {
public:
    explicit DescriptorSource(int fd) : m_fd(fd) {}
    ~DescriptorSource() override;
    DescriptorSource(const DescriptorSource&) = delete;
    DescriptorSource& operator=(const DescriptorSource&) = delete;

    std::ptrdiff_t Read(char* buffer, std::size_t size) override;

private:
    int m_fd;
};

#ifdef _WIN32

DescriptorSource::~DescriptorSource()
{
    _close(m_fd);
}

std::ptrdiff_t DescriptorSource::Read(char* buffer, std::size_t size)
{
    const unsigned int chunk = static_cast<unsigned int>(std::min<std::size_t>(size, 1u << 30));
    return _read(m_fd, buffer, chunk);
}

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

#else

DescriptorSource::~DescriptorSource()
{
    ::close(m_fd);
}

std::ptrdiff_t DescriptorSource::Read(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer, size);
        if (count >= 0 || errno != EINTR)
            return count;
    }
}

#endif

} // namespace

OpenedFile OpenRegularFile(const std::string& path)
{
    OpenedFile opened;
    if (path.empty() || path.find('\0') != std::string::npos)
        return opened;
#ifdef _WIN32
    const std::wstring wide = Widen(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return opened;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        opened.status = OpenStatus::NotRegularFile;
        return opened;
    }
    int fd = -1;
    if (_wsopen_s(&fd, wide.c_str(), _O_RDONLY | _O_BINARY, _SH_DENYWR, 0) != 0)
        return opened;
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
        _close(fd);
        opened.status = OpenStatus::NotRegularFile;
        return opened;
    }
#else
    // O_NONBLOCK keeps the open of a FIFO without writer from waiting; the
    // descriptor is checked before anything is read from it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return opened;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        opened.status = OpenStatus::NotRegularFile;
        return opened;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
#endif
    opened.status = OpenStatus::Opened;
    opened.source = std::make_unique<DescriptorSource>(fd);
    return opened;
}

} // namespace lomarek
