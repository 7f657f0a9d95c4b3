// SPDX-License-Identifier: MIT
// Talk-group IDs as the batch converter reads and writes them: the strict
// reading of decimal, AFS and 0x-hexadecimal text, and the AFS form of fleet
// maps other than 4:4:3. The texts of all 2,048 IDs are built once through the
// conversion core, so that the core stays the source of every conversion and
// a line costs a table lookup.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra::cli {

inline constexpr int kIdCount = 2048;
inline constexpr int kIdBits = 11;

// The three texts of an ID, in the order a full line or row writes them.
enum class IdForm { Decimal, Afs, Hex };

// Bit counts of agency, fleet and subfleet, most significant first.
struct FleetSplit {
    int agencyBits = 4;
    int fleetBits = 4;
    int subfleetBits = 3;

    bool IsStandard() const;
    friend bool operator==(const FleetSplit&, const FleetSplit&) = default;
};

// "A:F:S", three counts of at least 1 that add up to 11.
std::optional<FleetSplit> ParseFleetSplit(std::string_view text);

// The AFS form as a pattern of its digits: "AA-FFS" for 4:4:3; for other
// splits every group has as many digits as its largest value needs and the
// groups are joined by "-" ("A-FF-SS" for 3:4:4).
std::string AfsPattern(const FleetSplit& split);

// The AFS text of an ID in that form, computed from the bit counts alone.
std::string FormatSplitAfs(int id, const FleetSplit& split);

class TalkGroupTable {
public:
    // Throws std::logic_error when the core's encoder and decoder disagree
    // about an ID, so that a wrong table is never used.
    explicit TalkGroupTable(const FleetSplit& split = {});

    // The ID a text names, with blanks and tabs around it ignored: a decimal
    // number 0 to 2047, the split's AFS form exactly, or "0x" and hexadecimal
    // digits. Anything else, the empty text included, names none.
    std::optional<int> Parse(std::string_view text) const;
    // The same for a text that is exactly the split's AFS form, no blanks.
    std::optional<int> ParseAfs(std::string_view text) const;

    const std::string& Decimal(int id) const { return m_decimal[Index(id)]; }
    const std::string& Afs(int id) const { return m_afs[Index(id)]; }
    const std::string& Hex(int id) const { return m_hex[Index(id)]; }
    const std::string& Text(int id, IdForm form) const;
    const std::string& Pattern() const { return m_pattern; }
    // What each character of the AFS form, read as a digit, adds to the ID;
    // 0 for a "-".
    const std::vector<int>& AfsWeights() const { return m_weights; }

private:
    static std::size_t Index(int id) { return static_cast<std::size_t>(id); }

    FleetSplit m_split;
    std::string m_pattern;
    std::vector<int> m_weights;
    std::array<std::string, kIdCount> m_decimal;
    std::array<std::string, kIdCount> m_afs;
    std::array<std::string, kIdCount> m_hex;
};

}  // namespace zembra::cli
