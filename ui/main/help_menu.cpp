// SPDX-License-Identifier: MIT
#include "ui/main/help_menu.h"

namespace zembra {

void mnuHelpItems_Click(std::int16_t /*index*/) {}

}  // namespace zembra
