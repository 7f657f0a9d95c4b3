// SPDX-License-Identifier: MIT
// The text and number rules: what a user's odd input reads as.
#include "core/text_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zembra {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
    const char16_t* text;
    double expected;
};

template <std::size_t N>
void ExpectReads(const ParseCase (&cases)[N]) {
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        EXPECT_EQ(ParseNumber(c.text), c.expected);
    }
}

TEST(ParseNumber, ReadsTheLeadingDecimalNumber) {
    const ParseCase decimal[] = {
        {u"", 0},           {u"   ", 0},    {u"2457", 2457}, {u" 2 45 7", 2457}, {u"1\t2\n3", 123},
        {u"24 and 57", 24}, {u"12abc", 12}, {u"1.5", 1.5},   {u".5", 0.5},       {u"-.5", -0.5},
        {u"1.", 1},         {u".", 0},      {u"1.2.3", 1.2}, {u"-1", -1},        {u"+7", 7},
        {u"- 7", -7},       {u"+-7", 0},    {u"-0", 0},
    };
    ExpectReads(decimal);
    EXPECT_TRUE(std::signbit(ParseNumber(u"-0")));
    // Any of four exponent letters; overflow and underflow.
    const ParseCase exponents[] = {
        {u"1e3", 1000},   {u"1E3", 1000},     {u"1D3", 1000}, {u"1d3", 1000}, {u"2.5e-1", 0.25},
        {u"1e+2", 100},   {u"1e", 1},         {u"1e+", 1},    {u"1ex5", 1},   {u"e5", 0},
        {u"1e999", kInf}, {u"-1e999", -kInf}, {u"1e-999", 0},
    };
    ExpectReads(exponents);
    // No grouping, no currency, no no-break space as a blank nor full-width
    // digit as a digit.
    const ParseCase notNumbers[] = {{u"1,000", 1}, {u"$5", 0}, {u"\u00a05", 0}, {u"\uff15", 0}};
    ExpectReads(notNumbers);
}

TEST(ParseNumber, ReadsHexadecimalAndOctal) {
    const ParseCase hexOrOctal[] = {
        {u"&H7FF", 2047},    {u"&h7ff", 2047},    {u"& H 7FF", 2047},  {u"&HFFFF", -1},
        {u"&H8000", -32768}, {u"&H10000", 65536}, {u"&HFFFFFFFF", -1}, {u"&H0000FFFF", -1},
        {u"&H7FG", 127},     {u"&O17", 15},       {u"&o17", 15},       {u"&O178", 15},
        {u"&O177777", -1},   {u"&H", 0},          {u"&O", 0},          {u"&X1", 0},
    };
    ExpectReads(hexOrOctal);
    // At and past the 32-bit edges.
    const ParseCase wide[] = {{u"&H7FFFFFFF", 2147483647},
                              {u"&H80000000", -2147483648.0},
                              {u"&H100000000", 4294967296.0}};
    ExpectReads(wide);
}

TEST(ParseNumber, VeryLongTextsStayFiniteOrInfinite) {
    EXPECT_EQ(ParseNumber(Text(32767, u'9')), kInf);
    EXPECT_EQ(ParseNumber(u"1e" + Text(5000, u'9')), kInf);
    EXPECT_EQ(ParseNumber(u"0." + Text(5000, u'0') + u"1e5000"), 1e-1);
    EXPECT_EQ(ParseNumber(u"&H" + Text(1000, u'F')), kInf);
    EXPECT_EQ(ParseNumber(Text(32000, u' ') + u"42"), 42);
}

// Beside the echoes the encoder tests read in afs_codec_test.cpp; ties to even
// may round into the 32-bit range but not out of it, where there is no result.
TEST(FormatHex, RoundsHalfToEvenInTwosComplementWithin32Bits) {
    constexpr double k2To31 = 2147483648.0;
    const std::pair<double, const char16_t*> cases[] = {
        {1234, u"4D2"},
        {1.5, u"2"},
        {2.5, u"2"},
        {-0.5, u"0"},
        {-1.5, u"FFFFFFFE"},
        {k2To31 - 1, u"7FFFFFFF"},
        {k2To31 - 0.6, u"7FFFFFFF"},
        {-k2To31, u"80000000"},
        {-k2To31 - 0.5, u"80000000"},
    };
    for (const auto& [value, hex] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(FormatHex(value), Text(hex));
    }
    for (double value :
         {k2To31 - 0.5, k2To31, -k2To31 - 1, -3e9, 1e300, kInf, -kInf, std::nan("")}) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(FormatHex(value).has_value());
    }
}

}  // namespace
}  // namespace zembra
