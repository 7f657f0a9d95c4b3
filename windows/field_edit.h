// SPDX-License-Identifier: MIT
// What the frmMain fields add to the EDIT control: a disabled field draws its
// own text, in the colour its parent answers to WM_CTLCOLORSTATIC (the
// control's own disabled text is the system's grey whatever the parent
// says), and a field that takes the focus puts its caret behind the last
// character once the focusing event is handled, as the key "{End}" would.
#pragma once

#include <windows.h>

namespace zembra::win {

void AttachFieldBehaviour(HWND edit);

}  // namespace zembra::win
