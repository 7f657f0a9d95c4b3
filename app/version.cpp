// SPDX-License-Identifier: MIT
#include "app/version.h"

namespace zembra {

std::string VersionText() {
    return std::to_string(version::kMajor) + "." + std::to_string(version::kMinor) + "." +
           std::to_string(version::kRevision);
}

}  // namespace zembra
