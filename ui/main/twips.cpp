// SPDX-License-Identifier: MIT
// Twips to pixels, rounded to the nearest pixel.
#include "ui/main/twips.h"

#include <QWidget>
#include <cmath>

namespace zembra {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

QRect TwipsToPixels(const design::TwipsRect& rect, const QWidget& onScreen) {
    const double dpiX = onScreen.logicalDpiX();
    const double dpiY = onScreen.logicalDpiY();
    return {TwipsToPixels(rect.left, dpiX), TwipsToPixels(rect.top, dpiY),
            TwipsToPixels(rect.width, dpiX), TwipsToPixels(rect.height, dpiY)};
}

}  // namespace zembra
