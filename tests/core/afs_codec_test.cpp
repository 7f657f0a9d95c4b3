// SPDX-License-Identifier: MIT
// The encoder, the decoder and the field reactions, through in-memory fields
// that follow the window's change rule.
#include "core/afs_codec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/memory_fields.h"

namespace zembra {
namespace {

std::string Narrow(TextView text) { return std::string(text.begin(), text.end()); }

Text AfsOf(int id) {
    const auto two = [](int v) {
        return Text{static_cast<char16_t>(u'0' + v / 10), static_cast<char16_t>(u'0' + v % 10)};
    };
    return two(id / 128) + u"-" + two(id / 8 % 16) + static_cast<char16_t>(u'0' + id % 8);
}

// The in-range integers are Conversion.EveryIdentifierRoundTrips's: here the
// bounds, fractions (cut for the AFS form, rounded for the echo), other forms
// of number, and texts out of range, which leave the AFS text as it was.
TEST(EncodeAfs, ConvertsDecimalTexts) {
    const struct {
        const char16_t* decimal;
        const char16_t* afs;  // nullptr: the AFS text stays as it was
        BackColor color;
        const char16_t* hex;
    } cases[] = {
        {u"1234", u"09-102", kValidColor, u"4D2"},    {u"0", u"00-000", kValidColor, u"0"},
        {u"", u"00-000", kValidColor, u"0"},          {u"-0", u"00-000", kValidColor, u"0"},
        {u"2047", u"15-157", kValidColor, u"7FF"},    {u"2048", nullptr, kInvalidColor, u"800"},
        {u"-1", nullptr, kInvalidColor, u"FFFFFFFF"}, {u"12abc", u"00-014", kValidColor, u"C"},
        {u"&H7FF", u"15-157", kValidColor, u"7FF"},   {u"1.5", u"00-001", kValidColor, u"2"},
        {u"2046.9", u"15-156", kValidColor, u"7FF"},  {u"2047.5", nullptr, kInvalidColor, u"800"},
        {u"1e999", nullptr, kInvalidColor, u""},  // an echo it cannot show is emptied
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.decimal));
        MemoryFields fields;
        fields.afsText = u"11-111";
        fields.afsBackColor = 0x123456;
        fields.hexText = u"stale";
        fields.decimalText = c.decimal;
        EncodeAfs(fields);
        EXPECT_EQ(fields.afsText, c.afs ? Text(c.afs) : Text(u"11-111"));
        EXPECT_EQ(fields.afsBackColor, c.color);
        EXPECT_EQ(fields.hexText, c.hex);
        EXPECT_EQ(fields.decimalText, c.decimal);
    }
}

// Canonical texts are Conversion.EveryIdentifierRoundTrips's; odd ones decode
// as the text cuts and bit tables let them.
TEST(DecodeAfs, DecodesOddTexts) {
    const struct {
        const char16_t* afs;
        const char16_t* decimal;
        const char16_t* hex;
    } cases[] = {
        {u"09-102", u"1234", u"4D2"},  {u" 1-001", u"129", u"81"},
        {u"01- 01", u"17", u"11"},     {u" 5-000", u"0", u"0"},
        {u"1a-000", u"384", u"180"},   {u"ab-cde", u"0", u"0"},
        {u"  -   ", u"", u"0"},        {u"", u"", u"0"},
        {u"15-1577", u"2047", u"7FF"}, {u"09", u"19", u"13"},
        {u"1\t-\t02", u"114", u"72"},  // blanks are trimmed, tabs are not
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.afs));
        MemoryFields fields;
        fields.SetDecimalToAfs(false);
        fields.decimalText = u"42";
        fields.afsText = c.afs;
        DecodeAfs(fields);
        EXPECT_EQ(fields.decimalText, c.decimal);
        EXPECT_EQ(fields.hexText, c.hex);
    }
}

// The whole keystroke chains, with the window's reactions attached.
TEST(FieldReactions, EncoderWriteRepaintsTheDecimalFieldOnlyOnChange) {
    MemoryFields fields;
    fields.AttachFieldReactions();
    const struct {
        const char16_t* decimal;
        BackColor expected;  // starting from red each time
    } steps[] = {
        {u"5", kValidColor},       // 00-005: the AFS text changes, txtDec turns white
        {u"05", kInvalidColor},    // the same AFS text: no reaction, the colour stays
        {u"3000", kInvalidColor},  // out of range: the AFS text is not written
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(Narrow(step.decimal));
        fields.decimalBackColor = kInvalidColor;
        fields.SetDecimalText(step.decimal);
        EXPECT_EQ(fields.decimalBackColor, step.expected);
    }
    EXPECT_EQ(fields.afsText, u"00-005");
    EXPECT_EQ(fields.afsBackColor, kInvalidColor);
}

TEST(FieldReactions, DecimalChangesOnlyWhenTheDecodedNumberChanges) {
    MemoryFields fields;
    fields.AttachFieldReactions();
    fields.SetDecimalToAfs(false);
    int decimalChanges = 0;
    fields.onDecimalChange = [&] {
        ++decimalChanges;
        ReactToDecimalChange(fields);
    };

    fields.SetAfsText(u"09-102");
    EXPECT_EQ(fields.decimalText, u"1234");
    EXPECT_EQ(fields.hexText, u"4D2");
    EXPECT_EQ(fields.decimalBackColor, kValidColor);
    EXPECT_EQ(decimalChanges, 1);

    fields.afsText = u"x";
    fields.SetAfsText(u"09-102");  // decodes to the number already shown
    EXPECT_EQ(decimalChanges, 1);
}

TEST(FieldReactions, AfsChecksDecideTheDecimalColour) {
    const struct {
        const char16_t* afs;
        bool accepted;
    } cases[] = {
        {u"15-157", true},   {u"ab-cd7", true},  {u" 9-102", true},  {u"00-00x", true},
        {u"-0-000", true},   {u"16-000", false}, {u"00-160", false}, {u"00-008", false},
        {u"00+000", false},  {u"-1-000", false}, {u"", false},       {u"09-10", false},
        {u"09-1023", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.afs));
        MemoryFields fields;
        fields.AttachFieldReactions();
        fields.SetDecimalToAfs(false);
        fields.decimalText = u"77";
        fields.hexText = u"4D";
        fields.decimalBackColor = c.accepted ? kInvalidColor : kValidColor;
        fields.SetAfsText(c.afs);
        EXPECT_EQ(fields.decimalBackColor, c.accepted ? kValidColor : kInvalidColor);
        if (!c.accepted) {
            EXPECT_EQ(fields.decimalText, u"77");
            EXPECT_EQ(fields.hexText, u"4D");
        }
    }
    // In "Decimal to AFS" only the length is checked.
    MemoryFields fields;
    EXPECT_EQ(ReactToAfsChange(fields), kValidColor);
    fields.afsText = u"0";
    EXPECT_EQ(ReactToAfsChange(fields), kInvalidColor);
}

TEST(Conversion, EveryIdentifierRoundTrips) {
    for (int id = 0; id <= 2047; ++id) {
        SCOPED_TRACE(id);
        MemoryFields fields;
        fields.AttachFieldReactions();
        fields.decimalText = u"";
        const std::string digits = std::to_string(id);
        fields.SetDecimalText(Text(digits.begin(), digits.end()));
        ASSERT_EQ(fields.afsText, AfsOf(id));
        ASSERT_EQ(fields.afsBackColor, kValidColor);
        char hex[4];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(id));
        ASSERT_EQ(fields.hexText, Text(hex, hex + std::strlen(hex)));

        MemoryFields back;
        back.AttachFieldReactions();
        back.SetDecimalToAfs(false);
        back.decimalText = u"";
        back.afsText = u"";
        back.SetAfsText(AfsOf(id));
        ASSERT_EQ(back.decimalText, Text(digits.begin(), digits.end()));
        ASSERT_EQ(back.decimalBackColor, kValidColor);
    }
}

}  // namespace
}  // namespace zembra
