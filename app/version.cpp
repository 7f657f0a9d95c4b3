// SPDX-License-Identifier: MIT
#include "app/version.h"

namespace zembra {

std::string VersionText() { return version::kVersionText; }

}  // namespace zembra
