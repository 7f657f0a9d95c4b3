// SPDX-License-Identifier: MIT
#include "ui/model/converter_window.h"

#include <utility>

#include "version/version.h"

namespace zembra {

namespace {

// Form_Load gives both entry fields one size; ToggleMode moves them.
TwipsRect EntryRect(const design::TextBoxDesign& box, int top) {
    return {box.rect.left, top, design::kEntryWidth, design::kEntryHeight};
}

}  // namespace

ConverterWindow::ConverterWindow() {
    m_state.title = design::kCaption;
    m_fields.AttachFieldReactions();
    for (auto* reaction : {&m_fields.onDecimalChange, &m_fields.onAfsChange}) {
        *reaction = [this, run = std::move(*reaction)] {
            ++m_reactions;
            run();
        };
    }
    m_fields.SetDecimalToAfs(design::mnuActionItems[0].checked);
    m_fields.ToggleMode();
    Update();
}

void ConverterWindow::EditDecimal(TextView text) {
    m_fields.SetDecimalText(text);
    Update();
}

void ConverterWindow::EditAfs(TextView text) {
    m_fields.SetAfsText(text);
    Update();
}

void ConverterWindow::mnuActionItems_Click(std::int16_t index) {
    if (index != kDecimalToAfsItem && index != kAfsToDecimalItem) return;
    m_fields.ToggleMode();
    Update();
}

void ConverterWindow::Form_Resize(bool minimised) {
    m_state.title = minimised ? design::kMinimisedTitlePrefix + VersionText() : design::kTitle;
}

// Everything but the title, which only Form_Resize writes. The layout
// follows from the marks alone, as ToggleMode writes it.
void ConverterWindow::Update() {
    const bool decimalToAfs = m_fields.decimalToAfsChecked;
    const design::ModeLayout& layout = design::LayoutFor(decimalToAfs);
    m_state.txtDec = {m_fields.decimalText, EntryRect(design::txtDec, layout.decTop),
                      m_fields.decimalBackColor, layout.decEnabled, layout.decPointer};
    m_state.txtAFS = {m_fields.afsText, EntryRect(design::txtAFS, layout.afsTop),
                      m_fields.afsBackColor, layout.afsEnabled, layout.afsPointer};
    m_state.txtHex = {m_fields.hexText, design::txtHex.rect, design::txtHex.backColor,
                      design::txtHex.enabled, design::txtHex.pointer};
    m_state.lblDec = layout.upperCaption;
    m_state.lblAFS = layout.lowerCaption;
    m_state.Label1 = design::Label1.caption;
    m_state.checked = {m_fields.decimalToAfsChecked, m_fields.afsToDecimalChecked};
    m_state.upperField = decimalToAfs ? EntryField::txtDec : EntryField::txtAFS;
    m_state.announcement = Announcement();
}

// The converted forms, or that the input has none.
Text ConverterWindow::Announcement() const {
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

}  // namespace zembra
