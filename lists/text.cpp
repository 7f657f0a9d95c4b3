// SPDX-License-Identifier: MIT
// The text rules that every list reader and message shares: blanks, UTF-8,
// padded numbers and escaping.
#include "lists/text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <utility>

namespace zembra::lists {

namespace {

// Blanks as pasted web tables carry them: space, tab, no-break space,
// zero-width space and a stray byte order mark.
constexpr std::array<std::string_view, 5> kBlanks = {" ", "\t", "\xC2\xA0", "\xE2\x80\x8B",
                                                     "\xEF\xBB\xBF"};

// Characters that a terminal shows as they are: no C0 or C1 control, DEL,
// invisible space, line or paragraph separator, and no bidirectional mark,
// embedding, override or isolate, which can hide or reorder what is shown.
bool Shown(char32_t c) {
    constexpr std::array<std::pair<char32_t, char32_t>, 8> kHidden = {{{0x00, 0x1F},
                                                                       {0x7F, 0xA0},
                                                                       {0x061C, 0x061C},
                                                                       {0x200B, 0x200B},
                                                                       {0x200E, 0x200F},
                                                                       {0x2028, 0x202E},
                                                                       {0x2066, 0x2069},
                                                                       {0xFEFF, 0xFEFF}}};
    return std::none_of(kHidden.begin(), kHidden.end(),
                        [c](auto range) { return c >= range.first && c <= range.second; });
}

char32_t Decoded(std::string_view character) {
    if (character.size() == 1) return static_cast<unsigned char>(character[0]);
    char32_t c = static_cast<unsigned char>(character[0]) & (0x7Fu >> character.size());
    for (const char next : character.substr(1)) {
        c = (c << 6) | (static_cast<unsigned char>(next) & 0x3Fu);
    }
    return c;
}

}  // namespace

void AppendPadded(std::string& out, int value, std::size_t width, int base) {
    char digits[8];
    const auto size = static_cast<std::size_t>(
        std::to_chars(digits, digits + sizeof digits, value, base).ptr - digits);
    out.append(width > size ? width - size : 0, '0').append(digits, size);
}

std::string_view TrimBlanks(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : kBlanks) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

std::size_t CharacterLength(std::string_view text) {
    assert(!text.empty());
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return 1;
    const auto length = static_cast<std::size_t>(std::countl_one(lead));
    if (length < 2 || length > 4 || length > text.size()) return 0;
    for (const char next : text.substr(1, length - 1)) {
        if ((static_cast<unsigned char>(next) & 0xC0u) != 0x80u) return 0;
    }
    constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
    const char32_t c = Decoded(text.substr(0, length));
    if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

std::string Printable(std::string_view text, std::size_t limit) {
    std::string out;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == limit) return out + "...";
        std::size_t length = CharacterLength(text);
        if (length > 0 && !Shown(Decoded(text.substr(0, length)))) length = 0;
        if (length > 0) {
            out.append(text.substr(0, length));
            text.remove_prefix(length);
            continue;
        }
        out += "\\x";
        AppendPadded(out, static_cast<unsigned char>(text[0]), 2, 16);
        text.remove_prefix(1);
    }
    return out;
}

std::string InMebibytes(std::size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

}  // namespace zembra::lists
