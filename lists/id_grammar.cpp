// SPDX-License-Identifier: MIT
// Reading and writing one talk-group ID: decimal, AFS under any split and
// hexadecimal, with a refusal that says what was wrong.
#include "lists/id_grammar.h"

#include <algorithm>

#include "core/text_rules.h"
#include "lists/text.h"

namespace zembra::lists {

namespace {

constexpr std::array<std::string_view, 3> kGroupNames = {"agency", "fleet", "subfleet"};
constexpr std::string_view kGroupLetters = "AFS";

int Digit(char c, int base) { return DigitValue(static_cast<unsigned char>(c), base); }

std::optional<int> ReadNumber(std::string_view digits, int base) {
    if (digits.empty()) return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        const int digit = Digit(c, base);
        if (digit < 0) return std::nullopt;
        // Capped at the count of 16-bit IDs, so that no run of digits overflows.
        value = std::min(value * base + digit, kExtendedIds);
    }
    return value;
}

std::size_t Width(int bits) {
    if (bits <= 3) return 1;
    if (bits <= 6) return 2;
    return 3;
}

// What stands before each group: 4:4:3 is written AA-FFS, other splits in
// the decoders' colon form A:FF:SS.
std::string_view Separator(const Split& split, std::size_t group) {
    if (group == 0) return "";
    if (split != Split{}) return ":";
    if (group == 1) return "-";
    return "";
}

using Groups = std::array<int, 3>;

struct GroupsRead {
    Groups values{};
    std::string_view rest;
};

// The first `count` groups of a text, with the separators before them.
std::optional<GroupsRead> ReadGroups(std::string_view text, const Split& split, std::size_t count) {
    GroupsRead read;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t width = Width(split.bits[i]);
        if (!text.starts_with(Separator(split, i))) return std::nullopt;
        text.remove_prefix(Separator(split, i).size());
        const auto value = ReadNumber(text.substr(0, width), 10);
        if (!value || text.size() < width) return std::nullopt;
        read.values[i] = *value;
        text.remove_prefix(width);
    }
    read.rest = text;
    return read;
}

IdReading Refusal(std::string_view text, std::string_view why) {
    return {std::nullopt, "'" + Printable(text) + "'" + std::string(why), std::nullopt};
}

std::string NotAnId(const Split& split, bool hexColumn, Addressing addressing) {
    const int highest = IdCount(addressing) - 1;
    std::string range = hexColumn ? "hexadecimal 0-" : "0-";
    AppendPadded(range, highest, 1, hexColumn ? 16 : 10);
    std::string hex = " or 0x0-0x";
    AppendId(hex, highest, IdForm::Hex, split, addressing);
    if (addressing == Addressing::Extended) {
        return " is not a talk-group ID (Extended Addressing: " + range + (hexColumn ? "" : hex) +
               ")";
    }
    if (hexColumn) return " is not a talk-group ID (" + range + ")";
    std::string pattern;
    for (std::size_t i = 0; i < 3; ++i) {
        pattern.append(Separator(split, i)).append(Width(split.bits[i]), kGroupLetters[i]);
    }
    return " is not a talk-group ID (" + range + ", " + pattern + hex + ")";
}

// An AFS text, whole or partial: partial IDs end in the first separator,
// as the scanners write wildcards ("09-" is an agency, "09-10-" a fleet).
std::optional<IdReading> ReadAfs(std::string_view text, std::string_view trimmed,
                                 const Split& split) {
    for (std::size_t count = 3; count >= 1; --count) {
        const auto groups = ReadGroups(trimmed, split, count);
        if (!groups || groups->rest != (count < 3 ? Separator(split, 1) : "")) continue;
        for (std::size_t i = 0; i < count; ++i) {
            const int limit = 1 << split.bits[i];
            if (groups->values[i] < limit) continue;
            return Refusal(text, " is not a talk-group ID: " + std::string(kGroupNames[i]) + " " +
                                     std::to_string(groups->values[i]) + " is beyond " +
                                     std::to_string(limit - 1));
        }
        const auto [agency, fleet, subfleet] = groups->values;
        const int low =
            agency << (split.bits[1] + split.bits[2]) | fleet << split.bits[2] | subfleet;
        if (count == 3) return IdReading{low, "", std::nullopt};
        const int size = 1 << (split.bits[2] + (count == 1 ? split.bits[1] : 0));
        IdReading partial =
            Refusal(text, " is a partial AFS ID (talk groups " + std::to_string(low) + "-" +
                              std::to_string(low + size - 1) + ")");
        partial.partial = IdRange{low, low + size - 1};
        return partial;
    }
    return std::nullopt;
}

std::optional<int> ReadNumberForm(std::string_view trimmed, bool hexColumn) {
    const bool prefixed =
        trimmed.size() > 2 && trimmed[0] == '0' && (trimmed[1] == 'x' || trimmed[1] == 'X');
    if (prefixed) return ReadNumber(trimmed.substr(2), 16);
    if (hexColumn) return ReadNumber(trimmed, 16);
    return ReadNumber(trimmed, 10);
}

}  // namespace

std::optional<Split> ParseSplit(std::string_view text) {
    const bool colons = text.size() == 5 && text[1] == ':' && text[3] == ':';
    if (!colons && text.size() != 3) return std::nullopt;
    Split split;
    for (std::size_t i = 0; i < 3; ++i) split.bits[i] = Digit(text[colons ? 2 * i : i], 10);
    const auto [a, f, s] = split.bits;
    if (a <= 0 || f <= 0 || s <= 0 || a + f + s != 11) return std::nullopt;
    return split;
}

IdReading ReadId(std::string_view text, const Split& split, bool hexColumn, Addressing addressing) {
    if (text.size() > kMaxIdBytes)
        return Refusal(text, " is longer than " + std::to_string(kMaxIdBytes) + " bytes");
    const std::string_view trimmed = TrimBlanks(text);
    const bool extended = addressing == Addressing::Extended;
    if (const auto number = ReadNumberForm(trimmed, hexColumn)) {
        if (*number < IdCount(addressing)) return {number, "", std::nullopt};
        if (*number < kExtendedIds) {
            return Refusal(text, " is above " + std::to_string(kStandardIds - 1) +
                                     ": an Extended Addressing ID has no AFS form");
        }
    }
    if (!hexColumn && !extended) {
        if (auto afs = ReadAfs(text, trimmed, split)) return std::move(*afs);
    }
    return Refusal(text, NotAnId(split, hexColumn, addressing));
}

void AppendId(std::string& out, int id, IdForm form, const Split& split, Addressing addressing) {
    if (form == IdForm::Decimal) return AppendPadded(out, id, 1, 10);
    if (form == IdForm::Hex) {
        const std::size_t start = out.size();
        AppendPadded(out, id, 1, 16);
        // Upper case, as the window writes it.
        for (std::size_t i = start; i < out.size(); ++i) {
            if (out[i] >= 'a') out[i] = static_cast<char>(out[i] - 'a' + 'A');
        }
        return;
    }
    if (addressing == Addressing::Extended || id >= kStandardIds) return;
    int shift = 11;
    for (std::size_t i = 0; i < 3; ++i) {
        shift -= split.bits[i];
        out += Separator(split, i);
        AppendPadded(out, (id >> shift) & ((1 << split.bits[i]) - 1), Width(split.bits[i]), 10);
    }
}

}  // namespace zembra::lists
