// SPDX-License-Identifier: MIT
// The help and licence texts, character for character: their lines, the
// blanks at both ends of every line, line feeds and lengths.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <cstring>
#include <optional>
#include <vector>

#include "ui/main/help_texts.h"

namespace zembra {
namespace {

// A line's expected blanks, or its exact text where that is fixed.
struct LineShape {
    int leading;
    int trailing;
    const char* exact = nullptr;
};

const LineShape kEmpty{0, 0, ""};

std::vector<QString> Lines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    // Every line ends with a line feed, so the split leaves one empty tail.
    EXPECT_EQ(lines.back(), QString());
    lines.removeLast();
    return {lines.begin(), lines.end()};
}

int Leading(const QString& line) {
    int n = 0;
    while (n < line.size() && line[n] == QLatin1Char(' ')) {
        ++n;
    }
    return n;
}

int Trailing(const QString& line) {
    int n = 0;
    while (n < line.size() && line[line.size() - 1 - n] == QLatin1Char(' ')) {
        ++n;
    }
    return n;
}

void ExpectShapes(const QString& text, const std::vector<LineShape>& shapes) {
    const std::vector<QString> lines = Lines(text);
    ASSERT_EQ(lines.size(), shapes.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": \"" + lines[i].toStdString() + "\"");
        if (shapes[i].exact != nullptr) {
            EXPECT_EQ(lines[i], QString::fromLatin1(shapes[i].exact));
        }
        if (!lines[i].isEmpty()) {
            EXPECT_EQ(Leading(lines[i]), shapes[i].leading);
            EXPECT_EQ(Trailing(lines[i]), shapes[i].trailing);
        }
    }
}

void ExpectPlainLineFeeds(const QString& text, int lineFeeds) {
    EXPECT_EQ(text.count(QLatin1Char('\n')), lineFeeds);
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
    EXPECT_FALSE(text.startsWith(QLatin1Char('\n')));
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
    for (QChar c : text) {
        EXPECT_TRUE(c == QLatin1Char('\n') || (c.unicode() >= 0x20 && c.unicode() < 0x7f))
            << "unexpected character " << int{c.unicode()};
    }
}

TEST(HelpText, IsItsTenLinesExactly) {
    const QString contact = QStringLiteral("  Contact me at ") +
                            QString::fromLatin1(kContactAddress) +
                            QStringLiteral(" should you need to.   ");
    const QString expected = QStringLiteral(
                                 "  Use the Action menu item to select the numbering system   \n"
                                 "you want to convert from and to.  Then...\n"
                                 "\n"
                                 "  Enter decimal numbers to convert them to EDACS AFS or    \n"
                                 "EDACS AFS numbers to convert them to decimal forms.    \n"
                                 "\n"
                                 "  The background of the number system you are trying to    \n"
                                 "convert to will turn red with invalid entries.\n"
                                 "\n") +
                             contact + QStringLiteral("\n");
    const QString text = HelpText();
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.size() - static_cast<qsizetype>(std::strlen(kContactAddress)), 369);
    ExpectPlainLineFeeds(text, 10);
    ExpectShapes(text,
                 {{2, 3}, {0, 0}, kEmpty, {2, 4}, {0, 4}, kEmpty, {2, 4}, {0, 0}, kEmpty, {2, 3}});
    EXPECT_TRUE(text.endsWith(QStringLiteral("need to.   \n")));
}

TEST(LicenceText, KeepsItsShapeAndFixedLines) {
    const QString text = LicenceText();
    EXPECT_EQ(text.size(), 625);
    ExpectPlainLineFeeds(text, 20);
    EXPECT_TRUE(text.endsWith(QStringLiteral("  Inc.\n\n")));
    ExpectShapes(text, {{4, 4},
                        {2, 3},
                        {2, 2},
                        {2, 0, "  the software."},
                        kEmpty,
                        {4, 1},
                        {2, 4},
                        {2, 0, "  it was not designed."},
                        kEmpty,
                        {4, 2},
                        {2, 0, "  ensure you share all the files!"},
                        kEmpty,
                        {4, 0},
                        {2, 0},
                        {2, 3},
                        {2, 0, "  of income or work through its use."},
                        kEmpty,
                        {4, 6, "    EDACS is a registered trademark of M/A-COM,      "},
                        {2, 0, "  Inc."},
                        kEmpty});
    const std::vector<QString> lines = Lines(text);
    std::vector<std::size_t> empty;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            empty.push_back(i + 1);
        }
    }
    EXPECT_EQ(empty, (std::vector<std::size_t>{5, 9, 12, 17, 20}));
}

}  // namespace
}  // namespace zembra
