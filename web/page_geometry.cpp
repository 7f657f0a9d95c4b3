// SPDX-License-Identifier: MIT
// Prints the converter window's client size in CSS pixels as the page's
// style variables ("--design-width: 203; --design-height: 143"). The build
// runs it with node and writes them into index.html, so that the page keeps
// the window's place before the module has loaded, from the design itself.
#include <cstdio>

#include "ui/design/main_window.h"
#include "ui/design/units.h"

int main() {
    using zembra::kStandardDotsPerInch;
    std::printf("--design-width: %d; --design-height: %d\n",
                zembra::TwipsToPixels(zembra::design::kClientWidth, kStandardDotsPerInch),
                zembra::TwipsToPixels(zembra::design::kClientHeight, kStandardDotsPerInch));
}
