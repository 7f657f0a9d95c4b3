// SPDX-License-Identifier: MIT
// The Help menu's click handler: help and licence message boxes, and the
// About window.
#pragma once

#include <cstdint>

namespace zembra {

// Index 1 shows the help text, 2 the licence text, 3 opens the About window
// modally; any other index does nothing. Returns once the box is dismissed
// or the About window has closed.
void mnuHelpItems_Click(std::int16_t index);

}  // namespace zembra
