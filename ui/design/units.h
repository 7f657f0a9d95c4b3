// SPDX-License-Identifier: MIT
// The designs' unit: twips, 1/1440 inch, so 15 twips per pixel at 96 dots
// per inch. Both front ends turn twips into pixels here and nowhere else.
#pragma once

#include <cmath>

namespace zembra {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

inline constexpr double kTwipsPerInch = 1440.0;
// The screen the designs' pixels are given for; also every CSS pixel's.
inline constexpr double kStandardDotsPerInch = 96.0;
inline constexpr double kPointsPerInch = 72.0;

// Rounded to the nearest pixel.
inline int TwipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

}  // namespace zembra
