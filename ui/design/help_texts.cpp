// SPDX-License-Identifier: MIT
#include "ui/design/help_texts.h"

#include <string_view>

namespace zembra {

namespace {

// The blanks at the start and end of the lines are part of the texts.
constexpr std::string_view kHelpLines[] = {
    "  Use the Action menu item to select the numbering system   ",
    "you want to convert from and to.  Then...",
    "",
    "  Enter decimal numbers to convert them to EDACS AFS or    ",
    "EDACS AFS numbers to convert them to decimal forms.    ",
    "",
    "  The background of the number system you are trying to    ",
    "convert to will turn red with invalid entries.",
    "",
};
constexpr std::string_view kContactBefore = "  Contact me at ";
constexpr std::string_view kContactAfter = " should you need to.   ";

// Paragraphs start with four blanks, their continuation lines with two.
constexpr std::string_view kLicenceLines[] = {
    "    This program is free software, offered for information    ",
    "  only. You use it entirely at your own risk;   ",
    "  there is no warranty of any kind for the use of  ",
    "  the software.",
    "",
    "    Do not use it for any purpose, in any way ",
    "  or with any equipment for which    ",
    "  it was not designed.",
    "",
    "    You may copy it and give it away freely, but do  ",
    "  ensure you share all the files!",
    "",
    "    The author accepts no liability for any damages",
    "  arising from the program, including the loss",
    "  of data, of time or of money, or any loss   ",
    "  of income or work through its use.",
    "",
    "    EDACS is a registered trademark of M/A-COM,      ",
    "  Inc.",
    "",
};

void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += '\n';
}

}  // namespace

std::string HelpText() {
    std::string text;
    for (std::string_view line : kHelpLines) {
        AppendLine(text, line);
    }
    AppendLine(text, std::string(kContactBefore) + kContactAddress + std::string(kContactAfter));
    return text;
}

std::string LicenceText() {
    std::string text;
    for (std::string_view line : kLicenceLines) {
        AppendLine(text, line);
    }
    return text;
}

}  // namespace zembra
