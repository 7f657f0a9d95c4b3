// SPDX-License-Identifier: MIT
// Text and number rules of the conversion core: locale-free parsing and
// formatting on 16-bit texts, positions counted from 1. The encoder, the
// decoder and the window's field checks all read and write through these.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zembra {

using Text = std::u16string;
using TextView = std::u16string_view;

// The number at the start of a text; 0 when it holds none. Blanks, tabs and
// line feeds are ignored anywhere; "&H"/"&O" prefixes read hexadecimal/octal.
double ParseNumber(TextView text);

// Whether a code unit is one of the ASCII digits 0-9.
inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The value of an ASCII digit or letter (A-F in either case) in the given
// base up to 16; -1 when it is no digit of that base. Inline, as the batch
// converter reads every character of its lists through it.
inline int DigitValue(char16_t c, int base) {
    int v = -1;
    if (IsDigit(c)) {
        v = c - u'0';
    } else if (c >= u'A' && c <= u'F') {
        v = c - u'A' + 10;
    } else if (c >= u'a' && c <= u'f') {
        v = c - u'a' + 10;
    }
    return v < base ? v : -1;
}

// Without leading and trailing U+0020 (tabs stay).
Text TrimSpaces(TextView text);

Text LeftChars(TextView text, std::size_t count);
Text MidChars(TextView text, std::size_t start, std::size_t count);
Text RightChars(TextView text, std::size_t count);

// Upper-case hexadecimal of the nearest whole number (ties to even), negative
// numbers as eight-digit 32-bit two's complement. No result outside the
// signed 32-bit range (or for NaN).
std::optional<Text> FormatHex(double value);

// Decimal digits of a total of 0 to 2047; the empty text for no value.
Text FormatDecimal(std::optional<int> total);

// Exact comparison: same length, same code units.
inline bool TextEquals(TextView a, TextView b) { return a == b; }

}  // namespace zembra
