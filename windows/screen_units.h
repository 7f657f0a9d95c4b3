// SPDX-License-Identifier: MIT
// The designs' twips and points on a Win32 screen: pixels at the window's
// real DPI, the design typeface, and a top-level window sized by its client
// area and centred on its screen.
#pragma once

#include <windows.h>

#include "ui/design/units.h"

namespace zembra::win {

// Twips or design pixels on a screen of `dpi` dots per inch.
struct ScreenUnits {
    UINT dpi;

    int Px(int twips) const { return TwipsToPixels(twips, dpi); }
    // A thickness that the design gives in pixels of a standard screen.
    int DesignPixels(int pixels) const {
        return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kStandardDotsPerInch));
    }
};

// The DPI of the screen a window is on; the system's before it exists.
UINT WindowDpi(HWND window);

// "MS Sans Serif" at `points`, or a plain sans-serif face where it is
// missing. The caller deletes the font.
HFONT CreateDesignFont(double points, int weight, UINT dpi);

// Sizes `window` so that its client area is `width` by `height` twips,
// with the menu bar as it wraps, and centres it on its screen's work area.
void SizeAndCentre(HWND window, int width, int height);

}  // namespace zembra::win
