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

Text MemoryFields::GetDecimalText() const {
    Record(Op::GetDecimalText);
    return decimalText;
}

void MemoryFields::SetDecimalText(TextView text) {
    Record(Op::SetDecimalText);
    if (TextEquals(text, decimalText)) {
        return;
    }
    decimalText = text;
    if (onDecimalChange) {
        onDecimalChange();
    }
}

Text MemoryFields::GetAfsText() const {
    Record(Op::GetAfsText);
    return afsText;
}

void MemoryFields::SetAfsText(TextView text) {
    Record(Op::SetAfsText);
    if (TextEquals(text, afsText)) {
        return;
    }
    afsText = text;
    if (onAfsChange) {
        onAfsChange();
    }
}

void MemoryFields::SetAfsBackColor(BackColor color) {
    Record(Op::SetAfsBackColor);
    afsBackColor = color;
}

void MemoryFields::SetHexText(TextView text) {
    Record(Op::SetHexText);
    hexText = text;
}

bool MemoryFields::IsActionItemChecked(int index) const {
    Record(Op::IsActionItemChecked);
    return index == kDecimalToAfsItem ? decimalToAfsChecked : afsToDecimalChecked;
}

void MemoryFields::Record(Op op) const {
    if (log != nullptr) {
        log->push_back(op);
    }
}

}  // namespace zembra
