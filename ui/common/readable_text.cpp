// SPDX-License-Identifier: MIT
#include "ui/common/readable_text.h"

#include <algorithm>
#include <cmath>

namespace zembra {

namespace {

// How far disabled text moves from the enabled colour toward the background:
// black on white becomes #595959, 7:1.
constexpr double kDisabledMix = 0.35;

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& color) {
    return 0.2126 * Linear(color.redF()) + 0.7152 * Linear(color.greenF()) +
           0.0722 * Linear(color.blueF());
}

int MixChannel(int from, int to) {
    return static_cast<int>(std::lround(from + (to - from) * kDisabledMix));
}

QColor Muted(const QColor& text, const QColor& background) {
    return QColor(MixChannel(text.red(), background.red()),
                  MixChannel(text.green(), background.green()),
                  MixChannel(text.blue(), background.blue()));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableTextColor(const QColor& background, const QColor& themeText, bool enabled) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor strongest =
        ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
    const QColor text =
        ContrastRatio(themeText, background) >= kReadableContrast ? themeText : strongest;
    if (enabled) return text;
    const QColor muted = Muted(text, background);
    return ContrastRatio(muted, background) >= kReadableContrast ? muted : text;
}

}  // namespace zembra
