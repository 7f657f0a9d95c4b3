// SPDX-License-Identifier: MIT
// frmAbout: the small About window over the cheese picture, which closes
// itself 7.5 seconds after it was loaded. The program keeps one frmAbout for
// its whole run; the window and its controls exist only while it is shown and
// are built afresh from the design on every opening, so nothing carries over.
#pragma once

#include <memory>

class QDialog;

namespace zembra {

class AboutWindow;

class frmAbout {
public:
    frmAbout();
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // Loads the window, shows it modally with no owner and returns once it
    // has been unloaded. Does nothing while the window is already shown.
    void Show();

    // The window while it is loaded, null otherwise.
    QDialog* window() const;

    // Timer1's tick, and also what any closing by the user runs: stops both
    // timers and unloads the window, which ends the modal display.
    void Timer1_Timer();

private:
    void Form_Load();
    void Unload();

    std::unique_ptr<AboutWindow> m_window;
};

// The program's one frmAbout, created on first use. It holds no Qt object
// while its window is closed, so it may outlive the QApplication.
frmAbout& AboutForm();

}  // namespace zembra
