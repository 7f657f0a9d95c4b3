// SPDX-License-Identifier: MIT
// The Action menu flips the conversion mode whichever item is chosen, and
// each mode has exactly one layout; a switch touches no text or colour.
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "window_fixture.h"

namespace zembra::testing {
namespace {

struct Layout {
    int decTop;
    int afsTop;
    const char* upper;
    const char* lower;
    bool decEnabled;
    bool item1Checked;
};
constexpr Layout kDecimalToAfs{12, 48, "DEC", "AFS", true, true};
constexpr Layout kAfsToDecimal{48, 12, "AFS", "DEC", false, false};

class ModeTest : public WindowTest {
protected:
    void ExpectLayout(const Layout& layout) {
        EXPECT_EQ(InClient(txtDec).top(), layout.decTop);
        EXPECT_EQ(InClient(txtAFS).top(), layout.afsTop);
        EXPECT_EQ(Label("lblDec")->text(), layout.upper);
        EXPECT_EQ(Label("lblAFS")->text(), layout.lower);
        EXPECT_EQ(txtDec->isEnabled(), layout.decEnabled);
        EXPECT_EQ(txtAFS->isEnabled(), !layout.decEnabled);
        EXPECT_FALSE(txtHex->isEnabled());
        EXPECT_EQ(Item("mnuActionItems1")->isChecked(), layout.item1Checked);
        EXPECT_EQ(Item("mnuActionItems2")->isChecked(), !layout.item1Checked);
        EXPECT_EQ(InClient(txtDec).size(), QSize(109, 28));
        EXPECT_EQ(InClient(txtAFS).size(), QSize(109, 28));
    }

    // The shape the window shows when the pointer enters a field: a disabled
    // widget never shows its own cursor, so this asks the native window.
    Qt::CursorShape PointerOver(QLineEdit* field) {
        QTest::mouseMove(Label("Label1"));
        QTest::mouseMove(field, field->rect().center());
        QApplication::processEvents();
        return window->windowHandle()->cursor().shape();
    }
};

TEST_F(ModeTest, StartsInDecimalToAfs) { ExpectLayout(kDecimalToAfs); }

struct Choice {
    const char* name;
    bool startInAfsToDecimal;
    const char* item;
};

class ChoiceTest : public ModeTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(ChoiceTest, EitherItemFlipsTheModeAndTwoChoicesRestoreIt) {
    if (GetParam().startInAfsToDecimal) SwitchMode();
    const Layout& before = GetParam().startInAfsToDecimal ? kAfsToDecimal : kDecimalToAfs;
    const Layout& after = GetParam().startInAfsToDecimal ? kDecimalToAfs : kAfsToDecimal;
    Choose(GetParam().item);
    ExpectLayout(after);
    Choose(GetParam().item);
    ExpectLayout(before);
}

INSTANTIATE_TEST_SUITE_P(ActionMenu, ChoiceTest,
                         ::testing::Values(Choice{"CheckedDecimalToAfs", false, "mnuActionItems1"},
                                           Choice{"UncheckedAfsToDecimal", false,
                                                  "mnuActionItems2"},
                                           Choice{"UncheckedDecimalToAfs", true, "mnuActionItems1"},
                                           Choice{"CheckedAfsToDecimal", true, "mnuActionItems2"}),
                         RowName<Choice>);

TEST_F(ModeTest, ASwitchKeepsTextsAndColoursAndConvertsNothing) {
    Type("1234");
    Type("5");  // 12345: out of range, txtAFS turns red
    const QColor afsColour = Base(txtAFS, QPalette::Disabled);
    ASSERT_EQ(afsColour, QColor(Qt::red));
    window->ops.clear();
    SwitchMode();
    EXPECT_EQ(txtDec->text(), "012345");
    EXPECT_EQ(txtAFS->text(), "09-102");
    EXPECT_EQ(txtHex->text(), "3039");
    EXPECT_EQ(Base(txtAFS, QPalette::Active), afsColour);
    EXPECT_EQ(Base(txtDec, QPalette::Disabled), QColor(Qt::white));
    EXPECT_TRUE(window->ops.empty());
}

TEST_F(ModeTest, OnlyTheOutputFieldShowsTheNoDropPointer) {
    EXPECT_EQ(PointerOver(txtAFS), Qt::ForbiddenCursor);
    EXPECT_EQ(PointerOver(txtDec), Qt::IBeamCursor);
    SwitchMode();
    EXPECT_EQ(PointerOver(txtDec), Qt::ForbiddenCursor);
    EXPECT_EQ(PointerOver(txtAFS), Qt::IBeamCursor);
    EXPECT_NE(PointerOver(txtHex), Qt::ForbiddenCursor);
}

TEST_F(ModeTest, TheMenuOpensWithAltAAndItsAccessKeysChoose) {
    QMenu* action = window->findChild<QMenu*>("mnuAction");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->title(), "&Action");
    QStringList captions;
    for (QAction* item : action->actions()) captions << item->text();
    EXPECT_EQ(captions, (QStringList{"&Decimal to AFS", "&AFS to Decimal"}));

    for (const Layout* expected : {&kAfsToDecimal, &kDecimalToAfs}) {
        QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(action->isVisible());
        QTest::keyClick(action, Qt::Key_D);  // "&Decimal to AFS", checked or not
        QTRY_VERIFY(!action->isVisible());
        ExpectLayout(*expected);
    }
}

TEST_F(ModeTest, HelpMenuHasItsThreeItems) {
    QMenu* help = window->findChild<QMenu*>("mnuHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->title(), "&Help");
    QStringList names;
    QStringList captions;
    for (QAction* item : help->actions()) {
        names << item->objectName();
        captions << item->text();
        EXPECT_FALSE(item->isCheckable());
    }
    EXPECT_EQ(names, (QStringList{"mnuHelpItems1", "mnuHelpItems2", "mnuHelpItems3"}));
    EXPECT_EQ(captions, (QStringList{"&Help", "&License Info", "&About"}));
}

}  // namespace
}  // namespace zembra::testing
