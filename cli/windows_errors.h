// SPDX-License-Identifier: MIT
// Windows' error codes as the errno values the messages are written from,
// so that the Windows program says what the POSIX one says.
#pragma once

namespace zembra::cli {

// The errno value for a GetLastError() code; EIO for one without a match.
[[nodiscard]] int ErrnoOf(unsigned long windowsError);

}  // namespace zembra::cli
