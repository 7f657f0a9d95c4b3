// SPDX-License-Identifier: MIT
#include "windows/field_colours.h"

namespace zembra::win {

design::Rgb ToRgb(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

FieldColours::FieldColours()
    : m_valid(CreateSolidBrush(kValidColor)), m_invalid(CreateSolidBrush(kInvalidColor)) {}

FieldColours::~FieldColours() {
    DeleteObject(m_valid);
    DeleteObject(m_invalid);
}

HBRUSH FieldColours::Paint(HDC dc, std::optional<BackColor> back, bool enabled) const {
    const int systemColour = enabled ? COLOR_WINDOW : COLOR_BTNFACE;
    HBRUSH brush = GetSysColorBrush(systemColour);
    COLORREF background = GetSysColor(systemColour);
    if (back == kValidColor) brush = m_valid;
    if (back == kInvalidColor) brush = m_invalid;
    if (back) background = *back;
    SetBkColor(dc, background);
    const design::Rgb text = design::ReadableTextColour(
        ToRgb(background), ToRgb(GetSysColor(COLOR_WINDOWTEXT)), enabled);
    SetTextColor(dc, RGB(text.red, text.green, text.blue));
    return brush;
}

}  // namespace zembra::win
