// SPDX-License-Identifier: MIT
// Test entry point for plain (window-less) tests. The locale is pinned to one
// whose decimal separator is ",", so that any locale-dependent number
// reading or writing fails loudly.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::fputs("note: de_DE.UTF-8 is missing; tests run in C.UTF-8\n", stderr);
        std::setlocale(LC_ALL, "C.UTF-8");
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
