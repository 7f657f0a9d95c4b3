// SPDX-License-Identifier: MIT
// The plain JavaScript values that the embind module hands the page: objects
// built from their members in order, arrays converted item by item, and
// rectangles in CSS pixels. design_bindings.cpp and
// converter_window_bindings.cpp build every object the page reads with these.
#pragma once

#include <emscripten/val.h>

#include <initializer_list>
#include <utility>

#include "ui/design/units.h"

namespace zembra::web {

using emscripten::val;

// The page lays out in CSS pixels, at the standard dots per inch.
inline int Pixels(int twips) { return TwipsToPixels(twips, kStandardDotsPerInch); }

// A font size in points as CSS pixels.
inline double FontPixels(double points) { return points * kStandardDotsPerInch / kPointsPerInch; }

// A plain object from its members, in order.
inline val Object(std::initializer_list<std::pair<const char*, val>> members) {
    val result = val::object();
    for (const auto& [name, value] : members) result.set(name, value);
    return result;
}

inline val PixelRect(const TwipsRect& rect) {
    return Object({{"left", val(Pixels(rect.left))},
                   {"top", val(Pixels(rect.top))},
                   {"width", val(Pixels(rect.width))},
                   {"height", val(Pixels(rect.height))}});
}

template <typename T>
val Array(const T& items, val (*convert)(const typename T::value_type&)) {
    val result = val::array();
    for (const auto& item : items) result.call<void>("push", convert(item));
    return result;
}

}  // namespace zembra::web
