// SPDX-License-Identifier: MIT
// Keystrokes and their change chains: how often each handler and converter
// runs, the field operations in the same order as the in-memory fields make
// them, the colours across mode switches, and the caret on focus.
#include <QElapsedTimer>

#include "ui/main/back_color.h"
#include "ui/main/qt_text.h"
#include "window_fixture.h"

namespace zembra::testing {
namespace {

struct Keystroke {
    const char* name;
    bool afsToDecimal;
    const char* before;  // typed into the input field first
    Qt::Key moveFirst;   // Qt::Key_unknown: the caret stays at the end
    char key;
    int decChanges;
    int afsChanges;
    int converterRuns;
    bool decimalRed;
};

class ChainTest : public WindowTest, public ::testing::WithParamInterface<Keystroke> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        connect(txtDec, [this] { ++decChanges; });
        connect(txtAFS, [this] { ++afsChanges; });
    }
    void connect(QLineEdit* field, std::function<void()> count) {
        QObject::connect(field, &QLineEdit::textChanged, window.get(), count);
    }

    // The in-memory fields in the window's present state, with the same
    // reactions attached.
    void Mirror(MemoryFields& fields) const {
        fields.decimalText = ToText(txtDec->text());
        fields.afsText = ToText(txtAFS->text());
        fields.hexText = ToText(txtHex->text());
        fields.SetDecimalToAfs(DecimalToAfs());
        fields.AttachFieldReactions();
    }

    int decChanges = 0;
    int afsChanges = 0;
};

TEST_P(ChainTest, OneKeystroke) {
    const Keystroke& k = GetParam();
    if (k.afsToDecimal) SwitchMode();
    TypeIntoInput(QString::fromLatin1(k.before));
    if (k.moveFirst != Qt::Key_unknown) Key(k.moveFirst);

    MemoryFields expected;
    Mirror(expected);
    std::vector<Op> expectedOps;
    expected.log = &expectedOps;
    QString typed = InputField()->text();
    typed.insert(InputField()->cursorPosition(), QChar::fromLatin1(k.key));
    if (k.afsToDecimal) {
        expected.SetAfsText(ToText(typed));
    } else {
        expected.SetDecimalText(ToText(typed));
    }
    expectedOps.erase(expectedOps.begin());  // the write that stands for the keystroke

    window->ops.clear();
    decChanges = afsChanges = 0;
    Type(QString(QChar::fromLatin1(k.key)));

    EXPECT_EQ(InputField()->text(), typed);
    EXPECT_EQ(decChanges, k.decChanges);
    EXPECT_EQ(afsChanges, k.afsChanges);
    EXPECT_EQ(window->Count(Op::SetHexText), k.converterRuns) << "each converter run ends with it";
    EXPECT_EQ(window->ops, expectedOps);
    EXPECT_EQ(ToText(txtDec->text()), expected.decimalText);
    EXPECT_EQ(ToText(txtAFS->text()), expected.afsText);
    EXPECT_EQ(ToText(txtHex->text()), expected.hexText);
    const QColor decimal = k.decimalRed ? QColor(Qt::red) : QColor(Qt::white);
    EXPECT_EQ(Base(txtDec, QPalette::Active), decimal);
    EXPECT_EQ(Base(txtDec, QPalette::Disabled), decimal);
}

constexpr Qt::Key kEnd = Qt::Key_unknown;

// In "AFS to Decimal" a changed number runs the decoder twice (the second
// run's write changes nothing and ends the chain), an unchanged one once.
INSTANTIATE_TEST_SUITE_P(
    Keystrokes, ChainTest,
    ::testing::Values(Keystroke{"AfsNumberChanges", true, "09-10", kEnd, '2', 1, 1, 2, false},
                      Keystroke{"AfsNumberStays", true, "00-00", kEnd, '0', 0, 1, 1, false},
                      Keystroke{"AfsTopOfRange", true, "15-15", kEnd, '7', 1, 1, 2, false},
                      Keystroke{"AfsAgencyTooHigh", true, "16-00", kEnd, '0', 0, 1, 0, true},
                      Keystroke{"AfsFleetTooHigh", true, "00-16", kEnd, '0', 0, 1, 0, true},
                      Keystroke{"AfsSubfleetTooHigh", true, "00-00", kEnd, '8', 0, 1, 0, true},
                      Keystroke{"AfsPlusSeparator", true, "00+00", kEnd, '0', 0, 1, 0, true},
                      Keystroke{"AfsNegativeAgency", true, "-1-00", kEnd, '0', 0, 1, 0, true},
                      Keystroke{"AfsSevenCharacters", true, "09-102", kEnd, '3', 0, 1, 0, true},
                      Keystroke{"AfsLetters", true, "ab-cd", kEnd, '7', 1, 1, 2, false},
                      Keystroke{"AfsLeadingBlank", true, " 9-10", kEnd, '2', 1, 1, 2, false},
                      Keystroke{"AfsNegativeZero", true, "-0-00", kEnd, '0', 0, 1, 1, false},
                      Keystroke{"DecInRange", false, "123", kEnd, '4', 1, 1, 1, false},
                      Keystroke{"DecOutOfRange", false, "204", kEnd, '8', 1, 0, 1, false},
                      Keystroke{"DecSameAfsText", false, "5", Qt::Key_Home, '0', 1, 0, 1, false}),
    RowName<Keystroke>);

// QLineEdit signals a change when a selection is typed over with the same
// text; the text has not changed, so nothing may convert.
TEST_F(WindowTest, TypingOverASelectionWithTheSameTextIsNoChange) {
    SwitchMode();
    TypeIntoInput(" 1-001");
    SwitchMode();
    Click(txtDec, txtDec->rect().center());
    ASSERT_EQ(txtDec->text(), "129");
    window->ops.clear();
    Key(Qt::Key_End);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    Type("9");
    Paste("129");
    EXPECT_TRUE(window->ops.empty());
    EXPECT_EQ(txtAFS->text(), " 1-001");
}

TEST_F(WindowTest, ARedDecimalFieldStaysRedUntilItsWriterRuns) {
    SwitchMode();
    TypeIntoInput("09-102");
    Type("3");  // seven characters: red, the last number stays
    ASSERT_EQ(Base(txtDec, QPalette::Disabled), QColor(Qt::red));
    EXPECT_EQ(txtDec->text(), "1234");
    EXPECT_EQ(txtHex->text(), "4D2");

    SwitchMode();
    EXPECT_EQ(Base(txtDec, QPalette::Active), QColor(Qt::red));
    Click(txtDec, txtDec->rect().center());
    Paste("3000");  // out of range: only txtAFS turns red
    EXPECT_EQ(Base(txtDec, QPalette::Active), QColor(Qt::red));
    EXPECT_EQ(Base(txtAFS, QPalette::Disabled), QColor(Qt::red));
    EXPECT_EQ(txtAFS->text(), "09-1023");
    EXPECT_EQ(txtHex->text(), "BB8");

    Paste("16");  // a new AFS text repaints txtDec
    EXPECT_EQ(txtAFS->text(), "00-020");
    EXPECT_EQ(Base(txtDec, QPalette::Active), QColor(Qt::white));
    EXPECT_EQ(Base(txtAFS, QPalette::Disabled), QColor(Qt::white));
}

TEST_F(WindowTest, ARedAfsFieldStaysRedInAfsToDecimal) {
    Type("9999");
    ASSERT_EQ(Base(txtAFS, QPalette::Disabled), QColor(Qt::red));
    SwitchMode();
    TypeIntoInput("01-001");
    EXPECT_EQ(txtDec->text(), "129");
    EXPECT_EQ(Base(txtAFS, QPalette::Active), QColor(Qt::red));
}

TEST_F(WindowTest, TheDisabledOutputFieldPaintsItsColour) {
    EXPECT_NE(Base(txtAFS, QPalette::Disabled), QColor(Qt::white)) << "the toolkit's disabled look";
    Type("9999");
    const QImage painted = txtAFS->grab().toImage();
    EXPECT_EQ(painted.pixelColor(6, painted.height() / 2), QColor(Qt::red));
    EXPECT_EQ(txtAFS->palette().color(QPalette::Disabled, QPalette::Text),
              QApplication::palette().color(QPalette::Disabled, QPalette::Text));
}

struct Focusing {
    const char* name;
    bool afsToDecimal;
    bool byTab;
};

class CaretTest : public WindowTest, public ::testing::WithParamInterface<Focusing> {};

// The field gets focus after a switch, which leaves no field focused.
TEST_P(CaretTest, FocusPutsTheCaretBehindTheLastCharacter) {
    SwitchMode();
    if (!GetParam().afsToDecimal) SwitchMode();
    QLineEdit* field = InputField();
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    const int textWidth = field->fontMetrics().horizontalAdvance(field->text());
    const QPoint firstCharacter((field->width() - textWidth) / 2 + 2, field->height() / 2);

    if (GetParam().byTab) {
        Key(Qt::Key_Tab);
    } else {
        Click(field, firstCharacter);
    }
    ASSERT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(field->cursorPosition(), field->text().size());
    EXPECT_FALSE(field->hasSelectedText());

    Click(field, firstCharacter);  // with focus, a click places the caret
    EXPECT_EQ(field->cursorPosition(), 0);
}

INSTANTIATE_TEST_SUITE_P(Focus, CaretTest,
                         ::testing::Values(Focusing{"ClickDec", false, false},
                                           Focusing{"ClickAfs", true, false},
                                           Focusing{"TabDec", false, true},
                                           Focusing{"TabAfs", true, true}),
                         RowName<Focusing>);

// 32,767 characters, QLineEdit's own limit, convert in linear time: four
// times the text may take at most about four times as long.
TEST_F(WindowTest, LongPastesConvertInLinearTime) {
    for (const bool afsToDecimal : {false, true}) {
        SCOPED_TRACE(afsToDecimal ? "AFS to Decimal" : "Decimal to AFS");
        if (afsToDecimal) SwitchMode();
        Click(InputField(), InputField()->rect().center());
        auto pasteTime = [&](qsizetype length) {
            qint64 best = std::numeric_limits<qint64>::max();
            for (int round = 0; round < 3; ++round) {
                const QString text = QString(length, QChar(u'1')) + QString::number(round);
                QElapsedTimer timer;
                timer.start();
                Paste(text);
                best = std::min(best, timer.nsecsElapsed());
            }
            return best;
        };
        const qint64 quarter = pasteTime(8190);
        const qint64 full = pasteTime(32766);
        EXPECT_EQ(InputField()->text().size(), 32767);
        EXPECT_LT(full, 10 * quarter + 20'000'000) << quarter << " ns, then " << full << " ns";
        EXPECT_EQ(Base(afsToDecimal ? txtDec : txtAFS, QPalette::Disabled), QColor(Qt::red));

        Paste(QString(40000, QChar(u'7')));
        EXPECT_EQ(InputField()->text().size(), 32767) << "the toolkit's limit";
    }
}

}  // namespace
}  // namespace zembra::testing
