// SPDX-License-Identifier: MIT
// The output file of zembra-convert, written as a save-file: the output goes
// to a new file beside the target, under the hidden name ".TARGET.XXXXXX",
// which replaces the target only on Commit, so that a failed run leaves it as
// it was. What is not a regular file (a device, a FIFO or pipe) is written
// directly. The new file is removed on every failure and when the run is
// interrupted. What both platforms share is in save_file.cpp; the POSIX half
// (save_file_posix.cpp) and the Windows half (save_file_windows.cpp) say
// what each platform keeps of the target.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/fd_output.h"

namespace zembra::cli {

// A step that failed: what could not be done to the file, and the errno taken
// right after the call that failed. An empty action means success.
struct SaveError {
    std::string_view action;  // "write" or "replace"
    int number = 0;
    explicit operator bool() const { return !action.empty(); }
};

class SaveFile;

struct SaveFileOpening {
    std::unique_ptr<SaveFile> file;  // null when `error` is set
    SaveError error;
};

class SaveFile {
public:
    [[nodiscard]] static SaveFileOpening Open(const std::string& path);
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    std::ostream& Stream() { return m_out; }
    // False when the target is written directly, so that a failure cannot
    // leave it as it was.
    bool Replaces() const { return m_replaces; }
    bool TargetExisted() const { return m_targetExisted; }

    // Flushes and syncs the output, then puts it in place of the target.
    [[nodiscard]] SaveError Commit();
    // Removes the new file; the target stays as it was.
    void Discard();

private:
    SaveFile(int fd, std::string target, std::string temporary, bool targetExisted);
    // The platform's half of Commit, once the output is flushed: syncs and
    // closes the file and puts it in place of the target.
    [[nodiscard]] SaveError PutInPlace();

    int m_fd;
    std::string m_target;
    std::string m_temporary;  // empty when writing the target directly, or once done
    bool m_replaces;
    bool m_targetExisted;
    FdOutput m_out;
};

}  // namespace zembra::cli
