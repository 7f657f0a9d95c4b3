// SPDX-License-Identifier: MIT
// Line mode of the batch converter: one talk-group ID per input line, one
// output line per input line with the chosen texts joined by tabs. A line
// that names no ID is reported and written with its texts empty, so that
// output line N always belongs to input line N.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/byte_stream.h"
#include "cli/diagnostics.h"
#include "cli/talk_group.h"

namespace zembra::cli {

// Longer lines are refused without being held in memory whole.
inline constexpr std::size_t kMaxLineBytes = 4096;

class LineConverter {
public:
    LineConverter(const TalkGroupTable& table, const std::vector<IdForm>& forms, OutputBuffer& out,
                  Diagnostics& diagnostics);

    // Converts one input to its end; `source` names it in messages.
    void Convert(ByteSource& in, std::string_view source);

private:
    // Every output line fits a slot, so that it is copied at a fixed size.
    static constexpr std::size_t kSlotBytes = 32;
    static constexpr std::size_t kBatchLines = 1024;
    // Plain lines of up to 7 bytes are read as one word: the line's bytes,
    // the length in the top byte.
    static constexpr std::size_t kWordText = 7;
    using Weights = std::array<int, kWordText>;

    static std::uint64_t Key(std::string_view text);
    int PlainLineId(const char* position, std::size_t available, std::size_t& consumed) const;
    const char* ConvertLines(const char* position, const char* end, std::string_view source,
                             long& number);
    void ConvertLine(std::string_view line, std::string_view source, long number);

    const TalkGroupTable& m_table;
    OutputBuffer& m_out;
    Diagnostics& m_diagnostics;
    std::vector<char> m_slots;  // the finished output line of each ID
    std::array<std::uint8_t, kIdCount> m_lengths{};
    std::string m_refusedLine;
    std::array<std::uint64_t, kIdCount> m_decimalKeys{};
    std::array<std::uint64_t, kIdCount> m_afsKeys{};
    std::array<Weights, kWordText + 1> m_decimalWeights{};  // by the length of the text
    Weights m_afsWeights{};
    std::size_t m_afsDash;  // where the first "-" stands
    std::vector<char> m_buffer;
};

}  // namespace zembra::cli
