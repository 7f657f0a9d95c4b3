// SPDX-License-Identifier: MIT
// The window as it opens: texts, geometry at 96 DPI, frame, fonts, focus and
// caret, tab order, titles, and the first keystrokes.
#include <QFontInfo>
#include <QScreen>
#include <QWindow>

#include "app/version.h"
#include "window_fixture.h"

namespace zembra::testing {
namespace {

TEST_F(WindowTest, OpensWithTheDesignTextsAndTitle) {
    EXPECT_EQ(txtDec->text(), "0");
    EXPECT_EQ(txtAFS->text(), "00-000");
    EXPECT_EQ(txtHex->text(), "0");
    EXPECT_EQ(Label("Label1")->text(), "HEX");
    EXPECT_EQ(window->windowTitle(), "Zembra");
    EXPECT_EQ(window->objectName(), "frmMain");
    EXPECT_TRUE(window->ops.empty()) << "nothing converts at start-up";
}

TEST_F(WindowTest, ControlsStandWhereTheDesignPutsThemAt96Dpi) {
    ASSERT_EQ(window->logicalDpiX(), 96);
    ASSERT_EQ(window->logicalDpiY(), 96);
    struct Row {
        const char* name;
        QRect pixels;
    };
    const Row rows[] = {
        {"txtDec", {68, 12, 109, 28}},  {"txtAFS", {68, 48, 109, 28}},
        {"txtHex", {68, 104, 109, 28}}, {"lblDec", {16, 20, 49, 25}},
        {"lblAFS", {20, 56, 41, 25}},   {"Label1", {16, 108, 49, 25}},
        {"Line1", {0, 0, 201, 1}},      {"Line2", {12, 92, 180, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* control = window->findChild<QWidget*>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(InClient(control), row.pixels);
    }
    EXPECT_EQ(window->centralWidget()->size(), QSize(203, 143));
}

TEST_F(WindowTest, FrameIconFontsAndPlace) {
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});

    // Centred before the frame exists: off by at most the frame's width.
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    const QMargins frame = window->windowHandle()->frameMargins();
    EXPECT_LE((window->geometry().center() - screenCentre).manhattanLength(),
              frame.left() + frame.top() + 1);

    for (QWidget* control : std::initializer_list<QWidget*>{txtDec, txtAFS, txtHex, Label("lblDec"),
                                                            Label("lblAFS"), Label("Label1")}) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_EQ(control->font().pointSizeF(), 13.5);
        EXPECT_EQ(control->font().weight(), QFont::Normal);
        const QString family = QFontInfo(control->font()).family();
        EXPECT_TRUE(family == "MS Sans Serif" || family == "DejaVu Sans") << family.toStdString();
    }
    EXPECT_TRUE(txtDec->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(Label("lblDec")->alignment() & Qt::AlignHCenter);
}

TEST_F(WindowTest, FocusStartsInTxtDecWithTheCaretBehindTheZero) {
    EXPECT_EQ(QApplication::focusWidget(), txtDec);
    EXPECT_EQ(txtDec->cursorPosition(), 1);
    EXPECT_FALSE(txtDec->hasSelectedText());

    Type("1234");
    EXPECT_EQ(txtDec->text(), "01234");
    EXPECT_EQ(txtAFS->text(), "09-102");
    EXPECT_EQ(txtHex->text(), "4D2");
}

TEST_F(WindowTest, TabOrderRunsDecAfsHex) {
    QStringList fields;
    QWidget* widget = txtDec;
    do {
        if (auto* field = qobject_cast<QLineEdit*>(widget)) fields << field->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != txtDec);
    EXPECT_EQ(fields, (QStringList{"txtDec", "txtAFS", "txtHex"}));
    EXPECT_FALSE(txtHex->isEnabled());
}

TEST_F(WindowTest, TitleFollowsTheWindowState) {
    EXPECT_EQ(VersionText(), "1.0.1");
    for (int round = 0; round < 2; ++round) {
        window->showMinimized();
        EXPECT_EQ(window->windowTitle(), "Zembra, v1.0.1");
        window->showNormal();
        EXPECT_EQ(window->windowTitle(), "Zembra");
    }
    window->resize(300, 250);
    QApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), "Zembra");
    EXPECT_EQ(InClient(txtDec).topLeft(), QPoint(68, 12)) << "resizing moves nothing";
}

TEST(WindowDesign, CaptionBeforeTheWindowIsShown) {
    frmMain hidden;
    EXPECT_EQ(hidden.windowTitle(), "Zembra Converter");
}

}  // namespace
}  // namespace zembra::testing
