// SPDX-License-Identifier: MIT
// The two conversions between decimal and AFS text (agency-fleet-subfleet,
// 4, 4 and 3 bits of an 11-bit talk-group ID), the group code tables, and
// the change reactions of the two entry fields. All of them work only
// through ConverterFields, in a fixed order of field operations.
#pragma once

#include <array>
#include <string_view>

#include "core/converter_fields.h"

namespace zembra {

struct GroupCode {
    std::u16string_view bits;
    std::u16string_view digits;
};

// Row k pairs the bit text of k with its decimal text, leading zero included.
extern const std::array<GroupCode, 16> AgencyFleetCodes;
extern const std::array<GroupCode, 8> SubfleetCodes;

// Decimal field -> AFS field (with its colour) and hexadecimal echo.
void EncodeAfs(ConverterFields& fields);

// AFS field -> decimal field and hexadecimal echo.
void DecodeAfs(ConverterFields& fields);

// The decimal field's change reaction: encode while "Decimal to AFS" is
// checked, decode otherwise.
void ReactToDecimalChange(ConverterFields& fields);

// The AFS field's change reaction: checks the AFS text, decodes it when it is
// accepted in "AFS to Decimal" mode, and gives the colour the decimal field
// must be painted with once the reaction ends.
BackColor ReactToAfsChange(ConverterFields& fields);

}  // namespace zembra
