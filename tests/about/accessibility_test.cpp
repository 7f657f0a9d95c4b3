// SPDX-License-Identifier: MIT
// The Help menu chosen from the keyboard by its access keys, and the About
// window's texts as a screen reader reads them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/version.h"
#include "modal_helpers.h"
#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"

namespace zembra {
namespace {

// Closes a message box with OK and the About window as its timer does.
void Dismiss(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->button(QMessageBox::Ok)->click();
    } else {
        AboutForm().Timer1_Timer();
    }
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    QString title;
};

class HelpAccessKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(HelpAccessKeys, AltHThenTheItemLetterOpensIt) {
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* help = window.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    ASSERT_NE(help, nullptr);

    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(help->isVisible());
    QString title;
    testing::OnNextModal([&title](QWidget* modal) {
        title = modal->windowTitle();
        Dismiss(modal);
    });
    QTest::keyClick(help, GetParam().key);  // returns once the modal window has closed
    EXPECT_EQ(title, GetParam().title);
    QTRY_VERIFY(!help->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Items, HelpAccessKeys,
                         ::testing::Values(KeyCase{"Help", Qt::Key_H, QStringLiteral(" Help")},
                                           KeyCase{"LicenseInfo", Qt::Key_L,
                                                   QStringLiteral("Help Information")},
                                           KeyCase{"About", Qt::Key_A, QStringLiteral("  Zembra")}),
                         [](const auto& row) { return std::string(row.param.name); });

// The texts of the window's accessible tree, depth first, that a screen
// reader reads out as static text.
void CollectStaticTexts(QAccessibleInterface* node, QStringList& texts) {
    if (node->role() == QAccessible::StaticText) texts << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) CollectStaticTexts(node->child(i), texts);
}

TEST(AboutWindowAccessibility, AScreenReaderReadsTheSixCaptionsInOrder) {
    QStringList texts;
    QStringList labelTexts;
    testing::OnNextModal([&](QWidget* modal) {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(modal);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("  Zembra"));
        CollectStaticTexts(window, texts);
        for (const char* name :
             {"lblOpening", "lblBy", "lblCompany", "lblTitle", "lblVersion", "lblCopyright"}) {
            labelTexts << modal->findChild<QLabel*>(QString::fromLatin1(name))->text();
        }
        Dismiss(modal);
    });
    AboutForm().Show();
    EXPECT_EQ(texts, labelTexts);
    EXPECT_EQ(texts, (QStringList{"Another Cheesy Application", "by", "Kestavo Software", "Zembra",
                                  "Version: 1.0.1", QString::fromUtf8(version::kLegalCopyright)}));
}

}  // namespace
}  // namespace zembra
