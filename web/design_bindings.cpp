// SPDX-License-Identifier: MIT
// The windows' designs handed to the page through embind as one plain
// object, Design(): names, captions, fixed geometry in CSS pixels, fonts,
// menus, what each Help item does, the message boxes' texts and the About
// window. The page builds its elements from it once, from the same design
// data the Qt window reads.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <string>
#include <string_view>

#include "ui/design/about_window.h"
#include "ui/design/help_texts.h"
#include "ui/design/main_window.h"
#include "web/js_values.h"

namespace zembra::web {

namespace {

val MenuItem(const design::MenuItemDesign& item) {
    return Object({{"name", val(item.name)}, {"caption", val(item.caption)}});
}

val Menu(const char* name, const char* caption, val items) {
    return Object({{"name", val(name)}, {"caption", val(caption)}, {"items", items}});
}

val Label(const design::LabelDesign& label) {
    return Object({{"name", val(label.name)}, {"rect", PixelRect(label.rect)}});
}

val Line(const design::LineDesign& line) {
    return Object({{"name", val(line.name)},
                   {"rect", PixelRect({line.x1, line.y1, line.x2 - line.x1, 0})},
                   {"thickness", val(line.thicknessPixels)}});
}

val TextBox(const design::TextBoxDesign& box) {
    return Object({{"name", val(box.name)}, {"accessibleName", val(box.accessibleName)}});
}

val MessageBox(const char* title, const std::string& text) {
    return Object({{"title", val(title)}, {"text", val(text)}});
}

val AboutLabel(const design::about::PictureLabel& label) {
    namespace about = design::about;
    return Object({{"name", val(label.name)},
                   {"rect", PixelRect({0, label.top, about::kInnerWidth, label.height})},
                   {"fontPixels", val(FontPixels(label.points))},
                   {"caption", val(label.caption)}});
}

// The names under which Design() holds what each Help action shows, by
// design::HelpAction.
constexpr std::array<std::string_view, 3> kHelpActionKeys{"help", "licence", "about"};

std::string HelpActionKey(design::HelpAction action) {
    return std::string(kHelpActionKeys[static_cast<std::size_t>(action)]);
}

val HelpActionValue(const design::HelpAction& action) { return val(HelpActionKey(action)); }

val About() {
    namespace about = design::about;
    const about::LoadedTexts loaded = about::FormLoadTexts();
    const val captions = Object({{"lblOpening", val(loaded.lblOpening)},
                                 {"lblBy", val(loaded.lblBy)},
                                 {"lblTitle", val(loaded.lblTitle)},
                                 {"lblVersion", val(loaded.lblVersion)},
                                 {"lblCopyright", val(loaded.lblCopyright)}});
    return Object({{"name", val(about::kFormName)},
                   {"caption", val(loaded.caption)},
                   {"width", val(Pixels(about::kClientWidth))},
                   {"height", val(Pixels(about::kClientHeight))},
                   {"border", val(about::kPictureBorder)},
                   {"picture", val(about::kPictureFile)},
                   {"pictureWidth", val(Pixels(about::kPictureWidth))},
                   {"pictureHeight", val(Pixels(about::kPictureHeight))},
                   {"timer1Interval", val(about::kTimer1Interval)},
                   {"labels", Array(about::kLabels, AboutLabel)},
                   {"loadedCaptions", captions}});
}

// Everything the page builds once: names, captions, fixed geometry in CSS
// pixels, fonts, menus, what each Help item does, the message boxes' texts
// and the About window.
val Design() {
    val fonts = val::array();
    for (const char* family : design::kFontFamilies) fonts.call<void>("push", val(family));
    val menus = val::array();
    menus.call<void>("push", Menu(design::mnuActionName, design::mnuActionCaption,
                                  Array(design::mnuActionItems, MenuItem)));
    menus.call<void>("push", Menu(design::mnuHelpName, design::mnuHelpCaption,
                                  Array(design::mnuHelpItems, MenuItem)));

    using design::HelpAction;
    val result = Object(
        {{"title", val(design::kTitle)},
         {"width", val(Pixels(design::kClientWidth))},
         {"height", val(Pixels(design::kClientHeight))},
         {"fontFamilies", fonts},
         {"fontPixels", val(FontPixels(design::kFontPoints))},
         {"textBoxes", Array(std::array{design::txtDec, design::txtAFS, design::txtHex}, TextBox)},
         {"labels", Array(std::array{design::lblDec, design::lblAFS, design::Label1}, Label)},
         {"lines", Array(std::array{design::Line1, design::Line2}, Line)},
         {"menus", menus},
         {"helpActions", Array(design::mnuHelpActions, HelpActionValue)}});
    result.set(HelpActionKey(HelpAction::ShowHelp), MessageBox(kHelpTitle, HelpText()));
    result.set(HelpActionKey(HelpAction::ShowLicence), MessageBox(kLicenceTitle, LicenceText()));
    result.set(HelpActionKey(HelpAction::OpenAbout), About());
    return result;
}

}  // namespace

}  // namespace zembra::web

EMSCRIPTEN_BINDINGS(zembra_design) { emscripten::function("Design", &zembra::web::Design); }
