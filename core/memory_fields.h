// SPDX-License-Identifier: MIT
// ConverterFields held in memory, with the same change rule as the window's
// text fields: a write that changes a text runs that field's reaction inside
// the write, a write of the same text runs nothing. The window model
// (ui/model/), tests, benchmarks and the fuzzer use it; AttachFieldReactions
// wires up the window's field reactions, so whole keystroke chains run
// without a toolkit. (The batch converter has a codec of its own in lists/.)
#pragma once

#include <functional>
#include <optional>

#include "core/conversion_mode.h"
#include "core/converter_fields.h"

namespace zembra {

class MemoryFields final : public ConverterFields {
public:
    MemoryFields() = default;
    // The reactions capture this object, so it must not be copied.
    MemoryFields(const MemoryFields&) = delete;
    MemoryFields& operator=(const MemoryFields&) = delete;

    // The window's start-up state in "Decimal to AFS" mode.
    Text decimalText = u"0";
    Text afsText = u"00-000";
    Text hexText = u"0";
    BackColor decimalBackColor = kValidColor;
    // None until the encoder paints it: the field shows the toolkit's own
    // background at start-up.
    std::optional<BackColor> afsBackColor;
    bool decimalToAfsChecked = true;
    bool afsToDecimalChecked = false;

    std::function<void()> onDecimalChange;
    std::function<void()> onAfsChange;

    // The main window's reactions: the decimal field's change runs
    // ReactToDecimalChange, the AFS field's change ReactToAfsChange, whose
    // colour is then stored in decimalBackColor.
    void AttachFieldReactions();

    // Selects a mode by its check marks (no layout here, nothing else moves).
    void SetDecimalToAfs(bool on);
    // A choice in the Action menu: flips the marks as the window does.
    void ToggleMode();

    Text GetDecimalText() const override;
    void SetDecimalText(TextView text) override;
    Text GetAfsText() const override;
    void SetAfsText(TextView text) override;
    void SetAfsBackColor(BackColor color) override;
    void SetHexText(TextView text) override;
    bool IsActionItemChecked(int index) const override;
};

}  // namespace zembra
