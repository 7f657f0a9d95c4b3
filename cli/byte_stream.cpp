// SPDX-License-Identifier: MIT
#include "cli/byte_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace zembra::cli {

namespace {

template <typename Error>
[[noreturn]] void ThrowErrno() {
    throw Error(errno, std::generic_category());
}

std::size_t ReadFd(int fd, char* buffer, std::size_t capacity) {
    for (;;) {
        const ssize_t count = ::read(fd, buffer, capacity);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            ThrowErrno<ReadError>();
        }
    }
}

}  // namespace

std::size_t FdSource::Read(char* buffer, std::size_t capacity) {
    return ReadFd(m_fd, buffer, capacity);
}

FileSource::FileSource(const std::string& path) : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (m_fd < 0) {
        ThrowErrno<ReadError>();
    }
}

FileSource::~FileSource() { ::close(m_fd); }

std::size_t FileSource::Read(char* buffer, std::size_t capacity) {
    return ReadFd(m_fd, buffer, capacity);
}

std::size_t StringSource::Read(char* buffer, std::size_t capacity) {
    const std::size_t count = std::min({capacity, m_piece, m_text.size() - m_position});
    std::memcpy(buffer, m_text.data() + m_position, count);
    m_position += count;
    return count;
}

void FdSink::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(m_fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno<WriteError>();
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

OutputBuffer::OutputBuffer(ByteSink& sink, bool flushLines)
    : m_sink(sink), m_flushLines(flushLines), m_data(std::make_unique<char[]>(kCapacity)) {}

void OutputBuffer::Flush() {
    if (m_size > 0) {
        const std::size_t size = std::exchange(m_size, 0);
        m_sink.Write({m_data.get(), size});
    }
}

}  // namespace zembra::cli
