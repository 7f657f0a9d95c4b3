// SPDX-License-Identifier: MIT
// glibc's German locale in UTF-8, or C.UTF-8 where it is missing.
#include <clocale>

#include "tests/core/comma_locale.h"

namespace zembra::tests {

bool PinCommaLocale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) return true;
    std::setlocale(LC_ALL, "C.UTF-8");
    return false;
}

}  // namespace zembra::tests
