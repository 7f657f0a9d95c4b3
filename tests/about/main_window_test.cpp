// SPDX-License-Identifier: MIT
// The Help menu as frmMain offers it: each item chosen from the menu opens its
// box or the About window, and once that has closed the main window is as it
// was and takes input again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "modal_helpers.h"
#include "ui/main/frm_main.h"

namespace zembra {
namespace {

// Everything of frmMain that a Help item could disturb.
struct Snapshot {
    QString title;
    QStringList texts;
    QList<QColor> colours;
    QList<bool> enabled;
    QList<QRect> geometry;
    QList<bool> checked;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const frmMain& window) {
    Snapshot s;
    s.title = window.windowTitle();
    for (const char* name : {"txtDec", "txtAFS", "txtHex"}) {
        const auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name));
        s.texts << field->text();
        s.colours << field->palette().color(QPalette::Disabled, QPalette::Base)
                  << field->palette().color(QPalette::Active, QPalette::Base);
        s.enabled << field->isEnabled();
        s.geometry << field->geometry();
    }
    for (const char* name : {"mnuActionItems1", "mnuActionItems2"}) {
        s.checked << window.findChild<QAction*>(QString::fromLatin1(name))->isChecked();
    }
    return s;
}

struct ItemCase {
    const char* name;
    const char* action;
    bool isBox;
};

class HelpItemFromTheMenu : public ::testing::TestWithParam<ItemCase> {};

TEST_P(HelpItemFromTheMenu, ClosesAndLeavesTheMainWindowAsItWas) {
    const ItemCase& c = GetParam();
    frmMain window;
    window.show();
    auto* txtDec = window.findChild<QLineEdit*>(QStringLiteral("txtDec"));
    ASSERT_NE(txtDec, nullptr);
    txtDec->selectAll();
    QTest::keyClicks(txtDec, QStringLiteral("123"));
    const Snapshot before = Take(window);

    bool opened = false;
    testing::OnNextModal([&](QWidget* modal) {
        opened = true;
        EXPECT_NE(modal, &window);
        EXPECT_EQ(qobject_cast<QMessageBox*>(modal) != nullptr, c.isBox);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Ok)->click();
        } else {
            QMetaObject::invokeMethod(modal->findChild<QTimer*>(QStringLiteral("Timer1")),
                                      "timeout");
        }
    });
    auto* item = window.findChild<QAction*>(QString::fromLatin1(c.action));
    ASSERT_NE(item, nullptr);
    item->trigger();

    EXPECT_TRUE(opened);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Take(window) == before);
    QTest::keyClicks(txtDec, QStringLiteral("4"));
    EXPECT_EQ(txtDec->text(), QStringLiteral("1234"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtAFS"))->text(),
              QStringLiteral("09-102"));
}

INSTANTIATE_TEST_SUITE_P(Items, HelpItemFromTheMenu,
                         ::testing::Values(ItemCase{"Help", "mnuHelpItems1", true},
                                           ItemCase{"LicenseInfo", "mnuHelpItems2", true},
                                           ItemCase{"About", "mnuHelpItems3", false}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zembra
