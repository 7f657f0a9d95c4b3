// SPDX-License-Identifier: MIT
// The one conversion from the design's twips to screen pixels: 1440 twips
// per logical inch, so 15 twips per pixel at 96 dots per inch.
#pragma once

#include <QRect>

#include "ui/main/design.h"

class QWidget;

namespace zembra {

int TwipsToPixels(int twips, double logicalDpi);

// A design rectangle in pixels of the screen the widget is on.
QRect TwipsToPixels(const design::TwipsRect& rect, const QWidget& onScreen);

}  // namespace zembra
