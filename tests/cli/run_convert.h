// SPDX-License-Identifier: MIT
// Runs a whole zembra-convert command in memory: arguments, standard input
// handed out in pieces of a chosen size, and what it wrote and returned.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "cli/convert_app.h"

namespace zembra::cli::test {

struct Result {
    std::string out;
    std::string err;
    int status = -1;
};

inline Result RunWith(std::vector<std::string> args, std::string in = {},
                      std::size_t piece = std::string::npos) {
    args.insert(args.begin(), "zembra-convert");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    StringSource source(std::move(in), piece);
    StringSink out;
    StringSink err;
    Streams streams{source, out, err};
    Result result;
    result.status = RunConvert(static_cast<int>(argv.size()), argv.data(), streams);
    result.out = out.text;
    result.err = err.text;
    return result;
}

// A case's name with every character that GoogleTest does not allow as "_".
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& param) {
    std::string name = param.param.name;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return std::isalnum(c) == 0; }, '_');
    return name;
}

}  // namespace zembra::cli::test
