// SPDX-License-Identifier: MIT
#include "ui/main/help_texts.h"

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

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void AppendLine(QString& text, const QString& line) {
    text += line;
    text += QLatin1Char('\n');
}

}  // namespace

QString HelpText() {
    QString text;
    for (std::string_view line : kHelpLines) {
        AppendLine(text, Latin1(line));
    }
    AppendLine(text, Latin1(kContactBefore) + QString::fromLatin1(kContactAddress) +
                         Latin1(kContactAfter));
    return text;
}

QString HelpTitle() { return QStringLiteral(" Help"); }

QString LicenceText() {
    QString text;
    for (std::string_view line : kLicenceLines) {
        AppendLine(text, Latin1(line));
    }
    return text;
}

QString LicenceTitle() { return QStringLiteral("Help Information"); }

}  // namespace zembra
