// SPDX-License-Identifier: MIT
// A shown frmMain driven as a user does (clicks, keys, menu choices), which
// also records every field operation the converters make on it.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/memory_fields.h"
#include "ui/main/frm_main.h"

namespace zembra::testing {

using Op = MemoryFields::Op;

// Names parameterised test rows after their name field.
template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) {
    return row.param.name;
}

class RecordingWindow : public frmMain {
public:
    mutable std::vector<Op> ops;

    int Count(Op op) const { return static_cast<int>(std::count(ops.begin(), ops.end(), op)); }

    Text GetDecimalText() const override {
        return Record(Op::GetDecimalText, frmMain::GetDecimalText());
    }
    void SetDecimalText(TextView text) override {
        ops.push_back(Op::SetDecimalText);
        frmMain::SetDecimalText(text);
    }
    Text GetAfsText() const override { return Record(Op::GetAfsText, frmMain::GetAfsText()); }
    void SetAfsText(TextView text) override {
        ops.push_back(Op::SetAfsText);
        frmMain::SetAfsText(text);
    }
    void SetAfsBackColor(BackColor color) override {
        ops.push_back(Op::SetAfsBackColor);
        frmMain::SetAfsBackColor(color);
    }
    void SetHexText(TextView text) override {
        ops.push_back(Op::SetHexText);
        frmMain::SetHexText(text);
    }
    bool IsActionItemChecked(int index) const override {
        return Record(Op::IsActionItemChecked, frmMain::IsActionItemChecked(index));
    }

private:
    template <typename T>
    T Record(Op op, T result) const {
        ops.push_back(op);
        return result;
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<RecordingWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
        txtDec = Field("txtDec");
        txtAFS = Field("txtAFS");
        txtHex = Field("txtHex");
    }

    QLineEdit* Field(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QLabel* Label(const char* name) const { return window->findChild<QLabel*>(name); }
    QAction* Item(const char* name) const { return window->findChild<QAction*>(name); }
    bool DecimalToAfs() const { return Item("mnuActionItems1")->isChecked(); }
    QLineEdit* InputField() const { return DecimalToAfs() ? txtDec : txtAFS; }

    // Geometry in the client area, below the menu bar.
    QRect InClient(const QWidget* widget) const {
        return {widget->mapTo(window->centralWidget(), QPoint(0, 0)), widget->size()};
    }

    void Choose(const char* item) {
        Item(item)->trigger();
        QApplication::processEvents();
    }
    void SwitchMode() { Choose("mnuActionItems1"); }

    static QWidget* KeyTarget() {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : QApplication::activeWindow();
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(KeyTarget(), key, modifiers);
        QApplication::processEvents();
    }
    static void Type(const QString& keys) {
        QTest::keyClicks(KeyTarget(), keys);
        QApplication::processEvents();
    }
    static void Click(QWidget* widget, QPoint at) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    }
    static void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_V, Qt::ControlModifier);
    }

    // Clicks into the input field and types its new text key by key.
    void TypeIntoInput(const QString& text) {
        Click(InputField(), InputField()->rect().center());
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_Backspace);
        Type(text);
    }

    static QColor Base(const QLineEdit* field, QPalette::ColorGroup group) {
        return field->palette().color(group, QPalette::Base);
    }

    std::unique_ptr<RecordingWindow> window;
    QLineEdit* txtDec = nullptr;
    QLineEdit* txtAFS = nullptr;
    QLineEdit* txtHex = nullptr;
};

}  // namespace zembra::testing
