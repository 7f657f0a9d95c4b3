// SPDX-License-Identifier: MIT
// The window model (ui/model/) for the page through embind: the page passes
// each edit and menu choice in and renders what State() returns, converted
// here into plain JavaScript values: the fields' texts, places, colours and
// states, the captions, the marks, and the sentence a screen reader says
// about the result. The page decides nothing.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>

#include "ui/model/converter_window.h"
#include "web/js_values.h"

namespace zembra::web {

namespace {

// A BackColor as CSS "#rrggbb".
std::string CssColor(BackColor color) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const Rgb rgb = ToRgb(color);
    std::string css = "#";
    for (const unsigned byte : {rgb.red, rgb.green, rgb.blue}) {
        css += kDigits[byte >> 4];
        css += kDigits[byte & 0xFu];
    }
    return css;
}

// A field as the page shows it.
val Field(const FieldState& field) {
    return Object({{"text", val(field.text)},
                   {"rect", PixelRect(field.rect)},
                   {"backColor", field.backColor ? val(CssColor(*field.backColor)) : val::null()},
                   {"invalid", val(field.backColor == kInvalidColor)},
                   {"enabled", val(field.enabled)},
                   {"noDrop", val(field.pointer == design::MousePointer::NoDrop)}});
}

val Caption(std::string_view caption) { return val(std::string(caption)); }

// Everything the page shows of the window now; upperField says which field
// the upper label names, for assistive technology.
val State(const ConverterWindow& window) {
    const WindowState& state = window.State();
    val checked = val::array();
    for (const bool mark : state.checked) checked.call<void>("push", mark);
    return Object(
        {{"fields", Object({{"txtDec", Field(state.txtDec)},
                            {"txtAFS", Field(state.txtAFS)},
                            {"txtHex", Field(state.txtHex)}})},
         {"captions", Object({{"lblDec", Caption(state.lblDec)},
                              {"lblAFS", Caption(state.lblAFS)},
                              {"Label1", Caption(state.Label1)}})},
         {"checked", checked},
         {"upperField", val(state.upperField == EntryField::txtDec ? "txtDec" : "txtAFS")},
         {"announcement", val(state.announcement)}});
}

void EditDecimal(ConverterWindow& window, const std::u16string& text) { window.EditDecimal(text); }

void EditAfs(ConverterWindow& window, const std::u16string& text) { window.EditAfs(text); }

void ActionItemClick(ConverterWindow& window, int index) {
    window.mnuActionItems_Click(static_cast<std::int16_t>(index));
}

}  // namespace

}  // namespace zembra::web

EMSCRIPTEN_BINDINGS(zembra_converter_window) {
    namespace web = zembra::web;
    emscripten::class_<zembra::ConverterWindow>("ConverterWindow")
        .constructor<>()
        .function("EditDecimal", &web::EditDecimal)
        .function("EditAfs", &web::EditAfs)
        .function("mnuActionItems_Click", &web::ActionItemClick)
        .function("State", &web::State);
}
