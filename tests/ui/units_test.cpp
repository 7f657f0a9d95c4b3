// SPDX-License-Identifier: MIT
// Twips to pixels, BackColor to QColor, and the text copies between the
// core's texts and QString.
#include <gtest/gtest.h>

#include "ui/main/back_color.h"
#include "ui/main/qt_text.h"
#include "ui/main/twips.h"

namespace zembra {
namespace {

TEST(Twips, FifteenPerPixelAt96DpiAndScaledElsewhere) {
    struct Row {
        int twips;
        double dpi;
        int pixels;
    };
    const Row rows[] = {
        {0, 96, 0},       {15, 96, 1},      {1635, 96, 109},  {3020, 96, 201},
        {3045, 96, 203},  {7, 96, 0},       {8, 96, 1},       {1440, 120, 120},
        {1635, 120, 136}, {1635, 144, 164}, {2145, 192, 286}, {420, 72, 21},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.twips) + " twips at " + std::to_string(row.dpi));
        EXPECT_EQ(TwipsToPixels(row.twips, row.dpi), row.pixels);
    }
}

TEST(BackColors, AreBlueGreenRed) {
    EXPECT_EQ(ToQColor(kInvalidColor), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(kValidColor), QColor(255, 255, 255));
    EXPECT_EQ(ToQColor(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
}

TEST(QtText, KeepsEveryCodeUnit) {
    const Text text = u"09-102 \u00e9\U0001F600";
    const QString copy = ToQString(text);
    EXPECT_EQ(copy.size(), static_cast<qsizetype>(text.size()));
    EXPECT_EQ(ToText(copy), text);
    EXPECT_EQ(ToText(QString()), Text());
}

}  // namespace
}  // namespace zembra
