// SPDX-License-Identifier: MIT
// Design lines of the main window.
#include "ui/main/line_control.h"

#include <QPainter>

#include "ui/common/twips.h"

namespace zembra {

LineControl::LineControl(QWidget* parent, const design::LineDesign& design) : QWidget(parent) {
    setObjectName(QString::fromLatin1(design.name));
    const int left = TwipsToPixels(design.x1, logicalDpiX());
    const int right = TwipsToPixels(design.x2, logicalDpiX());
    setGeometry(left, TwipsToPixels(design.y1, logicalDpiY()), right - left,
                design.thicknessPixels);
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter(this).fillRect(rect(), palette().windowText());
}

}  // namespace zembra
