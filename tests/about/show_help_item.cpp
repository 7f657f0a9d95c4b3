// SPDX-License-Identifier: MIT
// Chooses one Help menu item (1 Help, 2 License Info, 3 About) and exits when
// its box or window has closed; scripts/screenshot-about photographs what it
// shows under Xvfb.
#include <QApplication>
#include <QTimer>
#include <cstdint>
#include <cstdlib>

#include "ui/main/help_menu.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto index = static_cast<std::int16_t>(argc > 1 ? std::atoi(argv[1]) : 3);
    QTimer::singleShot(0, &app, [index] {
        zembra::mnuHelpItems_Click(index);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
