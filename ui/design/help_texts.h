// SPDX-License-Identifier: MIT
// The Help menu's fixed texts: the usage help and the licence notice, built
// line by line with one line feed after every line, and their box titles.
// Plain ASCII without Qt, for both front ends.
#pragma once

#include <string>

namespace zembra {

// The maker's contact address, quoted in the last line of the help text.
inline constexpr const char* kContactAddress = "zembra@example.org";

inline constexpr const char* kHelpTitle = " Help";
inline constexpr const char* kLicenceTitle = "Help Information";

std::string HelpText();
std::string LicenceText();

}  // namespace zembra
