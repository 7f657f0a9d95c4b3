// SPDX-License-Identifier: MIT
// The core's 16-bit texts and QString hold the same code units; these copy
// one into the other without any re-encoding.
#pragma once

#include <QString>
#include <QStringView>

#include "core/text_rules.h"

namespace zembra {

inline QString ToQString(TextView text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

inline Text ToText(QStringView text) {
    return Text(text.utf16(), static_cast<std::size_t>(text.size()));
}

}  // namespace zembra
