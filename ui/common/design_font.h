// SPDX-License-Identifier: MIT
// The designs' typeface as a QFont, for both windows: the families frmMain's
// design names, at the point size and weight a control's design gives.
#pragma once

#include <QFont>

namespace zembra {

QFont DesignFont(qreal points, QFont::Weight weight);

}  // namespace zembra
