// SPDX-License-Identifier: MIT
// Pinning the tests to a locale whose decimal separator is ",", by the name
// the platform's C library knows it by.
#pragma once

namespace zembra::tests {

// True when the locale is in force; else the C library's default stays.
bool PinCommaLocale();

}  // namespace zembra::tests
