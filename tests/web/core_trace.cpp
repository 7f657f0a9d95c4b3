// SPDX-License-Identifier: MIT
// The native answers the browser test compares the web page with.
//
//   zembra_core_trace texts   the message boxes' titles and texts and the
//                             About window's captions, as one JSON object
//   zembra_core_trace keys    reads keystrokes, one a line: a UTF-16 code
//                             unit in decimal typed at the end of the input
//                             field, "back" or "switch"; prints the fields
//                             as one JSON line at the start and after each
//
// Keystrokes edit the field the mode takes input in, through the window's
// own field reactions; "switch" is a choice in the Action menu, which flips
// the mode.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <type_traits>

#include "core/memory_fields.h"
#include "ui/design/about_window.h"
#include "ui/design/help_texts.h"

namespace {

// A JSON string, with \u escapes for everything outside printable ASCII.
template <typename Text>
std::string Json(const Text& text) {
    std::string json = "\"";
    for (const auto c : text) {
        const auto unit = static_cast<unsigned>(static_cast<std::make_unsigned_t<decltype(c)>>(c));
        char escaped[8] = {static_cast<char>(unit)};
        if (unit < 0x20 || unit >= 0x7F || unit == '"' || unit == '\\') {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unit);
        }
        json += escaped;
    }
    return json + "\"";
}

// A colour as its number (0x00BBGGRR), null where none is painted.
std::string Colour(std::optional<zembra::BackColor> color) {
    return color ? std::to_string(*color) : "null";
}

// One flat object: the boxes' titles and texts, the About window's caption
// and its labels' captions under the labels' names.
void PrintTexts() {
    namespace about = zembra::design::about;
    const about::LoadedTexts loaded = about::FormLoadTexts();
    const std::string texts[][2] = {{"helpTitle", zembra::kHelpTitle},
                                    {"help", zembra::HelpText()},
                                    {"licenceTitle", zembra::kLicenceTitle},
                                    {"licence", zembra::LicenceText()},
                                    {"aboutCaption", loaded.caption},
                                    {"lblOpening", loaded.lblOpening},
                                    {"lblBy", loaded.lblBy},
                                    {"lblCompany", about::kLabels[2].caption},
                                    {"lblTitle", loaded.lblTitle},
                                    {"lblVersion", loaded.lblVersion},
                                    {"lblCopyright", loaded.lblCopyright}};
    for (const auto& [name, text] : texts) {
        std::cout << (&name == &texts[0][0] ? "{" : ",") << Json(name) << ':' << Json(text);
    }
    std::cout << "}\n";
}

void PrintFields(const zembra::MemoryFields& fields) {
    std::cout << "{\"decimalToAfs\":" << (fields.decimalToAfsChecked ? "true" : "false")
              << ",\"txtDec\":" << Json(fields.decimalText)
              << ",\"txtAFS\":" << Json(fields.afsText) << ",\"txtHex\":" << Json(fields.hexText)
              << ",\"decColor\":" << Colour(fields.decimalBackColor)
              << ",\"afsColor\":" << Colour(fields.afsBackColor) << "}\n";
}

void TraceKeys() {
    zembra::MemoryFields fields;
    fields.AttachFieldReactions();
    PrintFields(fields);
    for (std::string line; std::getline(std::cin, line); PrintFields(fields)) {
        const bool decimalInput = fields.decimalToAfsChecked;
        zembra::Text text = decimalInput ? fields.decimalText : fields.afsText;
        if (line == "switch") {
            fields.ToggleMode();
            continue;
        }
        if (line != "back") {
            text += static_cast<char16_t>(std::stoul(line));
        } else if (!text.empty()) {
            text.pop_back();
        }
        if (decimalInput) {
            fields.SetDecimalText(text);
        } else {
            fields.SetAfsText(text);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode == "texts") {
        PrintTexts();
    } else if (mode == "keys") {
        TraceKeys();
    } else {
        std::cerr << "usage: zembra_core_trace texts|keys\n";
        return 2;
    }
    return 0;
}
