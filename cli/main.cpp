#include <cstdio>
#include <iostream>
#include <new>
#include <streambuf>
#include <string>
#include <vector>

#include "convert_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Standard input read with single system calls: a read returns what the pipe
// holds instead of waiting for a full buffer, so answers keep pace with it.
class StandardInputBuffer final : public std::streambuf {
protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
#ifdef _WIN32
        const int count = _read(0, m_buffer, sizeof m_buffer);
#else
        ssize_t count;
        do
            count = ::read(0, m_buffer, sizeof m_buffer);
        while (count < 0 && errno == EINTR);
#endif
        if (count <= 0)
            return traits_type::eof();
        setg(m_buffer, m_buffer, m_buffer + count);
        return traits_type::to_int_type(*gptr());
    }

private:
    char m_buffer[1 << 16];
};

} // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    StandardInputBuffer input;
    std::istream in(&input);
    try {
        return lomarek::RunConvert(std::vector<std::string>(argv + 1, argv + argc), in, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "lomarek-convert: not enough memory\n";
        return 1;
    }
}
