// SPDX-License-Identifier: MIT
// Flips the conversion mode held in the Action menu's check marks and lays
// out frmMain for the new mode: the field typed into is always the upper,
// enabled one.
#pragma once

namespace zembra {

class frmMain;

void ToggleMode(frmMain& form);

}  // namespace zembra
