// SPDX-License-Identifier: MIT
// The native answers the browser test compares the web page with.
//
//   zembra_core_trace texts   the message boxes' titles and texts and the
//                             About window's captions, as one JSON object
//   zembra_core_trace keys    reads keystrokes on standard input, one a line:
//                             "type C" (C one character, UTF-8), "back" or
//                             "switch"; after each prints the fields as one
//                             JSON line
//
// A keystroke edits the field the mode makes the input with the caret at its
// end, through the window's own field reactions; "switch" is a choice in the
// Action menu, which flips the mode.
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "core/memory_fields.h"
#include "ui/design/about_window.h"
#include "ui/design/help_texts.h"

namespace {

using zembra::BackColor;
using zembra::Text;

std::u16string FromUtf8(std::string_view bytes) {
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length && i + k < bytes.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3Fu);
        }
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (code >> 10));
            text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            text += static_cast<char16_t>(code);
        }
    }
    return text;
}

// A JSON string; code units outside ASCII (and controls) as \u escapes,
// which also carries lone surrogates through unchanged.
std::string Json(std::u16string_view text) {
    std::string json = "\"";
    for (const char16_t c : text) {
        if (c == u'"' || c == u'\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            json += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            json += escape;
        }
    }
    return json + "\"";
}

std::string Json(std::string_view ascii) { return Json(FromUtf8(ascii)); }

std::string Json(std::optional<BackColor> color) {
    if (!color) return "\"unpainted\"";
    char hex[16];
    std::snprintf(hex, sizeof hex, "\"0x%06X\"", static_cast<unsigned>(*color));
    return hex;
}

void PrintTexts() {
    const auto about = zembra::design::about::FormLoadTexts();
    std::cout << "{\"helpTitle\":" << Json(zembra::kHelpTitle)
              << ",\"help\":" << Json(zembra::HelpText())
              << ",\"licenceTitle\":" << Json(zembra::kLicenceTitle)
              << ",\"licence\":" << Json(zembra::LicenceText())
              << ",\"aboutCaption\":" << Json(about.caption) << ",\"about\":{"
              << "\"lblOpening\":" << Json(about.lblOpening) << ",\"lblBy\":" << Json(about.lblBy)
              << ",\"lblCompany\":" << Json(zembra::design::about::kLabels[2].caption)
              << ",\"lblTitle\":" << Json(about.lblTitle)
              << ",\"lblVersion\":" << Json(about.lblVersion)
              << ",\"lblCopyright\":" << Json(about.lblCopyright) << "}}\n";
}

int TraceKeys() {
    zembra::MemoryFields fields;
    fields.AttachFieldReactions();
    std::string line;
    while (std::getline(std::cin, line)) {
        const bool decimalInput = fields.decimalToAfsChecked;
        Text text = decimalInput ? fields.decimalText : fields.afsText;
        if (line == "switch") {
            fields.SetDecimalToAfs(!fields.decimalToAfsChecked);
        } else if (line == "back" || line.starts_with("type ")) {
            if (line == "back") {
                if (!text.empty()) text.pop_back();
            } else {
                text += FromUtf8(std::string_view(line).substr(5));
            }
            if (decimalInput) {
                fields.SetDecimalText(text);
            } else {
                fields.SetAfsText(text);
            }
        } else {
            std::cerr << "zembra_core_trace: unknown keystroke line: " << line << '\n';
            return 2;
        }
        std::cout << "{\"decimalToAfs\":" << (fields.decimalToAfsChecked ? "true" : "false")
                  << ",\"txtDec\":" << Json(fields.decimalText)
                  << ",\"txtAFS\":" << Json(fields.afsText)
                  << ",\"txtHex\":" << Json(fields.hexText)
                  << ",\"decColor\":" << Json(fields.decimalBackColor)
                  << ",\"afsColor\":" << Json(fields.afsBackColor) << "}\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 2 ? argv[1] : "";
    if (mode == "texts") {
        PrintTexts();
        return 0;
    }
    if (mode == "keys") return TraceKeys();
    std::cerr << "usage: zembra_core_trace texts|keys\n";
    return 2;
}
