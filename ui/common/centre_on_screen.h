// SPDX-License-Identifier: MIT
// Where both windows first appear: centred on their screen.
#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace zembra {

// Centres the window's client area, of the size it has now. Its frame is not
// known before the window manager has decorated the window; a geometry (not
// a move) puts the client area itself at the place asked for.
inline void CentreOnScreen(QWidget& window) {
    QRect client = window.rect();
    client.moveCenter(window.screen()->availableGeometry().center());
    window.setGeometry(client);
}

}  // namespace zembra
