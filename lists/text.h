// SPDX-License-Identifier: MIT
// The text rules that every list reader and message shares: blanks around a
// field, UTF-8 characters, padded numbers, and quoting a text in a message.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace zembra::lists {

// Appends a non-negative `value` in `base`, lower case, with leading zeros
// up to `width` digits.
void AppendPadded(std::string& out, int value, std::size_t width, int base);

// A non-negative number as messages write it, thousands apart: "1,023".
std::string WithThousands(int value);

// A byte count of whole mebibytes as messages write it: "1 MiB".
std::string InMebibytes(std::size_t bytes);

// Blanks, tabs, and the no-break, zero-width and byte-order-mark spaces that
// pasted web tables carry, cut off both ends.
std::string_view TrimBlanks(std::string_view text);

// A text as a message quotes it: what may not be shown as it is (controls,
// malformed UTF-8, invisible and bidirectional characters) as \xHH, cut
// after `limit` characters with "..." (file names are never cut: kWhole).
inline constexpr std::size_t kWhole = std::numeric_limits<std::size_t>::max();
std::string Printable(std::string_view text, std::size_t limit = 40);

// The bytes of the well-formed UTF-8 character that starts a text, 1 to 4;
// 0 when its first byte starts none.
std::size_t CharacterLength(std::string_view text);

}  // namespace zembra::lists
