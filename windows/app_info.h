// SPDX-License-Identifier: MIT
// The application object's version facts (App.Major, App.Minor,
// App.Revision, App.ProductName, App.LegalCopyright), read at run time from
// the program file's own version information, as the titles and the About
// window show them.
#pragma once

#include <string>

namespace zembra::win {

struct AppInfo {
    int major = 0;
    int minor = 0;
    int revision = 0;  // the fourth number of the file version
    std::wstring productName;
    std::wstring legalCopyright;
};

// The running program's version information; empty texts and zeros where
// the file has none.
AppInfo ReadAppInfo();

// Major, minor and revision joined by ".": "1.0.1".
std::wstring VersionText(const AppInfo& app);

}  // namespace zembra::win
