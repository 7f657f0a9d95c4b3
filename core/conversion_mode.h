// SPDX-License-Identifier: MIT
// ConversionMode as the Action menu's two check marks hold it, and
// ToggleMode's flip of them. The in-memory fields flip their marks by this
// one rule, and so the window model that every front end renders; the window
// design gives each mode its layout.
#pragma once

namespace zembra {

struct ActionMarks {
    bool decimalToAfs;  // item 1
    bool afsToDecimal;  // item 2
};

// The marks ToggleMode writes, item 1 first. It decides from item 1 alone,
// so an unchecked item 1 always leads to "Decimal to AFS", whatever item 2
// shows; the new mode is then read back from item 1.
constexpr ActionMarks Toggled(ActionMarks marks) {
    return {!marks.decimalToAfs, marks.decimalToAfs};
}

}  // namespace zembra
