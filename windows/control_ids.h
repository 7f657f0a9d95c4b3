// SPDX-License-Identifier: MIT
// The control identifiers of frmMain's children, by which the window, its
// tests and a program that drives it from outside find them.
#pragma once

namespace zembra::win {

enum ControlId : int {
    kTxtDecId = 11,
    kTxtAfsId = 12,
    kTxtHexId = 13,
    kLblDecId = 21,
    kLblAfsId = 22,
    kLabel1Id = 23,
};

// frmMain's window class, for FindWindowW.
inline constexpr const wchar_t* kMainWindowClass = L"Zembra.frmMain";
inline constexpr const wchar_t* kAboutWindowClass = L"Zembra.frmAbout";

}  // namespace zembra::win
