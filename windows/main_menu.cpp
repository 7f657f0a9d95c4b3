// SPDX-License-Identifier: MIT
#include "windows/main_menu.h"

#include "ui/design/main_window.h"
#include "windows/wide_text.h"

namespace zembra::win {

namespace {

// Identifiers: the array's base plus the item's index. None of them is
// IDOK or IDCANCEL, which the dialog keys send.
constexpr int kActionBase = 100;
constexpr int kHelpBase = 200;

// The headers define the flags as long.
constexpr UINT MarkFlag(bool checked) {
    return static_cast<UINT>(checked ? MF_CHECKED : MF_UNCHECKED);
}

template <std::size_t N>
HMENU CreatePopup(const std::array<design::MenuItemDesign, N>& items, int base) {
    HMENU popup = CreatePopupMenu();
    for (std::size_t i = 0; i < N; ++i) {
        const UINT flags = MF_STRING | MarkFlag(items[i].checked);
        AppendMenuW(popup, flags, static_cast<UINT_PTR>(base) + i + 1,
                    Wide(items[i].caption).c_str());
    }
    return popup;
}

}  // namespace

HMENU CreateMainMenu() {
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP,
                reinterpret_cast<UINT_PTR>(CreatePopup(design::mnuActionItems, kActionBase)),
                Wide(design::mnuActionCaption).c_str());
    AppendMenuW(bar, MF_POPUP,
                reinterpret_cast<UINT_PTR>(CreatePopup(design::mnuHelpItems, kHelpBase)),
                Wide(design::mnuHelpCaption).c_str());
    return bar;
}

std::optional<MenuChoice> MenuChoiceFor(int commandId) {
    const int actionIndex = commandId - kActionBase;
    if (actionIndex >= 1 && actionIndex <= static_cast<int>(design::mnuActionItems.size())) {
        return MenuChoice{MenuChoice::Array::mnuActionItems, actionIndex};
    }
    const int helpIndex = commandId - kHelpBase;
    if (helpIndex >= 1 && helpIndex <= static_cast<int>(design::mnuHelpItems.size())) {
        return MenuChoice{MenuChoice::Array::mnuHelpItems, helpIndex};
    }
    return std::nullopt;
}

void SetActionMarks(HMENU menu, const std::array<bool, 2>& checked) {
    for (std::size_t i = 0; i < checked.size(); ++i) {
        CheckMenuItem(menu, static_cast<UINT>(kActionBase) + static_cast<UINT>(i) + 1,
                      MF_BYCOMMAND | MarkFlag(checked[i]));
    }
}

bool IsActionItemMarked(HMENU menu, int index) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(kActionBase + index), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

}  // namespace zembra::win
