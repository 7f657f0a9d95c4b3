// SPDX-License-Identifier: MIT
#include "windows/field_colours.h"

#include <algorithm>
#include <cmath>

namespace zembra::win {

namespace {

// How far disabled text moves from the enabled colour toward the
// background: black on white becomes #595959, 7:1.
constexpr double kDisabledMix = 0.35;

double Linear(unsigned channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(COLORREF colour) {
    return 0.2126 * Linear(GetRValue(colour)) + 0.7152 * Linear(GetGValue(colour)) +
           0.0722 * Linear(GetBValue(colour));
}

BYTE Mix(BYTE from, BYTE to) {
    return static_cast<BYTE>(std::lround(from + (to - from) * kDisabledMix));
}

COLORREF Muted(COLORREF text, COLORREF background) {
    return RGB(Mix(GetRValue(text), GetRValue(background)),
               Mix(GetGValue(text), GetGValue(background)),
               Mix(GetBValue(text), GetBValue(background)));
}

}  // namespace

double ContrastRatio(COLORREF a, COLORREF b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

COLORREF ReadableTextColour(COLORREF background, COLORREF themeText, bool enabled) {
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    const COLORREF strongest =
        ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
    const COLORREF text =
        ContrastRatio(themeText, background) >= kReadableContrast ? themeText : strongest;
    if (enabled) return text;
    const COLORREF muted = Muted(text, background);
    return ContrastRatio(muted, background) >= kReadableContrast ? muted : text;
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
    SetTextColor(dc, ReadableTextColour(background, GetSysColor(COLOR_WINDOWTEXT), enabled));
    return brush;
}

}  // namespace zembra::win
