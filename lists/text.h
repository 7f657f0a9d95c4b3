// SPDX-License-Identifier: MIT
// The text rules that every list reader and message shares: blanks around a
// field, UTF-8 characters, padded numbers, and quoting a text in a message.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace zembra::lists {

// Appends a non-negative `value` in `base`, lower case, with leading zeros
// up to `width` digits.
void AppendPadded(std::string& out, int value, std::size_t width, int base);

// A short text that can be built at compile time, for the constant tables
// whose words name a limit.
struct ShortText {
    std::array<char, 64> chars{};
    std::size_t size = 0;

    constexpr ShortText& operator+=(std::string_view text) {
        for (const char c : text) chars.at(size++) = c;
        return *this;
    }
    constexpr std::string_view View() const { return {chars.data(), size}; }
    std::string String() const { return std::string(View()); }
};

// A non-negative number in decimal, thousands apart ("1,023") when grouped.
constexpr ShortText Digits(int value, bool grouped) {
    std::array<char, 16> reversed{};
    std::size_t digits = 0;
    for (int written = 0; written == 0 || value > 0; ++written, value /= 10) {
        if (grouped && written > 0 && written % 3 == 0) reversed.at(digits++) = ',';
        reversed.at(digits++) = static_cast<char>('0' + value % 10);
    }
    ShortText text;
    while (digits > 0) text += std::string_view(&reversed.at(--digits), 1);
    return text;
}

// A number as messages write it, thousands apart: "1,023".
constexpr ShortText WithThousands(int value) { return Digits(value, true); }

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
