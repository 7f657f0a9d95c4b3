// SPDX-License-Identifier: MIT
// The encoder, the decoder and the field reactions, through in-memory fields
// that follow the window's change rule; the cases of each are in testdata/.
#include "core/afs_codec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "core/memory_fields.h"
#include "tests/core/case_file.h"

namespace zembra {
namespace {

using tests::CaseRow;
using tests::ReadCases;

Text AfsOf(int id) {
    const auto two = [](int v) {
        return Text{static_cast<char16_t>(u'0' + v / 10), static_cast<char16_t>(u'0' + v % 10)};
    };
    return two(id / 128) + u"-" + two(id / 8 % 16) + static_cast<char16_t>(u'0' + id % 8);
}

BackColor Colour(const Text& word) { return word == u"red" ? kInvalidColor : kValidColor; }

TEST(EncodeAfs, ConvertsTheDecimalTextsOfItsFile) {
    for (const CaseRow& row : ReadCases(ZEMBRA_CORE_CASES "/encode_afs.txt", 4)) {
        SCOPED_TRACE(row.where);
        MemoryFields fields;
        fields.afsText = u"11-111";
        fields.afsBackColor = 0x123456;
        fields.hexText = u"stale";
        fields.decimalText = row.fields[0];
        EncodeAfs(fields);
        EXPECT_EQ(fields.afsText, row.fields[1] == u"-" ? Text(u"11-111") : row.fields[1]);
        EXPECT_EQ(fields.afsBackColor, Colour(row.fields[2]));
        EXPECT_EQ(fields.hexText, row.fields[3]);
        EXPECT_EQ(fields.decimalText, row.fields[0]);
    }
}

TEST(DecodeAfs, DecodesTheOddTextsOfItsFile) {
    for (const CaseRow& row : ReadCases(ZEMBRA_CORE_CASES "/decode_afs.txt", 3)) {
        SCOPED_TRACE(row.where);
        MemoryFields fields;
        fields.SetDecimalToAfs(false);
        fields.decimalText = u"42";
        fields.afsText = row.fields[0];
        DecodeAfs(fields);
        EXPECT_EQ(fields.decimalText, row.fields[1]);
        EXPECT_EQ(fields.hexText, row.fields[2]);
    }
}

// The whole keystroke chains, with the window's reactions attached.
TEST(FieldReactions, EncoderWriteRepaintsTheDecimalFieldOnlyOnChange) {
    MemoryFields fields;
    fields.AttachFieldReactions();
    // From red each time: 5 gives 00-005, a new AFS text, so txtDec turns
    // white; 05 gives the same text, so nothing reacts and the colour stays;
    // 3000 is out of range, so the AFS text is not written.
    const std::pair<const char16_t*, BackColor> steps[] = {
        {u"5", kValidColor}, {u"05", kInvalidColor}, {u"3000", kInvalidColor}};
    for (const auto& [decimal, colour] : steps) {
        SCOPED_TRACE(colour);
        fields.decimalBackColor = kInvalidColor;
        fields.SetDecimalText(decimal);
        EXPECT_EQ(fields.decimalBackColor, colour);
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
    for (const CaseRow& row : ReadCases(ZEMBRA_CORE_CASES "/afs_checks.txt", 2)) {
        SCOPED_TRACE(row.where);
        const bool accepted = row.fields[1] == u"accepted";
        MemoryFields fields;
        fields.AttachFieldReactions();
        fields.SetDecimalToAfs(false);
        fields.decimalText = u"77";
        fields.hexText = u"4D";
        fields.decimalBackColor = accepted ? kInvalidColor : kValidColor;
        fields.SetAfsText(row.fields[0]);
        EXPECT_EQ(fields.decimalBackColor, accepted ? kValidColor : kInvalidColor);
        if (!accepted) {
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
