// SPDX-License-Identifier: MIT
// The table from Windows' error codes to errno values, for the codes that
// file creation, writing and replacing give.
#include "cli/windows_errors.h"

#include <windows.h>

#include <cerrno>
#include <utility>

namespace zembra::cli {

int ErrnoOf(unsigned long windowsError) {
    static constexpr std::pair<unsigned long, int> kErrnos[] = {
        {ERROR_FILE_NOT_FOUND, ENOENT},
        {ERROR_PATH_NOT_FOUND, ENOENT},
        {ERROR_BAD_NETPATH, ENOENT},
        {ERROR_INVALID_DRIVE, ENOENT},
        {ERROR_INVALID_NAME, ENOENT},
        {ERROR_ACCESS_DENIED, EACCES},
        {ERROR_SHARING_VIOLATION, EACCES},
        {ERROR_LOCK_VIOLATION, EACCES},
        {ERROR_WRITE_PROTECT, EROFS},
        {ERROR_DISK_FULL, ENOSPC},
        {ERROR_HANDLE_DISK_FULL, ENOSPC},
        {ERROR_BROKEN_PIPE, EPIPE},
        {ERROR_NO_DATA, EPIPE},
        {ERROR_FILE_EXISTS, EEXIST},
        {ERROR_ALREADY_EXISTS, EEXIST},
        {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
        {ERROR_INVALID_HANDLE, EBADF},
        {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
        {ERROR_OUTOFMEMORY, ENOMEM},
        {ERROR_DIRECTORY, ENOTDIR},
        {ERROR_NOT_SAME_DEVICE, EXDEV},
        {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
    };
    for (const auto& [code, number] : kErrnos) {
        if (code == windowsError) return number;
    }
    return EIO;
}

}  // namespace zembra::cli
