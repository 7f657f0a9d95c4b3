// SPDX-License-Identifier: MIT
// Writing a file descriptor on Windows: WriteFile on the descriptor's handle
// until every byte is out, so that no C runtime turns "\n" into "\r\n"; the
// standard streams in binary mode for what reads them through the C runtime
// (standard input), so that line ends and a Ctrl+Z byte pass as they are.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "cli/fd_output.h"
#include "cli/windows_errors.h"

namespace zembra::cli {

int WriteAll(int fd, const char* data, std::size_t size) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    const char* const end = data + size;
    while (data < end) {
        const auto chunk = static_cast<DWORD>(
            std::min<std::size_t>(static_cast<std::size_t>(end - data), std::size_t{1} << 30));
        DWORD written = 0;
        if (WriteFile(handle, data, chunk, &written, nullptr) == 0) {
            return ErrnoOf(GetLastError());
        }
        if (written == 0) return EIO;  // a device that takes nothing would loop forever
        data += written;
    }
    return 0;
}

void UseBinaryStandardStreams() {
    for (FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace zembra::cli
