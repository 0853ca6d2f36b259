#include "checked_output.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace cli {

int CheckedOutput::overflow(int c)
{
    if (!drain())
        return traits_type::eof();
    if (c != traits_type::eof()) {
        *pptr() = static_cast<char>(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize CheckedOutput::xsputn(const char* s, std::streamsize n)
{
    if (n <= epptr() - pptr()) {
        std::copy(s, s + n, pptr());
        pbump(static_cast<int>(n));
        return n;
    }
    return drain() && writeAll(s, static_cast<std::size_t>(n)) ? n : 0;
}

bool CheckedOutput::drain()
{
    const bool ok = writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(m_buffer, m_buffer + sizeof m_buffer);
    return ok;
}

bool CheckedOutput::writeAll(const char* data, std::size_t size)
{
    while (size > 0 && !failed()) {
        const ssize_t n = ::write(STDOUT_FILENO, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_failure = std::generic_category().message(n < 0 ? errno : EIO);
            break;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return !failed();
}

}  // namespace cli
