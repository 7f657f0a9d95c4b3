// SPDX-License-Identifier: MIT
// The batch converter's messages on standard error and the exit status they
// add up to: 0 when every ID converted, 1 when some were refused, 2 when a
// file could not be read or the command line was wrong.
#pragma once

#include <string>
#include <string_view>

#include "cli/byte_stream.h"

namespace zembra::cli {

inline constexpr int kExitConverted = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitFailed = 2;

class Diagnostics {
public:
    // `pattern` is the AFS form named in refusals ("AA-FFS").
    Diagnostics(ByteSink& sink, std::string pattern)
        : m_sink(sink), m_pattern(std::move(pattern)) {}

    // "talk.csv:17: '16-000' is not a talk-group ID (0-2047 or AA-FFS)"
    void NotAnId(std::string_view source, long line, std::string_view text);
    // "talk.csv:17: <what>": a row refused for another reason.
    void RefusedRow(std::string_view source, long line, std::string_view what);
    // "zembra-convert: <what>": a file or the whole run failed.
    void Failed(std::string_view what);

    int ExitStatus() const { return m_status; }

private:
    void Emit(std::string message, int status);

    ByteSink& m_sink;
    std::string m_pattern;
    int m_status = kExitConverted;
};

// A text as a message quotes it: valid UTF-8 kept, control characters,
// invalid bytes and NULs as \xHH, cut after 40 characters with "...".
std::string Printable(std::string_view text);

}  // namespace zembra::cli
