// SPDX-License-Identifier: MIT
// Texts between the portable code and Win32: the core's Text and Win32's
// wide strings are both UTF-16, and the designs' literals are ASCII.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/text_rules.h"

namespace zembra::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring Wide(TextView text) { return {text.begin(), text.end()}; }

inline std::wstring Wide(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

inline Text ToText(std::wstring_view wide) { return {wide.begin(), wide.end()}; }

// The window text of a control, however long.
inline std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace zembra::win
