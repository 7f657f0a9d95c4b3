// SPDX-License-Identifier: MIT
// The fields' colours on Win32. A BackColor (0x00BBGGRR) is a COLORREF as it
// stands; its brushes are made once for the window's life. The text colour
// is chosen for the background it is drawn on, so that it reads at 4.5:1 or
// better on white and on red alike, disabled fields included (the EDIT
// control's own disabled grey reads at 1.6:1 on red).
#pragma once

#include <windows.h>

#include <optional>

#include "core/converter_fields.h"

namespace zembra::win {

// The WCAG 2.1 contrast ratio of two colours, from 1 to 21.
double ContrastRatio(COLORREF a, COLORREF b);

inline constexpr double kReadableContrast = 4.5;

// Enabled: the theme's text colour where it is readable, else black or
// white, whichever reads better. Disabled: that colour muted toward the
// background, so the field still looks disabled, unless muting would make
// it unreadable.
COLORREF ReadableTextColour(COLORREF background, COLORREF themeText, bool enabled);

class FieldColours {
public:
    FieldColours();
    ~FieldColours();
    FieldColours(const FieldColours&) = delete;
    FieldColours& operator=(const FieldColours&) = delete;

    // The answer to WM_CTLCOLOREDIT or WM_CTLCOLORSTATIC for a field whose
    // background is `back` (none: the system's own for its state): sets
    // the DC's colours and returns the background brush.
    HBRUSH Paint(HDC dc, std::optional<BackColor> back, bool enabled) const;

private:
    HBRUSH m_valid;
    HBRUSH m_invalid;
};

}  // namespace zembra::win
