// SPDX-License-Identifier: MIT
// What the window model adds to the core: the state each mode lays out, the
// colours and the screen reader's sentence after an edit, the reactions an
// edit runs, and the title. The conversions themselves are the core's tests.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

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

// Edits of the input field, "switch" a choice in the Action menu.
struct EditCase {
    const char* name;
    std::vector<Text> edits;
    std::optional<BackColor> decColor;
    std::optional<BackColor> afsColor;
    Text announcement;
    std::uint64_t reactions;
};

const EditCase kEditCases[] = {
    {"loaded", {}, kValidColor, std::nullopt, u"AFS 00-000, hexadecimal 0", 0},
    {"decimal", {u"1234"}, kValidColor, kValidColor, u"AFS 09-102, hexadecimal 4D2", 2},
    {"decimal_out_of_range",
     {u"3000"},
     kValidColor,
     kInvalidColor,
     u"'3000' cannot be converted to AFS",
     1},
    {"same_text", {u"0"}, kValidColor, std::nullopt, u"AFS 00-000, hexadecimal 0", 0},
    {"same_afs_text", {u"5", u"05"}, kValidColor, kValidColor, u"AFS 00-005, hexadecimal 5", 3},
    {"afs", {u"switch", u"09-102"}, kValidColor, std::nullopt, u"Decimal 1234, hexadecimal 4D2", 2},
    {"afs_refused",
     {u"switch", u"16-000"},
     kInvalidColor,
     std::nullopt,
     u"'16-000' cannot be converted to decimal",
     1},
    {"red_across_a_switch",
     {u"3000", u"switch"},
     kValidColor,
     kInvalidColor,
     u"Decimal 3000, hexadecimal BB8",
     1},
};

class EditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditTest, GivesColoursSentenceAndReactions) {
    ConverterWindow window;
    for (const Text& edit : GetParam().edits) {
        if (edit == u"switch") {
            window.mnuActionItems_Click(1);
        } else if (window.State().upperField == EntryField::txtDec) {
            window.EditDecimal(edit);
        } else {
            window.EditAfs(edit);
        }
    }
    const WindowState& state = window.State();
    EXPECT_EQ(state.txtDec.backColor, GetParam().decColor);
    EXPECT_EQ(state.txtAFS.backColor, GetParam().afsColor);
    EXPECT_EQ(state.txtHex.backColor, kValidColor);
    EXPECT_TRUE(state.announcement == GetParam().announcement);
    EXPECT_EQ(window.Reactions(), GetParam().reactions);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditTest, ::testing::ValuesIn(kEditCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zembra
