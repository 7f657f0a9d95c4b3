// SPDX-License-Identifier: MIT
// Test entry point for plain (window-less) tests. The locale is pinned to one
// whose decimal separator is ",", so that any locale-dependent number
// reading or writing fails loudly.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/core/comma_locale.h"

int main(int argc, char** argv) {
    if (!zembra::tests::PinCommaLocale()) {
        std::fputs("note: no locale with a decimal comma; tests run in the default one\n", stderr);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
