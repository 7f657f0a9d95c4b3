// SPDX-License-Identifier: MIT
// Twips to pixels, rounded to the nearest pixel.
#include "ui/common/twips.h"

#include <QWidget>

namespace zembra {

namespace {

int TwipsToPixelsX(int twips, const QWidget& onScreen) {
    return TwipsToPixels(twips, onScreen.logicalDpiX());
}

int TwipsToPixelsY(int twips, const QWidget& onScreen) {
    return TwipsToPixels(twips, onScreen.logicalDpiY());
}

}  // namespace

QSize TwipsToPixels(int width, int height, const QWidget& onScreen) {
    return {TwipsToPixelsX(width, onScreen), TwipsToPixelsY(height, onScreen)};
}

QRect TwipsToPixels(const TwipsRect& rect, const QWidget& onScreen) {
    return {QPoint(TwipsToPixelsX(rect.left, onScreen), TwipsToPixelsY(rect.top, onScreen)),
            TwipsToPixels(rect.width, rect.height, onScreen)};
}

}  // namespace zembra
