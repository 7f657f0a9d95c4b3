// SPDX-License-Identifier: MIT
// The text and number rules: what a user's odd input reads as, and the
// hexadecimal echo. The cases are in testdata/.
#include "core/text_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/core/case_file.h"

namespace zembra {
namespace {

using tests::CaseRow;
using tests::ReadCases;
using tests::ToNumber;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ParseNumber, ReadsTheCasesOfItsFile) {
    for (const CaseRow& row : ReadCases(ZEMBRA_CORE_CASES "/parse_number.txt", 2)) {
        SCOPED_TRACE(row.where);
        const double read = ParseNumber(row.fields[0]);
        EXPECT_EQ(read, ToNumber(row.fields[1]));
        EXPECT_EQ(std::signbit(read), std::signbit(ToNumber(row.fields[1])));
    }
}

TEST(ParseNumber, VeryLongTextsStayFiniteOrInfinite) {
    EXPECT_EQ(ParseNumber(Text(32767, u'9')), kInf);
    EXPECT_EQ(ParseNumber(u"1e" + Text(5000, u'9')), kInf);
    EXPECT_EQ(ParseNumber(u"0." + Text(5000, u'0') + u"1e5000"), 1e-1);
    EXPECT_EQ(ParseNumber(u"&H" + Text(1000, u'F')), kInf);
    EXPECT_EQ(ParseNumber(Text(32000, u' ') + u"42"), 42);
}

TEST(FormatHex, EchoesTheCasesOfItsFile) {
    for (const CaseRow& row : ReadCases(ZEMBRA_CORE_CASES "/format_hex.txt", 2)) {
        SCOPED_TRACE(row.where);
        const std::optional<Text> hex = FormatHex(ToNumber(row.fields[0]));
        EXPECT_EQ(hex, row.fields[1] == u"-" ? std::nullopt : std::optional(row.fields[1]));
    }
}

}  // namespace
}  // namespace zembra
