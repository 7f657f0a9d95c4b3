// SPDX-License-Identifier: MIT
// The toolkit behaviours the window is built on, checked on their own.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>

namespace {

TEST(QtFacts, LineEditSignalsOnlyRealChangesAndInsideTheWrite) {
    QLineEdit field(QStringLiteral("0"));
    int changes = 0;
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&changes] { ++changes; });
    field.setText(QStringLiteral("0"));
    EXPECT_EQ(changes, 0);
    field.setText(QStringLiteral("5"));
    EXPECT_EQ(changes, 1) << "delivered before setText returned";
    field.clear();
    field.setText(QString());
    EXPECT_EQ(changes, 2);
}

TEST(QtFacts, ACheckableActionIsToggledBeforeTriggeredFires) {
    QAction action;
    action.setCheckable(true);
    action.setChecked(true);
    bool seen = true;
    QObject::connect(&action, &QAction::triggered, &action,
                     [&action, &seen](bool checked) { seen = action.isChecked() && checked; });
    action.trigger();
    EXPECT_FALSE(seen);
    EXPECT_FALSE(action.isChecked());
}

}  // namespace
