// SPDX-License-Identifier: MIT
// The one rule for text colours that stay readable on the background they
// are painted on, whatever the desktop theme, over plain 8-bit RGB so that
// the Qt and the Win32 windows apply it alike. A field the program paints
// white or red must not take a text colour meant for the theme's own,
// perhaps dark, fields. Contrast is the WCAG 2.1 ratio of sRGB relative
// luminances.
#pragma once

#include <cstdint>

namespace zembra::design {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter colour's relative luminance:
// from 1 (no contrast) to 21 (black on white).
double ContrastRatio(Rgb a, Rgb b);

// What normal text needs to be read with ease (WCAG 2.1 AA).
inline constexpr double kReadableContrast = 4.5;

// The text colour for a field whose background is `background`. Enabled:
// the theme's text colour where it is readable there, else black or white,
// whichever reads better. Disabled: that colour muted toward the background,
// so the field still looks disabled, unless muting would make it unreadable.
Rgb ReadableTextColour(Rgb background, Rgb themeText, bool enabled);

}  // namespace zembra::design
