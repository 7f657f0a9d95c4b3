// SPDX-License-Identifier: MIT
// frmMain's menu bar as designed: "&Action" with the two mode items and
// "&Help" with its three items, and the command identifiers that say which
// item of which array was chosen.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace zembra::win {

// A chosen menu item: its array and its index, counted from 1.
struct MenuChoice {
    enum class Array { mnuActionItems, mnuHelpItems } array;
    int index;
};

// The menu bar with the design's captions and marks.
HMENU CreateMainMenu();

// The item a WM_COMMAND identifier names, none for any other.
std::optional<MenuChoice> MenuChoiceFor(int commandId);

// Sets the Action items' check marks, item 1 first.
void SetActionMarks(HMENU menu, const std::array<bool, 2>& checked);

// The Action item's mark as the menu holds it (index from 1).
bool IsActionItemMarked(HMENU menu, int index);

}  // namespace zembra::win
