// SPDX-License-Identifier: MIT
// Test entry point for the window tests: one QApplication (offscreen unless
// a platform is chosen), the locale pinned to one whose decimal separator is
// ",", and a check that no test leaves a modal window open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <clocale>
#include <cstdio>

namespace {

class NoModalLeftOpen : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& /*info*/) override {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal window was left open: " << modal->metaObject()->className();
            modal->close();
        }
    }
};

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says this for every window it shows.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()")) return;
    standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(QuietOffscreen);
    QApplication app(argc, argv);
    // After the QApplication: its constructor sets the locale from the environment.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::fputs("note: de_DE.UTF-8 is missing; tests run in C.UTF-8\n", stderr);
        std::setlocale(LC_ALL, "C.UTF-8");
    }
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new NoModalLeftOpen);
    return RUN_ALL_TESTS();
}
