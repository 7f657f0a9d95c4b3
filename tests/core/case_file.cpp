// SPDX-License-Identifier: MIT
// The reader of the tests' case files (case_file.h).
#include "tests/core/case_file.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <optional>

namespace zembra::tests {
namespace {

char16_t Unescaped(char c) {
    if (c == 't') return u'\t';
    if (c == 'n') return u'\n';
    return static_cast<char16_t>(c);
}

// The fields of one line, or none when a quote or an escape is broken.
std::optional<std::vector<std::u16string>> SplitFields(const std::string& line) {
    std::vector<std::u16string> fields;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(' ', at)) != std::string::npos) {
        std::u16string field;
        if (line[at] != '"') {
            const std::size_t end = std::min(line.find(' ', at), line.size());
            const std::string word = line.substr(at, end - at);
            fields.emplace_back(word.begin(), word.end());
            at = end;
            continue;
        }
        for (++at; at < line.size() && line[at] != '"'; ++at) {
            if (line[at] != '\\') {
                field += static_cast<char16_t>(static_cast<unsigned char>(line[at]));
            } else if (++at < line.size() && line[at] == 'u' && at + 4 < line.size()) {
                field += static_cast<char16_t>(std::stoi(line.substr(at + 1, 4), nullptr, 16));
                at += 4;
            } else if (at < line.size()) {
                field += Unescaped(line[at]);
            }
        }
        if (at++ >= line.size()) return std::nullopt;
        fields.push_back(field);
    }
    return fields;
}

}  // namespace

std::vector<CaseRow> ReadCases(const std::string& path, std::size_t fields) {
    std::ifstream file(path);
    std::vector<CaseRow> rows;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const std::string where = path + ":" + std::to_string(number);
        const auto split = SplitFields(line);
        if (!split || split->size() != fields) {
            ADD_FAILURE() << where << ": expected " << fields << " fields";
            continue;
        }
        rows.push_back({where, *split});
    }
    if (rows.empty()) ADD_FAILURE() << path << ": no cases read";
    return rows;
}

double ToNumber(const std::u16string& word) {
    const std::string narrow(word.begin(), word.end());
    double value = 0;
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    EXPECT_TRUE(error == std::errc() && end == narrow.data() + narrow.size()) << narrow;
    return value;
}

}  // namespace zembra::tests
