// SPDX-License-Identifier: MIT
// The registration of the program's window classes, which frmMain, frmAbout
// and the About window's picture share.
#pragma once

#include <windows.h>

namespace zembra::win {

enum class ClassIcon { Program, None };

// Registers `name`, whose windows `procedure` handles, with the arrow
// pointer and the dialog face behind the children; a second registration
// of the same name changes nothing.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         ClassIcon icon);

}  // namespace zembra::win
