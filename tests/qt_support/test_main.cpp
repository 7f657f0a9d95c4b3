// SPDX-License-Identifier: MIT
// Runs the tests in one QApplication, headless unless a platform is set; a
// test fails that leaves a modal window open or waits for one in vain.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/core/comma_locale.h"
#include "tests/qt_support/modal_helpers.h"

namespace {

class ModalWindowsSettled : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& /*info*/) override {
        for (QTimer* poll : qApp->findChildren<QTimer*>(zembra::testing::kModalPoll)) {
            ADD_FAILURE() << "no modal window opened while the test waited for one";
            delete poll;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal window is still open: " << modal->objectName().toStdString();
            modal->close();
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // After QApplication has set it: a comma-decimal locale exposes misreads.
    zembra::tests::PinCommaLocale();
    ::testing::InitGoogleTest(&argc, argv);
    // Ahead of the printer, so that its verdict includes these checks.
    auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
    auto* printer = listeners.Release(listeners.default_result_printer());
    listeners.Append(new ModalWindowsSettled);
    listeners.Append(printer);
    return RUN_ALL_TESTS();
}
