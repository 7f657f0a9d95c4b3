// SPDX-License-Identifier: MIT
// Writing a file descriptor on POSIX: write(2) until every byte is out,
// retried on interruption, with errno taken right after the call. Standard
// streams have no text mode to leave.
#include <unistd.h>

#include <cerrno>

#include "cli/fd_output.h"

namespace zembra::cli {

int WriteAll(int fd, const char* data, std::size_t size) {
    const char* const end = data + size;
    while (data < end) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(end - data));
        if (written > 0) {
            data += written;
        } else if (written == 0) {
            return EIO;  // a device that takes nothing would loop forever
        } else if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

void UseBinaryStandardStreams() {}

}  // namespace zembra::cli
