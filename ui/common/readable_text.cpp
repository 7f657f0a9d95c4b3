// SPDX-License-Identifier: MIT
#include "ui/common/readable_text.h"

namespace zembra {

namespace {

design::Rgb ToRgb(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    return design::ContrastRatio(ToRgb(a), ToRgb(b));
}

QColor ReadableTextColor(const QColor& background, const QColor& themeText, bool enabled) {
    const design::Rgb text =
        design::ReadableTextColour(ToRgb(background), ToRgb(themeText), enabled);
    return QColor(text.red, text.green, text.blue);
}

}  // namespace zembra
