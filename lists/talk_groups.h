// SPDX-License-Identifier: MIT
// Talk-group IDs as lists write them: reading decimal, AFS and hexadecimal
// text, explaining why a text names no talk group, and writing the three
// forms under any fleet map.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zembra::lists {

inline constexpr int kIdCount = 2048;

enum class IdForm { Decimal, Afs, Hex };

// How a column's texts are read: a Hex column holds bare hexadecimal digits
// ("24a"), any other column decimal, AFS or 0x-hexadecimal text.
enum class IdColumn { Any, Hex };

// Bit counts of agency, fleet and subfleet, most significant first.
struct Split {
    std::array<int, 3> bits = {4, 4, 3};
    friend bool operator==(const Split&, const Split&) = default;
};

// "3:4:4" or "344": three counts of at least 1 that add up to 11.
std::optional<Split> ParseSplit(std::string_view text);

class TalkGroups {
public:
    // 4:4:3 is written AA-FFS; other splits in the decoders' colon form,
    // each group with 1 digit up to 3 bits, 2 up to 6, 3 above (4:13:02).
    explicit TalkGroups(Split split = {});

    // The ID a text names, blanks and tabs around it ignored.
    std::optional<int> Read(std::string_view text, IdColumn column = IdColumn::Any) const;
    // Why a text that Read refuses names no ID, the text quoted first.
    std::string Refusal(std::string_view text, IdColumn column = IdColumn::Any) const;

    void AppendText(std::string& out, int id, IdForm form) const;
    std::string Text(int id, IdForm form) const {
        std::string text;
        AppendText(text, id, form);
        return text;
    }
    // The AFS form as letters: "AA-FFS", "A:FF:SS".
    const std::string& Pattern() const { return m_pattern; }

private:
    using Groups = std::array<int, 3>;
    // Reads `count` groups and the separators between them off the front.
    std::optional<Groups> ReadGroups(std::string_view& text, std::size_t count) const;
    int Compose(const Groups& groups) const;

    Split m_split;
    std::array<std::size_t, 3> m_widths{};
    std::array<char, 2> m_separators{};  // '\0' for none
    std::string m_pattern;
};

// A text as a message quotes it: valid UTF-8 kept; control characters,
// bidirectional controls, invalid bytes and NULs as \xHH; cut after 40
// characters with "...".
std::string Printable(std::string_view text);

}  // namespace zembra::lists
