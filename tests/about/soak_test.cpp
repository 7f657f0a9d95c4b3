// SPDX-License-Identifier: MIT
// Opens and closes the About window and both message boxes many times in one
// process: nothing may pile up (the sanitizer build checks for leaks).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QTimer>

#include "modal_helpers.h"
#include "ui/main/help_menu.h"

namespace zembra {
namespace {

void Dismiss(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->button(QMessageBox::Ok)->click();
    } else if (auto* timer1 = modal->findChild<QTimer*>(QStringLiteral("Timer1"))) {
        QMetaObject::invokeMethod(timer1, "timeout");
    } else {
        ADD_FAILURE() << "unexpected modal window";
        modal->close();
    }
}

TEST(Soak, FiveHundredOfEachLeaveNoWindowBehind) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto topLevels = QApplication::topLevelWidgets().size();
    for (int i = 0; i < 500; ++i) {
        for (std::int16_t index : {std::int16_t{1}, std::int16_t{2}, std::int16_t{3}}) {
            testing::OnNextModal(&Dismiss);
            mnuHelpItems_Click(index);
            ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "round " << i;
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels);
}

}  // namespace
}  // namespace zembra
