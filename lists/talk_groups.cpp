// SPDX-License-Identifier: MIT
#include "lists/talk_groups.h"

#include <algorithm>
#include <charconv>

#include "core/text_rules.h"

namespace zembra::lists {

namespace {

// Numbers are read only as far as this, so that no run of digits overflows;
// below it lie the 16-bit IDs of Extended Addressing systems.
constexpr int kExtendedCount = 65536;
constexpr std::array<const char*, 3> kGroupNames = {"agency", "fleet", "subfleet"};

int Digit(char c, int base) { return DigitValue(static_cast<unsigned char>(c), base); }

std::optional<int> ReadNumber(std::string_view digits, int base) {
    if (digits.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        const int digit = Digit(c, base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = std::min(value * base + digit, kExtendedCount);
    }
    return value;
}

// Decimal digits, or hexadecimal after "0x" or "0X" (in a Hex column the
// prefix may be left out).
std::optional<int> ReadAnyNumber(std::string_view text, IdColumn column) {
    const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (prefixed || column == IdColumn::Hex) {
        return ReadNumber(text.substr(prefixed ? 2 : 0), 16);
    }
    return ReadNumber(text, 10);
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void AppendPadded(std::string& out, int value, std::size_t width, int base = 10) {
    char digits[8];
    const auto size = static_cast<std::size_t>(
        std::to_chars(digits, digits + sizeof digits, value, base).ptr - digits);
    out.append(width > size ? width - size : 0, '0').append(digits, size);
}

}  // namespace

std::optional<Split> ParseSplit(std::string_view text) {
    const bool colons = text.size() == 5 && text[1] == ':' && text[3] == ':';
    if (!colons && text.size() != 3) {
        return std::nullopt;
    }
    Split split;
    for (std::size_t i = 0; i < 3; ++i) {
        split.bits[i] = Digit(text[colons ? 2 * i : i], 10);
        if (split.bits[i] < 1) {
            return std::nullopt;
        }
    }
    if (split.bits[0] + split.bits[1] + split.bits[2] != 11) {
        return std::nullopt;
    }
    return split;
}

TalkGroups::TalkGroups(Split split) : m_split(split) {
    const bool standard = split == Split{};
    m_separators = standard ? std::array<char, 2>{'-', '\0'} : std::array<char, 2>{':', ':'};
    for (std::size_t i = 0; i < 3; ++i) {
        m_widths[i] = split.bits[i] <= 3 ? 1 : split.bits[i] <= 6 ? 2 : 3;
        if (i > 0 && m_separators[i - 1] != '\0') {
            m_pattern += m_separators[i - 1];
        }
        m_pattern.append(m_widths[i], "AFS"[i]);
    }
}

std::optional<TalkGroups::Groups> TalkGroups::ReadGroups(std::string_view& text,
                                                         std::size_t count) const {
    Groups groups{};
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && m_separators[i - 1] != '\0') {
            if (!text.starts_with(m_separators[i - 1])) {
                return std::nullopt;
            }
            text.remove_prefix(1);
        }
        const auto value = ReadNumber(text.substr(0, m_widths[i]), 10);
        if (!value || text.size() < m_widths[i]) {
            return std::nullopt;
        }
        groups[i] = *value;
        text.remove_prefix(m_widths[i]);
    }
    return groups;
}

int TalkGroups::Compose(const Groups& groups) const {
    return (groups[0] << (m_split.bits[1] + m_split.bits[2])) | (groups[1] << m_split.bits[2]) |
           groups[2];
}

std::optional<int> TalkGroups::Read(std::string_view text, IdColumn column) const {
    text = TrimBlanks(text);
    if (const auto number = ReadAnyNumber(text, column)) {
        return *number < kIdCount ? number : std::nullopt;
    }
    if (column == IdColumn::Hex) {
        return std::nullopt;
    }
    const auto groups = ReadGroups(text, 3);
    if (!groups || !text.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if ((*groups)[i] >= 1 << m_split.bits[i]) {
            return std::nullopt;
        }
    }
    return Compose(*groups);
}

// Partial IDs end in the first separator: "09-" is an agency, "09-10-" a
// fleet (the scanners' wildcards), "4:" and "4:13:" the same in colon form.
std::string TalkGroups::Refusal(std::string_view text, IdColumn column) const {
    const std::string quoted = "'" + Printable(text) + "'";
    text = TrimBlanks(text);
    if (const auto number = ReadAnyNumber(text, column); number && *number < kExtendedCount) {
        return quoted + " is above 2047: an Extended Addressing ID has no AFS form";
    }
    for (std::size_t count = 3; count >= 1 && column != IdColumn::Hex; --count) {
        std::string_view rest = text;
        const auto groups = ReadGroups(rest, count);
        if (!groups || rest != std::string_view(&m_separators[0], count < 3 ? 1 : 0)) {
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const int limit = (1 << m_split.bits[i]) - 1;
            if ((*groups)[i] > limit) {
                return quoted + " is not a talk-group ID: " + kGroupNames[i] + " " +
                       std::to_string((*groups)[i]) + " is beyond " + std::to_string(limit);
            }
        }
        const int low = Compose(*groups);
        const int high =
            low + (1 << (count == 1 ? m_split.bits[1] + m_split.bits[2] : m_split.bits[2])) - 1;
        return quoted + " is a partial AFS ID (talk groups " + std::to_string(low) + "-" +
               std::to_string(high) + ")";
    }
    return quoted + " is not a talk-group ID (" +
           (column == IdColumn::Hex ? "hexadecimal 0-7ff"
                                    : "0-2047, " + m_pattern + " or 0x0-0x7FF") +
           ")";
}

void TalkGroups::AppendText(std::string& out, int id, IdForm form) const {
    if (form == IdForm::Decimal) {
        AppendPadded(out, id, 1);
        return;
    }
    if (form == IdForm::Hex) {
        const std::size_t start = out.size();
        AppendPadded(out, id, 1, 16);
        std::transform(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
                       out.begin() + static_cast<std::ptrdiff_t>(start),
                       [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
        return;
    }
    int shift = 11;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0 && m_separators[i - 1] != '\0') {
            out += m_separators[i - 1];
        }
        shift -= m_split.bits[i];
        AppendPadded(out, (id >> shift) & ((1 << m_split.bits[i]) - 1), m_widths[i]);
    }
}

namespace {

// The code point of the well-formed UTF-8 sequence at the start of a text,
// and its length; length 0 when it is not well formed.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || text.size() < length) {
        return {0, 0};
    }
    char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return {0, 0};
        }
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {0, 0};
    }
    return {code, length};
}

// C0 and C1 controls, DEL, the line and paragraph separators and the
// bidirectional marks, embeddings, overrides and isolates: all of them can
// move or hide what a terminal shows.
bool IsShown(char32_t c) {
    return c >= 0x20 && !(c >= 0x7F && c <= 0x9F) && c != 0x061C && c != 0x200E && c != 0x200F &&
           !(c >= 0x2028 && c <= 0x202E) && !(c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string Printable(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string out;
    for (std::size_t shown = 0; !text.empty(); ++shown) {
        if (shown == kShown) {
            return out + "...";
        }
        const auto [code, length] = DecodeUtf8(text);
        const std::size_t used = std::max<std::size_t>(length, 1);
        if (length > 0 && IsShown(code)) {
            out.append(text.substr(0, used));
        } else {
            for (const char c : text.substr(0, used)) {
                out += "\\x";
                AppendPadded(out, static_cast<unsigned char>(c), 2, 16);
            }
        }
        text.remove_prefix(used);
    }
    return out;
}

}  // namespace zembra::lists
