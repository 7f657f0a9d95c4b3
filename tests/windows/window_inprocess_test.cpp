// SPDX-License-Identifier: MIT
// frmMain on Win32 in this process, through the scenarios of
// testdata/window.txt: what only the process can read under Wine (the
// menu's captions and marks, the colours the window answers, the pointer
// it sets, how many edits reach the window model per keystroke, where the
// focus and the caret go) beside what the outside test also reads.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "tests/windows/scenario.h"
#include "windows/control_ids.h"
#include "windows/frm_main.h"
#include "windows/main_menu.h"
#include "windows/wide_text.h"

namespace zembra::win {
namespace {

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The background the window answers for a field's WM_CTLCOLOR* message.
COLORREF AnsweredBackground(HWND window, HWND field) {
    HDC dc = CreateCompatibleDC(nullptr);
    const UINT message = IsWindowEnabled(field) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    SendMessageW(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    const COLORREF colour = GetBkColor(dc);
    DeleteDC(dc);
    return colour;
}

// Whether the window sets "no drop" with the mouse over `field`: a disabled
// field gets no WM_SETCURSOR, so its parent answers for it.
bool NoDropOver(HWND window, HWND field) {
    RECT place{};
    GetWindowRect(field, &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    SetCursor(nullptr);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor() == LoadCursorW(nullptr, IDC_NO);
}

std::string MenuCaption(HMENU menu, UINT position) {
    wchar_t text[64]{};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return std::string(text, text + wcslen(text));
}

// "menu N CAPTION ITEM...": the bar's Nth menu, from 1, with its items.
std::string CheckMenu(HWND window, const Line& line) {
    HMENU bar = GetMenu(window);
    const auto position = static_cast<UINT>(std::stoi(line.words.at(0)) - 1);
    if (MenuCaption(bar, position) != line.words.at(1))
        return "caption " + MenuCaption(bar, position);
    HMENU popup = GetSubMenu(bar, static_cast<int>(position));
    if (GetMenuItemCount(popup) != static_cast<int>(line.words.size()) - 2) return "item count";
    for (UINT item = 0; item + 2 < line.words.size(); ++item) {
        if (MenuCaption(popup, item) != line.words[item + 2])
            return "item " + MenuCaption(popup, item);
    }
    return {};
}

// "caret FIELD setfocus|click|tab": with "77" in the field and the caret at
// its start, the focus given so leaves the caret behind the last character
// (a click places it when the button is released).
std::string CheckCaret(HWND window, const Line& line) {
    HWND field = GetDlgItem(window, line.words.at(0) == "txtDec" ? kTxtDecId : kTxtAfsId);
    const std::string& how = line.words.at(1);
    SetFocus(window);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, WM_CHAR, L'7', 0);
    SendMessageW(field, WM_CHAR, L'7', 0);
    SendMessageW(field, EM_SETSEL, 0, 0);
    const LPARAM left = MAKELPARAM(8, 8);
    MSG tab{window, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    if (how == "setfocus") SetFocus(field);
    if (how == "click") {
        SendMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, left);
        Pump();
        SendMessageW(field, WM_LBUTTONUP, 0, left);
    }
    if (how == "tab") IsDialogMessageW(window, &tab);
    Pump();
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(field));
    if (GetFocus() != field) return "the focus is elsewhere";
    if (start != length || end != length) return "the caret is at " + std::to_string(start);
    return {};
}

// The marks and pointers of "mode", which only the process reads.
std::string CheckMarksAndPointers(HWND window, const Line& line) {
    bool known = false;
    const bool decToAfs = DecimalToAfs(line.words.at(0), known);
    HMENU menu = GetMenu(window);
    if (IsActionItemMarked(menu, 1) != decToAfs || IsActionItemMarked(menu, 2) == decToAfs)
        return "the Action menu's marks";
    if (NoDropOver(window, GetDlgItem(window, kTxtDecId)) == decToAfs) return "txtDec's pointer";
    if (NoDropOver(window, GetDlgItem(window, kTxtAfsId)) != decToAfs) return "txtAFS's pointer";
    return {};
}

std::string CheckAnswered(HWND window, const Line& line) {
    const int ids[] = {kTxtDecId, kTxtAfsId, kTxtHexId};
    for (std::size_t i = 0; i < 3; ++i) {
        if (AnsweredBackground(window, GetDlgItem(window, ids[i])) != ColourNamed(line.words.at(i)))
            return "field " + std::to_string(i + 1) + " answered another colour";
    }
    return {};
}

void AddProcessVerbs(Verbs& verbs, HWND window) {
    verbs.own["mode"] = [window, layout = verbs.own["mode"]](const Line& line) {
        const std::string problem = CheckMarksAndPointers(window, line);
        return problem.empty() ? layout(line) : problem;
    };
    verbs.own["backs"] = [window](const Line& line) { return CheckAnswered(window, line); };
    verbs.own["menus"] = [window](const Line& line) {
        const int got = GetMenuItemCount(GetMenu(window));
        return Unless(got == std::stoi(line.words.at(0)), "another count");
    };
    verbs.own["menu"] = [window](const Line& line) { return CheckMenu(window, line); };
    verbs.own["caret"] = [window](const Line& line) { return CheckCaret(window, line); };
    verbs.own["> focus-input"] = [window](const Line&) {
        SetFocus(InputField(window));
        return std::string();
    };
    // A switch that disables the field with the focus leaves it with the window.
    verbs.own["focus-on-window"] = [window](const Line&) {
        return Unless(GetFocus() == window, "the focus is elsewhere");
    };
    verbs.others = {"title",   "style",  "centred", "place", "> minimise", "> restore",
                    "> open",  "> ok",   "> close", "box",   "enabled",    "labels",
                    "colours", "closed", "version", "icon"};
}

}  // namespace

int Run(const char* scenarios) {
    frmMain window{GetModuleHandleW(nullptr)};
    window.Show(SW_SHOWNORMAL);
    Pump();
    HWND main = window.hwnd();
    Verbs verbs;
    AddWindowVerbs(verbs, [main] { return main; });
    int before = 0;
    for (auto& [name, verb] : verbs.own) {
        if (!name.starts_with("> ")) continue;
        // Every action counts the edits it passes to the model, then lets
        // the window handle what it posted.
        verb = [&before, &window, act = verb](const Line& line) {
            before = window.ReactionCount();
            const std::string problem = act(line);
            Pump();
            return problem;
        };
    }
    verbs.own["reactions"] = [&before, &window](const Line& line) {
        const int got = window.ReactionCount() - before;
        return got == std::stoi(line.words.at(0)) ? "" : std::to_string(got) + " edits";
    };
    AddProcessVerbs(verbs, main);
    return RunScenario(scenarios, verbs);
}

}  // namespace zembra::win

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return zembra::win::Run(ZEMBRA_SCENARIOS);
}
