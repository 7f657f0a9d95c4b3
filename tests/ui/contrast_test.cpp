// SPDX-License-Identifier: MIT
// Every text both windows, their menus and the Help boxes paint reads at
// 4.5:1 or better against what is painted behind it, in the default, a dark
// and a high-contrast theme, each switched to while the main window runs, and
// a disabled field reads fainter than an enabled one. The colours are
// measured in grabbed pixels, not read from palette roles, which may not be
// what gets painted.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/core/case_file.h"
#include "tests/qt_support/modal_helpers.h"
#include "ui/common/readable_text.h"
#include "ui/main/frm_main.h"
#include "ui/main/help_menu.h"

namespace zembra {
namespace {

TEST(ContrastRatio, FollowsTheWcagFormula) {
    for (const tests::CaseRow& row : tests::ReadCases(ZEMBRA_UI_CASES "/contrast_ratios.txt", 3)) {
        const QColor a(QString::fromStdU16String(row.fields[1]));
        const QColor b(QString::fromStdU16String(row.fields[2]));
        EXPECT_NEAR(ContrastRatio(a, b), tests::ToNumber(row.fields[0]), 0.01) << row.where;
        EXPECT_NEAR(ContrastRatio(b, a), tests::ToNumber(row.fields[0]), 0.01) << row.where;
    }
}

// The style's own light palette (""), or a scheme file of palettes/ in
// qt6ct's format: 21 colours a group, in QPalette's role order.
void UseTheme(const char* file) {
    QPalette palette = QApplication::style()->standardPalette();
    const QSettings scheme(QStringLiteral(ZEMBRA_PALETTE_DIR "/") + QString::fromLatin1(file),
                           QSettings::IniFormat);
    const std::pair<QPalette::ColorGroup, const char*> groups[] = {
        {QPalette::Active, "ColorScheme/active_colors"},
        {QPalette::Inactive, "ColorScheme/inactive_colors"},
        {QPalette::Disabled, "ColorScheme/disabled_colors"}};
    for (const auto& [group, key] : groups) {
        const QStringList colours = scheme.value(QString::fromLatin1(key)).toStringList();
        EXPECT_EQ(colours.size(), *file == '\0' ? 0 : QPalette::NColorRoles) << file << " " << key;
        for (int role = 0; role < colours.size() && role < QPalette::NColorRoles; ++role)
            palette.setColor(group, QPalette::ColorRole(role), QColor(colours[role].trimmed()));
    }
    QApplication::setPalette(palette);
}

constexpr const char* kThemes[] = {"", "dark.conf", "high-contrast.conf"};

// A text and where it is painted, in the coordinates of the widget grabbed.
struct PaintedText {
    std::string name;
    QObject* holder;  // whose "text" property it is
    QRect area;
};

PaintedText In(QWidget* top, QWidget* widget, QMargins inside = {}) {
    const QString name = widget->objectName() + " " + widget->property("text").toString();
    return {name.toStdString(), widget,
            QRect(widget->mapTo(top, QPoint()), widget->size()) - inside};
}

// How well each text stands out: `top` grabbed with its texts and again with
// them emptied; in each area, the contrast that the most contrasting tenth
// of the pixels the text changes reach against the same pixels without it.
// Those are the glyphs' cores, in the text's own colour; antialiasing blends
// the edges into the background. Invisible text counts as 1.
std::vector<double> ExpectReadable(QWidget* top, const std::vector<PaintedText>& texts) {
    const QImage with = top->grab().toImage();
    std::vector<QString> kept;
    for (const PaintedText& text : texts) {
        const QSignalBlocker quiet(text.holder);  // no conversion runs
        kept.push_back(text.holder->property("text").toString());
        text.holder->setProperty("text", QString());
    }
    const QImage without = top->grab().toImage();
    std::vector<double> contrasts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QSignalBlocker quiet(texts[i].holder);
        texts[i].holder->setProperty("text", kept[i]);
        std::vector<double> ratios{1.0};
        const QRect area = texts[i].area & without.rect();  // a menu may shrink
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y))
                    ratios.push_back(ContrastRatio(with.pixel(x, y), without.pixel(x, y)));
        std::sort(ratios.begin(), ratios.end(), std::greater<>());
        contrasts.push_back(ratios[(ratios.size() - 1) / 10]);
        EXPECT_GE(contrasts.back(), kReadableContrast) << texts[i].name;
    }
    return contrasts;
}

// The main window's labels and the fields' insides, without their frames,
// and the menu bar's captions.
std::vector<PaintedText> MainWindowTexts(frmMain& window) {
    std::vector<PaintedText> texts;
    for (const char* field : {"txtDec", "txtAFS", "txtHex"})
        texts.push_back(In(&window, window.findChild<QLineEdit*>(field), QMargins(4, 4, 4, 4)));
    for (QLabel* label : window.findChildren<QLabel*>()) texts.push_back(In(&window, label));
    for (QAction* menu : window.menuBar()->actions()) {
        const QRect caption = window.menuBar()->actionGeometry(menu);
        texts.push_back({menu->text().toStdString(), menu,
                         caption.translated(window.menuBar()->mapTo(&window, QPoint()))});
    }
    return texts;
}

// The main window is built before each theme, which a desktop switches to
// while the program runs. Between them the steps show each field enabled and
// disabled, on white, on red and (txtAFS) unpainted. Entries go into the
// enabled field; "" switches the mode.
TEST(Contrast, EveryTextOfTheMainWindowAndItsMenusInEveryState) {
    for (const char* theme : kThemes) {
        SCOPED_TRACE(theme);
        frmMain window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        UseTheme(theme);
        auto* item1 = window.findChild<QAction*>(QStringLiteral("mnuActionItems1"));
        auto* txtDec = window.findChild<QLineEdit*>(QStringLiteral("txtDec"));
        auto* txtAFS = window.findChild<QLineEdit*>(QStringLiteral("txtAFS"));
        std::vector<std::vector<double>> steps;
        for (const char* step : {"as built", "", "16-000", "", "3000", "", "", "1234", ""}) {
            QLineEdit* input = txtDec->isEnabled() ? txtDec : txtAFS;
            if (*step == '\0') item1->trigger();
            if (std::isdigit(*step)) {
                input->selectAll();
                QTest::keyClicks(input, QString::fromLatin1(step));
            }
            SCOPED_TRACE(step);
            steps.push_back(ExpectReadable(&window, MainWindowTexts(window)));
        }
        // A disabled field reads fainter than the same field enabled on white:
        // txtDec as built and switched, txtAFS after the last entry and switched.
        EXPECT_LT(steps[1][0], steps[0][0]);
        EXPECT_LT(steps[7][1], steps[8][1]);

        // Each menu's items, none of them chosen.
        for (QAction* menu : window.menuBar()->actions()) {
            QMenu* items = menu->menu();
            items->popup(window.mapToGlobal(QPoint()));
            ASSERT_TRUE(QTest::qWaitForWindowExposed(items));
            items->setActiveAction(nullptr);
            std::vector<PaintedText> texts;
            for (QAction* item : items->actions())
                texts.push_back({item->text().toStdString(), item, items->actionGeometry(item)});
            ExpectReadable(items, texts);
            items->hide();
        }
    }
    UseTheme("");
}

// The Help boxes' texts and OK buttons, and the About window's labels over
// its picture.
TEST(Contrast, EveryTextOfTheHelpBoxesAndTheAboutWindow) {
    for (const char* theme : kThemes) {
        SCOPED_TRACE(theme);
        UseTheme(theme);
        for (const int item : {1, 2, 3}) {
            testing::OnNextModal([](QWidget* modal) {
                ASSERT_TRUE(QTest::qWaitForWindowExposed(modal));
                std::vector<PaintedText> texts;
                for (QWidget* text : modal->findChildren<QWidget*>())
                    if ((qobject_cast<QLabel*>(text) || qobject_cast<QAbstractButton*>(text)) &&
                        text->isVisible() && !text->property("text").toString().isEmpty())
                        texts.push_back(In(modal, text));
                EXPECT_GE(texts.size(), 2U);
                ExpectReadable(modal, texts);
                testing::Dismiss(modal);
            });
            mnuHelpItems_Click(static_cast<std::int16_t>(item));
        }
    }
    UseTheme("");
}

}  // namespace
}  // namespace zembra
