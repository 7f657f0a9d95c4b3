// SPDX-License-Identifier: MIT
#include "windows/field_edit.h"

#include <commctrl.h>

#include <string>

#include "windows/wide_text.h"

namespace zembra::win {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// Posted to the field by its own focus handling, so that it runs after the
// message that gave the focus.
constexpr UINT kCaretToEnd = WM_APP + 1;
// Set while a focusing mouse click is still held: the caret then moves
// when the button is released, or the release would place it again.
constexpr const wchar_t* kCaretPending = L"Zembra.CaretPending";

void CaretToEnd(HWND edit) {
    const LPARAM end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
}

void PaintDisabled(HWND edit, HDC dc) {
    RECT client{};
    GetClientRect(edit, &client);
    auto* brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(edit), WM_CTLCOLORSTATIC,
                                                        reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(edit)));
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    auto* font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    SetBkMode(dc, TRANSPARENT);
    std::wstring text = WindowText(edit);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &format,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK FieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR) {
    switch (message) {
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            PostMessageW(edit, kCaretToEnd, 0, 0);
            return result;
        }
        case kCaretToEnd:
            if (GetCapture() == edit) {
                SetPropW(edit, kCaretPending, edit);
            } else if (GetFocus() == edit) {
                CaretToEnd(edit);
            }
            return 0;
        case WM_LBUTTONUP: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            if (RemovePropW(edit, kCaretPending) != nullptr) CaretToEnd(edit);
            return result;
        }
        case WM_ERASEBKGND:
            if (!IsWindowEnabled(edit)) return 1;
            break;
        case WM_PAINT:
            if (!IsWindowEnabled(edit)) {
                PAINTSTRUCT paint;
                PaintDisabled(edit, BeginPaint(edit, &paint));
                EndPaint(edit, &paint);
                return 0;
            }
            break;
        case WM_PRINTCLIENT:
            if (!IsWindowEnabled(edit)) {
                PaintDisabled(edit, reinterpret_cast<HDC>(wParam));
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemovePropW(edit, kCaretPending);
            RemoveWindowSubclass(edit, FieldProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void AttachFieldBehaviour(HWND edit) { SetWindowSubclass(edit, FieldProc, kSubclassId, 0); }

}  // namespace zembra::win
