// SPDX-License-Identifier: MIT
// frmMain driven as a user drives it, headless: start-up and titles, then
// 20,000 random actions kept in step with the core, checking texts, colours,
// modes, change chains, caret, pointers and what assistive technology learns.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <random>
#include <utility>

#include "core/memory_fields.h"
#include "ui/main/frm_main.h"
#include "ui/main/qt_text.h"
#include "ui/main/text_box.h"

namespace zembra::testing {
namespace {

constexpr unsigned kSeed = 20261207u;
constexpr BackColor kUnpainted = 0xFF000000;  // the toolkit's own background

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QApplication::processEvents();  // the caret move that focusing sends
        expected.AttachFieldReactions();
        for (auto* reaction : {&expected.onDecimalChange, &expected.onAfsChange}) {
            *reaction = [this, run = std::move(*reaction)] {
                ++coreReactions;
                run();
            };
        }
        // The user changes only the enabled field; the converters write the other.
        QObject::connect(txtDec, &QLineEdit::textChanged, &window, [this](const QString& t) {
            if (txtDec->isEnabled()) expected.SetDecimalText(ToText(t));
        });
        QObject::connect(txtAFS, &QLineEdit::textChanged, &window, [this](const QString& t) {
            if (txtAFS->isEnabled()) expected.SetAfsText(ToText(t));
        });
    }

    bool DecimalToAfs() const { return mnuActionItems1->isChecked(); }
    QLineEdit* InputField() const { return DecimalToAfs() ? txtDec : txtAFS; }
    QRect InClient(const QWidget* w) const {
        return {w->mapTo(window.centralWidget(), QPoint()), w->size()};
    }

    // With no widget QTest sends keys where a user's go: to an open menu, the
    // focused widget or the active window. Keys and clicks may move the focus,
    // after which a field moves its caret: events are processed then.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
        QApplication::processEvents();
    }
    static void Type(const QString& keys) {
        QTest::keyClicks(static_cast<QWidget*>(nullptr), keys);
    }
    static void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_V, Qt::ControlModifier);
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    QString RandomText(int length) {
        static const QString kKeys = QStringLiteral("0123456789012345678901234567-+.e&H abfHoODd-");
        QString text;
        while (length-- > 0) text += kKeys[Pick(0, static_cast<int>(kKeys.size()) - 1)];
        return text;
    }
    QString RandomPaste() {
        const int kind = Pick(0, 3);
        if (kind == 0) return QString::number(Pick(0, 2100));
        if (kind == 1)
            return QString::asprintf("%02d-%02d%d", Pick(0, 17), Pick(0, 17), Pick(0, 9));
        return kind == 2 ? InputField()->text() : RandomText(Pick(0, 100));
    }

    // A click that gives focus leaves the caret at the end with nothing
    // selected, wherever it lands; once the field has focus, a click places
    // the caret where it lands.
    void Click() {
        QLineEdit* field = InputField();
        const QPoint at(Pick(1, field->width() - 2), field->height() / 2);
        if (Pick(0, 1) == 0) field->clearFocus();
        const bool focusing = !field->hasFocus();
        const int caret =
            focusing ? static_cast<int>(field->text().size()) : field->cursorPositionAt(at);
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
        EXPECT_EQ(field->cursorPosition(), caret);
        EXPECT_FALSE(field->hasSelectedText());
    }

    // A typed character lands at the caret, which stays behind it: the
    // window does not write the typed text back under the user's caret.
    void TypeOne() {
        QLineEdit* field = InputField();
        const bool focused = field->hasFocus();
        const int at = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
        Type(RandomText(1));
        if (focused) {
            EXPECT_EQ(field->cursorPosition(), at + 1);
        }
    }

    // Either item flips the mode, checked or not. Qt shows a disabled
    // widget's parent's cursor, so the pointers are asked of the window.
    void Switch() {
        window.findChild<QAction*>(QStringLiteral("mnuActionItems%1").arg(Pick(1, 2)))->trigger();
        expected.ToggleMode();
        for (QLineEdit* over : {txtDec, txtAFS}) {
            QTest::mouseMove(window.findChild<QLabel*>("Label1"));
            QTest::mouseMove(over, over->rect().center());
            EXPECT_EQ(window.windowHandle()->cursor().shape(),
                      over == InputField() ? Qt::IBeamCursor : Qt::ForbiddenCursor);
        }
    }

    const char* Act() {
        const int roll = Pick(0, 99);
        const Qt::Key moves[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
        const Qt::KeyboardModifier select = Pick(0, 2) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        if (roll < 50) return TypeOne(), "type";
        if (roll < 58) return Key(Qt::Key_Backspace), "backspace";
        if (roll < 63) return Key(Qt::Key_Delete), "delete";
        if (roll < 69) return Key(moves[Pick(0, 3)], select), "move";
        if (roll < 77) return Paste(RandomPaste()), "paste";
        if (roll < 82) return Switch(), "switch";
        if (roll < 88) return Click(), "click";
        if (roll < 92) return Key(Qt::Key_Z, Qt::ControlModifier), "undo";
        return Key(Qt::Key_Tab), "tab";
    }

    // The labels stay put while the fields swap rows: each names the field
    // beside it for assistive technology, which learns of red without colour.
    void ExpectInStep() {
        QLineEdit* output = DecimalToAfs() ? txtAFS : txtDec;
        EXPECT_NE(DecimalToAfs(), window.findChild<QAction*>("mnuActionItems2")->isChecked());
        EXPECT_EQ(DecimalToAfs(), expected.decimalToAfsChecked);
        EXPECT_EQ(InClient(InputField()).top(), 12);
        EXPECT_EQ(InClient(output).top(), 48);
        EXPECT_TRUE(InputField()->isEnabled() && !output->isEnabled() && !txtHex->isEnabled());
        EXPECT_EQ(ToText(txtDec->text()), expected.decimalText);
        EXPECT_EQ(ToText(txtAFS->text()), expected.afsText);
        EXPECT_EQ(ToText(txtHex->text()), expected.hexText);
        EXPECT_EQ(Painted(txtDec), expected.decimalBackColor);
        EXPECT_EQ(Painted(txtAFS), expected.afsBackColor.value_or(kUnpainted));
        // Each change ran its reaction once, as in the core; the same text
        // typed over a selection and a switch of mode ran nothing.
        EXPECT_EQ(window.model().Reactions(), coreReactions);

        QStringList labelled;
        for (const char* name : {"lblDec", "lblAFS", "Label1"}) {
            auto* label = window.findChild<QLabel*>(name);
            for (const auto& [field, kind] :
                 QAccessible::queryAccessibleInterface(label)->relations(QAccessible::Labelled))
                labelled << label->text() + " " + field->text(QAccessible::Name);
        }
        EXPECT_EQ(labelled,
                  (QStringList{DecimalToAfs() ? "DEC Decimal" : "AFS AFS",
                               DecimalToAfs() ? "AFS AFS" : "DEC Decimal", "HEX Hexadecimal"}));
        const bool red = Painted(output) == kInvalidColor;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(output)->text(QAccessible::Description),
                  red ? kInvalidEntry : "");
        const QImage shot = output->grab().toImage();  // the toolkit paints the red
        EXPECT_EQ(shot.pixelColor(6, 3) == QColor(Qt::red), red);
    }
    // The colour the field shows in every state as 0x00BBGGRR, else kUnpainted.
    static BackColor Painted(const QLineEdit* field) {
        const QPalette& p = field->palette();
        const QColor c = p.color(QPalette::Active, QPalette::Base);
        const bool all = p.color(QPalette::Inactive, QPalette::Base) == c &&
                         p.color(QPalette::Disabled, QPalette::Base) == c;
        return all ? static_cast<BackColor>(c.red() | c.green() << 8 | c.blue() << 16) : kUnpainted;
    }

    frmMain window;
    QAction* mnuActionItems1 = window.findChild<QAction*>("mnuActionItems1");
    QLineEdit* txtDec = window.findChild<QLineEdit*>("txtDec");
    QLineEdit* txtAFS = window.findChild<QLineEdit*>("txtAFS");
    QLineEdit* txtHex = window.findChild<QLineEdit*>("txtHex");
    std::mt19937 random{kSeed};
    MemoryFields expected;
    std::uint64_t coreReactions = 0;
};

// The texts, mode and colours at start-up, and that nothing converts then,
// the monkey test checks.
TEST_F(WindowTest, OpensCentredWithTheCaretAfterTheDecimalText) {
    ASSERT_EQ(QApplication::focusWidget(), txtDec);
    EXPECT_EQ(txtDec->cursorPosition(), 1);
    EXPECT_FALSE(txtDec->hasSelectedText());
    const QPoint offCentre =
        window.geometry().center() - window.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1);
    EXPECT_EQ(window.windowTitle(), "Zembra");
    window.showMinimized();
    EXPECT_EQ(window.windowTitle(), "Zembra, v1.0.1");
    window.showNormal();
    EXPECT_EQ(window.windowTitle(), "Zembra");
}

TEST_F(WindowTest, RandomActionsKeepTheWindowInStepWithTheCore) {
    std::printf("monkey: seed %u, 20000 actions\n", kSeed);
    ExpectInStep();
    for (int n = 0; n < 20000 && !HasFailure(); ++n) {
        SCOPED_TRACE(::testing::Message() << "action " << n);
        const char* action = Act();
        SCOPED_TRACE(action);
        ExpectInStep();
    }
}

}  // namespace
}  // namespace zembra::testing
