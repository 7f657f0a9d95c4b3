// SPDX-License-Identifier: MIT
// What the web page reaches in C++, through embind: the windows' designs as
// one plain object, the converter window's state (MemoryFields with the
// window's field reactions, the Action menu's marks and the mode's layout,
// and the sentence a screen reader says about the result), and the list
// library, fed in blocks so that a worker can report progress and stop
// between them. The page builds its elements from Design(), passes each
// edit and menu choice in, and renders what State() returns; it decides
// nothing itself.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "core/memory_fields.h"
#include "lists/convert.h"
#include "ui/design/about_window.h"
#include "ui/design/help_texts.h"
#include "ui/design/main_window.h"

namespace zembra {

namespace {

using emscripten::val;

// The page lays out at 96 dots per inch: CSS pixels.
constexpr double kCssDotsPerInch = 96;

int Pixels(int twips) { return TwipsToPixels(twips, kCssDotsPerInch); }

// A plain object from its members, in order: every object the page reads
// is built here.
val Object(std::initializer_list<std::pair<const char*, val>> members) {
    val result = val::object();
    for (const auto& [name, value] : members) result.set(name, value);
    return result;
}

val PixelRect(const TwipsRect& rect) {
    return Object({{"left", val(Pixels(rect.left))},
                   {"top", val(Pixels(rect.top))},
                   {"width", val(Pixels(rect.width))},
                   {"height", val(Pixels(rect.height))}});
}

template <typename T>
val Array(const T& items, val (*convert)(const typename T::value_type&)) {
    val result = val::array();
    for (const auto& item : items) result.call<void>("push", convert(item));
    return result;
}

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
                   {"points", val(label.points)},
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
         {"fontPoints", val(design::kFontPoints)},
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

// The Output choice: each format by its name, and line output of one form
// as "lines:afs", each with the words the command line's help uses.
val ListFormats() {
    using namespace lists;
    val choices = val::array();
    const auto add = [&choices](std::string value, std::string label) {
        val choice = val::object();
        choice.set("value", value);
        choice.set("label", label);
        choices.call<void>("push", choice);
    };
    for (const Named& format : kFormats) {
        add(std::string(format.name),
            std::string(format.name) + ": " + std::string(format.description));
    }
    const std::string_view lines = kFormats[std::size_t(Format::Lines)].name;
    for (const Named& form : kForms) {
        const std::string value = std::string(lines) + ":" + std::string(form.name);
        add(value, value + ": " + std::string(form.description) + " only");
    }
    return choices;
}

// One list converted in blocks: Feed the input's bytes as they are read,
// take the output and messages written so far after each, then End. The
// options are named as on zembra-convert's command line: format as in
// ListFormats(), `to` a form's name or "" for all three, column and split as
// the options of those names.
// The options as the page names them, read once, with whether the split
// could be read.
struct ListSettings {
    lists::Options options;
    bool splitRead = false;
};

ListSettings ReadListSettings(const val& named) {
    using namespace lists;
    const auto option = [&named](const char* name, const char* fallback) {
        const val value = named[name];
        return value.isString() ? value.as<std::string>() : std::string(fallback);
    };
    ListSettings settings;
    Options& options = settings.options;
    options.format = FormatNamed(option("format", "auto")).value_or(Format::Automatic);
    if (const std::optional<IdForm> form = FormNamed(option("to", ""))) options.forms = {*form};
    options.column = option("column", "");
    const std::optional<Split> split = ParseSplit(option("split", "4:4:3"));
    settings.splitRead = split.has_value();
    options.split = split.value_or(Split{});
    return settings;
}

class ListConversion {
public:
    ListConversion(val options, const std::string& name)
        : ListConversion(ReadListSettings(options), name) {}

    void Feed(const std::string& bytes) {
        if (m_splitRead) m_converter.Feed(bytes);
    }
    void End() { m_converter.End(); }

    // The output written since the last call, as a Uint8Array of its own.
    val TakeOutput() {
        const std::string bytes = m_output.str();
        m_output.str({});
        return val::global("Uint8Array")
            .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    }

    // The complete messages written since the last call, one string each.
    val TakeMessages() {
        std::string text = m_messages.str();
        const std::size_t end = text.rfind('\n');
        if (end == std::string::npos) return val::array();
        m_messages.str(text.substr(end + 1));
        m_messages.seekp(0, std::ios::end);
        text.resize(end);
        val lines = val::array();
        std::istringstream reader(text);
        for (std::string line; std::getline(reader, line);) lines.call<void>("push", line);
        return lines;
    }

    int Status() const { return m_converter.Status(); }
    // Whether the output is a table (CSV) rather than lines of IDs; the
    // automatic format's choice is the library's own, so it counts as lines.
    bool Table() const {
        return m_format != lists::Format::Lines && m_format != lists::Format::Automatic;
    }
    std::string Outcome() const { return lists::Describe(m_converter.Counts()); }

private:
    ListConversion(ListSettings settings, const std::string& name)
        : m_splitRead(settings.splitRead),
          m_format(settings.options.format),
          m_converter(std::move(settings.options), m_output, m_messages) {
        m_converter.Begin(name);
        if (!m_splitRead) m_converter.Fail("--split: needs three bit counts adding up to 11");
    }

    std::ostringstream m_output;
    std::ostringstream m_messages;
    bool m_splitRead;
    lists::Format m_format;
    lists::Converter m_converter;
};

}  // namespace

EMSCRIPTEN_BINDINGS(zembra) {
    emscripten::function("Design", &Design);
    emscripten::function("ListFormats", &ListFormats);
    emscripten::class_<ListConversion>("ListConversion")
        .constructor<val, std::string>()
        .function("Feed", &ListConversion::Feed)
        .function("End", &ListConversion::End)
        .function("TakeOutput", &ListConversion::TakeOutput)
        .function("TakeMessages", &ListConversion::TakeMessages)
        .function("Status", &ListConversion::Status)
        .function("Table", &ListConversion::Table)
        .function("Outcome", &ListConversion::Outcome);
    emscripten::class_<ConverterWindow>("ConverterWindow")
        .constructor<>()
        .function("EditDecimal", &ConverterWindow::EditDecimal)
        .function("EditAfs", &ConverterWindow::EditAfs)
        .function("mnuActionItems_Click", &ConverterWindow::mnuActionItems_Click)
        .function("State", &ConverterWindow::State);
}

}  // namespace zembra
