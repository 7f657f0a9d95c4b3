// SPDX-License-Identifier: MIT
// The one conversion from the designs' twips to pixels, for both windows:
// 1440 twips per logical inch, so 15 twips per pixel at 96 dots per inch.
// It goes through the widget's logical DPI, the same DPI that turns the
// fonts' points into pixels, so positions and text scale together on any
// screen; Qt's device pixel ratio then maps these pixels to the screen's.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zembra {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

int TwipsToPixels(int twips, double logicalDpi);

// Design sizes and rectangles in pixels of the screen the widget is on.
QSize TwipsToPixels(int width, int height, const QWidget& onScreen);
QRect TwipsToPixels(const TwipsRect& rect, const QWidget& onScreen);

}  // namespace zembra
