// SPDX-License-Identifier: MIT
// The save-file's part that both platforms share: holding the new file,
// removing it when the save-file goes uncommitted, and flushing the output
// before the platform's half puts it in place.
#include "cli/save_file.h"

#include <utility>

namespace zembra::cli {

SaveFile::SaveFile(int fd, std::string target, std::string temporary, bool targetExisted)
    : m_fd(fd),
      m_target(std::move(target)),
      m_temporary(std::move(temporary)),
      m_replaces(!m_temporary.empty()),
      m_targetExisted(targetExisted),
      m_out(fd) {}

SaveFile::~SaveFile() { Discard(); }

SaveError SaveFile::Commit() {
    if (const int error = m_out.Flush(); error != 0) return {"write", error};
    return PutInPlace();
}

}  // namespace zembra::cli
