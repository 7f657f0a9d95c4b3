// SPDX-License-Identifier: MIT
// Runs the Help menu and About window tests inside one QApplication, headless
// unless a platform is set, and fails a test that leaves a modal window open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <clocale>

namespace {

class NoModalLeftOpen : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& /*info*/) override {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal window is still open: " << modal->objectName().toStdString();
            modal->close();
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // After QApplication, which sets the locale from the environment: a
    // comma-decimal locale makes any locale-dependent code show itself.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new NoModalLeftOpen);
    return RUN_ALL_TESTS();
}
