// SPDX-License-Identifier: MIT
#include "ui/common/design_font.h"

#include <QString>
#include <QStringList>

#include "ui/design/main_window.h"

namespace zembra {

QFont DesignFont(qreal points, QFont::Weight weight) {
    QStringList families;
    for (const char* family : design::kFontFamilies) families << QString::fromLatin1(family);
    QFont font;
    font.setFamilies(families);
    // Where none of the families exists, a plain sans-serif face stands in.
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

}  // namespace zembra
