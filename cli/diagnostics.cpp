// SPDX-License-Identifier: MIT
#include "cli/diagnostics.h"

#include <algorithm>

namespace zembra::cli {

namespace {

constexpr std::size_t kShownCharacters = 40;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0:
// overlong forms, surrogates and values past U+10FFFF are not well formed.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

void AppendEscaped(std::string& out, unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4U];
    out += kHex[byte & 0xFU];
}

}  // namespace

std::string Printable(std::string_view text) {
    std::string out;
    std::size_t shown = 0;
    while (!text.empty()) {
        if (shown == kShownCharacters) {
            out += "...";
            break;
        }
        const auto lead = static_cast<unsigned char>(text[0]);
        const std::size_t length = SequenceLength(text);
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            AppendEscaped(out, lead);
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, length));
            text.remove_prefix(length);
        }
        ++shown;
    }
    return out;
}

void Diagnostics::NotAnId(std::string_view source, long line, std::string_view text) {
    Emit(std::string(source) + ":" + std::to_string(line) + ": '" + Printable(text) +
             "' is not a talk-group ID (0-2047 or " + m_pattern + ")",
         kExitRefused);
}

void Diagnostics::RefusedRow(std::string_view source, long line, std::string_view what) {
    Emit(std::string(source) + ":" + std::to_string(line) + ": " + std::string(what), kExitRefused);
}

void Diagnostics::Failed(std::string_view what) {
    Emit("zembra-convert: " + std::string(what), kExitFailed);
}

void Diagnostics::Emit(std::string message, int status) {
    m_status = std::max(m_status, status);
    message += '\n';
    try {
        m_sink.Write(message);
    } catch (const WriteError&) {
        // With standard error gone the exit status is the only report left.
    }
}

}  // namespace zembra::cli
