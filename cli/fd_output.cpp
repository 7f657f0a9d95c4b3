// SPDX-License-Identifier: MIT
// The buffered stream over a file descriptor: one large buffer, emptied by
// the platform's WriteAll, which stops at the first failure.
#include "cli/fd_output.h"

namespace zembra::cli {

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}

FdBuffer::FdBuffer(int fd) : m_fd(fd), m_buffer(kBufferSize) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

int FdBuffer::Flush() {
    if (m_error == 0 && pptr() > pbase()) {
        m_error = WriteAll(m_fd, pbase(), static_cast<std::size_t>(pptr() - pbase()));
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_error;
}

FdBuffer::int_type FdBuffer::overflow(int_type c) {
    if (Flush() != 0) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int FdBuffer::sync() { return Flush() == 0 ? 0 : -1; }

FdOutput::FdOutput(int fd) : std::ostream(nullptr), m_buffer(fd) { rdbuf(&m_buffer); }

}  // namespace zembra::cli
