// SPDX-License-Identifier: MIT
// The floor for zembra.exe's start-up: a bare Win32 window with the same
// controls (three EDITs, three STATICs, the two menus) and nothing else, no
// model, fonts, colours, resources or version information.
#include <windows.h>

#include <initializer_list>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"Zembra.Floor";
    RegisterClassExW(&windowClass);
    HMENU bar = CreateMenu();
    for (const wchar_t* caption : {L"&Action", L"&Help"}) {
        HMENU popup = CreatePopupMenu();
        AppendMenuW(popup, MF_STRING, 1, L"Item");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), caption);
    }
    HWND window = CreateWindowExW(0, L"Zembra.Floor", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 211, 200, nullptr, bar, instance, nullptr);
    for (int row = 0; row < 3; ++row) {
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"0", WS_CHILD | WS_VISIBLE, 68, 12 + row * 36,
                        109, 28, window, nullptr, instance, nullptr);
        CreateWindowExW(0, L"STATIC", L"DEC", WS_CHILD | WS_VISIBLE, 16, 20 + row * 36, 49, 25,
                        window, nullptr, instance, nullptr);
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
