// SPDX-License-Identifier: MIT
// The one test that lets the About window's 7.5 seconds really pass.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "ui/about/frm_about.h"
#include "ui/main/help_menu.h"

namespace zembra {
namespace {

TEST(AboutWindowClock, ClosesItselfAfterSevenAndAHalfSeconds) {
    QElapsedTimer clock;
    clock.start();
    mnuHelpItems_Click(3);
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 7500);
    EXPECT_LT(elapsed, 8000);
    EXPECT_EQ(AboutForm().window(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace zembra
