// SPDX-License-Identifier: MIT
// zembra-convert's command line: the options with CLI11, their help from the
// list library's vocabulary, and the conflicts between them, turned into a
// request to run or the text to answer with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lists/convert.h"

namespace zembra::cli {

struct Request {
    lists::Options options;
    std::vector<std::string> files;  // none: standard input
    std::string output;              // empty: standard output
    // The FILEs are decoder event logs; what was heard is written, merged
    // into the listing `merge` names when it is not empty.
    bool log = false;
    std::string merge;
    // The splits that fit the FILEs' listing, or logs, are ranked.
    bool fleetmaps = false;
};

// A request to run, or what to show instead: help and version on standard
// output with status 0, a usage error on standard error with status 2.
struct CommandLine {
    std::optional<Request> request;
    std::string answer;
    int status = 0;
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

}  // namespace zembra::cli
