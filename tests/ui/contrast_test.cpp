// SPDX-License-Identifier: MIT
// Every text both windows and the Help boxes paint reads at 4.5:1 or better
// against what is painted behind it, in the default, a dark and a
// high-contrast theme, and a disabled field reads fainter than an enabled
// one. The colours are measured in grabbed pixels, not read from palette
// roles, which may not be what gets painted.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "modal_helpers.h"
#include "ui/about/frm_about.h"
#include "ui/common/readable_text.h"
#include "ui/main/frm_main.h"
#include "ui/main/help_menu.h"

namespace zembra {
namespace {

// The measuring stick of the tests below.
TEST(ContrastRatio, FollowsTheWcagFormula) {
    const std::tuple<QColor, QColor, double> rows[] = {{Qt::black, Qt::white, 21.0},
                                                       {Qt::red, Qt::white, 4.0},
                                                       {Qt::red, Qt::black, 5.25},
                                                       {QColor(0x595959), Qt::white, 7.0}};
    for (const auto& [a, b, ratio] : rows) {
        EXPECT_NEAR(ContrastRatio(a, b), ratio, 0.01) << a.name().toStdString();
        EXPECT_NEAR(ContrastRatio(b, a), ratio, 0.01) << "either order";
    }
}

// A scheme file in qt6ct's format: 21 colours a group, in QPalette's role order.
QPalette LoadScheme(const char* file) {
    QSettings scheme(QStringLiteral(ZEMBRA_PALETTE_DIR "/") + QString::fromLatin1(file),
                     QSettings::IniFormat);
    EXPECT_EQ(scheme.status(), QSettings::NoError) << file;
    QPalette palette;
    const std::pair<QPalette::ColorGroup, const char*> groups[] = {
        {QPalette::Active, "ColorScheme/active_colors"},
        {QPalette::Inactive, "ColorScheme/inactive_colors"},
        {QPalette::Disabled, "ColorScheme/disabled_colors"}};
    for (const auto& [group, key] : groups) {
        const QStringList colours = scheme.value(QString::fromLatin1(key)).toStringList();
        EXPECT_EQ(colours.size(), QPalette::NColorRoles) << file << " " << key;
        for (int role = 0; role < colours.size() && role < QPalette::NColorRoles; ++role)
            palette.setColor(group, QPalette::ColorRole(role), QColor(colours[role].trimmed()));
    }
    return palette;
}

struct Theme {
    const char* name;
    const char* scheme;  // none: the style's own light palette
    QPalette Palette() const {
        return scheme ? LoadScheme(scheme) : QApplication::style()->standardPalette();
    }
};

// How well text stands out: the contrast that the most contrasting tenth of
// its pixels reach against what is behind them. Those are the glyphs'
// cores, in the text's own colour; antialiasing blends the edges into the
// background. Invisible text, with no pixel of its own, counts as 1.
double CoreContrast(std::vector<double> ratios) {
    if (ratios.empty()) return 1.0;
    std::sort(ratios.begin(), ratios.end(), std::greater<>());
    return ratios[ratios.size() / 10];
}

// Text on a plain background, which is the colour most pixels have.
double TextContrast(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    std::vector<double> ratios;
    for (const auto& [colour, count] : counts)
        if (colour != background)
            ratios.insert(ratios.end(), static_cast<std::size_t>(count),
                          ContrastRatio(QColor(colour), QColor(background)));
    return CoreContrast(ratios);
}

// A field's inside, without its frame.
double FieldTextContrast(QLineEdit* field) {
    return TextContrast(field->grab(field->rect().adjusted(4, 4, -4, -4)).toImage());
}

// Text over a picture: each pixel the text changes, against the same pixel
// without the text.
double TextContrastOver(const QImage& withText, const QImage& without) {
    std::vector<double> ratios;
    for (int y = 0; y < withText.height(); ++y)
        for (int x = 0; x < withText.width(); ++x)
            if (withText.pixel(x, y) != without.pixel(x, y))
                ratios.push_back(
                    ContrastRatio(QColor(withText.pixel(x, y)), QColor(without.pixel(x, y))));
    return CoreContrast(ratios);
}

class Contrast : public ::testing::TestWithParam<Theme> {
protected:
    void SetUp() override { QApplication::setPalette(GetParam().Palette()); }
    void TearDown() override { QApplication::setPalette(QApplication::style()->standardPalette()); }

    static double Expect(const std::string& text, double ratio) {
        EXPECT_GE(ratio, kReadableContrast) << text;
        return ratio;
    }
};

TEST_P(Contrast, EveryTextOfTheMainWindowInEveryState) {
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (QLabel* label : window.findChildren<QLabel*>())
        Expect(label->objectName().toStdString(), TextContrast(label->grab().toImage()));

    // Between them the steps show each field enabled and disabled, on white,
    // on red and (txtAFS) unpainted. A disabled field reads fainter than the
    // same field enabled on the same background, yet readable.
    auto* item1 = window.findChild<QAction*>(QStringLiteral("mnuActionItems1"));
    auto* txtDec = window.findChild<QLineEdit*>(QStringLiteral("txtDec"));
    auto* txtAFS = window.findChild<QLineEdit*>(QStringLiteral("txtAFS"));
    std::map<std::pair<QString, QRgb>, std::map<bool, double>> ratios;
    // Entries go into the enabled field; "" switches the mode.
    for (const char* step : {"as built", "", "16-000", "", "3000", "", "", "1234", ""}) {
        QLineEdit* input = txtDec->isEnabled() ? txtDec : txtAFS;
        if (*step == '\0') item1->trigger();
        if (std::isdigit(*step)) {
            input->selectAll();
            QTest::keyClicks(input, QString::fromLatin1(step));
        }
        for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
            const QColor base = field->palette().color(QPalette::Base);
            const std::string state = field->objectName().toStdString() +
                                      (field->isEnabled() ? ", enabled on " : ", disabled on ") +
                                      base.name().toStdString();
            ratios[{field->objectName(), base.rgb()}][field->isEnabled()] =
                Expect(state, FieldTextContrast(field));
        }
    }
    int compared = 0;
    for (const auto& [field, byEnabled] : ratios) {
        // Muted, text on red would not read: there it keeps its colour.
        if (byEnabled.size() < 2 || field.second == QColor(Qt::red).rgb()) continue;
        EXPECT_LT(byEnabled.at(false), byEnabled.at(true)) << field.first.toStdString();
        ++compared;
    }
    EXPECT_GE(compared, 2) << "txtDec and txtAFS on white";

    // The menu bar's captions, and each menu's items, none of them chosen.
    QMenuBar* bar = window.menuBar();
    const QImage barImage = bar->grab().toImage();
    for (QAction* menu : bar->actions()) {
        Expect("menu bar " + menu->text().toStdString(),
               TextContrast(barImage.copy(bar->actionGeometry(menu))));
        QMenu* items = menu->menu();
        items->popup(window.mapToGlobal(QPoint()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(items));
        items->setActiveAction(nullptr);
        const QImage itemsImage = items->grab().toImage();
        for (QAction* item : items->actions())
            Expect(item->text().toStdString(),
                   TextContrast(itemsImage.copy(items->actionGeometry(item))));
        items->hide();
    }
}

TEST_P(Contrast, TheHelpBoxes) {
    for (const int item : {1, 2}) {
        testing::OnNextModal([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
            Expect(box->windowTitle().toStdString() + " text",
                   TextContrast(box->findChild<QLabel*>("qt_msgbox_label")->grab().toImage()));
            // The button's face is a gradient: compare it with and without its caption.
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            const QImage withCaption = ok->grab().toImage();
            ok->setText(QString());
            Expect(box->windowTitle().toStdString() + " OK",
                   TextContrastOver(withCaption, ok->grab().toImage()));
            testing::Dismiss(box);
        });
        mnuHelpItems_Click(static_cast<std::int16_t>(item));
    }
}

TEST_P(Contrast, TheAboutLabelsOverThePicture) {
    testing::OnNextModal([](QWidget* about) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
        const QImage withText = about->grab().toImage();
        const QList<QLabel*> labels = about->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 6);
        for (QLabel* label : labels) label->hide();
        const QImage picture = about->grab().toImage();
        for (QLabel* label : labels) {
            const QRect area(label->mapTo(about, QPoint()), label->size());
            Expect(label->objectName().toStdString(),
                   TextContrastOver(withText.copy(area), picture.copy(area)));
        }
        testing::Dismiss(about);
    });
    AboutForm().Show();
}

// A desktop that switches its theme while the program runs: the field the
// program does not paint takes the new theme's background, and its text
// must follow.
TEST(ContrastAfterThemeChange, TheUnpaintedFieldStaysReadable) {
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setPalette(LoadScheme("high-contrast.conf"));
    const double ratio = FieldTextContrast(window.findChild<QLineEdit*>("txtAFS"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    EXPECT_GE(ratio, kReadableContrast);
}

INSTANTIATE_TEST_SUITE_P(Themes, Contrast,
                         ::testing::Values(Theme{"Default", nullptr}, Theme{"Dark", "dark.conf"},
                                           Theme{"HighContrast", "high-contrast.conf"}),
                         [](const auto& theme) { return std::string(theme.param.name); });

}  // namespace
}  // namespace zembra
