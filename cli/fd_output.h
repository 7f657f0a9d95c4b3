// SPDX-License-Identifier: MIT
// An output stream over a file descriptor with one large buffer, which keeps
// the error number of the first write that failed. Standard output, standard
// error and the output file all write through it: a million messages cost a
// handful of write(2) calls, and a full disk is reported with its reason.
#pragma once

#include <cstddef>
#include <ostream>
#include <streambuf>
#include <vector>

namespace zembra::cli {

// The platform's half: writes every byte to `fd`, and returns 0, or the
// errno value of the write that failed.
[[nodiscard]] int WriteAll(int fd, const char* data, std::size_t size);
// Standard input, output and error in binary mode where the platform has a
// text mode, so that every byte passes unchanged.
void UseBinaryStandardStreams();

class FdBuffer : public std::streambuf {
public:
    explicit FdBuffer(int fd);
    // Writes out what is buffered; the errno of the first failed write, 0
    // when every write succeeded. After a failure nothing more is written.
    [[nodiscard]] int Flush();

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    int m_fd;
    int m_error = 0;
    std::vector<char> m_buffer;
};

class FdOutput : public std::ostream {
public:
    explicit FdOutput(int fd);
    [[nodiscard]] int Flush() { return m_buffer.Flush(); }

private:
    FdBuffer m_buffer;
};

}  // namespace zembra::cli
