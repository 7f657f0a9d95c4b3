// SPDX-License-Identifier: MIT
// BackColor values are 0x00BBGGRR; this is the only place that turns one
// into a QColor.
#pragma once

#include <QColor>

#include "core/converter_fields.h"

namespace zembra {

inline QColor ToQColor(BackColor color) {
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

}  // namespace zembra
