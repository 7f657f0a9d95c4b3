// SPDX-License-Identifier: MIT
#include "cli/talk_group.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "core/afs_codec.h"
#include "core/memory_fields.h"

namespace zembra::cli {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Stops as soon as the value leaves the ID range, so that no run of digits
// can overflow.
std::optional<int> ParseDigits(std::string_view digits, int base) {
    if (digits.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value >= kIdCount) {
            return std::nullopt;
        }
    }
    return value;
}

int DigitsFor(int bits) { return static_cast<int>(std::to_string((1 << bits) - 1).size()); }

std::string ZeroPadded(int value, int width) {
    std::string digits = std::to_string(value);
    return std::string(static_cast<std::size_t>(width) - digits.size(), '0') + digits;
}

// The core's texts are ASCII by construction; anything else would be a fault
// in the table, not in the input.
std::string Narrow(const Text& text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (const char16_t unit : text) {
        if (unit >= 0x80) {
            throw std::logic_error("conversion core wrote a non-ASCII text");
        }
        narrow.push_back(static_cast<char>(unit));
    }
    return narrow;
}

}  // namespace

bool FleetSplit::IsStandard() const { return *this == FleetSplit{}; }

std::optional<FleetSplit> ParseFleetSplit(std::string_view text) {
    std::array<int, 3> bits{};
    std::size_t group = 0;
    bool sawDigit = false;
    for (const char c : text) {
        if (c == ':' && sawDigit && group < 2) {
            ++group;
            sawDigit = false;
        } else if (IsDigit(c) && bits[group] < kIdBits) {
            bits[group] = bits[group] * 10 + (c - '0');
            sawDigit = true;
        } else {
            return std::nullopt;
        }
    }
    if (group != 2 || !sawDigit || bits[0] + bits[1] + bits[2] != kIdBits || bits[0] < 1 ||
        bits[1] < 1 || bits[2] < 1) {
        return std::nullopt;
    }
    return FleetSplit{bits[0], bits[1], bits[2]};
}

std::string AfsPattern(const FleetSplit& split) {
    const std::string agency(static_cast<std::size_t>(DigitsFor(split.agencyBits)), 'A');
    const std::string fleet(static_cast<std::size_t>(DigitsFor(split.fleetBits)), 'F');
    const std::string subfleet(static_cast<std::size_t>(DigitsFor(split.subfleetBits)), 'S');
    return agency + "-" + fleet + (split.IsStandard() ? "" : "-") + subfleet;
}

std::string FormatSplitAfs(int id, const FleetSplit& split) {
    const int agency = id >> (split.fleetBits + split.subfleetBits);
    const int fleet = (id >> split.subfleetBits) & ((1 << split.fleetBits) - 1);
    const int subfleet = id & ((1 << split.subfleetBits) - 1);
    return ZeroPadded(agency, DigitsFor(split.agencyBits)) + "-" +
           ZeroPadded(fleet, DigitsFor(split.fleetBits)) + (split.IsStandard() ? "" : "-") +
           ZeroPadded(subfleet, DigitsFor(split.subfleetBits));
}

TalkGroupTable::TalkGroupTable(const FleetSplit& split)
    : m_split(split), m_pattern(AfsPattern(split)) {
    // A digit's weight is its place value times its group's place in the ID.
    int place = 1;
    for (std::size_t i = m_pattern.size(); i-- > 0;) {
        const char group = m_pattern[i];
        if (group == '-') {
            m_weights.insert(m_weights.begin(), 0);
            continue;
        }
        const int shift = group == 'S'   ? 0
                          : group == 'F' ? split.subfleetBits
                                         : split.fleetBits + split.subfleetBits;
        if (i + 1 == m_pattern.size() || m_pattern[i + 1] != group) {
            place = 1;
        }
        m_weights.insert(m_weights.begin(), place << shift);
        place *= 10;
    }
    for (int id = 0; id < kIdCount; ++id) {
        MemoryFields encoder;
        encoder.decimalText = FormatDecimal(id);
        EncodeAfs(encoder);

        MemoryFields decoder;
        decoder.SetDecimalToAfs(false);
        decoder.decimalText.clear();
        decoder.afsText = encoder.afsText;
        DecodeAfs(decoder);

        if (encoder.afsBackColor != kValidColor || decoder.decimalText != encoder.decimalText) {
            throw std::logic_error("conversion core does not decode its own AFS text of " +
                                   std::to_string(id));
        }
        const auto index = Index(id);
        m_decimal[index] = Narrow(encoder.decimalText);
        m_afs[index] = split.IsStandard() ? Narrow(encoder.afsText) : FormatSplitAfs(id, split);
        m_hex[index] = Narrow(encoder.hexText);
    }
}

const std::string& TalkGroupTable::Text(int id, IdForm form) const {
    switch (form) {
        case IdForm::Decimal:
            return Decimal(id);
        case IdForm::Afs:
            return Afs(id);
        case IdForm::Hex:
            break;
    }
    return Hex(id);
}

std::optional<int> TalkGroupTable::Parse(std::string_view text) const {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseDigits(text.substr(2), 16);
    }
    if (std::all_of(text.begin(), text.end(), IsDigit)) {
        return ParseDigits(text, 10);
    }
    return ParseAfs(text);
}

// Sums the digits by their weights in the ID, then accepts the text only
// when it is exactly the table's text of that ID: that one comparison refuses
// out-of-range groups ('16-000', '00-008') and keeps the reading in step with
// the core.
std::optional<int> TalkGroupTable::ParseAfs(std::string_view text) const {
    if (text.size() != m_weights.size()) {
        return std::nullopt;
    }
    int id = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int weight = m_weights[i];
        if (weight == 0) {
            if (text[i] != '-') {
                return std::nullopt;
            }
            continue;
        }
        const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
        if (digit > 9) {
            return std::nullopt;
        }
        id += static_cast<int>(digit) * weight;
    }
    if (id >= kIdCount || std::memcmp(m_afs[Index(id)].data(), text.data(), text.size()) != 0) {
        return std::nullopt;
    }
    return id;
}

}  // namespace zembra::cli
