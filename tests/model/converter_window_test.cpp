// SPDX-License-Identifier: MIT
// What the window model adds to the core: the state each mode lays out, the
// colours and the screen reader's sentence after an edit, the reactions an
// edit runs (cases in testdata/), and the title. The conversions themselves
// are the core's tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/core/case_file.h"
#include "ui/model/converter_window.h"

namespace zembra {
namespace {

using design::MousePointer;

TEST(WindowModel, EachModeLaysOutTheUpperFieldAsTheInput) {
    ConverterWindow window;
    for (const bool decimalToAfs : {true, false, true}) {
        SCOPED_TRACE(decimalToAfs);
        const WindowState& state = window.State();
        const FieldState& input = decimalToAfs ? state.txtDec : state.txtAFS;
        const FieldState& output = decimalToAfs ? state.txtAFS : state.txtDec;
        EXPECT_EQ(input.rect, (TwipsRect{1020, 180, 1635, 420}));
        EXPECT_EQ(output.rect, (TwipsRect{1020, 720, 1635, 420}));
        EXPECT_TRUE(input.enabled);
        EXPECT_FALSE(output.enabled);
        EXPECT_EQ(input.pointer, MousePointer::Default);
        EXPECT_EQ(output.pointer, MousePointer::NoDrop);
        EXPECT_EQ(state.txtHex.rect, (TwipsRect{1020, 1560, 1635, 420}));
        EXPECT_FALSE(state.txtHex.enabled);
        EXPECT_EQ(state.lblDec, decimalToAfs ? "DEC" : "AFS");
        EXPECT_EQ(state.lblAFS, decimalToAfs ? "AFS" : "DEC");
        EXPECT_EQ(state.Label1, "HEX");
        EXPECT_EQ(state.checked, (std::array<bool, 2>{decimalToAfs, !decimalToAfs}));
        EXPECT_EQ(state.upperField, decimalToAfs ? EntryField::txtDec : EntryField::txtAFS);
        window.mnuActionItems_Click(decimalToAfs ? 1 : 2);
    }
}

TEST(WindowModel, OtherActionIndexesChangeNothing) {
    ConverterWindow window;
    const WindowState loaded = window.State();
    for (const int index : {0, 3, -1})
        window.mnuActionItems_Click(static_cast<std::int16_t>(index));
    EXPECT_EQ(window.State(), loaded);
}

TEST(WindowModel, TheTitleFollowsTheWindowState) {
    ConverterWindow window;
    EXPECT_EQ(window.State().title, "Zembra Converter");
    window.Form_Resize(true);
    EXPECT_EQ(window.State().title, "Zembra, v1.0.1");
    window.Form_Resize(false);
    EXPECT_EQ(window.State().title, "Zembra");
}

std::optional<BackColor> Colour(const Text& word) {
    if (word == u"-") return std::nullopt;
    return word == u"red" ? kInvalidColor : kValidColor;
}

TEST(WindowModel, EditsGiveTheColoursSentenceAndReactionsOfTheirFile) {
    for (const tests::CaseRow& row : tests::ReadCases(ZEMBRA_MODEL_CASES "/edits.txt", 5)) {
        SCOPED_TRACE(row.where);
        ConverterWindow window;
        for (std::size_t at = 0, end = 0; at < row.fields[0].size(); at = end + 1) {
            end = std::min(row.fields[0].find(u'/', at), row.fields[0].size());
            const Text edit = row.fields[0].substr(at, end - at);
            if (edit == u"switch") {
                window.mnuActionItems_Click(1);
            } else if (window.State().upperField == EntryField::txtDec) {
                window.EditDecimal(edit);
            } else {
                window.EditAfs(edit);
            }
        }
        const WindowState& state = window.State();
        EXPECT_EQ(state.txtDec.backColor, Colour(row.fields[1]));
        EXPECT_EQ(state.txtAFS.backColor, Colour(row.fields[2]));
        EXPECT_EQ(state.txtHex.backColor, kValidColor);
        EXPECT_TRUE(state.announcement == row.fields[3]);
        EXPECT_EQ(window.Reactions(), tests::ToNumber(row.fields[4]));
    }
}

}  // namespace
}  // namespace zembra
