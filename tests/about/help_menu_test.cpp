// SPDX-License-Identifier: MIT
// mnuHelpItems_Click's message boxes, read from the open box: text, title,
// icon and buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QString>

#include "modal_helpers.h"
#include "ui/main/help_menu.h"
#include "ui/main/help_texts.h"

namespace zembra {
namespace {

struct BoxCase {
    const char* name;
    std::int16_t index;
    QString (*text)();
    QString title;
};

class HelpBox : public ::testing::TestWithParam<BoxCase> {};

// What the open box showed, captured before it is dismissed.
struct Seen {
    bool isBox = false;
    QString title;
    QString label;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    int buttonCount = 0;
    bool applicationModal = false;
};

Seen ShowAndDismiss(std::int16_t index) {
    Seen seen;
    testing::OnNextModal([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen.isBox = box != nullptr;
        if (box == nullptr) {
            modal->close();
            return;
        }
        seen.title = box->windowTitle();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        seen.label = label != nullptr ? label->text() : QString();
        seen.format = label != nullptr ? label->textFormat() : Qt::AutoText;
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.buttonCount = static_cast<int>(box->buttons().size());
        seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
        box->button(QMessageBox::Ok)->click();
    });
    mnuHelpItems_Click(index);
    return seen;
}

TEST_P(HelpBox, ShowsItsTextUnchangedWithInformationIconAndOk) {
    const BoxCase& c = GetParam();
    const Seen seen = ShowAndDismiss(c.index);
    ASSERT_TRUE(seen.isBox);
    EXPECT_EQ(seen.title, c.title);
    EXPECT_EQ(seen.label, c.text());
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.buttonCount, 1);
    EXPECT_TRUE(seen.applicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Items, HelpBox,
                         ::testing::Values(BoxCase{"Help", 1, &HelpText, QStringLiteral(" Help")},
                                           BoxCase{"LicenseInfo", 2, &LicenceText,
                                                   QStringLiteral("Help Information")}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(HelpMenu, OtherIndexesDoNothing) {
    const auto before = QApplication::topLevelWidgets().size();
    for (std::int16_t index : {std::int16_t{0}, std::int16_t{4}, std::int16_t{-1},
                               std::int16_t{32767}, std::int16_t{-32768}}) {
        SCOPED_TRACE(index);
        mnuHelpItems_Click(index);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
    }
}

}  // namespace
}  // namespace zembra
