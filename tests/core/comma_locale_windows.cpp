// SPDX-License-Identifier: MIT
// msvcrt names locales by language and knows no UTF-8 ones: "German" is
// German in the system's code page, with "," as its decimal separator.
#include <clocale>

#include "tests/core/comma_locale.h"

namespace zembra::tests {

bool PinCommaLocale() { return std::setlocale(LC_ALL, "German") != nullptr; }

}  // namespace zembra::tests
