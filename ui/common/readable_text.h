// SPDX-License-Identifier: MIT
// The readable-text rule of ui/design/readable_text.h over Qt's colours:
// text colours that stay readable on the background they are painted on,
// whatever the desktop theme.
#pragma once

#include <QColor>

#include "ui/design/readable_text.h"

namespace zembra {

using design::kReadableContrast;

// The WCAG 2.1 contrast ratio of two colours, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// design::ReadableTextColour for a field whose background is `background`.
QColor ReadableTextColor(const QColor& background, const QColor& themeText, bool enabled);

}  // namespace zembra
