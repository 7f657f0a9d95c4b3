// SPDX-License-Identifier: MIT
#include "core/memory_fields.h"

#include "core/afs_codec.h"

namespace zembra {

void MemoryFields::AttachFieldReactions() {
    onDecimalChange = [this] { ReactToDecimalChange(*this); };
    onAfsChange = [this] { decimalBackColor = ReactToAfsChange(*this); };
}

void MemoryFields::SetDecimalToAfs(bool on) {
    decimalToAfsChecked = on;
    afsToDecimalChecked = !on;
}

void MemoryFields::ToggleMode() {
    const ActionMarks marks = Toggled({decimalToAfsChecked, afsToDecimalChecked});
    decimalToAfsChecked = marks.decimalToAfs;
    afsToDecimalChecked = marks.afsToDecimal;
}

Text MemoryFields::GetDecimalText() const { return decimalText; }

void MemoryFields::SetDecimalText(TextView text) {
    if (TextEquals(text, decimalText)) {
        return;
    }
    decimalText = text;
    if (onDecimalChange) {
        onDecimalChange();
    }
}

Text MemoryFields::GetAfsText() const { return afsText; }

void MemoryFields::SetAfsText(TextView text) {
    if (TextEquals(text, afsText)) {
        return;
    }
    afsText = text;
    if (onAfsChange) {
        onAfsChange();
    }
}

void MemoryFields::SetAfsBackColor(BackColor color) { afsBackColor = color; }

void MemoryFields::SetHexText(TextView text) { hexText = text; }

bool MemoryFields::IsActionItemChecked(int index) const {
    return index == kDecimalToAfsItem ? decimalToAfsChecked : afsToDecimalChecked;
}

}  // namespace zembra
