// SPDX-License-Identifier: MIT
// The save-file on Windows: the new file is created beside the target, synced
// with FlushFileBuffers, then put in place by ReplaceFileW, which keeps the
// target's attributes and security, or moved in where there was no target.
// What is not a disk file (NUL, CON, a pipe) is written directly. The new file
// is removed on every failure, and on Ctrl+C, Ctrl+Break and the console
// closing, by a console handler. Paths are in the process's code page, as the
// C runtime reads the command line.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <mutex>
#include <random>

#include "cli/save_file.h"
#include "cli/windows_errors.h"

namespace zembra::cli {

namespace {

// The new file for the console handler, which runs on a thread of its own.
// Whoever holds the lock may remove or rename the file.
std::mutex g_lock;
std::wstring g_temporary;  // empty when there is no new file

BOOL WINAPI RemoveTemporaryAndDie(DWORD) {
    // Kept locked until the process ends, so that no commit can follow.
    g_lock.lock();
    // The file stays open in the main thread, which shares its deletion: it
    // goes when the process ends and closes it.
    if (!g_temporary.empty()) DeleteFileW(g_temporary.c_str());
    return FALSE;  // on to the default handler, which ends the process
}

std::wstring Wide(const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return wide;
}

// Wine's ReplaceFileW fails on relative paths ("Not a directory").
std::wstring FullPath(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return wide;
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), size, full.data(), nullptr));
    return full;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? "" : path.substr(0, separator + 1);
}

SaveError Failed(std::string_view action) { return {action, ErrnoOf(GetLastError())}; }

// A device, a console or a pipe, opened for writing; null for a disk file or
// for what cannot be opened so, which the new file then finds out about.
HANDLE OpenIfNotAFile(const std::wstring& path) {
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    if (GetFileType(handle) != FILE_TYPE_DISK) return handle;
    CloseHandle(handle);
    return nullptr;
}

struct Created {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::string path;
    SaveError error;
};

// A new file beside `target`, ".NAME.XXXXXX" with six random letters and
// digits, registered for the console handler before it can run.
Created CreateBeside(const std::string& target) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    const std::string directory = DirectoryOf(target);
    // Within the longest name of 255 UTF-16 units, which no more bytes exceed.
    const std::string name = "." + target.substr(directory.size(), 255 - 8) + ".";
    const std::lock_guard lock(g_lock);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = directory + name;
        for (int i = 0; i < 6; ++i) path += kLetters[pick(random)];
        std::wstring wide = Wide(path);
        const HANDLE handle =
            CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            g_temporary = std::move(wide);
            return {handle, std::move(path), {}};
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return {INVALID_HANDLE_VALUE, "", Failed("write")};
    }
    return {INVALID_HANDLE_VALUE, "", {"write", EEXIST}};
}

int DescriptorOf(HANDLE handle) {
    return _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
}

}  // namespace

SaveFileOpening SaveFile::Open(const std::string& path) {
    static const bool handled = SetConsoleCtrlHandler(RemoveTemporaryAndDie, TRUE) != 0;
    static_cast<void>(handled);
    const std::wstring target = Wide(path);
    if (const HANDLE device = OpenIfNotAFile(target)) {
        return {std::unique_ptr<SaveFile>(new SaveFile(DescriptorOf(device), path, "", true)), {}};
    }
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {nullptr, {"write", EISDIR}};
    Created created = CreateBeside(path);
    if (created.error) return {nullptr, created.error};
    return {std::unique_ptr<SaveFile>(
                new SaveFile(DescriptorOf(created.handle), path, std::move(created.path), exists)),
            {}};
}

SaveError SaveFile::PutInPlace() {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(m_fd));
    // A file must be on the disk before its name stands for it.
    if (m_replaces && FlushFileBuffers(handle) == 0) return Failed("write");
    const int fd = m_fd;
    m_fd = -1;
    if (_close(fd) != 0) return {"write", errno};
    if (!m_replaces) return {};
    const std::wstring target = FullPath(m_target);
    const std::wstring temporary = FullPath(m_temporary);
    const std::lock_guard lock(g_lock);
    const bool replaced =
        m_targetExisted ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                        : MoveFileExW(temporary.c_str(), target.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) return Failed("replace");
    g_temporary.clear();
    m_temporary.clear();
    return {};
}

void SaveFile::Discard() {
    if (m_fd >= 0) _close(m_fd);
    m_fd = -1;
    if (m_temporary.empty()) return;
    const std::lock_guard lock(g_lock);
    DeleteFileW(Wide(m_temporary).c_str());
    g_temporary.clear();
    m_temporary.clear();
}

}  // namespace zembra::cli
