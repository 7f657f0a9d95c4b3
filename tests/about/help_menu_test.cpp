// SPDX-License-Identifier: MIT
// The Help menu: exact texts; each item by its access key in frmMain, boxes read
// while open, the main window left as it was; many openings leave nothing behind.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <cstdint>

#include "modal_helpers.h"
#include "ui/design/help_texts.h"
#include "ui/main/frm_main.h"
#include "ui/main/help_menu.h"

namespace zembra {
namespace {

const QString kHelp = QStringLiteral(
                          "  Use the Action menu item to select the numbering system   \n"
                          "you want to convert from and to.  Then...\n"
                          "\n"
                          "  Enter decimal numbers to convert them to EDACS AFS or    \n"
                          "EDACS AFS numbers to convert them to decimal forms.    \n"
                          "\n"
                          "  The background of the number system you are trying to    \n"
                          "convert to will turn red with invalid entries.\n"
                          "\n"
                          "  Contact me at %1 should you need to.   \n")
                          .arg(QString::fromLatin1(kContactAddress));

const QString kLicence = QStringLiteral(
    "    This program is free software, offered for information    \n"
    "  only. You use it entirely at your own risk;   \n"
    "  there is no warranty of any kind for the use of  \n"
    "  the software.\n"
    "\n"
    "    Do not use it for any purpose, in any way \n"
    "  or with any equipment for which    \n"
    "  it was not designed.\n"
    "\n"
    "    You may copy it and give it away freely, but do  \n"
    "  ensure you share all the files!\n"
    "\n"
    "    The author accepts no liability for any damages\n"
    "  arising from the program, including the loss\n"
    "  of data, of time or of money, or any loss   \n"
    "  of income or work through its use.\n"
    "\n"
    "    EDACS is a registered trademark of M/A-COM,      \n"
    "  Inc.\n"
    "\n");

// The boxes show these texts exactly (HelpItem); their lengths guard the
// blanks at the lines' ends against an editor that strips them.
TEST(HelpTexts, KeepTheirBlanks) {
    EXPECT_EQ(kHelp.size() - QString::fromLatin1(kContactAddress).size(), 369);
    EXPECT_EQ(kLicence.size(), 625);
}

// Everything of frmMain that a Help item could disturb.
QStringList State(const frmMain& window) {
    QStringList state{window.windowTitle()};
    for (const auto* field : window.findChildren<QLineEdit*>()) {
        state << field->text() << QString::number(field->isEnabled())
              << field->palette().color(QPalette::Active, QPalette::Base).name();
    }
    for (const auto* item : window.findChildren<QAction*>())
        state << QString::number(item->isChecked());
    return state;
}

struct ItemCase {
    const char* name;
    Qt::Key key;  // after Alt+H
    QString title;
    const QString* text;  // a box's text, null for the About window
};

class HelpItem : public ::testing::TestWithParam<ItemCase> {};

TEST_P(HelpItem, OpensByItsAccessKeyAndLeavesTheMainWindowAsItWas) {
    const ItemCase& c = GetParam();
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* txtDec = window.findChild<QLineEdit*>(QStringLiteral("txtDec"));
    auto* help = window.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    ASSERT_TRUE(txtDec != nullptr && help != nullptr);
    txtDec->selectAll();
    QTest::keyClicks(txtDec, QStringLiteral("123"));
    const QStringList before = State(window);

    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(help->isVisible());
    testing::OnNextModal([&c](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), c.title);
        if (c.text != nullptr) {
            // Read from the open box: the text unchanged, as plain text.
            auto* box = qobject_cast<QMessageBox*>(modal);
            const auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_TRUE(box != nullptr && label != nullptr);
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->buttons(), QList<QAbstractButton*>{box->button(QMessageBox::Ok)});
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->text(), *c.text);
        }
        testing::Dismiss(modal);
    });
    QTest::keyClick(help, c.key);  // returns once the window has closed
    QTRY_VERIFY(!help->isVisible());
    EXPECT_EQ(State(window), before);
    QTest::keyClicks(txtDec, QStringLiteral("4"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtAFS"))->text(), "09-102");
}

INSTANTIATE_TEST_SUITE_P(
    Items, HelpItem,
    ::testing::Values(ItemCase{"Help", Qt::Key_H, QStringLiteral(" Help"), &kHelp},
                      ItemCase{"LicenseInfo", Qt::Key_L, QStringLiteral("Help Information"),
                               &kLicence},
                      ItemCase{"About", Qt::Key_A, QStringLiteral("  Zembra"), nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HelpMenu, FiveHundredOpeningsOfEachAndOtherIndexesLeaveNoWindowBehind) {
    const auto topLevels = QApplication::topLevelWidgets().size();
    QElapsedTimer clock;
    clock.start();
    mnuHelpItems_Click(0);
    mnuHelpItems_Click(4);
    EXPECT_LT(clock.elapsed(), 1000) << "index 0 or 4 opened a window";
    for (int i = 0; i < 1500; ++i) {  // 500 of each item
        testing::OnNextModal(&testing::Dismiss);
        mnuHelpItems_Click(static_cast<std::int16_t>(1 + i % 3));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels);
}

}  // namespace
}  // namespace zembra
