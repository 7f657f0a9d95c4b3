// SPDX-License-Identifier: MIT
// The window model's state after a user's steps (cases in testdata/): the
// fields' places, colours, enabled states, pointers and texts, the labels,
// marks, the field typed into, the screen reader's sentence, the reactions
// run and the title. The conversions themselves are the core's tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/core/case_file.h"
#include "ui/model/converter_window.h"

namespace zembra {
namespace {

std::string Narrow(std::u16string_view text) { return {text.begin(), text.end()}; }

std::string Describe(const FieldState& field) {
    std::string text;
    for (const int value : {field.rect.left, field.rect.top, field.rect.width, field.rect.height})
        text += std::to_string(value) + ' ';
    if (!field.backColor) text += '-';
    if (field.backColor) text += *field.backColor == kInvalidColor ? "red" : "white";
    if (field.backColor && *field.backColor != kInvalidColor && *field.backColor != kValidColor)
        text += std::to_string(*field.backColor);
    text += field.enabled ? " enabled " : " disabled ";
    text += field.pointer == design::MousePointer::NoDrop ? "nodrop " : "default ";
    return text + Narrow(field.text);
}

std::string Property(const ConverterWindow& window, const std::string& name) {
    const WindowState& state = window.State();
    const auto mark = [](bool checked) { return checked ? "checked" : "unchecked"; };
    if (name == "txtDec") return Describe(state.txtDec);
    if (name == "txtAFS") return Describe(state.txtAFS);
    if (name == "txtHex") return Describe(state.txtHex);
    if (name == "labels")
        return std::string(state.lblDec) + ' ' + std::string(state.lblAFS) + ' ' +
               std::string(state.Label1);
    if (name == "marks") return std::string(mark(state.checked[0])) + ' ' + mark(state.checked[1]);
    if (name == "upper") return state.upperField == EntryField::txtDec ? "txtDec" : "txtAFS";
    if (name == "sentence") return Narrow(state.announcement);
    if (name == "reactions") return std::to_string(window.Reactions());
    if (name == "title") return state.title;
    ADD_FAILURE() << "no property " << name;
    return {};
}

TEST(WindowModel, StepsLeaveTheStateOfTheirFile) {
    for (const tests::CaseRow& row : tests::ReadCases(ZEMBRA_MODEL_CASES "/states.txt", 3)) {
        ConverterWindow window;
        const std::u16string& steps = row.fields[0];
        for (std::size_t at = 0, end = 0; at < steps.size(); at = end + 1) {
            end = std::min(steps.find(u'/', at), steps.size());
            const std::u16string step = steps.substr(at, end - at);
            if (step.starts_with(u"item")) {
                window.mnuActionItems_Click(
                    static_cast<std::int16_t>(tests::ToNumber(step.substr(4))));
            } else if (step == u"minimised" || step == u"restored") {
                window.Form_Resize(step == u"minimised");
            } else if (window.State().upperField == EntryField::txtDec) {
                window.EditDecimal(step);
            } else {
                window.EditAfs(step);
            }
        }
        EXPECT_EQ(Property(window, Narrow(row.fields[1])), Narrow(row.fields[2])) << row.where;
    }
}

}  // namespace
}  // namespace zembra
