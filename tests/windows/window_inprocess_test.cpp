// SPDX-License-Identifier: MIT
// frmMain on Win32, in its own process: what only the process can read
// under Wine (the menu's marks, the colours the window answers, how many
// edits reach the window model per keystroke), step by step through one
// table of keystrokes and mode switches.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <array>
#include <string>
#include <vector>

#include "core/converter_fields.h"
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

// The pointer the window sets with the mouse over `field`: a disabled
// field gets no WM_SETCURSOR, so its parent answers for it.
HCURSOR PointerOver(HWND window, HWND field) {
    RECT place{};
    GetWindowRect(field, &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    SetCursor(nullptr);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

enum class Do { Type, Backspace, ReplaceAll, RetypeLast, Switch };

// One step and the window after it. Keys go to the enabled field.
struct Step {
    const char* name;
    Do action;
    const wchar_t* keys;
    const wchar_t* dec;
    const wchar_t* afs;
    const wchar_t* hex;
    bool decimalToAfs;
    COLORREF decBack;
    COLORREF afsBack;
    int reactions;  // edits that reached the model during the step
};

constexpr COLORREF kWhite = kValidColor;
constexpr COLORREF kRed = kInvalidColor;

const Step kSteps[] = {
    {"typed digits", Do::Type, L"1234", L"01234", L"09-102", L"4D2", true, kWhite, kWhite, 4},
    {"out of range", Do::Type, L"9", L"012349", L"09-102", L"303D", true, kWhite, kRed, 1},
    {"back in range", Do::Backspace, L"", L"01234", L"09-102", L"4D2", true, kWhite, kWhite, 1},
    {"same character over itself", Do::RetypeLast, L"", L"01234", L"09-102", L"4D2", true, kWhite,
     kWhite, 0},
    {"switch to AFS", Do::Switch, L"", L"01234", L"09-102", L"4D2", false, kWhite, kWhite, 0},
    {"AFS typed", Do::ReplaceAll, L"15-157", L"2047", L"15-157", L"7FF", false, kWhite, kWhite, 6},
    {"AFS refused", Do::ReplaceAll, L"16-000", L"2047", L"16-000", L"7FF", false, kRed, kWhite, 6},
    {"AFS too long", Do::Type, L"0", L"2047", L"16-0000", L"7FF", false, kRed, kWhite, 1},
    {"switch back", Do::Switch, L"", L"2047", L"16-0000", L"7FF", true, kRed, kWhite, 0},
    {"switch again", Do::Switch, L"", L"2047", L"16-0000", L"7FF", false, kRed, kWhite, 0},
    {"AFS accepted", Do::ReplaceAll, L"00-005", L"5", L"00-005", L"5", false, kWhite, kWhite, 6},
};

class WindowSteps : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.Show(SW_SHOWNORMAL);
        Pump();
    }
    HWND Control(int id) const { return GetDlgItem(m_window.hwnd(), id); }
    HWND InputField() const {
        return IsWindowEnabled(Control(kTxtDecId)) ? Control(kTxtDecId) : Control(kTxtAfsId);
    }
    void Run(const Step& step);

    frmMain m_window{GetModuleHandleW(nullptr)};
};

void WindowSteps::Run(const Step& step) {
    HWND input = InputField();
    const LPARAM length = GetWindowTextLengthW(input);
    switch (step.action) {
        case Do::Switch:
            SendMessageW(m_window.hwnd(), WM_COMMAND, 101, 0);
            return;
        case Do::Backspace:
            SendMessageW(input, WM_CHAR, VK_BACK, 0);
            return;
        case Do::RetypeLast: {
            const std::wstring text = WindowText(input);
            SendMessageW(input, EM_SETSEL, static_cast<WPARAM>(length - 1), length);
            SendMessageW(input, WM_CHAR, text.back(), 0);
            return;
        }
        case Do::ReplaceAll:
            SendMessageW(input, EM_SETSEL, 0, -1);
            break;
        case Do::Type:
            SendMessageW(input, EM_SETSEL, static_cast<WPARAM>(length), length);
            break;
    }
    for (const wchar_t* key = step.keys; *key != L'\0'; ++key)
        SendMessageW(input, WM_CHAR, *key, 0);
}

TEST_F(WindowSteps, EachStepLeavesTheWindowAsExpected) {
    for (const Step& step : kSteps) {
        SCOPED_TRACE(step.name);
        const int before = m_window.ReactionCount();
        Run(step);
        Pump();
        EXPECT_EQ(m_window.ReactionCount() - before, step.reactions);
        EXPECT_EQ(WindowText(Control(kTxtDecId)), step.dec);
        EXPECT_EQ(WindowText(Control(kTxtAfsId)), step.afs);
        EXPECT_EQ(WindowText(Control(kTxtHexId)), step.hex);
        HMENU menu = GetMenu(m_window.hwnd());
        EXPECT_EQ(IsActionItemMarked(menu, 1), step.decimalToAfs);
        EXPECT_EQ(IsActionItemMarked(menu, 2), !step.decimalToAfs);
        EXPECT_EQ(IsWindowEnabled(Control(kTxtDecId)) != FALSE, step.decimalToAfs);
        EXPECT_EQ(IsWindowEnabled(Control(kTxtAfsId)) != FALSE, !step.decimalToAfs);
        EXPECT_FALSE(IsWindowEnabled(Control(kTxtHexId)));
        EXPECT_EQ(WindowText(Control(kLblDecId)), step.decimalToAfs ? L"DEC" : L"AFS");
        EXPECT_EQ(WindowText(Control(kLblAfsId)), step.decimalToAfs ? L"AFS" : L"DEC");
        // Screen readers name a field by the label before it.
        EXPECT_EQ(WindowText(GetWindow(Control(kTxtDecId), GW_HWNDPREV)), L"DEC");
        EXPECT_EQ(WindowText(GetWindow(Control(kTxtAfsId), GW_HWNDPREV)), L"AFS");
        EXPECT_EQ(WindowText(GetWindow(Control(kTxtHexId), GW_HWNDPREV)), L"HEX");
        const HCURSOR noDrop = LoadCursorW(nullptr, IDC_NO);
        EXPECT_EQ(PointerOver(m_window.hwnd(), Control(kTxtDecId)) == noDrop, !step.decimalToAfs);
        EXPECT_EQ(PointerOver(m_window.hwnd(), Control(kTxtAfsId)) == noDrop, step.decimalToAfs);
        EXPECT_EQ(AnsweredBackground(m_window.hwnd(), Control(kTxtDecId)), step.decBack);
        EXPECT_EQ(AnsweredBackground(m_window.hwnd(), Control(kTxtAfsId)), step.afsBack);
    }
}

// At start-up nothing has reached the model and the marks say "Decimal to
// AFS": the design's mark on item 2 flipped once.
TEST_F(WindowSteps, StartsInDecimalToAfs) {
    EXPECT_EQ(m_window.ReactionCount(), 0);
    EXPECT_TRUE(IsActionItemMarked(GetMenu(m_window.hwnd()), 1));
    EXPECT_FALSE(IsActionItemMarked(GetMenu(m_window.hwnd()), 2));
    EXPECT_EQ(WindowText(m_window.hwnd()), L"Zembra");
}

// The menu bar's captions with their access keys, as designed.
TEST_F(WindowSteps, MenusCarryTheAccessKeys) {
    const auto caption = [](HMENU menu, UINT position) {
        wchar_t text[64]{};
        GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
        return std::wstring(text);
    };
    struct Menu {
        const wchar_t* caption;
        std::vector<std::wstring> items;
    };
    const Menu menus[] = {{L"&Action", {L"&Decimal to AFS", L"&AFS to Decimal"}},
                          {L"&Help", {L"&Help", L"&License Info", L"&About"}}};
    HMENU bar = GetMenu(m_window.hwnd());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    for (UINT i = 0; i < 2; ++i) {
        EXPECT_EQ(caption(bar, i), menus[i].caption);
        HMENU popup = GetSubMenu(bar, static_cast<int>(i));
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(menus[i].items.size()));
        for (UINT item = 0; item < menus[i].items.size(); ++item) {
            EXPECT_EQ(caption(popup, item), menus[i].items[item]);
        }
    }
}

// The caret stands behind the last character once the focus has been
// handled, however the field got it: a click into the middle of the text
// included, which places the caret when the button is released.
TEST_F(WindowSteps, FocusPutsTheCaretAtTheEnd) {
    enum class How { SetFocus, Click, Tab };
    struct Case {
        const char* name;
        bool switchFirst;
        int field;
        How how;
    };
    for (const Case& c : {Case{"txtDec", false, kTxtDecId, How::SetFocus},
                          Case{"txtDec clicked", false, kTxtDecId, How::Click},
                          Case{"txtAFS", true, kTxtAfsId, How::SetFocus},
                          Case{"txtAFS clicked", false, kTxtAfsId, How::Click},
                          Case{"txtDec by Tab", true, kTxtDecId, How::Tab}}) {
        SCOPED_TRACE(c.name);
        if (c.switchFirst) {
            // The switch disables the field with the focus, which stays with
            // the window.
            SetFocus(InputField());
            SendMessageW(m_window.hwnd(), WM_COMMAND, 101, 0);
            EXPECT_EQ(GetFocus(), m_window.hwnd());
        }
        SetFocus(m_window.hwnd());
        HWND field = Control(c.field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        SendMessageW(field, WM_CHAR, L'7', 0);
        SendMessageW(field, WM_CHAR, L'7', 0);
        SendMessageW(field, EM_SETSEL, 0, 0);
        const LPARAM left = MAKELPARAM(8, 8);
        MSG tab{m_window.hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        switch (c.how) {
            case How::SetFocus:
                SetFocus(field);
                break;
            case How::Click:
                SendMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, left);
                Pump();
                SendMessageW(field, WM_LBUTTONUP, 0, left);
                break;
            case How::Tab:
                IsDialogMessageW(m_window.hwnd(), &tab);
                break;
        }
        Pump();
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        const auto length = static_cast<DWORD>(GetWindowTextLengthW(field));
        EXPECT_EQ(GetFocus(), field);
        EXPECT_EQ(start, length);
        EXPECT_EQ(end, length);
    }
}

}  // namespace
}  // namespace zembra::win

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
