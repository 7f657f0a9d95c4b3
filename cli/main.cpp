// SPDX-License-Identifier: MIT
// zembra-convert: converts whole lists of talk-group IDs from the command line.
#include <unistd.h>

#include "cli/convert_app.h"

int main(int argc, char** argv) {
    zembra::cli::FdSource in(STDIN_FILENO);
    zembra::cli::FdSink out(STDOUT_FILENO);
    zembra::cli::FdSink err(STDERR_FILENO);
    zembra::cli::Streams streams{in, out, err, ::isatty(STDOUT_FILENO) != 0};
    return zembra::cli::RunConvert(argc, argv, streams);
}
