// SPDX-License-Identifier: MIT
// Line mode of the batch converter: one talk-group ID per input line, one
// output line per input line with the chosen texts joined by tabs. A line
// that names no ID is reported and written with its texts empty, so that
// output line N always belongs to input line N.
#pragma once

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
    void ConvertLine(std::string_view line, std::string_view source, long number);

    const TalkGroupTable& m_table;
    OutputBuffer& m_out;
    Diagnostics& m_diagnostics;
    std::vector<std::string> m_lines;  // the finished output line of each ID
    std::string m_refusedLine;
    std::vector<char> m_buffer;
};

}  // namespace zembra::cli
