// SPDX-License-Identifier: MIT
// The converter window (frmMain) without a toolkit, for the page through
// embind: MemoryFields with the window's field reactions and the Action
// menu's marks, from which the mode's layout follows. The page passes each
// edit and menu choice in and renders what State() returns: the fields'
// texts, places, colours and states, the captions, the marks, and the
// sentence a screen reader says about the result. The page decides nothing.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>

#include "core/memory_fields.h"
#include "ui/design/main_window.h"
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

// A field as the page shows it; its rectangle in twips.
val Field(const TwipsRect& rect, const Text& text, std::optional<BackColor> backColor, bool enabled,
          design::MousePointer pointer) {
    return Object({{"text", val(text)},
                   {"rect", PixelRect(rect)},
                   {"backColor", backColor ? val(CssColor(*backColor)) : val::null()},
                   {"invalid", val(backColor == kInvalidColor)},
                   {"enabled", val(enabled)},
                   {"noDrop", val(pointer == design::MousePointer::NoDrop)}});
}

// Form_Load gives both entry fields one size; ToggleMode moves them.
TwipsRect EntryRect(const design::TextBoxDesign& box, int top) {
    return {box.rect.left, top, design::kEntryWidth, design::kEntryHeight};
}

// frmMain without a toolkit: the three fields in MemoryFields with the
// window's reactions, and the Action menu's marks, from which the layout of
// the mode follows.
class ConverterWindow {
public:
    // Loads the window: the marks as designed, on item 2, then Form_Load's
    // ToggleMode, which leaves it in "Decimal to AFS".
    ConverterWindow() {
        m_fields.AttachFieldReactions();
        m_fields.SetDecimalToAfs(design::mnuActionItems[0].checked);
        ToggleMode();
    }

    // The user's edit of a field: a change runs that field's reaction, as
    // typing does in the window.
    void EditDecimal(const std::u16string& text) { m_fields.SetDecimalText(text); }
    void EditAfs(const std::u16string& text) { m_fields.SetAfsText(text); }

    void mnuActionItems_Click(int index) {
        if (index == kDecimalToAfsItem || index == kAfsToDecimalItem) ToggleMode();
    }

    // Everything the page shows of the window now.
    val State() const {
        const bool decimalToAfs = m_fields.decimalToAfsChecked;
        const design::ModeLayout& layout = design::LayoutFor(decimalToAfs);
        const val fields = Object(
            {{"txtDec", Field(EntryRect(design::txtDec, layout.decTop), m_fields.decimalText,
                              m_fields.decimalBackColor, layout.decEnabled, layout.decPointer)},
             {"txtAFS", Field(EntryRect(design::txtAFS, layout.afsTop), m_fields.afsText,
                              m_fields.afsBackColor, layout.afsEnabled, layout.afsPointer)},
             {"txtHex", Field(design::txtHex.rect, m_fields.hexText, design::txtHex.backColor,
                              design::txtHex.enabled, design::txtHex.pointer)}});
        const val captions = Object({{"lblDec", val(layout.upperCaption)},
                                     {"lblAFS", val(layout.lowerCaption)},
                                     {"Label1", val(design::Label1.caption)}});
        val checked = val::array();
        checked.call<void>("push", m_fields.decimalToAfsChecked);
        checked.call<void>("push", m_fields.afsToDecimalChecked);
        // upperField: which field the upper label names, for assistive
        // technology.
        return Object({{"fields", fields},
                       {"captions", captions},
                       {"checked", checked},
                       {"upperField", val(decimalToAfs ? "txtDec" : "txtAFS")},
                       {"announcement", val(Announcement())}});
    }

private:
    // What a screen reader says once typing pauses, since the results are
    // disabled fields that it never visits: the converted forms, or that
    // the input has none.
    Text Announcement() const {
        if (m_fields.decimalToAfsChecked) {
            if (m_fields.afsBackColor == kInvalidColor) {
                return u"'" + m_fields.decimalText + u"' cannot be converted to AFS";
            }
            return u"AFS " + m_fields.afsText + u", hexadecimal " + m_fields.hexText;
        }
        if (m_fields.decimalBackColor == kInvalidColor) {
            return u"'" + m_fields.afsText + u"' cannot be converted to decimal";
        }
        return u"Decimal " + m_fields.decimalText + u", hexadecimal " + m_fields.hexText;
    }

    // The flip alone: State() derives the layout from the marks.
    void ToggleMode() { m_fields.ToggleMode(); }

    MemoryFields m_fields;
};

}  // namespace

}  // namespace zembra::web

EMSCRIPTEN_BINDINGS(zembra_converter_window) {
    using zembra::web::ConverterWindow;
    emscripten::class_<ConverterWindow>("ConverterWindow")
        .constructor<>()
        .function("EditDecimal", &ConverterWindow::EditDecimal)
        .function("EditAfs", &ConverterWindow::EditAfs)
        .function("mnuActionItems_Click", &ConverterWindow::mnuActionItems_Click)
        .function("State", &ConverterWindow::State);
}
