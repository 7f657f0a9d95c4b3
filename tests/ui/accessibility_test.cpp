// SPDX-License-Identifier: MIT
// frmMain as assistive technology sees it: each field's name and label in
// both modes, the red state told without colour, and the menus chosen from
// the keyboard by their access keys.
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "ui/main/text_box.h"
#include "window_fixture.h"

namespace zembra::testing {
namespace {

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(interface, nullptr);
    return interface;
}

// The names of the fields that the label's accessible relations say it labels.
QStringList FieldsLabelledBy(QLabel* label) {
    QStringList names;
    const auto relations = Accessible(label)->relations(QAccessible::Labelled);
    for (const auto& [field, relation] : relations) names << field->text(QAccessible::Name);
    return names;
}

TEST_F(WindowTest, FieldsKeepTheirNamesAndLabelsInBothModes) {
    const std::pair<const char*, QString> names[] = {
        {"txtDec", "Decimal"}, {"txtAFS", "AFS"}, {"txtHex", "Hexadecimal"}};
    // Each caption names the number system of the field beside the label.
    const std::map<QString, QString> fieldFor = {
        {"DEC", "Decimal"}, {"AFS", "AFS"}, {"HEX", "Hexadecimal"}};
    for (const char* mode : {"DecimalToAfs", "AfsToDecimal", "DecimalToAfs again"}) {
        SCOPED_TRACE(mode);
        for (const auto& [name, accessibleName] : names) {
            SCOPED_TRACE(name);
            QLineEdit* field = Field(name);
            QAccessibleInterface* interface = Accessible(field);
            ASSERT_NE(interface, nullptr);
            EXPECT_EQ(interface->text(QAccessible::Name), accessibleName);
            EXPECT_EQ(interface->role(), QAccessible::EditableText);
            EXPECT_EQ(interface->state().disabled, !field->isEnabled());
        }
        for (const char* name : {"lblDec", "lblAFS", "Label1"}) {
            SCOPED_TRACE(name);
            QLabel* label = Label(name);
            EXPECT_EQ(Accessible(label)->text(QAccessible::Name), label->text());
            EXPECT_EQ(FieldsLabelledBy(label), QStringList{fieldFor.at(label->text())});
        }
        EXPECT_EQ(Label("lblDec")->buddy(), InputField()) << "the upper label";
        SwitchMode();
    }
}

struct InvalidCase {
    const char* name;
    bool afsToDecimal;
    const char* output;  // the field that turns red
    const char* invalid;
    const char* valid;
    const char* invalidAgain;
};

class InvalidEntryTest : public WindowTest, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidEntryTest, TheDescriptionFollowsTheRedBackground) {
    const InvalidCase& c = GetParam();
    if (c.afsToDecimal) SwitchMode();
    QLineEdit* output = Field(c.output);
    QAccessibleInterface* interface = Accessible(output);
    ASSERT_NE(interface, nullptr);
    const auto expectState = [&](bool red) {
        EXPECT_EQ(Base(output, QPalette::Disabled), red ? QColor(Qt::red) : QColor(Qt::white));
        EXPECT_EQ(interface->text(QAccessible::Description), red ? kInvalidEntry : "");
        EXPECT_EQ(interface->text(QAccessible::Name), output->accessibleName());
    };
    const struct {
        const char* text;
        bool red;
    } steps[] = {{c.invalid, true}, {c.valid, false}, {c.invalidAgain, true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.text);
        TypeIntoInput(QString::fromLatin1(step.text));
        expectState(step.red);
    }
    EXPECT_EQ(Accessible(InputField())->text(QAccessible::Description), "");
}

INSTANTIATE_TEST_SUITE_P(Fields, InvalidEntryTest,
                         ::testing::Values(InvalidCase{"AfsOutOfRange", false, "txtAFS", "3000",
                                                       "1234", "2048"},
                                           InvalidCase{"DecimalFromBadAfs", true, "txtDec",
                                                       "16-000", "09-102", "09-10"}),
                         RowName<InvalidCase>);

TEST_F(WindowTest, TheRedStateTravelsWithTheFieldAcrossASwitch) {
    Type("5000");
    ASSERT_EQ(Accessible(txtAFS)->text(QAccessible::Description), kInvalidEntry);
    SwitchMode();
    EXPECT_EQ(Accessible(txtAFS)->text(QAccessible::Description), kInvalidEntry);
    EXPECT_EQ(Accessible(txtDec)->text(QAccessible::Description), "");
}

// The bar announces its access keys; "&AFS to Decimal" flips the mode from
// either mode, like "&Decimal to AFS" (mode tests). The Help menu's keys are
// tried with the boxes they open.
TEST_F(WindowTest, TheActionMenuWorksFromTheKeyboard) {
    QStringList bindings;
    QAccessibleInterface* bar = Accessible(window->menuBar());
    ASSERT_NE(bar, nullptr);
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface* item = bar->child(i);
        bindings << item->text(QAccessible::Name) << item->text(QAccessible::Accelerator);
    }
    EXPECT_EQ(bindings, (QStringList{"Action", "Alt+A", "Help", "Alt+H"}));

    QMenu* action = window->findChild<QMenu*>("mnuAction");
    ASSERT_NE(action, nullptr);
    for (bool afsToDecimal : {true, false}) {
        SCOPED_TRACE(afsToDecimal ? "from DecimalToAfs" : "from AfsToDecimal");
        Key(Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(action->isVisible());
        QTest::keyClick(action, Qt::Key_A);
        QTRY_VERIFY(!action->isVisible());
        EXPECT_EQ(DecimalToAfs(), !afsToDecimal);
        EXPECT_EQ(InputField()->isEnabled(), true);
    }
}

}  // namespace
}  // namespace zembra::testing
