// SPDX-License-Identifier: MIT
// frmMain as designed: positions and sizes in twips (1/1440 inch) from the
// top-left corner of the client area, captions, fonts, tab order and the
// layout that belongs to each conversion mode. Plain data without Qt: the
// Qt window and the web page are both built from these values alone, and
// twips become pixels only in TwipsToPixels.
#pragma once

#include <array>
#include <optional>

#include "core/converter_fields.h"
#include "ui/design/units.h"

namespace zembra::design {

using zembra::TwipsRect;

// The pointers the fields use: the control's own default, or "no drop".
enum class MousePointer { Default = 0, NoDrop = 12 };

struct TextBoxDesign {
    const char* name;
    // What a screen reader calls the field. It names the number the field
    // holds, whichever row the field stands in and whatever the label beside
    // it says.
    const char* accessibleName;
    TwipsRect rect;
    const char* text;
    std::optional<BackColor> backColor;  // none: the toolkit's own background
    bool enabled;
    MousePointer pointer;
};

struct LabelDesign {
    const char* name;
    TwipsRect rect;
    const char* caption;
};

struct LineDesign {
    const char* name;
    int x1;
    int y1;
    int x2;
    int thicknessPixels;
};

inline constexpr const char* kFormName = "frmMain";
inline constexpr const char* kCaption = "Zembra Converter";
inline constexpr int kClientWidth = 3045;
inline constexpr int kClientHeight = 2145;
inline constexpr const char* kIcon = ":/icons/zembra-32.png";

// "MS Sans Serif" where it exists, a plain sans-serif face elsewhere.
inline constexpr std::array<const char*, 2> kFontFamilies{"MS Sans Serif", "DejaVu Sans"};
inline constexpr double kFontPoints = 13.5;

// In tab order: txtDec 0, txtAFS 1, txtHex 4 (the labels' tab indexes take
// no focus).
inline constexpr TextBoxDesign txtDec{"txtDec",    "Decimal", {1020, 240, 1635, 420}, "0",
                                      kValidColor, true,      MousePointer::Default};
inline constexpr TextBoxDesign txtAFS{"txtAFS",     "AFS", {1020, 780, 1635, 435}, "00-000",
                                      std::nullopt, false, MousePointer::NoDrop};
inline constexpr TextBoxDesign txtHex{"txtHex",    "Hexadecimal", {1020, 1560, 1635, 420}, "0",
                                      kValidColor, false,         MousePointer::Default};

inline constexpr LabelDesign lblDec{"lblDec", {240, 300, 735, 375}, "DEC"};
inline constexpr LabelDesign lblAFS{"lblAFS", {300, 840, 615, 375}, "AFS"};
inline constexpr LabelDesign Label1{"Label1", {240, 1620, 735, 375}, "HEX"};

inline constexpr LineDesign Line1{"Line1", 0, 0, 3020, 1};
inline constexpr LineDesign Line2{"Line2", 180, 1380, 2880, 2};

// Form_Load gives both entry fields this size.
inline constexpr int kEntryWidth = 1635;
inline constexpr int kEntryHeight = 420;

struct MenuItemDesign {
    const char* name;
    const char* caption;
    bool checked;
};

inline constexpr const char* mnuActionName = "mnuAction";
inline constexpr const char* mnuActionCaption = "&Action";
inline constexpr std::array<MenuItemDesign, 2> mnuActionItems{{
    {"mnuActionItems1", "&Decimal to AFS", false},
    {"mnuActionItems2", "&AFS to Decimal", true},
}};

inline constexpr const char* mnuHelpName = "mnuHelp";
inline constexpr const char* mnuHelpCaption = "&Help";
inline constexpr std::array<MenuItemDesign, 3> mnuHelpItems{{
    {"mnuHelpItems1", "&Help", false},
    {"mnuHelpItems2", "&License Info", false},
    {"mnuHelpItems3", "&About", false},
}};

// What choosing each Help item does, in the items' order.
enum class HelpAction { ShowHelp, ShowLicence, OpenAbout };
inline constexpr std::array<HelpAction, 3> mnuHelpActions{
    HelpAction::ShowHelp, HelpAction::ShowLicence, HelpAction::OpenAbout};
static_assert(mnuHelpActions.size() == mnuHelpItems.size());

// The action of the Help item at index, counted from 1; none for any other
// index.
constexpr std::optional<HelpAction> HelpActionAt(int index) {
    if (index < 1 || index > static_cast<int>(mnuHelpActions.size())) return std::nullopt;
    return mnuHelpActions[static_cast<std::size_t>(index - 1)];
}

// What each conversion mode writes, in the order ToggleMode writes it.
struct ModeLayout {
    int decTop;
    int afsTop;
    const char* upperCaption;  // lblDec
    const char* lowerCaption;  // lblAFS
    bool decEnabled;
    bool afsEnabled;
    MousePointer decPointer;
    MousePointer afsPointer;
};

inline constexpr ModeLayout kDecimalToAfsLayout{
    180, 720, "DEC", "AFS", true, false, MousePointer::Default, MousePointer::NoDrop};
inline constexpr ModeLayout kAfsToDecimalLayout{
    720, 180, "AFS", "DEC", false, true, MousePointer::NoDrop, MousePointer::Default};

// The layout of the mode that item 1's mark selects.
constexpr const ModeLayout& LayoutFor(bool decimalToAfsChecked) {
    if (decimalToAfsChecked) return kDecimalToAfsLayout;
    return kAfsToDecimalLayout;
}

// Titles set by Form_Resize.
inline constexpr const char* kTitle = "Zembra";
inline constexpr const char* kMinimisedTitlePrefix = "Zembra, v";

}  // namespace zembra::design
