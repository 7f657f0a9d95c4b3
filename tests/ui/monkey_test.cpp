// SPDX-License-Identifier: MIT
// Random user actions on the window (typing, deleting, pasting, moving the
// caret, clicking, switching modes). After each one the window must agree
// with in-memory fields that replay the same input texts and mode switches
// from the same start. The seed is printed; ZEMBRA_MONKEY_SEED and
// ZEMBRA_MONKEY_ACTIONS change it and the number of actions.
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <variant>

#include "ui/main/back_color.h"
#include "ui/main/qt_text.h"
#include "window_fixture.h"

namespace zembra::testing {
namespace {

// Stands for the toolkit's own background, which nothing has painted yet.
constexpr BackColor kUnpainted = 0xFF000000;

unsigned EnvOr(const char* name, unsigned fallback) {
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// The colour a field shows enabled and disabled alike, if it has one.
std::optional<QColor> Painted(const QLineEdit* field) {
    const QPalette& p = field->palette();
    const QColor active = p.color(QPalette::Active, QPalette::Base);
    if (p.color(QPalette::Inactive, QPalette::Base) != active ||
        p.color(QPalette::Disabled, QPalette::Base) != active) {
        return std::nullopt;
    }
    return active;
}

std::optional<QColor> Expected(BackColor color) {
    if (color == kUnpainted) return std::nullopt;
    return ToQColor(color);
}

struct TextChange {
    bool decimal;
    Text text;
};
struct ModeSwitch {};
using Event = std::variant<TextChange, ModeSwitch>;

class MonkeyTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Only the user changes the enabled field: the converters write the
        // disabled one.
        for (QLineEdit* field : {txtDec, txtAFS}) {
            QObject::connect(field, &QLineEdit::textChanged, window.get(),
                             [this, field](const QString& text) {
                                 if (field->isEnabled())
                                     events.push_back(TextChange{field == txtDec, ToText(text)});
                             });
        }
    }

    QString RandomText(int maxLength) {
        static const QString kKeys = QStringLiteral("0123456789012345678901234567-+.e&H abfHoODd-");
        QString text;
        const int length = Pick(0, maxLength);
        for (int i = 0; i < length; ++i) text += kKeys[Pick(0, static_cast<int>(kKeys.size()) - 1)];
        return text;
    }

    QString RandomPaste() {
        switch (Pick(0, 4)) {
            case 4:
                return InputField()->text();
            case 0:
                return QString::number(Pick(0, 2100));
            case 1:
                return QStringLiteral("%1-%2%3")
                    .arg(Pick(0, 17), 2, 10, QChar(u'0'))
                    .arg(Pick(0, 17), 2, 10, QChar(u'0'))
                    .arg(Pick(0, 9));
            default:
                return RandomText(100);
        }
    }

    QLineEdit* Upper() const {
        return InClient(txtDec).top() < InClient(txtAFS).top() ? txtDec : txtAFS;
    }
    QLineEdit* Lower() const { return Upper() == txtDec ? txtAFS : txtDec; }

    std::string Act() {
        const int roll = Pick(0, 99);
        if (roll < 50) {
            const QString key = RandomText(1).left(1);
            Type(key.isEmpty() ? QStringLiteral("7") : key);
            return "type";
        }
        if (roll < 58) return Key(Qt::Key_Backspace), "backspace";
        if (roll < 63) return Key(Qt::Key_Delete), "delete";
        if (roll < 69) {
            const Qt::Key moves[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
            const bool select = Pick(0, 2) == 0;  // typing then replaces the selection
            return Key(moves[Pick(0, 3)], select ? Qt::ShiftModifier : Qt::NoModifier), "move";
        }
        if (roll < 77) return Paste(RandomPaste()), "paste";
        if (roll < 82) {
            Choose(Pick(0, 1) == 0 ? "mnuActionItems1" : "mnuActionItems2");
            events.push_back(ModeSwitch{});
            return "switch";
        }
        if (roll < 88) {
            QLineEdit* field = Upper();
            return Click(field, {Pick(1, field->width() - 2), field->height() / 2}), "click";
        }
        if (roll < 90) return Click(Lower(), Lower()->rect().center()), "click output";
        return Key(Qt::Key_Tab), "tab";
    }

    void Replay(MemoryFields& fields) {
        for (const Event& event : events) {
            if (const auto* change = std::get_if<TextChange>(&event)) {
                if (change->decimal) {
                    fields.SetDecimalText(change->text);
                } else {
                    fields.SetAfsText(change->text);
                }
            } else {
                fields.SetDecimalToAfs(!fields.decimalToAfsChecked);
            }
        }
        events.clear();
    }

    std::string Mismatches(const MemoryFields& expected) const {
        std::string why;
        auto check = [&why](bool ok, const char* what) {
            if (!ok) why += std::string(what) + "; ";
        };
        const bool item1 = Item("mnuActionItems1")->isChecked();
        check(item1 != Item("mnuActionItems2")->isChecked(), "not exactly one Action item checked");
        check(item1 == expected.decimalToAfsChecked, "mode");
        check(Upper() == (item1 ? txtDec : txtAFS), "the input field is not the upper one");
        check(Upper()->isEnabled() && !Lower()->isEnabled() && !txtHex->isEnabled(),
              "enabled fields");
        check(ToText(txtDec->text()) == expected.decimalText, "txtDec text");
        check(ToText(txtAFS->text()) == expected.afsText, "txtAFS text");
        check(ToText(txtHex->text()) == expected.hexText, "txtHex text");
        check(Painted(txtDec) == Expected(expected.decimalBackColor), "txtDec colour");
        check(Painted(txtAFS) == Expected(expected.afsBackColor), "txtAFS colour");
        return why;
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    std::mt19937 random;
    std::vector<Event> events;
};

TEST_F(MonkeyTest, RandomActionsKeepTheWindowInStepWithTheCore) {
    const unsigned seed = EnvOr("ZEMBRA_MONKEY_SEED", 20261207u);
    const unsigned actions = EnvOr("ZEMBRA_MONKEY_ACTIONS", 20000u);
    std::printf("monkey: seed %u, %u actions\n", seed, actions);
    random.seed(seed);

    MemoryFields expected;
    expected.afsBackColor = kUnpainted;
    expected.AttachFieldReactions();
    ASSERT_EQ(Mismatches(expected), "");

    std::string last;
    for (unsigned n = 0; n < actions; ++n) {
        const std::string action = Act();
        Replay(expected);
        const std::string why = Mismatches(expected);
        ASSERT_EQ(why, "") << "action " << n << " (" << action << ", after " << last
                           << "), input field '" << InputField()->text().left(120).toStdString()
                           << "'";
        last = action;
    }
}

}  // namespace
}  // namespace zembra::testing
