// SPDX-License-Identifier: MIT
// Twips to pixels for both Qt windows. It goes through the widget's logical
// DPI, the same DPI that turns the fonts' points into pixels, so positions
// and text scale together on any screen; Qt's device pixel ratio then maps
// these pixels to the screen's.
#pragma once

#include <QRect>
#include <QSize>

#include "ui/design/units.h"

class QWidget;

namespace zembra {

// Design sizes and rectangles in pixels of the screen the widget is on.
QSize TwipsToPixels(int width, int height, const QWidget& onScreen);
QRect TwipsToPixels(const TwipsRect& rect, const QWidget& onScreen);

}  // namespace zembra
