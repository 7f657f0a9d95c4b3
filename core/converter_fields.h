// SPDX-License-Identifier: MIT
// The field operations through which the encoder and the decoder reach the
// decimal, AFS and hexadecimal fields and the Action menu's check marks.
// MemoryFields serves them from memory, for the window model that every
// front end renders, and for tests, benchmarks and the fuzzer.
//
// Contract: SetDecimalText and SetAfsText run that field's change reaction,
// to its end, inside the call when the text changes, and none when the new
// text equals the old. The converters' nested chains end only by this rule.
#pragma once

#include <cstdint>

#include "core/text_rules.h"

namespace zembra {

// Background colours as 0x00BBGGRR values.
using BackColor = std::uint32_t;
inline constexpr BackColor kValidColor = 0xFFFFFF;    // white
inline constexpr BackColor kInvalidColor = 0x0000FF;  // red

struct Rgb {
    unsigned red;
    unsigned green;
    unsigned blue;
};

// The one reading of 0x00BBGGRR: red in the lowest byte.
constexpr Rgb ToRgb(BackColor color) {
    return {color & 0xFFu, (color >> 8) & 0xFFu, (color >> 16) & 0xFFu};
}

// Indexes of the two Action menu items.
inline constexpr int kDecimalToAfsItem = 1;
inline constexpr int kAfsToDecimalItem = 2;

class ConverterFields {
public:
    virtual ~ConverterFields() = default;

    virtual Text GetDecimalText() const = 0;
    virtual void SetDecimalText(TextView text) = 0;
    virtual Text GetAfsText() const = 0;
    virtual void SetAfsText(TextView text) = 0;
    virtual void SetAfsBackColor(BackColor color) = 0;
    virtual void SetHexText(TextView text) = 0;
    virtual bool IsActionItemChecked(int index) const = 0;

protected:
    ConverterFields() = default;
    ConverterFields(const ConverterFields&) = default;
    ConverterFields& operator=(const ConverterFields&) = default;
};

}  // namespace zembra
