// SPDX-License-Identifier: MIT
// The program's version information, as the window title, the About window
// and the batch converter show it.
#pragma once

#include <string>

#include "version/version_info.h"

namespace zembra {

// Major, minor and revision (the fourth number) joined by ".": "1.0.1".
std::string VersionText();

}  // namespace zembra
