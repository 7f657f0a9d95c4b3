// SPDX-License-Identifier: MIT
#include "version/version.h"

namespace zembra {

std::string VersionText() { return version::kVersionText; }

}  // namespace zembra
