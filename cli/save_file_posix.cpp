// SPDX-License-Identifier: MIT
// The save-file on POSIX: following the target's links (a symbolic link stays
// and its target is replaced), creating the new file beside it with the
// target's mode and owner, removing it on failures and on SIGINT, SIGTERM
// and SIGHUP, and the fsync and rename that put it in place.
#include "cli/save_file.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace zembra::cli {

namespace {

// The new file's path for the signal handler, which may only unlink a path
// it finds in static memory. One save-file at a time is guarded.
char g_temporary[PATH_MAX + 1];
volatile sig_atomic_t g_armed = 0;
constexpr std::array kCleanupSignals = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTemporaryAndDie(int signal) {
    if (g_armed != 0) ::unlink(g_temporary);
    ::signal(signal, SIG_DFL);
    ::raise(signal);  // delivered with its default action once the handler returns
}

void InstallHandlersOnce() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (const int signal : kCleanupSignals) {
        struct sigaction previous {};
        ::sigaction(signal, nullptr, &previous);
        // A signal the caller ignores (nohup) stays ignored.
        if (previous.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = RemoveTemporaryAndDie;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

sigset_t BlockCleanupSignals() {
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    for (const int signal : kCleanupSignals) sigaddset(&blocked, signal);
    ::sigprocmask(SIG_BLOCK, &blocked, &previous);
    return previous;
}

void Disarm() { g_armed = 0; }

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

struct Resolved {
    std::string path;
    int error = 0;
};

// The file that `path` names once its symbolic links are followed; a link
// whose target does not exist names that target, which will be created.
Resolved FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::array<char, PATH_MAX> target{};
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        // Not a link, or nothing there: later calls say what is wrong, if anything.
        if (length < 0) return {path};
        if (static_cast<std::size_t>(length) == target.size()) return {path, ENAMETOOLONG};
        const std::string link(target.data(), static_cast<std::size_t>(length));
        path = link.starts_with('/') ? link : DirectoryOf(path) + link;
    }
    return {path, ELOOP};
}

struct Created {
    int fd = -1;
    std::string path;
    int error = 0;
};

// A new file beside `target`, named after it, registered for removal on a
// signal before the signal can arrive.
Created CreateBeside(const std::string& target) {
    const std::string directory = DirectoryOf(target);
    // Hidden, and with room for "." and ".XXXXXX" within the longest file name.
    const std::string name = "." + target.substr(directory.size(), NAME_MAX - 8) + ".XXXXXX";
    const std::string pattern = directory + name;
    if (pattern.size() >= sizeof g_temporary) return {-1, "", ENAMETOOLONG};
    InstallHandlersOnce();
    const sigset_t previous = BlockCleanupSignals();
    std::memcpy(g_temporary, pattern.c_str(), pattern.size() + 1);
    const int fd = ::mkostemp(g_temporary, O_CLOEXEC);
    const int error = errno;
    g_armed = fd >= 0 ? 1 : 0;
    ::sigprocmask(SIG_SETMASK, &previous, nullptr);
    return {fd, fd >= 0 ? std::string(g_temporary) : "", fd >= 0 ? 0 : error};
}

// The existing target's owner (where the process may set it) and mode, or
// a new file's 0666 less the umask.
int TakeOver(int fd, const struct stat* existing) {
    if (existing == nullptr) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
    }
    // Only root may give a file away; anyone else keeps it as their own.
    // The owner goes first, as changing it clears the set-ID bits.
    if (::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), existing->st_gid);
    }
    return ::fchmod(fd, existing->st_mode & 07777) == 0 ? 0 : errno;
}

}  // namespace

SaveFileOpening SaveFile::Open(const std::string& path) {
    struct stat status {};
    // stat() sees through every link, also /dev/stdout's to a pipe.
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return {nullptr, {"write", errno}};
        return {std::unique_ptr<SaveFile>(new SaveFile(fd, path, "", true)), {}};
    }
    const Resolved target = FollowLinks(path);
    if (target.error != 0) return {nullptr, {"write", target.error}};
    const bool exists = ::stat(target.path.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) return {nullptr, {"write", errno}};
    Created created = CreateBeside(target.path);
    if (created.fd < 0) return {nullptr, {"write", created.error}};
    const int error = TakeOver(created.fd, exists ? &status : nullptr);
    auto file = std::unique_ptr<SaveFile>(
        new SaveFile(created.fd, target.path, std::move(created.path), exists));
    if (error != 0) return {nullptr, {"write", error}};  // the destructor removes the new file
    return {std::move(file), {}};
}

SaveError SaveFile::PutInPlace() {
    // A device or FIFO has nothing to sync; a file must be on the disk
    // before its name stands for it.
    if (m_replaces && ::fsync(m_fd) != 0) return {"write", errno};
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) return {"write", errno};
    if (m_replaces && ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        return {"replace", errno};
    }
    Disarm();
    m_temporary.clear();
    return {};
}

void SaveFile::Discard() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (m_temporary.empty()) return;
    ::unlink(m_temporary.c_str());
    Disarm();  // after the unlink, so that a signal in between still finds the path
    m_temporary.clear();
}

}  // namespace zembra::cli
