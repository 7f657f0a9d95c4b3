// SPDX-License-Identifier: MIT
#include "windows/screen_units.h"

#include <cmath>
#include <cwchar>

#include "ui/design/main_window.h"

namespace zembra::win {

namespace {

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FamilyExists(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(wanted.lfFaceName, family, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

UINT WindowDpi(HWND window) {
    if (window != nullptr) return GetDpiForWindow(window);
    return GetDpiForSystem();
}

HFONT CreateDesignFont(double points, int weight, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = weight;
    font.lfCharSet = ANSI_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    // A face the screen lacks leaves the name empty: the font mapper then
    // takes its own sans-serif face for FF_SWISS.
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    for (const char* family : design::kFontFamilies) {
        wchar_t name[LF_FACESIZE]{};
        for (std::size_t i = 0; family[i] != '\0' && i + 1 < LF_FACESIZE; ++i) {
            name[i] = static_cast<wchar_t>(family[i]);
        }
        if (!FamilyExists(name)) continue;
        std::wcscpy(font.lfFaceName, name);
        break;
    }
    return CreateFontIndirectW(&font);
}

void SizeAndCentre(HWND window, int width, int height) {
    const ScreenUnits units{WindowDpi(window)};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    RECT frame{0, 0, units.Px(width), units.Px(height)};
    AdjustWindowRectExForDpi(&frame, style, GetMenu(window) != nullptr, exStyle, units.dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes client height: grow
    // the frame by what is missing.
    RECT client{};
    GetClientRect(window, &client);
    const int missing = units.Px(height) - client.bottom;
    RECT outer{};
    GetWindowRect(window, &outer);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top + missing;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const int left = area.left + (area.right - area.left - outerWidth) / 2;
    const int top = area.top + (area.bottom - area.top - outerHeight) / 2;
    SetWindowPos(window, nullptr, left, top, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zembra::win
