// SPDX-License-Identifier: MIT
// mnuHelpItems_Click on Win32: the help and licence texts in modal message
// boxes of style 64 (MB_OK | MB_ICONINFORMATION), or the About window.
#pragma once

#include <windows.h>

namespace zembra::win {

class frmAbout;

// Runs the Help item at `index`, counted from 1, modal to `owner`, and
// returns once its box or window has closed; any other index does nothing.
void RunHelpItem(HWND owner, int index, frmAbout& about);

}  // namespace zembra::win
