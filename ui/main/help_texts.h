// SPDX-License-Identifier: MIT
// The Help menu's fixed texts: the usage help and the licence notice, built
// line by line with one line feed after every line, and their box titles.
#pragma once

#include <QString>

namespace zembra {

// The maker's contact address, quoted in the last line of the help text.
inline constexpr const char* kContactAddress = "zembra@example.org";

QString HelpText();
QString HelpTitle();
QString LicenceText();
QString LicenceTitle();

}  // namespace zembra
