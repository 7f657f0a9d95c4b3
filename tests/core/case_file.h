// SPDX-License-Identifier: MIT
// Test cases kept as data, read by the tests' own small runners: a file of
// rows, one a line, each field a "quoted text" (with \", \\, \t, \n and
// \uXXXX, so that blanks at the ends, tabs and any UTF-16 unit stay visible)
// or a bare word such as 12.5, - or red. Blank lines and lines that start
// with # are skipped.
#pragma once

#include <string>
#include <vector>

namespace zembra::tests {

struct CaseRow {
    std::string where;  // file:line, as a compiler names it
    std::vector<std::u16string> fields;
};

// The rows of the file, each of `fields` fields. A file that cannot be read,
// holds no row or a malformed one fails the test that reads it.
std::vector<CaseRow> ReadCases(const std::string& path, std::size_t fields);

// A bare word as a number (inf and nan included), whatever the locale.
double ToNumber(const std::u16string& word);

}  // namespace zembra::tests
