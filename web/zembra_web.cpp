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

#include <optional>
#include <sstream>
#include <string>
#include <string_view>

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

val PixelRect(const TwipsRect& rect) {
    val result = val::object();
    result.set("left", Pixels(rect.left));
    result.set("top", Pixels(rect.top));
    result.set("width", Pixels(rect.width));
    result.set("height", Pixels(rect.height));
    return result;
}

template <typename T>
val Array(const T& items, val (*convert)(const typename T::value_type&)) {
    val result = val::array();
    for (const auto& item : items) result.call<void>("push", convert(item));
    return result;
}

// BackColor 0x00BBGGRR as CSS "#rrggbb".
std::string CssColor(BackColor color) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string css = "#";
    for (const unsigned shift : {0u, 8u, 16u}) {
        const unsigned byte = (color >> shift) & 0xFFu;
        css += kDigits[byte >> 4];
        css += kDigits[byte & 0xFu];
    }
    return css;
}

val MenuItem(const design::MenuItemDesign& item) {
    val result = val::object();
    result.set("name", item.name);
    result.set("caption", item.caption);
    return result;
}

val Menu(const char* name, const char* caption, val items) {
    val result = val::object();
    result.set("name", name);
    result.set("caption", caption);
    result.set("items", items);
    return result;
}

val Label(const design::LabelDesign& label) {
    val result = val::object();
    result.set("name", label.name);
    result.set("rect", PixelRect(label.rect));
    return result;
}

val Line(const design::LineDesign& line) {
    val result = val::object();
    result.set("name", line.name);
    result.set("rect", PixelRect({line.x1, line.y1, line.x2 - line.x1, 0}));
    result.set("thickness", line.thicknessPixels);
    return result;
}

val TextBox(const design::TextBoxDesign& box) {
    val result = val::object();
    result.set("name", box.name);
    result.set("accessibleName", box.accessibleName);
    return result;
}

val MessageBox(const char* title, const std::string& text) {
    val result = val::object();
    result.set("title", title);
    result.set("text", text);
    return result;
}

val AboutLabel(const design::about::PictureLabel& label) {
    val result = val::object();
    result.set("name", label.name);
    result.set("rect", PixelRect({0, label.top, design::about::kInnerWidth, label.height}));
    result.set("points", label.points);
    result.set("caption", label.caption);
    return result;
}

val About() {
    namespace about = design::about;
    const about::LoadedTexts loaded = about::FormLoadTexts();
    val captions = val::object();
    captions.set("lblOpening", loaded.lblOpening);
    captions.set("lblBy", loaded.lblBy);
    captions.set("lblTitle", loaded.lblTitle);
    captions.set("lblVersion", loaded.lblVersion);
    captions.set("lblCopyright", loaded.lblCopyright);

    val result = val::object();
    result.set("name", about::kFormName);
    result.set("caption", loaded.caption);
    result.set("width", Pixels(about::kClientWidth));
    result.set("height", Pixels(about::kClientHeight));
    result.set("border", about::kPictureBorder);
    result.set("picture", about::kPictureFile);
    result.set("pictureWidth", Pixels(about::kPictureWidth));
    result.set("pictureHeight", Pixels(about::kPictureHeight));
    result.set("timer1Interval", about::kTimer1Interval);
    result.set("labels", Array(about::kLabels, AboutLabel));
    result.set("loadedCaptions", captions);
    return result;
}

// Everything the page builds once: names, captions, fixed geometry in CSS
// pixels, fonts, menus, the message boxes' texts and the About window.
val Design() {
    val fonts = val::array();
    for (const char* family : design::kFontFamilies) fonts.call<void>("push", val(family));

    val result = val::object();
    result.set("title", design::kTitle);
    result.set("width", Pixels(design::kClientWidth));
    result.set("height", Pixels(design::kClientHeight));
    result.set("fontFamilies", fonts);
    result.set("fontPoints", design::kFontPoints);
    result.set("textBoxes",
               Array(std::array{design::txtDec, design::txtAFS, design::txtHex}, TextBox));
    result.set("labels", Array(std::array{design::lblDec, design::lblAFS, design::Label1}, Label));
    result.set("lines", Array(std::array{design::Line1, design::Line2}, Line));
    val menus = val::array();
    menus.call<void>("push", Menu(design::mnuActionName, design::mnuActionCaption,
                                  Array(design::mnuActionItems, MenuItem)));
    menus.call<void>("push", Menu(design::mnuHelpName, design::mnuHelpCaption,
                                  Array(design::mnuHelpItems, MenuItem)));
    result.set("menus", menus);
    result.set("help", MessageBox(kHelpTitle, HelpText()));
    result.set("licence", MessageBox(kLicenceTitle, LicenceText()));
    result.set("about", About());
    return result;
}

// A field as the page shows it; its rectangle in twips.
val Field(const TwipsRect& rect, const Text& text, std::optional<BackColor> backColor, bool enabled,
          design::MousePointer pointer) {
    val result = val::object();
    result.set("text", text);
    result.set("rect", PixelRect(rect));
    result.set("backColor", backColor ? val(CssColor(*backColor)) : val::null());
    result.set("invalid", backColor == kInvalidColor);
    result.set("enabled", enabled);
    result.set("noDrop", pointer == design::MousePointer::NoDrop);
    return result;
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
        const design::ModeLayout& layout =
            decimalToAfs ? design::kDecimalToAfsLayout : design::kAfsToDecimalLayout;
        val fields = val::object();
        fields.set("txtDec",
                   Field(EntryRect(design::txtDec, layout.decTop), m_fields.decimalText,
                         m_fields.decimalBackColor, layout.decEnabled, layout.decPointer));
        fields.set("txtAFS", Field(EntryRect(design::txtAFS, layout.afsTop), m_fields.afsText,
                                   m_fields.afsBackColor, layout.afsEnabled, layout.afsPointer));
        fields.set("txtHex", Field(design::txtHex.rect, m_fields.hexText, design::txtHex.backColor,
                                   design::txtHex.enabled, design::txtHex.pointer));
        val captions = val::object();
        captions.set("lblDec", layout.upperCaption);
        captions.set("lblAFS", layout.lowerCaption);
        captions.set("Label1", design::Label1.caption);
        val checked = val::array();
        checked.call<void>("push", m_fields.decimalToAfsChecked);
        checked.call<void>("push", m_fields.afsToDecimalChecked);

        val result = val::object();
        result.set("fields", fields);
        result.set("captions", captions);
        result.set("checked", checked);
        // Which field the upper label names, for assistive technology.
        result.set("upperField", decimalToAfs ? "txtDec" : "txtAFS");
        result.set("announcement", Announcement());
        return result;
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

    // Decides from item 1's mark alone, as the window's ToggleMode does.
    void ToggleMode() { m_fields.SetDecimalToAfs(!m_fields.decimalToAfsChecked); }

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
