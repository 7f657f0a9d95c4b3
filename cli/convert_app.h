// SPDX-License-Identifier: MIT
// The zembra-convert command: its options, its inputs in order, its exit
// status. main() only connects it to the process's standard streams, so that
// tests run whole commands in memory.
#pragma once

#include "cli/byte_stream.h"

namespace zembra::cli {

struct Streams {
    ByteSource& in;
    ByteSink& out;
    ByteSink& err;
    bool outIsTerminal = false;
};

// 0 when every ID converted, 1 when some were refused, 2 for a usage error,
// an unreadable input or a failed write.
int RunConvert(int argc, const char* const* argv, Streams& streams);

}  // namespace zembra::cli
