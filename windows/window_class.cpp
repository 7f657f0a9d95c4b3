// SPDX-License-Identifier: MIT
#include "windows/window_class.h"

#include "windows/resource_ids.h"

namespace zembra::win {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         ClassIcon icon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    if (icon == ClassIcon::Program)
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZEMBRA));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

}  // namespace zembra::win
