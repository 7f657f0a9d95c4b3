// SPDX-License-Identifier: MIT
// Start-up: the application object, the one frmMain, the event loop.
// Closing the window ends the program; nothing is saved.
#include <QApplication>

#include "ui/main/frm_main.h"
#include "version/version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zembra::version::kProductName));
    QApplication::setOrganizationName(QString::fromLatin1(zembra::version::kCompanyName));
    QApplication::setApplicationVersion(QString::fromLatin1(zembra::version::kFull));
    // Ties the windows to the installed desktop entry. No application
    // display name: it would be appended to every window title.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(zembra::version::kAppId));

    zembra::frmMain window;
    window.show();
    return QApplication::exec();
}
