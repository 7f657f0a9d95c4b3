// SPDX-License-Identifier: MIT
// BackColor values as QColors, for the Qt window.
#pragma once

#include <QColor>

#include "core/converter_fields.h"

namespace zembra {

inline QColor ToQColor(BackColor color) {
    const Rgb rgb = ToRgb(color);
    return QColor(static_cast<int>(rgb.red), static_cast<int>(rgb.green),
                  static_cast<int>(rgb.blue));
}

}  // namespace zembra
