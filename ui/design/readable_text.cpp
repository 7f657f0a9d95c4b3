// SPDX-License-Identifier: MIT
#include "ui/design/readable_text.h"

#include <algorithm>
#include <cmath>

namespace zembra::design {

namespace {

// How far disabled text moves from the enabled colour toward the background:
// black on white becomes #595959, 7:1.
constexpr double kDisabledMix = 0.35;

double Linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

std::uint8_t Mix(std::uint8_t from, std::uint8_t to) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * kDisabledMix));
}

Rgb Muted(Rgb text, Rgb background) {
    return {Mix(text.red, background.red), Mix(text.green, background.green),
            Mix(text.blue, background.blue)};
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableTextColour(Rgb background, Rgb themeText, bool enabled) {
    constexpr Rgb black{0, 0, 0};
    constexpr Rgb white{255, 255, 255};
    const Rgb strongest =
        ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
    const Rgb text =
        ContrastRatio(themeText, background) >= kReadableContrast ? themeText : strongest;
    if (enabled) return text;
    const Rgb muted = Muted(text, background);
    return ContrastRatio(muted, background) >= kReadableContrast ? muted : text;
}

}  // namespace zembra::design
